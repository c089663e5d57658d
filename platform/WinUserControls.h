// The native controls the framework wraps: the scroll bar (class
// "SCROLLBAR") and the push button (class "BUTTON"). Included by WinUser.h.
#pragma once

#include "platform/WinTypes.h"

// ---- scroll bars ----
inline constexpr int SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3;
inline constexpr WORD SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1,
                      SB_PAGEUP = 2, SB_PAGELEFT = 2, SB_PAGEDOWN = 3, SB_PAGERIGHT = 3,
                      SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5, SB_TOP = 6, SB_LEFT = 6,
                      SB_BOTTOM = 7, SB_RIGHT = 7, SB_ENDSCROLL = 8;
inline constexpr DWORD SBS_HORZ = 0x0000, SBS_VERT = 0x0001;
inline constexpr UINT SIF_RANGE = 0x0001, SIF_PAGE = 0x0002, SIF_POS = 0x0004,
                      SIF_DISABLENOSCROLL = 0x0008, SIF_TRACKPOS = 0x0010, SIF_ALL = 0x0017;
inline constexpr UINT ESB_ENABLE_BOTH = 0x0000, ESB_DISABLE_BOTH = 0x0003,
                      ESB_DISABLE_LEFT = 0x0001, ESB_DISABLE_RIGHT = 0x0002,
                      ESB_DISABLE_UP = 0x0001, ESB_DISABLE_DOWN = 0x0002, ESB_DISABLE_LTUP = 0x0001,
                      ESB_DISABLE_RTDN = 0x0002;
inline constexpr UINT SBM_SETPOS = 0x00E0, SBM_GETPOS = 0x00E1, SBM_SETRANGE = 0x00E2,
                      SBM_GETRANGE = 0x00E3, SBM_ENABLE_ARROWS = 0x00E4,
                      SBM_SETRANGEREDRAW = 0x00E6, SBM_SETSCROLLINFO = 0x00E9,
                      SBM_GETSCROLLINFO = 0x00EA;

struct SCROLLINFO {
  UINT cbSize;
  UINT fMask;
  int nMin;
  int nMax;
  UINT nPage;
  int nPos;
  int nTrackPos;
};

// Only SB_CTL (a "SCROLLBAR" window) is supported; SB_HORZ/SB_VERT fail.
int SetScrollInfo(HWND wnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND wnd, int bar, SCROLLINFO* info);
int SetScrollPos(HWND wnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND wnd, int bar);
BOOL SetScrollRange(HWND wnd, int bar, int minPos, int maxPos, BOOL redraw);
BOOL GetScrollRange(HWND wnd, int bar, int* minPos, int* maxPos);
// Each call replaces the arrow state; FALSE when nothing changed.
BOOL EnableScrollBar(HWND wnd, UINT bar, UINT arrows);

// The parts of a scroll bar control and their states: rgstate[0] the
// bar, [1] the decreasing arrow, [2] the trough before the thumb, [3] the
// thumb, [4] the trough after it, [5] the increasing arrow.
inline constexpr LONG OBJID_CLIENT = LONG(0xFFFFFFFC);
inline constexpr int CCHILDREN_SCROLLBAR = 5;
inline constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001, STATE_SYSTEM_INVISIBLE = 0x00008000;
struct SCROLLBARINFO {
  DWORD cbSize;
  RECT rcScrollBar; // screen coordinates
  int dxyLineButton;
  int xyThumbTop; // from the bar's top (left) edge
  int xyThumbBottom;
  int reserved;
  DWORD rgstate[CCHILDREN_SCROLLBAR + 1];
};
// Only OBJID_CLIENT of a "SCROLLBAR" window; cbSize must be set.
BOOL GetScrollBarInfo(HWND wnd, LONG idObject, SCROLLBARINFO* info);

// ---- buttons ----
inline constexpr DWORD BS_PUSHBUTTON = 0x0000, BS_DEFPUSHBUTTON = 0x0001;
inline constexpr UINT BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_GETSTATE = 0x00F2,
                      BM_SETSTATE = 0x00F3, BM_SETSTYLE = 0x00F4, BM_CLICK = 0x00F5;
inline constexpr WORD BN_CLICKED = 0;
inline constexpr LRESULT BST_PUSHED = 0x0004, BST_FOCUS = 0x0008;
// WM_GETDLGCODE answers.
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
                         DLGC_DEFPUSHBUTTON = 0x0010, DLGC_UNDEFPUSHBUTTON = 0x0020,
                         DLGC_BUTTON = 0x2000;
