// The "BUTTON" class: registration, the window procedure and the push
// button's behaviour; see ButtonControl.h.
#include "platform/user/ButtonControl.h"

#include "platform/user/WindowManager.h"

#include <memory>

namespace {

constexpr const char* kClassName = "BUTTON";
// The low bits of the style name the kind of button.
constexpr DWORD kTypeMask = 0x0F;

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

TPoint PointOf(LPARAM LParam) { return TPoint{GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)}; }

} // namespace

TButtonControl::TButtonControl(HWND Wnd) : FWnd(Wnd), FFont(DefaultFont()) {}

TButtonControl* TButtonControl::Of(HWND Wnd) {
  TWindow* W = WmFind(Wnd);
  return W ? dynamic_cast<TButtonControl*>(W->Control.get()) : nullptr;
}

bool TButtonControl::IsDefault() const {
  return (DWORD(GetWindowLong(FWnd, GWL_STYLE)) & kTypeMask) == BS_DEFPUSHBUTTON;
}

LRESULT TButtonControl::Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NCCREATE) {
    if (TWindow* W = WmFind(Wnd)) W->Control = std::make_unique<TButtonControl>(Wnd);
    return DefWindowProc(Wnd, Msg, WParam, LParam);
  }
  TButtonControl* B = Of(Wnd);
  return B ? B->Message(Msg, WParam, LParam) : DefWindowProc(Wnd, Msg, WParam, LParam);
}

LRESULT TButtonControl::ButtonMessage(UINT Msg, WPARAM WParam, LPARAM LParam, bool& Handled) {
  Handled = true;
  switch (Msg) {
  case BM_CLICK:
    if (IsWindowEnabled(FWnd)) Click();
    return 0;
  case BM_GETSTATE: return (FPushed ? BST_PUSHED : 0) | (FFocused ? BST_FOCUS : 0);
  case BM_SETSTATE: SetPushed(WParam != 0); return 0;
  case BM_SETSTYLE: {
    DWORD Style = DWORD(GetWindowLong(FWnd, GWL_STYLE));
    DWORD Wanted = (Style & ~kTypeMask) | (DWORD(WParam) & kTypeMask);
    if (Wanted != Style) SetWindowLong(FWnd, GWL_STYLE, LONG_PTR(Wanted));
    if (LParam) Invalidate();
    return 0;
  }
  // A push button is never checked.
  case BM_GETCHECK:
  case BM_SETCHECK: return 0;
  default: Handled = false; return 0;
  }
}

LRESULT TButtonControl::Message(UINT Msg, WPARAM WParam, LPARAM LParam) {
  bool Handled = false;
  LRESULT Result = ButtonMessage(Msg, WParam, LParam, Handled);
  if (Handled) return Result;
  switch (Msg) {
  case WM_PAINT: {
    PAINTSTRUCT Ps;
    if (HDC Dc = BeginPaint(FWnd, &Ps)) {
      Paint(Dc);
      EndPaint(FWnd, &Ps);
    }
    return 0;
  }
  case WM_ERASEBKGND: return 1;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: ButtonDown(); return 0;
  case WM_MOUSEMOVE: MouseMove(PointOf(LParam)); return 0;
  case WM_LBUTTONUP: ButtonUp(PointOf(LParam)); return 0;
  case WM_CAPTURECHANGED:
    if (FTracking && reinterpret_cast<HWND>(LParam) != FWnd) Abandon();
    return 0;
  case WM_KEYDOWN:
  case WM_KEYUP:
    if (WParam != VK_SPACE) break;
    SpaceKey(Msg == WM_KEYDOWN);
    return 0;
  case WM_SETFOCUS:
    FFocused = true;
    Invalidate();
    break;
  case WM_KILLFOCUS:
    FFocused = false;
    Abandon();
    Invalidate();
    break;
  case WM_ENABLE:
    if (!WParam) Abandon();
    Invalidate();
    return 0;
  case WM_GETDLGCODE:
    return DLGC_BUTTON | (IsDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
  case WM_SETFONT:
    FFont = WParam ? reinterpret_cast<HFONT>(WParam) : DefaultFont();
    if (LParam) Invalidate();
    return 0;
  case WM_GETFONT: return reinterpret_cast<LRESULT>(FFont);
  case WM_SETTEXT: {
    LRESULT Set = DefWindowProc(FWnd, Msg, WParam, LParam);
    Invalidate();
    return Set;
  }
  case WM_SIZE: Invalidate(); break;
  default: break;
  }
  return DefWindowProc(FWnd, Msg, WParam, LParam);
}

// Space presses the button like the mouse does; the key's auto-repeat
// presses it only once.
void TButtonControl::SpaceKey(bool Down) {
  if (Down) {
    if (!FSpaceDown && IsWindowEnabled(FWnd)) {
      FSpaceDown = true;
      SetPushed(true);
    }
    return;
  }
  if (!FSpaceDown || FTracking) return;
  bool WasPushed = FPushed;
  FSpaceDown = false;
  SetPushed(false);
  if (WasPushed) Click();
}

void TButtonControl::Invalidate() { InvalidateRect(FWnd, nullptr, FALSE); }

void TButtonControl::SetPushed(bool Pushed) {
  if (Pushed == FPushed) return;
  FPushed = Pushed;
  Invalidate();
}

void TButtonControl::ButtonDown() {
  if (FTracking || !IsWindowEnabled(FWnd)) return;
  if (GetFocus() != FWnd) {
    SetFocus(FWnd);
    if (!IsWindow(FWnd)) return;
  }
  FTracking = true;
  SetCapture(FWnd);
  SetPushed(true);
}

void TButtonControl::MouseMove(TPoint P) {
  if (!FTracking) return;
  RECT Client{0, 0, 0, 0};
  GetClientRect(FWnd, &Client);
  SetPushed(PtInRect(&Client, P) != FALSE);
}

void TButtonControl::ButtonUp(TPoint P) {
  if (!FTracking) return;
  RECT Client{0, 0, 0, 0};
  GetClientRect(FWnd, &Client);
  bool Clicked = FPushed && PtInRect(&Client, P);
  // Cleared first: the capture change this causes finds nothing to drop.
  FTracking = false;
  if (GetCapture() == FWnd) ReleaseCapture();
  SetPushed(false);
  if (Clicked) Click();
}

void TButtonControl::Abandon() {
  FSpaceDown = false;
  if (FTracking) {
    FTracking = false;
    if (GetCapture() == FWnd) ReleaseCapture();
  }
  SetPushed(false);
}

void TButtonControl::Click() {
  HWND Parent = GetParent(FWnd);
  if (!Parent) return;
  int Id = int(GetWindowLong(FWnd, GWL_ID));
  SendMessage(Parent, WM_COMMAND, MAKEWPARAM(Id, BN_CLICKED), reinterpret_cast<LPARAM>(FWnd));
}

void RegisterButtonClass() {
  WmRegisterSystemClass(kClassName, TButtonControl::Proc, CS_HREDRAW | CS_VREDRAW | CS_GLOBALCLASS);
}
