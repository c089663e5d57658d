// Number and string helpers, table-driven over the edge cases Delphi code
// relies on.
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/SysUtils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(SysUtils, IntToStrAndHex) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(IntToStr(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(255, 0), "FF");
  EXPECT_EQ(IntToHex(0, 0), "0");
  EXPECT_EQ(IntToHex(-1, 0), "FFFFFFFF");
  EXPECT_EQ(IntToHex(std::int64_t(-1), 0), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(std::int16_t(-2), 8), "0000FFFE");
  EXPECT_EQ(IntToHex(1, 1000).size(), 64u);
}

struct TIntCase {
  const char* Text;
  bool Valid;
  int Value;
};

TEST(SysUtils, TryStrToInt) {
  const TIntCase Cases[] = {
      {"0", true, 0},
      {"123", true, 123},
      {"-123", true, -123},
      {"+5", true, 5},
      {"  42", true, 42},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"$FF", true, 255},
      {"$ff", true, 255},
      {"0x1F", true, 31},
      {"-$10", true, -16},
      {"$FFFFFFFF", true, -1},
      {"$100000000", false, 0},
      {"42 ", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"$", false, 0},
      {"0x", false, 0},
      {"1e3", false, 0},
      {"12a", false, 0},
      {"99999999999999999999999", false, 0},
  };
  for (const TIntCase& C : Cases) {
    int Value = 12345;
    EXPECT_EQ(TryStrToInt(C.Text, Value), C.Valid) << C.Text;
    if (C.Valid) {
      EXPECT_EQ(Value, C.Value) << C.Text;
    }
  }
  std::int64_t Big;
  EXPECT_TRUE(TryStrToInt64("-9223372036854775808", Big));
  EXPECT_EQ(Big, std::numeric_limits<std::int64_t>::min());
  EXPECT_FALSE(TryStrToInt64("9223372036854775808", Big));
  EXPECT_TRUE(TryStrToInt64("$FFFFFFFFFFFFFFFF", Big));
  EXPECT_EQ(Big, -1);
}

TEST(SysUtils, StrToIntThrowsConvertError) {
  EXPECT_EQ(StrToInt("-17"), -17);
  EXPECT_EQ(StrToIntDef("x", 9), 9);
  EXPECT_EQ(StrToIntDef("8", 9), 8);
  try {
    StrToInt("12x");
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "'12x' is not a valid integer value");
  }
  EXPECT_THROW(StrToInt64("abc"), EConvertError);
}

TEST(SysUtils, CaseHelpersAreAsciiOnly) {
  EXPECT_EQ(UpperCase("abc-XYZ æø"), "ABC-XYZ æø");
  EXPECT_EQ(LowerCase("ABC-xyz ÆØ"), "abc-xyz ÆØ");
  EXPECT_TRUE(SameText("clRed", "CLRED"));
  EXPECT_FALSE(SameText("clRed", "clRe"));
  EXPECT_FALSE(SameText("æ", "Æ"));
  EXPECT_EQ(CompareText("abc", "ABC"), 0);
  EXPECT_LT(CompareText("abc", "abd"), 0);
  EXPECT_GT(CompareText("b", "A"), 0);
  EXPECT_LT(CompareText("ab", "abc"), 0);
  EXPECT_GT(CompareText("abc", "AB"), 0);
  // '_' sorts after the letters once they are upper-cased.
  EXPECT_GT(CompareText("_", "a"), 0);
}

TEST(SysUtils, Trim) {
  EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
  EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
  EXPECT_EQ(Trim(" \t "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Trim(" æ "), "æ");
}

} // namespace
