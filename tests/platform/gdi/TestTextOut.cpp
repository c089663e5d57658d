// TextOut, ExtTextOut and the extent queries: where the cell goes for
// each alignment and escapement, what the background modes paint, and
// clipping.
#include "TextTestSupport.h"

#include <climits>
#include <string>
#include <vector>

using namespace texttest;

namespace {

TEST(TextOut, FullyCoveredPixelsTakeTheTextColour) {
  TTextSurface S(120, 40);
  S.Use(-24);
  ASSERT_TRUE(TextOut(S.DC, 4, 4, "HIL", 3));
  EXPECT_GT(S.Count(kInk), 40) << "the stems of H, I and L are solid";
  for (int Y = 0; Y < S.Height(); ++Y)
    for (int X = 0; X < S.Width(); ++X) {
      COLORREF C = S.At(X, Y);
      // Partly covered pixels lie between the text colour and white.
      EXPECT_GE(GetRValue(C), GetRValue(kInk));
      EXPECT_GE(GetGValue(C), GetGValue(kInk));
      EXPECT_GE(GetBValue(C), GetBValue(kInk));
    }
}

TEST(TextOut, PaletteIndexColoursComeFromTheSelectedPalette) {
  TTextSurface S(120, 40);
  S.Use(-24);
  struct {
    WORD Version, Count;
    PALETTEENTRY Entries[2];
  } Log{0x300, 2, {{0, 0, 0, 0}, {10, 200, 30, 0}}};
  HPALETTE Pal = CreatePalette(reinterpret_cast<const LOGPALETTE*>(&Log));
  HPALETTE Old = SelectPalette(S.DC, Pal, FALSE);
  SetTextColor(S.DC, PALETTEINDEX(1));
  SetBkColor(S.DC, PALETTEINDEX(0));
  SetBkMode(S.DC, OPAQUE);
  ASSERT_TRUE(TextOut(S.DC, 4, 4, "HIL", 3));
  EXPECT_GT(S.Count(RGB(10, 200, 30)), 40);
  EXPECT_GT(S.Count(kBlack), 40) << "the cell's background is entry 0";
  SelectPalette(S.DC, Old, FALSE);
  DeleteObject(Pal);
}

TEST(TextOut, ExtentIsTheSumOfAdvances) {
  TTextSurface S(10, 10);
  S.Use(-13);
  SIZE Whole = S.Extent("Hello, world");
  LONG Sum = 0;
  for (char C : std::string("Hello, world")) Sum += S.Extent(std::string(1, C).c_str()).cx;
  EXPECT_EQ(Whole.cx, Sum);
  EXPECT_EQ(Whole.cy, S.Metrics().tmHeight);
  EXPECT_EQ(S.Extent("AV").cx, S.Extent("A").cx + S.Extent("V").cx) << "no kerning";
  SIZE Empty{-1, -1};
  EXPECT_TRUE(GetTextExtentPoint32(S.DC, "", 0, &Empty));
  EXPECT_EQ(Empty.cx, 0);
  EXPECT_EQ(Empty.cy, S.Metrics().tmHeight);
}

TEST(TextOut, OpaqueFillsExactlyTheCell) {
  TTextSurface S(200, 60);
  S.Use(-15);
  SIZE E = S.Extent("Opaque");
  SetBkMode(S.DC, OPAQUE);
  TextOut(S.DC, 30, 20, "Opaque", 6);
  EXPECT_EQ(S.InkBox(), (TRect{30, 20, 30 + E.cx, 20 + E.cy}));
  EXPECT_GT(S.Count(kBack), E.cx * E.cy / 2);
}

TEST(TextOut, TransparentLeavesTheBackground) {
  TTextSurface S(200, 60, RGB(128, 128, 128));
  S.Use(-15);
  TextOut(S.DC, 30, 20, "Opaque", 6);
  EXPECT_EQ(S.Count(kBack), 0);
  EXPECT_GT(S.Count(RGB(128, 128, 128)), 200 * 60 - 6 * 15 * 15);
}

struct TAlignCase {
  UINT Align;
  int Dx; // cell left relative to x, in units of: 0 = 0, 1 = -cx/2, 2 = -cx
  int Dy; // cell top relative to y: 0 = 0, 1 = -ascent, 2 = -cy
};
void PrintTo(const TAlignCase& C, std::ostream* Os) { *Os << "align " << C.Align; }

class TextAlign : public ::testing::TestWithParam<TAlignCase> {};

TEST_P(TextAlign, PlacesTheCellAroundTheReferencePoint) {
  const TAlignCase& C = GetParam();
  TTextSurface S(200, 100);
  S.Use(-16);
  SIZE E = S.Extent("Align");
  TEXTMETRICA Tm = S.Metrics();
  SetBkMode(S.DC, OPAQUE);
  SetTextAlign(S.DC, C.Align);
  TextOut(S.DC, 100, 50, "Align", 5);
  LONG Left = 100 - (C.Dx == 0 ? 0 : C.Dx == 1 ? E.cx / 2 : E.cx);
  LONG Top = 50 - (C.Dy == 0 ? 0 : C.Dy == 1 ? Tm.tmAscent : E.cy);
  EXPECT_EQ(S.InkBox(), (TRect{Left, Top, Left + E.cx, Top + E.cy}));
}

INSTANTIATE_TEST_SUITE_P(Alignments, TextAlign,
                         ::testing::Values(TAlignCase{TA_LEFT | TA_TOP, 0, 0},
                                           TAlignCase{TA_CENTER | TA_TOP, 1, 0},
                                           TAlignCase{TA_RIGHT | TA_TOP, 2, 0},
                                           TAlignCase{TA_LEFT | TA_BASELINE, 0, 1},
                                           TAlignCase{TA_CENTER | TA_BASELINE, 1, 1},
                                           TAlignCase{TA_RIGHT | TA_BOTTOM, 2, 2},
                                           TAlignCase{TA_LEFT | TA_BOTTOM, 0, 2}));

TEST(TextOut, BaselineAlignmentPutsGlyphsOnTheLine) {
  TTextSurface S(120, 60);
  S.Use(-20);
  SetTextAlign(S.DC, TA_LEFT | TA_BASELINE);
  TextOut(S.DC, 10, 40, "HE", 2);
  TRect Box = S.InkBox();
  EXPECT_EQ(Box.Bottom, 40) << "capitals stand on the baseline";
  EXPECT_LT(Box.Top, 40 - 10);
}

TEST(TextOut, UpdateCpUsesAndAdvancesTheCurrentPosition) {
  TTextSurface S(200, 60);
  S.Use(-14);
  SIZE Ab = S.Extent("ab"), Abcd = S.Extent("abcd");
  SetBkMode(S.DC, OPAQUE);
  SetTextAlign(S.DC, TA_UPDATECP);
  MoveToEx(S.DC, 20, 10, nullptr);
  TextOut(S.DC, 150, 40, "ab", 2);
  TextOut(S.DC, 150, 40, "cd", 2);
  TPoint Cp;
  GetCurrentPositionEx(S.DC, &Cp);
  EXPECT_EQ(Cp, (TPoint{20 + Abcd.cx, 10}));
  EXPECT_EQ(S.InkBox(), (TRect{20, 10, 20 + Abcd.cx, 10 + Ab.cy}));

  SetTextAlign(S.DC, TA_UPDATECP | TA_RIGHT);
  TextOut(S.DC, 0, 0, "ab", 2);
  GetCurrentPositionEx(S.DC, &Cp);
  EXPECT_EQ(Cp, (TPoint{20 + Abcd.cx - Ab.cx, 10}));
}

struct TRotationCase {
  LONG Escapement;
  // The cell box for text drawn at (x, y) with extent (cx, cy).
  TRect (*Box)(LONG X, LONG Y, SIZE E);
};
void PrintTo(const TRotationCase& C, std::ostream* Os) { *Os << "escapement " << C.Escapement; }

class Rotation : public ::testing::TestWithParam<TRotationCase> {};

TEST_P(Rotation, RotatedCellCoversTheRotatedExtent) {
  const TRotationCase& C = GetParam();
  TTextSurface S(200, 200);
  LOGFONTA Lf = Describe(-16);
  SIZE Flat = (S.Use(Lf), S.Extent("Rotate"));
  Lf.lfEscapement = C.Escapement;
  S.Use(Lf);
  SIZE E = S.Extent("Rotate");
  EXPECT_EQ(E, Flat) << "extents run along the text";
  SetBkMode(S.DC, OPAQUE);
  TextOut(S.DC, 100, 100, "Rotate", 6);
  EXPECT_EQ(S.InkBox(), C.Box(100, 100, E));

  S.Clear();
  SetBkMode(S.DC, TRANSPARENT);
  TextOut(S.DC, 100, 100, "Rotate", 6);
  TRect Ink = S.InkBox(), Cell = C.Box(100, 100, E);
  TRect Both;
  IntersectRect(&Both, &Ink, &Cell);
  EXPECT_EQ(Both, Ink) << "the glyphs lie inside the cell";
}

INSTANTIATE_TEST_SUITE_P(Escapements, Rotation,
                         ::testing::Values(TRotationCase{900,
                                                         [](LONG X, LONG Y, SIZE E) {
                                                           return TRect{X, Y - E.cx, X + E.cy, Y};
                                                         }},
                                           TRotationCase{-900,
                                                         [](LONG X, LONG Y, SIZE E) {
                                                           return TRect{X - E.cy, Y, X, Y + E.cx};
                                                         }},
                                           TRotationCase{2700,
                                                         [](LONG X, LONG Y, SIZE E) {
                                                           return TRect{X - E.cy, Y, X, Y + E.cx};
                                                         }},
                                           TRotationCase{1800,
                                                         [](LONG X, LONG Y, SIZE E) {
                                                           return TRect{X - E.cx, Y - E.cy, X, Y};
                                                         }},
                                           TRotationCase{3600, [](LONG X, LONG Y, SIZE E) {
                                                           return TRect{X, Y, X + E.cx, Y + E.cy};
                                                         }}));

TEST(TextOut, QuarterTurnsRotatePixelsExactly) {
  TTextSurface Flat(80, 80), Turned(80, 80);
  LOGFONTA Lf = Describe(-14);
  Flat.Use(Lf);
  TextOut(Flat.DC, 0, 0, "Rg", 2);
  for (LONG Escapement : {900, 1800, 2700}) {
    Lf.lfEscapement = Escapement;
    Turned.Clear();
    Turned.Use(Lf);
    TextOut(Turned.DC, 40, 40, "Rg", 2);
    for (int V = 0; V < 40; ++V)
      for (int U = 0; U < 40; ++U) {
        int X = Escapement == 900 ? 40 + V : Escapement == 1800 ? 39 - U : 39 - V;
        int Y = Escapement == 900 ? 39 - U : Escapement == 1800 ? 39 - V : 40 + U;
        ASSERT_EQ(Turned.At(X, Y), Flat.At(U, V)) << Escapement << " at " << U << "," << V;
      }
  }
}

TEST(TextOut, OtherAnglesDrawAlongTheDiagonal) {
  TTextSurface S(200, 200);
  LOGFONTA Lf = Describe(-16);
  Lf.lfEscapement = 450;
  S.Use(Lf);
  SIZE E = S.Extent("Diagonal");
  TextOut(S.DC, 40, 160, "Diagonal", 8);
  TRect Box = S.InkBox();
  // The run climbs to the upper right by cx / sqrt(2) in each direction.
  LONG Reach = LONG(E.cx * 0.7071);
  EXPECT_NEAR(Box.Right, 40 + Reach + E.cy * 0.7071, E.cy);
  EXPECT_NEAR(Box.Top, 160 - Reach - E.cy * 0.7071, E.cy);
  EXPECT_GE(Box.Left, 40 - 2);
  EXPECT_LE(Box.Bottom, 160 + E.cy);
  EXPECT_GT(S.CountMarked(), 100);
}

TEST(TextOut, UnderlineAndStrikeOutSpanTheCell) {
  TTextSurface S(200, 60);
  LOGFONTA Lf = Describe(-20);
  Lf.lfUnderline = 1;
  S.Use(Lf);
  SIZE E = S.Extent("a b");
  TextOut(S.DC, 10, 10, "a b", 3);
  TRect Box = S.InkBox();
  EXPECT_EQ(Box.Left, 10);
  EXPECT_EQ(Box.Right, 10 + E.cx);
  int Row = Box.Bottom - 1;
  EXPECT_GT(Row, 10 + S.Metrics().tmAscent) << "below the baseline";
  for (int X = 10; X < 10 + E.cx; ++X) EXPECT_EQ(S.At(X, Row), kInk) << X;

  S.Clear();
  Lf.lfUnderline = 0;
  Lf.lfStrikeOut = 1;
  S.Use(Lf);
  TextOut(S.DC, 10, 10, "a b", 3);
  int Solid = 0;
  for (int Y = 10; Y < 10 + S.Metrics().tmAscent; ++Y) {
    bool Full = true;
    for (int X = 10; X < 10 + E.cx; ++X) Full = Full && S.At(X, Y) == kInk;
    Solid += Full;
  }
  EXPECT_GE(Solid, 1) << "a solid stroke above the baseline";
}

TEST(ExtTextOut, OpaqueRectangleIsFilledEvenWithoutText) {
  TTextSurface S(100, 50);
  TRect R{10, 5, 60, 25};
  EXPECT_TRUE(ExtTextOut(S.DC, 0, 0, ETO_OPAQUE, &R, nullptr, 0, nullptr));
  EXPECT_EQ(S.InkBox(), R);
  EXPECT_EQ(S.Count(kBack), 50 * 20);
  TRect Inverted{60, 45, 10, 30};
  ExtTextOut(S.DC, 0, 0, ETO_OPAQUE, &Inverted, nullptr, 0, nullptr);
  EXPECT_EQ(S.Count(kBack), 50 * 20 + 50 * 15);
}

TEST(ExtTextOut, ClippedDrawsOnlyInsideTheRectangle) {
  TTextSurface Whole(200, 50), Clipped(200, 50);
  Whole.Use(-20);
  Clipped.Use(-20);
  TextOut(Whole.DC, 10, 10, "Clipping", 8);
  TRect R{30, 15, 70, 28};
  ExtTextOut(Clipped.DC, 10, 10, ETO_CLIPPED, &R, "Clipping", 8, nullptr);
  for (int Y = 0; Y < 50; ++Y)
    for (int X = 0; X < 200; ++X) {
      bool Inside = X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
      ASSERT_EQ(Clipped.At(X, Y), Inside ? Whole.At(X, Y) : kWhite) << X << "," << Y;
    }
}

TEST(ExtTextOut, AdvancesComeFromDx) {
  TTextSurface Apart(200, 40), Together(200, 40);
  Apart.Use(-16);
  Together.Use(-16);
  TextOut(Apart.DC, 10, 5, "M", 1);
  TextOut(Apart.DC, 40, 5, "\xC3\xA9", 2);
  TextOut(Apart.DC, 70, 5, "W", 1);
  // The two bytes of the e-acute add up to its advance.
  const int Dx[] = {30, 10, 20, 0};
  ExtTextOut(Together.DC, 10, 5, 0, nullptr, "M\xC3\xA9W", 4, Dx);
  EXPECT_EQ(Together.Pixels(), Apart.Pixels());
}

TEST(ExtTextOut, AbsurdDxDrawsWhatShows) {
  TTextSurface S(100, 30);
  S.Use(-12);
  std::string Text(4000, 'W');
  std::vector<int> Dx(Text.size(), INT_MAX);
  Dx[0] = 20;
  SetTextAlign(S.DC, TA_RIGHT);
  EXPECT_TRUE(ExtTextOut(S.DC, 50, 5, 0, nullptr, Text.c_str(), int(Text.size()), Dx.data()));
  EXPECT_EQ(S.CountMarked(), 0) << "every glyph lies far to the left";
  SetTextAlign(S.DC, TA_LEFT);
  std::fill(Dx.begin(), Dx.end(), INT_MIN);
  EXPECT_TRUE(ExtTextOut(S.DC, 50, 5, 0, nullptr, Text.c_str(), int(Text.size()), Dx.data()));
  EXPECT_GT(S.CountMarked(), 0) << "only the first W stays on the surface";
  EXPECT_LT(S.InkBox().Left, 50 + S.Extent("W").cx);
}

TEST(GetTextExtentExPoint, ReportsFitAndPartialExtents) {
  TTextSurface S(10, 10);
  S.Use(-13);
  const char* Text = "ab\xC3\xA9"
                     "cd";
  LONG A = S.Extent("a").cx, Ab = S.Extent("ab").cx, Abe = S.Extent("ab\xC3\xA9").cx;
  int Fit = -1, Dx[6] = {};
  SIZE Size;
  ASSERT_TRUE(GetTextExtentExPoint(S.DC, Text, 6, Abe, &Fit, Dx, &Size));
  EXPECT_EQ(Fit, 4) << "bytes of whole characters";
  EXPECT_EQ(Dx[0], A);
  EXPECT_EQ(Dx[1], Ab);
  EXPECT_EQ(Dx[2], Abe);
  EXPECT_EQ(Dx[3], Abe);
  EXPECT_EQ(Dx[5], Size.cx);
  ASSERT_TRUE(GetTextExtentExPoint(S.DC, Text, 6, Abe - 1, &Fit, nullptr, &Size));
  EXPECT_EQ(Fit, 2);
  ASSERT_TRUE(GetTextExtentExPoint(S.DC, Text, 6, -5, &Fit, nullptr, &Size));
  EXPECT_EQ(Fit, 0);
}

TEST(TextOut, ClipsToTheDCClipRegion) {
  TTextSurface S(200, 50);
  S.Use(-24);
  IntersectClipRect(S.DC, 0, 0, 40, 50);
  TextOut(S.DC, 10, 10, "WWWWWW", 6);
  TRect Box = S.InkBox();
  EXPECT_GT(Box.Right, 30);
  EXPECT_LE(Box.Right, 40);
}

TEST(TextOut, LogicalCoordinatesFollowTheWindowOrigin) {
  TTextSurface Plain(120, 40), Moved(120, 40);
  Plain.Use(-14);
  Moved.Use(-14);
  TextOut(Plain.DC, 20, 10, "Origin", 6);
  SetWindowOrgEx(Moved.DC, -5, 3, nullptr);
  TextOut(Moved.DC, 15, 13, "Origin", 6);
  EXPECT_EQ(Moved.Pixels(), Plain.Pixels());
}

TEST(TextOut, DrawsOnEveryDepth) {
  for (int Bpp : {1, 4, 8, 16, 24}) {
    TTextSurface S(80, 30, kWhite, Bpp);
    S.Use(-16);
    SetTextColor(S.DC, kBlack);
    EXPECT_TRUE(TextOut(S.DC, 2, 2, "Depth", 5));
    EXPECT_GT(S.Count(kBlack), 10) << Bpp;
  }
}

TEST(TextOut, FarAwayTextDrawsNothing) {
  TTextSurface S(50, 50);
  S.Use(-2000);
  SetBkMode(S.DC, OPAQUE);
  EXPECT_TRUE(TextOut(S.DC, INT_MAX - 5, INT_MIN + 5, "far", 3));
  EXPECT_TRUE(TextOut(S.DC, INT_MIN, INT_MAX, "far", 3));
  SetTextAlign(S.DC, TA_RIGHT | TA_BOTTOM);
  EXPECT_TRUE(TextOut(S.DC, INT_MIN, INT_MIN, "far", 3));
  EXPECT_EQ(S.CountMarked(), 0);
}

TEST(TextOut, BadInputFailsSafely) {
  TTextSurface S(50, 20);
  S.Use(-12);
  SIZE Size;
  EXPECT_FALSE(TextOut(nullptr, 0, 0, "x", 1));
  EXPECT_FALSE(TextOut(reinterpret_cast<HDC>(std::intptr_t(0x1234)), 0, 0, "x", 1));
  EXPECT_FALSE(TextOut(S.DC, 0, 0, "x", -1));
  EXPECT_FALSE(TextOut(S.DC, 0, 0, nullptr, 3));
  EXPECT_TRUE(TextOut(S.DC, 0, 0, nullptr, 0));
  EXPECT_FALSE(GetTextExtentPoint32(S.DC, "x", 1, nullptr));
  EXPECT_FALSE(GetTextExtentPoint32(S.DC, "x", INT_MIN, &Size));
  HDC Stale = CreateCompatibleDC(nullptr);
  DeleteDC(Stale);
  EXPECT_FALSE(TextOut(Stale, 0, 0, "x", 1));
  EXPECT_FALSE(GetTextExtentPoint32(Stale, "x", 1, &Size));
  EXPECT_EQ(S.CountMarked(), 0);
}

TEST(TextOut, LengthPastTheTerminatorStopsThere) {
  TTextSurface A(100, 30), B(100, 30);
  A.Use(-12);
  B.Use(-12);
  TextOut(A.DC, 0, 0, "short", 5);
  EXPECT_TRUE(TextOut(B.DC, 0, 0, "short", INT_MAX));
  EXPECT_EQ(A.Pixels(), B.Pixels());
  SIZE Size;
  ASSERT_TRUE(GetTextExtentPoint32(B.DC, "short", INT_MAX, &Size));
  EXPECT_EQ(Size.cx, A.Extent("short").cx);
}

TEST(TextOut, OverlongTextIsRefused) {
  TTextSurface S(20, 20);
  std::string Huge(std::size_t(1) << 21, 'a');
  SIZE Size;
  EXPECT_FALSE(GetTextExtentPoint32(S.DC, Huge.c_str(), int(Huge.size()), &Size));
  EXPECT_FALSE(TextOut(S.DC, 0, 0, Huge.c_str(), int(Huge.size())));
}

TEST(TextOut, InvalidUtf8DrawsReplacementCharacters) {
  TTextSurface S(100, 30);
  S.Use(-14);
  LONG Replacement = S.Extent("\xEF\xBF\xBD").cx;
  EXPECT_EQ(S.Extent("\xFF").cx, Replacement);
  EXPECT_EQ(S.Extent("\xC3").cx, Replacement) << "truncated sequence";
  EXPECT_EQ(S.Extent("\xE2\x82").cx, 2 * Replacement) << "one per byte";
  EXPECT_EQ(S.Extent("\xC0\xAF").cx, 2 * Replacement) << "overlong form";
  EXPECT_EQ(S.Extent("\xED\xA0\x80").cx, 3 * Replacement) << "surrogate";
  EXPECT_TRUE(TextOut(S.DC, 0, 0, "\xF4\x90\x80\x80\xFF", 5));
}

} // namespace
