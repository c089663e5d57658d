#include "framework/classes/ClassRegistry.h"

#include "framework/classes/Class.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/SysUtils.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<const TClass*>& Registry() {
  static std::vector<const TClass*> List;
  return List;
}
} // namespace

void RegisterClass(const TClass& Class) {
  if (!GetClass(Class.Name())) Registry().push_back(&Class);
}

void RegisterClasses(std::initializer_list<const TClass*> Classes) {
  for (const TClass* C : Classes) RegisterClass(*C);
}

void UnRegisterClass(const TClass& Class) {
  auto& List = Registry();
  List.erase(std::remove(List.begin(), List.end(), &Class), List.end());
}

const TClass* GetClass(std::string_view Name) {
  for (const TClass* C : Registry())
    if (SameText(C->Name(), Name)) return C;
  return nullptr;
}

const TClass& FindClass(std::string_view Name) {
  const TClass* C = GetClass(Name);
  if (!C) throw EClassNotFound(SClassNotFound, {Name});
  return *C;
}
