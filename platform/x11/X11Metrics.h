// The screen as the window layer measures it. The "screen" is the primary
// monitor (RandR monitors: the primary one, else the first, else the whole
// root window); the virtual screen is the root window spanning every
// monitor; the work area is the window manager's _NET_WORKAREA for the
// first desktop, limited to the primary monitor. Each answer asks the
// server, so a monitor or panel change shows at once; after the link is
// lost the last answers stand.
#pragma once

#include "platform/WinTypes.h"
#include "platform/x11/X11Connection.h"

class TX11Metrics {
public:
  explicit TX11Metrics(TX11Connection& Conn);

  TRect ScreenRect();
  TRect VirtualScreen();
  TRect WorkArea();

private:
  TX11Connection& FConn;
  bool FMonitors = false;
  TRect FScreen{0, 0, 0, 0};
  TRect FVirtual{0, 0, 0, 0};
  TRect FWork{0, 0, 0, 0};
};
