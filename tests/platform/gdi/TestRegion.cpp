#include "GdiTestSupport.h"

#include "platform/gdi/Region.h"

#include <climits>
#include <random>
#include <utility>

using namespace gditest;

namespace {

// Pixels of regions that lie within [-8, 32) on both axes, as a grid.
constexpr int kOrigin = -8, kSpan = 40;
using TPixels = std::vector<bool>;

TPixels PixelsOf(const TRegionData& R) {
  TPixels P(kSpan * kSpan, false);
  for (const TRect& Q : R.Rects())
    for (int Y = Q.Top; Y < Q.Bottom; ++Y)
      for (int X = Q.Left; X < Q.Right; ++X) P[(Y - kOrigin) * kSpan + (X - kOrigin)] = true;
  return P;
}

// The region's rectangles must be disjoint, sorted by top then left,
// banded (equal tops share bottoms), and no band may repeat the one above.
void ExpectCanonical(const TRegionData& R) {
  const auto& Rs = R.Rects();
  for (std::size_t i = 0; i < Rs.size(); ++i) {
    ASSERT_LT(Rs[i].Left, Rs[i].Right);
    ASSERT_LT(Rs[i].Top, Rs[i].Bottom);
    if (i == 0) continue;
    const TRect &A = Rs[i - 1], &B = Rs[i];
    if (A.Top == B.Top) {
      ASSERT_EQ(A.Bottom, B.Bottom);
      ASSERT_LT(A.Right, B.Left) << "touching rectangles in one band";
    } else {
      ASSERT_LE(A.Bottom, B.Top);
    }
  }
}

class RegionTest : public TGdiTest {};

} // namespace

TEST_F(RegionTest, CombineModesOfOverlappingSquares) {
  struct TCase {
    int Mode;
    int Complexity;
    std::vector<TRect> Rects;
  };
  const TCase Cases[] = {
      {RGN_AND, SIMPLEREGION, {{5, 5, 10, 10}}},
      {RGN_OR, COMPLEXREGION, {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
      {RGN_XOR, COMPLEXREGION, {{0, 0, 10, 5}, {0, 5, 5, 10}, {10, 5, 15, 10}, {5, 10, 15, 15}}},
      {RGN_DIFF, COMPLEXREGION, {{0, 0, 10, 5}, {0, 5, 5, 10}}},
      {RGN_COPY, SIMPLEREGION, {{0, 0, 10, 10}}},
  };
  for (const TCase& C : Cases) {
    HRGN A = CreateRectRgn(0, 0, 10, 10), B = CreateRectRgn(5, 5, 15, 15);
    HRGN D = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(D, A, B, C.Mode), C.Complexity) << "mode " << C.Mode;
    auto* R = GdiFind<TGdiRegion>(D, OBJ_REGION);
    EXPECT_EQ(R->Data.Rects(), C.Rects) << "mode " << C.Mode;
    for (HRGN H : {A, B, D}) DeleteObject(H);
  }
}

TEST_F(RegionTest, CombineMatchesPixelSetsOnRandomRegions) {
  std::mt19937 Rng(12345);
  std::uniform_int_distribution<int> Coord(-6, 20);
  auto RandomRegion = [&] {
    std::vector<TRect> Rs;
    int N = 1 + int(Rng() % 5);
    for (int i = 0; i < N; ++i) {
      int L = Coord(Rng), T = Coord(Rng);
      Rs.push_back(TRect{L, T, L + 1 + int(Rng() % 9), T + 1 + int(Rng() % 9)});
    }
    return TRegionData::FromRects(Rs);
  };
  for (int Round = 0; Round < 100; ++Round) {
    TRegionData A = RandomRegion(), B = RandomRegion();
    TPixels PA = PixelsOf(A), PB = PixelsOf(B);
    for (int Mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF}) {
      TRegionData C = TRegionData::Combine(A, B, Mode);
      ExpectCanonical(C);
      TPixels Expected(PA.size());
      for (std::size_t i = 0; i < PA.size(); ++i) {
        bool InA = PA[i], InB = PB[i];
        Expected[i] = Mode == RGN_AND   ? InA && InB
                      : Mode == RGN_OR  ? InA || InB
                      : Mode == RGN_XOR ? InA != InB
                                        : InA && !InB;
      }
      ASSERT_EQ(PixelsOf(C), Expected) << "round " << Round << " mode " << Mode;
      TPixels Hits(Expected.size());
      for (std::size_t i = 0; i < Hits.size(); ++i)
        Hits[i] = C.Contains(int(i % kSpan) + kOrigin, int(i / kSpan) + kOrigin);
      ASSERT_EQ(Hits, Expected) << "Contains, round " << Round << " mode " << Mode;
    }
  }
}

TEST_F(RegionTest, AdjacentRectanglesMergeIntoOneSimpleRegion) {
  for (auto Pair : {std::pair{TRect{0, 0, 5, 10}, TRect{5, 0, 10, 10}},
                    std::pair{TRect{0, 0, 10, 4}, TRect{0, 4, 10, 10}}}) {
    HRGN A = CreateRectRgnIndirect(&Pair.first), B = CreateRectRgnIndirect(&Pair.second);
    HRGN Whole = CreateRectRgn(0, 0, 10, 10);
    EXPECT_EQ(CombineRgn(A, A, B, RGN_OR), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(A, Whole));
    for (HRGN H : {A, B, Whole}) DeleteObject(H);
  }
}

TEST_F(RegionTest, CreationNormalisesInvertedAndEmptyRectangles) {
  HRGN R = CreateRectRgn(10, 20, 0, 5);
  TRect Box;
  EXPECT_EQ(GetRgnBox(R, &Box), SIMPLEREGION);
  EXPECT_EQ(Box, (TRect{0, 5, 10, 20}));
  EXPECT_TRUE(SetRectRgn(R, 3, 3, 3, 9));
  EXPECT_EQ(GetRgnBox(R, &Box), NULLREGION);
  EXPECT_EQ(Box, (TRect{0, 0, 0, 0}));
  DeleteObject(R);
}

TEST_F(RegionTest, PointAndRectangleQueriesExcludeRightAndBottom) {
  HRGN R = CreateRectRgn(2, 2, 6, 6);
  EXPECT_TRUE(PtInRegion(R, 2, 2));
  EXPECT_TRUE(PtInRegion(R, 5, 5));
  EXPECT_FALSE(PtInRegion(R, 6, 5));
  EXPECT_FALSE(PtInRegion(R, 5, 6));
  TRect Touching{6, 0, 9, 9}, Overlapping{5, 5, 9, 9}, Inverted{9, 9, 5, 5};
  EXPECT_FALSE(RectInRegion(R, &Touching));
  EXPECT_TRUE(RectInRegion(R, &Overlapping));
  EXPECT_TRUE(RectInRegion(R, &Inverted));
  DeleteObject(R);
}

TEST_F(RegionTest, OffsetSaturatesAtTheCoordinateLimit) {
  HRGN R = CreateRectRgn(INT_MAX - 10, 0, INT_MAX, 10);
  EXPECT_EQ(OffsetRgn(R, 5, 0), SIMPLEREGION);
  TRect Box;
  GetRgnBox(R, &Box);
  EXPECT_EQ(Box, (TRect{INT_MAX - 5, 0, INT_MAX, 10}));
  EXPECT_EQ(OffsetRgn(R, INT_MAX, 0), NULLREGION);
  EXPECT_EQ(OffsetRgn(R, -3, 4), NULLREGION);
  DeleteObject(R);
}

TEST_F(RegionTest, BadHandlesFail) {
  HRGN R = CreateRectRgn(0, 0, 4, 4);
  HRGN Stale = CreateRectRgn(0, 0, 1, 1);
  DeleteObject(Stale);
  TRect Box;
  EXPECT_EQ(CombineRgn(R, R, Stale, RGN_OR), ERROR);
  EXPECT_EQ(CombineRgn(Stale, R, R, RGN_OR), ERROR);
  EXPECT_EQ(CombineRgn(R, R, R, 9), ERROR);
  EXPECT_EQ(CombineRgn(R, R, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_EQ(GetRgnBox(Stale, &Box), ERROR);
  EXPECT_EQ(OffsetRgn(Stale, 1, 1), ERROR);
  EXPECT_FALSE(SetRectRgn(Stale, 0, 0, 1, 1));
  EXPECT_FALSE(PtInRegion(Stale, 0, 0));
  EXPECT_FALSE(EqualRgn(R, Stale));
  EXPECT_FALSE(DeleteObject(Stale));
  DeleteObject(R);
}
