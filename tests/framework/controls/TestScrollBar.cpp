#include "ControlHost.h"

#include "framework/controls/ScrollBar.h"
#include "framework/runtime/Exceptions.h"
#include "platform/user/ScrollBarGeometry.h"

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace {

// Records what the bar raises.
class TScrollListener : public TObject {
public:
  void Changed(TObject*) { ++Changes; }
  void Scrolled(TObject*, TScrollCode Code, int& Pos) {
    Scrolls.push_back({Code, Pos});
    if (Override >= 0) Pos = Override;
  }
  int Changes = 0;
  std::vector<std::pair<TScrollCode, int>> Scrolls;
  int Override = -1;
};

class ScrollBarTest : public TControlTest {
protected:
  void SetUp() override {
    TControlTest::SetUp();
    Bar = Create<TScrollBar>(Host);
    Bar->SetLeft(20);
    Bar->SetTop(20);
    Bar->OnChange = MakeEvent<&TScrollListener::Changed>(&Events);
    Bar->OnScroll = MakeEvent<&TScrollListener::Scrolled>(&Events);
    Bar->SetParent(Host);
    SetActiveWindow(Host->GetHandle());
    Desk->PumpUntilIdle();
  }
  // Where the native bar has its parts now.
  TScrollBarGeometry Geometry() {
    HWND H = Bar->GetHandle();
    RECT Client{};
    GetClientRect(H, &Client);
    SCROLLINFO Info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(H, SB_CTL, &Info);
    const bool Vertical = GetWindowLong(H, GWL_STYLE) & SBS_VERT;
    return TScrollBarGeometry::Compute(Client, Vertical, Info.nMin, Info.nMax, Info.nPage,
                                       Info.nPos);
  }
  static TPoint Middle(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  void ClickPart(const TRect& Part) {
    TPoint P = Middle(Part);
    ClickOn(Bar, P.X, P.Y);
  }
  int NativePos() { return GetScrollPos(Bar->GetHandle(), SB_CTL); }
  std::pair<int, int> NativeRange() {
    int Min = -1, Max = -1;
    GetScrollRange(Bar->GetHandle(), SB_CTL, &Min, &Max);
    return {Min, Max};
  }

  TScrollListener Events;
  TScrollBar* Bar = nullptr;
};

TEST_F(ScrollBarTest, DefaultsAndTheNativeBar) {
  auto* Fresh = Create<TScrollBar>(Host);
  EXPECT_EQ(Fresh->GetKind(), sbHorizontal);
  EXPECT_EQ(Fresh->GetMin(), 0);
  EXPECT_EQ(Fresh->GetMax(), 100);
  EXPECT_EQ(Fresh->GetPosition(), 0);
  EXPECT_EQ(Fresh->GetSmallChange(), 1);
  EXPECT_EQ(Fresh->GetLargeChange(), 1);
  EXPECT_EQ(Fresh->GetPageSize(), 0);
  EXPECT_EQ(Fresh->GetWidth(), 121);
  EXPECT_EQ(Fresh->GetHeight(), GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_TRUE(Fresh->GetTabStop());
  EXPECT_FALSE(Fresh->ControlStyle().Contains(csDoubleClicks));
  EXPECT_FALSE(Fresh->ControlStyle().Contains(csSetCaption));
  EXPECT_FALSE(Fresh->ControlStyle().Contains(csFramed));

  char Class[32] = {};
  GetClassName(Bar->GetHandle(), Class, sizeof Class);
  EXPECT_STREQ(Class, "SCROLLBAR");
  const LONG_PTR Style = GetWindowLong(Bar->GetHandle(), GWL_STYLE);
  EXPECT_EQ(Style & SBS_VERT, 0);
  EXPECT_TRUE(Style & WS_TABSTOP);
  EXPECT_EQ(NativeRange(), std::make_pair(0, 100));
  EXPECT_EQ(NativePos(), 0);
}

TEST_F(ScrollBarTest, ArrowClickMovesByOneAndRaisesOnChangeOnce) {
  ClickPart(Geometry().DownArrow);
  EXPECT_EQ(Bar->GetPosition(), 1);
  EXPECT_EQ(NativePos(), 1);
  EXPECT_EQ(Events.Changes, 1);
  ASSERT_GE(Events.Scrolls.size(), 2u);
  EXPECT_EQ(Events.Scrolls.front(), std::make_pair(scLineDown, 1));
  EXPECT_EQ(Events.Scrolls.back(), std::make_pair(scEndScroll, 1));

  ClickPart(Geometry().UpArrow);
  ClickPart(Geometry().UpArrow);
  EXPECT_EQ(Bar->GetPosition(), 0);
  EXPECT_EQ(Events.Changes, 2);
}

TEST_F(ScrollBarTest, DecreasingArrowAtTheStartChangesNothing) {
  ClickPart(Geometry().UpArrow);
  EXPECT_EQ(Bar->GetPosition(), 0);
  EXPECT_EQ(Events.Changes, 0);
  ASSERT_FALSE(Events.Scrolls.empty());
  EXPECT_EQ(Events.Scrolls.front(), std::make_pair(scLineUp, 0));
}

TEST_F(ScrollBarTest, StepsFollowSmallAndLargeChange) {
  Bar->SetSmallChange(7);
  Bar->SetLargeChange(30);
  ClickPart(Geometry().DownArrow);
  EXPECT_EQ(Bar->GetPosition(), 7);
  ClickPart(Geometry().TroughAfter());
  EXPECT_EQ(Bar->GetPosition(), 37);
  ClickPart(Geometry().TroughBefore());
  EXPECT_EQ(Bar->GetPosition(), 7);
  EXPECT_THROW(Bar->SetSmallChange(0), EInvalidOperation);
  EXPECT_THROW(Bar->SetLargeChange(32768), EInvalidOperation);
  EXPECT_EQ(Bar->GetSmallChange(), 7);
  EXPECT_EQ(Bar->GetLargeChange(), 30);
}

TEST_F(ScrollBarTest, RangeErrorsChangeNothing) {
  Bar->SetPosition(40);
  Events.Changes = 0;
  struct {
    int Min, Max;
  } const Bad[] = {{0, -1}, {50, 49}, {101, 100}};
  for (const auto& Case : Bad) {
    try {
      Bar->SetParams(40, Case.Min, Case.Max);
      ADD_FAILURE() << Case.Min << ".." << Case.Max;
    } catch (const EInvalidOperation& E) {
      EXPECT_EQ(E.Message(), "Scrollbar property out of range");
    }
  }
  EXPECT_THROW(Bar->SetMax(-5), EInvalidOperation);
  EXPECT_THROW(Bar->SetMin(101), EInvalidOperation);
  EXPECT_EQ(Bar->GetMin(), 0);
  EXPECT_EQ(Bar->GetMax(), 100);
  EXPECT_EQ(Bar->GetPosition(), 40);
  EXPECT_EQ(NativeRange(), std::make_pair(0, 100));
  EXPECT_EQ(NativePos(), 40);
  EXPECT_EQ(Events.Changes, 0);
}

TEST_F(ScrollBarTest, RangeChangesClampThePosition) {
  Bar->SetPosition(80);
  Events.Changes = 0;
  Bar->SetMax(50);
  EXPECT_EQ(Bar->GetPosition(), 50);
  EXPECT_EQ(Events.Changes, 1);
  EXPECT_EQ(NativeRange(), std::make_pair(0, 50));
  EXPECT_EQ(NativePos(), 50);
  EXPECT_THROW(Bar->SetMin(60), EInvalidOperation);
  EXPECT_EQ(Bar->GetMax(), 50);
  EXPECT_EQ(Bar->GetMin(), 0);
  Bar->SetMax(200);
  Bar->SetMin(60);
  EXPECT_EQ(Bar->GetPosition(), 60);
  EXPECT_EQ(Events.Changes, 2);
  // Setting the same position again is no change.
  Bar->SetPosition(60);
  Bar->SetPosition(-1000);
  EXPECT_EQ(Events.Changes, 2);
}

TEST_F(ScrollBarTest, PositionChangeEnablesTheBar) {
  Bar->SetEnabled(false);
  Bar->SetPosition(5);
  EXPECT_TRUE(Bar->GetEnabled());
  EXPECT_TRUE(IsWindowEnabled(Bar->GetHandle()));
}

TEST_F(ScrollBarTest, PageSizeGoesToTheNativeBar) {
  Bar->SetPageSize(10);
  SCROLLINFO Info{sizeof(SCROLLINFO), SIF_PAGE, 0, 0, 0, 0, 0};
  GetScrollInfo(Bar->GetHandle(), SB_CTL, &Info);
  EXPECT_EQ(Info.nPage, 10u);
  EXPECT_THROW(Bar->SetPageSize(-1), EInvalidOperation);
  EXPECT_THROW(Bar->SetPageSize(101), EInvalidOperation);
  EXPECT_THROW(Bar->SetMax(9), EInvalidOperation);
  EXPECT_EQ(Bar->GetPageSize(), 10);
  EXPECT_EQ(Bar->GetMax(), 100);
}

TEST_F(ScrollBarTest, KindSwapsTheSizeAndRecreatesTheNativeBar) {
  Bar->SetParams(30, 10, 90);
  Bar->SetWidth(121);
  Bar->SetHeight(16);
  HWND Old = Bar->GetHandle();
  EnableScrollBar(Old, SB_CTL, ESB_DISABLE_BOTH);
  Bar->SetKind(sbVertical);
  EXPECT_EQ(Bar->GetWidth(), 16);
  EXPECT_EQ(Bar->GetHeight(), 121);
  HWND New = Bar->GetHandle();
  EXPECT_FALSE(IsWindow(Old));
  EXPECT_TRUE(GetWindowLong(New, GWL_STYLE) & SBS_VERT);
  EXPECT_EQ(NativeRange(), std::make_pair(10, 90));
  EXPECT_EQ(NativePos(), 30);
  // A fresh native bar has both arrows enabled: enabling them is no change.
  EXPECT_FALSE(EnableScrollBar(New, SB_CTL, ESB_ENABLE_BOTH));
  Desk->PumpUntilIdle();
  // Both arrows answer again.
  ClickPart(Geometry().DownArrow);
  EXPECT_EQ(Bar->GetPosition(), 31);
  ClickPart(Geometry().UpArrow);
  EXPECT_EQ(Bar->GetPosition(), 30);
  // The same kind again changes nothing.
  Bar->SetKind(sbVertical);
  EXPECT_EQ(Bar->GetHandle(), New);
  EXPECT_EQ(Bar->GetWidth(), 16);
}

TEST_F(ScrollBarTest, KindReadWhileLoadingKeepsTheSize) {
  auto* Loading = Create<TScrollBar>(Host);
  Loading->IncludeState(csLoading);
  Loading->SetKind(sbVertical);
  EXPECT_EQ(Loading->GetWidth(), 121);
  Loading->ExcludeState(csLoading);
}

TEST_F(ScrollBarTest, OnScrollMayChangeThePosition) {
  Events.Override = 42;
  ClickPart(Geometry().DownArrow);
  EXPECT_EQ(Bar->GetPosition(), 42);
  EXPECT_EQ(NativePos(), 42);
  EXPECT_EQ(Events.Changes, 1);
}

TEST_F(ScrollBarTest, ThumbDragTracksAndEndsTheScroll) {
  Bar->SetMax(100000);
  Bar->SetWidth(300);
  Desk->PumpUntilIdle();
  TScrollBarGeometry G = Geometry();
  TPoint Grip = Bar->ClientToScreen(Middle(G.Thumb));
  Desk->MouseMove(Grip.X, Grip.Y);
  Desk->MouseDown();
  Desk->PumpUntilIdle();
  for (int Step = 1; Step <= 4; ++Step) {
    Desk->MouseMove(Grip.X + Step * 30, Grip.Y);
    Desk->PumpUntilIdle();
  }
  Desk->MouseMove(Grip.X + 400, Grip.Y);
  Desk->MouseUp();
  Desk->PumpUntilIdle();

  ASSERT_GE(Events.Scrolls.size(), 7u);
  int Last = 0;
  for (std::size_t I = 0; I + 2 < Events.Scrolls.size(); ++I) {
    EXPECT_EQ(Events.Scrolls[I].first, scTrack);
    EXPECT_GT(Events.Scrolls[I].second, Last);
    Last = Events.Scrolls[I].second;
  }
  // The track position is the full 32-bit one, not a 16-bit part.
  EXPECT_EQ(Last, 100000);
  const auto& Final = Events.Scrolls[Events.Scrolls.size() - 2];
  EXPECT_EQ(Final, std::make_pair(scPosition, 100000));
  EXPECT_EQ(Events.Scrolls.back(), std::make_pair(scEndScroll, 100000));
  EXPECT_EQ(Bar->GetPosition(), 100000);
  EXPECT_EQ(NativePos(), 100000);
}

TEST_F(ScrollBarTest, KeysScrollTheFocusedBar) {
  Bar->SetLargeChange(10);
  Bar->SetFocus();
  struct {
    UINT Key;
    int Position;
    TScrollCode Code;
  } const Cases[] = {
      {VK_RIGHT, 1, scLineDown}, {VK_NEXT, 11, scPageDown}, {VK_END, 100, scBottom},
      {VK_LEFT, 99, scLineUp},   {VK_PRIOR, 89, scPageUp},  {VK_HOME, 0, scTop},
  };
  for (const auto& Case : Cases) {
    Events.Scrolls.clear();
    Desk->PressKey(Case.Key);
    Desk->PumpUntilIdle();
    EXPECT_EQ(Bar->GetPosition(), Case.Position) << Case.Key;
    ASSERT_EQ(Events.Scrolls.size(), 2u) << Case.Key;
    EXPECT_EQ(Events.Scrolls[0].first, Case.Code);
    EXPECT_EQ(Events.Scrolls[1].first, scEndScroll);
  }
}

TEST_F(ScrollBarTest, RightToLeftHorizontalBarRunsTheOtherWay) {
  Bar->SetBiDiMode(bdRightToLeft);
  Bar->SetPosition(10);
  EXPECT_EQ(NativePos(), 90);
  // The native bar's increasing arrow moves the position down.
  ClickPart(Geometry().DownArrow);
  EXPECT_EQ(Bar->GetPosition(), 9);
  EXPECT_EQ(NativePos(), 91);
  // A vertical bar is never mirrored.
  Bar->SetKind(sbVertical);
  EXPECT_EQ(NativePos(), 9);
}

TEST_F(ScrollBarTest, ExtremeRangesDoNotOverflow) {
  Bar->SetParams(INT_MAX, INT_MIN, INT_MAX);
  EXPECT_EQ(Bar->GetPosition(), INT_MAX);
  Bar->Perform(CN_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), LPARAM(Bar->GetHandle()));
  EXPECT_EQ(Bar->GetPosition(), INT_MAX);
  Bar->SetLargeChange(32767);
  Bar->SetPosition(INT_MIN + 5);
  Bar->Perform(CN_HSCROLL, MAKEWPARAM(SB_PAGEUP, 0), LPARAM(Bar->GetHandle()));
  EXPECT_EQ(Bar->GetPosition(), INT_MIN);
  Bar->SetBiDiMode(bdRightToLeft);
  Bar->SetPosition(-7);
  Bar->Perform(CN_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), LPARAM(Bar->GetHandle()));
  EXPECT_EQ(Bar->GetPosition(), -7 - 32767);
  // A kind that names nothing is ignored.
  TScrollBar::StaticClass().FindProperty("Kind")->SetOrd(Bar, 7);
  EXPECT_EQ(Bar->GetKind(), sbHorizontal);
}

TEST_F(ScrollBarTest, UnknownNotificationsAreIgnored) {
  Bar->SetPosition(3);
  EXPECT_EQ(Bar->Perform(CN_HSCROLL, MAKEWPARAM(9, 77), LPARAM(Bar->GetHandle())), 0);
  EXPECT_EQ(Bar->GetPosition(), 3);
  EXPECT_TRUE(Events.Scrolls.empty());
  EXPECT_EQ(Bar->Perform(CN_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), LPARAM(Bar->GetHandle())), 0);
  EXPECT_EQ(Bar->GetPosition(), 100);
}

} // namespace
