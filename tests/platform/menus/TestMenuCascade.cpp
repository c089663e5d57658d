// Sub-menus: opening after the hover delay or at once on a click or a key,
// their placement beside the parent entry, closing a level, and the menu
// windows as the styled menus treat them (subclass, region, move) with
// GetMenuItemRect following the windows.
#include "MenuTestSupport.h"

using namespace menutest;

namespace {

class TMenuCascade : public TMenuTest {
protected:
  void SetUp() override {
    TMenuTest::SetUp();
    Sub = BuildMenu({{"&First", 201}, {"&Second", 202}});
    Top = Keep(BuildMenu({{"&Open", 101}, {"&More", 102, 0, 0, 0}, {"&Close", 103}}, {Sub}));
  }
  HMENU Top = nullptr;
  HMENU Sub = nullptr;
};

TEST_F(TMenuCascade, HoverOpensAfterTheDelay) {
  std::size_t Before = 0, After = 0;
  Script({[&] { HoverItem(Top, 1); },
          [&] {
            Before = MenuWindows().size();
            Desk->AdvanceTime(450);
          },
          [&] {
            After = MenuWindows().size();
            ClickItem(Sub, 1);
          }});
  EXPECT_EQ(TrackPopupMenu(Top, TPM_RETURNCMD, 20, 20, 0, Wnd, nullptr), 202);
  EXPECT_EQ(Before, 1u);
  EXPECT_EQ(After, 2u);
  bool SawSubInit = false;
  for (const TLogged& L : Owner().Log)
    if (L.Msg == WM_INITMENUPOPUP && reinterpret_cast<HMENU>(L.WParam) == Sub) {
      EXPECT_EQ(L.LParam, MAKELPARAM(1, FALSE));
      SawSubInit = true;
    }
  EXPECT_TRUE(SawSubInit);
  EXPECT_EQ(CountMsg(WM_UNINITMENUPOPUP), 2);
}

TEST_F(TMenuCascade, SubMenuSitsBesideItsEntry) {
  struct TCase {
    int X;
    bool Right;
  } Cases[] = {{20, true}, {560, false}};
  Desk->SetScreen(640, 480, 480);
  for (const TCase& C : Cases) {
    TRect Parent{}, Child{}, First{};
    Script({[&] { ClickItem(Top, 1); },
            [&] {
              Parent = Item(Top, 1);
              First = Item(Sub, 0);
              auto W = MenuWindows();
              ASSERT_EQ(W.size(), 2u);
              Child = WindowRectOf(W[1]);
              EndMenu();
            }});
    TrackPopupMenu(Top, 0, C.X, 20, 0, Wnd, nullptr);
    EXPECT_EQ(First.Top, Parent.Top) << C.X;
    if (C.Right)
      EXPECT_EQ(Child.Left, Parent.Right) << C.X;
    else
      EXPECT_EQ(Child.Right, Parent.Left) << C.X;
  }
}

struct TCascadeKeyCase {
  const char* Name;
  std::vector<UINT> Keys;
  int Result;
};

class TMenuCascadeKeys : public TMenuCascade,
                         public ::testing::WithParamInterface<TCascadeKeyCase> {};

TEST_P(TMenuCascadeKeys, KeysWalkTheCascade) {
  const TCascadeKeyCase& C = GetParam();
  Script({[&] {
    for (UINT K : C.Keys)
      if (K > 0xFF)
        Desk->PressKey(0, K & 0xFF);
      else
        Desk->PressKey(K);
  }});
  EXPECT_EQ(TrackPopupMenu(Top, TPM_RETURNCMD, 20, 20, 0, Wnd, nullptr), C.Result);
}

const TCascadeKeyCase kCascadeKeys[] = {
    {"RightOpensWithFirst", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, 201},
    {"EnterOpens", {VK_DOWN, VK_DOWN, VK_RETURN, VK_DOWN, VK_RETURN}, 202},
    {"LeftCloses", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_DOWN, VK_RETURN}, 103},
    {"EscapeClosesOneLevel", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_UP, VK_RETURN}, 101},
    {"LettersCascade", {0x100 | 'm', 0x100 | 's'}, 202},
    {"EscapeTwiceEnds", {0x100 | 'm', VK_ESCAPE, VK_ESCAPE, 0x100 | 'o'}, 0}};

INSTANTIATE_TEST_SUITE_P(Keys, TMenuCascadeKeys, ::testing::ValuesIn(kCascadeKeys),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(TMenuCascade, ItemRectFollowsAMovedWindow) {
  TRect Before{}, After{}, Hovered{};
  RECT Dummy{};
  Script({[&] {
    Before = Item(Top, 2);
    HWND W = MenuWindows().at(0);
    TRect R = WindowRectOf(W);
    MoveWindow(W, R.Left + 100, R.Top + 50, R.Width(), R.Height(), TRUE);
    After = Item(Top, 2);
    EXPECT_FALSE(GetMenuItemRect(nullptr, Top, 3, &Dummy));
    EXPECT_FALSE(GetMenuItemRect(nullptr, Sub, 0, &Dummy));
    EXPECT_FALSE(GetMenuItemRect(reinterpret_cast<HWND>(std::intptr_t(5)), Top, 0, &Dummy));
    // The old place is empty now: a click there is outside.
    Desk->Click(Before.Left + 5, Before.Top + 5);
  }});
  EXPECT_EQ(TrackPopupMenu(Top, TPM_RETURNCMD, 20, 20, 0, Wnd, nullptr), 0);
  EXPECT_EQ(After.Left - Before.Left, 100);
  EXPECT_EQ(After.Top - Before.Top, 50);
  EXPECT_FALSE(GetMenuItemRect(nullptr, Top, 0, &Dummy));
  Script({[&] {
            HWND W = MenuWindows().at(0);
            TRect R = WindowRectOf(W);
            MoveWindow(W, R.Left + 100, R.Top + 50, R.Width(), R.Height(), TRUE);
            Hovered = Item(Top, 2);
          },
          [&] { Desk->Click(Hovered.Left + 5, Hovered.Top + 5); }});
  EXPECT_EQ(TrackPopupMenu(Top, TPM_RETURNCMD, 20, 20, 0, Wnd, nullptr), 103);
}

// ---- robustness ----

TEST_F(TMenuCascade, ChangesWhileShowingAreLaidOutAgain) {
  TRect Window{};
  int EntryHeight = 0;
  Script({[&] {
            EntryHeight = Item(Top, 0).Height();
            AppendMenu(Top, MF_STRING, 104, "Added late with a long text");
            Desk->PressKey(VK_END);
          },
          [&] {
            Window = WindowRectOf(MenuWindows().at(0));
            DeleteMenu(Top, 0, MF_BYPOSITION);
            Desk->PressKey(VK_HOME);
          },
          [&] { Desk->PressKey(VK_RETURN); }});
  EXPECT_EQ(TrackPopupMenu(Top, TPM_RETURNCMD, 20, 20, 0, Wnd, nullptr), 0);
  EXPECT_GT(EntryHeight, 0);
  EXPECT_EQ(Window.Height(), 4 * EntryHeight + 6);
}

TEST_F(TMenuCascade, DestroyedSubMenuClosesItsLevel) {
  std::size_t Open = 0, Left = 0;
  Script({[&] { ClickItem(Top, 1); },
          [&] {
            Open = MenuWindows().size();
            DestroyMenu(Sub);
          },
          [&] {
            Left = MenuWindows().size();
            Desk->PressKey(VK_ESCAPE);
          }});
  EXPECT_EQ(TrackPopupMenu(Top, TPM_RETURNCMD, 20, 20, 0, Wnd, nullptr), 0);
  EXPECT_EQ(Open, 2u);
  EXPECT_EQ(Left, 1u);
}

TEST_F(TMenuCascade, DestroyingTheShowingMenuEndsTheLoop) {
  HMENU M = BuildMenu({{"A", 1}});
  bool Ran = false;
  Script({[&] { DestroyMenu(M); }, [&] { Ran = true; }});
  EXPECT_TRUE(TrackPopupMenu(M, 0, 20, 20, 0, Wnd, nullptr));
  EXPECT_FALSE(Ran);
  EXPECT_TRUE(MenuWindows().empty());
}

TEST_F(TMenuCascade, OwnerDestroyedEndsTheLoopAndPostsNothing) {
  bool Ran = false;
  Script({[&] {
            Desk->PressKey(VK_DOWN);
            DestroyWindow(Wnd);
          },
          [&] { Ran = true; }});
  EXPECT_EQ(TrackPopupMenu(Top, 0, 20, 20, 0, Wnd, nullptr), TRUE);
  EXPECT_FALSE(Ran);
  EXPECT_TRUE(MenuWindows().empty());
}

TEST_F(TMenuCascade, TimersAndPostedMessagesStillFlow) {
  int Timers = 0, Posted = 0;
  Owner().Hook = [&](UINT Msg, WPARAM, LPARAM, LRESULT&) {
    if (Msg == WM_TIMER) ++Timers;
    if (Msg == WM_APP) ++Posted;
    return false;
  };
  SetTimer(Wnd, 5, 100, nullptr);
  PostMessage(Wnd, WM_APP, 0, 0);
  Script({[&] { Desk->AdvanceTime(150); }, [&] { EndMenu(); }});
  TrackPopupMenu(Top, 0, 20, 20, 0, Wnd, nullptr);
  KillTimer(Wnd, 5);
  EXPECT_EQ(Timers, 1);
  EXPECT_EQ(Posted, 1);
}

// ---- the styled menus' treatment of the window ----

WNDPROC gCascadePrevProc = nullptr;
int gCascadeErases = 0;

LRESULT CascadeSubclass(HWND W, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_ERASEBKGND) {
    ++gCascadeErases;
    return 1;
  }
  if (Msg == WM_SHOWWINDOW && !WParam) SetWindowRgn(W, nullptr, TRUE);
  return CallWindowProc(gCascadePrevProc, W, Msg, WParam, LParam);
}

TEST_F(TMenuCascade, SubclassRegionAndMoveFromTheFirstDraw) {
  HMENU M = Keep(BuildMenu({{"A", 1, 0, MFT_OWNERDRAW}, {"B", 2, 0, MFT_OWNERDRAW}}));
  Owner().Sizes = {{1, {100, 20}}, {2, {100, 20}}};
  gCascadeErases = 0;
  Owner().Hook = [&](UINT Msg, WPARAM, LPARAM LParam, LRESULT&) {
    if (Msg != WM_DRAWITEM) return false;
    HWND W = WindowFromDC(reinterpret_cast<DRAWITEMSTRUCT*>(LParam)->hDC);
    if (GetWindowLong(W, GWL_WNDPROC) == reinterpret_cast<LONG_PTR>(&CascadeSubclass)) return false;
    gCascadePrevProc = reinterpret_cast<WNDPROC>(GetWindowLong(W, GWL_WNDPROC));
    SetWindowLong(W, GWL_USERDATA, reinterpret_cast<LONG_PTR>(gCascadePrevProc));
    SetWindowLong(W, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&CascadeSubclass));
    TRect R = WindowRectOf(W);
    SetWindowRgn(W, CreateRectRgn(1, 1, R.Width() - 18, R.Height() - 1), TRUE);
    MoveWindow(W, R.Left - 1, R.Top - 2, R.Width(), R.Height(), TRUE);
    return false;
  };
  TRect First{};
  std::uint32_t Inside = 0, Clipped = 0;
  Script({[&] {
    First = Item(M, 0);
    Inside = Desk->ScreenPixel(First.Left + 5, First.Top + 5);
    Clipped = Desk->ScreenPixel(First.Right - 2, First.Top + 5);
    HWND W = MenuWindows().at(0);
    InvalidateRect(W, nullptr, TRUE);
    UpdateWindow(W);
    EndMenu();
  }});
  TrackPopupMenu(M, 0, 50, 50, 0, Wnd, nullptr);
  EXPECT_EQ(First.Left, 50 - 1 + 3);
  EXPECT_EQ(First.Top, 50 - 2 + 3);
  EXPECT_EQ(Inside, 0x208040u);
  EXPECT_NE(Clipped, 0x208040u);
  EXPECT_GE(gCascadeErases, 1);
}

} // namespace
