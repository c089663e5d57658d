// The X11 tests' fixture: the program's shared Xvfb, a fresh X11 desktop
// installed as the backend for every test (every window is gone
// afterwards), a window class whose procedure logs messages and paints
// its client area in one colour, and ways to look at the server from the
// test's own connection.
#pragma once

// GoogleTest first: the X headers define names (None, Bool) it uses.
#include <gtest/gtest.h>

#include "XServerFixture.h"
#include "platform/WinUser.h"
#include "platform/x11/X11Backend.h"

#include <functional>
#include <string>
#include <vector>

class TX11Test : public ::testing::Test {
public:
  // Messages the test class received, oldest first.
  static std::vector<MSG>& Log();
  // The first logged message Msg for Wnd, or null.
  static const MSG* Logged(HWND Wnd, UINT Msg);

protected:
  void SetUp() override;
  void TearDown() override;

  TX11Backend& Desk() { return *FDesk; }
  Display* Viewer() { return FServer->Viewer(); }
  TXServer& Server() { return *FServer; }
  Window XOf(HWND Wnd) { return FDesk->XWindowOf(Wnd); }

  // Dispatches the program's messages until Condition holds or Ms passed.
  bool PumpUntil(const std::function<bool()>& Condition, int Ms = 3000);
  // Sends the program's requests and waits until the server has handled
  // them and the test's own.
  void Settle();
  // Dispatches for Ms milliseconds.
  void PumpFor(int Ms);

  // A top-level window of the test class; Color fills its client area.
  HWND MakeWindow(DWORD Ex, DWORD Style, const TRect& R, HWND Owner = nullptr,
                  COLORREF Color = RGB(255, 255, 255), const char* Class = nullptr);
  // ---- the server's view ----
  Atom AtomOf(const char* Name) { return XInternAtom(Viewer(), Name, False); }
  std::vector<long> Longs(Window W, const char* Property);
  bool HasAtom(Window W, const char* Property, const char* Value);
  // Where the window lies on the screen, borders of its frame excluded.
  TRect ScreenRectOf(Window W);
  bool Viewable(Window W);
  // The window that has the keyboard focus, as the server says.
  Window ServerFocus();
  // 0x00RRGGBB of a root-window pixel, as the screen shows it.
  std::uint32_t ScreenPixel(int X, int Y);
  // Runs xdotool with Args on the test's display.
  int XDoTool(const std::vector<std::string>& Args);
  // Waits until minimised W shows as the first entry of a restore bar
  // whose bottom-left corner is BarCorner (root coordinates), clicks it,
  // and waits until W is back on the screen.
  ::testing::AssertionResult RestoreFromBar(HWND W, TPoint BarCorner);

private:
  TXServer* FServer = nullptr;
  TX11Backend* FDesk = nullptr;
};

// Start and stop the window manager and compositor around a suite.
class TX11ManagedTest : public TX11Test {
protected:
  void SetUp() override;
  // Also waits until the manager has let go of every window: the server
  // hands the next test's connection the same window ids.
  void TearDown() override;
  static void TearDownTestSuite();
};

// The compositor's suite has a white desktop background.
class TX11CompositedTest : public TX11Test {
protected:
  void SetUp() override;
  static void TearDownTestSuite();
};
