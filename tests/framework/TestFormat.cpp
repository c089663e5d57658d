// Format: every conversion, width/precision/index/'*', and the promise
// that wrong argument lists are formatted as far as possible, never
// thrown or crashed on.
#include "framework/runtime/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

struct TCase {
  const char* Fmt;
  std::string Expected;
  std::string Actual;
};

void Check(const std::vector<TCase>& Cases) {
  for (const TCase& C : Cases) EXPECT_EQ(C.Actual, C.Expected) << "format: " << C.Fmt;
}

#define CASE(Fmt, Expected, ...)                                                                   \
  TCase { Fmt, Expected, Format(Fmt, {__VA_ARGS__}) }

TEST(Format, Integers) {
  Check({
      CASE("%d", "42", 42),
      CASE("%d", "-42", -42),
      CASE("%D", "7", 7),
      CASE("%5d|", "   42|", 42),
      CASE("%-5d|", "42   |", 42),
      CASE("%.4d", "0042", 42),
      CASE("%.4d", "-0042", -42),
      CASE("%6.4d", "  0042", 42),
      CASE("%d", "-9223372036854775808", std::numeric_limits<std::int64_t>::min()),
      CASE("%d", "18446744073709551615", std::numeric_limits<std::uint64_t>::max()),
      CASE("%u", "4294967295", -1),
      CASE("%u", "65535", std::int16_t(-1)),
      CASE("%u", "18446744073709551615", std::int64_t(-1)),
      CASE("%x", "FF", 255),
      CASE("%X", "FFFFFFFF", -1),
      CASE("%.4x", "00FF", 255),
      CASE("%x", "FF", std::uint8_t(255)),
      CASE("%d", "65", 'A'),
      CASE("%d", "1", true),
  });
}

TEST(Format, Strings) {
  Check({
      CASE("%s", "abc", "abc"),
      CASE("%s", "abc", std::string("abc")),
      CASE("%s", "abc", std::string_view("abcdef", 3)),
      CASE("[%6s]", "[   abc]", "abc"),
      CASE("[%-6s]", "[abc   ]", "abc"),
      CASE("%.2s", "ab", "abc"),
      CASE("[%5.2s]", "[   ab]", "abc"),
      // Width and precision count characters, not bytes.
      CASE("[%4s]", "[ æøå]", "æøå"),
      CASE("%.2s", "æø", "æøå"),
      CASE("%s", "", static_cast<const char*>(nullptr)),
      CASE("%s", "A", 'A'),
      CASE("%s", "\u20AC", '\x80'),
      CASE("%s", "True", true),
      CASE("%s|%s", "False|-12", false, -12),
      CASE("%s", "1.5", 1.5),
  });
}

TEST(Format, Floats) {
  Check({
      CASE("%f", "3.14", 3.14159),
      CASE("%.3f", "3.142", 3.14159),
      CASE("%.0f", "3", 3.14159),
      CASE("%f", "-0.50", -0.5),
      CASE("%f", "0.00", -0.001),
      CASE("%8.2f|", "    2.50|", 2.5),
      CASE("%f", "2.00", 2),
      CASE("%e", "1.23450000000000E+003", 1234.5),
      CASE("%.3e", "1.23E+003", 1234.5),
      CASE("%.3e", "-1.23E-004", -0.00012345),
      CASE("%e", "0.00000000000000E+000", 0.0),
      CASE("%g", "1234.5", 1234.5),
      CASE("%g", "0.1", 0.1),
      CASE("%g", "1E20", 1e20),
      CASE("%g", "1.5E-7", 1.5e-7),
      CASE("%g", "0.00001", 0.00001),
      CASE("%.3g", "1.23E3", 1234.5),
      CASE("%g", "100", 100.0),
      CASE("%n", "1,234,567.89", 1234567.891),
      CASE("%.0n", "1,000", 999.9),
      CASE("%n", "-999.00", -999.0),
      CASE("%m", "\u00A41,234.50", 1234.5),
      CASE("%m", "(\u00A41,234.50)", -1234.5),
      CASE("%f", "INF", std::numeric_limits<double>::infinity()),
      CASE("%e", "-INF", -std::numeric_limits<double>::infinity()),
      CASE("%g", "NAN", std::nan("")),
      CASE("%f", "1.00000000000000E+020", 1e20),
  });
}

TEST(Format, Pointers) {
  int X = 0;
  std::string Expected = Format("%.16x", {reinterpret_cast<std::uintptr_t>(&X)});
  EXPECT_EQ(Format("%p", {&X}), Expected);
  EXPECT_EQ(Format("%p", {nullptr}), "0000000000000000");
  EXPECT_EQ(Format("%p", {static_cast<const void*>(nullptr)}), "0000000000000000");
}

TEST(Format, IndexesAndStars) {
  Check({
      CASE("%1:s %0:s", "b a", "a", "b"),
      CASE("%1:s %s", "b c", "a", "b", "c"),
      CASE("%0:s%0:s", "aa", "a"),
      CASE("[%*d]", "[   42]", 5, 42),
      CASE("[%*d]", "[42   ]", -5, 42),
      CASE("[%-*d]", "[42   ]", 5, 42),
      CASE("%.*f", "3.142", 3, 3.14159),
      CASE("%.*f", "3.14", -1, 3.14159),
      CASE("[%*.*f]", "[  3.1]", 5, 1, 3.14159),
      CASE("%*:s", "b", 1, "b"),
      CASE("%%", "%"),
      CASE("100%%", "100%"),
      CASE("%d%%", "5%", 5),
      CASE("no specifiers", "no specifiers", 1, 2),
  });
}

TEST(Format, WrongArgumentsNeverFail) {
  Check({
      CASE("%d", "%d"),
      CASE("%d %d", "1 %d", 1),
      CASE("%s and %5.2f", "x and %5.2f", "x"),
      CASE("%d", "12", "12"),
      CASE("%d", "-255", "-$FF"),
      CASE("%x", "FFFFFFFF", "-1"),
      CASE("%d", "%d", "twelve"),
      CASE("%d then %s", "%d then b", "twelve", "b"),
      CASE("%d", "%d", 1.5),
      CASE("%f", "2.50", "2.5"),
      CASE("%f", "%f", "abc"),
      CASE("%e", "%e", true),
      CASE("%p", "%p", "text"),
      CASE("%p", "%p", 2.0),
      CASE("%*d", "%*d", "5", 1),
      CASE("%*d", "%*d"),
      CASE("%y", "%y", 1),
      CASE("%", "%"),
      CASE("50%", "50%"),
      CASE("%5", "%5", 1),
      CASE("%-", "%-"),
      CASE("%1:", "%1:", 1),
      CASE("%5:d", "%5:d", 1),
      CASE("%999999999d", "%999999999d", 1),
      CASE("%.999999999f", "%.999999999f", 1.0),
      CASE("%é", "%é", 1),
  });
}

TEST(Format, LargeWidthIsHonoured) { EXPECT_EQ(Format("%65536d", {1}).size(), 65536u); }

} // namespace
