// Identifier maps: tables that pair integer values with the identifiers
// that name them in form definitions and the object inspector (clRed,
// crHandPoint, ...). Lookups by name ignore ASCII case; lookups by value
// return the first entry with that value.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct TIdentMapEntry {
  std::int32_t Value;
  const char* Name;
};

bool IdentToInt(std::string_view Ident, std::int32_t& Value, std::span<const TIdentMapEntry> Map);
bool IntToIdent(std::int32_t Value, std::string& Ident, std::span<const TIdentMapEntry> Map);
