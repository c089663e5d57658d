// Format: Delphi's formatted output. A specifier is
//   % [index :] [-] [width] [. precision] type
// where index, width and precision are decimal numbers or '*' (taken from
// the next argument, which must be an integer; a negative '*' width means
// left-justified, a negative '*' precision means none). Types, in either
// case:
//   d  decimal integer; precision = minimum digits (zero-padded)
//   u  unsigned decimal; negative values are read at their own width
//      (-1 as an int is 4294967295)
//   x  hexadecimal, upper-case digits, with the same reading as u
//   s  string; precision = maximum characters
//   e  scientific "-d.ddddE+ddd"; precision = significant digits (15)
//   f  fixed; precision = decimals (2)
//   g  shortest of fixed and scientific; precision = significant digits (15)
//   n  like f with thousands separators
//   m  money, invariant style: "¤1,234.50", negative "(¤1,234.50)"
//   p  pointer, 16 hexadecimal digits
// and "%%" is a literal percent sign. The index selects the argument
// (0-based) and later specifiers continue after it. Width and precision
// count characters (code points), not bytes; widths and precisions above
// 65536 are refused.
//
// Format never throws and never fails; with the wrong arguments it formats
// what it can:
// - a missing argument leaves the specifier as written ("%d");
// - extra arguments are ignored;
// - s accepts anything: integers print their digits, booleans
//   True/False, characters as Windows-1252, floats like g, pointers like p;
// - d, u, x take integers, booleans, characters and pointers, and strings
//   holding a valid integer ("42", "-7", "$FF"); anything else leaves the
//   specifier as written (the argument is still used up);
// - e, f, g, n, m take floats, integers and strings holding a valid
//   number; p takes pointers and integers;
// - an unknown type letter is kept as written, and so is an unterminated
//   '%' (for example at the end of the string).
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

class TFormatArg {
public:
  enum class TKind { Integer, Boolean, Character, Text, Float, Pointer };

  template <std::integral T>
  requires(!std::same_as<T, bool> && !std::same_as<T, char>) TFormatArg(T Value)
      : FKind(TKind::Integer), FBits(std::uint64_t(Value)), FWidth(int(sizeof(T) * 8)),
        FSigned(std::is_signed_v<T>) {}
  TFormatArg(bool Value) : FKind(TKind::Boolean), FBits(Value) {}
  TFormatArg(char Value) : FKind(TKind::Character), FBits(static_cast<unsigned char>(Value)) {}
  TFormatArg(const char* Value) : FKind(TKind::Text), FText(Value ? Value : "") {}
  TFormatArg(const std::string& Value) : FKind(TKind::Text), FText(Value) {}
  TFormatArg(std::string_view Value) : FKind(TKind::Text), FText(Value) {}
  TFormatArg(double Value) : FKind(TKind::Float), FFloat(Value) {}
  TFormatArg(long double Value) : FKind(TKind::Float), FFloat(double(Value)) {}
  template <class T>
  requires(!std::same_as<std::remove_cv_t<T>, char>) TFormatArg(T* Value)
      : FKind(TKind::Pointer), FBits(reinterpret_cast<std::uintptr_t>(Value)) {}
  TFormatArg(std::nullptr_t) : FKind(TKind::Pointer) {}

  TKind GetKind() const { return FKind; }
  // Integers, booleans, characters and pointers: the value's bits.
  std::uint64_t GetBits() const { return FBits; }
  // Integers: the width of the original type in bits, and its signedness.
  int GetWidth() const { return FWidth; }
  bool GetSigned() const { return FSigned; }
  std::string_view GetText() const { return FText; }
  double GetFloat() const { return FFloat; }

private:
  TKind FKind;
  std::uint64_t FBits = 0;
  int FWidth = 64;
  bool FSigned = false;
  std::string_view FText;
  double FFloat = 0;
};

std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args);
