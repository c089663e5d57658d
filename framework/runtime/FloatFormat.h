// Floating-point to text in Delphi's formats (FloatToStrF). Output is
// locale-independent: '.' decimal point, ',' thousands separator, '¤'
// currency sign in front, negative money in parentheses. Infinities and
// NaN print as INF, -INF and NAN.
#pragma once

#include <string>

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Precision is the number of significant digits (1..18, larger values are
// clamped). Digits is, for ffGeneral and ffExponent, the minimum number of
// exponent digits (0..4), and for the other formats the number of decimals
// (0..18).
//   ffGeneral  shortest form: fixed while the integral digits fit in
//              Precision and the value is at least 0.00001, otherwise
//              "d.dddE-dd" without a plus sign; no trailing zeros
//   ffExponent "-d.ddd...E+ddd" with Precision digits
//   ffFixed    Digits decimals; values with more integral digits than
//              Precision fall back to ffExponent
//   ffNumber   ffFixed with thousands separators
//   ffCurrency ffNumber with the currency sign
std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);

// ffGeneral with 15 digits.
std::string FloatToStr(double Value);
