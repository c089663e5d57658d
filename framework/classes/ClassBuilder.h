// TClassBuilder<C> collects the published members of class C and makes
// its TClass. A class's registration reads like its published section:
//
//   const TClass& TShape::StaticClass() {
//     static const TClass Class = TClassBuilder<TShape>("TShape")
//         .Property("Brush", &TShape::GetBrush, &TShape::SetBrush)
//         .Property("Shape", &TShape::GetShape, &TShape::SetShape).Default(stRectangle)
//         .Build();
//     return Class;
//   }
//
// Getters are const member functions or fields; setters are member
// functions taking the value (by value or const reference) or fields; a
// property without a setter is read-only. The value type gives the
// property's type information; Type() replaces it for integers that
// accept identifiers (colours, cursors, character sets).
#pragma once

#include "framework/classes/Class.h"
#include "framework/classes/Object.h"
#include "framework/classes/Set.h"
#include "framework/runtime/Exceptions.h"

#include <concepts>
#include <initializer_list>
#include <type_traits>

class TComponent;

template <class T>
requires std::is_base_of_v<TObject, T>
const TTypeInfo& TypeInfoFor(T**) {
  static const TTypeInfo Info = [] {
    TTypeInfo I{TTypeKind::Class, "class"};
    I.ClassFn = &T::StaticClass;
    return I;
  }();
  return Info;
}

namespace ClassBuilderDetail {

template <class T> struct TIsSet : std::false_type {};
template <class E> struct TIsSet<TSet<E>> : std::true_type {};
template <class T> struct TIsEvent : std::false_type {};
template <class S> struct TIsEvent<TEvent<S>> : std::true_type {};

template <class T>
concept Ordinal = std::is_integral_v<T> || std::is_enum_v<T> || TIsSet<T>::value;

template <class T> std::int64_t ToOrd(const T& V) {
  if constexpr (TIsSet<T>::value)
    return std::int64_t(V.Bits());
  else
    return std::int64_t(V);
}
template <class T> T FromOrd(std::int64_t V) {
  if constexpr (TIsSet<T>::value)
    return T::FromBits(std::uint32_t(V));
  else
    return T(V);
}

template <class G> struct TGetter;
template <class B, class T> struct TGetter<T (B::*)() const> {
  using Value = std::remove_cvref_t<T>;
  static Value Get(const TObject* O, T (B::*G)() const) { return (static_cast<const B*>(O)->*G)(); }
};
template <class B, class T> struct TGetter<T B::*> {
  using Value = T;
  static Value Get(const TObject* O, T B::*F) { return static_cast<const B*>(O)->*F; }
};

template <class S> struct TSetter;
template <class B, class T> struct TSetter<void (B::*)(T)> {
  template <class V> static void Set(TObject* O, void (B::*S)(T), V&& Value) {
    (static_cast<B*>(O)->*S)(std::forward<V>(Value));
  }
};
template <class B, class T> struct TSetter<T B::*> {
  template <class V> static void Set(TObject* O, T B::*F, V&& Value) {
    static_cast<B*>(O)->*F = std::forward<V>(Value);
  }
};

[[noreturn]] void WrongClass();
[[noreturn]] void ReadOnly();
// A registration names a property no ancestor describes, or modifies one
// it did not describe itself.
[[noreturn]] void NotDeclared(std::string_view Name);

template <class T, class G, class S> class TAccess final : public TPropAccess {
public:
  TAccess(G Get, S Set) : FGet(Get), FSet(Set) {}
  bool HasSetter() const override { return !std::is_null_pointer_v<S>; }

  std::int64_t GetOrd(const TObject* O) const override {
    if constexpr (Ordinal<T>)
      return ToOrd(Read(O));
    else
      return TPropAccess::GetOrd(O);
  }
  void SetOrd(TObject* O, std::int64_t V) const override {
    if constexpr (Ordinal<T>)
      Write(O, FromOrd<T>(V));
    else
      TPropAccess::SetOrd(O, V);
  }
  double GetFloat(const TObject* O) const override {
    if constexpr (std::is_floating_point_v<T>)
      return double(Read(O));
    else
      return TPropAccess::GetFloat(O);
  }
  void SetFloat(TObject* O, double V) const override {
    if constexpr (std::is_floating_point_v<T>)
      Write(O, T(V));
    else
      TPropAccess::SetFloat(O, V);
  }
  std::string GetStr(const TObject* O) const override {
    if constexpr (std::is_same_v<T, std::string>)
      return Read(O);
    else
      return TPropAccess::GetStr(O);
  }
  void SetStr(TObject* O, const std::string& V) const override {
    if constexpr (std::is_same_v<T, std::string>)
      Write(O, V);
    else
      TPropAccess::SetStr(O, V);
  }
  TObject* GetObj(const TObject* O) const override {
    if constexpr (std::is_pointer_v<T>)
      return Read(O);
    else
      return TPropAccess::GetObj(O);
  }
  void SetObj(TObject* O, TObject* V) const override {
    if constexpr (std::is_pointer_v<T>) {
      T Typed = dynamic_cast<T>(V);
      if (V && !Typed) WrongClass();
      Write(O, Typed);
    } else {
      TPropAccess::SetObj(O, V);
    }
  }
  TMethod GetMethod(const TObject* O) const override {
    if constexpr (TIsEvent<T>::value)
      return Read(O).ToMethod();
    else
      return TPropAccess::GetMethod(O);
  }
  void SetMethod(TObject* O, const TMethod& V) const override {
    if constexpr (TIsEvent<T>::value) {
      if (!T::Accepts(V)) WrongClass();
      Write(O, T::FromMethod(V));
    } else {
      TPropAccess::SetMethod(O, V);
    }
  }

private:
  T Read(const TObject* O) const { return TGetter<G>::Get(O, FGet); }
  template <class V> void Write(TObject* O, V&& Value) const {
    if constexpr (std::is_null_pointer_v<S>)
      ReadOnly();
    else
      TSetter<S>::Set(O, FSet, std::forward<V>(Value));
  }
  G FGet;
  S FSet;
};

template <class C, class F> class TField final : public TFieldInfo {
public:
  TField(std::string_view Name, F* C::*Member)
      : TFieldInfo(Name, &F::StaticClass), FMember(Member) {}
  void Set(TObject* Obj, TObject* Value) const override {
    F* Typed = dynamic_cast<F*>(Value);
    if (Value && !Typed) WrongClass();
    static_cast<C*>(Obj)->*FMember = Typed;
  }
  TObject* Get(const TObject* Obj) const override { return static_cast<const C*>(Obj)->*FMember; }

private:
  F* C::*FMember;
};

} // namespace ClassBuilderDetail

template <class C> class TClassBuilder {
public:
  explicit TClassBuilder(std::string_view Name) : FName(Name) {}

  template <class G, class S = std::nullptr_t>
  TClassBuilder& Property(std::string_view Name, G Get, S Set = nullptr) {
    FMembers.Published.push_back(Describe(Name, Get, Set));
    return *this;
  }
  // A property descendants may publish (with Publish) but this class does
  // not.
  template <class G, class S = std::nullptr_t>
  TClassBuilder& Declare(std::string_view Name, G Get, S Set = nullptr) {
    FMembers.Declared.push_back(Describe(Name, Get, Set));
    return *this;
  }
  // Publishes properties an ancestor describes, with its accessors, type
  // and default.
  TClassBuilder& Publish(std::initializer_list<std::string_view> Names) {
    for (std::string_view Name : Names) {
      const TPropInfo* P = C::inherited::StaticClass().FindDeclared(Name);
      if (!P) ClassBuilderDetail::NotDeclared(Name);
      FMembers.Published.push_back(P);
    }
    FLast = nullptr;
    return *this;
  }
  // The declared default of the last described property: a value equal
  // to it is not written to a form definition, so the constructor must
  // set it.
  template <class T> TClassBuilder& Default(T Value) {
    Last().FHasDefault = true;
    Last().FDefault = ClassBuilderDetail::ToOrd(Value);
    return *this;
  }
  TClassBuilder& Type(const TTypeInfo& Info) {
    Last().FType = &Info;
    return *this;
  }
  template <auto M> TClassBuilder& Method(std::string_view Name) {
    FMembers.Methods.push_back({std::string(Name), &TMethodThunk<M>::Code()});
    return *this;
  }
  template <class B, class F> TClassBuilder& Field(std::string_view Name, F* B::*Member) {
    FMembers.Fields.push_back(std::make_unique<ClassBuilderDetail::TField<B, F>>(Name, Member));
    return *this;
  }

  TClass Build() {
    return TClass(FName, &C::inherited::StaticClass(), CreateFn(), std::move(FMembers));
  }

private:
  template <class G, class S> const TPropInfo* Describe(std::string_view Name, G Get, S Set) {
    using T = typename ClassBuilderDetail::TGetter<G>::Value;
    auto Access = std::make_unique<ClassBuilderDetail::TAccess<T, G, S>>(Get, Set);
    FMembers.Owned.push_back(std::make_unique<TPropInfo>(Name, TypeInfoOf<T>(), std::move(Access)));
    FLast = FMembers.Owned.back().get();
    return FLast;
  }
  TPropInfo& Last() {
    if (!FLast) ClassBuilderDetail::NotDeclared("(a published ancestor property)");
    return *FLast;
  }

  static TClass::TCreateFn CreateFn() {
    if constexpr (std::is_abstract_v<C>)
      return nullptr;
    else if constexpr (std::is_constructible_v<C, TComponent*>)
      return [](TComponent* Owner) -> TObject* { return Create<C>(Owner); };
    else if constexpr (std::is_default_constructible_v<C>)
      return [](TComponent*) -> TObject* { return Create<C>(); };
    else
      return nullptr;
  }

  std::string FName;
  TClass::TMembers FMembers;
  TPropInfo* FLast = nullptr;
};
