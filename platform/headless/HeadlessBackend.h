// The built-in headless desktop as the window layer's backend: the screen
// lives in memory (TScreenCompositor), input comes from the synthetic
// input operations (THeadlessInput), minimised windows sit on a row of
// bars (TMinimizedRow) and the clock is a counter that only AdvanceTime
// moves, so every run of a test sees the same events, times and pixels.
#pragma once

#include "platform/headless/HeadlessDesktop.h"
#include "platform/headless/HeadlessInput.h"
#include "platform/headless/MinimizedRow.h"
#include "platform/headless/ScreenCompositor.h"

#include <map>

// The backend the window layer installs when the program set none.
std::unique_ptr<TBackend> CreateDefaultBackend();

class THeadlessBackend : public TBackend, public THeadlessDesktop {
public:
  THeadlessBackend();

  // ---- TBackend ----
  TRect ScreenRect() override { return TRect{0, 0, FWidth, FHeight}; }
  TRect WorkArea() override { return TRect{0, 0, FWidth, FWorkHeight}; }
  TRect VirtualScreen() override { return ScreenRect(); }
  bool SupportsConstantAlpha() override { return FConstantAlpha; }
  bool MenuAnimation() override { return FMenuAnimation; }
  void SetMenuAnimation(bool On) override { FMenuAnimation = On; }

  void WindowCreated(HWND Wnd) override;
  void WindowDestroyed(HWND Wnd) override;
  void WindowShown(HWND Wnd, bool Visible) override;
  void WindowMoved(HWND Wnd, const TRect& Old, const TRect& Rect) override;
  void WindowRestacked(HWND Wnd) override;
  void WindowChanged(HWND Wnd) override;
  void WindowMinimize(HWND Wnd, bool Minimized) override;
  void WindowActivate(HWND Wnd) override;
  void SurfaceChanged(HWND Wnd, const TRect& Dirty) override;
  void CursorChanged(HWND Wnd, int ShapeId) override;
  void BeginMoveDrag(HWND Wnd, TPoint Pos) override;
  // Every synthetic pointer event already lies on this screen and reaches
  // the capture window through the window layer: nothing to grab.
  void CaptureChanged(HWND) override {}
  TPoint CursorPos() override { return FInput.Pointer(); }
  void SetCursorPos(TPoint Pos) override;

  std::uint64_t Now() override { return FInput.Now(); }
  bool PollEvent(TDesktopEvent& Event) override;
  bool WaitForEvents(std::uint64_t Deadline) override;
  void MessageTaken() override { CountBusy(); }

  // ---- THeadlessDesktop ----
  void SetScreen(int Width, int Height, int WorkHeight) override;
  void SetConstantAlphaSupported(bool Supported) override { FConstantAlpha = Supported; }

  void MouseMove(int X, int Y) override;
  void MouseDown(int Button = 0) override;
  void MouseUp(int Button = 0) override;
  void Click(int X, int Y, int Button = 0) override;
  void Wheel(int Delta) override;
  void KeyDown(UINT Key, std::uint32_t Char = 0) override;
  void KeyUp(UINT Key) override;
  void PressKey(UINT Key, std::uint32_t Char = 0) override;
  void TypeText(const std::string& Utf8) override;
  void AdvanceTime(std::uint64_t Milliseconds) override;

  void SetIdleHandler(std::function<bool()> Handler) override { FIdle = std::move(Handler); }
  void SetWatchdog(std::uint64_t Limit, std::function<void()> OnRunaway) override;
  void PumpUntilIdle() override;

  const TGdiBitmap& Screenshot() override { return FCompositor.Compose(); }
  std::uint32_t ScreenPixel(int X, int Y) override;
  bool SaveScreenshot(const std::string& PngPath) override;
  void RepaintScreen() override { FCompositor.DamageAll(); }
  std::string DumpWindows() override;
  int CursorShape() override { return FCursorShape; }
  std::vector<HWND> TopLevelWindows() override;
  TRect MinimizedBar(HWND Wnd) override { return FMinimized.BarOf(Wnd); }

private:
  // Damages where Wnd was last seen and where it is now, and remembers
  // the latter.
  void Touch(HWND Wnd);
  bool Showing(HWND Wnd);
  TPoint ClampToScreen(int X, int Y) const;
  // One more message or event since the queue last fell idle.
  void CountBusy();

  int FWidth = 1280, FHeight = 1024, FWorkHeight = 994;
  bool FConstantAlpha = true;
  bool FMenuAnimation = true;
  int FCursorShape = 32512; // IDC_ARROW

  THeadlessInput FInput;
  TMinimizedRow FMinimized;
  TScreenCompositor FCompositor;
  // Where each top-level window was last seen (screen), so that a change
  // repaints the place it leaves even when the window layer no longer
  // answers for it (minimised, destroyed).
  std::map<HWND, TRect> FSeen;

  std::function<bool()> FIdle;
  bool FInIdle = false;

  std::uint64_t FWatchLimit = 0;
  std::uint64_t FBusy = 0;
  std::function<void()> FOnRunaway;
};
