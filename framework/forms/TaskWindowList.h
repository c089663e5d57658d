// TTaskWindowList: while a modal loop runs (a modal form, an error box),
// the program's other top-level windows take no input. The list disables
// every visible, enabled top-level window but one and enables exactly
// those again when it ends, so a window that was disabled for another
// reason stays disabled, and one destroyed meanwhile is skipped.
#pragma once

#include "platform/WinUser.h"

#include <vector>

class TTaskWindowList {
public:
  // Disables the windows; Except (may be null) is left alone.
  explicit TTaskWindowList(HWND Except = nullptr);
  ~TTaskWindowList() { Restore(); }
  TTaskWindowList(const TTaskWindowList&) = delete;
  TTaskWindowList& operator=(const TTaskWindowList&) = delete;

  // Enables the windows again; later calls do nothing.
  void Restore();
  const std::vector<HWND>& Windows() const { return FWindows; }

private:
  std::vector<HWND> FWindows;
};
