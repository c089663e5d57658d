// Notifications from the window layer become X requests at once, except
// pixels: surface changes gather per window and are put when the program
// goes idle (an empty poll or a wait), so a burst of painting costs one
// put. Whether a window manager runs is asked at start and again whenever
// the root's _NET_SUPPORTING_WM_CHECK changes.
#include "platform/x11/X11Backend.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Region.h"
#include "platform/x11/X11Desktop.h"

#include <X11/extensions/shape.h>

#include <algorithm>
#include <chrono>
#include <poll.h>

std::unique_ptr<TBackend> OpenX11Desktop(const char* DisplayName, std::string& Error) {
  std::unique_ptr<TX11Connection> Conn = TX11Connection::Open(DisplayName, Error);
  if (!Conn) return nullptr;
  return std::make_unique<TX11Backend>(std::move(Conn));
}

bool X11DesktopLost(TBackend& Desktop) {
  auto* X = dynamic_cast<TX11Backend*>(&Desktop);
  return X && X->ServerLost();
}

std::string X11DesktopName(TBackend& Desktop) {
  auto* X = dynamic_cast<TX11Backend*>(&Desktop);
  return X ? X->DisplayName() : std::string();
}

namespace {

// Requests to the window manager come from an application, not a pager.
constexpr long kSourceApplication = 1;

TRect Union(const TRect& A, const TRect& B) {
  if (A.Left >= A.Right || A.Top >= A.Bottom) return B;
  if (B.Left >= B.Right || B.Top >= B.Bottom) return A;
  return TRect{std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
               std::max(A.Bottom, B.Bottom)};
}

// The window's region in window coordinates; false when it has none.
bool RegionOf(HWND Wnd, std::vector<TRect>& Rects) {
  HRGN Rgn = CreateRectRgn(0, 0, 0, 0);
  bool Has = GetWindowRgn(Wnd, Rgn) != ERROR;
  if (Has)
    if (auto* R = GdiFind<TGdiRegion>(Rgn, OBJ_REGION)) Rects = R->Data.Rects();
  DeleteObject(Rgn);
  return Has;
}

} // namespace

TX11Backend::TX11Backend(std::unique_ptr<TX11Connection> Conn)
    : FConnHolder(std::move(Conn)), FConn(*FConnHolder), FMetrics(FConn), FHints(FConn),
      FTable(FConn, FHints, FMetrics), FPainter(FConn), FInput(FConn, FMetrics), FCursors(FConn),
      FStacker(FConn, FTable), FBar(FConn, FPainter, FMetrics),
      FDisplayName(DisplayString(FConn.Dpy())) {
  FManaged = FConn.QueryWindowManager();
  FCompositor = FConn.QueryCompositor();
  // Root property changes tell of a new window manager or work area;
  // structure changes of other clients' windows matter without a manager;
  // the root's own configure events come with new monitors or a new size.
  XSelectInput(FConn.Dpy(), FConn.Root(),
               PropertyChangeMask | SubstructureNotifyMask | StructureNotifyMask);
  ScreenRect();
  FOrigin = FMetrics.Origin();
  XFlush(FConn.Dpy());
}

// The drawing layer reports the screen's size too (GetDeviceCaps).
TRect TX11Backend::ScreenRect() {
  TRect S = FMetrics.ScreenRect();
  GdiDisplay().Width = S.Width();
  GdiDisplay().Height = S.Height();
  return S;
}

TX11Backend::~TX11Backend() {
  if (!FConn.Lost()) XFlush(FConn.Dpy());
}

// ---- windows ----

void TX11Backend::WindowCreated(HWND Wnd) {
  TX11Window& W = FTable.Create(Wnd);
  FInput.Attach(W.Id);
  SyncShape(W);
  CursorChanged(Wnd, GetCursorShapeId(LoadCursor(nullptr, IDC_ARROW)));
}

void TX11Backend::WindowDestroyed(HWND Wnd) {
  TX11Window* W = FTable.Find(Wnd);
  if (!W) return;
  if (FFocus == W->Id) FFocus = 0;
  if (FFocusWanted == W->Id) FFocusWanted = 0;
  if (FDrag.Wnd == Wnd) FDrag = TDrag{};
  if (FActive == Wnd) FActive = nullptr;
  if (FCaptureRoot == Wnd) FCaptureRoot = nullptr;
  // The server ends a grab on a window that goes away by itself.
  if (FGrab == W->Id) FGrab = 0;
  FPainter.Forget(W->Id);
  FInput.Forget(W->Id);
  if (FBar.Remove(Wnd)) RefreshBar();
  FTable.Destroy(Wnd);
  // Posted events about it are dropped by the window layer (stale handle).
}

void TX11Backend::WindowShown(HWND Wnd, bool) {
  if (TX11Window* W = FTable.Find(Wnd)) SyncMapping(*W);
}

void TX11Backend::WindowMinimize(HWND Wnd, bool) {
  if (TX11Window* W = FTable.Find(Wnd)) {
    SyncRole(*W);
    SyncMapping(*W);
  }
}

void TX11Backend::SyncMapping(TX11Window& W) {
  if (FConn.Lost()) return;
  if (!IsWindowVisible(W.Wnd))
    Withdraw(W);
  else if (IsIconic(W.Wnd))
    ShowMinimized(W);
  else
    ShowNormal(W);
}

void TX11Backend::Withdraw(TX11Window& W) {
  if (FBar.Remove(W.Wnd)) RefreshBar();
  if (!W.MapWanted) return;
  // Withdrawing also tells a window manager, which may not notice an
  // unmap of a window it keeps iconified.
  XWithdrawWindow(FConn.Dpy(), W.Id, FConn.Screen());
  W.MapWanted = W.Iconic = W.IconicPending = W.StatesChecked = false;
}

void TX11Backend::ShowNormal(TX11Window& W) {
  if (FBar.Remove(W.Wnd)) RefreshBar();
  if (W.MapWanted && !W.Iconic) return;
  FHints.SetWmHints(W.Id, W.Role, false);
  // Mapping an iconified window is how a client restores it.
  W.IconicPending = W.Iconic && FManaged;
  W.Iconic = false;
  SendPendingPlace(W);
  W.MapWanted = true;
  XMapWindow(FConn.Dpy(), W.Id);
  MarkAllDirty(W);
  if (!FManaged) FStacker.Restacked(W.Wnd, false);
}

void TX11Backend::ShowMinimized(TX11Window& W) {
  if (!FManaged || W.Role.OverrideRedirect) {
    // Nobody else would show or restore it: the restore bar does.
    if (W.MapWanted) XUnmapWindow(FConn.Dpy(), W.Id);
    W.MapWanted = W.StatesChecked = false;
    W.Iconic = true;
    if (!W.Role.OverrideRedirect && FBar.Add(W.Wnd)) RefreshBar();
    return;
  }
  if (W.Iconic) return;
  if (!W.MapWanted) {
    // Mapped straight into the minimised state.
    FHints.SetWmHints(W.Id, W.Role, true);
    SendPendingPlace(W);
    XMapWindow(FConn.Dpy(), W.Id);
    W.MapWanted = true;
  } else {
    XIconifyWindow(FConn.Dpy(), W.Id, FConn.Screen());
  }
  W.Iconic = W.IconicPending = true;
}

void TX11Backend::RefreshBar() {
  FBar.SetActive(FActive);
  FBar.Refresh(FMetrics.WorkArea());
}

void TX11Backend::WindowMoved(HWND Wnd, const TRect&, const TRect& Rect) {
  TX11Window* W = FTable.Find(Wnd);
  if (!W || FConn.Lost()) return;
  if (!W->MapWanted) {
    W->Place = Rect;
    W->PlacePending = true;
    return;
  }
  SendPlace(*W, Rect);
}

void TX11Backend::SendPendingPlace(TX11Window& W) {
  if (!W.PlacePending) return;
  W.PlacePending = false;
  SendPlace(W, W.Place);
}

void TX11Backend::SendPlace(TX11Window& W, const TRect& Rect) {
  HWND Wnd = W.Wnd;
  unsigned Width = unsigned(std::max<LONG>(1, Rect.Width())),
           Height = unsigned(std::max<LONG>(1, Rect.Height()));
  DWORD Style = DWORD(GetWindowLong(Wnd, GWL_STYLE));
  TPoint At = FMetrics.ToRoot(TPoint{Rect.Left, Rect.Top});
  // The size limits first, or a manager would hold the window to the old size.
  FHints.SetGeometry(W.Id, At.X, At.Y, int(Width), int(Height), (Style & WS_THICKFRAME) != 0);
  W.ConfigSerial = NextRequest(FConn.Dpy());
  XMoveResizeWindow(FConn.Dpy(), W.Id, At.X, At.Y, Width, Height);
}

void TX11Backend::WindowRestacked(HWND Wnd) {
  TX11Window* W = FTable.Find(Wnd);
  if (!W) return;
  SyncRole(*W);
  FStacker.Restacked(Wnd, FManaged);
}

void TX11Backend::WindowChanged(HWND Wnd) {
  TX11Window* W = FTable.Find(Wnd);
  if (!W || FConn.Lost()) return;
  SyncRole(*W);
  SyncShape(*W);
  std::string Title(std::size_t(std::max(0, GetWindowTextLength(Wnd))) + 1, '\0');
  Title.resize(std::size_t(std::max(0, GetWindowText(Wnd, Title.data(), int(Title.size())))));
  if (Title != W->Title) {
    W->Title = Title;
    FHints.SetTitle(W->Id, Title);
    if (FBar.Contains(Wnd)) RefreshBar();
  }
}

void TX11Backend::SyncRole(TX11Window& W) {
  if (FConn.Lost()) return;
  TX11WindowRole New = TX11WindowRole::Of(W.Wnd);
  if (New == W.Role) return;
  TX11WindowRole Old = W.Role;
  W.Role = New;
  if (New.OverrideRedirect != Old.OverrideRedirect) {
    // Only an unmapped window can change whether the manager sees it.
    bool Mapped = W.MapWanted;
    if (Mapped) XWithdrawWindow(FConn.Dpy(), W.Id, FConn.Screen());
    XSetWindowAttributes A{};
    A.override_redirect = New.OverrideRedirect ? True : False;
    XChangeWindowAttributes(FConn.Dpy(), W.Id, CWOverrideRedirect, &A);
    FHints.Apply(W.Id, Old, New, FTable.XOf(New.Owner), false);
    W.MapWanted = W.Iconic = W.StatesChecked = false;
    if (Mapped) SyncMapping(W);
    return;
  }
  bool Held = FManaged && W.MapWanted && !W.Role.OverrideRedirect;
  FHints.Apply(W.Id, Old, New, FTable.XOf(New.Owner), Held);
  if (New.NoFocus != Old.NoFocus) FHints.SetWmHints(W.Id, New, W.Iconic);
  if (New.OnTop != Old.OnTop && !FManaged) FStacker.Restacked(W.Wnd, false);
}

void TX11Backend::SyncShape(TX11Window& W) {
  if (FConn.Lost()) return;
  std::vector<TRect> Rects;
  bool Shaped = RegionOf(W.Wnd, Rects);
  if (Shaped == W.Shaped && Rects == W.Shape) return;
  W.Shaped = Shaped;
  W.Shape = Rects;
  Display* D = FConn.Dpy();
  for (int Kind : {ShapeBounding, ShapeInput}) {
    if (!Shaped) {
      XShapeCombineMask(D, W.Id, Kind, 0, 0, None, ShapeSet);
      continue;
    }
    std::vector<XRectangle> X;
    for (const TRect& R : Rects)
      X.push_back(XRectangle{short(R.Left), short(R.Top), (unsigned short)R.Width(),
                             (unsigned short)R.Height()});
    XShapeCombineRectangles(D, W.Id, Kind, 0, 0, X.data(), int(X.size()), ShapeSet, YXBanded);
  }
}

void TX11Backend::WindowActivate(HWND Wnd) {
  FActive = Wnd;
  if (!FBar.Empty()) RefreshBar();
  // A window not yet on screen gets the focus when its map is seen. It is
  // the one the program wants from now on: focus events of an earlier
  // choice, read before that map, must not take the activation back.
  TX11Window* W = Wnd ? FTable.Find(Wnd) : nullptr;
  if (!W) return;
  if (W->Viewable) {
    RequestFocus(*W);
  } else if (!FConn.Lost()) {
    WantFocus(*W);
  }
}

void TX11Backend::WantFocus(TX11Window& W) {
  FFocusWanted = W.Id;
  FFocusSerial = NextRequest(FConn.Dpy());
}

void TX11Backend::RequestFocus(TX11Window& W) {
  if (W.Iconic || W.Role.NoFocus || W.Role.OverrideRedirect || FConn.Lost()) return;
  // The focus record is only as new as the events read: after the program
  // asked for another window it may be stale, and skipping the request
  // would leave the focus where the program no longer wants it.
  if (FFocus == W.Id && FFocusWanted == W.Id) return;
  WantFocus(W);
  if (FManaged)
    FConn.SendRootMessage(W.Id, FConn.Atoms().NetActiveWindow, kSourceApplication, long(FUserTime),
                          0);
  else
    XSetInputFocus(FConn.Dpy(), W.Id, RevertToParent, CurrentTime);
}

// ---- pixels ----

void TX11Backend::MarkAllDirty(TX11Window& W) {
  if (const TGdiBitmap* S = WmSurface(W.Wnd)) W.Dirty = TRect{0, 0, S->Width(), S->Height()};
}

void TX11Backend::SurfaceChanged(HWND Wnd, const TRect& Dirty) {
  if (TX11Window* W = FTable.Find(Wnd)) W->Dirty = Union(W->Dirty, Dirty);
}

void TX11Backend::FlushSurfaces() {
  if (FConn.Lost()) return;
  for (auto& [Wnd, W] : FTable.All()) {
    if (W.Dirty.Left >= W.Dirty.Right || W.Dirty.Top >= W.Dirty.Bottom) continue;
    if (!W.MapWanted || W.Iconic) continue;
    if (const TGdiBitmap* S = WmSurface(Wnd)) FPainter.Put(W.Id, *S, W.Dirty);
    W.Dirty = TRect{0, 0, 0, 0};
  }
}

void TX11Backend::Sync() {
  FlushSurfaces();
  if (!FConn.Lost()) XSync(FConn.Dpy(), False);
}

// ---- pointer ----

void TX11Backend::CursorChanged(HWND Wnd, int ShapeId) {
  TX11Window* W = Wnd ? FTable.Find(Wnd) : nullptr;
  if (!W) return;
  W->CursorWanted = ShapeId;
  // A window off the screen shows no cursor, and making the first one
  // reads the cursor theme: that waits until the window is mapped.
  if (W->Viewable) ApplyCursor(*W);
}

void TX11Backend::ApplyCursor(TX11Window& W) {
  if (W.CursorId == W.CursorWanted || FConn.Lost()) return;
  W.CursorId = W.CursorWanted;
  XDefineCursor(FConn.Dpy(), W.Id, FCursors.Get(W.CursorId));
}

void TX11Backend::BeginMoveDrag(HWND Wnd, TPoint Pos) {
  HWND Root = GetAncestor(Wnd, GA_ROOT);
  TX11Window* W = Root ? FTable.Find(Root) : nullptr;
  TRect R;
  if (!W || FConn.Lost() || !GetWindowRect(Root, &R)) return;
  if (FManaged && !W->Role.OverrideRedirect) {
    // The manager needs the pointer the press grabbed for us.
    constexpr long kMove = 8, kButton = 1;
    XUngrabPointer(FConn.Dpy(), CurrentTime);
    FGrab = 0;
    TPoint At = FMetrics.ToRoot(Pos);
    FConn.SendRootMessage(W->Id, FConn.Atoms().NetWmMoveResize, At.X, At.Y, kMove, kButton,
                          kSourceApplication);
    XFlush(FConn.Dpy());
    return;
  }
  FDrag = TDrag{Root, Pos, R};
}

// A press outside every window of ours (on another program, on the
// desktop) never reaches us unless the pointer is grabbed, so a capture
// grabs it on the capture's top-level window. Owner events keep events
// over our own windows going to those windows as before; the rest come to
// the grab window and, lying outside it, become desktop events at their
// screen point. A grab another client holds, or a window not on screen
// yet (it is grabbed once mapped), only narrows the capture to our own
// windows.
void TX11Backend::CaptureChanged(HWND Wnd) {
  FCaptureRoot = Wnd ? GetAncestor(Wnd, GA_ROOT) : nullptr;
  GrabForCapture();
}

void TX11Backend::GrabForCapture() {
  if (FConn.Lost()) return;
  TX11Window* W = FCaptureRoot ? FTable.Find(FCaptureRoot) : nullptr;
  if (W && W->Id == FGrab) return;
  Display* D = FConn.Dpy();
  int Result = GrabNotViewable;
  if (W) {
    constexpr unsigned kGrabMask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    Result = XGrabPointer(D, W->Id, True, kGrabMask, GrabModeAsync, GrabModeAsync, None, None,
                          CurrentTime);
  }
  // Ungrabbing is harmless when this client holds no grab, and the record
  // may trail the server (an unmap it reported ended a grab made since).
  if (Result != GrabSuccess) XUngrabPointer(D, CurrentTime);
  FGrab = Result == GrabSuccess ? W->Id : 0;
  XFlush(D);
}

TPoint TX11Backend::CursorPos() {
  if (FConn.Lost()) return FPointer;
  Window Root, Child;
  int X, Y, Wx, Wy;
  unsigned Mask;
  if (XQueryPointer(FConn.Dpy(), FConn.Root(), &Root, &Child, &X, &Y, &Wx, &Wy, &Mask))
    FPointer = FMetrics.FromRoot(TPoint{X, Y});
  return FPointer;
}

void TX11Backend::SetCursorPos(TPoint Pos) {
  if (FConn.Lost()) return;
  TPoint At = FMetrics.ToRoot(Pos);
  XWarpPointer(FConn.Dpy(), None, FConn.Root(), 0, 0, 0, 0, At.X, At.Y);
  XFlush(FConn.Dpy());
}

// ---- time and events ----

std::uint64_t TX11Backend::Now() {
  auto Since = std::chrono::steady_clock::now().time_since_epoch();
  return std::uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(Since).count());
}

void TX11Backend::Push(TDesktopEvent::TKind Kind, HWND Wnd) {
  TDesktopEvent E{Kind, Wnd};
  FQueue.push_back(E);
}

bool TX11Backend::PollEvent(TDesktopEvent& Event) {
  if (FQueue.empty()) ReadEvents();
  if (FQueue.empty()) {
    // Idle: whatever was painted goes out now.
    FlushSurfaces();
    return false;
  }
  Event = FQueue.front();
  FQueue.pop_front();
  return true;
}

void TX11Backend::ReadEvents() {
  if (FConn.Lost()) return;
  // The window layer's screen questions may have found the change first.
  FollowOrigin();
  Display* D = FConn.Dpy();
  while (FQueue.empty() && !FConn.Lost() && XPending(D) > 0) {
    XEvent E;
    XNextEvent(D, &E);
    HandleEvent(E);
  }
}

bool TX11Backend::WaitForEvents(std::uint64_t Deadline) {
  if (FConn.Lost()) return false;
  FlushSurfaces();
  Display* D = FConn.Dpy();
  XFlush(D);
  if (!FQueue.empty() || XEventsQueued(D, QueuedAlready) > 0) return !FConn.Lost();
  std::uint64_t Start = Now();
  int Timeout = -1;
  if (Deadline != UINT64_MAX)
    Timeout = Deadline <= Start ? 0 : int(std::min<std::uint64_t>(Deadline - Start, 60000));
  pollfd P{FConn.Fd(), POLLIN, 0};
  int N = poll(&P, 1, Timeout);
  // Reading finds out whether the link broke (end of file, reset).
  if (N > 0) XEventsQueued(D, QueuedAfterReading);
  return !FConn.Lost();
}
