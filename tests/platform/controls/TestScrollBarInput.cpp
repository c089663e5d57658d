// The scroll bar's notification sequences for each user action, run for a
// horizontal and a vertical bar alike: 200 pixels long, 16 thick, so the
// arrows cover 0..16 and 184..200 along the bar and the track 16..184.
#include "ControlsTest.h"

namespace {

struct TExpect {
  WORD Code;
  WORD Pos;
};

class TScrollBarInputTest : public TControlsTest, public ::testing::WithParamInterface<bool> {
protected:
  bool Vertical() const { return GetParam(); }
  UINT Msg() const { return Vertical() ? WM_VSCROLL : WM_HSCROLL; }

  void MakeBar(int Min, int Max, UINT Page, int Pos, DWORD Extra = 0) {
    TRect R = Vertical() ? TRect{300, 10, 316, 210} : TRect{10, 20, 210, 36};
    Bar = CreateBar((Vertical() ? SBS_VERT : SBS_HORZ) | Extra, R, Min, Max, Page, Pos);
    ASSERT_NE(Bar, nullptr);
  }
  TPoint At(int Along, int Across) const {
    return Vertical() ? TPoint{Across, Along} : TPoint{Along, Across};
  }
  void PressAt(int Along, int Across = 8) {
    TPoint P = At(Along, Across);
    Press(Bar, P.X, P.Y);
  }
  void MoveAt(int Along, int Across = 8) {
    TPoint P = At(Along, Across);
    MoveTo(Bar, P.X, P.Y);
  }
  void ClickAt(int Along, int Across = 8) {
    PressAt(Along, Across);
    Release();
  }
  std::uint32_t PixelAt(int Along, int Across) {
    TPoint P = At(Along, Across);
    return Pixel(Bar, P.X, P.Y);
  }
  std::vector<TNote> Expected(std::initializer_list<TExpect> List) const {
    std::vector<TNote> V;
    for (const TExpect& E : List) V.push_back(TNote{Msg(), E.Code, E.Pos, Bar});
    return V;
  }
  int TrackPos() const {
    SCROLLINFO Info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, -1};
    GetScrollInfo(Bar, SB_CTL, &Info);
    return Info.nTrackPos;
  }

  HWND Bar = nullptr;
};

INSTANTIATE_TEST_SUITE_P(Orientations, TScrollBarInputTest, ::testing::Values(false, true),
                         [](const auto& I) { return I.param ? "Vertical" : "Horizontal"; });

TEST_P(TScrollBarInputTest, ArrowClicksStepThenEndTheScroll) {
  MakeBar(0, 100, 0, 50);
  ClickAt(5);
  EXPECT_EQ(Notes, Expected({{SB_LINEUP, 0}, {SB_ENDSCROLL, 0}}));
  Notes.clear();
  ClickAt(195);
  EXPECT_EQ(Notes, Expected({{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}));
  // The control leaves its position to the parent.
  EXPECT_EQ(GetScrollPos(Bar, SB_CTL), 50);
}

TEST_P(TScrollBarInputTest, HeldArrowRepeatsWhileThePointerStaysOnIt) {
  MakeBar(0, 100, 0, 50);
  PressAt(195);
  EXPECT_EQ(Count(SB_LINEDOWN), 1u);
  Wait(399);
  EXPECT_EQ(Count(SB_LINEDOWN), 1u);
  Wait(1);
  EXPECT_EQ(Count(SB_LINEDOWN), 2u);
  Wait(99);
  EXPECT_EQ(Count(SB_LINEDOWN), 2u);
  Wait(1);
  EXPECT_EQ(Count(SB_LINEDOWN), 3u);
  Wait(100);
  EXPECT_EQ(Count(SB_LINEDOWN), 4u);
  MoveAt(150);
  Wait(100);
  Wait(300);
  EXPECT_EQ(Count(SB_LINEDOWN), 4u);
  MoveAt(190);
  Wait(100);
  EXPECT_EQ(Count(SB_LINEDOWN), 5u);
  Release();
  EXPECT_EQ(Notes.back(), Expected({{SB_ENDSCROLL, 0}})[0]);
  EXPECT_EQ(Count(SB_ENDSCROLL), 1u);
  Wait(1000);
  EXPECT_EQ(Notes.size(), 6u);
}

TEST_P(TScrollBarInputTest, TroughPressPagesUntilTheThumbReachesThePointer) {
  // Thumb offset for position p is round(152 p / 100) into the track; the
  // thumb is 16 long. From 0, paging by 10 first covers along 150 at 80;
  // from 100, paging back first covers along 50 at 20.
  struct TCase {
    int StartPos;
    int Along;
    WORD Code;
    int EndPos;
  };
  for (TCase C : {TCase{0, 150, SB_PAGEDOWN, 80}, TCase{100, 50, SB_PAGEUP, 20}}) {
    SCOPED_TRACE(C.Along);
    Notes.clear();
    MakeBar(0, 100, 0, C.StartPos);
    Follow = true;
    PressAt(C.Along);
    EXPECT_EQ(Codes(), std::vector<WORD>{C.Code});
    for (int I = 0; I < 20; ++I) Wait(I == 0 ? 400 : 100);
    EXPECT_EQ(Count(C.Code), 8u);
    EXPECT_EQ(GetScrollPos(Bar, SB_CTL), C.EndPos);
    Release();
    EXPECT_EQ(Notes.back().Code, SB_ENDSCROLL);
    Follow = false;
    DestroyWindow(Bar);
  }
}

TEST_P(TScrollBarInputTest, ThumbDragTracksSnapsBackAndEndsAtTheTrackPosition) {
  MakeBar(0, 100, 0, 50); // thumb at 92..108
  PressAt(100);           // taken 8 pixels into the thumb
  EXPECT_TRUE(Notes.empty());
  MoveAt(110); // thumb offset 86: position round(86 * 100 / 152) = 57
  EXPECT_EQ(TrackPos(), 57);
  EXPECT_EQ(GetScrollPos(Bar, SB_CTL), 50);
  MoveAt(111); // still 57: no notification
  MoveAt(60);  // offset 36: 24
  // The thumb is drawn at the track position: offset round(1.52 * 24) = 36.
  EXPECT_EQ(PixelAt(16 + 36, 0), GetSysColor(COLOR_3DLIGHT));
  EXPECT_NE(PixelAt(16 + 35, 0), GetSysColor(COLOR_3DLIGHT));
  MoveAt(60, 8 + 3 * 16 + 12); // far across the bar: back to 50
  EXPECT_EQ(TrackPos(), 50);
  MoveAt(60, 60); // within reach again
  Release();
  EXPECT_EQ(Notes, Expected({{SB_THUMBTRACK, 57},
                             {SB_THUMBTRACK, 24},
                             {SB_THUMBTRACK, 50},
                             {SB_THUMBTRACK, 24},
                             {SB_THUMBPOSITION, 24},
                             {SB_ENDSCROLL, 0}}));
  EXPECT_EQ(TrackPos(), 50);
}

TEST_P(TScrollBarInputTest, ThumbDragStopsAtTheEndsOfTheRange) {
  MakeBar(10, 60, 0, 35);
  TScrollBarGeometry G = TScrollBarControl::Of(Bar)->Geometry();
  int Start = G.ThumbStart() + 2;
  PressAt(Start);
  MoveAt(-300);
  EXPECT_EQ(TrackPos(), 10);
  MoveAt(500);
  EXPECT_EQ(TrackPos(), 60);
  Release();
  EXPECT_EQ(
      Notes,
      Expected(
          {{SB_THUMBTRACK, 10}, {SB_THUMBTRACK, 60}, {SB_THUMBPOSITION, 60}, {SB_ENDSCROLL, 0}}));
}

TEST_P(TScrollBarInputTest, ThumbClickWithoutMoveReportsThePositionItHad) {
  MakeBar(0, 100, 0, 50);
  ClickAt(100);
  EXPECT_EQ(Notes, Expected({{SB_THUMBPOSITION, 50}, {SB_ENDSCROLL, 0}}));
}

TEST_P(TScrollBarInputTest, KeysScrollAndTheirReleaseEndsTheScroll) {
  MakeBar(0, 100, 0, 50);
  SetFocus(Bar);
  const std::pair<UINT, WORD> Keys[] = {{VK_LEFT, SB_LINEUP},    {VK_UP, SB_LINEUP},
                                        {VK_RIGHT, SB_LINEDOWN}, {VK_DOWN, SB_LINEDOWN},
                                        {VK_PRIOR, SB_PAGEUP},   {VK_NEXT, SB_PAGEDOWN},
                                        {VK_HOME, SB_TOP},       {VK_END, SB_BOTTOM}};
  for (auto [Key, Code] : Keys) {
    SCOPED_TRACE(Key);
    Notes.clear();
    Desk->PressKey(Key);
    Desk->PumpUntilIdle();
    EXPECT_EQ(Notes, Expected({{Code, 0}, {SB_ENDSCROLL, 0}}));
  }
  Notes.clear();
  Desk->PressKey('A', 'a');
  Desk->PumpUntilIdle();
  EXPECT_TRUE(Notes.empty());
  EXPECT_EQ(SendMessage(Bar, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

TEST_P(TScrollBarInputTest, KeysOfADisabledDirectionDoNothing) {
  MakeBar(0, 100, 0, 50);
  SetFocus(Bar);
  EnableScrollBar(Bar, SB_CTL, ESB_DISABLE_LTUP);
  for (UINT Key : {VK_LEFT, VK_UP, VK_PRIOR, VK_HOME}) Desk->PressKey(Key);
  Desk->PumpUntilIdle();
  EXPECT_TRUE(Notes.empty());
  Desk->PressKey(VK_END);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Notes, Expected({{SB_BOTTOM, 0}, {SB_ENDSCROLL, 0}}));
}

TEST_P(TScrollBarInputTest, DisabledArrowsIgnorePresses) {
  struct TCase {
    UINT Arrows;
    int Along;
    std::vector<WORD> Codes;
  };
  const TCase Cases[] = {
      {ESB_DISABLE_LTUP, 5, {}},
      {ESB_DISABLE_LTUP, 195, {SB_LINEDOWN, SB_ENDSCROLL}},
      {ESB_DISABLE_LTUP, 40, {SB_PAGEUP, SB_ENDSCROLL}},
      {ESB_DISABLE_RTDN, 195, {}},
      {ESB_DISABLE_RTDN, 5, {SB_LINEUP, SB_ENDSCROLL}},
      {ESB_DISABLE_BOTH, 5, {}},
      {ESB_DISABLE_BOTH, 195, {}},
      {ESB_DISABLE_BOTH, 150, {}},
  };
  MakeBar(0, 100, 0, 50);
  for (const TCase& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Arrows << " at " << C.Along);
    EnableScrollBar(Bar, SB_CTL, C.Arrows);
    Notes.clear();
    ClickAt(C.Along);
    Wait(1000);
    EXPECT_EQ(Codes(), C.Codes);
  }
}

TEST_P(TScrollBarInputTest, DisabledControlIgnoresMouseAndKeys) {
  MakeBar(0, 100, 0, 50, WS_TABSTOP);
  SetFocus(Parent);
  EnableWindow(Bar, FALSE);
  for (int Along : {5, 60, 100, 150, 195}) ClickAt(Along);
  SendMessage(Bar, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessage(Bar, WM_KEYUP, VK_RIGHT, 0);
  EXPECT_TRUE(Notes.empty());
  EXPECT_EQ(GetFocus(), Parent);
}

TEST_P(TScrollBarInputTest, ClickTakesTheFocusOnlyWithTabStop) {
  for (DWORD Extra : {DWORD(0), WS_TABSTOP}) {
    MakeBar(0, 100, 0, 50, Extra);
    SetFocus(Parent);
    ClickAt(195);
    EXPECT_EQ(GetFocus(), Extra ? Bar : Parent);
    DestroyWindow(Bar);
  }
}

TEST_P(TScrollBarInputTest, RightClickAsksForTheContextMenu) {
  MakeBar(0, 100, 0, 50);
  TPoint P = Screen(Bar, At(60, 8).X, At(60, 8).Y);
  Desk->Click(P.X, P.Y, 1);
  Desk->PumpUntilIdle();
  EXPECT_TRUE(Notes.empty());
  ASSERT_EQ(ContextMenus.size(), 1u);
  EXPECT_EQ(ContextMenus[0], P);
}

TEST_P(TScrollBarInputTest, LosingTheCaptureOrTheEnabledStateEndsTheScroll) {
  MakeBar(0, 100, 0, 50);
  PressAt(195);
  SetCapture(Parent);
  Wait(1000);
  EXPECT_EQ(Notes, Expected({{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}));
  Release();
  ReleaseCapture();
  Notes.clear();
  PressAt(100);
  MoveAt(120);
  EnableWindow(Bar, FALSE);
  Release();
  EXPECT_EQ(Codes(), (std::vector<WORD>{SB_THUMBTRACK, SB_ENDSCROLL}));
  EXPECT_EQ(TrackPos(), 50);
}

TEST_P(TScrollBarInputTest, ParentMayDestroyTheBarWhileNotified) {
  // Hiding the dying bar takes its capture away, which ends the action;
  // nothing comes from it afterwards.
  struct TCase {
    int Along, MoveTo;
    WORD First;
  };
  for (TCase C : {TCase{195, 196, SB_LINEDOWN}, TCase{150, 151, SB_PAGEDOWN},
                  TCase{100, 130, SB_THUMBTRACK}}) {
    SCOPED_TRACE(C.Along);
    MakeBar(0, 100, 0, 50);
    Notes.clear();
    DestroyOnNote = Bar;
    PressAt(C.Along);
    MoveAt(C.MoveTo);
    Wait(500);
    Release();
    EXPECT_FALSE(IsWindow(Bar));
    EXPECT_EQ(Codes(), (std::vector<WORD>{C.First, SB_ENDSCROLL}));
  }
}

} // namespace
