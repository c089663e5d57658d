// The formatter walks the pattern once. Each specifier is parsed into a
// TSpecifier; converting its argument either yields text or reports that the
// argument does not fit, in which case the specifier's own text is copied
// to the output, as the header promises.
#include "framework/runtime/Format.h"

#include "framework/runtime/AnsiCodePage.h"
#include "framework/runtime/FloatFormat.h"
#include "framework/runtime/SysUtils.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace {

constexpr int MaxWidth = 65536;

struct TSpecifier {
  bool Left = false;
  int Width = -1;
  int Precision = -1;
  char Type = 0; // lower-case
};

using TArgs = std::initializer_list<TFormatArg>;
using TKind = TFormatArg::TKind;

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// The argument's bits read as a signed number, and whether that reading is
// faithful (false for unsigned 64-bit values above INT64_MAX).
bool AsSigned(const TFormatArg& A, std::int64_t& Out) {
  switch (A.GetKind()) {
  case TKind::Integer:
    Out = std::int64_t(A.GetBits());
    return A.GetSigned() || A.GetWidth() < 64 || Out >= 0;
  case TKind::Boolean:
  case TKind::Character: Out = std::int64_t(A.GetBits()); return true;
  case TKind::Text: return TryStrToInt64(A.GetText(), Out);
  default: return false;
  }
}

// The argument as an unsigned number at its own width.
std::optional<std::uint64_t> AsUnsigned(const TFormatArg& A) {
  if (A.GetKind() == TKind::Pointer) return A.GetBits();
  if (A.GetKind() == TKind::Integer) {
    int W = A.GetWidth();
    return W >= 64 ? A.GetBits() : A.GetBits() & ((std::uint64_t(1) << W) - 1);
  }
  std::int64_t V;
  if (!AsSigned(A, V)) return std::nullopt;
  // A negative number in a string reads like a Delphi Integer when it fits.
  if (V < 0 && V >= INT32_MIN) return std::uint64_t(std::uint32_t(V));
  return std::uint64_t(V);
}

std::optional<double> AsFloat(const TFormatArg& A) {
  switch (A.GetKind()) {
  case TKind::Float: return A.GetFloat();
  case TKind::Integer:
    return A.GetSigned() ? double(std::int64_t(A.GetBits())) : double(A.GetBits());
  case TKind::Text: {
    std::string S = Trim(A.GetText());
    std::size_t Skip = !S.empty() && S[0] == '+' ? 1 : 0;
    double V;
    auto [End, Ec] = std::from_chars(S.data() + Skip, S.data() + S.size(), V);
    if (Ec != std::errc() || End != S.data() + S.size() || S.size() == Skip) return std::nullopt;
    return V;
  }
  default: return std::nullopt;
  }
}

std::string ZeroPad(std::string Digits, int Precision) {
  if (int(Digits.size()) < Precision) Digits.insert(0, std::size_t(Precision) - Digits.size(), '0');
  return Digits;
}

std::string Decimal(const TFormatArg& A, int Precision) {
  if (A.GetKind() == TKind::Integer && !A.GetSigned())
    return ZeroPad(std::to_string(A.GetBits()), Precision);
  std::int64_t V = std::int64_t(A.GetBits());
  std::uint64_t Magnitude = V < 0 ? std::uint64_t(0) - std::uint64_t(V) : std::uint64_t(V);
  return (V < 0 ? "-" : "") + ZeroPad(std::to_string(Magnitude), Precision);
}

std::string AsString(const TFormatArg& A) {
  switch (A.GetKind()) {
  case TKind::Text: return std::string(A.GetText());
  case TKind::Integer: return Decimal(A, -1);
  case TKind::Boolean: return A.GetBits() ? "True" : "False";
  case TKind::Character: return AnsiToUtf8(std::string(1, char(A.GetBits())));
  case TKind::Float: return FloatToStr(A.GetFloat());
  case TKind::Pointer: return SysUtilsDetail::HexOf(A.GetBits(), 16);
  }
  return {};
}

// The leading Count code points of Text.
std::string_view Prefix(std::string_view Text, std::size_t Count) {
  std::size_t Pos = 0;
  for (; Pos < Text.size() && Count > 0; --Count) DecodeUtf8(Text, Pos);
  return Text.substr(0, Pos);
}

std::optional<std::string> Convert(const TSpecifier& S, const TFormatArg& A) {
  int P = S.Precision;
  switch (S.Type) {
  case 'd': {
    std::int64_t V;
    if (A.GetKind() == TKind::Pointer) return ZeroPad(std::to_string(A.GetBits()), P);
    if (A.GetKind() == TKind::Integer && !A.GetSigned()) return Decimal(A, P);
    if (!AsSigned(A, V)) return std::nullopt;
    return Decimal(TFormatArg(V), P);
  }
  case 'u':
  case 'x': {
    std::optional<std::uint64_t> V = AsUnsigned(A);
    if (!V) return std::nullopt;
    return ZeroPad(S.Type == 'u' ? std::to_string(*V) : SysUtilsDetail::HexOf(*V, 0), P);
  }
  case 's': {
    std::string Text = AsString(A);
    return P >= 0 ? std::string(Prefix(Text, std::size_t(P))) : Text;
  }
  case 'p': {
    if (A.GetKind() != TKind::Pointer && A.GetKind() != TKind::Integer) return std::nullopt;
    return SysUtilsDetail::HexOf(A.GetBits(), 16);
  }
  default: break;
  }
  std::optional<double> V = AsFloat(A);
  if (!V) return std::nullopt;
  switch (S.Type) {
  case 'e': return FloatToStrF(*V, TFloatFormat::ffExponent, P < 0 ? 15 : P, 3);
  case 'f': return FloatToStrF(*V, TFloatFormat::ffFixed, 18, P < 0 ? 2 : P);
  case 'g': return FloatToStrF(*V, TFloatFormat::ffGeneral, P < 0 ? 15 : P, 0);
  case 'n': return FloatToStrF(*V, TFloatFormat::ffNumber, 18, P < 0 ? 2 : P);
  default: return FloatToStrF(*V, TFloatFormat::ffCurrency, 18, P < 0 ? 2 : P);
  }
}

class TFormatter {
public:
  TFormatter(std::string_view Fmt, TArgs Args) : FFmt(Fmt), FArgs(Args) {}
  std::string Run();

private:
  std::size_t Specifier(std::size_t Start);
  bool Index(std::size_t& Pos);
  bool Parse(std::size_t& Pos, TSpecifier& S);
  bool Number(std::size_t& Pos, int& Out);
  bool StarOrNumber(std::size_t& Pos, int& Out, bool& Star);
  const TFormatArg* Take() { return FNext < FArgs.size() ? FArgs.begin() + FNext++ : nullptr; }

  std::string_view FFmt;
  TArgs FArgs;
  std::size_t FNext = 0;
  std::string FOut;
};

std::string TFormatter::Run() {
  std::size_t Pos = 0;
  while (Pos < FFmt.size()) {
    std::size_t Percent = FFmt.find('%', Pos);
    if (Percent == std::string_view::npos) Percent = FFmt.size();
    FOut.append(FFmt.substr(Pos, Percent - Pos));
    Pos = Percent < FFmt.size() ? Specifier(Percent) : Percent;
  }
  return std::move(FOut);
}

// A decimal number, refusing values above MaxWidth.
bool TFormatter::Number(std::size_t& Pos, int& Out) {
  Out = 0;
  for (; Pos < FFmt.size() && IsDigit(FFmt[Pos]); ++Pos) {
    Out = Out * 10 + (FFmt[Pos] - '0');
    if (Out > MaxWidth) return false;
  }
  return true;
}

bool TFormatter::StarOrNumber(std::size_t& Pos, int& Out, bool& Star) {
  Star = Pos < FFmt.size() && FFmt[Pos] == '*';
  if (!Star) return Number(Pos, Out);
  ++Pos;
  const TFormatArg* A = Take();
  std::int64_t V;
  if (!A || A->GetKind() != TKind::Integer || !AsSigned(*A, V) || V > MaxWidth || V < -MaxWidth)
    return false;
  Out = int(V);
  return true;
}

// An optional "index:" prefix; digits or '*' not followed by ':' are the
// width and are left for the caller.
bool TFormatter::Index(std::size_t& Pos) {
  if (Pos >= FFmt.size() || (FFmt[Pos] != '*' && !IsDigit(FFmt[Pos]))) return true;
  std::size_t Probe = Pos;
  int Value = -1;
  bool Star = FFmt[Probe] == '*';
  if (Star)
    ++Probe;
  else if (!Number(Probe, Value))
    return true;
  if (Probe >= FFmt.size() || FFmt[Probe] != ':') return true;
  if (Star && (!StarOrNumber(Pos, Value, Star) || Value < 0)) return false;
  FNext = std::size_t(Value);
  Pos = Probe + 1;
  return true;
}

bool TFormatter::Parse(std::size_t& Pos, TSpecifier& S) {
  bool Star = false;
  if (!Index(Pos)) return false;
  if (Pos < FFmt.size() && FFmt[Pos] == '-') {
    S.Left = true;
    ++Pos;
  }
  if (Pos < FFmt.size() && (FFmt[Pos] == '*' || IsDigit(FFmt[Pos]))) {
    if (!StarOrNumber(Pos, S.Width, Star)) return false;
    if (S.Width < 0) {
      S.Left = true;
      S.Width = -S.Width;
    }
  }
  if (Pos < FFmt.size() && FFmt[Pos] == '.') {
    ++Pos;
    if (!StarOrNumber(Pos, S.Precision, Star)) return false;
    if (S.Precision < 0) S.Precision = -1;
  }
  if (Pos >= FFmt.size()) return false;
  char T = char(FFmt[Pos] | 0x20);
  if (std::string_view("duxsefgnmp").find(T) == std::string_view::npos) {
    // An unknown ASCII type letter belongs to the specifier kept as written.
    if (static_cast<unsigned char>(FFmt[Pos]) < 0x80) ++Pos;
    return false;
  }
  S.Type = T;
  ++Pos;
  return true;
}

std::size_t TFormatter::Specifier(std::size_t Start) {
  std::size_t Pos = Start + 1;
  if (Pos < FFmt.size() && FFmt[Pos] == '%') {
    FOut += '%';
    return Pos + 1;
  }
  TSpecifier S;
  std::optional<std::string> Text;
  if (Parse(Pos, S))
    if (const TFormatArg* A = Take()) Text = Convert(S, *A);
  if (!Text) {
    FOut.append(FFmt.substr(Start, Pos - Start));
    return Pos;
  }
  std::size_t Length = Utf8Length(*Text);
  std::size_t Pad = S.Width > int(Length) ? std::size_t(S.Width) - Length : 0;
  if (!S.Left) FOut.append(Pad, ' ');
  FOut += *Text;
  if (S.Left) FOut.append(Pad, ' ');
  return Pos;
}

} // namespace

std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args) {
  return TFormatter(Fmt, Args).Run();
}
