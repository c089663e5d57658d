// Linear search: the maps are short and looked up rarely.
#include "framework/runtime/IdentMap.h"

#include "framework/runtime/SysUtils.h"

bool IdentToInt(std::string_view Ident, std::int32_t& Value, std::span<const TIdentMapEntry> Map) {
  for (const TIdentMapEntry& E : Map)
    if (SameText(E.Name, Ident)) {
      Value = E.Value;
      return true;
    }
  return false;
}

bool IntToIdent(std::int32_t Value, std::string& Ident, std::span<const TIdentMapEntry> Map) {
  for (const TIdentMapEntry& E : Map)
    if (E.Value == Value) {
      Ident = E.Name;
      return true;
    }
  return false;
}
