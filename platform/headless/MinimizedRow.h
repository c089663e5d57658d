// The headless desktop's stand-in for a task bar: every minimised
// top-level window is shown as a small caption bar, in minimise order from
// left to right along the bottom of the work area, wrapping upwards into a
// new row when one row is full. A press on a bar brings its window back.
// Bar sizes come from SM_CXMINIMIZED and SM_CYMINIMIZED when asked, so a
// metric change shows on the next look.
#pragma once

#include "platform/WinUser.h"

#include <vector>

class TMinimizedRow {
public:
  void SetWorkArea(const TRect& Work) { FWork = Work; }

  // False when nothing changed (already in, or not in the row).
  bool Add(HWND Wnd);
  bool Remove(HWND Wnd);
  bool Contains(HWND Wnd) const;
  bool Empty() const { return FWnds.empty(); }

  // Screen rectangle of the bar of Wnd; empty when it has none.
  TRect BarOf(HWND Wnd) const;
  // The window whose bar lies under Pos, or null.
  HWND BarAt(TPoint Pos) const;
  // The rows the bars occupy, full width: what a change may repaint.
  TRect Band() const;

  // Paints every bar that meets Clip (screen coordinates) through Dc,
  // which draws onto the screen; Active gets the active caption colour.
  void Paint(HDC Dc, const TRect& Clip, HWND Active) const;

private:
  struct TGrid {
    int Cx, Cy, PerRow;
  };
  TGrid Grid() const;
  TRect BarRect(const TGrid& G, std::size_t Index) const;

  std::vector<HWND> FWnds;
  TRect FWork{0, 0, 0, 0};
};
