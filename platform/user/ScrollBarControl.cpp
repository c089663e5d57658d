// The "SCROLLBAR" class: registration and the window procedure, which
// hands each message to the part of TScrollBarControl that deals with it.
#include "platform/user/ScrollBarControl.h"

#include "platform/user/WindowManager.h"

#include <memory>

namespace {

constexpr const char* kClassName = "SCROLLBAR";

// The SBM_* messages; false in Handled for anything else.
LRESULT ScrollBarMessage(TScrollBarControl& S, UINT Msg, WPARAM WParam, LPARAM LParam,
                         bool& Handled) {
  Handled = true;
  switch (Msg) {
  case SBM_SETPOS: return S.SetPos(int(WParam), LParam != 0);
  case SBM_GETPOS: return S.Pos();
  case SBM_SETRANGE:
  case SBM_SETRANGEREDRAW: {
    int Old = S.Pos();
    return S.SetRange(int(WParam), int(LParam), Msg == SBM_SETRANGEREDRAW) ? Old : 0;
  }
  case SBM_GETRANGE: {
    int Min = 0, Max = 0;
    S.GetRange(Min, Max);
    if (int* P = reinterpret_cast<int*>(WParam)) *P = Min;
    if (int* P = reinterpret_cast<int*>(LParam)) *P = Max;
    return 0;
  }
  case SBM_ENABLE_ARROWS: return S.EnableArrows(UINT(WParam)) ? TRUE : FALSE;
  case SBM_SETSCROLLINFO: {
    auto* Info = reinterpret_cast<const SCROLLINFO*>(LParam);
    return Info ? SetScrollInfo(S.Window(), SB_CTL, Info, WParam != 0) : 0;
  }
  case SBM_GETSCROLLINFO:
    return GetScrollInfo(S.Window(), SB_CTL, reinterpret_cast<SCROLLINFO*>(LParam));
  default: Handled = false; return 0;
  }
}

TPoint PointOf(LPARAM LParam) { return TPoint{GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)}; }

} // namespace

LRESULT TScrollBarControl::Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NCCREATE) {
    if (TWindow* W = WmFind(Wnd)) W->Control = std::make_unique<TScrollBarControl>(Wnd);
    return DefWindowProc(Wnd, Msg, WParam, LParam);
  }
  TScrollBarControl* S = Of(Wnd);
  if (!S) return DefWindowProc(Wnd, Msg, WParam, LParam);
  bool Handled = false;
  LRESULT Result = ScrollBarMessage(*S, Msg, WParam, LParam, Handled);
  if (Handled) return Result;
  switch (Msg) {
  case WM_PAINT: {
    PAINTSTRUCT Ps;
    if (HDC Dc = BeginPaint(Wnd, &Ps)) {
      S->Paint(Dc);
      EndPaint(Wnd, &Ps);
    }
    return 0;
  }
  case WM_ERASEBKGND: return 1;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: S->ButtonDown(PointOf(LParam)); return 0;
  case WM_MOUSEMOVE: S->MouseMove(PointOf(LParam)); return 0;
  case WM_LBUTTONUP: S->ButtonUp(); return 0;
  case WM_TIMER:
    if (WParam != kRepeatTimer) break;
    S->Timer();
    return 0;
  case WM_KEYDOWN: S->KeyDown(UINT(WParam)); return 0;
  case WM_KEYUP: S->KeyUp(UINT(WParam)); return 0;
  case WM_KILLFOCUS: S->FocusLost(); return 0;
  case WM_GETDLGCODE: return DLGC_WANTARROWS;
  case WM_CAPTURECHANGED:
    if (S->Tracking() && reinterpret_cast<HWND>(LParam) != Wnd) S->Cancel();
    return 0;
  case WM_CANCELMODE:
    if (S->Tracking()) S->Cancel();
    return 0;
  case WM_ENABLE:
    if (!WParam && S->Tracking()) S->Cancel();
    InvalidateRect(Wnd, nullptr, FALSE);
    return 0;
  case WM_SIZE: InvalidateRect(Wnd, nullptr, FALSE); break;
  case WM_DESTROY: KillTimer(Wnd, kRepeatTimer); break;
  default: break;
  }
  return DefWindowProc(Wnd, Msg, WParam, LParam);
}

void RegisterScrollBarClass() {
  WmRegisterSystemClass(kClassName, TScrollBarControl::Proc,
                        CS_HREDRAW | CS_VREDRAW | CS_GLOBALCLASS);
}
