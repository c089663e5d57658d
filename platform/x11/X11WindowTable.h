// The X window behind each top-level platform window and what the desktop
// knows about it: what was asked of the window manager and what the server
// has reported back. X windows are made with the 24-bit visual, no
// background (the surface covers every pixel, so nothing flickers) and
// every event the desktop translates.
#pragma once

#include "platform/x11/X11Metrics.h"
#include "platform/x11/X11WindowHints.h"

#include <map>
#include <string>
#include <vector>

struct TX11Window {
  HWND Wnd = nullptr;
  Window Id = 0;
  // The root, or the frame a reparenting window manager put it in.
  Window Parent = 0;
  TX11WindowRole Role;
  std::string Title;
  // A map was asked for, normal or minimised, and not taken back.
  bool MapWanted = false;
  // On screen: mapped, as the server last reported.
  bool Viewable = false;
  // Minimised by the manager or by the desktop, as last asked or seen.
  bool Iconic = false;
  // A minimise or restore was asked of the manager and not yet seen done.
  bool IconicPending = false;
  // The states were read back after the last map.
  bool StatesChecked = false;
  // Configure events older than this request describe a superseded place.
  unsigned long ConfigSerial = 0;
  // A place asked for while no map was wanted, sent with the next map. A
  // window manager answers each configure request of an unmapped window
  // with a round trip of its own, and a form sets its bounds a dozen times
  // while it is read: those requests once held the manager for longer
  // than the whole start of the program.
  bool PlacePending = false;
  TRect Place{0, 0, 0, 0};
  // The part of the surface (window coordinates) still to be put.
  TRect Dirty{0, 0, 0, 0};
  // The cursor on the X window, and the one the program chose for it.
  int CursorId = 0;
  int CursorWanted = 0;
  // The window region last given to the shape extension; Shaped false
  // means none.
  bool Shaped = false;
  std::vector<TRect> Shape;
};

class TX11WindowTable {
public:
  TX11WindowTable(TX11Connection& Conn, TX11WindowHints& Hints, TX11Metrics& Metrics)
      : FConn(Conn), FHints(Hints), FMetrics(Metrics) {}
  ~TX11WindowTable();
  TX11WindowTable(const TX11WindowTable&) = delete;
  TX11WindowTable& operator=(const TX11WindowTable&) = delete;

  TX11Window* Find(HWND Wnd);
  TX11Window* FindX(Window Id);
  // The X window of Wnd, 0 when it has none.
  Window XOf(HWND Wnd);

  // Makes the X window of Wnd (withdrawn) with its role's properties.
  TX11Window& Create(HWND Wnd);
  // Makes a fresh X window for W after its old one disappeared.
  void Remake(TX11Window& W);
  void Destroy(HWND Wnd);

  std::map<HWND, TX11Window>& All() { return FWindows; }

private:
  void MakeX(TX11Window& W);

  TX11Connection& FConn;
  TX11WindowHints& FHints;
  TX11Metrics& FMetrics;
  std::map<HWND, TX11Window> FWindows;
  std::map<Window, HWND> FByX;
};
