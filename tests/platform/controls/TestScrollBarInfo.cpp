// The scroll bar's numbers: clamping, the arrow-state rules, the SBM_*
// messages and the failures for bad handles, bars and structures.
#include "ControlsTest.h"

#include <climits>

namespace {

class TScrollBarInfoTest : public TControlsTest {
protected:
  void SetUp() override {
    TControlsTest::SetUp();
    Bar = CreateWindowEx(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_HORZ, 10, 10, 200, 16,
                         Parent, nullptr, nullptr, nullptr);
    ASSERT_NE(Bar, nullptr);
  }
  SCROLLINFO Info(UINT Mask) const {
    SCROLLINFO I{sizeof(SCROLLINFO), Mask, -1, -1, 99, -1, -1};
    GetScrollInfo(Bar, SB_CTL, &I);
    return I;
  }
  UINT Arrows() const { return TScrollBarControl::Of(Bar)->Arrows(); }

  HWND Bar = nullptr;
};

TEST_F(TScrollBarInfoTest, NewControlStartsEmptyWithBothArrowsEnabled) {
  SCROLLINFO I = Info(SIF_ALL);
  EXPECT_EQ(I.nMin, 0);
  EXPECT_EQ(I.nMax, 0);
  EXPECT_EQ(I.nPage, 0u);
  EXPECT_EQ(I.nPos, 0);
  EXPECT_EQ(I.nTrackPos, 0);
  EXPECT_EQ(EnableScrollBar(Bar, SB_CTL, ESB_ENABLE_BOTH), FALSE);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
}

TEST_F(TScrollBarInfoTest, PageAndPositionAreClampedToTheRange) {
  struct TCase {
    int Min, Max;
    UINT Page;
    int Pos;
    UINT WantPage;
    int WantPos;
  };
  const TCase Cases[] = {
      {0, 100, 0, 50, 0, 50},    {0, 100, 0, 101, 0, 100},   {0, 100, 0, -5, 0, 0},
      {0, 100, 10, 100, 10, 91}, {0, 100, 10, 91, 10, 91},   {0, 100, 200, 7, 101, 0},
      {0, 100, 101, 50, 101, 0}, {-50, -10, 5, -60, 5, -50}, {-50, -10, 5, 0, 5, -14},
      {5, 5, 0, 9, 0, 5},        {5, 5, 3, 9, 1, 5},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(testing::Message()
                 << C.Min << ".." << C.Max << " page " << C.Page << " pos " << C.Pos);
    SCROLLINFO S{
        sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, C.Min, C.Max, C.Page, C.Pos, 0};
    EXPECT_EQ(SetScrollInfo(Bar, SB_CTL, &S, FALSE), C.WantPos);
    SCROLLINFO I = Info(SIF_ALL);
    EXPECT_EQ(I.nPage, C.WantPage);
    EXPECT_EQ(I.nPos, C.WantPos);
  }
}

TEST_F(TScrollBarInfoTest, ShrinkingTheRangePullsPositionAndPageIn) {
  SetScrollRange(Bar, SB_CTL, 0, 100, FALSE);
  SCROLLINFO S{sizeof(SCROLLINFO), SIF_PAGE | SIF_POS, 0, 0, 30, 70, 0};
  SetScrollInfo(Bar, SB_CTL, &S, FALSE);
  SetScrollRange(Bar, SB_CTL, 0, 20, FALSE);
  SCROLLINFO I = Info(SIF_ALL);
  EXPECT_EQ(I.nPage, 21u);
  EXPECT_EQ(I.nPos, 0);
}

TEST_F(TScrollBarInfoTest, EachArrowStateReplacesThePreviousOne) {
  SetScrollRange(Bar, SB_CTL, 0, 100, FALSE);
  EXPECT_EQ(EnableScrollBar(Bar, SB_CTL, ESB_DISABLE_LTUP), TRUE);
  EXPECT_EQ(EnableScrollBar(Bar, SB_CTL, ESB_DISABLE_LTUP), FALSE);
  EXPECT_EQ(EnableScrollBar(Bar, SB_CTL, ESB_DISABLE_RTDN), TRUE);
  EXPECT_EQ(Arrows(), ESB_DISABLE_RTDN);
  EXPECT_EQ(EnableScrollBar(Bar, SB_CTL, ESB_DISABLE_BOTH), TRUE);
  EXPECT_EQ(EnableScrollBar(Bar, SB_CTL, ESB_ENABLE_BOTH), TRUE);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
  EXPECT_EQ(EnableScrollBar(Bar, SB_CTL, 4), FALSE);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
}

TEST_F(TScrollBarInfoTest, SettingTheRangeEnablesBothArrowsPositionAndPageDoNot) {
  using TSetter = void (*)(HWND);
  struct TCase {
    const char* What;
    TSetter Set;
    bool Resets;
  };
  const TCase Cases[] = {
      {"SetScrollRange", [](HWND B) { SetScrollRange(B, SB_CTL, 0, 50, TRUE); }, true},
      {"SIF_RANGE",
       [](HWND B) {
         SCROLLINFO S{sizeof(SCROLLINFO), SIF_RANGE, 0, 100, 0, 0, 0};
         SetScrollInfo(B, SB_CTL, &S, TRUE);
       },
       true},
      {"SBM_SETRANGE", [](HWND B) { SendMessage(B, SBM_SETRANGE, 0, 100); }, true},
      {"SBM_SETRANGEREDRAW", [](HWND B) { SendMessage(B, SBM_SETRANGEREDRAW, 0, 100); }, true},
      {"SetScrollPos", [](HWND B) { SetScrollPos(B, SB_CTL, 30, TRUE); }, false},
      {"SIF_POS|SIF_PAGE",
       [](HWND B) {
         SCROLLINFO S{sizeof(SCROLLINFO), SIF_POS | SIF_PAGE, 0, 0, 5, 20, 0};
         SetScrollInfo(B, SB_CTL, &S, TRUE);
       },
       false},
      {"SBM_SETPOS", [](HWND B) { SendMessage(B, SBM_SETPOS, 40, TRUE); }, false},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.What);
    SetScrollRange(Bar, SB_CTL, 0, 100, FALSE);
    EnableScrollBar(Bar, SB_CTL, ESB_DISABLE_RTDN);
    C.Set(Bar);
    EXPECT_EQ(Arrows(), C.Resets ? ESB_ENABLE_BOTH : ESB_DISABLE_RTDN);
  }
}

TEST_F(TScrollBarInfoTest, DisableNoScrollDisablesWhileNothingCanScroll) {
  SCROLLINFO S{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 10, 0, 0};
  SetScrollInfo(Bar, SB_CTL, &S, TRUE);
  EXPECT_EQ(Arrows(), ESB_DISABLE_BOTH);
  S.fMask = SIF_PAGE | SIF_DISABLENOSCROLL;
  S.nPage = 5;
  SetScrollInfo(Bar, SB_CTL, &S, TRUE);
  EXPECT_EQ(Arrows(), ESB_ENABLE_BOTH);
  EnableScrollBar(Bar, SB_CTL, ESB_DISABLE_LTUP);
  SetScrollInfo(Bar, SB_CTL, &S, TRUE);
  EXPECT_EQ(Arrows(), ESB_DISABLE_LTUP);
}

TEST_F(TScrollBarInfoTest, PositionAndRangeOperationsReturnTheDocumentedValues) {
  EXPECT_EQ(SetScrollRange(Bar, SB_CTL, -20, 80, TRUE), TRUE);
  EXPECT_EQ(SetScrollPos(Bar, SB_CTL, 30, TRUE), 0);
  EXPECT_EQ(SetScrollPos(Bar, SB_CTL, 500, TRUE), 30);
  EXPECT_EQ(GetScrollPos(Bar, SB_CTL), 80);
  int Min = 0, Max = 0;
  EXPECT_EQ(GetScrollRange(Bar, SB_CTL, &Min, &Max), TRUE);
  EXPECT_EQ(Min, -20);
  EXPECT_EQ(Max, 80);
  // A reversed range or one of more than INT_MAX steps changes nothing.
  EXPECT_EQ(SetScrollRange(Bar, SB_CTL, 10, 5, TRUE), FALSE);
  EXPECT_EQ(SetScrollRange(Bar, SB_CTL, INT_MIN, INT_MAX, TRUE), FALSE);
  SCROLLINFO S{sizeof(SCROLLINFO), SIF_RANGE | SIF_POS, 50, 40, 0, 45, 0};
  EXPECT_EQ(SetScrollInfo(Bar, SB_CTL, &S, TRUE), 45);
  GetScrollRange(Bar, SB_CTL, &Min, &Max);
  EXPECT_EQ(Min, -20);
  EXPECT_EQ(Max, 80);
  EXPECT_EQ(SetScrollRange(Bar, SB_CTL, INT_MIN / 2, INT_MAX / 2, TRUE), TRUE);
  EXPECT_EQ(SetScrollPos(Bar, SB_CTL, INT_MAX, TRUE), 45);
  EXPECT_EQ(GetScrollPos(Bar, SB_CTL), INT_MAX / 2);
}

TEST_F(TScrollBarInfoTest, ScrollBarMessagesMatchTheOperations) {
  EXPECT_EQ(SendMessage(Bar, SBM_SETRANGEREDRAW, 0, 200), 0);
  EXPECT_EQ(SendMessage(Bar, SBM_SETPOS, 120, TRUE), 0);
  EXPECT_EQ(SendMessage(Bar, SBM_GETPOS, 0, 0), 120);
  EXPECT_EQ(SendMessage(Bar, SBM_SETRANGE, 0, 100), 120);
  EXPECT_EQ(SendMessage(Bar, SBM_GETPOS, 0, 0), 100);
  EXPECT_EQ(SendMessage(Bar, SBM_SETRANGE, 9, 3), 0);
  int Min = -1, Max = -1;
  SendMessage(Bar, SBM_GETRANGE, WPARAM(&Min), LPARAM(&Max));
  EXPECT_EQ(Min, 0);
  EXPECT_EQ(Max, 100);
  SendMessage(Bar, SBM_GETRANGE, 0, 0);
  EXPECT_EQ(SendMessage(Bar, SBM_ENABLE_ARROWS, ESB_DISABLE_BOTH, 0), TRUE);
  EXPECT_EQ(SendMessage(Bar, SBM_ENABLE_ARROWS, ESB_DISABLE_BOTH, 0), FALSE);
  SCROLLINFO S{sizeof(SCROLLINFO), SIF_PAGE | SIF_POS, 0, 0, 20, 90, 0};
  EXPECT_EQ(SendMessage(Bar, SBM_SETSCROLLINFO, TRUE, LPARAM(&S)), 81);
  SCROLLINFO G{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  EXPECT_EQ(SendMessage(Bar, SBM_GETSCROLLINFO, 0, LPARAM(&G)), TRUE);
  EXPECT_EQ(G.nPage, 20u);
  EXPECT_EQ(G.nTrackPos, 81);
  EXPECT_EQ(SendMessage(Bar, SBM_SETSCROLLINFO, TRUE, 0), 0);
  EXPECT_EQ(SendMessage(Bar, SBM_GETSCROLLINFO, 0, 0), FALSE);
}

TEST_F(TScrollBarInfoTest, GetScrollInfoFillsOnlyWhatTheMaskAsks) {
  SCROLLINFO S{sizeof(SCROLLINFO), SIF_ALL, 3, 30, 4, 10, 0};
  SetScrollInfo(Bar, SB_CTL, &S, FALSE);
  SCROLLINFO I = Info(SIF_POS);
  EXPECT_EQ(I.nPos, 10);
  EXPECT_EQ(I.nMin, -1);
  EXPECT_EQ(I.nPage, 99u);
  EXPECT_EQ(I.nTrackPos, -1);
  SCROLLINFO None{sizeof(SCROLLINFO), SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
  EXPECT_EQ(GetScrollInfo(Bar, SB_CTL, &None), FALSE);
  // The older, shorter structure has no track position to write.
  SCROLLINFO Short{sizeof(SCROLLINFO) - sizeof(int), SIF_ALL, 0, 0, 0, 0, -7};
  EXPECT_EQ(GetScrollInfo(Bar, SB_CTL, &Short), TRUE);
  EXPECT_EQ(Short.nMax, 30);
  EXPECT_EQ(Short.nTrackPos, -7);
}

TEST_F(TScrollBarInfoTest, BadWindowsBarsAndStructuresFail) {
  HWND Stale =
      CreateWindowEx(0, "SCROLLBAR", "", WS_CHILD, 0, 0, 10, 10, Parent, nullptr, nullptr, nullptr);
  DestroyWindow(Stale);
  HWND Forged = reinterpret_cast<HWND>(std::intptr_t(0x7777));
  SCROLLINFO S{sizeof(SCROLLINFO), SIF_ALL, 0, 10, 0, 5, 0};
  int Min = 0, Max = 0;
  for (HWND W : {HWND(nullptr), Stale, Forged, Parent}) {
    EXPECT_EQ(SetScrollInfo(W, SB_CTL, &S, TRUE), 0);
    EXPECT_EQ(GetScrollInfo(W, SB_CTL, &S), FALSE);
    EXPECT_EQ(SetScrollPos(W, SB_CTL, 5, TRUE), 0);
    EXPECT_EQ(GetScrollPos(W, SB_CTL), 0);
    EXPECT_EQ(SetScrollRange(W, SB_CTL, 0, 5, TRUE), FALSE);
    EXPECT_EQ(GetScrollRange(W, SB_CTL, &Min, &Max), FALSE);
    EXPECT_EQ(EnableScrollBar(W, SB_CTL, ESB_DISABLE_BOTH), FALSE);
  }
  for (int B : {SB_HORZ, SB_VERT, SB_BOTH, -1, 99}) {
    EXPECT_EQ(SetScrollInfo(Bar, B, &S, TRUE), 0);
    EXPECT_EQ(GetScrollInfo(Bar, B, &S), FALSE);
    EXPECT_EQ(SetScrollPos(Bar, B, 5, TRUE), 0);
    EXPECT_EQ(SetScrollRange(Bar, B, 0, 5, TRUE), FALSE);
    EXPECT_EQ(GetScrollRange(Bar, B, &Min, &Max), FALSE);
    EXPECT_EQ(EnableScrollBar(Bar, UINT(B), ESB_DISABLE_BOTH), FALSE);
  }
  EXPECT_EQ(GetScrollPos(Bar, SB_CTL), 0);
  EXPECT_EQ(SetScrollInfo(Bar, SB_CTL, nullptr, TRUE), 0);
  EXPECT_EQ(GetScrollInfo(Bar, SB_CTL, nullptr), FALSE);
  EXPECT_EQ(GetScrollRange(Bar, SB_CTL, nullptr, &Max), FALSE);
  SCROLLINFO Bad = S;
  for (UINT Size : {0u, 1u, UINT(sizeof(SCROLLINFO) + 4)}) {
    Bad.cbSize = Size;
    EXPECT_EQ(SetScrollInfo(Bar, SB_CTL, &Bad, TRUE), 0);
    EXPECT_EQ(GetScrollInfo(Bar, SB_CTL, &Bad), FALSE);
  }
  EXPECT_EQ(GetScrollPos(Bar, SB_CTL), 0);
}

} // namespace

namespace {

// What GetScrollBarInfo reports of the bar at 10,10 200 x 16 in the
// parent: its screen rectangle, arrow size, thumb and the state of each
// part as the arrow state and the window's enabled state make it.
TEST_F(TScrollBarInfoTest, ScrollBarInfoReportsPartsAndDisabledArrows) {
  SetScrollRange(Bar, SB_CTL, 0, 100, FALSE);
  SetScrollPos(Bar, SB_CTL, 0, FALSE);
  SCROLLBARINFO I{};
  I.cbSize = sizeof I;
  ASSERT_EQ(GetScrollBarInfo(Bar, OBJID_CLIENT, &I), TRUE);
  RECT R;
  GetWindowRect(Bar, &R);
  EXPECT_EQ(TRect(I.rcScrollBar), TRect(R));
  EXPECT_GT(I.dxyLineButton, 0);
  EXPECT_EQ(I.xyThumbTop, I.dxyLineButton); // position 0: right after the arrow
  EXPECT_GT(I.xyThumbBottom, I.xyThumbTop);
  for (int Part = 0; Part <= CCHILDREN_SCROLLBAR; ++Part) EXPECT_EQ(I.rgstate[Part], 0u) << Part;

  struct TCase {
    UINT Arrows;
    DWORD Dec, Inc;
  } Cases[] = {{ESB_DISABLE_LTUP, STATE_SYSTEM_UNAVAILABLE, 0},
               {ESB_DISABLE_RTDN, 0, STATE_SYSTEM_UNAVAILABLE},
               {ESB_DISABLE_BOTH, STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_UNAVAILABLE},
               {ESB_ENABLE_BOTH, 0, 0}};
  for (const TCase& C : Cases) {
    EnableScrollBar(Bar, SB_CTL, C.Arrows);
    ASSERT_EQ(GetScrollBarInfo(Bar, OBJID_CLIENT, &I), TRUE);
    EXPECT_EQ(I.rgstate[1], C.Dec) << C.Arrows;
    EXPECT_EQ(I.rgstate[5], C.Inc) << C.Arrows;
  }
  EnableWindow(Bar, FALSE);
  ASSERT_EQ(GetScrollBarInfo(Bar, OBJID_CLIENT, &I), TRUE);
  EXPECT_EQ(I.rgstate[0], STATE_SYSTEM_UNAVAILABLE);
  EXPECT_EQ(I.rgstate[1], STATE_SYSTEM_UNAVAILABLE);
}

TEST_F(TScrollBarInfoTest, ScrollBarInfoRefusesOtherWindowsObjectsAndSizes) {
  SCROLLBARINFO I{};
  I.cbSize = sizeof I;
  EXPECT_EQ(GetScrollBarInfo(Parent, OBJID_CLIENT, &I), FALSE);
  EXPECT_EQ(GetScrollBarInfo(Bar, 0, &I), FALSE);
  EXPECT_EQ(GetScrollBarInfo(Bar, OBJID_CLIENT, nullptr), FALSE);
  EXPECT_EQ(GetScrollBarInfo(reinterpret_cast<HWND>(std::uintptr_t(0x1234)), OBJID_CLIENT, &I),
            FALSE);
  I.cbSize = sizeof I - 4;
  EXPECT_EQ(GetScrollBarInfo(Bar, OBJID_CLIENT, &I), FALSE);
}

} // namespace
