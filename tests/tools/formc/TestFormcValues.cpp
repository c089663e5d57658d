// The tag and payload every kind of value text compiles to: the boundaries
// of each integer width, the three string encodings, identifiers and the
// special words, sets, lists, collections, binary blocks, annotations.
#include <gtest/gtest.h>

#include "FormcSupport.h"

namespace {

std::string FormcLE32(std::size_t N) {
  std::string Out;
  for (int I = 0; I < 4; ++I) Out += char((N >> (8 * I)) & 0xFF);
  return Out;
}

struct TValueCase {
  const char* Text;
  const char* Hex;
};

const TValueCase FormcValueCases[] = {
    {"0", "02 00"},
    {"127", "02 7F"},
    {"128", "03 80 00"},
    {"-128", "02 80"},
    {"-129", "03 7F FF"},
    {"32767", "03 FF 7F"},
    {"32768", "04 00 80 00 00"},
    {"-32769", "04 FF 7F FF FF"},
    {"2147483647", "04 FF FF FF 7F"},
    {"2147483648", "13 00 00 00 80 00 00 00 00"},
    {"-2147483648", "04 00 00 00 80"},
    {"-2147483649", "13 FF FF FF 7F FF FF FF FF"},
    {"$FF", "03 FF 00"},
    {"-$10", "02 F0"},
    {"1.5", "05 00 00 00 00 00 00 00 C0 FF 3F"},
    {"-2.0", "05 00 00 00 00 00 00 00 80 00 C0"},
    {"0.0", "05 00 00 00 00 00 00 00 00 00 00"},
    {"'abc'", "06 03 61 62 63"},
    {"''", "06 00"},
    {"'it''s'", "06 04 69 74 27 73"},
    {"'a'#13#10'b'", "06 04 61 0D 0A 62"},
    {"'ab' +\n    'cd'", "06 04 61 62 63 64"},
    {"'æøå'", "06 03 E6 F8 E5"},
    {"'€'", "06 01 80"},
    {"#8364", "06 01 80"},
    {"'Ω'", "12 01 00 00 00 A9 03"},
    {"'漢'", "12 01 00 00 00 22 6F"},
    {"'😀'", "12 02 00 00 00 3D D8 00 DE"},
    {"bsToolWindow", "07 0C 62 73 54 6F 6F 6C 57 69 6E 64 6F 77"},
    {"DM1.Menu", "07 08 44 4D 31 2E 4D 65 6E 75"},
    {"True", "09"},
    {"false", "08"},
    {"nil", "0D"},
    {"Null", "00"},
    {"[]", "0B 00"},
    {"[fsBold, fsItalic]", "0B 06 66 73 42 6F 6C 64 08 66 73 49 74 61 6C 69 63 00"},
    {"()", "01 00"},
    {"( 1 'x' ( ) )", "01 02 01 06 01 78 01 00 00"},
    {"<>", "0E 00"},
    {"< item A = 1 end item [5] end >", "0E 01 01 41 02 01 00 02 05 01 00 00"},
    {"{}", "0A 00 00 00 00"},
    {"{0a1B\n  FF}", "0A 03 00 00 00 0A 1B FF"},
    {"@int8 5", "02 05"},
    {"@int16 5", "03 05 00"},
    {"@int32 5", "04 05 00 00 00"},
    {"@int64 -1", "13 FF FF FF FF FF FF FF FF"},
    {"@single 1.5", "0F 00 00 C0 3F"},
    {"@date 1.0", "11 00 00 00 00 00 00 F0 3F"},
    {"@currency 1.5", "10 98 3A 00 00 00 00 00 00"},
    {"@currency -0.0001", "10 FF FF FF FF FF FF FF FF"},
    {"@string 'a'", "06 01 61"},
    {"@lstring 'a'", "0C 01 00 00 00 61"},
    {"@wstring 'a'", "12 01 00 00 00 61 00"},
    {"@utf8 'ø'", "14 02 00 00 00 C3 B8"},
    {"@ident 'a b'", "07 03 61 20 62"},
    {"@ident True", "07 04 54 72 75 65"},
    {"@ident end", "07 03 65 6E 64"},
    {"@raw {030200}", "03 02 00"},
};

TEST(FormcValues, EachTextCompilesToItsTagAndPayload) {
  for (const TValueCase& C : FormcValueCases)
    EXPECT_EQ(FormcHex(FormcValueBytes(C.Text)), C.Hex) << C.Text;
}

TEST(FormcValues, StringEncodingFollowsLengthAndCodePage) {
  std::string S255(255, 'x'), S256(256, 'x');
  std::string B255 = FormcValueBytes("'" + S255 + "'");
  ASSERT_EQ(B255.size(), 2u + 255u);
  EXPECT_EQ(B255[0], char(TValueTag::String));
  EXPECT_EQ(static_cast<unsigned char>(B255[1]), 255);
  std::string B256 = FormcValueBytes("'" + S256 + "'");
  ASSERT_EQ(B256.size(), 5u + 256u);
  EXPECT_EQ(B256.substr(0, 5), std::string("\x0C\x00\x01\x00\x00", 5));
  // 128 two-byte UTF-8 letters are 128 bytes in Windows-1252.
  std::string Norwegian;
  for (int I = 0; I < 128; ++I) Norwegian += "å";
  EXPECT_EQ(FormcValueBytes("'" + Norwegian + "'").size(), 2u + 128u);
  // One Greek letter in 300 makes the whole text wide.
  std::string Wide = std::string(299, 'x') + "λ";
  std::string BW = FormcValueBytes("'" + Wide + "'");
  EXPECT_EQ(BW[0], char(TValueTag::WString));
  EXPECT_EQ(BW.size(), 5u + 600u);
}

TEST(FormcValues, ObjectHeadersWriteTheirPrefixes) {
  struct THeaderCase {
    const char* Header;
    const char* Hex;
  } Cases[] = {
      {"object A: TB", "02 54 42 01 41"},
      {"object TB", "02 54 42 00"},
      {"inherited A: TB", "F1 02 54 42 01 41"},
      {"inline A: TB", "F4 02 54 42 01 41"},
      {"object A: TB [3]", "F2 02 03 02 54 42 01 41"},
      {"inherited A: TB [300]", "F3 03 2C 01 02 54 42 01 41"},
      {"object @prefix 240 A: TB", "F0 02 54 42 01 41"},
      {"inline @prefix 255 A: TB [1]", "FF 02 01 02 54 42 01 41"},
  };
  for (const THeaderCase& C : Cases) {
    std::string Stream = FormcCompileText(std::string(C.Header) + "\nend\n");
    EXPECT_EQ(FormcHex(Stream.substr(4, Stream.size() - 6)), C.Hex) << C.Header;
  }
}

TEST(FormcValues, NestedObjectsAndPropertiesKeepTheirOrder) {
  std::string Stream = FormcCompileText("object A: TA\n  X = 1\n  object B: TB\n    end = 2\n"
                                        "  end\n  object C: TC\n  end\n  Y = 3\nend\n");
  EXPECT_EQ(FormcHex(Stream),
            "54 50 46 30 02 54 41 01 41 01 58 02 01 01 59 02 03 00 02 54 42 01 42 03 65 6E 64 02 "
            "02 00 00 02 54 43 01 43 00 00 00");
}

TEST(FormcValues, PicturesWrapTheFileWithClassNameAndCount) {
  std::string Jpeg = FormcReadAll(FormcDataDir + "/tiny.jpg");
  std::string Icon = FormcReadAll(FormcDataDir + "/tiny.ico");
  ASSERT_FALSE(Jpeg.empty());
  ASSERT_FALSE(Icon.empty());
  std::string J = FormcValueBytes("picture TJPEGImage 'tiny.jpg'");
  EXPECT_EQ(J.substr(0, 5), "\x0A" + FormcLE32(11 + 4 + Jpeg.size()));
  EXPECT_EQ(J.substr(5, 11), "\x0ATJPEGImage");
  EXPECT_EQ(J.substr(16, 4), FormcLE32(Jpeg.size()));
  EXPECT_EQ(J.substr(20), Jpeg);
  std::string I = FormcValueBytes("picture TIcon 'tiny.ico'");
  EXPECT_EQ(I.size(), 5u + 6u + Icon.size());
  EXPECT_EQ(I.substr(5, 6), "\x05TIcon");
  EXPECT_EQ(I.substr(11), Icon);
}

TEST(FormcValues, APictureWordFollowedByOtherTokensIsAnIdentifier) {
  EXPECT_EQ(FormcHex(FormcValueBytes("picture")), "07 07 70 69 63 74 75 72 65");
}

} // namespace
