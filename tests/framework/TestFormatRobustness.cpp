// Adversarial patterns and argument lists for Format, drawn from fixed
// seeds so a failure repeats. Format must never throw, must give the same
// text for the same call, and where C's printf has the same meaning
// (integers, ASCII strings) must agree with it. The sanitizer build
// catches stray reads.
#include "framework/runtime/AnsiCodePage.h"
#include "framework/runtime/Format.h"
#include "support/TestRandom.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

// Pieces of patterns: specifiers whole and in fragments, numbers at and
// past the width limit, index forms, bytes that are not UTF-8.
const char* const kPatternPieces[] = {
    "%",    "%%",    "d",         "s",      "x",       "u",     "e",     "f",
    "g",    "n",     "m",         "p",      "D",       "S",     "*",     ":",
    "-",    ".",     "0",         "1",      "9",       "65536", "65537", "99999999999999999999",
    "%d",   "%s",    "%*d",       "%-*.*s", "%0:s",    "%1:d",  "%*:d",  "%2147483648:d",
    "%.*f", "%5.3e", "%-10g",     "%.100n", "%65536m", "%p",    "text ", "\xC3\xA9",
    "\x80", "\xFF",  "%\xC3\xA9", "%y",     "%.",      "%-",    "%*",    "%:",
    "\0",   " ",     "%.-1d",     "%*.*.*d"};

std::string RandomPattern(TTestRandom& R) {
  std::string Fmt;
  for (int I = int(R.Below(12)); I > 0; --I) {
    if (R.OneIn(10))
      Fmt += char(R.Below(256));
    else
      Fmt += R.Pick(kPatternPieces);
  }
  return Fmt;
}

std::string RandomBytes(TTestRandom& R) {
  static const char* const Pieces[] = {"a",
                                       "Z",
                                       " ",
                                       "\xC3\xA9",
                                       "\xE2\x82\xAC",
                                       "\x80",
                                       "\xC3",
                                       "\xF0\x9F\x98\x80",
                                       "\xED\xA0\x80",
                                       "\xFF",
                                       "%",
                                       "\0"};
  std::string S;
  for (int I = int(R.Below(8)); I > 0; --I) S += std::string(R.Pick(Pieces));
  return S;
}

// One argument of a random kind; strings live in Keep so the argument's
// view stays valid.
TFormatArg RandomArg(TTestRandom& R, std::vector<std::string>& Keep) {
  static const double Floats[] = {0.0,
                                  -0.0,
                                  1.5,
                                  -1234.5678,
                                  1e300,
                                  -1e-300,
                                  5e-324,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::nan("")};
  static const char* const Numbers[] = {
      "42", "-7", "$FF", "-$80000000",           " 12", "1e5", "inf", "nan",
      "",   "+",  "0x",  "99999999999999999999", "1.5"};
  static int Target = 0;
  switch (R.Below(12)) {
  case 0: return TFormatArg(int(R.Next()));
  case 1: return TFormatArg(std::int64_t(R.Next()));
  case 2: return TFormatArg(std::uint64_t(R.Next()));
  case 3: return TFormatArg(std::int16_t(R.Next()));
  case 4: return TFormatArg(R.OneIn(2));
  case 5: return TFormatArg(char(R.Next()));
  case 6: return TFormatArg(R.Pick(Floats));
  case 7: return TFormatArg(static_cast<const char*>(nullptr));
  case 8: return TFormatArg(R.Pick(Numbers));
  case 9: return R.OneIn(2) ? TFormatArg(&Target) : TFormatArg(nullptr);
  case 10: return TFormatArg(int(R.Below(20)) - 10);
  default: Keep.push_back(RandomBytes(R)); return TFormatArg(Keep.back());
  }
}

TEST(FormatRobustness, RandomPatternsAndArgumentsNeverThrow) {
  for (std::uint32_t Seed = 1; Seed <= 3000; ++Seed) {
    TTestRandom R(Seed);
    const std::string Fmt = RandomPattern(R);
    std::vector<std::string> Keep;
    Keep.reserve(8);
    std::vector<TFormatArg> Args;
    for (int I = int(R.Below(7)); I > 0; --I) Args.push_back(RandomArg(R, Keep));
    // Format takes an initializer list; the longest lists are spelled out.
    auto Run = [&] {
      switch (Args.size()) {
      case 0: return Format(Fmt, {});
      case 1: return Format(Fmt, {Args[0]});
      case 2: return Format(Fmt, {Args[0], Args[1]});
      case 3: return Format(Fmt, {Args[0], Args[1], Args[2]});
      case 4: return Format(Fmt, {Args[0], Args[1], Args[2], Args[3]});
      case 5: return Format(Fmt, {Args[0], Args[1], Args[2], Args[3], Args[4]});
      default: return Format(Fmt, {Args[0], Args[1], Args[2], Args[3], Args[4], Args[5]});
      }
    };
    std::string First, Second;
    ASSERT_NO_THROW(First = Run()) << "seed " << Seed;
    ASSERT_NO_THROW(Second = Run()) << "seed " << Seed;
    EXPECT_EQ(First, Second) << "seed " << Seed;
    // Nothing in a pattern asks for more than the width limit per
    // specifier, and there are fewer specifiers than bytes.
    EXPECT_LE(First.size(), Fmt.size() * (65536 + 400) + 1) << "seed " << Seed;
  }
}

TEST(FormatRobustness, PatternsWithoutArgumentsAreKeptAsWritten) {
  // With no argument every specifier is copied as written and only "%%"
  // changes, so a pattern without "%%" comes back unchanged.
  for (std::uint32_t Seed = 1; Seed <= 3000; ++Seed) {
    TTestRandom R(Seed * 31);
    std::string Fmt = RandomPattern(R);
    for (std::size_t At; (At = Fmt.find("%%")) != std::string::npos;) Fmt.erase(At, 1);
    EXPECT_EQ(Format(Fmt, {}), Fmt) << "seed " << Seed;
  }
}

TEST(FormatRobustness, IntegersAgreeWithPrintf) {
  for (std::uint32_t Seed = 1; Seed <= 3000; ++Seed) {
    TTestRandom R(Seed * 131);
    const char Type = R.Pick({'d', 'u', 'x'});
    const bool Left = R.OneIn(3), HasWidth = R.OneIn(2), HasPrecision = R.OneIn(2);
    const int Width = int(R.Below(40)), Precision = int(R.Below(30)) + 1;
    const bool Stars = R.OneIn(2);
    std::int64_t Value = std::int64_t(R.Next());
    if (R.OneIn(2)) Value = int(Value);
    if (R.OneIn(4)) Value = int(R.Below(2000)) - 1000;

    std::string Specifier = "%";
    std::vector<TFormatArg> Args;
    if (Left) Specifier += '-';
    if (HasWidth) Specifier += Stars ? "*" : std::to_string(Width);
    if (HasWidth && Stars) Args.push_back(Width);
    if (HasPrecision) Specifier += Stars ? ".*" : "." + std::to_string(Precision);
    if (HasPrecision && Stars) Args.push_back(Precision);
    Specifier += Type;
    Args.push_back(Value);

    // printf's spelling: the value is 64 bits, x is upper case.
    std::string C = "%";
    if (Left) C += '-';
    if (HasWidth) C += std::to_string(Width);
    if (HasPrecision) C += "." + std::to_string(Precision);
    C += Type == 'd' ? "lld" : Type == 'u' ? "llu" : "llX";
    char Expected[128];
    if (Type == 'd')
      std::snprintf(Expected, sizeof Expected, C.c_str(), static_cast<long long>(Value));
    else
      std::snprintf(Expected, sizeof Expected, C.c_str(),
                    static_cast<unsigned long long>(std::uint64_t(Value)));

    std::string Actual;
    switch (Args.size()) {
    case 1: Actual = Format(Specifier, {Args[0]}); break;
    case 2: Actual = Format(Specifier, {Args[0], Args[1]}); break;
    default: Actual = Format(Specifier, {Args[0], Args[1], Args[2]}); break;
    }
    EXPECT_EQ(Actual, Expected) << "seed " << Seed << ": " << Specifier << " of " << Value;
  }
}

TEST(FormatRobustness, StringWidthsCountCharacters) {
  for (std::uint32_t Seed = 1; Seed <= 2000; ++Seed) {
    TTestRandom R(Seed * 977);
    const std::string Text = RandomBytes(R);
    const int Width = int(R.Below(20)), Precision = int(R.Below(10));
    const bool Left = R.OneIn(2), HasPrecision = R.OneIn(2);
    const std::string Specifier = std::string("%") + (Left ? "-" : "") + std::to_string(Width) +
                                  (HasPrecision ? "." + std::to_string(Precision) : "") + "s";
    const std::string Out = Format(Specifier, {Text});
    const std::size_t Length = Utf8Length(Text);
    const std::size_t Kept = HasPrecision ? std::min<std::size_t>(Length, Precision) : Length;
    EXPECT_EQ(Utf8Length(Out), std::max<std::size_t>(Kept, Width)) << "seed " << Seed;
    // Padding is spaces, one byte each.
    const std::size_t Pad = std::size_t(Width) > Kept ? std::size_t(Width) - Kept : 0;
    const std::string Body = Left ? Out.substr(0, Out.size() - Pad) : Out.substr(Pad);
    EXPECT_EQ(Body, Text.substr(0, Body.size())) << "seed " << Seed << ": a prefix of the text";
    EXPECT_EQ(Utf8Length(Body), Kept) << "seed " << Seed;
  }
}

TEST(FormatRobustness, AbsurdWidthsAndIndexesAreRefused) {
  for (const char* Fmt : {"%65537d", "%4294967296d", "%99999999999999999999d", "%.65537d",
                          "%4294967297:d", "%18446744073709551617:d"})
    EXPECT_EQ(Format(Fmt, {1}), Fmt);
  for (int Star : {INT_MIN, INT_MAX, 65537, -65537})
    EXPECT_EQ(Format("%*d", {Star, 1}), "%*d") << Star;
  EXPECT_EQ(Format("%*d", {std::numeric_limits<std::uint64_t>::max(), 1}), "%*d");
  EXPECT_EQ(Format("%*:d", {INT_MIN, 1}), "%*:d");
  EXPECT_EQ(Format("%*:d", {std::numeric_limits<std::int64_t>::max(), 1}), "%*:d");
  EXPECT_EQ(Format("%-*d|", {-65536, 1}).size(), 65537u);
}

TEST(FormatRobustness, AnsiRoundTripsEveryByte) {
  // Any byte string survives the trip through UTF-8 and back, and so does
  // any text made of characters Windows-1252 has.
  for (std::uint32_t Seed = 1; Seed <= 500; ++Seed) {
    TTestRandom R(Seed * 7);
    std::string Bytes;
    for (int I = int(R.Below(64)); I > 0; --I) Bytes += char(R.Below(256));
    const std::string Utf8 = AnsiToUtf8(Bytes);
    EXPECT_EQ(Utf8ToAnsi(Utf8), Bytes) << "seed " << Seed;
    EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi(Utf8)), Utf8) << "seed " << Seed;
    EXPECT_EQ(WideToUtf8(Utf8ToWide(Utf8)), Utf8) << "seed " << Seed;
  }
}

} // namespace
