// The primary monitor right of another one (RandR monitors set with
// xrandr): the window layer's (0,0) is the primary monitor's corner, root
// (640,0), and the left monitor lies at negative coordinates. Windows,
// the pointer, the work area and caption drags are converted both ways,
// with and without a window manager; a monitor change while windows are
// up leaves them where X has them.
#include "X11Test.h"

#include <X11/Xatom.h>

namespace {

constexpr int kOriginX = 640;

void OriginClearMonitors(TXServer& S) {
  S.Run({"xrandr", "--delmonitor", "RIGHT"});
  S.Run({"xrandr", "--delmonitor", "LEFT"});
}

// Two 640-pixel monitors side by side; Primary names the one marked
// primary ("LEFT" or "RIGHT"). The server takes no second monitor of a
// name, so the old ones go first.
::testing::AssertionResult OriginSetMonitors(TXServer& S, const std::string& Primary) {
  OriginClearMonitors(S);
  const char* Names[] = {"LEFT", "RIGHT"};
  const char* Geometry[] = {"640/169x1024/271+0+0", "640/169x1024/271+640+0"};
  for (int I = 0; I < 2; ++I) {
    std::string Name = (Primary == Names[I] ? "*" : "") + std::string(Names[I]);
    if (S.Run({"xrandr", "--setmonitor", Name, Geometry[I], "none"}) != 0)
      return ::testing::AssertionFailure() << "xrandr cannot set monitor " << Name;
  }
  return ::testing::AssertionSuccess();
}

TRect OriginShifted(const TRect& R, int Dx) {
  return TRect{R.Left + Dx, R.Top, R.Right + Dx, R.Bottom};
}

// The monitors are set before the desktop opens, so it reads them at once.
template <class TBase> class TX11OriginOn : public TBase {
protected:
  void SetUp() override {
    std::string Error;
    FShared = TXServer::Shared(Error);
    ASSERT_NE(FShared, nullptr) << Error;
    ASSERT_TRUE(OriginSetMonitors(*FShared, "RIGHT"));
    TBase::SetUp();
  }
  void TearDown() override {
    TBase::TearDown();
    if (FShared) OriginClearMonitors(*FShared);
  }

private:
  TXServer* FShared = nullptr;
};

using TX11Origin = TX11OriginOn<TX11Test>;
using TX11OriginManaged = TX11OriginOn<TX11ManagedTest>;

// Client coordinates of a logged mouse message.
POINT OriginClientPos(const MSG* M) {
  return POINT{GET_X_LPARAM(M->lParam), GET_Y_LPARAM(M->lParam)};
}

} // namespace

TEST_F(TX11Origin, ScreenStartsAtThePrimaryMonitor) {
  EXPECT_EQ(Desk().ScreenRect(), (TRect{0, 0, 640, 1024}));
  EXPECT_EQ(Desk().VirtualScreen(), (TRect{-640, 0, 640, 1024}));
  const struct {
    int Index, Want;
  } Metrics[] = {{SM_CXSCREEN, 640},     {SM_CYSCREEN, 1024},        {SM_XVIRTUALSCREEN, -640},
                 {SM_YVIRTUALSCREEN, 0}, {SM_CXVIRTUALSCREEN, 1280}, {SM_CYVIRTUALSCREEN, 1024}};
  for (const auto& M : Metrics) {
    SCOPED_TRACE(M.Index);
    EXPECT_EQ(GetSystemMetrics(M.Index), M.Want);
  }
  // The desktop window is the screen.
  TRect Desktop;
  ASSERT_TRUE(GetWindowRect(GetDesktopWindow(), &Desktop));
  EXPECT_EQ(Desktop, (TRect{0, 0, 640, 1024}));
}

TEST_F(TX11Origin, WorkAreaIsThePrimaryMonitorsPartInItsCoordinates) {
  const struct {
    const char* What;
    std::vector<long> Items; // _NET_WORKAREA, root coordinates
    TRect Want;
  } Cases[] = {{"none announced", {}, {0, 0, 640, 1024}},
               {"a panel below both", {0, 0, 1280, 994}, {0, 0, 640, 994}},
               {"a panel left of the primary", {700, 10, 500, 900}, {60, 10, 560, 910}},
               {"only on the left monitor", {0, 0, 600, 1024}, {0, 0, 640, 1024}}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.What);
    XSetWorkArea(Viewer(), C.Items);
    TRect Work{};
    EXPECT_TRUE(WaitUntil(
        [&] { return SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0) && Work == C.Want; }, 2000))
        << Work.Left << "," << Work.Top << "," << Work.Right << "," << Work.Bottom;
  }
  XSetWorkArea(Viewer(), {});
}

TEST_F(TX11Origin, WindowsLieAtTheirPlaceOnThePrimaryMonitor) {
  const struct {
    const char* What;
    TRect Rect; // window layer
  } Cases[] = {{"near the corner", {10, 20, 110, 70}},
               {"on the left monitor", {-300, 100, -100, 200}},
               {"across both", {-50, 300, 50, 350}}};
  std::vector<HWND> Wnds;
  for (const auto& C : Cases) {
    HWND W = MakeWindow(0, WS_POPUP | WS_VISIBLE, C.Rect);
    ASSERT_TRUE(W);
    Wnds.push_back(W);
  }
  PumpFor(30);
  Settle();
  for (std::size_t I = 0; I < Wnds.size(); ++I) {
    SCOPED_TRACE(Cases[I].What);
    EXPECT_EQ(ScreenRectOf(XOf(Wnds[I])), OriginShifted(Cases[I].Rect, kOriginX));
    TRect R;
    ASSERT_TRUE(GetWindowRect(Wnds[I], &R));
    EXPECT_EQ(R, Cases[I].Rect);
  }
  // Moved by the program, then by another client: both ways converted.
  SetWindowPos(Wnds[0], nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Settle();
  EXPECT_EQ(ScreenRectOf(XOf(Wnds[0])), (TRect{670, 40, 770, 90}));
  XMoveWindow(Viewer(), XOf(Wnds[0]), 100, 60);
  XSync(Viewer(), False);
  TRect R;
  EXPECT_TRUE(PumpUntil([&] {
    return GetWindowRect(Wnds[0], &R) && R == TRect{-540, 60, -440, 110};
  }));
}

TEST_F(TX11Origin, PointerArrivesInWindowLayerCoordinates) {
  HWND W = MakeWindow(0, WS_POPUP | WS_VISIBLE, TRect{0, 0, 100, 50});
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  ASSERT_EQ(XDoTool({"mousemove", std::to_string(kOriginX + 5), "7", "click", "1"}), 0);
  ASSERT_TRUE(PumpUntil([&] { return Logged(W, WM_LBUTTONUP) != nullptr; }));
  const MSG* Down = Logged(W, WM_LBUTTONDOWN);
  ASSERT_NE(Down, nullptr);
  EXPECT_EQ(OriginClientPos(Down), (POINT{5, 7}));
  POINT P;
  ASSERT_TRUE(GetCursorPos(&P));
  EXPECT_EQ(P, (POINT{5, 7}));
  // Over the left monitor the pointer has a negative position.
  ASSERT_EQ(XDoTool({"mousemove", "600", "30"}), 0);
  ASSERT_TRUE(GetCursorPos(&P));
  EXPECT_EQ(P, (POINT{-40, 30}));
  // A warp goes the other way.
  ASSERT_TRUE(SetCursorPos(20, 30));
  Window Root, Child;
  int Rx = 0, Ry = 0, Wx, Wy;
  unsigned Mask;
  ASSERT_TRUE(XQueryPointer(Viewer(), DefaultRootWindow(Viewer()), &Root, &Child, &Rx, &Ry, &Wx,
                            &Wy, &Mask));
  EXPECT_EQ(Rx, kOriginX + 20);
  EXPECT_EQ(Ry, 30);
}

TEST_F(TX11Origin, CaptionDragMovesByThePointersWay) {
  HWND W = MakeWindow(0, WS_OVERLAPPEDWINDOW, TRect{100, 100, 400, 300});
  ShowWindow(W, SW_SHOW);
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  int Caption = 100 + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  ASSERT_EQ(XDoTool({"mousemove", std::to_string(kOriginX + 200), std::to_string(Caption),
                     "mousedown", "1"}),
            0);
  PumpFor(50);
  ASSERT_EQ(XDoTool({"mousemove", std::to_string(kOriginX + 250), std::to_string(Caption + 40)}),
            0);
  PumpFor(50);
  ASSERT_EQ(XDoTool({"mouseup", "1"}), 0);
  TRect R;
  EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(W, &R) && R == TRect{150, 140, 450, 340}; }));
  EXPECT_TRUE(PumpUntil([&] { return ScreenRectOf(X) == TRect{790, 140, 1090, 340}; }));
}

TEST_F(TX11Origin, RestoreBarLiesOnThePrimaryMonitor) {
  HWND W = MakeWindow(0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, TRect{100, 100, 400, 300});
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  ShowWindow(W, SW_MINIMIZE);
  ASSERT_TRUE(RestoreFromBar(W, TPoint{kOriginX, 1024}));
  EXPECT_EQ(ScreenRectOf(X), (TRect{740, 100, 1040, 300}));
}

TEST_F(TX11Origin, MonitorChangeKeepsWindowsWhereXHasThem) {
  HWND W = MakeWindow(0, WS_POPUP | WS_VISIBLE, TRect{10, 20, 110, 70});
  HWND Hidden = MakeWindow(0, WS_POPUP, TRect{30, 40, 80, 90});
  ASSERT_TRUE(W && Hidden);
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  ASSERT_EQ(ScreenRectOf(X), (TRect{650, 20, 750, 70}));
  // The left monitor becomes the primary one: the origin is the root's.
  ASSERT_TRUE(OriginSetMonitors(Server(), "LEFT"));
  TRect R;
  EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(W, &R) && R == TRect{650, 20, 750, 70}; }));
  EXPECT_TRUE(GetWindowRect(Hidden, &R));
  EXPECT_EQ(R, (TRect{670, 40, 720, 90}));
  EXPECT_EQ(Desk().ScreenRect(), (TRect{0, 0, 640, 1024}));
  EXPECT_EQ(Desk().VirtualScreen(), (TRect{0, 0, 1280, 1024}));
  Settle();
  EXPECT_EQ(ScreenRectOf(X), (TRect{650, 20, 750, 70}));
  // Shown later, the hidden one appears where the layer now has it.
  ShowWindow(Hidden, SW_SHOWNA);
  Settle();
  EXPECT_EQ(ScreenRectOf(XOf(Hidden)), (TRect{670, 40, 720, 90}));
  SetWindowPos(W, nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Settle();
  EXPECT_EQ(ScreenRectOf(X), (TRect{5, 6, 105, 56}));
}

TEST_F(TX11OriginManaged, ManagedWindowsAndTheirDragFollowTheOrigin) {
  // Small enough to stay clear of the monitors' edges, which openbox
  // makes a dragged window stick to.
  HWND W = MakeWindow(0, WS_OVERLAPPEDWINDOW, TRect{100, 100, 300, 250});
  ShowWindow(W, SW_SHOW);
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  EXPECT_TRUE(PumpUntil([&] { return ScreenRectOf(X) == TRect{740, 100, 940, 250}; }));
  TRect R;
  EXPECT_TRUE(GetWindowRect(W, &R));
  EXPECT_EQ(R, (TRect{100, 100, 300, 250}));
  // The manager's own move reads back in window-layer coordinates.
  ASSERT_EQ(XDoTool({"windowmove", std::to_string(X), "900", "200"}), 0);
  EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(W, &R) && R == TRect{260, 200, 460, 350}; }));
  // The caption drag is the manager's, started at the pointer's root place.
  int Caption = 200 + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  ASSERT_EQ(XDoTool({"mousemove", std::to_string(kOriginX + 350), std::to_string(Caption),
                     "mousedown", "1"}),
            0);
  PumpFor(50);
  ASSERT_EQ(XDoTool({"mousemove", std::to_string(kOriginX + 410), std::to_string(Caption + 30)}),
            0);
  PumpFor(50);
  ASSERT_EQ(XDoTool({"mouseup", "1"}), 0);
  EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(W, &R) && R == TRect{320, 230, 520, 380}; }));
  EXPECT_EQ(ScreenRectOf(X), (TRect{960, 230, 1160, 380}));
}
