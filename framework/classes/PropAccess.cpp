// A property answers only the accessors of its own kind; the others are
// programming errors that must not pass silently.
#include "framework/classes/ClassBuilder.h"
#include "framework/classes/PropInfo.h"

#include "FrameworkConsts.h"

namespace {
[[noreturn]] void WrongType(const char* Accessor) {
  throw EPropertyError(SInvalidPropertyType, {Accessor});
}
} // namespace

namespace ClassBuilderDetail {
void WrongClass() { throw EInvalidCast(SInvalidCast); }
void ReadOnly() { throw EPropertyError(SReadOnlyProperty); }
void NotDeclared(std::string_view Name) { throw EPropertyError(SPropertyNotFound, {Name}); }
} // namespace ClassBuilderDetail

std::int64_t TPropAccess::GetOrd(const TObject*) const { WrongType("ordinal"); }
void TPropAccess::SetOrd(TObject*, std::int64_t) const { WrongType("ordinal"); }
double TPropAccess::GetFloat(const TObject*) const { WrongType("float"); }
void TPropAccess::SetFloat(TObject*, double) const { WrongType("float"); }
std::string TPropAccess::GetStr(const TObject*) const { WrongType("string"); }
void TPropAccess::SetStr(TObject*, const std::string&) const { WrongType("string"); }
TObject* TPropAccess::GetObj(const TObject*) const { WrongType("class"); }
void TPropAccess::SetObj(TObject*, TObject*) const { WrongType("class"); }
TMethod TPropAccess::GetMethod(const TObject*) const { WrongType("method"); }
void TPropAccess::SetMethod(TObject*, const TMethod&) const { WrongType("method"); }
