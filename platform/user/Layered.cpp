// Constant alpha and colour key of layered top-level windows. The window
// keeps the attributes; the desktop applies them when it composes.
#include "platform/user/WmState.h"

BOOL SetLayeredWindowAttributes(HWND wnd, COLORREF key, BYTE alpha, DWORD flags) {
  TWindow* W = WmFindLive(wnd);
  if (!W || W->IsChild() || !(W->ExStyle & WS_EX_LAYERED)) return FALSE;
  if (!Backend().SupportsConstantAlpha()) return FALSE;
  W->ColorKey = key & 0xFFFFFF;
  W->Alpha = alpha;
  W->LayeredFlags = flags & (LWA_ALPHA | LWA_COLORKEY);
  Backend().WindowChanged(wnd);
  return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND wnd, COLORREF* key, BYTE* alpha, DWORD* flags) {
  TWindow* W = WmFindLive(wnd);
  if (!W || W->IsChild() || !(W->ExStyle & WS_EX_LAYERED)) return FALSE;
  if (key) *key = W->ColorKey;
  if (alpha) *alpha = W->Alpha;
  if (flags) *flags = W->LayeredFlags;
  return TRUE;
}
