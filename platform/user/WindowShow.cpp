// Showing, hiding, minimising and restoring. Hiding or minimising the
// active window hands activation to its owner or the next window down;
// a minimised window keeps its normal rectangle (GetWindowRect answers it)
// and the desktop shows it in its own way until it is restored.
#include "platform/user/WmState.h"

void WmShow(TWindow& W, bool Visible) {
  if (W.IsVisibleFlag() == Visible) return;
  HWND H = W.Handle;
  SendMessage(H, WM_SHOWWINDOW, Visible, 0);
  if (!WmFindLive(H) || W.IsVisibleFlag() == Visible) return;
  TWmState& S = Wm();
  if (Visible) {
    W.Style |= WS_VISIBLE;
    if (W.IsChild()) WmInvalidateTree(W);
  } else {
    W.Style &= ~WS_VISIBLE;
    if (W.IsChild()) WmExposeUnder(W, W.Rect);
    if (S.Capture && (S.Capture == H || IsChild(H, S.Capture))) ReleaseCapture();
    if (S.Focus && (S.Focus == H || IsChild(H, S.Focus)))
      SetFocus(W.IsChild() ? W.Parent : nullptr);
    if (!W.IsChild() && S.Active == H) WmActivateOther(H);
  }
  if (!WmFindLive(H)) return;
  if (!W.IsChild()) {
    Backend().WindowShown(H, Visible);
    if (Visible && (W.Style & WS_MINIMIZE)) Backend().WindowMinimize(H, true);
  }
  if (TWindow* Root = WmRoot(&W)) WmUpdateDCs(*Root);
}

namespace {

void SendSize(TWindow& W, WPARAM Kind) {
  TRect C = WmClientInWindow(W);
  LPARAM L = Kind == SIZE_MINIMIZED ? 0 : MAKELPARAM(C.Width(), C.Height());
  SendMessage(W.Handle, WM_SIZE, Kind, L);
}

void Minimize(TWindow& W) {
  HWND H = W.Handle;
  if (W.IsChild()) return;
  if (!(W.Style & WS_MINIMIZE)) {
    W.Style |= WS_MINIMIZE;
    if (W.IsVisibleFlag()) Backend().WindowMinimize(H, true);
    TWmState& S = Wm();
    if (S.Focus && (S.Focus == H || IsChild(H, S.Focus))) SetFocus(nullptr);
    if (S.Active == H) WmActivateOther(H);
    if (!WmFindLive(H)) return;
    SendSize(W, SIZE_MINIMIZED);
    if (!WmFindLive(H)) return;
  }
  WmShow(W, true);
}

void Restore(TWindow& W) {
  if (!(W.Style & WS_MINIMIZE)) return;
  W.Style &= ~WS_MINIMIZE;
  if (W.IsVisibleFlag()) Backend().WindowMinimize(W.Handle, false);
  WmInvalidateFrame(W);
  SendSize(W, SIZE_RESTORED);
}

void Maximize(TWindow& W) {
  if (W.IsChild() || (W.Style & WS_MAXIMIZE)) return;
  Restore(W);
  W.Style |= WS_MAXIMIZE;
  W.RestoreRect = W.Rect;
  TRect Work = Backend().WorkArea();
  SetWindowPos(W.Handle, nullptr, Work.Left, Work.Top, Work.Width(), Work.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Unmaximize(TWindow& W) {
  if (!(W.Style & WS_MAXIMIZE)) return;
  W.Style &= ~WS_MAXIMIZE;
  TRect R = W.RestoreRect;
  SetWindowPos(W.Handle, nullptr, R.Left, R.Top, R.Width(), R.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CanActivate(const TWindow& W) {
  return !W.IsChild() && !(W.ExStyle & WS_EX_NOACTIVATE) && !(W.Style & WS_DISABLED);
}

} // namespace

BOOL ShowWindow(HWND wnd, int cmd) {
  TWindow* W = WmFindLive(wnd);
  if (!W) return FALSE;
  BOOL Was = W->IsVisibleFlag() ? TRUE : FALSE;
  bool Activate = false;
  switch (cmd) {
  case SW_HIDE: WmShow(*W, false); return Was;
  case SW_MINIMIZE:
  case SW_SHOWMINNOACTIVE:
  case SW_SHOWMINIMIZED: Minimize(*W); return Was;
  case SW_SHOWMAXIMIZED:
    Maximize(*W);
    Activate = true;
    break;
  case SW_SHOWNORMAL:
  case SW_RESTORE:
  case SW_SHOWDEFAULT:
    if (W->Style & WS_MINIMIZE)
      Restore(*W);
    else
      Unmaximize(*W);
    Activate = true;
    break;
  case SW_SHOWNOACTIVATE:
    if (W->Style & WS_MINIMIZE) Restore(*W);
    break;
  case SW_SHOW: Activate = !(W->Style & WS_MINIMIZE); break;
  case SW_SHOWNA: break;
  default: return Was;
  }
  if (!(W = WmFindLive(wnd))) return Was;
  WmShow(*W, true);
  if (!(W = WmFindLive(wnd))) return Was;
  if (Activate && CanActivate(*W)) {
    WmRaise(*W);
    Backend().WindowRestacked(wnd);
    WmActivate(wnd, WA_ACTIVE);
  }
  return Was;
}
