// Windows for the headless desktop tests that paint their client area
// with one colour (kept in GWL_USERDATA), so screen pixels tell which
// window lies where.
#pragma once

#include "platform/WinUser.h"

inline LRESULT SolidWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_ERASEBKGND) return 1;
  if (Msg != WM_PAINT) return DefWindowProc(Wnd, Msg, WParam, LParam);
  PAINTSTRUCT Ps;
  HDC Dc = BeginPaint(Wnd, &Ps);
  TRect R;
  GetClientRect(Wnd, &R);
  HBRUSH Brush = CreateSolidBrush(COLORREF(GetWindowLong(Wnd, GWL_USERDATA)));
  FillRect(Dc, &R, Brush);
  DeleteObject(Brush);
  EndPaint(Wnd, &Ps);
  return 0;
}

inline const char* SolidClass() {
  WNDCLASSA Wc{};
  Wc.lpfnWndProc = SolidWindowProc;
  Wc.lpszClassName = "HeadlessSolid";
  RegisterClass(&Wc);
  return Wc.lpszClassName;
}

// A hidden window at R (screen, or the parent's client area) painting
// Color.
inline HWND SolidWindow(const TRect& R, COLORREF Color, DWORD ExStyle = 0, DWORD Style = WS_POPUP,
                        HWND Parent = nullptr, const char* Text = "") {
  HWND Wnd = CreateWindowEx(ExStyle, SolidClass(), Text, Style, R.Left, R.Top, R.Width(),
                            R.Height(), Parent, nullptr, nullptr, nullptr);
  SetWindowLong(Wnd, GWL_USERDATA, LONG_PTR(Color));
  return Wnd;
}

// The same, shown without activation.
inline HWND ShownSolid(const TRect& R, COLORREF Color, DWORD ExStyle = 0, DWORD Style = WS_POPUP) {
  HWND Wnd = SolidWindow(R, Color, ExStyle, Style);
  ShowWindow(Wnd, SW_SHOWNOACTIVATE);
  return Wnd;
}

// 0x00RRGGBB, as the desktop reports pixels.
inline constexpr std::uint32_t Px(COLORREF C) {
  return (std::uint32_t(GetRValue(C)) << 16) | (std::uint32_t(GetGValue(C)) << 8) | GetBValue(C);
}
