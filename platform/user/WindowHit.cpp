// Finding the window under a point, and window regions. A window's region
// (window coordinates) limits both what the desktop shows of it and where
// it receives the pointer; colour-keyed pixels of a layered window let the
// pointer through as well.
#include "platform/gdi/Gdi.h"
#include "platform/user/WmState.h"

#include <algorithm>

namespace {

bool InShape(const TWindow& W, TPoint WindowPt) {
  if (WindowPt.X < 0 || WindowPt.Y < 0 || WindowPt.X >= W.Rect.Width() ||
      WindowPt.Y >= W.Rect.Height())
    return false;
  if (W.Region && !W.Region->Contains(WindowPt.X, WindowPt.Y)) return false;
  if (!W.IsChild() && (W.ExStyle & WS_EX_LAYERED) && (W.LayeredFlags & LWA_COLORKEY)) {
    // A surface not made yet has never been drawn: its pixels are zero.
    TRgb32 P = 0;
    if (W.Surface && WindowPt.X < W.Surface->Width() && WindowPt.Y < W.Surface->Height())
      P = W.Surface->ReadPixel(WindowPt.X, WindowPt.Y);
    COLORREF C = RGB(BYTE(P >> 16), BYTE(P >> 8), BYTE(P));
    if (C == (W.ColorKey & 0xFFFFFF)) return false;
  }
  return true;
}

// The deepest visible, enabled child of W under a screen point, or W.
HWND DeepestChild(TWindow& W, TPoint Pos) {
  TRect C = WmClientScreenRect(W);
  if (!PtInRect(&C, Pos)) return W.Handle;
  for (HWND K : W.Children) {
    TWindow* KW = WmFind(K);
    if (!KW || !KW->IsVisibleFlag() || KW->Destroying || (KW->Style & WS_DISABLED)) continue;
    TRect R = WmWindowRect(*KW);
    if (InShape(*KW, TPoint{Pos.X - R.Left, Pos.Y - R.Top})) return DeepestChild(*KW, Pos);
  }
  return W.Handle;
}

} // namespace

HWND WmHitWindow(TPoint Pos, const std::vector<HWND>& SkipRoots) {
  for (HWND H : Wm().ZOrder) {
    TWindow* W = WmFindLive(H);
    if (!W || !WmIsShowing(*W) || (W->ExStyle & WS_EX_TRANSPARENT)) continue;
    if (std::find(SkipRoots.begin(), SkipRoots.end(), H) != SkipRoots.end()) continue;
    if (!InShape(*W, TPoint{Pos.X - W->Rect.Left, Pos.Y - W->Rect.Top})) continue;
    if (W->Style & WS_DISABLED) return H;
    return DeepestChild(*W, Pos);
  }
  return nullptr;
}

HWND WindowFromPoint(POINT point) { return WmHitWindow(point); }

HWND ChildWindowFromPoint(HWND parent, POINT clientPoint) {
  TWindow* P = WmFindLive(parent);
  if (!P) return nullptr;
  TRect C = WmClientInWindow(*P);
  if (clientPoint.X < 0 || clientPoint.Y < 0 || clientPoint.X >= C.Width() ||
      clientPoint.Y >= C.Height())
    return nullptr;
  for (HWND K : P->Children) {
    TWindow* KW = WmFind(K);
    if (KW && PtInRect(&KW->Rect, clientPoint)) return K;
  }
  return parent;
}

int SetWindowRgn(HWND wnd, HRGN rgn, BOOL redraw) {
  TWindow* W = WmFindLive(wnd);
  if (!W) return 0;
  std::unique_ptr<TRegionData> New;
  if (rgn) {
    auto* R = GdiFind<TGdiRegion>(rgn, OBJ_REGION);
    if (!R) return 0;
    New = std::make_unique<TRegionData>(R->Data);
    DeleteObject(rgn);
  }
  bool Showing = WmIsShowing(*W);
  W->Region = std::move(New);
  if (W->IsChild()) {
    if (Showing && redraw) {
      WmExposeUnder(*W, W->Rect);
      WmInvalidateTree(*W);
    }
  } else {
    Backend().WindowChanged(wnd);
  }
  return 1;
}

int GetWindowRgn(HWND wnd, HRGN rgn) {
  TWindow* W = WmFind(wnd);
  auto* R = GdiFind<TGdiRegion>(rgn, OBJ_REGION);
  if (!W || !R || !W->Region) return ERROR;
  R->Data = *W->Region;
  return R->Data.Complexity();
}
