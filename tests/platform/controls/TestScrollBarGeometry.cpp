// Scroll bar geometry: arrow sizes, the thumb's length in proportion to the
// page, the position <-> offset mapping, and the thumb as the screen shows
// it.
#include "ControlsTest.h"

#include <climits>

namespace {

class TScrollBarGeometryTest : public TControlsTest {};

TEST_F(TScrollBarGeometryTest, ThumbLengthFollowsThePageShareOfTheTrack) {
  // 200 x 16: arrows of 16, a track of 168.
  struct TCase {
    int Min, Max;
    UINT Page;
    int Length; // 0: no thumb
  };
  const TCase Cases[] = {
      {0, 99, 0, 16},       {0, 99, 10, 17}, {0, 99, 50, 84},     {0, 99, 99, 166},
      {0, 99, 1, 8},        {0, 99, 100, 0}, {7, 7, 0, 0},        {0, 1, 1, 84},
      {-1000, 1000, 0, 16}, {0, 3, 2, 84},   {0, INT_MAX, 0, 16},
  };
  for (bool Vertical : {false, true}) {
    TRect Client = Vertical ? TRect{0, 0, 16, 200} : TRect{0, 0, 200, 16};
    for (const TCase& C : Cases) {
      SCOPED_TRACE(testing::Message()
                   << Vertical << " " << C.Min << ".." << C.Max << " page " << C.Page);
      auto G = TScrollBarGeometry::Compute(Client, Vertical, C.Min, C.Max, C.Page, C.Min);
      EXPECT_EQ(G.HasThumb, C.Length != 0);
      if (!G.HasThumb) continue;
      EXPECT_EQ(G.ThumbEnd() - G.ThumbStart(), C.Length);
      EXPECT_EQ(G.ThumbStart(), 16);
      EXPECT_EQ(G.Travel(), 168 - C.Length);
      EXPECT_EQ(G.Thickness(), 16);
    }
  }
}

TEST_F(TScrollBarGeometryTest, ArrowsShareAShortBar) {
  struct TCase {
    int Length;
    int Arrow;
    bool Thumb;
  };
  for (TCase C :
       {TCase{200, 16, true}, TCase{48, 16, true}, TCase{39, 16, false}, TCase{31, 15, false},
        TCase{20, 10, false}, TCase{1, 0, false}, TCase{0, 0, false}}) {
    SCOPED_TRACE(C.Length);
    auto G = TScrollBarGeometry::Compute(TRect{0, 0, C.Length, 16}, false, 0, 100, 0, 0);
    EXPECT_EQ(G.UpArrow, (TRect{0, 0, C.Arrow, 16}));
    EXPECT_EQ(G.DownArrow, (TRect{C.Length - C.Arrow, 0, C.Length, 16}));
    EXPECT_EQ(G.Track, (TRect{C.Arrow, 0, C.Length - C.Arrow, 16}));
    EXPECT_EQ(G.HasThumb, C.Thumb);
  }
}

TEST_F(TScrollBarGeometryTest, OffsetsAndPositionsMapBothWays) {
  struct TCase {
    int Min, Max;
    UINT Page;
  };
  for (TCase C : {TCase{0, 100, 0}, TCase{0, 1000, 0}, TCase{-5, 5, 3}, TCase{0, 1279, 0},
                  TCase{0, 100, 40}}) {
    SCOPED_TRACE(testing::Message() << C.Min << ".." << C.Max << " page " << C.Page);
    auto G = TScrollBarGeometry::Compute(TRect{0, 0, 200, 16}, false, C.Min, C.Max, C.Page, 0);
    ASSERT_TRUE(G.HasThumb);
    int Last = C.Max - std::max(int(C.Page) - 1, 0);
    EXPECT_EQ(G.OffsetOfPos(C.Min), 0);
    EXPECT_EQ(G.OffsetOfPos(Last), G.Travel());
    EXPECT_EQ(G.PosAtOffset(-50), C.Min);
    EXPECT_EQ(G.PosAtOffset(G.Travel() + 50), Last);
    // With more positions than pixels every offset is reachable; with fewer,
    // every position is.
    if (Last - C.Min >= G.Travel()) {
      for (int O = 0; O <= G.Travel(); ++O) EXPECT_EQ(G.OffsetOfPos(G.PosAtOffset(O)), O);
    } else {
      for (int P = C.Min; P <= Last; ++P) EXPECT_EQ(G.PosAtOffset(G.OffsetOfPos(P)), P);
    }
  }
}

TEST_F(TScrollBarGeometryTest, HugeRangesDoNotOverflow) {
  auto G = TScrollBarGeometry::Compute(TRect{0, 0, 200, 16}, false, INT_MIN / 2, INT_MAX / 2, 0, 0);
  ASSERT_TRUE(G.HasThumb);
  EXPECT_EQ(G.PosAtOffset(G.Travel()), INT_MAX / 2);
  EXPECT_EQ(G.OffsetOfPos(INT_MAX / 2), G.Travel());
  EXPECT_EQ(G.OffsetOfPos(0), G.Travel() / 2);
  auto Wide =
      TScrollBarGeometry::Compute(TRect{0, 0, INT_MAX / 2, 16}, false, 0, INT_MAX, UINT_MAX, 0);
  EXPECT_FALSE(Wide.HasThumb);
  auto Big =
      TScrollBarGeometry::Compute(TRect{0, 0, INT_MAX / 2, 16}, false, 0, INT_MAX - 1, 1u << 30, 0);
  ASSERT_TRUE(Big.HasThumb);
  EXPECT_GT(Big.ThumbEnd() - Big.ThumbStart(), INT_MAX / 8);
}

TEST_F(TScrollBarGeometryTest, ScreenShowsTheThumbWithItsLengthAndPlace) {
  struct TCase {
    UINT Page;
    int Pos;
  };
  for (TCase C : {TCase{0, 0}, TCase{10, 45}, TCase{50, 50}, TCase{1, 99}}) {
    SCOPED_TRACE(C.Page);
    HWND Bar = CreateBar(SBS_HORZ, TRect{10, 20, 210, 36}, 0, 99, C.Page, C.Pos);
    TScrollBarGeometry G = TScrollBarControl::Of(Bar)->Geometry();
    ASSERT_TRUE(G.HasThumb);
    // The thumb's top line is the only 3DLIGHT run on the track's first row.
    int First = -1, Run = 0;
    for (int X = G.Track.Left; X < G.Track.Right; ++X) {
      if (Pixel(Bar, X, 0) != GetSysColor(COLOR_3DLIGHT)) continue;
      if (First < 0) First = X;
      ++Run;
    }
    // The last pixel of the top line belongs to the dark right edge.
    EXPECT_EQ(First, G.ThumbStart());
    EXPECT_EQ(Run + 1, G.ThumbEnd() - G.ThumbStart());
    DestroyWindow(Bar);
  }
}

} // namespace
