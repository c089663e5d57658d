// The window-manager operations: window classes and procedures, windows,
// the message queue, painting, input state, translucency, metrics and
// settings, message boxes and the native scroll bar and push button, with
// the names, values and results of the desktop the program was written for.
//
// Differences from that desktop, on purpose:
// - Window longs are pointer-wide (GetWindowLong acts as GetWindowLongPtr),
//   so a window procedure fits in GWL_WNDPROC and GWL_USERDATA on 64-bit.
// - Strings are UTF-8; the ANSI code page conversion is the framework's.
// - One thread, one queue: every window belongs to the calling thread.
// Stale or forged handles fail with the documented value (0, FALSE, NULL).
#pragma once

#include "platform/WinBase.h"
#include "platform/WinGdi.h"

using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ATOM = WORD;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);

inline constexpr LPARAM MAKELPARAM(int Lo, int Hi) {
  return LPARAM(DWORD(WORD(Lo)) | (DWORD(WORD(Hi)) << 16));
}
inline constexpr WPARAM MAKEWPARAM(int Lo, int Hi) { return WPARAM(MAKELPARAM(Lo, Hi)); }
inline constexpr int GET_X_LPARAM(LPARAM L) { return short(WORD(L & 0xFFFF)); }
inline constexpr int GET_Y_LPARAM(LPARAM L) { return short(WORD((L >> 16) & 0xFFFF)); }
inline constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM W) { return short(HIWORD(W)); }
inline constexpr int WHEEL_DELTA = 120;

// ---- window styles ----
inline constexpr DWORD WS_OVERLAPPED = 0x00000000, WS_POPUP = 0x80000000, WS_CHILD = 0x40000000,
                       WS_MINIMIZE = 0x20000000, WS_VISIBLE = 0x10000000, WS_DISABLED = 0x08000000,
                       WS_CLIPSIBLINGS = 0x04000000, WS_CLIPCHILDREN = 0x02000000,
                       WS_MAXIMIZE = 0x01000000, WS_CAPTION = 0x00C00000, WS_BORDER = 0x00800000,
                       WS_DLGFRAME = 0x00400000, WS_VSCROLL = 0x00200000, WS_HSCROLL = 0x00100000,
                       WS_SYSMENU = 0x00080000, WS_THICKFRAME = 0x00040000, WS_GROUP = 0x00020000,
                       WS_TABSTOP = 0x00010000, WS_MINIMIZEBOX = 0x00020000,
                       WS_MAXIMIZEBOX = 0x00010000, WS_SIZEBOX = WS_THICKFRAME,
                       WS_OVERLAPPEDWINDOW = 0x00CF0000, WS_POPUPWINDOW = 0x80880000;
inline constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001, WS_EX_NOPARENTNOTIFY = 0x00000004,
                       WS_EX_TOPMOST = 0x00000008, WS_EX_TRANSPARENT = 0x00000020,
                       WS_EX_TOOLWINDOW = 0x00000080, WS_EX_WINDOWEDGE = 0x00000100,
                       WS_EX_CLIENTEDGE = 0x00000200, WS_EX_CONTEXTHELP = 0x00000400,
                       WS_EX_RIGHT = 0x00001000, WS_EX_RTLREADING = 0x00002000,
                       WS_EX_LEFTSCROLLBAR = 0x00004000, WS_EX_CONTROLPARENT = 0x00010000,
                       WS_EX_STATICEDGE = 0x00020000, WS_EX_APPWINDOW = 0x00040000,
                       WS_EX_LAYERED = 0x00080000, WS_EX_NOACTIVATE = 0x08000000;
inline constexpr UINT CS_VREDRAW = 0x0001, CS_HREDRAW = 0x0002, CS_DBLCLKS = 0x0008,
                      CS_OWNDC = 0x0020, CS_CLASSDC = 0x0040, CS_PARENTDC = 0x0080,
                      CS_NOCLOSE = 0x0200, CS_SAVEBITS = 0x0800, CS_GLOBALCLASS = 0x4000,
                      CS_DROPSHADOW = 0x00020000;
inline constexpr int CW_USEDEFAULT = int(0x80000000);

// ---- window longs, relations ----
inline constexpr int GWL_WNDPROC = -4, GWL_HINSTANCE = -6, GWL_HWNDPARENT = -8, GWL_ID = -12,
                     GWL_STYLE = -16, GWL_EXSTYLE = -20, GWL_USERDATA = -21;
inline constexpr UINT GW_HWNDFIRST = 0, GW_HWNDLAST = 1, GW_HWNDNEXT = 2, GW_HWNDPREV = 3,
                      GW_OWNER = 4, GW_CHILD = 5, GW_ENABLEDPOPUP = 6;
inline constexpr UINT GA_PARENT = 1, GA_ROOT = 2, GA_ROOTOWNER = 3;

#define HWND_TOP (reinterpret_cast<HWND>(std::intptr_t(0)))
#define HWND_BOTTOM (reinterpret_cast<HWND>(std::intptr_t(1)))
#define HWND_TOPMOST (reinterpret_cast<HWND>(std::intptr_t(-1)))
#define HWND_NOTOPMOST (reinterpret_cast<HWND>(std::intptr_t(-2)))
#define HWND_DESKTOP (reinterpret_cast<HWND>(std::intptr_t(0)))
#define HWND_BROADCAST (reinterpret_cast<HWND>(std::intptr_t(0xFFFF)))

// ---- messages ----
inline constexpr UINT WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003,
                      WM_SIZE = 0x0005, WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007,
                      WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A, WM_SETREDRAW = 0x000B,
                      WM_SETTEXT = 0x000C, WM_GETTEXT = 0x000D, WM_GETTEXTLENGTH = 0x000E,
                      WM_PAINT = 0x000F, WM_CLOSE = 0x0010, WM_QUIT = 0x0012,
                      WM_ERASEBKGND = 0x0014, WM_SYSCOLORCHANGE = 0x0015, WM_SHOWWINDOW = 0x0018,
                      WM_SETTINGCHANGE = 0x001A, WM_WININICHANGE = 0x001A, WM_ACTIVATEAPP = 0x001C,
                      WM_CANCELMODE = 0x001F, WM_SETCURSOR = 0x0020, WM_MOUSEACTIVATE = 0x0021,
                      WM_GETMINMAXINFO = 0x0024, WM_DRAWITEM = 0x002B, WM_MEASUREITEM = 0x002C,
                      WM_SETFONT = 0x0030, WM_GETFONT = 0x0031, WM_WINDOWPOSCHANGING = 0x0046,
                      WM_WINDOWPOSCHANGED = 0x0047, WM_CONTEXTMENU = 0x007B,
                      WM_STYLECHANGING = 0x007C, WM_STYLECHANGED = 0x007D, WM_NCCREATE = 0x0081,
                      WM_NCDESTROY = 0x0082, WM_NCCALCSIZE = 0x0083, WM_NCHITTEST = 0x0084,
                      WM_NCPAINT = 0x0085, WM_NCACTIVATE = 0x0086, WM_GETDLGCODE = 0x0087,
                      WM_NCMOUSEMOVE = 0x00A0, WM_NCLBUTTONDOWN = 0x00A1, WM_NCLBUTTONUP = 0x00A2,
                      WM_NCLBUTTONDBLCLK = 0x00A3, WM_NCRBUTTONDOWN = 0x00A4,
                      WM_NCRBUTTONUP = 0x00A5, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101,
                      WM_CHAR = 0x0102, WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105,
                      WM_SYSCHAR = 0x0106, WM_COMMAND = 0x0111, WM_SYSCOMMAND = 0x0112,
                      WM_TIMER = 0x0113, WM_HSCROLL = 0x0114, WM_VSCROLL = 0x0115,
                      WM_INITMENU = 0x0116, WM_INITMENUPOPUP = 0x0117, WM_MENUSELECT = 0x011F,
                      WM_MENUCHAR = 0x0120, WM_ENTERIDLE = 0x0121, WM_CTLCOLORBTN = 0x0135,
                      WM_CTLCOLORSCROLLBAR = 0x0137, WM_CTLCOLORSTATIC = 0x0138,
                      WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
                      WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205,
                      WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208,
                      WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A, WM_PARENTNOTIFY = 0x0210,
                      WM_ENTERMENULOOP = 0x0211, WM_EXITMENULOOP = 0x0212,
                      WM_CAPTURECHANGED = 0x0215, WM_ENTERSIZEMOVE = 0x0231,
                      WM_EXITSIZEMOVE = 0x0232, WM_MDIREFRESHMENU = 0x0234, WM_MOUSELEAVE = 0x02A3,
                      WM_USER = 0x0400, WM_APP = 0x8000;

// ---- showing, placing ----
inline constexpr int SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_NORMAL = 1, SW_SHOWMINIMIZED = 2,
                     SW_SHOWMAXIMIZED = 3, SW_MAXIMIZE = 3, SW_SHOWNOACTIVATE = 4, SW_SHOW = 5,
                     SW_MINIMIZE = 6, SW_SHOWMINNOACTIVE = 7, SW_SHOWNA = 8, SW_RESTORE = 9,
                     SW_SHOWDEFAULT = 10;
inline constexpr UINT SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004,
                      SWP_NOREDRAW = 0x0008, SWP_NOACTIVATE = 0x0010, SWP_FRAMECHANGED = 0x0020,
                      SWP_SHOWWINDOW = 0x0040, SWP_HIDEWINDOW = 0x0080, SWP_NOCOPYBITS = 0x0100,
                      SWP_NOOWNERZORDER = 0x0200, SWP_NOSENDCHANGING = 0x0400;
inline constexpr int WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2;
inline constexpr int MA_ACTIVATE = 1, MA_ACTIVATEANDEAT = 2, MA_NOACTIVATE = 3,
                     MA_NOACTIVATEANDEAT = 4;
// WM_SIZE kinds.
inline constexpr WPARAM SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2;

// ---- hit-test codes, system commands ----
inline constexpr LRESULT HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTCLIENT = 1,
                         HTCAPTION = 2, HTSYSMENU = 3, HTGROWBOX = 4, HTMENU = 5, HTHSCROLL = 6,
                         HTVSCROLL = 7, HTMINBUTTON = 8, HTMAXBUTTON = 9, HTLEFT = 10, HTRIGHT = 11,
                         HTTOP = 12, HTTOPLEFT = 13, HTTOPRIGHT = 14, HTBOTTOM = 15,
                         HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17, HTBORDER = 18, HTCLOSE = 20,
                         HTHELP = 21;
inline constexpr WPARAM SC_SIZE = 0xF000, SC_MOVE = 0xF010, SC_MINIMIZE = 0xF020,
                        SC_MAXIMIZE = 0xF030, SC_CLOSE = 0xF060, SC_KEYMENU = 0xF100,
                        SC_RESTORE = 0xF120, SC_CONTEXTHELP = 0xF180;

// ---- input ----
inline constexpr WPARAM MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004,
                        MK_CONTROL = 0x0008, MK_MBUTTON = 0x0010;
inline constexpr int VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_MBUTTON = 0x04, VK_BACK = 0x08,
                     VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
                     VK_MENU = 0x12, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21,
                     VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26,
                     VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_INSERT = 0x2D, VK_DELETE = 0x2E,
                     VK_LWIN = 0x5B, VK_RWIN = 0x5C, VK_APPS = 0x5D, VK_F1 = 0x70, VK_F10 = 0x79,
                     VK_F12 = 0x7B;

// ---- queue ----
inline constexpr UINT PM_NOREMOVE = 0x0000, PM_REMOVE = 0x0001, PM_NOYIELD = 0x0002;
inline constexpr UINT RDW_INVALIDATE = 0x0001, RDW_INTERNALPAINT = 0x0002, RDW_ERASE = 0x0004,
                      RDW_VALIDATE = 0x0008, RDW_NOINTERNALPAINT = 0x0010, RDW_NOERASE = 0x0020,
                      RDW_NOCHILDREN = 0x0040, RDW_ALLCHILDREN = 0x0080, RDW_UPDATENOW = 0x0100,
                      RDW_ERASENOW = 0x0200, RDW_FRAME = 0x0400, RDW_NOFRAME = 0x0800;

// ---- translucency ----
inline constexpr DWORD LWA_COLORKEY = 0x00000001, LWA_ALPHA = 0x00000002;

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};

struct WNDCLASSA {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground; // a brush, or COLOR_xxx + 1
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
};
using WNDCLASS = WNDCLASSA;

struct CREATESTRUCTA {
  void* lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCSTR lpszName;
  LPCSTR lpszClass;
  DWORD dwExStyle;
};
using CREATESTRUCT = CREATESTRUCTA;

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
};

struct WINDOWPOS {
  HWND hwnd;
  HWND hwndInsertAfter;
  int x;
  int y;
  int cx;
  int cy;
  UINT flags;
};

// ---- classes and windows ----
ATOM RegisterClass(const WNDCLASSA* wc);
BOOL UnregisterClass(LPCSTR className, HINSTANCE instance);
BOOL GetClassInfo(HINSTANCE instance, LPCSTR className, WNDCLASSA* wc);
int GetClassName(HWND wnd, LPSTR buffer, int maxCount);

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                    void* param);
BOOL DestroyWindow(HWND wnd);
BOOL IsWindow(HWND wnd);
BOOL IsWindowVisible(HWND wnd);
BOOL IsWindowEnabled(HWND wnd);
BOOL IsIconic(HWND wnd);
BOOL IsZoomed(HWND wnd);
BOOL IsChild(HWND parent, HWND wnd);
// A child's parent, or a top-level window's owner, as on the original.
HWND GetParent(HWND wnd);
HWND SetParent(HWND wnd, HWND newParent);
HWND GetWindow(HWND wnd, UINT cmd);
HWND GetAncestor(HWND wnd, UINT flags);
HWND GetDesktopWindow();
HWND FindWindow(LPCSTR className, LPCSTR windowName);
// Top-level windows from the top of the stacking order down.
BOOL EnumWindows(WNDENUMPROC proc, LPARAM param);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param);

LONG_PTR GetWindowLong(HWND wnd, int index);
LONG_PTR SetWindowLong(HWND wnd, int index, LONG_PTR value);
BOOL SetProp(HWND wnd, LPCSTR name, HANDLE data);
HANDLE GetProp(HWND wnd, LPCSTR name);
HANDLE RemoveProp(HWND wnd, LPCSTR name);
int GetWindowText(HWND wnd, LPSTR buffer, int maxCount);
int GetWindowTextLength(HWND wnd);
BOOL SetWindowText(HWND wnd, LPCSTR text);

// ---- procedures and messages ----
LRESULT DefWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC proc, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// 0 on WM_QUIT, -1 for a bad filter window, else non-zero.
BOOL GetMessage(MSG* msg, HWND wnd, UINT filterMin, UINT filterMax);
BOOL PeekMessage(MSG* msg, HWND wnd, UINT filterMin, UINT filterMax, UINT removeFlags);
BOOL WaitMessage();
// Posts WM_CHAR for a WM_KEYDOWN that types a character.
BOOL TranslateMessage(const MSG* msg);
// Calls the window procedure (or a timer's procedure). The desktop's dialog
// keys are handled here: Enter pressed in a window that does not want it
// (WM_GETDLGCODE without DLGC_WANTALLKEYS) clicks the default push button
// (BS_DEFPUSHBUTTON) of its root window with BM_CLICK; Escape likewise sends
// WM_COMMAND(IDCANCEL) to a root window with a dialog frame
// (WS_EX_DLGMODALFRAME). An exception from the procedure reaches the caller.
LRESULT DispatchMessage(const MSG* msg);
DWORD GetMessageTime();
DWORD GetMessagePos();
// Milliseconds of the desktop's clock (the headless desktop's is virtual).
DWORD GetTickCount();
UINT_PTR SetTimer(HWND wnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND wnd, UINT_PTR id);

// ---- placement ----
BOOL ShowWindow(HWND wnd, int cmd);
BOOL SetWindowPos(HWND wnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND wnd, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND wnd);
BOOL GetWindowRect(HWND wnd, RECT* rect);
BOOL GetClientRect(HWND wnd, RECT* rect);
BOOL ClientToScreen(HWND wnd, POINT* point);
BOOL ScreenToClient(HWND wnd, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
HWND WindowFromPoint(POINT point);
HWND ChildWindowFromPoint(HWND parent, POINT clientPoint);
// The window takes ownership of rgn (window coordinates); null removes the
// region. Returns 0 on failure, when rgn stays the caller's.
int SetWindowRgn(HWND wnd, HRGN rgn, BOOL redraw);
// Copies the window's region into rgn: its complexity, or ERROR (0) when
// the window has none.
int GetWindowRgn(HWND wnd, HRGN rgn);

// ---- activation, focus, capture, cursor ----
BOOL EnableWindow(HWND wnd, BOOL enable);
HWND SetActiveWindow(HWND wnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND wnd);
HWND GetForegroundWindow();
HWND SetFocus(HWND wnd);
HWND GetFocus();
HWND SetCapture(HWND wnd);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
short GetKeyState(int key);
short GetAsyncKeyState(int key);
inline constexpr UINT MAPVK_VK_TO_VSC = 0, MAPVK_VSC_TO_VK = 1;
// Between virtual keys and the scan codes of a PC keyboard (set 1).
UINT MapVirtualKey(UINT code, UINT mapType);
// The key's name by the scan code in bits 16-23 of lParam (bit 24: the
// extended key); 0 when the key has no name.
int GetKeyNameText(LONG lParam, LPSTR buffer, int size);
#define GetKeyNameTextA GetKeyNameText

#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_UPARROW MAKEINTRESOURCE(32516)
#define IDC_SIZENWSE MAKEINTRESOURCE(32642)
#define IDC_SIZENESW MAKEINTRESOURCE(32643)
#define IDC_SIZEWE MAKEINTRESOURCE(32644)
#define IDC_SIZENS MAKEINTRESOURCE(32645)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_NO MAKEINTRESOURCE(32648)
#define IDC_HAND MAKEINTRESOURCE(32649)
#define IDC_APPSTARTING MAKEINTRESOURCE(32650)
#define IDC_HELP MAKEINTRESOURCE(32651)
// The desktop's own cursor shapes only (instance null, IDC_* names).
HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The IDC_* number of a cursor LoadCursor returned, 0 for anything else.
int GetCursorShapeId(HCURSOR cursor);

// ---- painting ----
HDC GetDC(HWND wnd);
HDC GetWindowDC(HWND wnd);
int ReleaseDC(HWND wnd, HDC dc);
HWND WindowFromDC(HDC dc);
HDC BeginPaint(HWND wnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND wnd, const PAINTSTRUCT* ps);
BOOL InvalidateRect(HWND wnd, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND wnd, HRGN rgn, BOOL erase);
BOOL ValidateRect(HWND wnd, const RECT* rect);
BOOL GetUpdateRect(HWND wnd, RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND wnd);
BOOL RedrawWindow(HWND wnd, const RECT* update, HRGN updateRgn, UINT flags);

// ---- translucency ----
BOOL SetLayeredWindowAttributes(HWND wnd, COLORREF key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND wnd, COLORREF* key, BYTE* alpha, DWORD* flags);
using TSetLayeredWindowAttributesProc = BOOL (*)(HWND, COLORREF, BYTE, DWORD);

// ---- 3-D parts ----
inline constexpr UINT BDR_RAISEDOUTER = 0x0001, BDR_SUNKENOUTER = 0x0002, BDR_RAISEDINNER = 0x0004,
                      BDR_SUNKENINNER = 0x0008, EDGE_RAISED = 0x0005, EDGE_SUNKEN = 0x000A,
                      EDGE_ETCHED = 0x0006, EDGE_BUMP = 0x0009;
inline constexpr UINT BF_LEFT = 0x0001, BF_TOP = 0x0002, BF_RIGHT = 0x0004, BF_BOTTOM = 0x0008,
                      BF_RECT = 0x000F, BF_MIDDLE = 0x0800, BF_SOFT = 0x1000, BF_ADJUST = 0x2000,
                      BF_FLAT = 0x4000, BF_MONO = 0x8000;
inline constexpr UINT DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4;
inline constexpr UINT DFCS_CAPTIONCLOSE = 0x0000, DFCS_CAPTIONMIN = 0x0001,
                      DFCS_CAPTIONMAX = 0x0002, DFCS_CAPTIONRESTORE = 0x0003,
                      DFCS_CAPTIONHELP = 0x0004, DFCS_SCROLLUP = 0x0000, DFCS_SCROLLDOWN = 0x0001,
                      DFCS_SCROLLLEFT = 0x0002, DFCS_SCROLLRIGHT = 0x0003, DFCS_BUTTONPUSH = 0x0010,
                      DFCS_INACTIVE = 0x0100, DFCS_PUSHED = 0x0200, DFCS_CHECKED = 0x0400,
                      DFCS_FLAT = 0x4000, DFCS_MONO = 0x8000;
BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);
BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state);
BOOL DrawFocusRect(HDC dc, const RECT* rect);

// Metrics, settings and message boxes; the native scroll bar and button;
// native menus.
#include "platform/WinUserControls.h"
#include "platform/WinUserMenus.h"
#include "platform/WinUserSystem.h"
