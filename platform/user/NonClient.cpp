// Frame thickness and hit testing. The insets decide where the window
// layer puts every client area, and AdjustWindowRectEx answers from the
// same numbers, so a program that sizes a window for a wanted client area
// gets exactly that area. Hit testing asks the window layer where the
// client area really is instead of recomputing it, so a window that moved
// its client area through WM_NCCALCSIZE is still hit correctly.
#include "platform/user/NcLayout.h"
#include "platform/user/NcMetrics.h"
#include "platform/user/WindowManager.h"

TRect NcFrameInsets(DWORD Style, DWORD ExStyle) {
  int F = TNcLayout::FrameWidth(TNcLayout::FrameOf(Style, ExStyle));
  if (ExStyle & WS_EX_CLIENTEDGE) F += kNcClientEdge;
  TRect Insets{F, F, F, F};
  if ((Style & WS_CAPTION) == WS_CAPTION)
    Insets.Top += (ExStyle & WS_EX_TOOLWINDOW) ? kNcSmCaption : kNcCaption;
  return Insets;
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (!rect) return FALSE;
  TRect Insets = NcFrameInsets(style, exStyle);
  rect->Left -= Insets.Left;
  rect->Top -= Insets.Top + (menu ? kNcMenu : 0);
  rect->Right += Insets.Right;
  rect->Bottom += Insets.Bottom;
  return TRUE;
}

LRESULT NcHitTest(HWND Wnd, TPoint ScreenPos) {
  TWindow* W = WmFind(Wnd);
  std::optional<TNcLayout> Layout = TNcLayout::OfWindow(Wnd);
  if (!W || !Layout) return HTNOWHERE;
  TRect Whole = WmWindowRect(*W);
  TPoint P{ScreenPos.X - Whole.Left, ScreenPos.Y - Whole.Top};
  if (W->Region && !W->Region->Contains(P.X, P.Y)) return HTNOWHERE;
  return Layout->HitTest(P, WmClientInWindow(*W));
}
