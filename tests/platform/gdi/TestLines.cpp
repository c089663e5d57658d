#include "BitmapTestSupport.h"

#include <climits>
#include <cstdlib>

using namespace gditest;

namespace {

class LinesTest : public TGdiTest {};

using TPicture = std::vector<std::string>;

} // namespace

TEST_F(LinesTest, LineToExcludesTheEndPointInEveryDirection) {
  const TPoint Ends[] = {{9, 5}, {1, 5}, {5, 9}, {5, 1}, {9, 9},
                         {1, 1}, {9, 1}, {1, 9}, {8, 2}, {2, 7}};
  for (TPoint E : Ends) {
    TTestSurface S(11, 11);
    MoveToEx(S.DC, 5, 5, nullptr);
    EXPECT_TRUE(LineTo(S.DC, E.X, E.Y));
    int Steps = std::max(std::abs(E.X - 5), std::abs(E.Y - 5));
    EXPECT_EQ(S.At(5, 5), kBlack) << E.X << "," << E.Y;
    EXPECT_EQ(S.At(E.X, E.Y), kWhite) << E.X << "," << E.Y;
    EXPECT_EQ(S.Count(kBlack), Steps) << E.X << "," << E.Y;
    TPoint Pos;
    GetCurrentPositionEx(S.DC, &Pos);
    EXPECT_EQ(Pos, E);
  }
}

TEST_F(LinesTest, AxisAndDiagonalLinesAreExact) {
  struct TCase {
    TPoint From, To;
    TPicture Expected;
  };
  const TCase Cases[] = {
      {{0, 1}, {5, 1}, {".....", "#####", ".....", ".....", "....."}},
      {{3, 4}, {3, 0}, {".....", "...#.", "...#.", "...#.", "...#."}},
      {{0, 0}, {5, 5}, {"#....", ".#...", "..#..", "...#.", "....#"}},
      {{4, 0}, {0, 4}, {"....#", "...#.", "..#..", ".#...", "....."}},
      {{0, 0}, {4, 2}, {"##...", "..##.", ".....", ".....", "....."}},
  };
  for (const TCase& C : Cases) {
    TTestSurface S(5, 5);
    MoveToEx(S.DC, C.From.X, C.From.Y, nullptr);
    LineTo(S.DC, C.To.X, C.To.Y);
    EXPECT_EQ(S.Picture(kBlack), C.Expected);
  }
}

TEST_F(LinesTest, NullPenDrawsNothingButMovesThePosition) {
  TTestSurface S(5, 5);
  SelectObject(S.DC, GetStockObject(NULL_PEN));
  TPoint Old;
  MoveToEx(S.DC, 1, 1, &Old);
  EXPECT_EQ(Old, (TPoint{0, 0}));
  EXPECT_TRUE(LineTo(S.DC, 4, 4));
  EXPECT_EQ(S.Count(kWhite), 25);
  TPoint Pos;
  GetCurrentPositionEx(S.DC, &Pos);
  EXPECT_EQ(Pos, (TPoint{4, 4}));
}

TEST_F(LinesTest, XorDrawingTwiceRestoresTheSurface) {
  TTestSurface S(12, 12);
  S.Set(3, 3, RGB(1, 2, 3));
  TSelected Pen(S.DC, CreatePen(PS_SOLID, 3, RGB(0x12, 0x34, 0x56)));
  SetROP2(S.DC, R2_XORPEN);
  const TPoint Pts[] = {{1, 1}, {9, 2}, {9, 10}, {2, 6}};
  EXPECT_TRUE(Polyline(S.DC, Pts, 4));
  EXPECT_NE(S.At(9, 2), kWhite);
  EXPECT_EQ(S.At(10, 2), S.At(9, 3)) << "the join is painted once";
  Polyline(S.DC, Pts, 4);
  EXPECT_EQ(S.Count(kWhite), 143);
  EXPECT_EQ(S.At(3, 3), RGB(1, 2, 3));
}

TEST_F(LinesTest, RasterOperationsOnIndexedSurfacesCombineIndexes) {
  // Neighbouring and complementary indexes have unrelated colours, so
  // mixing colours would land on other entries than mixing indexes.
  auto Scrambled = [](int I) { return RGB(BYTE(I * 37), BYTE(I * 91), BYTE(I * 13)); };
  bmptest::TDibInfo Info(4, 1, 8);
  for (int I = 0; I < 256; ++I) Info.SetColor(I, Scrambled(I));
  bmptest::TDibSurface S(Info);
  for (int X = 0; X < 4; ++X) WriteIndex(S.Store(), X, 0, 0xF0);
  TSelected Pen(S.DC, CreatePen(PS_SOLID, 1, Scrambled(0x0F)));
  SetROP2(S.DC, R2_XORPEN);
  MoveToEx(S.DC, 0, 0, nullptr);
  EXPECT_TRUE(LineTo(S.DC, 3, 0));
  SetROP2(S.DC, R2_NOT);
  EXPECT_TRUE(LineTo(S.DC, 1, 0));
  const unsigned Expected[4] = {0xFF, 0xFF, 0x00, 0x0F};
  for (int X = 0; X < 4; ++X) EXPECT_EQ(ReadIndex(S.Store(), X, 0), Expected[X]) << X;
}

TEST_F(LinesTest, PenStylesLeaveGapsOrFillThemWithTheBackground) {
  struct TCase {
    int Style;
    const char* Row;
  };
  const TCase Cases[] = {
      {PS_SOLID, "##############################"},
      {PS_DOT, "###...###...###...###...###..."},
      {PS_DASH, "##################......######"},
      {PS_DASHDOT, "#########......###......######"},
      {PS_DASHDOTDOT, "#########...###...###...######"},
  };
  for (const TCase& C : Cases) {
    for (int Mode : {OPAQUE, TRANSPARENT}) {
      TTestSurface S(30, 1, kRed);
      TSelected Pen(S.DC, CreatePen(C.Style, 1, kBlack));
      SetBkMode(S.DC, Mode);
      MoveToEx(S.DC, 0, 0, nullptr);
      LineTo(S.DC, 30, 0);
      std::string Expected = C.Row;
      for (char& Ch : Expected)
        if (Ch == '.') Ch = Mode == OPAQUE ? '.' : '?';
      EXPECT_EQ(S.Picture(kBlack, kWhite)[0], Expected) << C.Style << " mode " << Mode;
    }
  }
}

TEST_F(LinesTest, WidePensStrokeASquareAroundEachPixel) {
  TTestSurface S(8, 6);
  TSelected Pen(S.DC, CreatePen(PS_DOT, 3, kBlack));
  MoveToEx(S.DC, 2, 2, nullptr);
  LineTo(S.DC, 5, 2);
  EXPECT_EQ(S.Picture(kBlack),
            (TPicture{"........", ".#####..", ".#####..", ".#####..", "........", "........"}));
}

TEST_F(LinesTest, HugeCoordinatesAreClippedWithoutOverflow) {
  TTestSurface S(16, 16);
  MoveToEx(S.DC, INT_MIN, 5, nullptr);
  LineTo(S.DC, INT_MAX, 5);
  EXPECT_EQ(S.Count(kBlack), 16);
  S.Clear(kWhite);
  // Device coordinates beyond the int range: the line ends at device (0, 0).
  SetWindowOrgEx(S.DC, INT_MIN, INT_MIN, nullptr);
  MoveToEx(S.DC, INT_MAX, INT_MAX, nullptr);
  LineTo(S.DC, INT_MIN, INT_MIN);
  EXPECT_EQ(S.Count(kBlack), 15);
  EXPECT_EQ(S.At(0, 0), kWhite);
  EXPECT_EQ(S.At(15, 15), kBlack);
  S.Clear(kWhite);
  SetWindowOrgEx(S.DC, 0, 0, nullptr);
  MoveToEx(S.DC, INT_MIN, INT_MIN, nullptr);
  LineTo(S.DC, INT_MAX, INT_MAX);
  EXPECT_EQ(S.Count(kBlack), 16);
  for (int I = 0; I < 16; ++I) EXPECT_EQ(S.At(I, I), kBlack);
  TSelected Pen(S.DC, CreatePen(PS_SOLID, INT_MAX, kRed));
  MoveToEx(S.DC, -1000, -1000, nullptr);
  LineTo(S.DC, -999, -1000);
  EXPECT_EQ(S.Count(kRed), 256);
}

TEST_F(LinesTest, LinesStopAtTheClipRegion) {
  TTestSurface S(10, 3);
  IntersectClipRect(S.DC, 2, 0, 7, 3);
  ExcludeClipRect(S.DC, 4, 1, 5, 2);
  MoveToEx(S.DC, 0, 1, nullptr);
  LineTo(S.DC, 10, 1);
  EXPECT_EQ(S.Picture(kBlack)[1], "..##.##...");
}

TEST_F(LinesTest, PolylineNeedsTwoPoints) {
  TTestSurface S(4, 4);
  const TPoint One[] = {{1, 1}};
  EXPECT_FALSE(Polyline(S.DC, One, 1));
  EXPECT_FALSE(Polyline(S.DC, nullptr, 3));
  const TPoint Pts[] = {{0, 0}, {3, 0}, {3, 3}};
  EXPECT_TRUE(Polyline(S.DC, Pts, 3));
  EXPECT_EQ(S.Picture(kBlack), (TPicture{"####", "...#", "...#", "...."}));
  TPoint Pos;
  GetCurrentPositionEx(S.DC, &Pos);
  EXPECT_EQ(Pos, (TPoint{0, 0})) << "Polyline leaves the current position";
}
