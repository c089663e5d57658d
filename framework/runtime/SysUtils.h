// Everyday string and number helpers with Delphi's names and behaviour.
// Case handling is ASCII-only: identifiers, keywords and file extensions
// are compared this way, and UTF-8 bytes above 0x7F pass through.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace SysUtilsDetail {
std::string HexOf(std::uint64_t Value, int Digits);
} // namespace SysUtilsDetail

template <std::integral T>
requires(!std::same_as<T, bool>) std::string IntToStr(T Value) { return std::to_string(Value); }

// Upper-case hexadecimal with at least Digits digits; negative values are
// shown in two's complement at the width of their type (IntToHex(-1, 0)
// is "FFFFFFFF" for an int).
template <std::integral T>
requires(!std::same_as<T, bool>) std::string IntToHex(T Value, int Digits) {
  return SysUtilsDetail::HexOf(static_cast<std::make_unsigned_t<T>>(Value), Digits);
}

// Integers as Delphi reads them: optional leading blanks, an optional sign,
// then decimal digits or hexadecimal after '$' or "0x". Nothing may
// follow. Hexadecimal wraps at the type's width ("$FFFFFFFF" is -1 for
// the 32-bit forms); decimal must fit.
bool TryStrToInt(std::string_view Text, int& Value);
bool TryStrToInt64(std::string_view Text, std::int64_t& Value);
// Throws EConvertError "'%s' is not a valid integer value".
int StrToInt(std::string_view Text);
std::int64_t StrToInt64(std::string_view Text);
int StrToIntDef(std::string_view Text, int Default);

std::string UpperCase(std::string_view Text);
std::string LowerCase(std::string_view Text);
// Negative, zero or positive as A sorts before, with or after B.
int CompareText(std::string_view A, std::string_view B);
bool SameText(std::string_view A, std::string_view B);
// Removes control characters and spaces (everything up to ' ') from the
// ends.
std::string Trim(std::string_view Text);
std::string TrimLeft(std::string_view Text);
std::string TrimRight(std::string_view Text);
