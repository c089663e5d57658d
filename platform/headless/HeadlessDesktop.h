// The built-in headless desktop: a screen in memory on which the visible
// top-level windows are composed in stacking order with their alpha and
// regions, driven by synthetic input. Tests, screenshots, demos and the
// automation tool use it. It is deterministic: its clock moves only through
// AdvanceTime, and the program runs only while something pumps messages.
#pragma once

#include "platform/Backend.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TGdiBitmap;

class THeadlessDesktop {
public:
  virtual ~THeadlessDesktop() = default;

  // Installs a fresh headless desktop as the backend (every existing window
  // is destroyed first) and returns it.
  static THeadlessDesktop& Install();
  // The installed headless desktop, or null when another backend runs.
  static THeadlessDesktop* Current();

  // Screen size and the height of the work area (the rest is the task bar).
  virtual void SetScreen(int Width, int Height, int WorkHeight) = 0;
  // Whether SetLayeredWindowAttributes is offered (on by default).
  virtual void SetConstantAlphaSupported(bool Supported) = 0;

  // Synthetic input, queued for the program in order. Buttons: 0 left,
  // 1 right, 2 middle.
  virtual void MouseMove(int X, int Y) = 0;
  virtual void MouseDown(int Button = 0) = 0;
  virtual void MouseUp(int Button = 0) = 0;
  // Move, press and release.
  virtual void Click(int X, int Y, int Button = 0) = 0;
  virtual void Wheel(int Delta) = 0;
  virtual void KeyDown(UINT Key, std::uint32_t Char = 0) = 0;
  virtual void KeyUp(UINT Key) = 0;
  // Down and up.
  virtual void PressKey(UINT Key, std::uint32_t Char = 0) = 0;
  // Each character as a key press.
  virtual void TypeText(const std::string& Utf8) = 0;
  // Moves the clock; due timers fire when messages are next pumped. Input
  // queued before the call keeps the earlier time: the program's clock
  // (GetTickCount) reaches the new time once it has taken that input.
  virtual void AdvanceTime(std::uint64_t Milliseconds) = 0;

  // Called whenever the program's queue falls idle inside a blocking
  // message loop (its main loop or any modal one). The handler queues
  // input and returns true, or returns false when it has nothing more to
  // give; the loop then receives WM_QUIT. Without a handler the same as
  // false.
  virtual void SetIdleHandler(std::function<bool()> Handler) = 0;
  // Runaway guard for programs driven through the idle handler: when the
  // program takes more than Limit messages or desktop events without its
  // queue falling idle once (it posts to itself for ever, or spins in a
  // loop of its own that keeps dispatching), OnRunaway is called, once
  // per such stretch. A Limit of 0 or a null OnRunaway turns it off.
  virtual void SetWatchdog(std::uint64_t Limit, std::function<void()> OnRunaway) = 0;
  // Dispatches messages until none is waiting (posted, input, paint or due
  // timer); for tests that drive the program from outside any loop.
  virtual void PumpUntilIdle() = 0;

  // The screen as it looks now, 32 bits per pixel.
  virtual const TGdiBitmap& Screenshot() = 0;
  // 0x00RRGGBB of one screen pixel; CLR_INVALID off the screen.
  virtual std::uint32_t ScreenPixel(int X, int Y) = 0;
  virtual bool SaveScreenshot(const std::string& PngPath) = 0;
  // Composes the whole screen anew on the next look, for changes the
  // desktop is not told about (SetSysColors).
  virtual void RepaintScreen() = 0;
  // One line per window, top-level windows in stacking order with their
  // children indented below them: handle, class, caption, rectangle,
  // visible, enabled, top-most, layered alpha, region, owner.
  virtual std::string DumpWindows() = 0;
  // The IDC_* number of the cursor shape the desktop shows now; 0 while
  // the program shows none (SetCursor(nullptr)).
  virtual int CursorShape() = 0;
  // Every top-level window, visible or not, top of the stacking order
  // first.
  virtual std::vector<HWND> TopLevelWindows() = 0;
  // The bar (screen coordinates) that stands for minimised top-level
  // window Wnd on the desktop's row, the place a click restores it from;
  // empty when Wnd has none.
  virtual TRect MinimizedBar(HWND Wnd) = 0;
};
