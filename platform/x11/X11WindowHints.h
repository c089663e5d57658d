// The properties and requests through which an X window manager learns a
// window's role: type, states, owner, opacity, title, geometry and that it
// must not be decorated. While a window is withdrawn they are plain
// properties; once a manager holds it, state changes are requests to the
// manager, and states it dropped on the way to mapping are asked for again.
#pragma once

#include "platform/x11/X11Connection.h"
#include "platform/x11/X11WindowRole.h"

#include <string>

class TX11WindowHints {
public:
  explicit TX11WindowHints(TX11Connection& Conn) : FConn(Conn) {}

  // What never changes: class, process, protocols, no decorations.
  void SetIdentity(Window W);
  // Every role property; Managed tells whether a window manager holds the
  // window now (state changes then go to it as requests). OwnerWindow is
  // the owner's X window, 0 for none.
  void Apply(Window W, const TX11WindowRole& Old, const TX11WindowRole& New, Window OwnerWindow,
             bool Managed);
  // Asks the manager again for each state of Role missing from the
  // window's _NET_WM_STATE; true when something was missing.
  bool Reassert(Window W, const TX11WindowRole& Role);
  // WM_HINTS; Iconic makes the next map show the window minimised.
  void SetWmHints(Window W, const TX11WindowRole& Role, bool Iconic);
  void SetTitle(Window W, const std::string& Utf8);
  // Position and size as the program's own choice; a window without a
  // sizing frame is fixed at its size.
  void SetGeometry(Window W, int X, int Y, int Width, int Height, bool Resizable);

  // The state atoms Role asks for, in a fixed order.
  std::vector<Atom> StatesOf(const TX11WindowRole& Role) const;
  Atom TypeOf(const TX11WindowRole& Role) const;

private:
  void SetStates(Window W, const std::vector<Atom>& States);
  void SetOpacity(Window W, int Alpha);

  TX11Connection& FConn;
};
