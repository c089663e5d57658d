// The desktop a window manager runs on. The window layer above keeps every
// window's state (styles, rectangles, stacking, regions, alpha) and draws
// each top-level window into its own 32-bit surface; a backend shows those
// surfaces on a screen and feeds input back as events. Two backends exist:
// the built-in headless desktop and X11.
//
// Calls into a backend are notifications: the window layer has already
// changed its own state and the backend reads what it needs through the
// public operations (GetWindowRect, GetWindowLong, GetWindowRgn,
// GetLayeredWindowAttributes, GetWindow) and WmSurface. Where a real window
// manager decides (placement, stacking, minimising, moving by the caption),
// the backend reports the outcome as an event, and the window layer adopts it.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <memory>

class TGdiBitmap;

struct TDesktopEvent {
  enum TKind {
    MouseMove,      // Pos
    ButtonDown,     // Pos, Button
    ButtonUp,       // Pos, Button
    Wheel,          // Pos, Delta (multiples of 120, positive away from the user)
    KeyDown,        // Key (virtual key), Char (UTF-32 it types, 0 for none)
    KeyUp,          // Key
    Configured,     // Wnd, Rect: the window now lies at Rect (screen)
    CloseRequested, // Wnd: the user asked to close it
    Minimized,      // Wnd
    Restored,       // Wnd: back from minimised; activate it
    Activated,      // Wnd: the desktop gave it the input focus
    Deactivated,    // Wnd: the desktop took the focus away (to no window of ours)
    Exposed,        // Wnd, Rect (window coordinates): repaint needed
  };
  TKind Kind;
  // The top-level window the event belongs to. Null for pointer events
  // means "hit-test at Pos"; for key events, "the focus window".
  HWND Wnd = nullptr;
  TPoint Pos{0, 0};
  int Button = 0; // 0 left, 1 right, 2 middle
  int Delta = 0;
  UINT Key = 0;
  std::uint32_t Char = 0;
  TRect Rect{0, 0, 0, 0};
};

class TBackend {
public:
  virtual ~TBackend() = default;

  virtual TRect ScreenRect() = 0;
  virtual TRect WorkArea() = 0;
  virtual TRect VirtualScreen() = 0;
  // Whether a constant per-window alpha can be applied.
  virtual bool SupportsConstantAlpha() = 0;
  // The desktop-wide menu-animation setting.
  virtual bool MenuAnimation() = 0;
  virtual void SetMenuAnimation(bool On) = 0;

  // Top-level windows only. Created hidden; shown and hidden later.
  virtual void WindowCreated(HWND Wnd) = 0;
  virtual void WindowDestroyed(HWND Wnd) = 0;
  virtual void WindowShown(HWND Wnd, bool Visible) = 0;
  // Rect is the new screen rectangle; Old the previous one.
  virtual void WindowMoved(HWND Wnd, const TRect& Old, const TRect& Rect) = 0;
  // Stacking, top-most band, owner.
  virtual void WindowRestacked(HWND Wnd) = 0;
  // Caption text, alpha, colour key, region, style bits.
  virtual void WindowChanged(HWND Wnd) = 0;
  virtual void WindowMinimize(HWND Wnd, bool Minimized) = 0;
  virtual void WindowActivate(HWND Wnd) = 0;
  // Dirty (window coordinates) of the surface holds new pixels.
  virtual void SurfaceChanged(HWND Wnd, const TRect& Dirty) = 0;
  // The cursor shape (an IDC_* number) over Wnd.
  virtual void CursorChanged(HWND Wnd, int ShapeId) = 0;
  // The user pressed the button on Wnd's caption at Pos: move the window
  // while the button is held, reporting Configured events. The release
  // that ends the move is the desktop's and is not reported.
  virtual void BeginMoveDrag(HWND Wnd, TPoint Pos) = 0;
  // Wnd (any window, null when released) now has the mouse capture: every
  // pointer event, wherever on the screen, belongs to it until released.
  virtual void CaptureChanged(HWND Wnd) = 0;
  // Pointer position, in screen coordinates.
  virtual TPoint CursorPos() = 0;
  virtual void SetCursorPos(TPoint Pos) = 0;

  // Milliseconds. While an event is being taken, the time it happened: the
  // window layer stamps the event's messages with it. The headless
  // desktop's clock moves only when told to.
  virtual std::uint64_t Now() = 0;
  // The next event, if one is waiting.
  virtual bool PollEvent(TDesktopEvent& Event) = 0;
  // Called when the queue is idle: push pixels out, then wait until an
  // event may be waiting or until Deadline (Now() clock; UINT64_MAX for
  // none). False means no event will ever come again (the headless desktop
  // with nothing left to drive it); the window layer then ends the loop
  // with WM_QUIT.
  virtual bool WaitForEvents(std::uint64_t Deadline) = 0;
  // The window layer took a message off the queue (GetMessage or
  // PeekMessage with any flags); lets a desktop notice a program that
  // never falls idle.
  virtual void MessageTaken() {}
};

// The desktop in use. The headless desktop is installed on first use when
// none was set.
TBackend& Backend();
void SetBackend(std::unique_ptr<TBackend> NewBackend);
bool HasBackend();

// For backends: the surface of top-level window Wnd (null for others).
const TGdiBitmap* WmSurface(HWND Wnd);
