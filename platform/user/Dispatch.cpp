// DispatchMessage: the call into the window procedure for a queued
// message, with the desktop's dialog keys (Enter clicks the default push
// button of the root window, Escape cancels a dialog) and a guard that
// keeps one unpainted WM_PAINT from repeating forever.
#include "platform/user/WmState.h"

#include <strings.h>

namespace {

HWND FindDefaultButton(TWindow& W) {
  for (HWND K : W.Children) {
    TWindow* KW = WmFindLive(K);
    if (!KW || !KW->IsVisibleFlag() || (KW->Style & WS_DISABLED)) continue;
    if (strcasecmp(KW->Class->Name.c_str(), "BUTTON") == 0 &&
        (KW->Style & 0x0F) == BS_DEFPUSHBUTTON)
      return K;
    if (HWND H = FindDefaultButton(*KW)) return H;
  }
  return nullptr;
}

bool DialogKey(TWindow& W, WPARAM Key) {
  if (Key != VK_RETURN && Key != VK_ESCAPE) return false;
  HWND H = W.Handle;
  LRESULT Code = SendMessage(H, WM_GETDLGCODE, Key, 0);
  if (Code & DLGC_WANTALLKEYS) return false;
  TWindow* Root = WmRootOf(H);
  if (!Root || Root->Destroying) return false;
  if (Key == VK_RETURN) {
    HWND Button = FindDefaultButton(*Root);
    if (!Button) return false;
    SendMessage(Button, BM_CLICK, 0, 0);
    return true;
  }
  if (!(Root->ExStyle & WS_EX_DLGMODALFRAME)) return false;
  SendMessage(Root->Handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
  return true;
}

struct TPaintGuard {
  HWND Wnd;
  ~TPaintGuard() {
    WmEndLeftoverPaint(Wnd);
    if (TWindow* W = WmFind(Wnd)) {
      W->Painting = false;
      W->InternalPaint = false;
      W->UpdateRgn.SetEmpty();
      W->EraseNeeded = false;
    }
  }
};

} // namespace

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
    return 0;
  }
  TWindow* W = WmFind(msg->hwnd);
  if (!W) return 0;
  if (msg->message == WM_KEYDOWN && DialogKey(*W, msg->wParam)) return 0;
  if (!(W = WmFind(msg->hwnd))) return 0;
  if (msg->message == WM_PAINT) {
    TPaintGuard Guard{msg->hwnd};
    return WmCallProc(*W, W->Proc, WM_PAINT, msg->wParam, msg->lParam);
  }
  return WmCallProc(*W, W->Proc, msg->message, msg->wParam, msg->lParam);
}
