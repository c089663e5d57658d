// Helpers of the frame tests: a window class whose procedure logs the
// messages it receives, screen colours as the desktop reports them, and
// geometry read back through the public operations.
#pragma once

#include "support/DesktopTest.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace nctest {

inline constexpr char kLogClass[] = "NcTestLogWindow";

struct TLogged {
  HWND Wnd;
  UINT Msg;
  WPARAM WParam;
};

inline std::vector<TLogged>& Log() {
  static std::vector<TLogged> V;
  return V;
}

// A hook a test may set to act inside the procedure; true when it
// answered the message itself (with Result).
inline std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>& Hook() {
  static std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)> F;
  return F;
}

inline LRESULT LogProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  Log().push_back(TLogged{Wnd, Msg, WParam});
  LRESULT Result = 0;
  if (Hook() && Hook()(Wnd, Msg, WParam, LParam, Result)) return Result;
  return DefWindowProc(Wnd, Msg, WParam, LParam);
}

inline int Count(HWND Wnd, UINT Msg) {
  return int(std::count_if(Log().begin(), Log().end(),
                           [&](const TLogged& L) { return L.Wnd == Wnd && L.Msg == Msg; }));
}

inline int CountCommand(HWND Wnd, WPARAM Command) {
  return int(std::count_if(Log().begin(), Log().end(), [&](const TLogged& L) {
    return L.Wnd == Wnd && L.Msg == WM_SYSCOMMAND && (L.WParam & 0xFFF0) == Command;
  }));
}

// 0x00RRGGBB, the form ScreenPixel answers in.
// The screen pixels of R, row by row.
inline std::vector<std::uint32_t> Pixels(THeadlessDesktop* Desk, const TRect& R) {
  std::vector<std::uint32_t> V;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) V.push_back(Desk->ScreenPixel(X, Y));
  return V;
}

inline std::uint32_t Rgb(COLORREF C) {
  return (std::uint32_t(GetRValue(C)) << 16) | (std::uint32_t(GetGValue(C)) << 8) | GetBValue(C);
}
inline std::uint32_t SysRgb(int Index) { return Rgb(GetSysColor(Index)); }

class TFrameTest : public TDesktopTest {
protected:
  void SetUp() override {
    TDesktopTest::SetUp();
    Log().clear();
    Hook() = nullptr;
    WNDCLASSA Wc{};
    Wc.lpfnWndProc = LogProc;
    Wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_WINDOW + 1));
    Wc.lpszClassName = kLogClass;
    RegisterClass(&Wc);
  }
  void TearDown() override {
    Hook() = nullptr;
    Desk->SetIdleHandler(nullptr);
    TDesktopTest::TearDown();
  }

  HWND Make(DWORD Style, DWORD ExStyle = 0, TRect R = TRect{100, 80, 300, 230}, LPCSTR Text = "",
            HWND Parent = nullptr) {
    return CreateWindowEx(ExStyle, kLogClass, Text, Style, R.Left, R.Top, R.Width(), R.Height(),
                          Parent, nullptr, nullptr, nullptr);
  }
  HWND Show(DWORD Style, DWORD ExStyle = 0, TRect R = TRect{100, 80, 300, 230}, LPCSTR Text = "") {
    HWND Wnd = Make(Style | WS_VISIBLE, ExStyle, R, Text);
    Desk->PumpUntilIdle();
    return Wnd;
  }

  static TRect WindowRect(HWND Wnd) {
    TRect R{0, 0, 0, 0};
    GetWindowRect(Wnd, &R);
    return R;
  }
  // The client area in screen coordinates.
  static TRect ClientRect(HWND Wnd) {
    TRect R{0, 0, 0, 0};
    GetClientRect(Wnd, &R);
    TPoint P{0, 0};
    ClientToScreen(Wnd, &P);
    OffsetRect(&R, P.X, P.Y);
    return R;
  }
};

} // namespace nctest
