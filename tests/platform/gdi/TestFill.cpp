#include "BitmapTestSupport.h"

#include <climits>

using namespace gditest;

namespace {

class FillTest : public TGdiTest {};

using TPicture = std::vector<std::string>;

// Colour-table entry I of a table in which neighbouring and complementary
// indexes have unrelated colours, so mixing colours and taking the nearest
// entry lands far from the index a raster operation on indexes gives.
COLORREF Scrambled(int I) { return RGB(BYTE(I * 37), BYTE(I * 91), BYTE(I * 13)); }

} // namespace

TEST_F(FillTest, FillRectClipsToTheSurface) {
  struct TCase {
    TRect R;
    int Painted;
  };
  const TCase Cases[] = {
      {{2, 3, 5, 7}, 12},
      {{-5, -5, 3, 2}, 6},
      {{8, 8, 20, 20}, 4},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 100},
      {{INT_MIN, 0, INT_MIN + 10, 10}, 0},
      {{INT_MAX - 1, 0, INT_MAX, 10}, 0},
      {{10, 0, 20, 10}, 0},
      {{4, 4, 4, 9}, 0},
      {{6, 6, 2, 2}, 0},
      {{2, 6, 6, 2}, 0},
  };
  HBRUSH Red = CreateSolidBrush(kRed);
  for (const TCase& C : Cases) {
    TTestSurface S(10, 10);
    EXPECT_TRUE(FillRect(S.DC, &C.R, Red));
    EXPECT_EQ(S.Count(kRed), C.Painted)
        << C.R.Left << "," << C.R.Top << "," << C.R.Right << "," << C.R.Bottom;
  }
  DeleteObject(Red);
}

TEST_F(FillTest, FillRectHonoursClipRegionAndOrigin) {
  TTestSurface S(8, 4);
  HRGN Clip = CreateRectRgn(2, 0, 6, 3);
  HRGN Hole = CreateRectRgn(3, 1, 5, 2);
  CombineRgn(Clip, Clip, Hole, RGN_DIFF);
  SelectClipRgn(S.DC, Clip);
  SetWindowOrgEx(S.DC, 10, 10, nullptr);
  TRect R{10, 10, 18, 14};
  FillRect(S.DC, &R, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(S.Picture(kBlack), (TPicture{"..####..", "..#..#..", "..####..", "........"}));
  DeleteObject(Clip);
  DeleteObject(Hole);
}

TEST_F(FillTest, FillRectIgnoresRop2AndTakesSystemColourIndexes) {
  TTestSurface S(4, 1);
  SetROP2(S.DC, R2_XORPEN);
  TRect R{0, 0, 2, 1};
  HBRUSH Face = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_BTNFACE + 1));
  EXPECT_TRUE(FillRect(S.DC, &R, Face));
  EXPECT_TRUE(FillRect(S.DC, &R, Face));
  EXPECT_EQ(S.At(0, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(S.At(2, 0), kWhite);
  HBRUSH Stale = CreateSolidBrush(kRed);
  DeleteObject(Stale);
  EXPECT_FALSE(FillRect(S.DC, &R, Stale));
  EXPECT_FALSE(FillRect(S.DC, nullptr, Face));
  EXPECT_FALSE(FillRect(S.DC, &R, nullptr));
}

TEST_F(FillTest, FrameRectPaintsTheOuterEdgeOnly) {
  struct TCase {
    TRect R;
    TPicture Expected;
  };
  const TCase Cases[] = {
      {{1, 1, 6, 5}, {".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}},
      {{1, 1, 2, 4}, {".......", ".#.....", ".#.....", ".#.....", ".......", "......."}},
      {{0, 2, 7, 3}, {".......", ".......", "#######", ".......", ".......", "......."}},
      {{3, 3, 3, 5}, {".......", ".......", ".......", ".......", ".......", "......."}},
      {{5, 4, 1, 1}, {".......", ".......", ".......", ".......", ".......", "......."}},
  };
  for (const TCase& C : Cases) {
    TTestSurface S(7, 6);
    EXPECT_TRUE(FrameRect(S.DC, &C.R, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(S.Picture(kBlack), C.Expected);
  }
}

TEST_F(FillTest, HatchBrushesFollowBackgroundModeAndBrushOrigin) {
  struct TCase {
    int Style;
    TPicture Expected;
  };
  const TCase Cases[] = {
      {HS_HORIZONTAL, {"########", "........", "........", "........"}},
      {HS_VERTICAL, {"#.......", "#.......", "#.......", "#......."}},
      {HS_FDIAGONAL, {"#.......", ".#......", "..#.....", "...#...."}},
      {HS_BDIAGONAL, {".......#", "......#.", ".....#..", "....#..."}},
      {HS_CROSS, {"########", "#.......", "#.......", "#......."}},
      {HS_DIAGCROSS, {"#......#", ".#....#.", "..#..#..", "...##..."}},
  };
  for (const TCase& C : Cases) {
    TTestSurface S(8, 4, kRed);
    HBRUSH Hatch = CreateHatchBrush(C.Style, kBlack);
    TRect R{0, 0, 8, 4};
    FillRect(S.DC, &R, Hatch);
    EXPECT_EQ(S.Picture(kBlack), C.Expected) << "style " << C.Style;
    S.Clear(kRed);
    SetBkMode(S.DC, TRANSPARENT);
    FillRect(S.DC, &R, Hatch);
    EXPECT_EQ(S.Picture(kBlack, kRed), C.Expected) << "transparent style " << C.Style;
    DeleteObject(Hatch);
  }
  TTestSurface S(4, 3);
  HBRUSH Hatch = CreateHatchBrush(HS_HORIZONTAL, kBlack);
  SetBrushOrgEx(S.DC, 0, 2, nullptr);
  TRect R{0, 0, 4, 3};
  FillRect(S.DC, &R, Hatch);
  EXPECT_EQ(S.Picture(kBlack), (TPicture{"....", "....", "####"}));
  DeleteObject(Hatch);
}

TEST_F(FillTest, MonochromePatternMapsBitsToTextAndBackgroundColours) {
  auto Brush = std::make_unique<TGdiBrush>();
  Brush->Log.lbStyle = BS_PATTERN;
  Brush->PatternWidth = 2;
  Brush->PatternHeight = 1;
  Brush->PatternMono = true;
  Brush->Pattern = {0, 1};
  HGDIOBJ H = GdiAdd(std::move(Brush));
  TTestSurface S(5, 1);
  SetTextColor(S.DC, kRed);
  SetBkColor(S.DC, kBlue);
  TRect R{0, 0, 5, 1};
  FillRect(S.DC, &R, static_cast<HBRUSH>(H));
  EXPECT_EQ(S.Picture(kRed, kBlue), (TPicture{"#.#.#"}));
  DeleteObject(H);
}

TEST_F(FillTest, InvertAndPatInvertAreUndoneByRepeating) {
  TTestSurface S(6, 6);
  S.Set(2, 2, RGB(10, 20, 30));
  TRect R{1, 1, 5, 5};
  EXPECT_TRUE(InvertRect(S.DC, &R));
  EXPECT_EQ(S.At(2, 2), RGB(245, 235, 225));
  EXPECT_EQ(S.At(1, 1), kBlack);
  EXPECT_EQ(S.At(5, 5), kWhite);
  InvertRect(S.DC, &R);
  EXPECT_EQ(S.At(2, 2), RGB(10, 20, 30));
  HBRUSH Brush = CreateSolidBrush(RGB(0x0F, 0xF0, 0x55));
  SelectObject(S.DC, Brush);
  EXPECT_TRUE(PatBlt(S.DC, 5, 5, -4, -4, PATINVERT));
  EXPECT_EQ(S.At(1, 1), RGB(0xF0, 0x0F, 0xAA));
  EXPECT_EQ(S.At(5, 5), kWhite);
  PatBlt(S.DC, 1, 1, 4, 4, PATINVERT);
  EXPECT_EQ(S.At(2, 2), RGB(10, 20, 30));
  SelectObject(S.DC, GetStockObject(WHITE_BRUSH));
  DeleteObject(Brush);
}

TEST_F(FillTest, RasterOperationsOnIndexedSurfacesCombineIndexes) {
  bmptest::TDibInfo Info(3, 1, 8);
  for (int I = 0; I < 256; ++I) Info.SetColor(I, Scrambled(I));
  bmptest::TDibSurface S(Info);
  for (int X = 0; X < 3; ++X) WriteIndex(S.Store(), X, 0, 0xF0u + unsigned(X));
  TRect R{0, 0, 2, 1};
  EXPECT_TRUE(InvertRect(S.DC, &R));
  EXPECT_EQ(ReadIndex(S.Store(), 0, 0), 0x0Fu);
  EXPECT_EQ(ReadIndex(S.Store(), 1, 0), 0x0Eu);
  EXPECT_EQ(ReadIndex(S.Store(), 2, 0), 0xF2u);
  // The same operation as a blit gives the same pixels.
  EXPECT_TRUE(BitBlt(S.DC, 2, 0, 1, 1, nullptr, 0, 0, DSTINVERT));
  EXPECT_EQ(ReadIndex(S.Store(), 2, 0), 0x0Du);
  TSelected Brush(S.DC, CreateSolidBrush(Scrambled(0x3C)));
  EXPECT_TRUE(PatBlt(S.DC, 0, 0, 3, 1, PATINVERT));
  EXPECT_EQ(ReadIndex(S.Store(), 0, 0), 0x33u);
  EXPECT_EQ(ReadIndex(S.Store(), 1, 0), 0x32u);
  EXPECT_EQ(ReadIndex(S.Store(), 2, 0), 0x31u);
  PatBlt(S.DC, 0, 0, 3, 1, PATINVERT);
  EXPECT_EQ(ReadIndex(S.Store(), 0, 0), 0x0Fu);
  EXPECT_EQ(ReadIndex(S.Store(), 2, 0), 0x0Du);

  // The 16-colour table: inverting grey (7) gives silver (8), where the
  // colour nearest to the inverted grey would be the same grey again.
  bmptest::TBitmapDC Vga(CreateBitmap(1, 1, 1, 4, nullptr));
  TGdiBitmap& Store = *GdiFind<TGdiBitmap>(Vga.Bitmap, OBJ_BITMAP);
  WriteIndex(Store, 0, 0, 7);
  TRect One{0, 0, 1, 1};
  EXPECT_TRUE(InvertRect(Vga.DC, &One));
  EXPECT_EQ(ReadIndex(Store, 0, 0), 8u);
}

TEST_F(FillTest, PatBltRasterOperations) {
  struct TCase {
    DWORD Rop;
    COLORREF Expected;
  };
  const TCase Cases[] = {
      {PATCOPY, kRed},
      {BLACKNESS, kBlack},
      {WHITENESS, kWhite},
      {DSTINVERT, RGB(0xFF, 0xFF, 0x00)},
      {0x000A0329, RGB(0x00, 0x00, 0xFF)}, // DPna: destination AND NOT pattern
  };
  for (const TCase& C : Cases) {
    TTestSurface S(3, 3, kBlue);
    HBRUSH Red = CreateSolidBrush(kRed);
    SelectObject(S.DC, Red);
    EXPECT_TRUE(PatBlt(S.DC, 0, 0, 2, 2, C.Rop));
    EXPECT_EQ(S.At(1, 1), C.Expected) << std::hex << C.Rop;
    EXPECT_EQ(S.At(2, 2), kBlue);
    SelectObject(S.DC, GetStockObject(WHITE_BRUSH));
    DeleteObject(Red);
  }
  TTestSurface S(3, 3);
  EXPECT_FALSE(PatBlt(S.DC, 0, 0, 2, 2, SRCCOPY));
  SelectObject(S.DC, GetStockObject(NULL_BRUSH));
  EXPECT_TRUE(PatBlt(S.DC, 0, 0, 3, 3, PATCOPY));
  EXPECT_EQ(S.Count(kWhite), 9);
}

TEST_F(FillTest, FillAndFrameRegions) {
  TTestSurface S(7, 6);
  HRGN L = CreateRectRgn(1, 1, 3, 5);
  HRGN Foot = CreateRectRgn(3, 3, 6, 5);
  CombineRgn(L, L, Foot, RGN_OR);
  HBRUSH Black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  EXPECT_TRUE(FillRgn(S.DC, L, Black));
  EXPECT_EQ(S.Picture(kBlack),
            (TPicture{".......", ".##....", ".##....", ".#####.", ".#####.", "......."}));
  S.Clear(kWhite);
  HRGN Box = CreateRectRgn(0, 0, 7, 6);
  EXPECT_TRUE(FrameRgn(S.DC, Box, Black, 2, 1));
  EXPECT_EQ(S.Picture(kBlack),
            (TPicture{"#######", "##...##", "##...##", "##...##", "##...##", "#######"}));
  S.Clear(kWhite);
  HRGN Notch = CreateRectRgn(4, 0, 7, 3);
  CombineRgn(Box, Box, Notch, RGN_DIFF);
  EXPECT_TRUE(FrameRgn(S.DC, Box, Black, 1, 1));
  EXPECT_EQ(S.Picture(kBlack),
            (TPicture{"####...", "#..#...", "#..#...", "#..####", "#.....#", "#######"}));
  EXPECT_FALSE(FrameRgn(S.DC, L, Black, 0, 1));
  for (HRGN H : {L, Foot, Box, Notch}) DeleteObject(H);
  EXPECT_FALSE(FillRgn(S.DC, L, Black));
}
