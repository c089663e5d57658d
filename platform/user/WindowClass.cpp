// Window classes: a name, a procedure and the defaults every window of the
// class starts with. Names compare without regard to ASCII case.
#include "platform/user/WmState.h"

#include <algorithm>
#include <cstring>

ATOM RegisterClass(const WNDCLASSA* wc) {
  if (!wc || !wc->lpszClassName || !*wc->lpszClassName || !wc->lpfnWndProc) return 0;
  if (wc->cbClsExtra < 0 || wc->cbWndExtra < 0 || wc->cbWndExtra > 4096) return 0;
  TWmState& S = Wm();
  WmEnsureSystemClasses();
  if (WmFindClass(wc->lpszClassName)) return 0;
  auto C = std::make_unique<TWndClass>();
  C->Name = wc->lpszClassName;
  C->Style = wc->style;
  C->Proc = wc->lpfnWndProc;
  C->ClsExtra = wc->cbClsExtra;
  C->WndExtra = wc->cbWndExtra;
  C->Instance = wc->hInstance;
  C->Icon = wc->hIcon;
  C->Cursor = wc->hCursor;
  C->Background = wc->hbrBackground;
  S.Classes.push_back(std::move(C));
  // Atoms only need to be non-zero and distinct.
  return ATOM(0xC000 + S.Classes.size());
}

BOOL UnregisterClass(LPCSTR className, HINSTANCE) {
  TWndClass* C = WmFindClass(className);
  if (!C || C->System) return FALSE;
  bool InUse = false;
  WmTable().ForEach([&](std::uintptr_t, TWindow* W) { InUse |= W->Class == C; });
  if (InUse) return FALSE;
  auto& V = Wm().Classes;
  V.erase(std::remove_if(V.begin(), V.end(), [&](auto& P) { return P.get() == C; }), V.end());
  return TRUE;
}

BOOL GetClassInfo(HINSTANCE, LPCSTR className, WNDCLASSA* wc) {
  WmEnsureSystemClasses();
  TWndClass* C = WmFindClass(className);
  if (!C || !wc) return FALSE;
  wc->style = C->Style;
  wc->lpfnWndProc = C->Proc;
  wc->cbClsExtra = C->ClsExtra;
  wc->cbWndExtra = C->WndExtra;
  wc->hInstance = C->Instance;
  wc->hIcon = C->Icon;
  wc->hCursor = C->Cursor;
  wc->hbrBackground = C->Background;
  wc->lpszMenuName = nullptr;
  wc->lpszClassName = C->Name.c_str();
  return TRUE;
}

int GetClassName(HWND wnd, LPSTR buffer, int maxCount) {
  TWindow* W = WmFind(wnd);
  if (!W || !buffer || maxCount <= 0) return 0;
  int N = std::min<int>(int(W->Class->Name.size()), maxCount - 1);
  std::memcpy(buffer, W->Class->Name.data(), std::size_t(N));
  buffer[N] = 0;
  return N;
}
