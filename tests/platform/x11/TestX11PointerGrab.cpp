// The pointer grab behind the mouse capture, on a server without a window
// manager: while a window holds the capture, a click on another program or
// on the bare desktop reaches it (so an open menu closes), clicks on our
// own windows still land where they are, and the grab ends with the
// capture. Whether the program holds the pointer is asked by trying to
// grab it from the test's own connection.
#include "X11Test.h"

#include "platform/WinUserMenus.h"

namespace {

constexpr UINT kGrabFirstId = 101, kGrabSecondId = 102;

// What a timer does while the menu loop owns the thread: Act once on the
// first tick. A menu still open many ticks later is closed, so a click
// that went astray fails the test instead of hanging it.
struct TGrabScript {
  std::function<void()> Act;
  bool Acted = false;
  int Ticks = 0;
  bool GaveUp = false;
};

TGrabScript& GrabScript() {
  static TGrabScript S;
  return S;
}

void GrabScriptTick(HWND, UINT, UINT_PTR, DWORD) {
  TGrabScript& S = GrabScript();
  if (!S.Acted) {
    S.Acted = true;
    S.Act();
    return;
  }
  if (++S.Ticks == 300) {
    S.GaveUp = true;
    EndMenu();
  }
}

// What another client's attempt to grab the pointer returns; a grab it
// gets is let go at once.
int GrabFromOtherClient(Display* D) {
  int Result = XGrabPointer(D, DefaultRootWindow(D), False, ButtonPressMask, GrabModeAsync,
                            GrabModeAsync, None, None, CurrentTime);
  if (Result == GrabSuccess) XUngrabPointer(D, CurrentTime);
  XSync(D, False);
  return Result;
}

POINT GrabClientPos(const MSG* M) {
  return POINT{GET_X_LPARAM(M->lParam), GET_Y_LPARAM(M->lParam)};
}

} // namespace

class TX11GrabTest : public TX11Test {
protected:
  void TearDown() override {
    if (FForeign) XDestroyWindow(Viewer(), FForeign);
    XUngrabPointer(Viewer(), CurrentTime);
    XSync(Viewer(), False);
    if (FMenu) DestroyMenu(FMenu);
    TX11Test::TearDown();
  }

  HWND ShowWindowAt(const TRect& R) {
    HWND W = MakeWindow(0, WS_POPUP, R);
    ShowWindow(W, SW_SHOW);
    Window X = XOf(W);
    EXPECT_TRUE(PumpUntil([&] { return Viewable(X); }));
    return W;
  }

  // A plain window of another client (the test's connection).
  void ShowForeignWindow(const TRect& R) {
    Display* D = Viewer();
    FForeign = XCreateSimpleWindow(D, DefaultRootWindow(D), R.Left, R.Top, unsigned(R.Width()),
                                   unsigned(R.Height()), 0, 0, 0x808080);
    XSelectInput(D, FForeign, ButtonPressMask);
    XMapWindow(D, FForeign);
    XSync(D, False);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(FForeign); }, 3000));
  }

  // Runs a two-entry popup menu at (300, 300) for Owner, with Act run
  // from inside its loop; the posted choice is dispatched afterwards.
  void TrackMenu(HWND Owner, std::function<void()> Act) {
    if (FMenu) DestroyMenu(FMenu);
    FMenu = CreatePopupMenu();
    AppendMenu(FMenu, MF_STRING, kGrabFirstId, "First");
    AppendMenu(FMenu, MF_STRING, kGrabSecondId, "Second");
    GrabScript() = TGrabScript{};
    GrabScript().Act = std::move(Act);
    UINT_PTR Timer = SetTimer(nullptr, 0, 10, GrabScriptTick);
    ASSERT_NE(Timer, 0u);
    EXPECT_TRUE(TrackPopupMenu(FMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NOANIMATION, 300, 300, 0,
                               Owner, nullptr));
    KillTimer(nullptr, Timer);
    EXPECT_TRUE(GrabScript().Acted);
    EXPECT_FALSE(GrabScript().GaveUp) << "the click did not close the menu";
    Drain();
  }

  // Clicks the middle of entry Pos of the showing menu.
  void ClickEntry(UINT Pos) {
    RECT R{};
    ASSERT_TRUE(GetMenuItemRect(nullptr, FMenu, Pos, &R));
    int X = (R.Left + R.Right) / 2, Y = (R.Top + R.Bottom) / 2;
    ASSERT_EQ(XDoTool({"mousemove", std::to_string(X), std::to_string(Y), "click", "1"}), 0);
  }

  // Handles whatever the program was sent so far.
  void Drain() {
    Settle();
    PumpUntil([] { return true; });
  }

  // The first command the test window Owner was sent, 0 for none.
  static UINT CommandOf(HWND Owner) {
    const MSG* M = Logged(Owner, WM_COMMAND);
    return M ? LOWORD(M->wParam) : 0;
  }

  HMENU FMenu = nullptr;
  Window FForeign = 0;
};

TEST_F(TX11GrabTest, ClickOutsideEveryWindowClosesTheMenu) {
  struct TCase {
    const char* Where;
    TPoint Click;
  };
  const TCase Cases[] = {
      {"on another program's window", TPoint{800, 600}},
      {"on the bare desktop", TPoint{1200, 950}},
  };
  ShowForeignWindow(TRect{700, 500, 900, 700});
  HWND Owner = ShowWindowAt(TRect{100, 100, 300, 200});
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Where);
    Log().clear();
    int DuringMenu = GrabSuccess;
    TrackMenu(Owner, [&] {
      DuringMenu = GrabFromOtherClient(Viewer());
      ASSERT_EQ(XDoTool({"mousemove", std::to_string(C.Click.X), std::to_string(C.Click.Y), "click",
                         "1"}),
                0);
    });
    EXPECT_EQ(DuringMenu, AlreadyGrabbed);
    EXPECT_EQ(CommandOf(Owner), 0u);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GrabFromOtherClient(Viewer()), GrabSuccess);
  }
  // The grab kept the press from the other program.
  XEvent E;
  EXPECT_FALSE(XCheckWindowEvent(Viewer(), FForeign, ButtonPressMask, &E));
}

TEST_F(TX11GrabTest, ClickOnAnEntryStillChoosesIt) {
  HWND Owner = ShowWindowAt(TRect{100, 100, 300, 200});
  TrackMenu(Owner, [&] { ClickEntry(1); });
  EXPECT_EQ(CommandOf(Owner), kGrabSecondId);
  EXPECT_EQ(GrabFromOtherClient(Viewer()), GrabSuccess);
}

TEST_F(TX11GrabTest, AnotherClientsGrabLeavesTheMenuWorkingInsideOurWindows) {
  HWND Owner = ShowWindowAt(TRect{100, 100, 300, 200});
  Display* D = Viewer();
  ASSERT_EQ(XGrabPointer(D, DefaultRootWindow(D), False, ButtonPressMask, GrabModeAsync,
                         GrabModeAsync, None, None, CurrentTime),
            GrabSuccess);
  XSync(D, False);
  TrackMenu(Owner, [&] {
    XUngrabPointer(D, CurrentTime);
    XSync(D, False);
    ClickEntry(0);
  });
  EXPECT_EQ(CommandOf(Owner), kGrabFirstId);
  EXPECT_EQ(GrabFromOtherClient(D), GrabSuccess);
}

TEST_F(TX11GrabTest, ClickOutsideReachesTheCaptureWindowAtItsScreenPoint) {
  HWND W = ShowWindowAt(TRect{100, 100, 300, 200});
  ShowForeignWindow(TRect{700, 500, 900, 700});
  SetCapture(W);
  ASSERT_EQ(XDoTool({"mousemove", "800", "650", "click", "1"}), 0);
  ASSERT_TRUE(PumpUntil([&] { return Logged(W, WM_LBUTTONUP) != nullptr; }));
  POINT Origin{0, 0};
  ClientToScreen(W, &Origin);
  POINT Expected{800 - Origin.X, 650 - Origin.Y};
  EXPECT_EQ(GrabClientPos(Logged(W, WM_LBUTTONDOWN)), Expected);
  EXPECT_EQ(GrabClientPos(Logged(W, WM_LBUTTONUP)), Expected);
  ReleaseCapture();
  Settle();
  EXPECT_EQ(GrabFromOtherClient(Viewer()), GrabSuccess);
}

TEST_F(TX11GrabTest, TheGrabEndsWithTheCapture) {
  struct TCase {
    const char* How;
    std::function<void(HWND)> End;
  };
  const TCase Cases[] = {
      {"released", [](HWND) { ReleaseCapture(); }},
      {"window destroyed", [](HWND W) { DestroyWindow(W); }},
      {"window hidden", [](HWND W) { ShowWindow(W, SW_HIDE); }},
      {"window disabled", [](HWND W) { EnableWindow(W, FALSE); }},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.How);
    HWND W = ShowWindowAt(TRect{100, 100, 300, 200});
    SetCapture(W);
    Settle();
    EXPECT_EQ(GrabFromOtherClient(Viewer()), AlreadyGrabbed);
    C.End(W);
    Drain();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GrabFromOtherClient(Viewer()), GrabSuccess);
    if (IsWindow(W)) DestroyWindow(W);
    Drain();
  }
}

TEST_F(TX11GrabTest, CaptureOnAHiddenWindowGrabsOnceItIsMapped) {
  HWND W = MakeWindow(0, WS_POPUP, TRect{100, 100, 300, 200});
  SetCapture(W);
  Settle();
  EXPECT_EQ(GrabFromOtherClient(Viewer()), GrabSuccess);
  ShowWindow(W, SW_SHOWNA);
  Drain();
  ASSERT_TRUE(Viewable(XOf(W)));
  EXPECT_EQ(GrabFromOtherClient(Viewer()), AlreadyGrabbed);
  ReleaseCapture();
  Settle();
  EXPECT_EQ(GrabFromOtherClient(Viewer()), GrabSuccess);
}

TEST_F(TX11GrabTest, CaptureMovingToAChildKeepsTheGrabOnItsTopLevelWindow) {
  HWND Top = ShowWindowAt(TRect{100, 100, 300, 200});
  HWND Child = MakeWindow(0, WS_CHILD | WS_VISIBLE, TRect{10, 10, 60, 30}, Top);
  ASSERT_NE(Child, nullptr);
  SetCapture(Top);
  SetCapture(Child);
  Settle();
  EXPECT_EQ(GrabFromOtherClient(Viewer()), AlreadyGrabbed);
  ASSERT_EQ(XDoTool({"mousemove", "900", "800", "click", "1"}), 0);
  ASSERT_TRUE(PumpUntil([&] { return Logged(Child, WM_LBUTTONUP) != nullptr; }));
  POINT Origin{0, 0};
  ClientToScreen(Child, &Origin);
  EXPECT_EQ(GrabClientPos(Logged(Child, WM_LBUTTONDOWN)), (POINT{900 - Origin.X, 800 - Origin.Y}));
  EXPECT_EQ(Logged(Top, WM_LBUTTONDOWN), nullptr);
  ReleaseCapture();
  Settle();
  EXPECT_EQ(GrabFromOtherClient(Viewer()), GrabSuccess);
}
