// String and number helpers; see SysUtils.h.
#include "framework/runtime/SysUtils.h"

#include "FrameworkConsts.h"
#include "framework/runtime/Exceptions.h"

#include <algorithm>
#include <limits>

namespace SysUtilsDetail {

std::string HexOf(std::uint64_t Value, int Digits) {
  static const char Hex[] = "0123456789ABCDEF";
  std::string Out;
  do {
    Out.insert(Out.begin(), Hex[Value & 0xF]);
    Value >>= 4;
  } while (Value);
  if (Digits > 64) Digits = 64;
  if (int(Out.size()) < Digits) Out.insert(0, std::size_t(Digits) - Out.size(), '0');
  return Out;
}

} // namespace SysUtilsDetail

namespace {

int DigitValue(char C, int Base) {
  int V = C >= '0' && C <= '9'   ? C - '0'
          : C >= 'a' && C <= 'f' ? C - 'a' + 10
          : C >= 'A' && C <= 'F' ? C - 'A' + 10
                                 : 99;
  return V < Base ? V : -1;
}

// Magnitude and sign of an integer literal; Bits bounds hexadecimal
// literals, decimal ones are checked by the caller.
bool ParseInteger(std::string_view Text, unsigned Bits, bool& Negative, std::uint64_t& Magnitude,
                  bool& Hex) {
  std::size_t Pos = 0;
  while (Pos < Text.size() && (Text[Pos] == ' ' || Text[Pos] == '\t')) ++Pos;
  Negative = false;
  if (Pos < Text.size() && (Text[Pos] == '-' || Text[Pos] == '+')) Negative = Text[Pos++] == '-';
  Hex = false;
  if (Pos < Text.size() && Text[Pos] == '$') {
    Hex = true;
    ++Pos;
  } else if (Pos + 1 < Text.size() && Text[Pos] == '0' && (Text[Pos + 1] | 0x20) == 'x') {
    Hex = true;
    Pos += 2;
  }
  if (Pos >= Text.size()) return false;
  int Base = Hex ? 16 : 10;
  std::uint64_t Limit = Hex ? (Bits == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << Bits) - 1)
                            : std::uint64_t(1) << 63;
  Magnitude = 0;
  for (; Pos < Text.size(); ++Pos) {
    int D = DigitValue(Text[Pos], Base);
    if (D < 0 || Magnitude > (Limit - std::uint64_t(D)) / std::uint64_t(Base)) return false;
    Magnitude = Magnitude * std::uint64_t(Base) + std::uint64_t(D);
  }
  return true;
}

template <class T> bool TryParse(std::string_view Text, T& Value) {
  constexpr unsigned Bits = sizeof(T) * 8;
  bool Negative, Hex;
  std::uint64_t Magnitude;
  if (!ParseInteger(Text, Bits, Negative, Magnitude, Hex)) return false;
  using U = std::make_unsigned_t<T>;
  if (!Hex && Magnitude > std::uint64_t(std::numeric_limits<T>::max()) + (Negative ? 1u : 0u))
    return false;
  U Raw = static_cast<U>(Magnitude);
  Value = static_cast<T>(Negative ? U(0) - Raw : Raw);
  return true;
}

char Upper(char C) { return C >= 'a' && C <= 'z' ? char(C - 'a' + 'A') : C; }
char Lower(char C) { return C >= 'A' && C <= 'Z' ? char(C - 'A' + 'a') : C; }
bool IsBlank(char C) { return static_cast<unsigned char>(C) <= ' '; }

} // namespace

bool TryStrToInt(std::string_view Text, int& Value) { return TryParse(Text, Value); }
bool TryStrToInt64(std::string_view Text, std::int64_t& Value) { return TryParse(Text, Value); }

int StrToInt(std::string_view Text) {
  int Value;
  if (!TryStrToInt(Text, Value)) throw EConvertError(SInvalidInteger, {Text});
  return Value;
}

std::int64_t StrToInt64(std::string_view Text) {
  std::int64_t Value;
  if (!TryStrToInt64(Text, Value)) throw EConvertError(SInvalidInteger, {Text});
  return Value;
}

int StrToIntDef(std::string_view Text, int Default) {
  int Value;
  return TryStrToInt(Text, Value) ? Value : Default;
}

std::string UpperCase(std::string_view Text) {
  std::string Out(Text);
  for (char& C : Out) C = Upper(C);
  return Out;
}

std::string LowerCase(std::string_view Text) {
  std::string Out(Text);
  for (char& C : Out) C = Lower(C);
  return Out;
}

int CompareText(std::string_view A, std::string_view B) {
  std::size_t N = std::min(A.size(), B.size());
  for (std::size_t I = 0; I < N; ++I) {
    int D =
        int(static_cast<unsigned char>(Upper(A[I]))) - int(static_cast<unsigned char>(Upper(B[I])));
    if (D) return D;
  }
  return A.size() < B.size() ? -1 : (A.size() > B.size() ? 1 : 0);
}

bool SameText(std::string_view A, std::string_view B) {
  return A.size() == B.size() && CompareText(A, B) == 0;
}

std::string TrimLeft(std::string_view Text) {
  std::size_t First = 0;
  while (First < Text.size() && IsBlank(Text[First])) ++First;
  return std::string(Text.substr(First));
}

std::string TrimRight(std::string_view Text) {
  std::size_t Last = Text.size();
  while (Last > 0 && IsBlank(Text[Last - 1])) --Last;
  return std::string(Text.substr(0, Last));
}

std::string Trim(std::string_view Text) { return TrimLeft(TrimRight(Text)); }
