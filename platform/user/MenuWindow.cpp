// The menu window class; see MenuWindow.h.
#include "platform/user/MenuWindow.h"

#include "platform/user/MenuLoop.h"
#include "platform/user/WindowManager.h"

void TMenuWindow::Register() {
  WmRegisterSystemClass(ClassName, Proc, CS_SAVEBITS,
                        reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_MENU + 1)));
}

HWND TMenuWindow::Create(HWND Owner, const TRect& Rect) {
  return CreateWindowEx(ExStyle, ClassName, "", Style, Rect.Left, Rect.Top, Rect.Width(),
                        Rect.Height(), Owner, nullptr, nullptr, nullptr);
}

LRESULT TMenuWindow::Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_PAINT:
    if (TMenuLoop* Loop = TMenuLoop::Current(); Loop && Loop->Paint(Wnd)) return 0;
    return DefWindowProc(Wnd, Msg, WParam, LParam);
  case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
  case MN_GETHMENU: {
    TMenuLoop* Loop = TMenuLoop::Current();
    return Loop ? reinterpret_cast<LRESULT>(Loop->MenuOfWindow(Wnd)) : 0;
  }
  case WM_DESTROY:
    if (TMenuLoop* Loop = TMenuLoop::Current()) Loop->WindowDestroyed(Wnd);
    return 0;
  default: return DefWindowProc(Wnd, Msg, WParam, LParam);
  }
}

void RegisterMenuClass() { TMenuWindow::Register(); }
