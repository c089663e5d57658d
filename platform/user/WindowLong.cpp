// Window longs, properties and text. GWL_STYLE changes keep WS_VISIBLE and
// WS_MINIMIZE (ShowWindow owns those) and GWL_EXSTYLE keeps WS_EX_TOPMOST
// (SetWindowPos owns that), so the desktop's picture never disagrees with
// the bits; the frame follows the new style at once.
#include "platform/user/WmState.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kShowBits = WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE;

void StyleChanged(TWindow& W, int Index, DWORD Old, DWORD New) {
  struct {
    DWORD StyleOld, StyleNew;
  } Ss{Old, New};
  SendMessage(W.Handle, WM_STYLECHANGING, WPARAM(Index), reinterpret_cast<LPARAM>(&Ss));
  if (!WmFindLive(W.Handle)) return;
  if (Index == GWL_STYLE)
    W.Style = New;
  else
    W.ExStyle = New;
  if (Index == GWL_EXSTYLE && !(New & WS_EX_LAYERED)) W.LayeredFlags = 0;
  SendMessage(W.Handle, WM_STYLECHANGED, WPARAM(Index), reinterpret_cast<LPARAM>(&Ss));
  if (!WmFindLive(W.Handle)) return;
  TRect OldIn = Index == GWL_STYLE ? NcFrameInsets(Old, W.ExStyle) : NcFrameInsets(W.Style, Old);
  if (OldIn != NcFrameInsets(W.Style, W.ExStyle)) WmInvalidateTree(W);
  if (!W.IsChild()) Backend().WindowChanged(W.Handle);
}

std::string PropKey(LPCSTR Name) {
  if (IS_INTRESOURCE(Name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(Name));
  return Name;
}

} // namespace

LONG_PTR GetWindowLong(HWND wnd, int index) {
  TWindow* W = WmFind(wnd);
  if (!W) return 0;
  switch (index) {
  case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(W->Proc);
  case GWL_HINSTANCE: return reinterpret_cast<LONG_PTR>(W->Instance);
  case GWL_HWNDPARENT: return reinterpret_cast<LONG_PTR>(W->IsChild() ? W->Parent : W->Owner);
  case GWL_ID: return reinterpret_cast<LONG_PTR>(W->IdOrMenu);
  case GWL_STYLE: return LONG_PTR(W->Style);
  case GWL_EXSTYLE: return LONG_PTR(W->ExStyle);
  case GWL_USERDATA: return W->UserData;
  default: break;
  }
  if (index < 0 || std::size_t(index) + sizeof(LONG_PTR) > W->Extra.size()) return 0;
  LONG_PTR V;
  std::memcpy(&V, W->Extra.data() + index, sizeof V);
  return V;
}

LONG_PTR SetWindowLong(HWND wnd, int index, LONG_PTR value) {
  TWindow* W = WmFind(wnd);
  if (!W) return 0;
  LONG_PTR Old = GetWindowLong(wnd, index);
  switch (index) {
  case GWL_WNDPROC:
    if (!value) return 0;
    W->Proc = reinterpret_cast<WNDPROC>(value);
    return Old;
  case GWL_HINSTANCE: W->Instance = reinterpret_cast<HINSTANCE>(value); return Old;
  case GWL_ID: W->IdOrMenu = reinterpret_cast<HMENU>(value); return Old;
  case GWL_USERDATA: W->UserData = value; return Old;
  case GWL_HWNDPARENT:
    if (W->IsChild()) return 0;
    W->Owner = value ? reinterpret_cast<HWND>(value) : nullptr;
    if (W->Owner && !WmFindLive(W->Owner)) W->Owner = nullptr;
    Backend().WindowRestacked(wnd);
    return Old;
  case GWL_STYLE: {
    DWORD New = (DWORD(value) & ~kShowBits) | (W->Style & kShowBits);
    if (New != W->Style) StyleChanged(*W, index, W->Style, New);
    return Old;
  }
  case GWL_EXSTYLE: {
    DWORD New = (DWORD(value) & ~WS_EX_TOPMOST) | (W->ExStyle & WS_EX_TOPMOST);
    if (New != W->ExStyle) StyleChanged(*W, index, W->ExStyle, New);
    return Old;
  }
  default: break;
  }
  if (index < 0 || std::size_t(index) + sizeof(LONG_PTR) > W->Extra.size()) return 0;
  std::memcpy(W->Extra.data() + index, &value, sizeof value);
  return Old;
}

BOOL SetProp(HWND wnd, LPCSTR name, HANDLE data) {
  TWindow* W = WmFind(wnd);
  if (!W || !name) return FALSE;
  W->Props[PropKey(name)] = data;
  return TRUE;
}

HANDLE GetProp(HWND wnd, LPCSTR name) {
  TWindow* W = WmFind(wnd);
  if (!W || !name) return nullptr;
  auto It = W->Props.find(PropKey(name));
  return It == W->Props.end() ? nullptr : It->second;
}

HANDLE RemoveProp(HWND wnd, LPCSTR name) {
  TWindow* W = WmFind(wnd);
  if (!W || !name) return nullptr;
  auto It = W->Props.find(PropKey(name));
  if (It == W->Props.end()) return nullptr;
  HANDLE V = It->second;
  W->Props.erase(It);
  return V;
}

int GetWindowText(HWND wnd, LPSTR buffer, int maxCount) {
  if (!buffer || maxCount <= 0 || !WmFind(wnd)) return 0;
  buffer[0] = 0;
  return int(SendMessage(wnd, WM_GETTEXT, WPARAM(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND wnd) {
  if (!WmFind(wnd)) return 0;
  return int(SendMessage(wnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowText(HWND wnd, LPCSTR text) {
  if (!WmFindLive(wnd)) return FALSE;
  return BOOL(SendMessage(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) != 0);
}

// DefWindowProc's text messages.
LRESULT WmDefTextMessage(TWindow& W, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_SETTEXT: {
    const char* T = reinterpret_cast<const char*>(LParam);
    W.Text = T ? T : "";
    WmInvalidateFrame(W);
    if (!W.IsChild()) Backend().WindowChanged(W.Handle);
    return TRUE;
  }
  case WM_GETTEXT: {
    char* Buf = reinterpret_cast<char*>(LParam);
    if (!Buf || WParam == 0) return 0;
    std::size_t N = std::min(W.Text.size(), std::size_t(WParam) - 1);
    std::memcpy(Buf, W.Text.data(), N);
    Buf[N] = 0;
    return LRESULT(N);
  }
  case WM_GETTEXTLENGTH: return LRESULT(W.Text.size());
  default: return 0;
  }
}
