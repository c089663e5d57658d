// A server that goes away ends the program's message loop cleanly: no
// exit from inside Xlib, no crash, WM_QUIT from GetMessage.
#include "X11Test.h"

#include "platform/x11/X11Desktop.h"

#include <csignal>

TEST(X11ServerLoss, KilledServerEndsTheMessageLoop) {
  TXServer Own;
  std::string Error;
  ASSERT_TRUE(Own.Start(Error)) << Error;
  auto Desktop = OpenX11Desktop(Own.Name().c_str(), Error);
  ASSERT_NE(Desktop, nullptr) << Error;
  SetBackend(std::move(Desktop));
  HWND W = CreateWindowEx(0, "BUTTON", "Lost", WS_POPUP | WS_VISIBLE, 10, 10, 100, 40, nullptr,
                          nullptr, nullptr, nullptr);
  ASSERT_TRUE(W);
  // A timer that would fire if the loop hung on instead of ending.
  UINT_PTR Watchdog = SetTimer(nullptr, 0, 5000, nullptr);
  ASSERT_NE(Watchdog, 0u);
  kill(Own.ServerPid(), SIGKILL);
  MSG M{};
  int Messages = 0;
  BOOL R;
  while ((R = GetMessage(&M, nullptr, 0, 0)) > 0) {
    ASSERT_NE(M.message, UINT(WM_TIMER)) << "the loop outlived its server";
    DispatchMessage(&M);
    ++Messages;
  }
  EXPECT_EQ(R, 0);
  EXPECT_EQ(M.message, UINT(WM_QUIT));
  // Everything keeps answering without a server.
  EXPECT_TRUE(ShowWindow(W, SW_HIDE));
  EXPECT_TRUE(SetWindowPos(W, nullptr, 5, 5, 50, 50, SWP_NOZORDER));
  POINT P;
  EXPECT_TRUE(GetCursorPos(&P));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  HWND Later = CreateWindowEx(0, "BUTTON", "After", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                              nullptr, nullptr, nullptr);
  EXPECT_TRUE(Later);
  EXPECT_FALSE(Backend().WaitForEvents(0));
  SetBackend(nullptr);
  Own.Stop();
}
