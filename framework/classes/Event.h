// Events: a method pointer, the pair of a method and the object it runs on.
// The code part is the address of one static record per member function,
// so two events compare equal exactly when they name the same method of
// the same object, however each was made (by code with MakeEvent, or by
// the form reader from a published method's name).
//
//   Bar->OnChange = MakeEvent<&TForm1::BarChange>(this);
//   if (OnChange) OnChange(this);   // raising an unassigned event does nothing
#pragma once

#include "framework/classes/TypeInfo.h"

#include <utility>

class TObject;

// What every method record has: the signature, as the type information
// that event properties of that signature share.
struct TMethodCode {
  const TTypeInfo* Signature;
};

template <class Sig> struct TMethodCodeOf;
template <class... A> struct TMethodCodeOf<void(A...)> : TMethodCode {
  void (*Invoke)(TObject*, A...);
};

// The untyped form, for reflection.
struct TMethod {
  const TMethodCode* Code = nullptr;
  TObject* Data = nullptr;
  explicit operator bool() const { return Code != nullptr; }
  bool operator==(const TMethod&) const = default;
};

template <class Sig> const TTypeInfo& MethodTypeInfo() {
  static const TTypeInfo Info{TTypeKind::Method, "TMethod"};
  return Info;
}

template <class T> struct TMemberFunctionTraits;
template <class C, class... A> struct TMemberFunctionTraits<void (C::*)(A...)> {
  using Class = C;
  using Signature = void(A...);
};

// The one record of member function M.
template <auto M> struct TMethodThunk {
  using Traits = TMemberFunctionTraits<decltype(M)>;
  using Sig = typename Traits::Signature;

  template <class... A> static void Invoke(TObject* Obj, A... Args) {
    (static_cast<typename Traits::Class*>(Obj)->*M)(std::forward<A>(Args)...);
  }
  template <class F> struct TMaker;
  template <class... A> struct TMaker<void(A...)> {
    static const TMethodCodeOf<Sig>& Get() {
      static const TMethodCodeOf<Sig> Code{{&MethodTypeInfo<Sig>()}, &Invoke<A...>};
      return Code;
    }
  };
  static const TMethodCodeOf<Sig>& Code() { return TMaker<Sig>::Get(); }
};

template <class Sig> class TEvent;
template <class... A> class TEvent<void(A...)> {
public:
  using TCode = TMethodCodeOf<void(A...)>;

  TEvent() = default;
  TEvent(std::nullptr_t) {}
  TEvent(const TCode* Code, TObject* Data) : FCode(Code), FData(Code ? Data : nullptr) {}

  explicit operator bool() const { return FCode != nullptr; }
  void operator()(A... Args) const {
    if (FCode) FCode->Invoke(FData, std::forward<A>(Args)...);
  }
  TObject* Data() const { return FData; }
  bool operator==(const TEvent&) const = default;

  static const TTypeInfo& Type() { return MethodTypeInfo<void(A...)>(); }
  TMethod ToMethod() const { return {FCode, FData}; }
  // Whether M's code has this event's signature (a null method has every
  // signature).
  static bool Accepts(const TMethod& M) { return !M.Code || M.Code->Signature == &Type(); }
  static TEvent FromMethod(const TMethod& M) {
    return Accepts(M) ? TEvent(static_cast<const TCode*>(M.Code), M.Data) : TEvent();
  }

private:
  const TCode* FCode = nullptr;
  TObject* FData = nullptr;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;

template <class Sig> const TTypeInfo& TypeInfoFor(TEvent<Sig>*) { return MethodTypeInfo<Sig>(); }

template <auto M, class C> TEvent<typename TMethodThunk<M>::Sig> MakeEvent(C* Obj) {
  using Class = typename TMemberFunctionTraits<decltype(M)>::Class;
  return {&TMethodThunk<M>::Code(), static_cast<Class*>(Obj)};
}
