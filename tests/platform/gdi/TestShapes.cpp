#include "GdiTestSupport.h"

#include <climits>

using namespace gditest;

namespace {

class ShapesTest : public TGdiTest {};

using TPicture = std::vector<std::string>;

// '#' pen (black), 'o' brush (red), '.' untouched (white).
TPicture Render(const TTestSurface& S) {
  TPicture P = S.Picture(kBlack);
  for (int Y = 0; Y < S.Height(); ++Y)
    for (int X = 0; X < S.Width(); ++X)
      if (S.At(X, Y) == kRed) P[std::size_t(Y)][std::size_t(X)] = 'o';
  return P;
}

enum TShape { Box, Round, Oval };

BOOL Draw(TShape Shape, HDC DC, int L, int T, int R, int B) {
  switch (Shape) {
  case Box: return Rectangle(DC, L, T, R, B);
  case Round: return RoundRect(DC, L, T, R, B, 4, 4);
  case Oval: return Ellipse(DC, L, T, R, B);
  }
  return FALSE;
}

} // namespace

TEST_F(ShapesTest, OutlinesStayInsideTheBounds) {
  struct TCase {
    TShape Shape;
    int PenWidth;
    int W, H;
    TPicture Expected;
  };
  const TCase Cases[] = {
      {Box, 1, 6, 4, {"######", "#oooo#", "#oooo#", "######"}},
      {Box,
       3,
       8,
       7,
       {"########", "########", "########", "###oo###", "########", "########", "########"}},
      {Box, 1, 1, 3, {"#", "#", "#"}},
      {Oval, 1, 5, 5, {".###.", "#ooo#", "#ooo#", "#ooo#", ".###."}},
      {Oval, 1, 8, 6, {"..####..", ".#oooo#.", "#oooooo#", "#oooooo#", ".#oooo#.", "..####.."}},
      {Round, 1, 8, 6, {".######.", "#oooooo#", "#oooooo#", "#oooooo#", "#oooooo#", ".######."}},
      {Round,
       3,
       10,
       8,
       {".########.", "##########", "##########", "###oooo###", "###oooo###", "##########",
        "##########", ".########."}},
  };
  for (const TCase& C : Cases) {
    TTestSurface S(C.W, C.H);
    TSelected Pen(S.DC, CreatePen(PS_SOLID, C.PenWidth, kBlack));
    TSelected Brush(S.DC, CreateSolidBrush(kRed));
    EXPECT_TRUE(Draw(C.Shape, S.DC, 0, 0, C.W, C.H));
    EXPECT_EQ(Render(S), C.Expected) << "shape " << C.Shape << " pen " << C.PenWidth;
  }
}

TEST_F(ShapesTest, OneColumnRectangleIsOnlyPen) {
  TTestSurface S(3, 10);
  TSelected Brush(S.DC, CreateSolidBrush(kRed));
  Rectangle(S.DC, 0, 0, 1, 10);
  EXPECT_EQ(S.Count(kBlack), 10);
  for (int Y = 0; Y < 10; ++Y) EXPECT_EQ(S.At(0, Y), kBlack);
}

TEST_F(ShapesTest, WideEllipseOutlineIsSymmetricAndInside) {
  TTestSurface S(13, 11);
  TSelected Pen(S.DC, CreatePen(PS_SOLID, 3, kBlack));
  TSelected Brush(S.DC, CreateSolidBrush(kRed));
  Ellipse(S.DC, 1, 1, 12, 10);
  for (int Y = 0; Y < 11; ++Y)
    for (int X = 0; X < 13; ++X) {
      EXPECT_EQ(S.At(X, Y), S.At(12 - X, Y)) << X << "," << Y;
      EXPECT_EQ(S.At(X, Y), S.At(X, 10 - Y)) << X << "," << Y;
      if (X == 0 || Y == 0 || X == 12 || Y == 10) {
        EXPECT_EQ(S.At(X, Y), kWhite);
      }
    }
  EXPECT_EQ(S.At(6, 1), kBlack);
  EXPECT_EQ(S.At(1, 5), kBlack);
  EXPECT_EQ(S.At(6, 3), kBlack);
  EXPECT_EQ(S.At(6, 4), kRed);
  EXPECT_EQ(S.At(6, 5), kRed);
}

TEST_F(ShapesTest, NullPenFillsOnePixelLessOnRightAndBottom) {
  for (TShape Shape : {Box, Oval}) {
    TTestSurface S(8, 7);
    SelectObject(S.DC, GetStockObject(NULL_PEN));
    TSelected Brush(S.DC, CreateSolidBrush(kRed));
    Draw(Shape, S.DC, 1, 1, 7, 6);
    for (int I = 0; I < 7; ++I) {
      EXPECT_EQ(S.At(6, I), kWhite);
      EXPECT_EQ(S.At(I, 5), kWhite);
    }
    EXPECT_EQ(S.At(3, 3), kRed);
    EXPECT_EQ(S.At(1, 1) == kRed, Shape == Box);
    EXPECT_EQ(S.Count(kRed), Shape == Box ? 20 : 16);
  }
}

TEST_F(ShapesTest, NullBrushLeavesTheInside) {
  TTestSurface S(5, 5, kBlue);
  SelectObject(S.DC, GetStockObject(NULL_BRUSH));
  Rectangle(S.DC, 0, 0, 5, 5);
  EXPECT_EQ(S.At(2, 2), kBlue);
  EXPECT_EQ(S.Count(kBlack), 16);
}

TEST_F(ShapesTest, InvertedBoundsAreNormalisedAndEmptyOnesDrawNothing) {
  for (TShape Shape : {Box, Round, Oval}) {
    TTestSurface A(8, 6), B(8, 6);
    Draw(Shape, A.DC, 0, 0, 8, 6);
    Draw(Shape, B.DC, 8, 6, 0, 0);
    EXPECT_EQ(A.Picture(kBlack), B.Picture(kBlack));
    TTestSurface E(8, 6);
    EXPECT_TRUE(Draw(Shape, E.DC, 3, 1, 3, 5));
    EXPECT_TRUE(Draw(Shape, E.DC, 1, 2, 7, 2));
    EXPECT_EQ(E.Count(kWhite), 48);
  }
}

TEST_F(ShapesTest, XorShapesUndoThemselves) {
  for (TShape Shape : {Box, Round, Oval}) {
    TTestSurface S(12, 10);
    S.Set(5, 5, RGB(9, 9, 9));
    TSelected Pen(S.DC, CreatePen(PS_SOLID, 2, RGB(0x55, 0x66, 0x77)));
    TSelected Brush(S.DC, CreateHatchBrush(HS_DIAGCROSS, RGB(1, 2, 3)));
    SetROP2(S.DC, R2_XORPEN);
    Draw(Shape, S.DC, 1, 1, 11, 9);
    EXPECT_LT(S.Count(kWhite), 119);
    Draw(Shape, S.DC, 1, 1, 11, 9);
    EXPECT_EQ(S.Count(kWhite), 119) << "shape " << Shape;
    EXPECT_EQ(S.At(5, 5), RGB(9, 9, 9));
  }
}

TEST_F(ShapesTest, DottedPenDrawsAStyledFrameAroundARectangle) {
  TTestSurface S(8, 4);
  TSelected Pen(S.DC, CreatePen(PS_DOT, 1, kBlack));
  SelectObject(S.DC, GetStockObject(NULL_BRUSH));
  SetBkMode(S.DC, TRANSPARENT);
  Rectangle(S.DC, 0, 0, 8, 4);
  EXPECT_EQ(S.Picture(kBlack), (TPicture{"###...##", "#......#", "#.......", "...###.."}));
}

TEST_F(ShapesTest, HugeBoundsAreClippedWithoutOverflow) {
  for (TShape Shape : {Box, Round, Oval}) {
    TTestSurface S(16, 16);
    TSelected Pen(S.DC, CreatePen(PS_SOLID, 5, kBlack));
    TSelected Brush(S.DC, CreateSolidBrush(kRed));
    EXPECT_TRUE(Draw(Shape, S.DC, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(S.Count(kRed), 256) << "shape " << Shape;
    SetViewportOrgEx(S.DC, INT_MAX, INT_MAX, nullptr);
    S.Clear(kWhite);
    EXPECT_TRUE(Draw(Shape, S.DC, INT_MIN, INT_MIN, INT_MIN + 20, INT_MIN + 20));
    EXPECT_LT(S.Count(kWhite), 256);
  }
}
