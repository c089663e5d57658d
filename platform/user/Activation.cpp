// Activation, focus, capture and enabling. The program is the only one on
// its desktop, so WM_ACTIVATEAPP marks the moves between "one of our
// windows is active" and "none is". The active window is always a root
// window; the focus is the active window or one of its descendants.
#include "platform/user/WmState.h"

namespace {

void SendActivateApp(BOOL Active, HWND Skip) {
  std::vector<HWND> Tops = Wm().ZOrder;
  for (HWND H : Tops)
    if (H != Skip && WmFindLive(H)) SendMessage(H, WM_ACTIVATEAPP, Active, 0);
}

bool Activatable(const TWindow& W) {
  return !W.IsChild() && W.IsVisibleFlag() && !(W.Style & (WS_DISABLED | WS_MINIMIZE)) &&
         !(W.ExStyle & WS_EX_NOACTIVATE) && !W.Destroying;
}

} // namespace

void WmActivate(HWND Wnd, int How) {
  TWmState& S = Wm();
  TWindow* New = Wnd ? WmRootOf(Wnd) : nullptr;
  if (New && New->Destroying) return;
  HWND NewH = New ? New->Handle : nullptr;
  HWND Old = S.Active;
  if (Old == NewH) return;
  if (TWindow* O = WmFindLive(Old)) {
    if (S.Focus && (S.Focus == Old || IsChild(Old, S.Focus))) SetFocus(nullptr);
    S.Active = nullptr;
    SendMessage(Old, WM_NCACTIVATE, FALSE, 0);
    SendMessage(Old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, (O->Style & WS_MINIMIZE) != 0),
                reinterpret_cast<LPARAM>(NewH));
  }
  S.Active = nullptr;
  if (!NewH || !WmFindLive(NewH)) {
    if (Old) SendActivateApp(FALSE, nullptr);
    Backend().WindowActivate(nullptr);
    return;
  }
  if (!Old) SendActivateApp(TRUE, nullptr);
  if (!WmFindLive(NewH)) return;
  S.Active = NewH;
  Backend().WindowActivate(NewH);
  SendMessage(NewH, WM_NCACTIVATE, TRUE, 0);
  SendMessage(NewH, WM_ACTIVATE, MAKEWPARAM(How, (New->Style & WS_MINIMIZE) != 0),
              reinterpret_cast<LPARAM>(Old));
}

void WmActivateOther(HWND Wnd) {
  TWindow* W = WmFind(Wnd);
  HWND Next = nullptr;
  if (W && W->Owner)
    if (TWindow* O = WmFindLive(W->Owner); O && Activatable(*O)) Next = O->Handle;
  if (!Next)
    for (HWND H : Wm().ZOrder) {
      TWindow* C = WmFindLive(H);
      if (C && H != Wnd && Activatable(*C) && C->Owner != Wnd) {
        Next = H;
        break;
      }
    }
  WmActivate(Next, WA_ACTIVE);
}

HWND SetActiveWindow(HWND wnd) {
  HWND Old = Wm().Active;
  TWindow* W = WmRootOf(wnd);
  if (!W || W->Destroying || (W->Style & WS_DISABLED)) return nullptr;
  WmRaise(*W);
  Backend().WindowRestacked(W->Handle);
  WmActivate(W->Handle, WA_ACTIVE);
  return Old;
}

HWND GetActiveWindow() { return WmFindLive(Wm().Active) ? Wm().Active : nullptr; }

BOOL SetForegroundWindow(HWND wnd) { return SetActiveWindow(wnd) || GetActiveWindow() == wnd; }

HWND GetForegroundWindow() { return GetActiveWindow(); }

HWND SetFocus(HWND wnd) {
  TWmState& S = Wm();
  HWND Old = WmFindLive(S.Focus) ? S.Focus : nullptr;
  if (wnd) {
    TWindow* W = WmFindLive(wnd);
    if (!W || (W->Style & WS_DISABLED)) return nullptr;
    TWindow* Root = WmRoot(W);
    if (Root->Handle != S.Active) {
      if (!Activatable(*Root) && !(Root->ExStyle & WS_EX_NOACTIVATE)) return nullptr;
      if (!(Root->ExStyle & WS_EX_NOACTIVATE)) WmActivate(Root->Handle, WA_ACTIVE);
      if (!WmFindLive(wnd)) return nullptr;
      Old = WmFindLive(S.Focus) ? S.Focus : nullptr;
    }
  }
  if (Old == wnd) return Old;
  S.Focus = nullptr;
  if (Old) SendMessage(Old, WM_KILLFOCUS, WPARAM(wnd), 0);
  if (wnd && WmFindLive(wnd)) {
    S.Focus = wnd;
    SendMessage(wnd, WM_SETFOCUS, WPARAM(Old), 0);
  }
  return Old;
}

HWND GetFocus() { return WmFindLive(Wm().Focus) ? Wm().Focus : nullptr; }

HWND SetCapture(HWND wnd) {
  TWmState& S = Wm();
  HWND Old = WmFindLive(S.Capture) ? S.Capture : nullptr;
  if (!WmFindLive(wnd) || Old == wnd) return Old;
  S.Capture = wnd;
  Backend().CaptureChanged(wnd);
  if (Old) SendMessage(Old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(wnd));
  return Old;
}

BOOL ReleaseCapture() {
  TWmState& S = Wm();
  HWND Old = S.Capture;
  S.Capture = nullptr;
  if (Old) Backend().CaptureChanged(nullptr);
  if (WmFindLive(Old)) SendMessage(Old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() { return WmFindLive(Wm().Capture) ? Wm().Capture : nullptr; }

BOOL EnableWindow(HWND wnd, BOOL enable) {
  TWindow* W = WmFindLive(wnd);
  if (!W) return FALSE;
  BOOL WasDisabled = (W->Style & WS_DISABLED) ? TRUE : FALSE;
  if (bool(enable) == !WasDisabled) return WasDisabled;
  TWmState& S = Wm();
  if (enable) {
    W->Style &= ~WS_DISABLED;
  } else {
    W->Style |= WS_DISABLED;
    if (S.Focus && (S.Focus == wnd || IsChild(wnd, S.Focus))) SetFocus(nullptr);
    if (S.Capture == wnd) ReleaseCapture();
  }
  if (WmFindLive(wnd)) SendMessage(wnd, WM_ENABLE, enable, 0);
  if (TWindow* Now = WmFindLive(wnd); Now && !Now->IsChild()) Backend().WindowChanged(wnd);
  return WasDisabled;
}

void WmSetKeyState(int Key, bool Down) {
  BYTE& K = Wm().Keys[Key & 0xFF];
  if (Down && !(K & 0x80)) K ^= 0x01;
  K = BYTE((K & 0x01) | (Down ? 0x80 : 0));
}

short GetKeyState(int key) {
  BYTE K = Wm().Keys[key & 0xFF];
  return short((K & 0x80 ? 0x8000 : 0) | (K & 0x01));
}

short GetAsyncKeyState(int key) { return short(GetKeyState(key) & 0x8000); }
