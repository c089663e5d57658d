// A published property: its name, type, declared default and type-erased
// access. Values travel in the widest form of their kind (ordinals,
// enumerations and sets as 64-bit integers, floats as double); a property
// of another kind answers an access with EPropertyError.
#pragma once

#include "framework/classes/Event.h"
#include "framework/classes/TypeInfo.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TObject;
class TClass;

class TPropAccess {
public:
  virtual ~TPropAccess() = default;
  virtual bool HasSetter() const = 0;
  virtual std::int64_t GetOrd(const TObject* Obj) const;
  virtual void SetOrd(TObject* Obj, std::int64_t Value) const;
  virtual double GetFloat(const TObject* Obj) const;
  virtual void SetFloat(TObject* Obj, double Value) const;
  virtual std::string GetStr(const TObject* Obj) const;
  virtual void SetStr(TObject* Obj, const std::string& Value) const;
  virtual TObject* GetObj(const TObject* Obj) const;
  virtual void SetObj(TObject* Obj, TObject* Value) const;
  virtual TMethod GetMethod(const TObject* Obj) const;
  virtual void SetMethod(TObject* Obj, const TMethod& Value) const;
};

class TPropInfo {
public:
  TPropInfo(std::string_view Name, const TTypeInfo& Type, std::unique_ptr<TPropAccess> Access)
      : FName(Name), FType(&Type), FAccess(std::move(Access)) {}

  const std::string& Name() const { return FName; }
  const TTypeInfo& Type() const { return *FType; }
  TTypeKind Kind() const { return FType->Kind; }
  bool HasSetter() const { return FAccess->HasSetter(); }
  bool HasDefault() const { return FHasDefault; }
  std::int64_t Default() const { return FDefault; }
  // The class that declares the property.
  const TClass* Declarer() const { return FDeclarer; }

  std::int64_t GetOrd(const TObject* Obj) const { return FAccess->GetOrd(Obj); }
  void SetOrd(TObject* Obj, std::int64_t Value) const { FAccess->SetOrd(Obj, Value); }
  double GetFloat(const TObject* Obj) const { return FAccess->GetFloat(Obj); }
  void SetFloat(TObject* Obj, double Value) const { FAccess->SetFloat(Obj, Value); }
  std::string GetStr(const TObject* Obj) const { return FAccess->GetStr(Obj); }
  void SetStr(TObject* Obj, const std::string& Value) const { FAccess->SetStr(Obj, Value); }
  TObject* GetObj(const TObject* Obj) const { return FAccess->GetObj(Obj); }
  // Throws EInvalidCast when Value is not of the property's class.
  void SetObj(TObject* Obj, TObject* Value) const { FAccess->SetObj(Obj, Value); }
  TMethod GetMethod(const TObject* Obj) const { return FAccess->GetMethod(Obj); }
  // Throws EInvalidCast when the method's signature differs.
  void SetMethod(TObject* Obj, const TMethod& Value) const { FAccess->SetMethod(Obj, Value); }

private:
  friend class TClass;
  template <class C> friend class TClassBuilder;
  std::string FName;
  const TTypeInfo* FType;
  std::unique_ptr<TPropAccess> FAccess;
  bool FHasDefault = false;
  std::int64_t FDefault = 0;
  const TClass* FDeclarer = nullptr;
};
