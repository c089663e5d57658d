// The default handling of messages: frames and captions, painting and
// erasing, closing, system commands, activation focus, cursors and the
// context-menu message (after a right-button release, or for the
// context-menu key and Shift+F10 with the point (-1, -1)). Messages a child
// window does not handle about the pointer or context menu go to its
// parent, as the desktop does.
#include "platform/user/WmState.h"

namespace {

HBRUSH ClassBrush(const TWindow& W) {
  HBRUSH B = W.Class->Background;
  std::uintptr_t V = reinterpret_cast<std::uintptr_t>(B);
  if (V > 0 && V <= std::uintptr_t(COLOR_MAX) + 1) return GetSysColorBrush(int(V) - 1);
  return B;
}

LRESULT EraseBackground(TWindow& W, HDC DC) {
  HBRUSH B = ClassBrush(W);
  if (!B || !DC) return 0;
  RECT R;
  GetClientRect(W.Handle, &R);
  FillRect(DC, &R, B);
  return 1;
}

LRESULT SysCommand(HWND H, WPARAM Cmd) {
  switch (Cmd & 0xFFF0) {
  case SC_CLOSE: SendMessage(H, WM_CLOSE, 0, 0); break;
  case SC_MINIMIZE: ShowWindow(H, SW_MINIMIZE); break;
  case SC_MAXIMIZE: ShowWindow(H, SW_MAXIMIZE); break;
  case SC_RESTORE: ShowWindow(H, SW_RESTORE); break;
  default: break;
  }
  return 0;
}

void PosChanged(TWindow& W, const WINDOWPOS* P) {
  if (!P) return;
  HWND H = W.Handle;
  if (!(P->flags & SWP_NOMOVE)) {
    POINT O{0, 0};
    ClientToScreen(H, &O);
    if (W.IsChild()) ScreenToClient(W.Parent, &O);
    SendMessage(H, WM_MOVE, 0, MAKELPARAM(O.X, O.Y));
  }
  if (!(P->flags & SWP_NOSIZE) && WmFindLive(H)) {
    TRect C = WmClientInWindow(W);
    WPARAM Kind = (W.Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
    SendMessage(H, WM_SIZE, Kind, MAKELPARAM(C.Width(), C.Height()));
  }
}

LPCSTR CursorForHit(LRESULT Hit) {
  switch (Hit) {
  case HTLEFT:
  case HTRIGHT: return IDC_SIZEWE;
  case HTTOP:
  case HTBOTTOM: return IDC_SIZENS;
  case HTTOPLEFT:
  case HTBOTTOMRIGHT: return IDC_SIZENWSE;
  case HTTOPRIGHT:
  case HTBOTTOMLEFT: return IDC_SIZENESW;
  default: return IDC_ARROW;
  }
}

LRESULT SetCursorMessage(TWindow& W, WPARAM Over, LPARAM L) {
  HWND H = W.Handle;
  if (W.IsChild() && SendMessage(W.Parent, WM_SETCURSOR, Over, L)) return TRUE;
  if (reinterpret_cast<HWND>(Over) != H) return FALSE;
  LRESULT Hit = short(LOWORD(L));
  if (Hit == HTERROR) return FALSE;
  if (Hit == HTCLIENT && W.Class->Cursor)
    SetCursor(W.Class->Cursor);
  else
    SetCursor(LoadCursor(nullptr, CursorForHit(Hit)));
  return TRUE;
}

const LPARAM kKeyboardPoint = MAKELPARAM(-1, -1);

LRESULT KeyMessage(TWindow& W, UINT Msg, WPARAM Key) {
  HWND H = W.Handle;
  if (Msg == WM_KEYUP && Key == VK_APPS) SendMessage(H, WM_CONTEXTMENU, WPARAM(H), kKeyboardPoint);
  if (Msg == WM_SYSKEYDOWN && Key == VK_F10 && GetKeyState(VK_SHIFT) < 0)
    SendMessage(H, WM_CONTEXTMENU, WPARAM(H), kKeyboardPoint);
  if (Msg == WM_SYSKEYDOWN && Key == VK_F1 + 3 && GetKeyState(VK_MENU) < 0)
    if (TWindow* Root = WmRoot(&W)) SendMessage(Root->Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
  return 0;
}

LRESULT NonClient(TWindow& W, UINT Msg, WPARAM WParam, LPARAM LParam) {
  HWND H = W.Handle;
  TPoint P{GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)};
  switch (Msg) {
  case WM_NCPAINT: NcPaint(H); return 0;
  case WM_NCACTIVATE:
    if (WmIsShowing(W)) NcPaint(H);
    return TRUE;
  case WM_NCHITTEST: return NcHitTest(H, P);
  default: NcMouseMessage(H, Msg, WParam, P); return 0;
  }
}

} // namespace

LRESULT DefWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindow* W = WmFind(wnd);
  if (!W) return 0;
  switch (msg) {
  case WM_NCCREATE: return TRUE;
  case WM_SETTEXT:
  case WM_GETTEXT:
  case WM_GETTEXTLENGTH: return WmDefTextMessage(*W, msg, wParam, lParam);
  case WM_NCPAINT:
  case WM_NCACTIVATE:
  case WM_NCHITTEST:
  case WM_NCMOUSEMOVE:
  case WM_NCLBUTTONDOWN:
  case WM_NCLBUTTONUP:
  case WM_NCLBUTTONDBLCLK:
  case WM_NCRBUTTONDOWN:
  case WM_NCRBUTTONUP: return NonClient(*W, msg, wParam, lParam);
  case WM_PAINT: {
    PAINTSTRUCT Ps;
    if (BeginPaint(wnd, &Ps)) EndPaint(wnd, &Ps);
    return 0;
  }
  case WM_ERASEBKGND: return EraseBackground(*W, reinterpret_cast<HDC>(wParam));
  case WM_CLOSE: DestroyWindow(wnd); return 0;
  case WM_SYSCOMMAND: return SysCommand(wnd, wParam);
  case WM_WINDOWPOSCHANGED: PosChanged(*W, reinterpret_cast<const WINDOWPOS*>(lParam)); return 0;
  case WM_ACTIVATE:
    if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
      HWND F = GetFocus();
      if (!F || (F != wnd && !IsChild(wnd, F))) SetFocus(wnd);
    }
    return 0;
  case WM_MOUSEACTIVATE:
    if (W->IsChild())
      if (LRESULT R = SendMessage(W->Parent, WM_MOUSEACTIVATE, wParam, lParam)) return R;
    return MA_ACTIVATE;
  case WM_SETCURSOR: return SetCursorMessage(*W, wParam, lParam);
  case WM_RBUTTONUP: {
    POINT P{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(wnd, &P);
    SendMessage(wnd, WM_CONTEXTMENU, WPARAM(wnd), MAKELPARAM(P.X, P.Y));
    return 0;
  }
  case WM_CONTEXTMENU:
  case WM_MOUSEWHEEL:
    if (W->IsChild()) return SendMessage(W->Parent, msg, wParam, lParam);
    return 0;
  case WM_KEYUP:
  case WM_SYSKEYDOWN: return KeyMessage(*W, msg, wParam);
  case WM_CANCELMODE:
    if (GetCapture() == wnd) ReleaseCapture();
    return 0;
  default: return 0;
  }
}
