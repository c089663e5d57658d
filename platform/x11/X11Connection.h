// One connection to an X server and what every part of the X11 desktop
// needs from it: the display, the root window, the 24-bit TrueColor visual
// the window surfaces are shown through, the interned atoms and the state
// of the link. X errors are recorded and ignored, because a window that
// another client destroyed must not end the program. A broken link marks
// the connection lost instead of exiting the process; from then on nothing
// touches the server again.
#pragma once

#include <X11/Xlib.h>

#include <memory>
#include <string>
#include <vector>

struct TX11Atoms {
  Atom WmProtocols, WmDeleteWindow, WmState, WmChangeState, MotifWmHints, Utf8String;
  Atom NetWmName, NetWmPid, NetWmState, NetWmStateAbove, NetWmStateSkipTaskbar, NetWmStateSkipPager,
      NetWmStateModal, NetWmStateHidden;
  Atom NetWmWindowType, NetWmWindowTypeNormal, NetWmWindowTypeUtility, NetWmWindowTypeDialog,
      NetWmWindowTypePopupMenu, NetWmWindowTypeTooltip;
  Atom NetWmWindowOpacity, NetWmMoveResize, NetSupportingWmCheck, NetWorkarea, NetActiveWindow,
      NetRestackWindow, NetCmSelection;
};

class TX11Connection {
public:
  // Null with a one-line reason when the server cannot be reached or
  // offers no visual the surfaces can be shown through.
  static std::unique_ptr<TX11Connection> Open(const char* DisplayName, std::string& Error);
  ~TX11Connection();
  TX11Connection(const TX11Connection&) = delete;
  TX11Connection& operator=(const TX11Connection&) = delete;

  Display* Dpy() const { return FDpy; }
  int Screen() const { return FScreen; }
  Window Root() const { return FRoot; }
  Visual* Visual24() const { return FVisual; }
  int Depth() const { return FDepth; }
  Colormap Colors() const { return FColormap; }
  const TX11Atoms& Atoms() const { return FAtoms; }
  // The socket, for waiting on it.
  int Fd() const { return FFd; }
  // Whether the server runs on this machine (shared memory can reach it).
  bool Local() const { return FLocal; }

  bool Lost() const { return FLost; }
  void MarkLost() { FLost = true; }

  // Whether a window manager announces itself now.
  bool QueryWindowManager();
  // Whether a compositing manager owns this screen's selection now.
  bool QueryCompositor();

  // A client message about W to the root window, as window managers expect
  // requests (state changes, activation, moves) to come.
  void SendRootMessage(Window W, Atom Type, long A0, long A1 = 0, long A2 = 0, long A3 = 0,
                       long A4 = 0);
  // Items of a 32-bit property (CARDINAL, ATOM, WINDOW...); false when the
  // window lacks it or it has another format.
  bool ReadLongs(Window W, Atom Property, Atom Type, std::vector<long>& Out);

  // Waits until the server has handled every request sent so far and
  // answers whether any request from Serial on failed.
  bool FailedSince(unsigned long Serial);
  // X errors seen by this process since it started.
  static unsigned long ErrorCount();

private:
  TX11Connection() = default;
  bool PickVisual(std::string& Error);

  Display* FDpy = nullptr;
  int FScreen = 0;
  Window FRoot = 0;
  Visual* FVisual = nullptr;
  int FDepth = 0;
  Colormap FColormap = 0;
  bool FOwnColormap = false;
  int FFd = -1;
  bool FLocal = false;
  bool FLost = false;
  TX11Atoms FAtoms{};
};
