// Desktop events become input messages here, one event at a time when the
// queue reaches it: pointer events are hit-tested (capture first, then the
// windows under the point through their regions), activate on a click,
// set the cursor, and become client or non-client mouse messages; keys go
// to the focus window. A click on a window disabled by a modal window
// activates that modal window instead.
#include "platform/user/WmState.h"

#include <cstdlib>

namespace {

constexpr std::uint64_t kDoubleClickMs = 500;

WPARAM MouseKeys() {
  WPARAM K = 0;
  if (GetKeyState(VK_LBUTTON) < 0) K |= MK_LBUTTON;
  if (GetKeyState(VK_RBUTTON) < 0) K |= MK_RBUTTON;
  if (GetKeyState(VK_MBUTTON) < 0) K |= MK_MBUTTON;
  if (GetKeyState(VK_SHIFT) < 0) K |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) K |= MK_CONTROL;
  return K;
}

// While an event is taken, the desktop's clock tells when it happened.
void Queue(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, TPoint Pos) {
  Wm().Input.push_back(MSG{Wnd, Msg, WParam, LParam, GetTickCount(), Pos});
}

bool IsButtonDown(UINT Msg) {
  return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN;
}

// Double clicks in the client area need the class style; on the frame
// they always count (a caption double click maximises).
UINT DoubleClick(HWND Target, UINT Msg, TPoint Pos, bool Client) {
  TWmState& S = Wm();
  TWindow* W = WmFind(Target);
  std::uint64_t Now = Backend().Now();
  bool Double = W && (!Client || (W->Class->Style & CS_DBLCLKS)) && S.ClickWnd == Target &&
                S.ClickMsg == Msg && Now - S.ClickTime <= kDoubleClickMs &&
                std::abs(Pos.X - S.ClickPos.X) <= 2 && std::abs(Pos.Y - S.ClickPos.Y) <= 2;
  if (Double) {
    S.ClickWnd = nullptr;
    return Msg + 2;
  }
  S.ClickWnd = Target;
  S.ClickMsg = Msg;
  S.ClickTime = Now;
  S.ClickPos = Pos;
  return Msg;
}

// Click activation; false when the click is eaten.
bool ClickActivate(TWindow& Target, TWindow& Root, LRESULT Hit, UINT Msg) {
  if (Root.Handle == Wm().Active || (Root.ExStyle & WS_EX_NOACTIVATE)) return true;
  LRESULT R = SendMessage(Target.Handle, WM_MOUSEACTIVATE, WPARAM(Root.Handle),
                          MAKELPARAM(int(Hit), int(Msg)));
  if (!WmFindLive(Root.Handle)) return false;
  if (R == MA_ACTIVATE || R == MA_ACTIVATEANDEAT) {
    WmRaise(Root);
    Backend().WindowRestacked(Root.Handle);
    WmActivate(Root.Handle, WA_CLICKACTIVE);
  }
  return R != MA_ACTIVATEANDEAT && R != MA_NOACTIVATEANDEAT;
}

void Pointer(const TDesktopEvent& E, UINT Msg) {
  TWmState& S = Wm();
  TPoint P = E.Pos;
  if (NcTrackMouse(Msg, P)) return;
  HWND Target = WmFindLive(S.Capture) ? S.Capture : nullptr;
  LRESULT Hit = HTCLIENT;
  std::vector<HWND> PassedThrough;
  while (!Target) {
    Target = WmHitWindow(P, PassedThrough);
    TWindow* T = WmFindLive(Target);
    if (!T) {
      if (IsButtonDown(Msg)) WmActivate(nullptr, WA_INACTIVE);
      SetCursor(LoadCursor(nullptr, IDC_ARROW));
      return;
    }
    TWindow* Root = WmRoot(T);
    S.PointerWnd = Root->Handle;
    if (Root->Style & WS_DISABLED) {
      if (IsButtonDown(Msg))
        if (HWND Popup = GetWindow(Root->Handle, GW_ENABLEDPOPUP)) SetActiveWindow(Popup);
      SetCursor(LoadCursor(nullptr, IDC_ARROW));
      return;
    }
    Hit = SendMessage(Target, WM_NCHITTEST, 0, MAKELPARAM(P.X, P.Y));
    if (!(T = WmFindLive(Target))) return;
    if (Hit == HTTRANSPARENT) {
      PassedThrough.push_back(WmRoot(T)->Handle);
      Target = nullptr;
      continue;
    }
    SendMessage(Target, WM_SETCURSOR, WPARAM(Target), MAKELPARAM(int(Hit), int(Msg)));
    if (!(T = WmFindLive(Target))) return;
    if (IsButtonDown(Msg) && !ClickActivate(*T, *WmRoot(T), Hit, Msg)) return;
    if (!WmFindLive(Target)) return;
    break;
  }
  bool Client = Hit == HTCLIENT;
  if (IsButtonDown(Msg)) Msg = DoubleClick(Target, Msg, P, Client);
  if (Client) {
    TPoint C = P;
    ScreenToClient(Target, &C);
    Queue(Target, Msg, MouseKeys(), MAKELPARAM(C.X, C.Y), P);
  } else {
    Queue(Target, Msg - (WM_MOUSEMOVE - WM_NCMOUSEMOVE), WPARAM(Hit), MAKELPARAM(P.X, P.Y), P);
  }
}

void Button(const TDesktopEvent& E, bool Down) {
  static const int Keys[3] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
  static const UINT DownMsgs[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  int B = E.Button >= 0 && E.Button < 3 ? E.Button : 0;
  WmSetKeyState(Keys[B], Down);
  Pointer(E, Down ? DownMsgs[B] : DownMsgs[B] + 1);
}

void Key(const TDesktopEvent& E, bool Down) {
  TWmState& S = Wm();
  int Vk = int(E.Key & 0xFF);
  bool Repeat = Down && GetKeyState(Vk) < 0;
  WmSetKeyState(Vk, Down);
  if (Down) S.KeyChars[Vk] = E.Char;
  HWND Target = GetFocus();
  if (!Target) Target = GetActiveWindow();
  if (!Target) Target = MenuKeyWindow();
  if (!Target) return;
  bool Sys = GetKeyState(VK_MENU) < 0 || Vk == VK_F10 || Vk == VK_MENU;
  UINT Msg = Down ? (Sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (Sys ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM L = 1 | (Repeat ? (1 << 30) : 0) | (Down ? 0 : LPARAM(0xC0000000u));
  Queue(Target, Msg, WPARAM(Vk), L, Backend().CursorPos());
}

void Wheel(const TDesktopEvent& E) {
  HWND Target = GetFocus();
  if (!Target) Target = WmHitWindow(E.Pos);
  if (!Target) return;
  WPARAM W = MAKEWPARAM(int(MouseKeys()), E.Delta);
  Queue(Target, WM_MOUSEWHEEL, W, MAKELPARAM(E.Pos.X, E.Pos.Y), E.Pos);
}

void WindowEvent(const TDesktopEvent& E) {
  TWindow* W = WmFindLive(E.Wnd);
  if (!W) return;
  switch (E.Kind) {
  case TDesktopEvent::Configured: WmMoveFromDesktop(E.Wnd, E.Rect); break;
  case TDesktopEvent::CloseRequested: Queue(E.Wnd, WM_SYSCOMMAND, SC_CLOSE, 0, E.Pos); break;
  case TDesktopEvent::Minimized:
    if (!(W->Style & WS_MINIMIZE)) ShowWindow(E.Wnd, SW_SHOWMINNOACTIVE);
    break;
  case TDesktopEvent::Restored: ShowWindow(E.Wnd, SW_RESTORE); break;
  case TDesktopEvent::Activated: WmActivate(E.Wnd, WA_ACTIVE); break;
  case TDesktopEvent::Deactivated:
    if (Wm().Active == E.Wnd) WmActivate(nullptr, WA_INACTIVE);
    break;
  case TDesktopEvent::Exposed:
    if (TWindow* Root = WmRoot(W)) WmSurfaceChanged(*Root, E.Rect);
    break;
  default: break;
  }
}

} // namespace

bool WmNextInput() {
  TDesktopEvent E{};
  if (!Backend().PollEvent(E)) return false;
  switch (E.Kind) {
  case TDesktopEvent::MouseMove: Pointer(E, WM_MOUSEMOVE); break;
  case TDesktopEvent::ButtonDown: Button(E, true); break;
  case TDesktopEvent::ButtonUp: Button(E, false); break;
  case TDesktopEvent::Wheel: Wheel(E); break;
  case TDesktopEvent::KeyDown: Key(E, true); break;
  case TDesktopEvent::KeyUp: Key(E, false); break;
  default: WindowEvent(E); break;
  }
  return true;
}
