// What the tool reports about the desktop's windows and open menus, read
// through the public window and menu operations (plus the headless
// desktop's minimised row), one output line per fact; see DriveLine.h for
// quoting.
//
//   window=HANDLE class=C name=N caption="T" rect=L,T,R,B visible=0|1
//     enabled=0|1 topmost=0|1 state=normal|minimized alpha=N|none
//     region=none|empty|L,T,R,B;...
//   item=INDEX text="T" rect=L,T,R,B checked=0|1 default=0|1
//     separator=0|1 submenu=0|1 selected=0|1
//
// name is the Name of the framework control that owns the window (empty
// for windows that are no control's); a minimised window's rect is the
// bar on the desktop's row that a click restores it from.
#pragma once

#include "platform/WinUser.h"

#include <string>
#include <vector>

class TDriveReport {
public:
  // Every top-level window, visible or not, top of the stack first.
  static std::vector<std::string> Windows();
  static std::string WindowLine(HWND Wnd);
  // Each showing menu window, outermost first: its window line, then a
  // line per entry.
  static std::vector<std::string> Menus();
  static std::string ItemLine(HWND Wnd, HMENU Menu, UINT Pos);
};
