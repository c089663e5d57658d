#include "GdiTestSupport.h"

#include <climits>

using namespace gditest;

namespace {

class ClipTest : public TGdiTest {};

TRect ClipBox(HDC DC, int* Complexity = nullptr) {
  TRect Box{};
  int C = GetClipBox(DC, &Box);
  if (Complexity) *Complexity = C;
  return Box;
}

} // namespace

TEST_F(ClipTest, SelectClipRgnTakesACopyInDeviceCoordinates) {
  TTestSurface S(20, 20);
  HRGN Rgn = CreateRectRgn(2, 2, 8, 8);
  SetWindowOrgEx(S.DC, 10, 0, nullptr);
  EXPECT_EQ(SelectClipRgn(S.DC, Rgn), SIMPLEREGION);
  SetRectRgn(Rgn, 0, 0, 1, 1);
  int C;
  EXPECT_EQ(ClipBox(S.DC, &C), (TRect{12, 2, 18, 8}));
  EXPECT_EQ(C, SIMPLEREGION);
  HRGN Out = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(S.DC, Out), 1);
  HRGN Expected = CreateRectRgn(2, 2, 8, 8);
  EXPECT_TRUE(EqualRgn(Out, Expected));
  EXPECT_EQ(SelectClipRgn(S.DC, nullptr), SIMPLEREGION);
  EXPECT_EQ(GetClipRgn(S.DC, Out), 0);
  EXPECT_EQ(ClipBox(S.DC), (TRect{10, 0, 30, 20}));
  for (HRGN H : {Rgn, Out, Expected}) DeleteObject(H);
}

TEST_F(ClipTest, RectangleFormsUseLogicalCoordinates) {
  TTestSurface S(20, 20);
  SetViewportOrgEx(S.DC, 5, 5, nullptr);
  int C = IntersectClipRect(S.DC, 10, 10, 0, 0);
  EXPECT_EQ(C, SIMPLEREGION);
  SetViewportOrgEx(S.DC, 0, 0, nullptr);
  EXPECT_EQ(ClipBox(S.DC), (TRect{5, 5, 15, 15})) << "the clip stays where it was set";
  EXPECT_EQ(ExcludeClipRect(S.DC, 8, 0, 9, 20), COMPLEXREGION);
  EXPECT_FALSE(PtVisible(S.DC, 8, 10));
  EXPECT_TRUE(PtVisible(S.DC, 9, 10));
  EXPECT_EQ(OffsetClipRgn(S.DC, 10, 0), COMPLEXREGION);
  EXPECT_EQ(ClipBox(S.DC), (TRect{15, 5, 20, 15})) << "the surface still limits the box";
  TRect Inside{16, 6, 17, 7}, Outside{0, 0, 15, 20}, Inverted{17, 7, 16, 6};
  EXPECT_TRUE(RectVisible(S.DC, &Inside));
  EXPECT_FALSE(RectVisible(S.DC, &Outside));
  EXPECT_TRUE(RectVisible(S.DC, &Inverted));
  EXPECT_EQ(IntersectClipRect(S.DC, 0, 0, 1, 1), NULLREGION);
  EXPECT_EQ(ClipBox(S.DC), (TRect{0, 0, 0, 0}));
}

TEST_F(ClipTest, ExtSelectClipRgnCombinesWithTheWholeSurfaceWhenUnclipped) {
  struct TCase {
    int Mode;
    int Complexity;
    TRect Box;
  };
  const TCase Cases[] = {
      {RGN_AND, SIMPLEREGION, {2, 2, 6, 6}},    {RGN_OR, SIMPLEREGION, {0, 0, 10, 10}},
      {RGN_XOR, COMPLEXREGION, {0, 0, 10, 10}}, {RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}},
      {RGN_COPY, SIMPLEREGION, {2, 2, 6, 6}},
  };
  HRGN Rgn = CreateRectRgn(2, 2, 6, 6);
  for (const TCase& C : Cases) {
    TTestSurface S(10, 10);
    EXPECT_EQ(ExtSelectClipRgn(S.DC, Rgn, C.Mode), C.Complexity) << "mode " << C.Mode;
    EXPECT_EQ(ClipBox(S.DC), C.Box) << "mode " << C.Mode;
    EXPECT_EQ(PtVisible(S.DC, 3, 3), C.Mode != RGN_XOR && C.Mode != RGN_DIFF);
  }
  TTestSurface S(10, 10);
  EXPECT_EQ(ExtSelectClipRgn(S.DC, nullptr, RGN_AND), ERROR);
  EXPECT_EQ(ExtSelectClipRgn(S.DC, Rgn, 0), ERROR);
  DeleteObject(Rgn);
  EXPECT_EQ(SelectClipRgn(S.DC, Rgn), ERROR);
  TRect Box;
  EXPECT_EQ(GetClipBox(S.DC, nullptr), ERROR);
  EXPECT_EQ(GetClipBox(nullptr, &Box), ERROR);
  EXPECT_EQ(GetClipRgn(S.DC, Rgn), -1);
}

TEST_F(ClipTest, ClipRectsSurviveHugeCoordinates) {
  TTestSurface S(8, 8);
  SetWindowOrgEx(S.DC, INT_MIN, 0, nullptr);
  EXPECT_EQ(IntersectClipRect(S.DC, INT_MAX - 4, 0, INT_MAX, 8), NULLREGION);
  SetWindowOrgEx(S.DC, 0, 0, nullptr);
  SelectClipRgn(S.DC, nullptr);
  EXPECT_EQ(IntersectClipRect(S.DC, INT_MIN, INT_MIN, INT_MAX, INT_MAX), SIMPLEREGION);
  // The clip is the whole int range: one offset moves its left edge to -1,
  // the next pushes it past the surface.
  EXPECT_EQ(OffsetClipRgn(S.DC, INT_MAX, 0), SIMPLEREGION);
  EXPECT_EQ(OffsetClipRgn(S.DC, INT_MAX, 0), NULLREGION);
}

TEST_F(ClipTest, IntersectingNoClipTakesTheRectangleItself) {
  // The surface and the visible region are not part of the clip region:
  // a larger bitmap selected or a window uncovered afterwards shows the
  // whole rectangle.
  HDC Memory = CreateCompatibleDC(nullptr);
  EXPECT_EQ(IntersectClipRect(Memory, 0, 0, 5, 4), SIMPLEREGION);
  HRGN Clip = CreateRectRgn(0, 0, 0, 0), Expected = CreateRectRgn(0, 0, 5, 4);
  EXPECT_EQ(GetClipRgn(Memory, Clip), 1);
  EXPECT_TRUE(EqualRgn(Clip, Expected));
  HBITMAP Larger = CreateBitmap(8, 8, 1, 32, nullptr);
  SelectObject(Memory, Larger);
  TRect Whole{0, 0, 8, 8};
  FillRect(Memory, &Whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(GdiFind<TGdiBitmap>(Larger, OBJ_BITMAP)->ReadPixel(4, 3), 0xFFFFFFu);
  EXPECT_EQ(GdiFind<TGdiBitmap>(Larger, OBJ_BITMAP)->ReadPixel(5, 3), 0u);
  DeleteDC(Memory);
  DeleteObject(Larger);

  TGdiBitmap Window(20, 4, 32);
  for (int Y = 0; Y < 4; ++Y) Window.FillSpan(0, 20, Y, 0xFFFFFF);
  TRegionData Covered(TRect{0, 0, 4, 4}), Uncovered(TRect{0, 0, 20, 4});
  HDC DC = GdiCreateSurfaceDC(&Window, TPoint{0, 0}, &Covered, nullptr);
  EXPECT_EQ(ExtSelectClipRgn(DC, Expected, RGN_AND), SIMPLEREGION);
  EXPECT_EQ(GetClipRgn(DC, Clip), 1);
  EXPECT_TRUE(EqualRgn(Clip, Expected));
  GdiSetSurfaceDCVisible(DC, TPoint{0, 0}, &Uncovered);
  TRect All{0, 0, 20, 4};
  FillRect(DC, &All, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  int Painted = 0;
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 20; ++X) Painted += Window.ReadPixel(X, Y) == 0;
  EXPECT_EQ(Painted, 20);
  DeleteDC(DC);
  DeleteObject(Clip);
  DeleteObject(Expected);
}

TEST_F(ClipTest, ExcludingFromNoClipLeavesTheVisibleRegionOut) {
  // A window DC whose window is covered but for two columns at its ends:
  // excluding a rectangle starts from the whole surface, so the covered
  // part does not become part of the clip and is drawn once uncovered.
  TGdiBitmap Window(10, 2, 32);
  for (int Y = 0; Y < 2; ++Y) Window.FillSpan(0, 10, Y, 0xFFFFFF);
  TRegionData Covered = TRegionData::FromRects({TRect{0, 0, 1, 2}, TRect{9, 0, 10, 2}});
  TRegionData Uncovered(TRect{0, 0, 10, 2});
  HDC DC = GdiCreateSurfaceDC(&Window, TPoint{0, 0}, &Covered, nullptr);
  EXPECT_EQ(ExcludeClipRect(DC, 4, 0, 6, 2), COMPLEXREGION);
  HRGN Clip = CreateRectRgn(0, 0, 0, 0), Expected = CreateRectRgn(0, 0, 4, 2),
       Right = CreateRectRgn(6, 0, 10, 2);
  CombineRgn(Expected, Expected, Right, RGN_OR);
  EXPECT_EQ(GetClipRgn(DC, Clip), 1);
  EXPECT_TRUE(EqualRgn(Clip, Expected));
  GdiSetSurfaceDCVisible(DC, TPoint{0, 0}, &Uncovered);
  TRect All{0, 0, 10, 2};
  FillRect(DC, &All, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  std::string Row;
  for (int X = 0; X < 10; ++X) Row += Window.ReadPixel(X, 0) == 0 ? '#' : '.';
  EXPECT_EQ(Row, "####..####");
  DeleteDC(DC);
  for (HRGN H : {Clip, Expected, Right}) DeleteObject(H);
}
