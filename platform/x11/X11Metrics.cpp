#include "platform/x11/X11Metrics.h"

#include <X11/Xatom.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>

TX11Metrics::TX11Metrics(TX11Connection& Conn) : FConn(Conn) {
  int EventBase = 0, ErrorBase = 0, Major = 0, Minor = 0;
  Display* D = FConn.Dpy();
  // Monitors came with RandR 1.5.
  FMonitors = XRRQueryExtension(D, &EventBase, &ErrorBase) && XRRQueryVersion(D, &Major, &Minor) &&
              (Major > 1 || (Major == 1 && Minor >= 5));
  FVirtual = VirtualScreen();
  FScreen = ScreenRect();
  FWork = WorkArea();
}

TRect TX11Metrics::VirtualScreen() {
  if (FConn.Lost()) return FVirtual;
  Window Root;
  int X, Y;
  unsigned W, H, Border, Depth;
  if (XGetGeometry(FConn.Dpy(), FConn.Root(), &Root, &X, &Y, &W, &H, &Border, &Depth))
    FVirtual = TRect{0, 0, LONG(W), LONG(H)};
  return FVirtual;
}

TRect TX11Metrics::ScreenRect() {
  if (FConn.Lost()) return FScreen;
  TRect R = VirtualScreen();
  int N = 0;
  XRRMonitorInfo* M = FMonitors ? XRRGetMonitors(FConn.Dpy(), FConn.Root(), True, &N) : nullptr;
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
  return FScreen;
}

TRect TX11Metrics::WorkArea() {
  if (FConn.Lost()) return FWork;
  TRect Screen = ScreenRect();
  FWork = Screen;
  std::vector<long> Area;
  if (!FConn.ReadLongs(FConn.Root(), FConn.Atoms().NetWorkarea, XA_CARDINAL, Area) ||
      Area.size() < 4)
    return FWork;
  TRect W{LONG(Area[0]), LONG(Area[1]), LONG(Area[0] + Area[2]), LONG(Area[1] + Area[3])};
  TRect Both{std::max(W.Left, Screen.Left), std::max(W.Top, Screen.Top),
             std::min(W.Right, Screen.Right), std::min(W.Bottom, Screen.Bottom)};
  if (Both.Left < Both.Right && Both.Top < Both.Bottom) FWork = Both;
  return FWork;
}
