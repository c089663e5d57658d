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
  EXPECT_EQ(OffsetClipRgn(S.DC, INT_MAX, 0), NULLREGION);
}
