#include "platform/x11/X11Metrics.h"

#include <X11/Xatom.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>

namespace {

// Looks at every queued event and takes none: XCheckIfEvent reads what
// the socket holds without asking the server anything.
Bool MetricsNoticeQueued(Display*, XEvent* E, XPointer Metrics) {
  reinterpret_cast<TX11Metrics*>(Metrics)->Notice(*E);
  return False;
}

} // namespace

TX11Metrics::TX11Metrics(TX11Connection& Conn) : FConn(Conn) {
  int EventBase = 0, ErrorBase = 0, Major = 0, Minor = 0;
  Display* D = FConn.Dpy();
  if (XRRQueryExtension(D, &EventBase, &ErrorBase) && XRRQueryVersion(D, &Major, &Minor)) {
    FRandrEvents = EventBase;
    // Monitors came with RandR 1.5; output and crtc events with 1.2.
    FMonitors = Major > 1 || (Major == 1 && Minor >= 5);
    int Mask = RRScreenChangeNotifyMask;
    if (Major > 1 || (Major == 1 && Minor >= 2))
      Mask |= RRCrtcChangeNotifyMask | RROutputChangeNotifyMask;
    XRRSelectInput(D, FConn.Root(), Mask);
  }
  // The first answer is read when first asked, after the backend chose the
  // root's events: a change in between is then seen, not missed.
}

bool TX11Metrics::Notice(const XEvent& E) {
  if (E.xany.window != FConn.Root()) return false;
  bool Screens = (FRandrEvents >= 0 && (E.type == FRandrEvents + RRScreenChangeNotify ||
                                        E.type == FRandrEvents + RRNotify)) ||
                 // The root's own configure event comes with a new size or new
                 // monitors (RandR sends no event of its own for those).
                 (E.type == ConfigureNotify && E.xconfigure.window == FConn.Root());
  bool Work = E.type == PropertyNotify && E.xproperty.atom == FConn.Atoms().NetWorkarea;
  // The work area is limited to the screen, so it follows the screens.
  if (Screens && E.xany.serial >= FScreensSerial) FScreensStale = FWorkStale = true;
  if (Work && E.xany.serial >= FWorkSerial) FWorkStale = true;
  return Screens || Work;
}

void TX11Metrics::Refresh() {
  if (FConn.Lost()) return;
  XEvent Unused;
  XCheckIfEvent(FConn.Dpy(), &Unused, MetricsNoticeQueued, reinterpret_cast<XPointer>(this));
  if (FConn.Lost()) return;
  if (FScreensStale) ReadScreens();
  if (FWorkStale) ReadWorkArea();
}

TRect TX11Metrics::VirtualScreen() {
  Refresh();
  return FromRoot(FVirtual);
}

TRect TX11Metrics::ScreenRect() {
  Refresh();
  return FromRoot(FScreen);
}

TRect TX11Metrics::WorkArea() {
  Refresh();
  return FromRoot(FWork);
}

TPoint TX11Metrics::Origin() {
  // Changes the program has seen so far count; the socket is not looked
  // at here, since that flushes the output and would cost every window
  // move and pointer event a write of its own.
  if (FScreensStale && !FConn.Lost()) ReadScreens();
  return TPoint{FScreen.Left, FScreen.Top};
}

TRect TX11Metrics::ToRoot(const TRect& R) {
  TPoint O = Origin();
  return TRect{R.Left + O.X, R.Top + O.Y, R.Right + O.X, R.Bottom + O.Y};
}

TRect TX11Metrics::FromRoot(const TRect& R) {
  TPoint O = Origin();
  return TRect{R.Left - O.X, R.Top - O.Y, R.Right - O.X, R.Bottom - O.Y};
}

void TX11Metrics::ReadScreens() {
  Display* D = FConn.Dpy();
  FScreensSerial = NextRequest(D);
  Window Root;
  int X, Y;
  unsigned W, H, Border, Depth;
  if (XGetGeometry(D, FConn.Root(), &Root, &X, &Y, &W, &H, &Border, &Depth))
    FVirtual = TRect{0, 0, LONG(W), LONG(H)};
  TRect R = FVirtual;
  int N = 0;
  XRRMonitorInfo* M = FMonitors ? XRRGetMonitors(D, FConn.Root(), True, &N) : nullptr;
  if (M && N > 0) {
    int Pick = 0;
    for (int I = 0; I < N; ++I)
      if (M[I].primary) {
        Pick = I;
        break;
      }
    R = TRect{M[Pick].x, M[Pick].y, M[Pick].x + M[Pick].width, M[Pick].y + M[Pick].height};
  }
  if (M) XRRFreeMonitors(M);
  FScreen = R;
  FScreensStale = FConn.Lost();
}

void TX11Metrics::ReadWorkArea() {
  TRect Screen = FScreen;
  FWork = Screen;
  std::vector<long> Area;
  FWorkSerial = NextRequest(FConn.Dpy());
  bool Read = FConn.ReadLongs(FConn.Root(), FConn.Atoms().NetWorkarea, XA_CARDINAL, Area);
  FWorkStale = FConn.Lost();
  if (!Read || Area.size() < 4) return;
  TRect W{LONG(Area[0]), LONG(Area[1]), LONG(Area[0] + Area[2]), LONG(Area[1] + Area[3])};
  TRect Both{std::max(W.Left, Screen.Left), std::max(W.Top, Screen.Top),
             std::min(W.Right, Screen.Right), std::min(W.Bottom, Screen.Bottom)};
  if (Both.Left < Both.Right && Both.Top < Both.Bottom) FWork = Both;
}
