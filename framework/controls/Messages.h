// Messages as the framework's controls handle them. A TMessage carries a
// desktop message through a control's WndProc chain; Result is what the
// window procedure returns.
//
// CM_* messages are the framework's own notifications between controls
// (a property changed, the mouse entered); CN_* are desktop notifications
// that a parent reflects back to the child control that sent them
// (WM_COMMAND of a button, WM_HSCROLL of a scroll bar), so each control
// handles its own.
#pragma once

#include "platform/WinUser.h"

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

inline TPoint PointFromLParam(LPARAM L) {
  return {short(LOWORD(DWORD(L))), short(HIWORD(DWORD(L)))};
}
inline LPARAM PointToLParam(TPoint P) { return MAKELPARAM(WORD(short(P.X)), WORD(short(P.Y))); }

inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1,
                      CM_DIALOGKEY = CM_BASE + 5, CM_DIALOGCHAR = CM_BASE + 6,
                      CM_FOCUSCHANGED = CM_BASE + 7, CM_PARENTFONTCHANGED = CM_BASE + 8,
                      CM_PARENTCOLORCHANGED = CM_BASE + 9, CM_HITTEST = CM_BASE + 10,
                      CM_VISIBLECHANGED = CM_BASE + 11, CM_ENABLEDCHANGED = CM_BASE + 12,
                      CM_COLORCHANGED = CM_BASE + 13, CM_FONTCHANGED = CM_BASE + 14,
                      CM_CURSORCHANGED = CM_BASE + 15, CM_TEXTCHANGED = CM_BASE + 18,
                      CM_MOUSEENTER = CM_BASE + 19, CM_MOUSELEAVE = CM_BASE + 20,
                      CM_BUTTONPRESSED = CM_BASE + 24, CM_SHOWINGCHANGED = CM_BASE + 25,
                      CM_ENTER = CM_BASE + 26, CM_EXIT = CM_BASE + 27,
                      CM_DESIGNHITTEST = CM_BASE + 28, CM_ICONCHANGED = CM_BASE + 29,
                      CM_WANTSPECIALKEY = CM_BASE + 30, CM_CONTROLCHANGE = CM_BASE + 36,
                      CM_HINTSHOW = CM_BASE + 48, CM_RECREATEWND = CM_BASE + 51,
                      CM_MOUSEWHEEL = CM_BASE + 67;

inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND, CN_HSCROLL = CN_BASE + WM_HSCROLL,
                      CN_VSCROLL = CN_BASE + WM_VSCROLL, CN_DRAWITEM = CN_BASE + WM_DRAWITEM,
                      CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM,
                      CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN,
                      CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR,
                      CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC,
                      CN_KEYDOWN = CN_BASE + WM_KEYDOWN, CN_KEYUP = CN_BASE + WM_KEYUP,
                      CN_CHAR = CN_BASE + WM_CHAR;
