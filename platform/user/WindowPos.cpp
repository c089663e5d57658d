// Placement: SetWindowPos and its wrappers, stacking within the top-most
// and normal bands, and the rectangle queries. Top-level windows carry
// their pixels in their own surface, so moving one needs no repaint, only
// a recomposition by the desktop; resizing repaints it.
#include "platform/gdi/Gdi.h"
#include "platform/user/WmState.h"

#include <algorithm>

namespace {

void Restack(TWindow& W, HWND After) {
  if (W.IsChild()) {
    TWindow* P = WmFind(W.Parent);
    if (!P) return;
    auto& C = P->Children;
    C.erase(std::remove(C.begin(), C.end(), W.Handle), C.end());
    auto It = C.begin();
    if (After == HWND_BOTTOM)
      It = C.end();
    else if (TWindow* A = WmFind(After); A && A->Parent == P->Handle)
      It = std::find(C.begin(), C.end(), After) + 1;
    C.insert(It, W.Handle);
    WmInvalidateTree(*P);
    return;
  }
  auto& Z = Wm().ZOrder;
  if (After == HWND_TOPMOST)
    W.ExStyle |= WS_EX_TOPMOST;
  else if (After == HWND_NOTOPMOST || After == HWND_BOTTOM)
    W.ExStyle &= ~WS_EX_TOPMOST;
  if (After == HWND_BOTTOM) {
    WmRemoveFromStack(W);
    Z.push_back(W.Handle);
  } else if (TWindow* A = WmFind(After); A && !A->IsChild() && A != &W) {
    WmRemoveFromStack(W);
    Z.insert(std::find(Z.begin(), Z.end(), After) + 1, W.Handle);
    // A window never leaves its band by being placed under another.
    std::stable_partition(Z.begin(), Z.end(), [](HWND H) {
      TWindow* O = WmFind(H);
      return O && (O->ExStyle & WS_EX_TOPMOST);
    });
  } else {
    WmRaise(W);
  }
  Backend().WindowRestacked(W.Handle);
}

} // namespace

namespace {

bool SurfaceFits(const TWindow& W) {
  int Width = std::max(1, int(W.Rect.Width())), Height = std::max(1, int(W.Rect.Height()));
  if (!W.Surface) return false;
  if (W.Surface->Width() == Width && W.Surface->Height() == Height) return true;
  // A size the drawing layer refused is kept at 1 x 1 until it changes.
  return W.Surface->Width() == 1 && W.Surface->Height() == 1 && W.SurfaceRefused == W.Rect;
}

} // namespace

void WmSizeSurface(TWindow& W) {
  if (!W.Surface || SurfaceFits(W)) return;
  GdiDetachSurface(W.Surface.get());
  W.Surface.reset();
}

TGdiBitmap& WmEnsureSurface(TWindow& W) {
  if (SurfaceFits(W)) return *W.Surface;
  GdiDetachSurface(W.Surface.get());
  int Width = std::max(1, int(W.Rect.Width())), Height = std::max(1, int(W.Rect.Height()));
  W.Surface = std::make_unique<TGdiBitmap>(Width, Height, 32);
  if (!W.Surface->Valid()) {
    W.Surface = std::make_unique<TGdiBitmap>(1, 1, 32);
    W.SurfaceRefused = W.Rect;
  }
  return *W.Surface;
}

namespace {

// Applies a new rectangle (parent client or screen coordinates).
void ApplyRect(TWindow& W, const TRect& New, bool Notify) {
  TRect Old = W.Rect;
  if (Old == New) return;
  bool Sized = Old.Width() != New.Width() || Old.Height() != New.Height();
  bool Showing = WmIsShowing(W);
  W.Rect = New;
  if (W.IsChild()) {
    if (Showing) WmExposeUnder(W, Old);
    WmInvalidateTree(W);
  } else {
    if (Sized) {
      WmSizeSurface(W);
      WmInvalidateTree(W);
    }
    if (Notify) Backend().WindowMoved(W.Handle, Old, New);
  }
  if (TWindow* Root = WmRoot(&W)) WmUpdateDCs(*Root);
}

void SendPosChanged(TWindow& W, HWND After, UINT Flags, const TRect& Old) {
  TRect N = W.Rect;
  if (N.Left == Old.Left && N.Top == Old.Top) Flags |= SWP_NOMOVE;
  if (N.Width() == Old.Width() && N.Height() == Old.Height()) Flags |= SWP_NOSIZE;
  WINDOWPOS Wp{W.Handle, After, int(N.Left), int(N.Top), int(N.Width()), int(N.Height()), Flags};
  SendMessage(W.Handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&Wp));
}

} // namespace

BOOL SetWindowPos(HWND wnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  TWindow* W = WmFindLive(wnd);
  if (!W) return FALSE;
  WINDOWPOS Wp{wnd, insertAfter, x, y, cx, cy, flags};
  if (!(flags & SWP_NOSENDCHANGING)) {
    SendMessage(wnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&Wp));
    if (!(W = WmFindLive(wnd))) return FALSE;
  }
  TRect Old = W->Rect;
  TRect New = Old;
  if (!(Wp.flags & SWP_NOMOVE)) OffsetRect(&New, Wp.x - Old.Left, Wp.y - Old.Top);
  if (!(Wp.flags & SWP_NOSIZE)) {
    New.Right = New.Left + std::clamp(Wp.cx, 0, 32767);
    New.Bottom = New.Top + std::clamp(Wp.cy, 0, 32767);
  }
  ApplyRect(*W, New, true);
  if (!(Wp.flags & SWP_NOZORDER)) Restack(*W, Wp.hwndInsertAfter);
  if (Wp.flags & SWP_FRAMECHANGED) WmInvalidateTree(*W);
  if (Wp.flags & SWP_SHOWWINDOW) WmShow(*W, true);
  if (Wp.flags & SWP_HIDEWINDOW) WmShow(*W, false);
  if (!(W = WmFindLive(wnd))) return TRUE;
  if (!(Wp.flags & SWP_NOACTIVATE) && !W->IsChild() && W->IsVisibleFlag() &&
      !(W->ExStyle & WS_EX_NOACTIVATE) && !(W->Style & WS_DISABLED))
    WmActivate(wnd, WA_ACTIVE);
  if (!(W = WmFindLive(wnd))) return TRUE;
  SendPosChanged(*W, Wp.hwndInsertAfter, Wp.flags, Old);
  return TRUE;
}

void WmMoveFromDesktop(HWND Wnd, const TRect& ScreenRect) {
  TWindow* W = WmFindLive(Wnd);
  if (!W || W->IsChild()) return;
  TRect Old = W->Rect;
  ApplyRect(*W, ScreenRect, false);
  SendPosChanged(*W, nullptr, SWP_NOZORDER | SWP_NOACTIVATE, Old);
}

BOOL MoveWindow(HWND wnd, int x, int y, int width, int height, BOOL repaint) {
  UINT Flags = SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW);
  return SetWindowPos(wnd, nullptr, x, y, width, height, Flags);
}

BOOL BringWindowToTop(HWND wnd) {
  return SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL GetWindowRect(HWND wnd, RECT* rect) {
  if (!rect) return FALSE;
  if (WmIsDesktop(wnd)) {
    *rect = Backend().ScreenRect();
    return TRUE;
  }
  TWindow* W = WmFind(wnd);
  if (!W) return FALSE;
  *rect = WmWindowRect(*W);
  return TRUE;
}

BOOL GetClientRect(HWND wnd, RECT* rect) {
  if (!rect) return FALSE;
  if (WmIsDesktop(wnd)) {
    TRect S = Backend().ScreenRect();
    *rect = TRect{0, 0, S.Width(), S.Height()};
    return TRUE;
  }
  TWindow* W = WmFind(wnd);
  if (!W) return FALSE;
  TRect C = WmClientInWindow(*W);
  *rect = TRect{0, 0, C.Width(), C.Height()};
  return TRUE;
}

namespace {

bool ClientOrigin(HWND Wnd, TPoint& Out) {
  if (!Wnd || WmIsDesktop(Wnd)) {
    Out = TPoint{0, 0};
    return true;
  }
  TWindow* W = WmFind(Wnd);
  if (!W) return false;
  TRect C = WmClientScreenRect(*W);
  Out = TPoint{C.Left, C.Top};
  return true;
}

} // namespace

BOOL ClientToScreen(HWND wnd, POINT* point) {
  TPoint O;
  if (!point || !wnd || !ClientOrigin(wnd, O)) return FALSE;
  point->X += O.X;
  point->Y += O.Y;
  return TRUE;
}

BOOL ScreenToClient(HWND wnd, POINT* point) {
  TPoint O;
  if (!point || !wnd || !ClientOrigin(wnd, O)) return FALSE;
  point->X -= O.X;
  point->Y -= O.Y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  TPoint A, B;
  if (!ClientOrigin(from, A) || !ClientOrigin(to, B)) return 0;
  int Dx = A.X - B.X, Dy = A.Y - B.Y;
  for (UINT i = 0; points && i < count; ++i) {
    points[i].X += Dx;
    points[i].Y += Dy;
  }
  return int(DWORD(WORD(Dx)) | (DWORD(WORD(Dy)) << 16));
}
