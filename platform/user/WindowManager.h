// The window layer's process-wide state and the internal operations its
// parts share: the window table, stacking of top-level windows, geometry
// helpers, and the hooks into the frame, control and desktop code.
#pragma once

#include "platform/Backend.h"
#include "platform/HandleTable.h"
#include "platform/user/Window.h"

#include <functional>

THandleTable<TWindow>& WmTable();
TWindow* WmFind(HWND Wnd);
// A window that exists and has not yet received WM_DESTROY.
TWindow* WmFindLive(HWND Wnd);
TWndClass* WmFindClass(LPCSTR Name);

// Top-level windows, topmost first: the top-most band above the others.
const std::vector<HWND>& WmZOrder();
TWindow* WmRoot(TWindow* W);

// Geometry. WindowRect: the whole window in screen coordinates.
// ClientInWindow: the client area relative to the window's top-left.
TRect WmWindowRect(const TWindow& W);
TRect WmClientInWindow(const TWindow& W);
TRect WmClientScreenRect(const TWindow& W);
// Where the window's top-left lies on its root's surface.
TPoint WmSurfaceOffset(const TWindow& W);
// Whether W and all its ancestors are visible (and the root not minimised).
bool WmIsShowing(const TWindow& W);
// The part of W's whole area (Client false) or client area (Client true)
// that its drawing may touch, in those coordinates: clipped by the
// ancestors' client areas, higher siblings and W's own children.
TRegionData WmVisibleRegion(const TWindow& W, bool Client);

// Marks pixels of a top-level surface as changed (window coordinates) for
// the desktop.
void WmSurfaceChanged(TWindow& Root, const TRect& Dirty);
// Invalidates the frame of W so that WM_NCPAINT comes.
void WmInvalidateFrame(TWindow& W);

// Whether the procedure is running inside a message dispatched by the
// queue loop or a send; for the input and paint code.
LRESULT WmCallProc(TWindow& W, WNDPROC Proc, UINT Msg, WPARAM WParam, LPARAM LParam);

// Frame and caption (NonClient.cpp): thickness of the frame on each side
// (Top includes the caption) for a style pair.
TRect NcFrameInsets(DWORD Style, DWORD ExStyle);
// DefWindowProc's handling of the non-client messages.
void NcPaint(HWND Wnd);
LRESULT NcHitTest(HWND Wnd, TPoint ScreenPos);
// WM_NCLBUTTONDOWN and friends; true when handled.
bool NcMouseMessage(HWND Wnd, UINT Msg, WPARAM HitCode, TPoint ScreenPos);
// While the user holds the button on a caption box, pointer input goes
// here first; true when consumed.
bool NcTrackMouse(UINT Msg, TPoint ScreenPos);

// The built-in classes, registered when the layer starts, each through
// WmRegisterSystemClass: arrow cursor, kept when a desktop is replaced.
void WmRegisterSystemClass(LPCSTR Name, WNDPROC Proc, UINT Style, HBRUSH Background = nullptr);
void RegisterScrollBarClass();
void RegisterButtonClass();
void RegisterMessageBoxClass();
void RegisterMenuClass();
// The top window of the menu being tracked, or null: keys go there when no
// window has the focus.
HWND MenuKeyWindow();
