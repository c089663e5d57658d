// The "#32768" class: the windows that show menus. A menu window is a
// top-most tool popup with the 3-pixel raised frame of a dialog frame; its
// client area holds the entries from (0, 0). It never takes activation.
// Its procedure is an ordinary one, so others may subclass it
// (GWL_WNDPROC), give it a region or move it while it shows; it paints
// through the running menu loop and erases through DefWindowProc with the
// menu colour, so a subclass that answers WM_ERASEBKGND itself suppresses
// the erase.
#pragma once

#include "platform/WinUser.h"

class TMenuWindow {
public:
  static constexpr const char* ClassName = "#32768";
  static constexpr DWORD Style = WS_POPUP | WS_DLGFRAME | WS_CLIPSIBLINGS;
  static constexpr DWORD ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;

  static void Register();
  // A hidden menu window at Rect (screen coordinates), owned by Owner.
  static HWND Create(HWND Owner, const TRect& Rect);
  static LRESULT Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
};
