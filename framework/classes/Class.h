// TClass: the run-time description of a class. Name, parent, the virtual
// constructor (taking the owner of a component), and the published
// members the form reader works with: properties, methods and fields.
// Names are matched ignoring ASCII case, through the parent chain; a
// property redeclared in a descendant hides the inherited one and takes
// its place in the property list.
//
// Each class builds its TClass once, on first use, with TClassBuilder in
// its own source file, next to the accessors it names.
#pragma once

#include "framework/classes/Event.h"
#include "framework/classes/PropInfo.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TObject;
class TComponent;

// A published method: a handler that events can be bound to by name.
struct TMethodInfo {
  std::string Name;
  const TMethodCode* Code;
};

// A published field: a component slot of the owner, filled when a
// component of that name is set (and cleared when it goes).
class TFieldInfo {
public:
  virtual ~TFieldInfo() = default;
  const std::string& Name() const { return FName; }
  const TClass& FieldClass() const { return FClassFn(); }
  // Stores Value, which must be of FieldClass() or null.
  virtual void Set(TObject* Obj, TObject* Value) const = 0;
  virtual TObject* Get(const TObject* Obj) const = 0;

protected:
  TFieldInfo(std::string_view Name, const TClass& (*ClassFn)()) : FName(Name), FClassFn(ClassFn) {}

private:
  std::string FName;
  const TClass& (*FClassFn)();
};

class TClass {
public:
  using TCreateFn = TObject* (*)(TComponent* Owner);

  struct TMembers {
    // Every property this class describes.
    std::vector<std::unique_ptr<TPropInfo>> Owned;
    // Published here, in order: its own, and ancestors' declared ones.
    std::vector<const TPropInfo*> Published;
    // Described but not published: descendants publish them by name.
    std::vector<const TPropInfo*> Declared;
    std::vector<TMethodInfo> Methods;
    std::vector<std::unique_ptr<TFieldInfo>> Fields;
  };

  TClass(std::string_view Name, const TClass* Parent, TCreateFn Create, TMembers Members);
  TClass(const TClass&) = delete;
  TClass& operator=(const TClass&) = delete;

  const std::string& Name() const { return FName; }
  const TClass* Parent() const { return FParent; }
  bool InheritsFrom(const TClass& Other) const;
  bool IsAbstract() const { return FCreate == nullptr; }
  // A new instance, constructed and past AfterConstruction; the owner is
  // handed to components and ignored by other classes. Throws
  // EInvalidOperation for an abstract class.
  TObject* Create(TComponent* Owner) const;

  const TPropInfo* FindProperty(std::string_view Name) const;
  // A property this class or an ancestor describes, published or not.
  const TPropInfo* FindDeclared(std::string_view Name) const;
  // Every published property, the root class's first.
  std::span<const TPropInfo* const> Properties() const { return FAllProps; }
  const TMethodInfo* FindMethod(std::string_view Name) const;
  // The name of the published method with this code, if any.
  const TMethodInfo* FindMethod(const TMethodCode* Code) const;
  const TFieldInfo* FindField(std::string_view Name) const;
  // The class of a published field, found by that class's name.
  const TClass* FindFieldClass(std::string_view ClassName) const;

private:
  void IndexProperties();

  std::string FName;
  const TClass* FParent;
  TCreateFn FCreate;
  TMembers FMembers;
  std::vector<const TPropInfo*> FAllProps;
  // Open addressing over FAllProps by case-folded name hash.
  std::vector<std::uint32_t> FSlots;
};

// Hash of Name with ASCII letters folded to lower case.
std::uint32_t FoldedHash(std::string_view Name);
