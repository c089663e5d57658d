// Digits come from std::to_chars, which rounds correctly and ignores the C
// locale (a desktop program may well have called setlocale). The Delphi
// layouts are then assembled from the digit string and decimal exponent.
#include "framework/runtime/FloatFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

struct TDigits {
  bool Negative = false;
  std::string Mantissa; // Precision significant digits, no point
  int Exponent = 0;     // decimal exponent of the first digit
};

TDigits Decompose(double Value, int Precision) {
  char Buf[64];
  auto Res =
      std::to_chars(Buf, Buf + sizeof Buf, Value, std::chars_format::scientific, Precision - 1);
  std::string_view Text(Buf, std::size_t(Res.ptr - Buf));
  TDigits D;
  std::size_t Pos = 0;
  if (Text[Pos] == '-') {
    D.Negative = true;
    ++Pos;
  }
  std::size_t E = Text.find('e');
  for (; Pos < E; ++Pos)
    if (Text[Pos] != '.') D.Mantissa += Text[Pos];
  std::from_chars(Text.data() + E + 1 + (Text[E + 1] == '+'), Text.data() + Text.size(),
                  D.Exponent);
  return D;
}

std::string ExponentText(int Exponent, int MinDigits, bool PlusSign) {
  std::string Digits = std::to_string(std::abs(Exponent));
  if (int(Digits.size()) < MinDigits) Digits.insert(0, std::size_t(MinDigits) - Digits.size(), '0');
  return std::string("E") + (Exponent < 0 ? "-" : (PlusSign ? "+" : "")) + Digits;
}

std::string General(double Value, int Precision, int Digits) {
  TDigits D = Decompose(Value, Precision);
  while (D.Mantissa.size() > 1 && D.Mantissa.back() == '0') D.Mantissa.pop_back();
  if (D.Mantissa == "0") return "0";
  std::string Out = D.Negative ? "-" : "";
  if (D.Exponent >= Precision || D.Exponent < -5) {
    Out += D.Mantissa[0];
    if (D.Mantissa.size() > 1) Out += "." + D.Mantissa.substr(1);
    return Out + ExponentText(D.Exponent, Digits, false);
  }
  if (D.Exponent < 0)
    return Out + "0." + std::string(std::size_t(-D.Exponent - 1), '0') + D.Mantissa;
  std::size_t Integral = std::size_t(D.Exponent) + 1;
  if (D.Mantissa.size() <= Integral)
    return Out + D.Mantissa + std::string(Integral - D.Mantissa.size(), '0');
  return Out + D.Mantissa.substr(0, Integral) + "." + D.Mantissa.substr(Integral);
}

std::string Exponent(double Value, int Precision, int Digits) {
  TDigits D = Decompose(Value, Precision);
  std::string Out = D.Negative ? "-" : "";
  Out += D.Mantissa[0];
  if (D.Mantissa.size() > 1) Out += "." + D.Mantissa.substr(1);
  return Out + ExponentText(D.Exponent, Digits, true);
}

// Fixed notation without sign; the caller has checked the magnitude.
std::string FixedDigits(double Value, int Decimals, bool& Negative) {
  char Buf[128];
  auto Res =
      std::to_chars(Buf, Buf + sizeof Buf, std::fabs(Value), std::chars_format::fixed, Decimals);
  std::string Text(Buf, Res.ptr);
  // A value that rounds to zero prints without a minus sign.
  Negative = std::signbit(Value) && Text.find_first_not_of("0.") != std::string::npos;
  return Text;
}

std::string Grouped(const std::string& Fixed) {
  std::size_t Point = std::min(Fixed.find('.'), Fixed.size());
  std::string Out;
  for (std::size_t I = 0; I < Point; ++I) {
    if (I && (Point - I) % 3 == 0) Out += ',';
    Out += Fixed[I];
  }
  return Out + Fixed.substr(Point);
}

bool TooWideForFixed(double Value, int Precision) {
  return Value != 0 && Decompose(Value, Precision).Exponent + 1 > Precision;
}

} // namespace

std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
  Precision = std::clamp(Precision, 1, 18);
  if (Format == TFloatFormat::ffGeneral) return General(Value, Precision, std::clamp(Digits, 0, 4));
  if (Format == TFloatFormat::ffExponent || TooWideForFixed(Value, Precision))
    return Exponent(Value, Format == TFloatFormat::ffExponent ? Precision : std::min(Precision, 15),
                    Format == TFloatFormat::ffExponent ? std::clamp(Digits, 0, 4) : 3);
  bool Negative = false;
  std::string Text = FixedDigits(Value, std::clamp(Digits, 0, 18), Negative);
  if (Format == TFloatFormat::ffFixed) return Negative ? "-" + Text : Text;
  Text = Grouped(Text);
  if (Format == TFloatFormat::ffNumber) return Negative ? "-" + Text : Text;
  return Negative ? "(\u00A4" + Text + ")" : "\u00A4" + Text;
}

std::string FloatToStr(double Value) { return FloatToStrF(Value, TFloatFormat::ffGeneral, 15, 0); }
