// The desktop's own queries for the automation tool: the stacking order
// of top-level windows, a minimised window's bar, and the guard against a
// program that never falls idle.
#include "SolidWindows.h"
#include "support/DesktopTest.h"

namespace {

class DesktopQueries : public TDesktopTest {
protected:
  HWND Popup(int X, int Y, DWORD Style = WS_VISIBLE) {
    WNDCLASSA Wc{};
    Wc.lpfnWndProc = DefWindowProc;
    Wc.lpszClassName = "QueryPopup";
    RegisterClass(&Wc);
    return CreateWindowEx(0, "QueryPopup", "", WS_POPUP | WS_CAPTION | Style, X, Y, 120, 80,
                          nullptr, nullptr, nullptr, nullptr);
  }
};

} // namespace

TEST_F(DesktopQueries, TopLevelWindowsComeTopFirstVisibleOrNot) {
  HWND A = Popup(10, 10), B = Popup(50, 50), Hidden = Popup(90, 90, 0);
  SetWindowPos(A, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  std::vector<HWND> All = Desk->TopLevelWindows();
  auto Index = [&](HWND W) { return std::find(All.begin(), All.end(), W) - All.begin(); };
  ASSERT_EQ(All.size(), 3u);
  EXPECT_LT(Index(A), Index(B));
  EXPECT_LT(Index(Hidden), std::ptrdiff_t(All.size()));
  DestroyWindow(B);
  EXPECT_EQ(Desk->TopLevelWindows().size(), 2u);
}

TEST_F(DesktopQueries, AMinimisedWindowsBarIsWhereAClickRestoresIt) {
  HWND W = Popup(100, 100);
  TRect None = Desk->MinimizedBar(W);
  EXPECT_TRUE(IsRectEmpty(&None));
  ShowWindow(W, SW_MINIMIZE);
  Desk->PumpUntilIdle();
  TRect Bar = Desk->MinimizedBar(W);
  ASSERT_FALSE(IsRectEmpty(&Bar));
  EXPECT_EQ(Bar.Bottom, 994);
  Desk->Click((Bar.Left + Bar.Right) / 2, (Bar.Top + Bar.Bottom) / 2);
  Desk->PumpUntilIdle();
  EXPECT_FALSE(IsIconic(W));
  TRect After = Desk->MinimizedBar(W);
  EXPECT_TRUE(IsRectEmpty(&After));
  EXPECT_TRUE(IsRectEmpty(&None));
}

TEST_F(DesktopQueries, TheWatchdogFiresOnceWhenTheQueueNeverFallsIdle) {
  int Fired = 0;
  Desk->SetWatchdog(100, [&] { ++Fired; });
  for (int I = 0; I < 99; ++I) PostMessage(nullptr, WM_USER, 0, 0);
  Desk->PumpUntilIdle();
  // 99 messages and the empty look that ends the pump stay in the limit.
  EXPECT_EQ(Fired, 0);
  MSG M;
  for (int I = 0; I < 150; ++I) {
    PostMessage(nullptr, WM_USER, 0, 0);
    PeekMessage(&M, nullptr, 0, 0, PM_REMOVE);
  }
  EXPECT_EQ(Fired, 1);
  // Falling idle starts a new stretch.
  EXPECT_FALSE(Backend().WaitForEvents(UINT64_MAX));
  for (int I = 0; I < 100; ++I) {
    PostMessage(nullptr, WM_USER, 0, 0);
    PeekMessage(&M, nullptr, 0, 0, PM_REMOVE);
  }
  EXPECT_EQ(Fired, 1);
  Desk->SetWatchdog(0, nullptr);
  for (int I = 0; I < 500; ++I) PeekMessage(&M, nullptr, 0, 0, PM_REMOVE);
  EXPECT_EQ(Fired, 1);
}
