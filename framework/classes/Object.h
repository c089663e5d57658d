// TObject: the root of every class with run-time class information.
//
// Objects are made with Create<T>(...) and ended with Free(): C++ runs a
// base constructor before the derived class exists, so work that needs
// the whole object (a form reading its definition, a component marking
// itself destroying while its overrides still answer) runs in the
// AfterConstruction / BeforeDestruction pair that those two call.
#pragma once

#include <string_view>
#include <utility>

class TClass;

class TObject {
public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  static const TClass& StaticClass();
  virtual const TClass& ClassType() const { return StaticClass(); }
  std::string_view ClassName() const;
  bool InheritsFrom(const TClass& Class) const;
  template <class T> bool Is() const { return InheritsFrom(T::StaticClass()); }

  virtual void AfterConstruction() {}
  virtual void BeforeDestruction() {}
  // Ends the object: BeforeDestruction, then the destructors.
  void Free();
};

// Declares the class information of Self, derived from Base. Placed first
// in the class body; leaves the access private.
#define TAVREL_CLASS(Self, Base)                                                                   \
public:                                                                                            \
  using inherited = Base;                                                                          \
  static const TClass& StaticClass();                                                              \
  const TClass& ClassType() const override { return StaticClass(); }                               \
                                                                                                   \
private:

template <class T, class... A> T* Create(A&&... Args) {
  T* Obj = new T(std::forward<A>(Args)...);
  try {
    Obj->AfterConstruction();
  } catch (...) {
    Obj->Free();
    throw;
  }
  return Obj;
}

template <class T> void FreeAndNil(T*& Obj) {
  T* Old = Obj;
  Obj = nullptr;
  if (Old) Old->Free();
}
