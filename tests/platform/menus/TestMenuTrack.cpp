// TrackPopupMenu driven through the desktop: the message order the owner
// sees, owner-drawn entries (measure, draw, states, the DC's window),
// window size and placement, and choosing by mouse and keys.
#include "MenuTestSupport.h"

using namespace menutest;

namespace {

constexpr int kFrame = 3;

class TMenuTrack : public TMenuTest {
protected:
  HMENU Simple() {
    return Keep(BuildMenu({{"&Alpha", 101},
                           {"&Beta\tCtrl+B", 102},
                           {"-"},
                           {"&Gamma", 103, MFS_GRAYED},
                           {"&Delta", 104}}));
  }
};

TEST_F(TMenuTrack, MessageOrderOfAChoice) {
  HMENU M = Keep(BuildMenu({{"One", 1, 0, MFT_OWNERDRAW}, {"Two", 2, 0, MFT_OWNERDRAW}}));
  Script({[&] { HoverItem(M, 1); }, [&] { ClickItem(M, 1); }});
  EXPECT_TRUE(TrackPopupMenu(M, 0, 50, 50, 0, Wnd, nullptr));
  EXPECT_EQ(MenuMessages(),
            (std::vector<UINT>{WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM,
                               WM_MENUSELECT, WM_UNINITMENUPOPUP, WM_MENUSELECT, WM_EXITMENULOOP}));
  EXPECT_EQ(PostedCommands(), std::vector<UINT>{2});
  EXPECT_TRUE(MenuWindows().empty());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TMenuTrack, NotificationsCarryTheirParameters) {
  HMENU M = Simple();
  Script({[&] { HoverItem(M, 1); }, [&] { Desk->PressKey(VK_ESCAPE); }});
  EXPECT_TRUE(TrackPopupMenu(M, 0, 50, 50, 0, Wnd, nullptr));
  std::vector<TLogged> Selects;
  for (const TLogged& L : Owner().Log) {
    if (L.Msg == WM_ENTERMENULOOP) {
      EXPECT_EQ(L.WParam, WPARAM(TRUE));
    }
    if (L.Msg == WM_INITMENUPOPUP) {
      EXPECT_EQ(L.WParam, reinterpret_cast<WPARAM>(M));
      EXPECT_EQ(L.LParam, MAKELPARAM(0, FALSE));
    }
    if (L.Msg == WM_MENUSELECT) Selects.push_back(L);
  }
  ASSERT_EQ(Selects.size(), 2u);
  EXPECT_EQ(Selects[0].WParam, MAKEWPARAM(102, MF_HILITE | MF_MOUSESELECT));
  EXPECT_EQ(Selects[0].LParam, reinterpret_cast<LPARAM>(M));
  EXPECT_EQ(Selects[1].WParam, MAKEWPARAM(0, 0xFFFF));
  EXPECT_EQ(Selects[1].LParam, 0);
  EXPECT_TRUE(PostedCommands().empty());
}

TEST_F(TMenuTrack, NoNotifyKeepsOnlyOwnerDrawMessages) {
  HMENU M = Keep(BuildMenu({{"One", 1, 0, MFT_OWNERDRAW}, {"Two", 2}}));
  Script({[&] { Desk->PressKey(VK_DOWN); }, [&] { Desk->PressKey(VK_RETURN); }});
  EXPECT_EQ(TrackPopupMenu(M, TPM_NONOTIFY | TPM_RETURNCMD, 50, 50, 0, Wnd, nullptr), 1);
  EXPECT_EQ(MenuMessages(), (std::vector<UINT>{WM_MEASUREITEM, WM_DRAWITEM}));
  EXPECT_TRUE(PostedCommands().empty());
}

// Owner-drawn entries: measured once with width and height 0, drawn
// through a DC of the menu window with client rectangles from (0, 0).
TEST_F(TMenuTrack, OwnerDrawMeasureAndDraw) {
  HMENU M = Keep(BuildMenu({{"A", 1, 0, MFT_OWNERDRAW},
                            {"B", 2, MFS_GRAYED, MFT_OWNERDRAW},
                            {"C", 3, MFS_CHECKED | MFS_DEFAULT, MFT_OWNERDRAW},
                            {"-", 4, 0, MFT_OWNERDRAW}}));
  Owner().Sizes = {{1, {90, 20}}, {2, {120, 22}}, {3, {60, 18}}, {4, {10, 5}}};
  HWND MenuWnd = nullptr;
  Script({[&] {
            auto W = MenuWindows();
            ASSERT_EQ(W.size(), 1u);
            MenuWnd = W[0];
            HoverItem(M, 0);
          },
          [&] { Desk->PressKey(VK_ESCAPE); }});
  EXPECT_TRUE(TrackPopupMenu(M, 0, 40, 40, 0, Wnd, nullptr));
  ASSERT_EQ(Owner().Measures.size(), 4u);
  for (const MEASUREITEMSTRUCT& Mis : Owner().Measures) EXPECT_EQ(Mis.CtlType, ODT_MENU);
  EXPECT_EQ(Owner().Measures[1].itemID, 2u);
  EXPECT_EQ(Owner().Measures[1].itemData, 20u);
  const TRect Want[] = {{0, 0, 120, 20}, {0, 20, 120, 42}, {0, 42, 120, 60}, {0, 60, 120, 65}};
  const UINT States[] = {0, ODS_GRAYED | ODS_DISABLED, ODS_CHECKED | ODS_DEFAULT, 0};
  ASSERT_GE(Owner().Draws.size(), 5u);
  for (std::size_t I = 0; I < 4; ++I) {
    const TDrawn& D = Owner().Draws[I];
    EXPECT_EQ(D.Dis.itemAction, ODA_DRAWENTIRE);
    EXPECT_EQ(D.Dis.itemID, I + 1);
    EXPECT_EQ(D.Dis.rcItem, Want[I]) << I;
    EXPECT_EQ(D.Dis.itemState, States[I]) << I;
    EXPECT_EQ(D.Dis.hwndItem, reinterpret_cast<HWND>(M));
    EXPECT_EQ(D.Dis.itemData, (I + 1) * 10);
    EXPECT_EQ(D.DcWindow, MenuWnd);
  }
  const TDrawn& Sel = Owner().Draws[4];
  EXPECT_EQ(Sel.Dis.itemAction, ODA_SELECT);
  EXPECT_EQ(Sel.Dis.itemState, UINT(ODS_SELECTED));
  EXPECT_EQ(Sel.DcWindow, MenuWnd);
}

TEST_F(TMenuTrack, WindowIsWidestEntryPlusFrame) {
  HMENU M = Keep(BuildMenu({{"A", 1, 0, MFT_OWNERDRAW}, {"B", 2, 0, MFT_OWNERDRAW}}));
  Owner().Sizes = {{1, {70, 20}}, {2, {150, 25}}};
  TRect R{};
  HWND MenuWnd = nullptr;
  Script({[&] {
    MenuWnd = MenuWindows().at(0);
    R = WindowRectOf(MenuWnd);
    EXPECT_EQ(GetWindowLong(MenuWnd, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
              LONG_PTR(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_EQ(GetParent(MenuWnd), Wnd);
    EXPECT_NE(GetActiveWindow(), MenuWnd);
    RECT C{};
    GetClientRect(MenuWnd, &C);
    EXPECT_EQ(C, (TRect{0, 0, 150, 45}));
    EndMenu();
  }});
  EXPECT_TRUE(TrackPopupMenu(M, 0, 100, 80, 0, Wnd, nullptr));
  EXPECT_EQ(R, (TRect{100, 80, 100 + 150 + 2 * kFrame, 80 + 45 + 2 * kFrame}));
  EXPECT_FALSE(IsWindow(MenuWnd));
}

struct TPlaceCase {
  const char* Name;
  UINT Flags;
  int X, Y;
  TPoint Want; // window top-left; the window is 106 x 56 on a 640 x 480 screen
};

class TMenuPlace : public TMenuTest, public ::testing::WithParamInterface<TPlaceCase> {};

TEST_P(TMenuPlace, AlignsAndStaysOnScreen) {
  const TPlaceCase& C = GetParam();
  Desk->SetScreen(640, 480, 480);
  HMENU M = Keep(BuildMenu({{"A", 1, 0, MFT_OWNERDRAW}}));
  Owner().Sizes = {{1, {100, 50}}};
  TRect R{};
  Script({[&] {
    R = WindowRectOf(MenuWindows().at(0));
    EndMenu();
  }});
  EXPECT_TRUE(TrackPopupMenu(M, C.Flags, C.X, C.Y, 0, Wnd, nullptr));
  EXPECT_EQ((TPoint{R.Left, R.Top}), C.Want);
  EXPECT_EQ(R.Width(), 106);
}

const TPlaceCase kPlaceCases[] = {{"LeftTop", TPM_LEFTALIGN | TPM_TOPALIGN, 200, 100, {200, 100}},
                                  {"Center", TPM_CENTERALIGN, 200, 100, {147, 100}},
                                  {"Right", TPM_RIGHTALIGN, 200, 100, {94, 100}},
                                  {"Bottom", TPM_BOTTOMALIGN, 200, 100, {200, 44}},
                                  {"VCenter", TPM_VCENTERALIGN, 200, 100, {200, 72}},
                                  {"RightEdgeFlips", 0, 600, 100, {494, 100}},
                                  {"BottomEdgeFlips", 0, 200, 460, {200, 404}},
                                  {"RightAlignLeftEdgeFlips", TPM_RIGHTALIGN, 50, 100, {50, 100}},
                                  {"BottomAlignTopEdgeFlips", TPM_BOTTOMALIGN, 200, 20, {200, 20}},
                                  {"CenterClamped", TPM_CENTERALIGN, 630, 100, {534, 100}},
                                  {"OffScreenClamped", 0, -50, -50, {0, 0}}};

INSTANTIATE_TEST_SUITE_P(Placement, TMenuPlace, ::testing::ValuesIn(kPlaceCases),
                         [](const auto& I) { return std::string(I.param.Name); });

struct TKeyCase {
  const char* Name;
  std::vector<UINT> Keys; // a key, or a character when above 0xFF
  int Result;
};

class TMenuKeys : public TMenuTrack, public ::testing::WithParamInterface<TKeyCase> {};

// Keys on the menu Alpha, Beta, -, Gamma (grey), Delta.
TEST_P(TMenuKeys, KeysChoose) {
  const TKeyCase& C = GetParam();
  HMENU M = Simple();
  Script({[&] {
    for (UINT K : C.Keys)
      if (K > 0xFF)
        Desk->PressKey(0, K & 0xFF);
      else
        Desk->PressKey(K);
  }});
  EXPECT_EQ(TrackPopupMenu(M, TPM_RETURNCMD, 30, 30, 0, Wnd, nullptr), C.Result);
  EXPECT_TRUE(PostedCommands().empty());
}

const TKeyCase kKeyCases[] = {
    {"DownEnter", {VK_DOWN, VK_RETURN}, 101},
    {"DownDownEnter", {VK_DOWN, VK_DOWN, VK_RETURN}, 102},
    {"SkipsSeparator", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, 0},
    {"DisabledNotChosen", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN, VK_DOWN, VK_RETURN}, 104},
    {"UpWraps", {VK_UP, VK_RETURN}, 104},
    {"DownWraps", {VK_END, VK_DOWN, VK_RETURN}, 101},
    {"Home", {VK_END, VK_HOME, VK_RETURN}, 101},
    {"End", {VK_HOME, VK_END, VK_RETURN}, 104},
    {"Escape", {VK_DOWN, VK_ESCAPE, VK_RETURN}, 0},
    {"Letter", {0x100 | 'd'}, 104},
    {"LetterUpper", {0x100 | 'B'}, 102},
    {"LetterDisabledOnlySelects", {0x100 | 'g', VK_DOWN, VK_RETURN}, 104},
    {"UnknownLetter", {0x100 | 'z', VK_DOWN, VK_RETURN}, 101},
    {"EnterWithoutSelection", {VK_RETURN, VK_DOWN, VK_RETURN}, 101}};

INSTANTIATE_TEST_SUITE_P(Keys, TMenuKeys, ::testing::ValuesIn(kKeyCases),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(TMenuTrack, MenuCharAnswersDecide) {
  struct TCase {
    LRESULT Answer;
    int Result;
    bool StillOpen;
  } Cases[] = {{MAKELPARAM(1, MNC_EXECUTE), 2, false},
               {MAKELPARAM(1, MNC_SELECT), 2, true},
               {MAKELPARAM(0, MNC_CLOSE), 0, false},
               {MAKELPARAM(0, MNC_IGNORE), 0, true}};
  HMENU M = Keep(BuildMenu({{"x", 1, 0, MFT_OWNERDRAW}, {"y", 2, 0, MFT_OWNERDRAW}}));
  for (const TCase& C : Cases) {
    UINT Asked = 0;
    Owner().Hook = [&](UINT Msg, WPARAM W, LPARAM, LRESULT& R) {
      if (Msg != WM_MENUCHAR) return false;
      Asked = LOWORD(W);
      R = C.Answer;
      return true;
    };
    bool Open = false;
    Script({[&] { Desk->PressKey(0, 'q'); },
            [&] {
              Open = !MenuWindows().empty();
              Desk->PressKey(VK_RETURN);
            }});
    EXPECT_EQ(TrackPopupMenu(M, TPM_RETURNCMD, 30, 30, 0, Wnd, nullptr), C.Result);
    EXPECT_EQ(Asked, UINT('q'));
    EXPECT_EQ(Open, C.StillOpen);
  }
}

TEST_F(TMenuTrack, MouseChoosesAndRefuses) {
  struct TCase {
    UINT Pos;
    UINT Flags;
    int Button;
    int Result;
  } Cases[] = {{0, 0, 0, 101}, {4, 0, 0, 104}, {3, 0, 0, 0},
               {2, 0, 0, 0},   {1, 0, 1, 0},   {1, TPM_RIGHTBUTTON, 1, 102}};
  HMENU M = Simple();
  for (const TCase& C : Cases) {
    Script({[&] {
              TPoint P = Centre(Item(M, C.Pos));
              Desk->Click(P.X, P.Y, C.Button);
            },
            [&] { Desk->PressKey(VK_ESCAPE); }});
    EXPECT_EQ(TrackPopupMenu(M, TPM_RETURNCMD | C.Flags, 30, 30, 0, Wnd, nullptr), C.Result)
        << C.Pos << " " << C.Button;
  }
}

TEST_F(TMenuTrack, ClickOutsideCloses) {
  HMENU M = Simple();
  bool Closed = false;
  Script({[&] { Desk->Click(600, 400); }, [&] { Closed = true; }});
  EXPECT_EQ(TrackPopupMenu(M, TPM_RETURNCMD, 30, 30, 0, Wnd, nullptr), 0);
  EXPECT_FALSE(Closed);
  EXPECT_TRUE(MenuWindows().empty());
}

TEST_F(TMenuTrack, SecondMenuWhileTrackingIsRefused) {
  HMENU M = Simple();
  HMENU Other = Keep(BuildMenu({{"x", 9}}));
  BOOL Nested = TRUE;
  Script({[&] {
    Nested = TrackPopupMenu(Other, 0, 0, 0, 0, Wnd, nullptr);
    EndMenu();
  }});
  EXPECT_TRUE(TrackPopupMenu(M, 0, 30, 30, 0, Wnd, nullptr));
  EXPECT_FALSE(Nested);
}

TEST_F(TMenuTrack, QuitEndsTheMenuAndIsPostedAgain) {
  HMENU M = Simple();
  Script({});
  EXPECT_EQ(TrackPopupMenu(M, TPM_RETURNCMD, 30, 30, 0, Wnd, nullptr), 0);
  MSG Msg{};
  EXPECT_TRUE(PeekMessage(&Msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(Msg.message, WM_QUIT);
}

TEST_F(TMenuTrack, EmptyMenuShowsNothing) {
  HMENU M = Keep(CreatePopupMenu());
  Script({[&] { ADD_FAILURE() << "the loop ran"; }});
  EXPECT_FALSE(TrackPopupMenu(M, 0, 30, 30, 0, Wnd, nullptr));
  EXPECT_EQ(CountMsg(WM_INITMENUPOPUP), 1);
  EXPECT_EQ(CountMsg(WM_EXITMENULOOP), 1);
}

// The owner fills the menu when asked, as the framework may.
TEST_F(TMenuTrack, InitMenuPopupMayFillTheMenu) {
  HMENU M = Keep(CreatePopupMenu());
  Owner().Hook = [&](UINT Msg, WPARAM W, LPARAM, LRESULT&) {
    if (Msg == WM_INITMENUPOPUP && reinterpret_cast<HMENU>(W) == M && GetMenuItemCount(M) == 0)
      AppendMenu(M, MF_STRING, 77, "Filled");
    return false;
  };
  Script({[&] { Desk->PressKey(VK_DOWN); }, [&] { Desk->PressKey(VK_RETURN); }});
  EXPECT_EQ(TrackPopupMenu(M, TPM_RETURNCMD, 30, 30, 0, Wnd, nullptr), 77);
}

} // namespace
