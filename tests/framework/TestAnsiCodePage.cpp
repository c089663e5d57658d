// Windows-1252 and UTF-16 conversions: the 0x80-0x9F table, round trips of
// the Norwegian letters and every byte, and replacement of broken input.
#include "framework/runtime/AnsiCodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AnsiCodePage, HighControlRangeTable) {
  const char32_t Expected[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  for (int I = 0; I < 32; ++I) {
    std::string Utf8 = AnsiToUtf8(std::string(1, char(0x80 + I)));
    std::size_t Pos = 0;
    EXPECT_EQ(DecodeUtf8(Utf8, Pos), Expected[I]) << "byte 0x" << std::hex << 0x80 + I;
    EXPECT_EQ(Pos, Utf8.size());
  }
  EXPECT_EQ(AnsiToUtf8("\x80\x85\x99"), "€…™");
  EXPECT_EQ(AnsiToUtf8("\x8A\x9A\x8E\x9E\x9F\x8C\x9C"), "ŠšŽžŸŒœ");
}

TEST(AnsiCodePage, NorwegianLettersRoundTrip) {
  const std::string Ansi = "\xE6\xF8\xE5\xC6\xD8\xC5";
  EXPECT_EQ(AnsiToUtf8(Ansi), "æøåÆØÅ");
  EXPECT_EQ(Utf8ToAnsi("æøåÆØÅ"), Ansi);
  EXPECT_EQ(WideToUtf8(Utf8ToWide("æøåÆØÅ")), "æøåÆØÅ");
  EXPECT_EQ(Utf8ToWide("Blåbær"), u"Blåbær");
}

TEST(AnsiCodePage, EveryByteRoundTrips) {
  std::string All;
  for (int B = 0; B < 256; ++B) All += char(B);
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(All)), All);
}

TEST(AnsiCodePage, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToAnsi("a€b"), "a\x80"
                               "b");
  EXPECT_EQ(Utf8ToAnsi("Ω✓😀"), "???");
  EXPECT_EQ(Utf8ToAnsi("\xC2\x80"), "?"); // U+0080 has no byte of its own
  EXPECT_EQ(Utf8ToAnsi("x\xFFy"), "x?y");
  EXPECT_EQ(Utf8ToAnsi("\xE2\x82"), "?"); // truncated euro sign
}

struct TInvalidCase {
  const char* Name;
  std::string Bytes;
  std::u16string Wide;
};

TEST(AnsiCodePage, InvalidUtf8BecomesReplacementCharacters) {
  const TInvalidCase Cases[] = {
      {"lone continuation", "a\x80z", u"a\uFFFDz"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"overlong three-byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"truncated at end", "ok\xE2\x82", u"ok\uFFFD"},
      {"truncated before ASCII", "\xE2\x82x", u"\uFFFDx"},
      {"invalid lead", "\xFE\xFF", u"\uFFFD\uFFFD"},
      {"four-byte emoji", "\xF0\x9F\x98\x80", u"\U0001F600"},
  };
  for (const TInvalidCase& C : Cases) EXPECT_EQ(Utf8ToWide(C.Bytes), C.Wide) << C.Name;
  EXPECT_EQ(Utf8Length("a\x80z"), 3u);
  EXPECT_EQ(Utf8Length("æøå"), 3u);
}

TEST(AnsiCodePage, Utf16Surrogates) {
  EXPECT_EQ(WideToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  const char16_t LoneHigh[] = {u'a', 0xD83D, u'b', 0};
  EXPECT_EQ(WideToUtf8(LoneHigh), "a\uFFFD"
                                  "b");
  const char16_t LoneLow[] = {0xDE00, 0};
  EXPECT_EQ(WideToUtf8(LoneLow), "\uFFFD");
  const char16_t HighAtEnd[] = {u'x', 0xD83D, 0};
  EXPECT_EQ(WideToUtf8(HighAtEnd), "x\uFFFD");
}

TEST(AnsiCodePage, AppendUtf8RefusesNonCharacters) {
  std::string Out;
  AppendUtf8(Out, 0xD800);
  AppendUtf8(Out, 0x110000);
  AppendUtf8(Out, 0x10FFFF);
  EXPECT_EQ(Out, "\uFFFD\uFFFD\xF4\x8F\xBF\xBF");
}

} // namespace
