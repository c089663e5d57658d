// Under a real window manager (openbox): window types and states as the
// manager keeps them, undecorated outer rectangles, the work area it
// computes from a panel, minimising and restoring in both directions,
// activation and moving by the caption.
#include "X11Test.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

using TX11Managed = TX11ManagedTest;

namespace {

long WmState(Display* D, Window W) {
  Atom Type;
  int Format;
  unsigned long Count, After;
  unsigned char* Data = nullptr;
  long State = -1;
  Atom S = XInternAtom(D, "WM_STATE", False);
  if (XGetWindowProperty(D, W, S, 0, 2, False, S, &Type, &Format, &Count, &After, &Data) ==
          Success &&
      Data && Count >= 1)
    State = reinterpret_cast<long*>(Data)[0];
  if (Data) XFree(Data);
  return State;
}

} // namespace

TEST_F(TX11Managed, TopMostToolWindowIsAnAboveUtility) {
  EXPECT_TRUE(Desk().WindowManagerRunning());
  HWND W = MakeWindow(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      TRect{100, 100, 300, 200});
  ShowWindow(W, SW_SHOW);
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  EXPECT_TRUE(PumpUntil([&] {
    return HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE") &&
           HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR") &&
           HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_PAGER");
  }));
  EXPECT_TRUE(HasAtom(X, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_UTILITY"));
  EXPECT_TRUE(PumpUntil([&] { return ScreenRectOf(X) == TRect{100, 100, 300, 200}; }));
}

TEST_F(TX11Managed, FramelessLayeredPopupKeepsItsRectAndStaysAbove) {
  HWND W = MakeWindow(WS_EX_LAYERED | WS_EX_TOPMOST, WS_POPUP, TRect{0, 500, 1280, 503});
  ShowWindow(W, SW_SHOWNA);
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  EXPECT_TRUE(PumpUntil([&] { return HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"); }));
  EXPECT_TRUE(HasAtom(X, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL"));
  EXPECT_EQ(Longs(X, "_MOTIF_WM_HINTS"), (std::vector<long>{2, 0, 0, 0, 0}));
  // No decorations: the manager's frame is exactly the window.
  EXPECT_TRUE(PumpUntil([&] { return ScreenRectOf(X) == TRect{0, 500, 1280, 503}; }));
  XWindowAttributes A{};
  Window Root, Parent, *Kids = nullptr;
  unsigned N;
  ASSERT_TRUE(XQueryTree(Viewer(), X, &Root, &Parent, &Kids, &N));
  if (Kids) XFree(Kids);
  ASSERT_TRUE(XGetWindowAttributes(Viewer(), Parent, &A));
  if (Parent != Root) {
    EXPECT_EQ(ScreenRectOf(Parent), (TRect{0, 500, 1280, 503}));
  }
  TRect R;
  GetWindowRect(W, &R);
  EXPECT_EQ(R, (TRect{0, 500, 1280, 503}));
}

TEST_F(TX11Managed, OwnedDialogIsModalAndTransient) {
  HWND Owner = MakeWindow(0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, TRect{100, 100, 500, 400});
  HWND Dlg = MakeWindow(WS_EX_DLGMODALFRAME, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        TRect{150, 150, 350, 250}, Owner);
  ShowWindow(Dlg, SW_SHOW);
  Window X = XOf(Dlg);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  EXPECT_TRUE(HasAtom(X, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG"));
  EXPECT_EQ(Longs(X, "WM_TRANSIENT_FOR"), std::vector<long>{long(XOf(Owner))});
  EXPECT_TRUE(PumpUntil([&] { return HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_MODAL"); }));
}

TEST_F(TX11Managed, StatesDroppedBeforeTheMapAreAskedForAgain) {
  HWND W = MakeWindow(WS_EX_TOPMOST, WS_POPUP, TRect{100, 100, 200, 200});
  Window X = XOf(W);
  Settle();
  // As if the manager had lost the initial state on the way.
  XDeleteProperty(Viewer(), X, AtomOf("_NET_WM_STATE"));
  XSync(Viewer(), False);
  ShowWindow(W, SW_SHOW);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  EXPECT_TRUE(PumpUntil([&] { return HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"); }));
}

TEST_F(TX11Managed, WorkAreaLeavesOutAPanel) {
  Display* D = Viewer();
  EXPECT_EQ(Desk().WorkArea(), (TRect{0, 0, 1280, 1024}));
  Window Dock = XCreateSimpleWindow(D, DefaultRootWindow(D), 0, 994, 1280, 30, 0, 0, 0);
  long Type = long(AtomOf("_NET_WM_WINDOW_TYPE_DOCK"));
  XChangeProperty(D, Dock, AtomOf("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&Type), 1);
  long Strut[12] = {0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 1279};
  XChangeProperty(D, Dock, AtomOf("_NET_WM_STRUT_PARTIAL"), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(Strut), 12);
  XMapWindow(D, Dock);
  XSync(D, False);
  EXPECT_TRUE(PumpUntil([&] { return Desk().WorkArea() == TRect{0, 0, 1280, 994}; }));
  TRect Work;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0);
  EXPECT_EQ(Work, (TRect{0, 0, 1280, 994}));
  XDestroyWindow(D, Dock);
  XSync(D, False);
  EXPECT_TRUE(PumpUntil([&] { return Desk().WorkArea() == TRect{0, 0, 1280, 1024}; }));
}

TEST_F(TX11Managed, ProgramMinimisesAndRestores) {
  HWND W = MakeWindow(WS_EX_TOOLWINDOW, WS_OVERLAPPEDWINDOW, TRect{100, 100, 400, 300});
  ShowWindow(W, SW_SHOW);
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  ShowWindow(W, SW_MINIMIZE);
  EXPECT_TRUE(PumpUntil([&] {
    return WmState(Viewer(), X) == IconicState &&
           HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN");
  }));
  // Still on the task bar, so the user can bring it back.
  EXPECT_FALSE(HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"));
  EXPECT_TRUE(IsIconic(W));
  ShowWindow(W, SW_RESTORE);
  EXPECT_TRUE(PumpUntil([&] {
    return WmState(Viewer(), X) == NormalState && Viewable(X) &&
           HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR");
  }));
  PumpFor(50);
  EXPECT_FALSE(IsIconic(W));
}

TEST_F(TX11Managed, UserMinimisesAndRestores) {
  HWND W = MakeWindow(0, WS_OVERLAPPEDWINDOW, TRect{100, 100, 400, 300});
  ShowWindow(W, SW_SHOW);
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return ServerFocus() == X && GetActiveWindow() == W; }));
  ASSERT_EQ(XDoTool({"windowminimize", std::to_string(X)}), 0);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(W); }));
  EXPECT_NE(GetActiveWindow(), W);
  ASSERT_EQ(XDoTool({"windowactivate", std::to_string(X)}), 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(W) && Viewable(X) && GetActiveWindow() == W; }));
}

TEST_F(TX11Managed, ActivationGoesThroughTheManager) {
  HWND A = MakeWindow(0, WS_OVERLAPPEDWINDOW, TRect{100, 100, 400, 300});
  HWND B = MakeWindow(0, WS_OVERLAPPEDWINDOW, TRect{500, 100, 800, 300});
  ShowWindow(A, SW_SHOW);
  ShowWindow(B, SW_SHOW);
  EXPECT_TRUE(PumpUntil([&] { return ServerFocus() == XOf(B) && GetActiveWindow() == B; }));
  SetActiveWindow(A);
  EXPECT_TRUE(PumpUntil([&] { return ServerFocus() == XOf(A); }));
  PumpFor(50);
  EXPECT_EQ(GetActiveWindow(), A);
  // A click on the other window activates it, through the manager.
  ASSERT_EQ(XDoTool({"mousemove", "650", "200", "click", "1"}), 0);
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == B && ServerFocus() == XOf(B); }));
}

TEST_F(TX11Managed, ManagerMovesWindowsAndTheProgramFollows) {
  HWND W = MakeWindow(0, WS_OVERLAPPEDWINDOW, TRect{100, 100, 400, 300});
  ShowWindow(W, SW_SHOW);
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  ASSERT_EQ(XDoTool({"windowmove", std::to_string(X), "300", "200"}), 0);
  TRect R;
  EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(W, &R) && R == TRect{300, 200, 600, 400}; }));
  // The caption drag is the manager's.
  int Caption = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  ASSERT_EQ(XDoTool({"mousemove", "400", std::to_string(200 + Caption), "mousedown", "1"}), 0);
  PumpFor(50);
  ASSERT_EQ(XDoTool({"mousemove", "460", std::to_string(200 + Caption + 30)}), 0);
  PumpFor(50);
  ASSERT_EQ(XDoTool({"mouseup", "1"}), 0);
  EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(W, &R) && R == TRect{360, 230, 660, 430}; }));
  EXPECT_EQ(ScreenRectOf(X), (TRect{360, 230, 660, 430}));
}

// A form places its window many times while it is built, before showing
// it. Each place given to an unmapped window would reach the manager as a
// request of its own; only the last one matters, and it comes with the map.
TEST_F(TX11Managed, PlacesOfAHiddenWindowReachTheManagerOnceItShows) {
  HWND W = MakeWindow(WS_EX_TOPMOST, WS_POPUP, TRect{10, 10, 50, 50});
  ASSERT_TRUE(W);
  Window X = XOf(W);
  Display* D = Viewer();
  XSelectInput(D, X, StructureNotifyMask);
  Settle();
  XSync(D, True);
  for (int I = 1; I <= 8; ++I) SetWindowPos(W, nullptr, 20 * I, 30, 100 + I, 60, SWP_NOACTIVATE);
  Settle();
  XEvent E;
  int Configured = 0;
  while (XCheckTypedWindowEvent(D, X, ConfigureNotify, &E)) ++Configured;
  EXPECT_EQ(Configured, 0) << "nothing reaches the server while the window is hidden";

  ShowWindow(W, SW_SHOWNA);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  EXPECT_TRUE(PumpUntil([&] {
    return ScreenRectOf(X) == TRect{160, 30, 268, 90};
  })) << "shown at the last place";
  ShowWindow(W, SW_HIDE);
  SetWindowPos(W, nullptr, 300, 200, 40, 40, SWP_NOACTIVATE);
  ShowWindow(W, SW_SHOWNA);
  EXPECT_TRUE(PumpUntil([&] {
    return Viewable(X) && ScreenRectOf(X) == TRect{300, 200, 340, 240};
  })) << "a place taken while hidden again comes with the next map";
  RECT R;
  GetWindowRect(W, &R);
  EXPECT_EQ(TRect(R), (TRect{300, 200, 340, 240})) << "the manager's answer does not undo it";
}
