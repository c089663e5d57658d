// TrackPopupMenu, EndMenu and GetMenuItemRect: the entry points of the
// showing menu. Menu animation (TPM_*ANIMATION, SPI_GETMENUANIMATION) is
// accepted and shown at once: an unrolling window would only delay the
// first complete paint, and owner-drawn entries are painted in full either
// way.
#include "platform/user/MenuLoop.h"

#include <memory>

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  if (!IsMenu(menu) || !IsWindow(owner) || TMenuLoop::Current()) return FALSE;
  bool Shown = false;
  UINT Chosen = 0;
  {
    TMenuLoop Loop(menu, owner, flags);
    Chosen = Loop.Run(x, y, Shown);
  }
  if (flags & TPM_RETURNCMD) return BOOL(Chosen);
  if (Chosen && IsWindow(owner)) PostMessage(owner, WM_COMMAND, MAKEWPARAM(int(Chosen), 0), 0);
  return Shown ? TRUE : FALSE;
}

BOOL EndMenu() {
  TMenuLoop* Loop = TMenuLoop::Current();
  if (!Loop) return FALSE;
  Loop->Cancel();
  return TRUE;
}

BOOL GetMenuItemRect(HWND wnd, HMENU menu, UINT pos, RECT* rect) {
  TMenuLoop* Loop = TMenuLoop::Current();
  if (!rect || !Loop || (wnd && !IsWindow(wnd))) return FALSE;
  return Loop->ItemRect(menu, pos, *rect) ? TRUE : FALSE;
}

HWND MenuKeyWindow() {
  TMenuLoop* Loop = TMenuLoop::Current();
  return Loop ? Loop->TopWindow() : nullptr;
}
