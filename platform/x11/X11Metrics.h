// The screen as the window layer measures it. The "screen" is the primary
// monitor (RandR monitors: the primary one, else the first, else the whole
// root window); the virtual screen is the root window spanning every
// monitor; the work area is the window manager's _NET_WORKAREA for the
// first desktop, limited to the primary monitor.
//
// The window layer's screen starts at the primary monitor's top-left
// corner, as a classic desktop's does, while X measures from the root's:
// with the primary monitor right of another one, the window layer's (0,0)
// is root (primary.x, primary.y), and monitors left of or above it lie at
// negative coordinates. Every position that crosses between X and the
// window layer goes through ToRoot or FromRoot; the answers below are
// already in window-layer coordinates.
//
// The window layer asks for these dozens of times while forms are built,
// so the answers are kept and read again only after the server announced
// a change: RandR's screen and output events, the root's configure events
// (new size, new monitors), a new _NET_WORKAREA. Before answering, the
// events that already arrived are looked at (a read of what the socket
// holds, never a round trip), so a change another client finished shows
// at the next answer even before the program handles its events. After
// the link is lost the last answers stand.
#pragma once

#include "platform/WinTypes.h"
#include "platform/x11/X11Connection.h"

class TX11Metrics {
public:
  explicit TX11Metrics(TX11Connection& Conn);

  TRect ScreenRect();
  TRect VirtualScreen();
  TRect WorkArea();

  // The primary monitor's top-left corner on the root. Taken from the
  // kept answers (read again only after a change was seen), so converting
  // costs no request and no look at the socket.
  TPoint Origin();
  TPoint ToRoot(TPoint P) { return Shift(P, Origin(), 1); }
  TPoint FromRoot(TPoint P) { return Shift(P, Origin(), -1); }
  TRect ToRoot(const TRect& R);
  TRect FromRoot(const TRect& R);

  // Marks the answers E makes stale; true when it concerned them.
  bool Notice(const XEvent& E);

private:
  static TPoint Shift(TPoint P, TPoint By, int Sign) {
    return TPoint{P.X + Sign * By.X, P.Y + Sign * By.Y};
  }
  // Notices the events arrived so far and re-reads what became stale.
  void Refresh();
  void ReadScreens();
  void ReadWorkArea();

  TX11Connection& FConn;
  bool FMonitors = false;
  // RandR's first event code, -1 when the server lacks RandR.
  int FRandrEvents = -1;
  bool FScreensStale = true;
  bool FWorkStale = true;
  // The first request of the last reading of each: an event with an older
  // serial told of a change that reading already saw.
  unsigned long FScreensSerial = 0;
  unsigned long FWorkSerial = 0;
  // Root coordinates.
  TRect FScreen{0, 0, 0, 0};
  TRect FVirtual{0, 0, 0, 0};
  TRect FWork{0, 0, 0, 0};
};
