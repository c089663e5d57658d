// The windows are collected first and disabled afterwards: disabling the
// active window moves the activation, which must not disturb the walk.
#include "framework/forms/TaskWindowList.h"

namespace {

struct TCollect {
  HWND Except;
  std::vector<HWND>* Found;
};

BOOL CollectWindow(HWND Wnd, LPARAM Param) {
  auto* C = reinterpret_cast<TCollect*>(Param);
  if (Wnd != C->Except && IsWindowVisible(Wnd) && IsWindowEnabled(Wnd)) C->Found->push_back(Wnd);
  return TRUE;
}

} // namespace

TTaskWindowList::TTaskWindowList(HWND Except) {
  TCollect Collect{Except, &FWindows};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&Collect));
  for (HWND Wnd : FWindows) EnableWindow(Wnd, FALSE);
}

void TTaskWindowList::Restore() {
  for (HWND Wnd : FWindows)
    if (IsWindow(Wnd)) EnableWindow(Wnd, TRUE);
  FWindows.clear();
}
