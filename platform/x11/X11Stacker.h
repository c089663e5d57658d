// Keeps the X stacking order in step with the window layer's. Under a
// window manager the desktop only asks (a raise, or _NET_RESTACK_WINDOW
// below the window that should be above); without one it stacks its
// windows itself and keeps its top-most windows above every other
// client's window, checking again whenever another client's window is
// mapped or moved.
#pragma once

#include "platform/x11/X11WindowTable.h"

class TX11Stacker {
public:
  TX11Stacker(TX11Connection& Conn, TX11WindowTable& Table) : FConn(Conn), FTable(Table) {}

  // The layer moved Wnd in its order. Managed: a window manager runs.
  void Restacked(HWND Wnd, bool Managed);
  // Without a manager: raises our top-most windows again when a window of
  // another client (Other) lies above one of them. Skip is a window of
  // ours that is no platform window (the restore bar).
  void KeepTopmostAbove(Window Other, Window Skip);

  // Our windows on screen, in the layer's order, topmost first.
  std::vector<TX11Window*> Showing();

private:
  void StackAll(const std::vector<TX11Window*>& Order);

  TX11Connection& FConn;
  TX11WindowTable& FTable;
};
