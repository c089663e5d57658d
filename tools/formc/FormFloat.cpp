// double -> extended is exact: the 52-bit fraction gains the explicit
// integer bit and 11 zero bits, the exponent is rebiased, and double
// subnormals become normal extended values. The way back succeeds only
// when the round trip reproduces the bytes, which filters out every value
// that the double cannot hold.
#include "FormFloat.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

std::string FormFloatPack(bool Negative, std::uint16_t Exponent, std::uint64_t Mantissa) {
  std::string Out(10, '\0');
  for (int I = 0; I < 8; ++I) Out[I] = char((Mantissa >> (8 * I)) & 0xFF);
  std::uint16_t High = std::uint16_t(Exponent | (Negative ? 0x8000 : 0));
  Out[8] = char(High & 0xFF);
  Out[9] = char(High >> 8);
  return Out;
}

std::string FormFloatTrim(const char* Begin, const char* End) {
  std::string S(Begin, End);
  if (S.find_first_of(".eE") == std::string::npos) S += ".0";
  return S;
}

} // namespace

std::string ExtendedFromDouble(double Value) {
  std::uint64_t Bits = std::bit_cast<std::uint64_t>(Value);
  bool Negative = (Bits >> 63) != 0;
  int Exp = int((Bits >> 52) & 0x7FF);
  std::uint64_t Fraction = Bits & ((std::uint64_t(1) << 52) - 1);
  if (Exp == 0x7FF) // infinity keeps a zero fraction, NaN keeps its payload
    return FormFloatPack(Negative, 0x7FFF, (std::uint64_t(1) << 63) | (Fraction << 11));
  if (Exp == 0 && Fraction == 0) return FormFloatPack(Negative, 0, 0);
  if (Exp == 0) { // a double subnormal is a normal extended value
    int Shift = std::countl_zero(Fraction);
    return FormFloatPack(Negative, std::uint16_t(16446 - 1074 - Shift), Fraction << Shift);
  }
  std::uint64_t Mantissa = (std::uint64_t(1) << 63) | (Fraction << 11);
  return FormFloatPack(Negative, std::uint16_t(Exp - 1023 + 16383), Mantissa);
}

std::optional<double> ExactDoubleOfExtended(const std::string& Bytes) {
  if (Bytes.size() != 10) return std::nullopt;
  std::uint64_t Mantissa = 0;
  for (int I = 7; I >= 0; --I) Mantissa = (Mantissa << 8) | static_cast<unsigned char>(Bytes[I]);
  unsigned High =
      static_cast<unsigned char>(Bytes[8]) | (unsigned(static_cast<unsigned char>(Bytes[9])) << 8);
  bool Negative = (High & 0x8000) != 0;
  int Exp = int(High & 0x7FFF);
  if (Exp == 0x7FFF) return std::nullopt;
  double Value;
  if (Exp == 0 && Mantissa == 0)
    Value = 0.0;
  else if ((Mantissa >> 63) == 0)
    return std::nullopt; // denormal or unnormal encodings
  else
    Value = std::ldexp(double(Mantissa), Exp - 16383 - 63);
  if (Negative) Value = -Value;
  if (!std::isfinite(Value) || ExtendedFromDouble(Value) != Bytes) return std::nullopt;
  return Value;
}

std::string FloatLiteral(double Value) {
  char Buf[64];
  auto R = std::to_chars(Buf, Buf + sizeof Buf, Value);
  return FormFloatTrim(Buf, R.ptr);
}

std::string FloatLiteral(float Value) {
  char Buf[64];
  auto R = std::to_chars(Buf, Buf + sizeof Buf, Value);
  return FormFloatTrim(Buf, R.ptr);
}

std::uint64_t LoadLittleEndian(const std::string& Bytes) {
  std::uint64_t V = 0;
  for (std::size_t I = Bytes.size(); I-- > 0;) V = (V << 8) | static_cast<unsigned char>(Bytes[I]);
  return V;
}

std::string StoreLittleEndian(std::uint64_t Bits, int Size) {
  std::string Out;
  for (int I = 0; I < Size; ++I) Out += char((Bits >> (8 * I)) & 0xFF);
  return Out;
}
