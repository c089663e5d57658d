// What the server reports, as desktop events. Each X event is handled
// against the desktop's own record of the window first, so echoes of the
// desktop's own requests (a move it asked for, the focus it gave, a
// minimise it requested) are recognised and not reported back as if the
// user had done them.
#include "platform/x11/X11Backend.h"

#include "platform/gdi/Bitmap.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace {

// Whether a pointer event reported to the grab window happened outside it
// (over another program or the desktop): it then belongs to no window of
// ours, and the window layer hit-tests its screen point.
bool X11GrabEventOutside(const XEvent& E, HWND Wnd) {
  int X, Y;
  switch (E.type) {
  case ButtonPress:
  case ButtonRelease: X = E.xbutton.x, Y = E.xbutton.y; break;
  case MotionNotify: X = E.xmotion.x, Y = E.xmotion.y; break;
  case EnterNotify:
  case LeaveNotify: X = E.xcrossing.x, Y = E.xcrossing.y; break;
  default: return false;
  }
  TRect R;
  if (!GetWindowRect(Wnd, &R)) return false;
  return X < 0 || Y < 0 || X >= R.Width() || Y >= R.Height();
}

} // namespace

void TX11Backend::HandleEvent(XEvent& E) {
  bool Filtered = XFilterEvent(&E, None) == True;
  if (Filtered && E.type != KeyPress) return;
  if (FPainter.HandleEvent(E)) return;
  if (E.type == MappingNotify) {
    // Keys were remapped (a layout switch, a tool typing a rare character).
    XRefreshKeyboardMapping(&E.xmapping);
    return;
  }
  if (E.type == ButtonPress) FUserTime = E.xbutton.time;
  if (E.type == KeyPress) FUserTime = E.xkey.time;
  if (E.xany.window == FConn.Root()) {
    bool Metrics = FMetrics.Notice(E);
    HandleRootEvent(E);
    if (Metrics) FollowOrigin();
    return;
  }
  if (FBar.Owns(E.xany.window)) {
    HandleBarEvent(E);
    return;
  }
  if (HandleDrag(E)) return;
  TX11Window* W = FTable.FindX(E.xany.window);
  if (!W) return;
  HWND Target = W->Id == FGrab && X11GrabEventOutside(E, W->Wnd) ? nullptr : W->Wnd;
  if (FInput.Translate(E, Target, Filtered, FQueue)) return;
  HandleWindowEvent(*W, E);
}

void TX11Backend::HandleWindowEvent(TX11Window& W, XEvent& E) {
  switch (E.type) {
  case Expose: {
    TRect R{E.xexpose.x, E.xexpose.y, E.xexpose.x + E.xexpose.width,
            E.xexpose.y + E.xexpose.height};
    SurfaceChanged(W.Wnd, R);
    break;
  }
  case ConfigureNotify: OnConfigure(W, E.xconfigure); break;
  case MapNotify: OnMap(W); break;
  case UnmapNotify:
    W.Viewable = false;
    // The server ended the grab with the window's time on screen.
    if (FGrab == W.Id) FGrab = 0;
    break;
  case ReparentNotify: W.Parent = E.xreparent.parent; break;
  case FocusIn: OnFocusIn(W, E.xfocus); break;
  case FocusOut: OnFocusOut(W, E.xfocus); break;
  case PropertyNotify: OnWmState(W, E.xproperty); break;
  case DestroyNotify: OnDestroyed(W); break;
  case ClientMessage:
    if (E.xclient.message_type == FConn.Atoms().WmProtocols &&
        Atom(E.xclient.data.l[0]) == FConn.Atoms().WmDeleteWindow)
      Push(TDesktopEvent::CloseRequested, W.Wnd);
    break;
  default: break;
  }
}

void TX11Backend::HandleRootEvent(const XEvent& E) {
  if (E.type == PropertyNotify) {
    if (E.xproperty.atom == FConn.Atoms().NetSupportingWmCheck)
      FManaged = FConn.QueryWindowManager();
    else if (E.xproperty.atom == FConn.Atoms().NetWorkarea && !FBar.Empty())
      RefreshBar();
    return;
  }
  // The root's own configure events (new monitors) concern only metrics.
  if (FManaged || (E.type == ConfigureNotify && E.xconfigure.window == FConn.Root())) return;
  if (E.type == MapNotify)
    FStacker.KeepTopmostAbove(E.xmap.window, FBar.Owns(E.xmap.window) ? E.xmap.window : 0);
  else if (E.type == ConfigureNotify)
    FStacker.KeepTopmostAbove(E.xconfigure.window,
                              FBar.Owns(E.xconfigure.window) ? E.xconfigure.window : 0);
}

void TX11Backend::HandleBarEvent(const XEvent& E) {
  if (E.type == Expose && E.xexpose.count == 0) FBar.Repaint();
  if (E.type != ButtonPress || E.xbutton.button != Button1) return;
  if (HWND Wnd = FBar.WindowAt(FMetrics.FromRoot(TPoint{E.xbutton.x_root, E.xbutton.y_root})))
    Push(TDesktopEvent::Restored, Wnd);
}

// The desktop's own caption drag: the press's implicit grab sends every
// motion to the window, wherever the pointer goes; the release ends it.
bool TX11Backend::HandleDrag(const XEvent& E) {
  if (!FDrag.Wnd) return false;
  if (E.type == ButtonRelease) {
    FDrag = TDrag{};
    return true;
  }
  if (E.type != MotionNotify) return false;
  TX11Window* W = FTable.Find(FDrag.Wnd);
  if (!W) {
    FDrag = TDrag{};
    return false;
  }
  TRect R = FDrag.Rect;
  TPoint Pos = FMetrics.FromRoot(TPoint{E.xmotion.x_root, E.xmotion.y_root});
  int Dx = Pos.X - FDrag.Start.X, Dy = Pos.Y - FDrag.Start.Y;
  R = TRect{R.Left + Dx, R.Top + Dy, R.Right + Dx, R.Bottom + Dy};
  TPoint At = FMetrics.ToRoot(TPoint{R.Left, R.Top});
  W->ConfigSerial = NextRequest(FConn.Dpy());
  XMoveWindow(FConn.Dpy(), W->Id, At.X, At.Y);
  TDesktopEvent C{TDesktopEvent::Configured, FDrag.Wnd};
  C.Rect = R;
  FQueue.push_back(C);
  return true;
}

void TX11Backend::OnConfigure(TX11Window& W, const XConfigureEvent& E) {
  // An answer to a request the desktop has since replaced by a newer one.
  if (E.serial < W.ConfigSerial || W.Iconic) return;
  int X = E.x, Y = E.y;
  if (!E.send_event && W.Parent != FConn.Root()) {
    // Real events from inside a manager's frame are frame-relative.
    Window Child;
    if (!XTranslateCoordinates(FConn.Dpy(), W.Id, FConn.Root(), 0, 0, &X, &Y, &Child)) return;
  }
  TRect R = FMetrics.FromRoot(TRect{X, Y, X + E.width, Y + E.height}), Now;
  if (!GetWindowRect(W.Wnd, &Now) || R == Now) return;
  TDesktopEvent C{TDesktopEvent::Configured, W.Wnd};
  C.Rect = R;
  FQueue.push_back(C);
}

void TX11Backend::FollowOrigin() {
  if (FConn.Lost()) return;
  TPoint Origin = FMetrics.Origin();
  if (Origin == FOrigin) return;
  FOrigin = Origin;
  for (auto& [Wnd, W] : FTable.All()) {
    int X = 0, Y = 0;
    Window Child;
    TRect Now;
    // A place not sent yet is the layer's; X still holds an old one.
    if (!W.Id || W.PlacePending || !GetWindowRect(Wnd, &Now) ||
        !XTranslateCoordinates(FConn.Dpy(), W.Id, FConn.Root(), 0, 0, &X, &Y, &Child))
      continue;
    // Only the place changes with the origin; the size stays the layer's
    // (X holds an empty window at one pixel).
    TPoint At = FMetrics.FromRoot(TPoint{X, Y});
    if (At.X == Now.Left && At.Y == Now.Top) continue;
    TDesktopEvent C{TDesktopEvent::Configured, Wnd};
    C.Rect = TRect{At.X, At.Y, At.X + Now.Width(), At.Y + Now.Height()};
    FQueue.push_back(C);
  }
  // The row is laid out in window-layer coordinates.
  if (!FBar.Empty()) RefreshBar();
}

void TX11Backend::OnMap(TX11Window& W) {
  W.Viewable = true;
  ApplyCursor(W);
  MarkAllDirty(W);
  if (FManaged && !W.Role.OverrideRedirect && !W.StatesChecked) {
    // Managers now and then drop states set before the map.
    W.StatesChecked = true;
    FHints.Reassert(W.Id, W.Role);
  }
  if (!FManaged) FStacker.Restacked(W.Wnd, false);
  if (FCaptureRoot == W.Wnd) GrabForCapture();
  if (FActive != W.Wnd) return;
  // The map may be old news: a window the user minimised since must not
  // be brought back by an activation request.
  std::vector<long> State;
  const TX11Atoms& A = FConn.Atoms();
  if (FManaged && FConn.ReadLongs(W.Id, A.WmState, A.WmState, State) && !State.empty() &&
      State[0] == IconicState)
    return;
  RequestFocus(W);
}

void TX11Backend::OnFocusIn(TX11Window& W, const XFocusChangeEvent& E) {
  // Focus that only follows the pointer (no window has it) is no activation.
  if (E.detail == NotifyPointer || E.detail == NotifyInferior) return;
  FFocus = W.Id;
  FInput.GainFocus(W.Id);
  // A focus change the server made before it handled the program's last
  // request for another window is already superseded: activating by it
  // would take the activation back from the window the program chose.
  bool Stale = FFocusWanted && FFocusWanted != W.Id && long(E.serial - FFocusSerial) < 0;
  if (Stale) return;
  FFocusWanted = W.Id;
  if (W.Role.OverrideRedirect) return;
  // A manager focuses a window on a click even while a modal window has
  // disabled it; the keyboard belongs to the modal window then, as the
  // click would have activated that one on Windows.
  if (!IsWindowEnabled(W.Wnd))
    if (HWND Popup = GetWindow(GetAncestor(W.Wnd, GA_ROOTOWNER), GW_ENABLEDPOPUP))
      if (TX11Window* P = FTable.Find(Popup); P && P->Viewable) {
        RequestFocus(*P);
        return;
      }
  Push(TDesktopEvent::Activated, W.Wnd);
}

void TX11Backend::OnFocusOut(TX11Window& W, const XFocusChangeEvent& E) {
  if (E.detail == NotifyPointer || E.detail == NotifyInferior || E.mode == NotifyGrab) return;
  FInput.LoseFocus(W.Id);
  if (FFocus == W.Id) FFocus = 0;
  // Focus moving between two of our windows comes as an out and an in;
  // the program was never without an active window in between.
  Display* D = FConn.Dpy();
  if (XEventsQueued(D, QueuedAfterReading) > 0) {
    XEvent Next;
    XPeekEvent(D, &Next);
    if (Next.type == FocusIn && FTable.FindX(Next.xfocus.window) &&
        Next.xfocus.detail != NotifyPointer)
      return;
  }
  FInput.ReleaseAll(FQueue);
  Push(TDesktopEvent::Deactivated, W.Wnd);
}

// A manager minimises by setting WM_STATE to IconicState (and marking
// _NET_WM_STATE_HIDDEN) and restores by setting NormalState. A change the
// desktop asked for is awaited, not reported; any other change is the
// user's and is reported when the platform window disagrees.
void TX11Backend::OnWmState(TX11Window& W, const XPropertyEvent& E) {
  const TX11Atoms& A = FConn.Atoms();
  if (E.atom != A.WmState && E.atom != A.NetWmState) return;
  std::vector<long> State, Net;
  if (!FConn.ReadLongs(W.Id, A.WmState, A.WmState, State) || State.empty()) return;
  FConn.ReadLongs(W.Id, A.NetWmState, XA_ATOM, Net);
  bool Hidden = std::find(Net.begin(), Net.end(), long(A.NetWmStateHidden)) != Net.end();
  bool Iconic = State[0] == IconicState || (State[0] == NormalState && Hidden);
  if (State[0] != IconicState && State[0] != NormalState) return;
  if (W.IconicPending) {
    if (Iconic == W.Iconic) W.IconicPending = false;
    return;
  }
  if (Iconic == W.Iconic || !IsWindowVisible(W.Wnd)) return;
  W.Iconic = Iconic;
  if (Iconic && !IsIconic(W.Wnd))
    Push(TDesktopEvent::Minimized, W.Wnd);
  else if (!Iconic && IsIconic(W.Wnd))
    Push(TDesktopEvent::Restored, W.Wnd);
}

// Another client destroyed our X window while the platform window lives
// on: it gets a new one in the same state, so the program never notices.
void TX11Backend::OnDestroyed(TX11Window& W) {
  HWND Wnd = W.Wnd;
  int Shape = W.CursorId;
  if (FFocus == W.Id) FFocus = 0;
  FPainter.Forget(W.Id);
  FInput.Forget(W.Id);
  FTable.Remake(W);
  if (TX11Window* Fresh = FTable.Find(Wnd)) {
    FInput.Attach(Fresh->Id);
    SyncShape(*Fresh);
    CursorChanged(Wnd, Shape ? Shape : GetCursorShapeId(LoadCursor(nullptr, IDC_ARROW)));
    SyncMapping(*Fresh);
  }
}
