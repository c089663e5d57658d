// Font objects, face matching and metrics.
#include "TextTestSupport.h"

#include "platform/gdi/FontEngine.h"

#include <climits>

using namespace texttest;

namespace {

struct TFaceCase {
  const char* Face;
  BYTE PitchAndFamily;
  // The generic family whose face should stand in for Face; null where
  // the machine may have a metric-compatible face of that name (Courier
  // on a machine with the URW fonts), so only the kind is checked.
  const char* Generic;
  BYTE TmFamily;
};
void PrintTo(const TFaceCase& C, std::ostream* Os) {
  *Os << '"' << C.Face << "\" pitch/family " << int(C.PitchAndFamily);
}

std::string FamilyOf(const char* Face, BYTE PitchAndFamily = 0) {
  LOGFONTA Lf = Describe(-12, Face);
  Lf.lfPitchAndFamily = PitchAndFamily;
  TRealizedFont* Font = TFontEngine::Get().Realize(Lf);
  return Font ? Font->GetFamily() : std::string();
}

class FaceFallback : public ::testing::TestWithParam<TFaceCase> {};

TEST_P(FaceFallback, MissingFacesBecomeTheirKindOfFace) {
  const TFaceCase& C = GetParam();
  const std::string Family = FamilyOf(C.Face, C.PitchAndFamily);
  EXPECT_FALSE(Family.empty());
  if (C.Generic) {
    EXPECT_EQ(Family, FamilyOf(C.Generic));
  }

  TTextSurface S(80, 30);
  LOGFONTA Lf = Describe(-12, C.Face);
  Lf.lfPitchAndFamily = C.PitchAndFamily;
  S.Use(Lf);
  EXPECT_EQ(S.Metrics().tmPitchAndFamily & 0xF0, C.TmFamily);
  ASSERT_TRUE(TextOut(S.DC, 2, 2, "Hi", 2));
  EXPECT_GT(S.CountMarked(), 10) << "a real face draws glyphs";
}

INSTANTIATE_TEST_SUITE_P(
    Faces, FaceFallback,
    ::testing::Values(TFaceCase{"Tahoma", 0, "sans-serif", FF_SWISS},
                      TFaceCase{"MS Sans Serif", 0, "sans-serif", FF_SWISS},
                      TFaceCase{"MS Shell Dlg", 0, "sans-serif", FF_SWISS},
                      TFaceCase{"System", 0, "sans-serif", FF_SWISS},
                      TFaceCase{"Segoe UI", 0, "sans-serif", FF_SWISS},
                      TFaceCase{"", 0, "sans-serif", FF_SWISS},
                      TFaceCase{"Courier", 0, nullptr, FF_MODERN},
                      TFaceCase{"Courier New", 0, nullptr, FF_MODERN},
                      TFaceCase{"Nonexistent Face", FIXED_PITCH, "monospace", FF_MODERN},
                      TFaceCase{"Nonexistent Face", FF_MODERN, "monospace", FF_MODERN},
                      TFaceCase{"Times New Roman", 0, "serif", FF_ROMAN},
                      TFaceCase{"Nonexistent Face", FF_ROMAN, "serif", FF_ROMAN}));

TEST(Fonts, GenericFamiliesAreDistinctFaces) {
  // On a machine with only DejaVu these are DejaVu Sans, Sans Mono and
  // Serif; whatever is installed, the three kinds must differ.
  EXPECT_NE(FamilyOf("sans-serif"), FamilyOf("monospace"));
  EXPECT_NE(FamilyOf("sans-serif"), FamilyOf("serif"));
  EXPECT_EQ(FamilyOf("DejaVu Serif", FF_MODERN), "DejaVu Serif") << "an installed face wins";
}

TEST(Fonts, MonospaceFallbackHasEqualAdvances) {
  TTextSurface S(10, 10);
  S.Use(-13, "Courier New");
  EXPECT_EQ(S.Extent("iiii").cx, S.Extent("WWWW").cx);
  EXPECT_EQ(S.Metrics().tmPitchAndFamily & 0x01, 0) << "the pitch bit is clear for fixed pitch";
  S.Use(-13, "Tahoma");
  EXPECT_LT(S.Extent("iiii").cx, S.Extent("WWWW").cx);
  EXPECT_EQ(S.Metrics().tmPitchAndFamily & 0x01, 1);
}

TEST(Fonts, BoldAndItalicDrawDifferently) {
  TTextSurface S(200, 40);
  S.Use(Describe(-20, "Tahoma"));
  TextOut(S.DC, 2, 2, "Hamburg", 7);
  const int Regular = S.CountMarked();
  const auto RegularPixels = S.Pixels();

  S.Clear();
  S.Use(Describe(-20, "Tahoma", FW_BOLD));
  TextOut(S.DC, 2, 2, "Hamburg", 7);
  EXPECT_GT(S.CountMarked(), Regular * 11 / 10);
  EXPECT_EQ(S.Metrics().tmWeight, FW_BOLD);

  S.Clear();
  LOGFONTA Italic = Describe(-20, "Tahoma");
  Italic.lfItalic = 1;
  S.Use(Italic);
  TextOut(S.DC, 2, 2, "Hamburg", 7);
  EXPECT_NE(S.Pixels(), RegularPixels);
  EXPECT_EQ(S.Metrics().tmItalic, 1);
}

TEST(Fonts, BoldIsSynthesisedForAFamilyWithoutIt) {
  LOGFONTA Lf = Describe(-20, "DejaVu Math TeX Gyre");
  TRealizedFont* Font = TFontEngine::Get().Realize(Lf);
  if (!Font || Font->GetFamily() != "DejaVu Math TeX Gyre") GTEST_SKIP() << "face not installed";
  // A math face has a tall cell: room for its ascent.
  TTextSurface S(200, 160);
  S.Use(Lf);
  TextOut(S.DC, 2, 2, "Hamburg", 7);
  const int Regular = S.CountMarked();
  S.Clear();
  S.Use(Describe(-20, "DejaVu Math TeX Gyre", FW_BOLD));
  TextOut(S.DC, 2, 2, "Hamburg", 7);
  EXPECT_GT(S.CountMarked(), Regular * 11 / 10);

  // Slanted glyphs lean right: the top of the H moves, its foot stays.
  S.Clear();
  S.Use(Lf);
  TextOut(S.DC, 2, 2, "H", 1);
  const TRect Upright = S.InkBox();
  S.Clear();
  Lf.lfItalic = 1;
  S.Use(Lf);
  TextOut(S.DC, 2, 2, "H", 1);
  EXPECT_GT(S.InkBox().Right, Upright.Right + 1);
  EXPECT_LE(S.InkBox().Left, Upright.Left + 1);
}

TEST(Fonts, NegativeHeightIsTheEmHeight) {
  TTextSurface S(10, 10);
  for (LONG Em : {6, 8, 11, 13, 20, 32, 100}) {
    S.Use(-Em, "Tahoma");
    TEXTMETRICA Tm = S.Metrics();
    EXPECT_EQ(Tm.tmHeight - Tm.tmInternalLeading, Em) << Em;
    EXPECT_EQ(Tm.tmHeight, Tm.tmAscent + Tm.tmDescent) << Em;
  }
}

TEST(Fonts, PositiveHeightIsTheCellHeight) {
  TTextSurface S(10, 10);
  for (LONG Cell : {8, 13, 16, 24, 40}) {
    S.Use(Cell, "MS Sans Serif");
    TEXTMETRICA Tm = S.Metrics();
    EXPECT_EQ(Tm.tmHeight, Cell);
    EXPECT_EQ(Tm.tmHeight, Tm.tmAscent + Tm.tmDescent);
    EXPECT_GT(Tm.tmAscent, Tm.tmDescent);
  }
  S.Use(0, "MS Sans Serif");
  EXPECT_EQ(S.Metrics().tmHeight, 13) << "height 0 picks the default size";
}

TEST(Fonts, AbsurdSizesAreClamped) {
  TTextSurface S(64, 64);
  for (LONG H : {LONG(INT_MIN), LONG(-100000), LONG(100000), LONG(INT_MAX)}) {
    LOGFONTA Lf = Describe(H);
    Lf.lfWidth = H;
    S.Use(Lf);
    TEXTMETRICA Tm = S.Metrics();
    EXPECT_GE(Tm.tmHeight, 1);
    EXPECT_LE(Tm.tmHeight, 4096);
    EXPECT_TRUE(TextOut(S.DC, -10, -10, "W", 1));
  }
  S.Use(-1);
  EXPECT_GE(S.Metrics().tmHeight, 1);
  EXPECT_TRUE(TextOut(S.DC, 0, 0, "abc", 3));
}

TEST(Fonts, WidthScalesTheAverageCharacter) {
  TTextSurface S(10, 10);
  LOGFONTA Lf = Describe(-16);
  S.Use(Lf);
  const LONG Natural = S.Extent("abcdefgh").cx;
  Lf.lfWidth = 2 * S.Metrics().tmAveCharWidth;
  S.Use(Lf);
  EXPECT_NEAR(S.Metrics().tmAveCharWidth, Lf.lfWidth, 1);
  EXPECT_GT(S.Extent("abcdefgh").cx, Natural * 3 / 2);
}

TEST(Fonts, MetricsReflectTheDescription) {
  TTextSurface S(10, 10);
  LOGFONTA Lf = Describe(-13, "Arial");
  Lf.lfUnderline = 1;
  Lf.lfStrikeOut = 1;
  Lf.lfCharSet = DEFAULT_CHARSET;
  S.Use(Lf);
  TEXTMETRICA Tm = S.Metrics();
  EXPECT_EQ(Tm.tmUnderlined, 1);
  EXPECT_EQ(Tm.tmStruckOut, 1);
  EXPECT_EQ(Tm.tmItalic, 0);
  EXPECT_EQ(Tm.tmWeight, FW_NORMAL);
  EXPECT_EQ(Tm.tmCharSet, ANSI_CHARSET);
  EXPECT_GT(Tm.tmAveCharWidth, 3);
  EXPECT_GE(Tm.tmMaxCharWidth, Tm.tmAveCharWidth);
  EXPECT_GE(Tm.tmExternalLeading, 0);
}

TEST(Fonts, StockSystemFontIsSelectedInANewDC) {
  TTextSurface S(10, 10);
  TEXTMETRICA Tm = S.Metrics();
  EXPECT_EQ(Tm.tmHeight, 16);
  EXPECT_EQ(Tm.tmWeight, FW_BOLD);
  char Face[32];
  EXPECT_EQ(GetTextFace(S.DC, sizeof Face, Face), 7);
  EXPECT_STREQ(Face, "System");
}

TEST(Fonts, GetTextFaceCopiesTheRequestedName) {
  TTextSurface S(10, 10);
  S.Use(-11, "MS Shell Dlg");
  char Face[LF_FACESIZE];
  EXPECT_EQ(GetTextFace(S.DC, LF_FACESIZE, Face), 13);
  EXPECT_STREQ(Face, "MS Shell Dlg");
  EXPECT_EQ(GetTextFace(S.DC, 0, nullptr), 13) << "no buffer: the size it needs";
  EXPECT_EQ(GetTextFace(S.DC, 0, Face), 0);
  EXPECT_EQ(GetTextFace(S.DC, 4, Face), 4);
  EXPECT_STREQ(Face, "MS ");
  EXPECT_EQ(GetTextFace(nullptr, LF_FACESIZE, Face), 0);
}

TEST(Fonts, FaceNamesAreCutOnCharacterBoundaries) {
  TTextSurface S(10, 10);
  // 15 two-byte characters and one more: 32 bytes do not fit in 31.
  std::string Long;
  for (int i = 0; i < 16; ++i) Long += "\xC3\xA9";
  S.Use(Describe(-11, "x"));
  HFONT F = CreateFont(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Long.c_str());
  ASSERT_NE(F, nullptr);
  HGDIOBJ Old = SelectObject(S.DC, F);
  char Face[64];
  EXPECT_EQ(GetTextFace(S.DC, sizeof Face, Face), 31);
  EXPECT_EQ(std::string(Face), Long.substr(0, 30));
  EXPECT_EQ(GetTextFace(S.DC, 4, Face), 3) << "a character is not split";
  EXPECT_EQ(std::string(Face), "\xC3\xA9");
  SelectObject(S.DC, Old);
  DeleteObject(F);

  // Stray continuation bytes are characters of one byte each, so the cut
  // keeps all of them that fit, and the letter before them.
  const std::string Stray = "A" + std::string(31, '\x80');
  F = CreateFont(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Stray.c_str());
  Old = SelectObject(S.DC, F);
  EXPECT_EQ(GetTextFace(S.DC, sizeof Face, Face), 32);
  EXPECT_EQ(std::string(Face), Stray.substr(0, 31));
  EXPECT_EQ(GetTextFace(S.DC, 3, Face), 3);
  EXPECT_EQ(std::string(Face), "A\x80");
  SelectObject(S.DC, Old);
  DeleteObject(F);
}

TEST(Fonts, CreateFontIndirectRejectsNull) { EXPECT_EQ(CreateFontIndirect(nullptr), nullptr); }

TEST(Fonts, MetricsFailOnBadInput) {
  TEXTMETRICA Tm;
  EXPECT_FALSE(GetTextMetrics(nullptr, &Tm));
  TTextSurface S(10, 10);
  EXPECT_FALSE(GetTextMetrics(S.DC, nullptr));
  HDC Stale = CreateCompatibleDC(nullptr);
  DeleteDC(Stale);
  EXPECT_FALSE(GetTextMetrics(Stale, &Tm));
}

TEST(Fonts, ADeletedSelectedFontKeepsWorkingUntilDeselected) {
  TTextSurface S(60, 30);
  const LOGFONTA Lf = Describe(-14);
  HFONT F = CreateFontIndirect(&Lf);
  HGDIOBJ Old = SelectObject(S.DC, F);
  DeleteObject(F);
  EXPECT_TRUE(TextOut(S.DC, 0, 0, "ok", 2));
  EXPECT_EQ(S.Metrics().tmHeight - S.Metrics().tmInternalLeading, 14);
  SelectObject(S.DC, Old);
}

TEST(Fonts, RealisedFontsAreSharedByDescription) {
  LOGFONTA A = Describe(-15, "Tahoma");
  LOGFONTA B = A;
  B.lfEscapement = 900;
  B.lfUnderline = 1;
  std::strcpy(B.lfFaceName + 7, "junk");
  B.lfFaceName[6] = '\0';
  TRealizedFont* Fa = TFontEngine::Get().Realize(A);
  EXPECT_EQ(TFontEngine::Get().Realize(B), Fa);
  LOGFONTA C = A;
  C.lfHeight = -16;
  EXPECT_NE(TFontEngine::Get().Realize(C), Fa);
}

TEST(Fonts, AnEvictedSelectedFontComesBackTheSame) {
  TTextSurface S(80, 30);
  S.Use(-15);
  TextOut(S.DC, 2, 2, "Evict", 5);
  const auto Before = S.Pixels();
  // More descriptions than the engine keeps push the selected one out.
  for (LONG H = 21; H <= 120; ++H) ASSERT_NE(TFontEngine::Get().Realize(Describe(-H)), nullptr);
  S.Clear();
  TextOut(S.DC, 2, 2, "Evict", 5);
  EXPECT_EQ(S.Pixels(), Before);
  EXPECT_EQ(S.Metrics().tmHeight - S.Metrics().tmInternalLeading, 15);
}

TEST(Fonts, GlyphsLargerThanTheCacheDrawTheSameEveryTime) {
  // Each glyph of this size is megabytes of coverage, so the cache empties
  // while one run is drawn; a strip through the middle of the glyphs shows
  // part of each of them.
  TTextSurface S(6500, 40);
  S.Use(Describe(-2048));
  TextOut(S.DC, 0, -1000, "WMW", 3);
  const auto First = S.Pixels();
  EXPECT_GT(S.CountMarked(), 1000);
  S.Clear();
  TextOut(S.DC, 0, -1000, "WMW", 3);
  EXPECT_EQ(S.Pixels(), First);
}

TEST(Fonts, NonAntialiasedQualityDrawsOnlyTwoColours) {
  TTextSurface S(120, 30);
  LOGFONTA Lf = Describe(-16);
  Lf.lfQuality = NONANTIALIASED_QUALITY;
  S.Use(Lf);
  TextOut(S.DC, 2, 2, "Wavy", 4);
  const int Ink = S.Count(kInk);
  EXPECT_GT(Ink, 20);
  EXPECT_EQ(Ink + S.Count(kWhite), S.Width() * S.Height());

  S.Clear();
  S.Use(Describe(-16));
  TextOut(S.DC, 2, 2, "Wavy", 4);
  EXPECT_LT(S.Count(kInk) + S.Count(kWhite), S.Width() * S.Height()) << "anti-aliased edges blend";
}

} // namespace
