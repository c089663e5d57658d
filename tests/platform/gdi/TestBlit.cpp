#include "BitmapTestSupport.h"

#include <climits>

using namespace bmptest;

namespace {

class BlitTest : public TGdiTest {};

constexpr COLORREF kSrc = RGB(0x0F, 0x3C, 0xF0);
constexpr COLORREF kDst = RGB(0x55, 0xAA, 0x33);
constexpr COLORREF kPat = RGB(0x99, 0x66, 0x0F);

// Raster operations act on each bit alike, so the expected colours are
// the documented formulas applied to whole COLORREFs.
TEST_F(BlitTest, RasterOperationsCombineSourcePatternAndDestination) {
  constexpr COLORREF S = kSrc, D = kDst, P = kPat, All = 0xFFFFFF;
  struct TCase {
    const char* Name;
    DWORD Rop;
    COLORREF Expected;
  } Cases[] = {
      {"SRCCOPY", SRCCOPY, S},
      {"SRCAND", SRCAND, S & D},
      {"SRCPAINT", SRCPAINT, S | D},
      {"SRCINVERT", SRCINVERT, S ^ D},
      {"NOTSRCCOPY", NOTSRCCOPY, ~S & All},
      {"SRCERASE", SRCERASE, S & ~D & All},
      {"NOTSRCERASE", NOTSRCERASE, ~(S | D) & All},
      {"MERGECOPY", MERGECOPY, P & S},
      {"MERGEPAINT", MERGEPAINT, (~S | D) & All},
      {"PATCOPY", PATCOPY, P},
      {"PATPAINT", PATPAINT, (P | ~S | D) & All},
      {"PATINVERT", PATINVERT, P ^ D},
      {"DSTINVERT", DSTINVERT, ~D & All},
      {"BLACKNESS", BLACKNESS, 0},
      {"WHITENESS", WHITENESS, All},
      {"PSDPxax", 0x00B8074A, P ^ (S & (D ^ P))},
  };
  TTestSurface Src(2, 1, kSrc);
  TTestSurface Dst(4, 1, kDst);
  TSelected Brush(Dst.DC, CreateSolidBrush(kPat));
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    Dst.Clear(kDst);
    EXPECT_TRUE(BitBlt(Dst.DC, 1, 0, 2, 1, Src.DC, 0, 0, C.Rop));
    EXPECT_EQ(Dst.At(0, 0), kDst);
    EXPECT_EQ(Dst.At(1, 0), C.Expected);
    EXPECT_EQ(Dst.At(2, 0), C.Expected);
    EXPECT_EQ(Dst.At(3, 0), kDst);
  }
}

TEST_F(BlitTest, MonochromeSourcePaintsInTextAndBackgroundColours) {
  TBitmapDC Glyph(MonoBitmap({"#..#"}));
  TTestSurface Dst(4, 1);
  SetTextColor(Dst.DC, kRed);
  SetBkColor(Dst.DC, kBlue);
  // The source DC's colours play no part in this direction.
  SetTextColor(Glyph.DC, kGreen);
  ASSERT_TRUE(BitBlt(Dst.DC, 0, 0, 4, 1, Glyph.DC, 0, 0, SRCCOPY));
  EXPECT_EQ(Dst.Picture(kRed, kBlue), (std::vector<std::string>{"#..#"}));
}

TEST_F(BlitTest, ColourSourceIntoMonochromeMatchesTheSourceBackground) {
  TTestSurface Src(4, 1);
  Src.Set(0, 0, kGreen);
  Src.Set(1, 0, kWhite);
  Src.Set(2, 0, kGreen);
  Src.Set(3, 0, kRed);
  SetBkColor(Src.DC, kGreen);
  TBitmapDC Mono(CreateBitmap(4, 1, 1, 1, nullptr));
  // The destination's colours play no part in this direction.
  SetBkColor(Mono.DC, kRed);
  ASSERT_TRUE(BitBlt(Mono.DC, 0, 0, 4, 1, Src.DC, 0, 0, SRCCOPY));
  EXPECT_EQ(Mono.At(0, 0), kWhite);
  EXPECT_EQ(Mono.At(1, 0), kBlack) << "white is not the background colour";
  EXPECT_EQ(Mono.At(2, 0), kWhite);
  EXPECT_EQ(Mono.At(3, 0), kBlack);
}

TEST_F(BlitTest, MonochromeToMonochromeCopiesBits) {
  TBitmapDC A(MonoBitmap({"#.#.##.."}));
  TBitmapDC B(CreateBitmap(8, 1, 1, 1, nullptr));
  SetTextColor(B.DC, kRed);
  SetBkColor(B.DC, kRed);
  ASSERT_TRUE(BitBlt(B.DC, 0, 0, 8, 1, A.DC, 0, 0, SRCCOPY));
  for (int X = 0; X < 8; ++X) EXPECT_EQ(B.At(X, 0), A.At(X, 0)) << X;
  ASSERT_TRUE(BitBlt(B.DC, 0, 0, 8, 1, A.DC, 0, 0, NOTSRCCOPY));
  EXPECT_EQ(B.At(0, 0), kWhite);
  EXPECT_EQ(B.At(1, 0), kBlack);
}

COLORREF Shade(int I) { return RGB(BYTE(I * 30), BYTE(255 - I * 30), BYTE(I)); }

TEST_F(BlitTest, OverlappingCopiesWithinOneSurfaceReadTheOriginal) {
  struct TCase {
    const char* Name;
    int DstX, SrcX;
    const char* Expected; // source index per pixel, '-' untouched
  } Cases[] = {
      {"right", 2, 0, "--01234-"},
      {"left", 0, 2, "23456---"},
      {"in place", 1, 1, "-12345--"},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TTestSurface Row(8, 1);
    TTestSurface Column(1, 8);
    for (int I = 0; I < 8; ++I) Row.Set(I, 0, Shade(I)), Column.Set(0, I, Shade(I));
    ASSERT_TRUE(BitBlt(Row.DC, C.DstX, 0, 5, 1, Row.DC, C.SrcX, 0, SRCCOPY));
    ASSERT_TRUE(BitBlt(Column.DC, 0, C.DstX, 1, 5, Column.DC, 0, C.SrcX, SRCCOPY));
    for (int I = 0; I < 8; ++I) {
      char E = C.Expected[I];
      COLORREF Want = E == '-' ? Shade(I) : Shade(E - '0');
      EXPECT_EQ(Row.At(I, 0), Want) << I;
      EXPECT_EQ(Column.At(0, I), Want) << I;
    }
  }
}

TEST_F(BlitTest, OverlappingCopiesWorkAtIndexedDepths) {
  for (int Bpp : {1, 4, 8}) {
    SCOPED_TRACE(Bpp);
    TDibInfo Info(8, 1, Bpp);
    for (int I = 0; I < (1 << Bpp); ++I) Info.SetColor(I, Shade(I % 8));
    TDibSurface S(Info);
    for (int I = 0; I < 8; ++I) WriteIndex(S.Store(), I, 0, unsigned(I % (1 << Bpp)));
    ASSERT_TRUE(BitBlt(S.DC, 1, 0, 6, 1, S.DC, 0, 0, SRCCOPY));
    EXPECT_EQ(ReadIndex(S.Store(), 0, 0), 0u);
    for (int I = 1; I < 7; ++I)
      EXPECT_EQ(ReadIndex(S.Store(), I, 0), unsigned((I - 1) % (1 << Bpp)));
    EXPECT_EQ(ReadIndex(S.Store(), 7, 0), unsigned(7 % (1 << Bpp)));
  }
}

TEST_F(BlitTest, RasterOperationsOnIndexedSurfacesCombineIndexes) {
  TDibInfo Info(2, 1, 8);
  for (int I = 0; I < 256; ++I) Info.SetColor(I, RGB(BYTE(I), BYTE(I / 2), 7));
  TDibSurface Src(Info), Dst(Info);
  WriteIndex(Src.Store(), 0, 0, 0x0F);
  WriteIndex(Src.Store(), 1, 0, 0x3C);
  WriteIndex(Dst.Store(), 0, 0, 0xF0);
  WriteIndex(Dst.Store(), 1, 0, 0x33);
  ASSERT_TRUE(BitBlt(Dst.DC, 0, 0, 2, 1, Src.DC, 0, 0, SRCINVERT));
  EXPECT_EQ(ReadIndex(Dst.Store(), 0, 0), 0xFFu);
  EXPECT_EQ(ReadIndex(Dst.Store(), 1, 0), 0x0Fu);
  ASSERT_TRUE(BitBlt(Dst.DC, 0, 0, 1, 1, nullptr, 0, 0, DSTINVERT));
  EXPECT_EQ(ReadIndex(Dst.Store(), 0, 0), 0x00u);
}

TEST_F(BlitTest, CopiesBetweenDifferentColourTablesKeepTheColours) {
  TDibInfo Info(2, 1, 8);
  for (int I = 0; I < 256; ++I) Info.SetColor(I, RGB(BYTE(I), 0, BYTE(255 - I)));
  TDibSurface Src(Info);
  // The same table with its first two entries swapped.
  Info.SetColor(0, RGB(1, 0, 254));
  Info.SetColor(1, RGB(0, 0, 255));
  TDibSurface Dst(Info);
  WriteIndex(Src.Store(), 0, 0, 0);
  WriteIndex(Src.Store(), 1, 0, 200);
  ASSERT_TRUE(BitBlt(Dst.DC, 0, 0, 2, 1, Src.DC, 0, 0, SRCCOPY));
  EXPECT_EQ(ReadIndex(Dst.Store(), 0, 0), 1u);
  EXPECT_EQ(ReadIndex(Dst.Store(), 1, 0), 200u);
}

TEST_F(BlitTest, BlitsClipToBothSurfaces) {
  TTestSurface Src(4, 4);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 4; ++X) Src.Set(X, Y, Shade(Y * 4 + X));
  struct TCase {
    const char* Name;
    int X, Y, W, H, Xs, Ys;
    int Dx, Dy; // source pixel of destination (x, y) is (x + Dx, y + Dy)
    int Copied;
  } Cases[] = {
      {"whole", 0, 0, 4, 4, 0, 0, 0, 0, 16},
      {"hanging off the top left", -2, -1, 4, 4, 0, 0, 2, 1, 6},
      {"hanging off the bottom right", 3, 2, 4, 4, 0, 0, -3, -2, 2},
      {"source partly outside", 0, 0, 4, 4, 2, 3, 2, 3, 2},
      {"source before its origin", 1, 1, 3, 3, -1, -1, -2, -2, 4},
      {"far right", INT_MAX - 2, 0, 3, 3, 0, 0, 0, 0, 0},
      {"far left", INT_MIN, INT_MIN, 4, 4, 0, 0, 0, 0, 0},
      {"widest", 0, 0, INT_MAX, INT_MAX, 0, 0, 0, 0, 16},
      {"most negative extents", 4, 4, INT_MIN, INT_MIN, 4, 4, 0, 0, 16},
      {"source far away", 0, 0, 4, 4, INT_MIN, INT_MAX, 0, 0, 0},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TTestSurface Dst(4, 4, kYellow);
    EXPECT_TRUE(BitBlt(Dst.DC, C.X, C.Y, C.W, C.H, Src.DC, C.Xs, C.Ys, SRCCOPY));
    int Copied = 0;
    for (int Y = 0; Y < 4; ++Y)
      for (int X = 0; X < 4; ++X) {
        if (Dst.At(X, Y) == kYellow) continue;
        ++Copied;
        EXPECT_EQ(Dst.At(X, Y), Src.At(X + C.Dx, Y + C.Dy)) << X << "," << Y;
      }
    EXPECT_EQ(Copied, C.Copied);
  }
}

TEST_F(BlitTest, PlainCopiesFromBeyondTheIntRangeCopyNothing) {
  // The source lies 2^31 and more pixels from the destination, through the
  // coordinates or the source DC's origins; rows are in range, so only the
  // column arithmetic of the unstretched copy keeps the copy out.
  struct TCase {
    const char* Name;
    int Xs, WindowX, ViewportX;
  } Cases[] = {
      {"source at INT_MIN", INT_MIN, 0, 0},
      {"source at INT_MAX", INT_MAX, 0, 0},
      {"origins push the source below INT_MIN", INT_MIN, INT_MAX, -1},
      {"origins push the source above INT_MAX", INT_MAX, INT_MIN, INT_MAX},
  };
  TTestSurface Src(4, 4, kRed);
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TTestSurface Dst(4, 4, kYellow);
    SetWindowOrgEx(Src.DC, C.WindowX, 0, nullptr);
    SetViewportOrgEx(Src.DC, C.ViewportX, 0, nullptr);
    EXPECT_TRUE(BitBlt(Dst.DC, 0, 0, 4, 4, Src.DC, C.Xs, 0, SRCCOPY));
    EXPECT_EQ(Dst.Count(kYellow), 16);
  }
}

TEST_F(BlitTest, BlitsHonourTheClipRegionAndBothDCsOrigins) {
  TTestSurface Src(4, 4, kRed);
  Src.Set(2, 3, kBlue);
  TTestSurface Dst(4, 4);
  IntersectClipRect(Dst.DC, 1, 1, 3, 3);
  ASSERT_TRUE(BitBlt(Dst.DC, 0, 0, 4, 4, Src.DC, 0, 0, SRCCOPY));
  EXPECT_EQ(Dst.Picture(kRed), (std::vector<std::string>{"....", ".##.", ".##.", "...."}));

  SelectClipRgn(Dst.DC, nullptr);
  Dst.Clear(kWhite);
  SetWindowOrgEx(Dst.DC, 10, 20, nullptr);
  SetViewportOrgEx(Src.DC, -2, -3, nullptr);
  // Destination logical (10, 20) is device (0, 0); source logical (4, 6)
  // is device (2, 3).
  ASSERT_TRUE(BitBlt(Dst.DC, 10, 20, 1, 1, Src.DC, 4, 6, SRCCOPY));
  EXPECT_EQ(Dst.At(0, 0), kBlue);
  EXPECT_EQ(Dst.Count(kWhite), 15);
}

TEST_F(BlitTest, MissingHandlesFailUnlessTheOperationNeedsNoSource) {
  TTestSurface Src(2, 2, kRed);
  TTestSurface Dst(2, 2);
  HDC Stale = CreateCompatibleDC(nullptr);
  DeleteDC(Stale);
  EXPECT_FALSE(BitBlt(nullptr, 0, 0, 2, 2, Src.DC, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(Stale, 0, 0, 2, 2, Src.DC, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(Dst.DC, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(Dst.DC, 0, 0, 2, 2, Stale, 0, 0, SRCAND));
  EXPECT_FALSE(StretchBlt(Dst.DC, 0, 0, 2, 2, Src.DC, 0, 0, 0, 2, SRCCOPY)) << "empty source";
  EXPECT_TRUE(BitBlt(Dst.DC, 0, 0, 0, 2, Src.DC, 0, 0, SRCCOPY)) << "nothing to draw";
  EXPECT_EQ(Dst.Count(kWhite), 4);
  TSelected Brush(Dst.DC, CreateSolidBrush(kBlue));
  EXPECT_TRUE(BitBlt(Dst.DC, 0, 0, 1, 2, nullptr, 0, 0, PATCOPY));
  EXPECT_TRUE(BitBlt(Dst.DC, 1, 0, 1, 1, Stale, 0, 0, BLACKNESS));
  EXPECT_EQ(Dst.Picture(kBlue), (std::vector<std::string>{"#?", "#."}));
}

TEST_F(BlitTest, PatternRasterOperationsUseTheDestinationBrush) {
  TBitmapDC Pattern(MonoBitmap({"#.", ".#"}));
  HBRUSH Checker = CreatePatternBrush(Pattern.Bitmap);
  TTestSurface Dst(4, 2);
  TSelected Brush(Dst.DC, Checker);
  SetTextColor(Dst.DC, kRed);
  SetBkColor(Dst.DC, kGreen);
  ASSERT_TRUE(BitBlt(Dst.DC, 0, 0, 4, 2, nullptr, 0, 0, PATCOPY));
  EXPECT_EQ(Dst.Picture(kRed, kGreen), (std::vector<std::string>{"#.#.", ".#.#"}));
  SelectObject(Dst.DC, GetStockObject(NULL_BRUSH));
  Dst.Clear(kWhite);
  EXPECT_TRUE(BitBlt(Dst.DC, 0, 0, 4, 2, nullptr, 0, 0, PATCOPY));
  EXPECT_EQ(Dst.Count(kWhite), 8) << "a null brush paints nothing";
}

TEST_F(BlitTest, MaskBltChoosesTheOperationByMaskBit) {
  TTestSurface Src(4, 1, kRed);
  TTestSurface Dst(4, 1, kBlue);
  TBitmapDC Mask(MonoBitmap({".#.#"}));
  // Mask 1 (white) takes the foreground operation, 0 the background one.
  DWORD Rop = (DWORD(BLACKNESS) << 8 & 0xFF000000) | SRCCOPY;
  ASSERT_TRUE(MaskBlt(Dst.DC, 0, 0, 4, 1, Src.DC, 0, 0, Mask.Bitmap, 0, 0, Rop));
  EXPECT_EQ(Dst.Picture(kRed, kBlack), (std::vector<std::string>{"#.#."}));

  TTestSurface Deep(4, 1);
  EXPECT_FALSE(MaskBlt(Dst.DC, 0, 0, 4, 1, Src.DC, 0, 0, Deep.Bitmap(), 0, 0, Rop));
  EXPECT_FALSE(MaskBlt(Dst.DC, 0, 0, 4, 1, Src.DC, 0, 0, Mask.Bitmap, 1, 0, Rop));
  EXPECT_FALSE(MaskBlt(Dst.DC, 0, 0, 4, 1, nullptr, 0, 0, Mask.Bitmap, 0, 0, Rop));
  Dst.Clear(kBlue);
  ASSERT_TRUE(MaskBlt(Dst.DC, 0, 0, 2, 1, Src.DC, 0, 0, nullptr, 0, 0, Rop));
  EXPECT_EQ(Dst.Picture(kRed, kBlue), (std::vector<std::string>{"##.."})) << "no mask: BitBlt";
}

// The 16x16 check mark of a menu item: '#' is a 0 (black) bit, the glyph;
// '.' is a 1 (white) bit, the background.
const std::vector<std::string> kCheckMark = {
    "................", "................", "................", "..............#.",
    ".............##.", "............###.", "...#.......###..", "...##.....###...",
    "...###...###....", "....###.###.....", ".....#####......", "......###.......",
    ".......#........", "................", "................", "................",
};

// Every way the framework may draw a monochrome glyph transparently in
// the text colour. The framework uses the first: TransparentBlt from a DC
// holding the glyph, with white as the transparent colour, leaves the
// white bits out and paints the black ones in the destination DC's text
// colour, in one call and without touching the DC's other colours. The
// classic two-pass SRCAND/SRCPAINT and a MaskBlt with the glyph as mask
// and a brush of the ink give the same picture.
TEST_F(BlitTest, MonochromeGlyphDrawsTransparentlyInTheTextColour) {
  constexpr COLORREF Ink = RGB(0x20, 0x80, 0x40), Paper = RGB(0xC0, 0xB0, 0xA0);
  struct TMethod {
    const char* Name;
    void (*Draw)(HDC Dst, HDC Glyph, HBITMAP GlyphBitmap);
  } Methods[] = {
      {"TransparentBlt",
       [](HDC Dst, HDC Glyph, HBITMAP) {
         EXPECT_TRUE(TransparentBlt(Dst, 2, 3, 16, 16, Glyph, 0, 0, 16, 16, kWhite));
       }},
      {"SRCAND then SRCPAINT",
       [](HDC Dst, HDC Glyph, HBITMAP) {
         COLORREF Text = SetTextColor(Dst, kBlack), Back = SetBkColor(Dst, kWhite);
         EXPECT_TRUE(BitBlt(Dst, 2, 3, 16, 16, Glyph, 0, 0, SRCAND));
         SetTextColor(Dst, Text);
         SetBkColor(Dst, kBlack);
         EXPECT_TRUE(BitBlt(Dst, 2, 3, 16, 16, Glyph, 0, 0, SRCPAINT));
         SetBkColor(Dst, Back);
       }},
      {"MaskBlt",
       [](HDC Dst, HDC, HBITMAP GlyphBitmap) {
         HGDIOBJ Old = SelectObject(Dst, CreateSolidBrush(GetTextColor(Dst)));
         DWORD Rop = (DWORD(PATCOPY) << 8 & 0xFF000000) | 0x00AA0029;
         EXPECT_TRUE(MaskBlt(Dst, 2, 3, 16, 16, nullptr, 0, 0, GlyphBitmap, 0, 0, Rop));
         DeleteObject(SelectObject(Dst, Old));
       }},
  };
  std::vector<std::string> Expected(20, std::string(20, '.'));
  for (int Y = 0; Y < 16; ++Y)
    for (int X = 0; X < 16; ++X)
      Expected[std::size_t(Y + 3)][std::size_t(X + 2)] = kCheckMark[std::size_t(Y)][std::size_t(X)];
  for (const TMethod& M : Methods) {
    SCOPED_TRACE(M.Name);
    TBitmapDC Glyph(MonoBitmap(kCheckMark));
    TTestSurface Dst(20, 20, Paper);
    SetTextColor(Dst.DC, Ink);
    M.Draw(Dst.DC, Glyph.DC, Glyph.Bitmap);
    EXPECT_EQ(Dst.Picture(Ink, Paper), Expected);
    EXPECT_EQ(GetTextColor(Dst.DC), Ink);
    EXPECT_EQ(GetBkColor(Dst.DC), kWhite);
  }
}

} // namespace
