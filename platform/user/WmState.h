// The window layer's private state: the one queue, the timers, activation,
// focus, capture and input bookkeeping. Only the core files include this.
#pragma once

#include "platform/user/WindowManager.h"

#include <deque>
#include <memory>
#include <vector>

struct TTimer {
  HWND Wnd;
  UINT_PTR Id;
  UINT Elapse;
  TIMERPROC Proc;
  std::uint64_t Due;
};

struct TWmState {
  THandleTable<TWindow> Windows;
  std::vector<std::unique_ptr<TWndClass>> Classes;
  std::vector<HWND> ZOrder; // top-level windows, topmost first
  // Windows destroyed while their procedure was still running; freed when
  // the last call returns.
  std::vector<std::unique_ptr<TWindow>> Zombies;

  HWND Active = nullptr;
  HWND Focus = nullptr;
  HWND Capture = nullptr;
  HCURSOR Cursor = nullptr;
  HWND PointerWnd = nullptr; // top-level window under the pointer

  std::deque<MSG> Posted;
  std::deque<MSG> Input; // input messages made from desktop events
  bool QuitPending = false;
  int QuitCode = 0;

  std::vector<TTimer> Timers;
  UINT_PTR NextTimerId = 1;

  MSG Last{};
  BYTE Keys[256] = {}; // 0x80 down
  std::uint32_t KeyChars[256] = {};

  // Double-click detection.
  HWND ClickWnd = nullptr;
  UINT ClickMsg = 0;
  std::uint64_t ClickTime = 0;
  TPoint ClickPos{0, 0};

  bool ClassesReady = false;
};

TWmState& Wm();
std::unique_ptr<TBackend> CreateDefaultBackend();

// Registers the built-in classes once.
void WmEnsureSystemClasses();
// The root window of W (itself for top-level windows).
TWindow* WmRootOf(HWND Wnd);
// Stacking.
void WmRaise(TWindow& W);
void WmRemoveFromStack(TWindow& W);
// Activation with the given WA_* reason; null deactivates.
void WmActivate(HWND Wnd, int How);
// Chooses another window to activate after Wnd hides, minimises or dies.
void WmActivateOther(HWND Wnd);
// Invalidates W's whole client area and all its descendants (and frames).
void WmInvalidateTree(TWindow& W);
// Invalidates the parts of the parent (and lower siblings) under Rect
// (parent client coordinates) after a child moved or hid.
void WmExposeUnder(TWindow& Child, const TRect& Rect);
// Keeps held window DCs drawing into the right place after a change.
void WmUpdateDCs(TWindow& Root);
void WmForgetDCs(TWindow& W);
// Drops a top-level window's surface when it no longer fits the window,
// with the old one's DCs. A window is resized several times while a form
// is built, before anything is drawn; the surface is made at first use.
void WmSizeSurface(TWindow& W);
// The surface of top-level window W, made at its size when missing (at
// least 1 x 1; a size the drawing layer refuses gets 1 x 1).
TGdiBitmap& WmEnsureSurface(TWindow& W);
// Ends a paint that a procedure began but never ended (it threw, or forgot
// EndPaint), so its DC does not outlive the WM_PAINT.
void WmEndLeftoverPaint(HWND Wnd);
// Removes posted messages and timers of a dying window.
void WmPurgeQueue(HWND Wnd);
// Turns the next desktop event into input messages; false when none waits.
bool WmNextInput();
// Clears the per-desktop state when a backend is replaced.
void WmReset();
// Key and button state for GetKeyState: down, and the toggle.
void WmSetKeyState(int Key, bool Down);

bool WmIsDesktop(HWND Wnd);
LRESULT WmDefTextMessage(TWindow& W, UINT Msg, WPARAM WParam, LPARAM LParam);
// Shows or hides W without activating anything.
void WmShow(TWindow& W, bool Visible);
// A move or resize the desktop made (a window manager, a caption drag).
void WmMoveFromDesktop(HWND Wnd, const TRect& ScreenRect);
// The deepest window at a screen point, disabled top-level windows
// included (input needs them to redirect to their enabled popups).
// The window under Pos; top-level windows in SkipRoots (those that
// answered HTTRANSPARENT) let the pointer through to what lies below.
HWND WmHitWindow(TPoint Pos, const std::vector<HWND>& SkipRoots = {});
