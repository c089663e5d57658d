// The X11 desktop as the window layer's backend. Each top-level platform
// window is one undecorated X window whose outer rectangle is the
// platform's window rectangle; the platform draws frames and captions
// into the window's surface and the desktop puts the changed parts of it
// on the window when the program goes idle. Where a window manager
// decides (placement, moving by the caption, minimising, focus), the
// desktop asks it and reports the outcome as events; without a window
// manager it does those things itself: it moves windows while a caption
// is dragged, keeps top-most windows on top, gives the focus, and shows
// minimised windows on a row of restore bars.
#pragma once

#include "platform/x11/X11Connection.h"
#include "platform/x11/X11Cursors.h"
#include "platform/x11/X11Input.h"
#include "platform/x11/X11Metrics.h"
#include "platform/x11/X11RestoreBar.h"
#include "platform/x11/X11Stacker.h"
#include "platform/x11/X11SurfacePainter.h"
#include "platform/x11/X11WindowTable.h"

#include <deque>
#include <memory>
#include <string>

class TX11Backend : public TBackend {
public:
  explicit TX11Backend(std::unique_ptr<TX11Connection> Conn);
  ~TX11Backend() override;

  // ---- TBackend ----
  TRect ScreenRect() override;
  TRect WorkArea() override { return FMetrics.WorkArea(); }
  TRect VirtualScreen() override { return FMetrics.VirtualScreen(); }
  bool SupportsConstantAlpha() override { return FCompositor; }
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
  void CaptureChanged(HWND Wnd) override;
  TPoint CursorPos() override;
  void SetCursorPos(TPoint Pos) override;

  std::uint64_t Now() override;
  bool PollEvent(TDesktopEvent& Event) override;
  bool WaitForEvents(std::uint64_t Deadline) override;

  // ---- for the desktop's own parts and tests ----
  // The X window showing Wnd, 0 when none does.
  Window XWindowOf(HWND Wnd) { return FTable.XOf(Wnd); }
  bool WindowManagerRunning() const { return FManaged; }
  bool ServerLost() const { return FConn.Lost(); }
  const std::string& DisplayName() const { return FDisplayName; }
  Display* Dpy() const { return FConn.Dpy(); }
  // Puts every changed surface part on its window now.
  void FlushSurfaces();
  // Puts the changed surfaces and waits until the server has handled every
  // request so far (what another client reads then is up to date).
  void Sync();

private:
  // Makes the X window's mapping follow the platform window's visible and
  // minimised state.
  void SyncMapping(TX11Window& W);
  void Withdraw(TX11Window& W);
  void ShowNormal(TX11Window& W);
  void ShowMinimized(TX11Window& W);
  // Gives the X window the place Rect (window-layer coordinates) now.
  void SendPlace(TX11Window& W, const TRect& Rect);
  void SendPendingPlace(TX11Window& W);
  // Re-reads the role and applies what changed.
  void SyncRole(TX11Window& W);
  void SyncShape(TX11Window& W);
  void RefreshBar();
  void RequestFocus(TX11Window& W);
  // Records W as the program's choice: focus events the server made
  // before it handles the next request are older than that choice.
  void WantFocus(TX11Window& W);
  // Gives the X window the cursor the program last chose for it.
  void ApplyCursor(TX11Window& W);
  void MarkAllDirty(TX11Window& W);
  // Makes the pointer grab follow the capture's top-level window.
  void GrabForCapture();
  // Reads every event the server has sent so far.
  void ReadEvents();
  // After the primary monitor moved on the root: every window stays where
  // X has it, so its rectangle is read again in the new coordinates.
  void FollowOrigin();
  void Push(TDesktopEvent::TKind Kind, HWND Wnd);

  // Event handlers (X11BackendEvents.cpp).
  void HandleEvent(XEvent& E);
  void HandleRootEvent(const XEvent& E);
  void HandleBarEvent(const XEvent& E);
  bool HandleDrag(const XEvent& E);
  void HandleWindowEvent(TX11Window& W, XEvent& E);
  void OnConfigure(TX11Window& W, const XConfigureEvent& E);
  void OnMap(TX11Window& W);
  void OnFocusIn(TX11Window& W, const XFocusChangeEvent& E);
  void OnFocusOut(TX11Window& W, const XFocusChangeEvent& E);
  void OnWmState(TX11Window& W, const XPropertyEvent& E);
  void OnDestroyed(TX11Window& W);

  std::unique_ptr<TX11Connection> FConnHolder;
  TX11Connection& FConn;
  // First: the parts below convert positions through it.
  TX11Metrics FMetrics;
  TX11WindowHints FHints;
  TX11WindowTable FTable;
  TX11SurfacePainter FPainter;
  TX11Input FInput;
  TX11Cursors FCursors;
  TX11Stacker FStacker;
  TX11RestoreBar FBar;
  // Kept from the start: the display's own record is unusable once lost.
  std::string FDisplayName;

  std::deque<TDesktopEvent> FQueue;
  bool FManaged = false;
  bool FCompositor = false;
  bool FMenuAnimation = true;
  // The X window that has the keyboard focus, when it is ours, as the
  // events read so far tell; the window the focus should be at, as last
  // asked by the program or reported afresh by the server; and the first
  // request of the program's last asking.
  Window FFocus = 0;
  Window FFocusWanted = 0;
  unsigned long FFocusSerial = 0;
  HWND FActive = nullptr;
  // The pointer as last asked, answered after the link is lost.
  TPoint FPointer{0, 0};
  // The primary monitor's place on the root the windows were last
  // reported in.
  TPoint FOrigin{0, 0};
  // Server time of the last press, for activation requests.
  Time FUserTime = CurrentTime;
  // The top-level window of the capture window, and the X window the
  // pointer is grabbed on for it (0 while none is).
  HWND FCaptureRoot = nullptr;
  Window FGrab = 0;

  // A caption drag the desktop runs itself (no window manager); Start in
  // window-layer coordinates.
  struct TDrag {
    HWND Wnd = nullptr;
    TPoint Start{0, 0};
    TRect Rect{0, 0, 0, 0};
  } FDrag;
};
