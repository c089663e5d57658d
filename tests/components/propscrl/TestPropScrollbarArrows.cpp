// The arrow state: disabled at a reached end at the end of a scroll, never
// enabled again by the bar itself, reset by a new range or a new window.
#include "PropScrollbarTest.h"

#include "framework/runtime/Exceptions.h"

#include <climits>

namespace propscrltest {
namespace {

using TArrowsTest = TPropScrollbarTest;

const char* ArrowName(UINT State) {
  switch (State) {
  case ESB_ENABLE_BOTH: return "both enabled";
  case ESB_DISABLE_LTUP: return "decreasing disabled";
  case ESB_DISABLE_RTDN: return "increasing disabled";
  case ESB_DISABLE_BOTH: return "both disabled";
  }
  return "?";
}

TEST_F(TArrowsTest, DefaultsLeaveTheBaseAlone) {
  EXPECT_FALSE(Bar->GetAutoArrowDisable());
  EXPECT_EQ(Bar->GetPageSize(), 0);
  EXPECT_EQ(Bar->TScrollBar::GetPageSize(), 0);
  EXPECT_FALSE(Bar->GetScrollHint());
  EXPECT_EQ(Bar->GetScrollHintPrefix(), "");
  EXPECT_EQ(Bar->GetScrollHintMode(), shTrack);
  EXPECT_EQ(Bar->GetScrollHintColor(), clYellow);
  EXPECT_FALSE(Bar->OnScrollBarHint);
  EXPECT_FALSE(Bar->HintShowing());
  ASSERT_NE(Bar->HintWindow(), nullptr);
  EXPECT_EQ(Bar->HintWindow()->Owner(), Bar);
  EXPECT_FALSE(Bar->HintWindow()->HandleAllocated());
  // What the base gives.
  EXPECT_EQ(Bar->GetKind(), sbHorizontal);
  EXPECT_EQ(Bar->GetMin(), 0);
  EXPECT_EQ(Bar->GetMax(), 100);
  EXPECT_EQ(Bar->GetPosition(), 0);
  EXPECT_TRUE(Bar->GetTabStop());
  auto* Fresh = Create<TPropScrollbar>(Form);
  EXPECT_EQ(Fresh->GetWidth(), 121);
  EXPECT_EQ(Fresh->GetHeight(), GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
}

// Each case: a start position and arrow state, one mouse action, and the
// arrow state the end of that scroll leaves.
TEST_F(TArrowsTest, EndOfScrollDisablesTheArrowOfAReachedEnd) {
  enum TAction { UpArrow, DownArrow, ThumbToStart, ThumbToEnd, ThumbTo50 };
  struct {
    const char* Name;
    int PageSize, Start;
    UINT Before;
    TAction Action;
    int End;
    UINT After;
  } const Cases[] = {
      {"arrow to Min", 0, 1, ESB_ENABLE_BOTH, UpArrow, 0, ESB_DISABLE_LTUP},
      {"arrow to Max", 0, 99, ESB_ENABLE_BOTH, DownArrow, 100, ESB_DISABLE_RTDN},
      {"arrow in between", 0, 50, ESB_ENABLE_BOTH, DownArrow, 51, ESB_ENABLE_BOTH},
      {"thumb to Min", 0, 60, ESB_ENABLE_BOTH, ThumbToStart, 0, ESB_DISABLE_LTUP},
      {"thumb to Max", 0, 60, ESB_ENABLE_BOTH, ThumbToEnd, 100, ESB_DISABLE_RTDN},
      // Leaving an end enables nothing.
      {"leaving Min", 0, 0, ESB_DISABLE_LTUP, DownArrow, 1, ESB_DISABLE_LTUP},
      {"leaving Max", 0, 100, ESB_DISABLE_RTDN, UpArrow, 99, ESB_DISABLE_RTDN},
      {"Min to Max", 0, 0, ESB_DISABLE_LTUP, ThumbToEnd, 100, ESB_DISABLE_RTDN},
      {"Max to Min", 0, 100, ESB_DISABLE_RTDN, ThumbToStart, 0, ESB_DISABLE_LTUP},
      {"Max to middle", 0, 100, ESB_DISABLE_RTDN, ThumbTo50, 50, ESB_DISABLE_RTDN},
      // The last page counts as the end.
      {"page 10 at 90", 10, 89, ESB_ENABLE_BOTH, DownArrow, 90, ESB_DISABLE_RTDN},
      {"page 10 at 89", 10, 88, ESB_ENABLE_BOTH, DownArrow, 89, ESB_ENABLE_BOTH},
  };
  Bar->SetAutoArrowDisable(true);
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    Bar->SetPageSize(C.PageSize);
    Bar->SetPosition(C.Start);
    EnableScrollBar(Bar->GetHandle(), SB_CTL, C.Before);
    Desk->PumpUntilIdle();
    switch (C.Action) {
    case UpArrow: ClickUpArrow(); break;
    case DownArrow: ClickDownArrow(); break;
    case ThumbToStart: DragThumb(0); break;
    case ThumbToEnd: DragThumb(100 - C.PageSize); break;
    case ThumbTo50: DragThumb(50); break;
    }
    EXPECT_EQ(Bar->GetPosition(), C.End);
    EXPECT_STREQ(ArrowName(Arrows()), ArrowName(C.After));
  }
}

// The rule takes the end position as OnScroll leaves it.
TEST_F(TArrowsTest, TheEndPositionIsTheOneOnScrollLeaves) {
  Bar->SetAutoArrowDisable(true);
  Bar->SetPosition(50);
  Events.EndOverride = 100;
  ClickDownArrow();
  EXPECT_EQ(Bar->GetPosition(), 100);
  EXPECT_EQ(Arrows(), ESB_DISABLE_RTDN);
  Events.EndOverride = 0;
  ClickUpArrow();
  EXPECT_EQ(Bar->GetPosition(), 0);
  EXPECT_EQ(Arrows(), ESB_DISABLE_LTUP);
}

TEST_F(TArrowsTest, WithoutAutoArrowDisableNoArrowIsTouched) {
  ClickDownArrow();
  DragThumb(100);
  EXPECT_EQ(Bar->GetPosition(), 100);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
  DragThumb(0);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
}

TEST_F(TArrowsTest, SwitchingAutoArrowDisable) {
  // On: the current position counts at once.
  Bar->SetAutoArrowDisable(true);
  EXPECT_EQ(Arrows(), ESB_DISABLE_LTUP);
  // Off: both arrows at once, and ends no longer disable anything.
  Bar->SetAutoArrowDisable(false);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
  ClickDownArrow();
  ClickUpArrow();
  EXPECT_EQ(Bar->GetPosition(), 0);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
  // On in between: nothing to disable.
  Bar->SetPosition(40);
  Bar->SetAutoArrowDisable(true);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
  // A one-position range reaches both ends; the increasing arrow's
  // setting comes last and stands.
  Bar->SetParams(5, 5, 5);
  Bar->SetAutoArrowDisable(true);
  EXPECT_EQ(Arrows(), ESB_DISABLE_RTDN);
}

TEST_F(TArrowsTest, PositionsSetByCodeChangeNoArrow) {
  Bar->SetAutoArrowDisable(true);
  ASSERT_EQ(Arrows(), ESB_DISABLE_LTUP);
  Bar->SetPosition(100);
  EXPECT_EQ(Arrows(), ESB_DISABLE_LTUP);
  Bar->SetPosition(50);
  EXPECT_EQ(Arrows(), ESB_DISABLE_LTUP);
}

TEST_F(TArrowsTest, ANewRangeEnablesBothArrows) {
  Bar->SetAutoArrowDisable(true);
  ASSERT_EQ(Arrows(), ESB_DISABLE_LTUP);
  // The position changing alone keeps the state.
  Bar->SetPosition(10);
  EXPECT_EQ(Arrows(), ESB_DISABLE_LTUP);
  Bar->SetMax(1920);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
  DragThumb(0);
  ASSERT_EQ(Arrows(), ESB_DISABLE_LTUP);
  Bar->SetMin(-5);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
}

TEST_F(TArrowsTest, ANewKindStartsWithBothArrowsAndKeepsThePage) {
  Bar->SetAutoArrowDisable(true);
  Bar->SetPageSize(25);
  ASSERT_EQ(Arrows(), ESB_DISABLE_LTUP);
  HWND Old = Bar->GetHandle();
  Bar->SetKind(sbVertical);
  EXPECT_NE(Bar->GetHandle(), Old);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
  EXPECT_EQ(NativeInfo().nPage, 25u);
  EXPECT_EQ(Bar->TScrollBar::GetPageSize(), 0);
  Desk->PumpUntilIdle();
  // The rule works on the new window: the page's end disables.
  DragThumb(75);
  EXPECT_EQ(Bar->GetPosition(), 75);
  EXPECT_EQ(Arrows(), ESB_DISABLE_RTDN);
}

TEST_F(TArrowsTest, PageSizeGoesOnlyToTheNativeBar) {
  Bar->SetPosition(30);
  Bar->SetPageSize(40);
  SCROLLINFO Info = NativeInfo();
  EXPECT_EQ(Info.nPage, 40u);
  EXPECT_EQ(Info.nMin, 0);
  EXPECT_EQ(Info.nMax, 100);
  EXPECT_EQ(Info.nPos, 30);
  EXPECT_EQ(Bar->GetPageSize(), 40);
  EXPECT_EQ(Bar->TScrollBar::GetPageSize(), 0);
  // The thumb is the page's share of the track.
  const TScrollBarGeometry G = Geometry();
  const int Thumb = G.Thumb.Width(), Track = G.Track.Width();
  EXPECT_NEAR(double(Thumb) / Track, 40.0 / 101, 0.02);
  // No range check: the base's page stays 0 and never restricts Max.
  Bar->SetMax(10);
  EXPECT_EQ(Bar->GetMax(), 10);
  for (const int Page : {-1, 1000, INT_MAX, INT_MIN, 0}) {
    Bar->SetPageSize(Page);
    EXPECT_EQ(Bar->GetPageSize(), Page);
  }
  EXPECT_EQ(NativeInfo().nPage, 0u);
  // The end rule is plain arithmetic, in a width that cannot wrap: a
  // negative page moves the end beyond Max, a huge one before Min.
  Bar->SetPageSize(-1000);
  Bar->SetAutoArrowDisable(true);
  EXPECT_EQ(Bar->GetPosition(), 10);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
  Bar->SetPageSize(INT_MAX);
  Bar->SetPosition(5);
  Bar->SetAutoArrowDisable(true);
  EXPECT_EQ(Arrows(), ESB_DISABLE_RTDN);
}

TEST_F(TArrowsTest, PageSizeCreatesTheNativeBar) {
  // On a form not shown yet, nothing has a window.
  auto* Hidden = Create<TForm>(Application);
  auto* Late = Create<TPropScrollbar>(Hidden);
  Late->SetParent(Hidden);
  ASSERT_FALSE(Late->HandleAllocated());
  Late->SetPageSize(7);
  ASSERT_TRUE(Late->HandleAllocated());
  SCROLLINFO Info{sizeof(SCROLLINFO), SIF_PAGE, 0, 0, 0, 0, 0};
  GetScrollInfo(Late->GetHandle(), SB_CTL, &Info);
  EXPECT_EQ(Info.nPage, 7u);
  // A bar without a parent has no window to hand the page to.
  auto* Orphan = Create<TPropScrollbar>(Form);
  EXPECT_THROW(Orphan->SetPageSize(3), EInvalidOperation);
  EXPECT_FALSE(Orphan->HandleAllocated());
}

TEST_F(TArrowsTest, ArrowClickMovesByOneWithOneChange) {
  ClickDownArrow();
  EXPECT_EQ(Bar->GetPosition(), 1);
  EXPECT_EQ(Events.Changes, 1);
  ASSERT_EQ(Events.Scrolls.size(), 2u);
  EXPECT_EQ(Events.Scrolls[0], std::make_pair(scLineDown, 1));
  EXPECT_EQ(Events.Scrolls[1], std::make_pair(scEndScroll, 1));
}

TEST_F(TArrowsTest, DecreasingArrowAtZeroRaisesNothing) {
  ClickUpArrow();
  EXPECT_EQ(Bar->GetPosition(), 0);
  EXPECT_EQ(Events.Changes, 0);
  // With the arrow disabled the native bar ignores the click altogether.
  Events.Scrolls.clear();
  Bar->SetAutoArrowDisable(true);
  ClickUpArrow();
  EXPECT_EQ(Bar->GetPosition(), 0);
  EXPECT_EQ(Events.Changes, 0);
  EXPECT_TRUE(Events.Scrolls.empty());
}

TEST_F(TArrowsTest, MaxBelowMinIsRefused) {
  Bar->SetAutoArrowDisable(true);
  Bar->SetParams(20, 10, 90);
  DragThumb(10);
  ASSERT_EQ(Arrows(), ESB_DISABLE_LTUP);
  Events.Changes = 0;
  try {
    Bar->SetMax(5);
    ADD_FAILURE() << "no exception";
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Scrollbar property out of range");
  }
  EXPECT_THROW(Bar->SetMin(91), EInvalidOperation);
  EXPECT_EQ(Bar->GetMin(), 10);
  EXPECT_EQ(Bar->GetMax(), 90);
  EXPECT_EQ(Bar->GetPosition(), 10);
  EXPECT_EQ(NativeInfo().nMin, 10);
  EXPECT_EQ(NativeInfo().nMax, 90);
  EXPECT_EQ(Arrows(), ESB_DISABLE_LTUP);
  EXPECT_EQ(Events.Changes, 0);
  // A page beyond the range is not the base's: Max may go below it.
  Bar->SetPageSize(50);
  Bar->SetMax(20);
  EXPECT_EQ(Bar->GetMax(), 20);
}

// The native bar paints a disabled arrow's glyph embossed in grey instead
// of in the button text colour.
TEST_F(TArrowsTest, ADisabledArrowLooksDisabled) {
  auto GlyphPixels = [&](const TRect& Arrow, std::uint32_t Color) {
    int Count = 0;
    for (int Y = Arrow.Top; Y < Arrow.Bottom; ++Y)
      for (int X = Arrow.Left; X < Arrow.Right; ++X) {
        const TPoint P = ScreenOf({X, Y});
        if (Desk->ScreenPixel(P.X, P.Y) == Color) ++Count;
      }
    return Count;
  };
  const TScrollBarGeometry G = Geometry();
  const std::uint32_t Text = Rgb(clBtnText);
  const int Enabled = GlyphPixels(G.UpArrow, Text);
  ASSERT_GT(Enabled, 0);
  EXPECT_EQ(GlyphPixels(G.DownArrow, Text), Enabled);
  Bar->SetAutoArrowDisable(true);
  Desk->PumpUntilIdle();
  const int Disabled = GlyphPixels(G.UpArrow, Text);
  EXPECT_LT(Disabled, Enabled);
  EXPECT_EQ(GlyphPixels(G.DownArrow, Text), Enabled);
  DragThumb(100);
  EXPECT_EQ(GlyphPixels(G.UpArrow, Text), Enabled);
  EXPECT_EQ(GlyphPixels(G.DownArrow, Text), Disabled);
}

} // namespace
} // namespace propscrltest
