// Windows for the window-layer tests: a class whose procedure records every
// message it receives (and can be told to react to some), on a fresh
// headless desktop.
#pragma once

#include "support/DesktopTest.h"

#include <functional>
#include <vector>

namespace usertest {

struct TRecord {
  HWND Wnd;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

inline std::vector<TRecord>& Log() {
  static std::vector<TRecord> V;
  return V;
}

// Per-message reactions; a reaction's result replaces DefWindowProc's.
using TReaction = std::function<LRESULT(HWND, WPARAM, LPARAM)>;
inline std::vector<std::pair<UINT, TReaction>>& Reactions() {
  static std::vector<std::pair<UINT, TReaction>> V;
  return V;
}

inline LRESULT RecordingProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  Log().push_back(TRecord{Wnd, Msg, W, L});
  for (auto& [M, R] : Reactions())
    if (M == Msg) return R(Wnd, W, L);
  return DefWindowProc(Wnd, Msg, W, L);
}

class TUserTest : public TDesktopTest {
protected:
  void SetUp() override {
    TDesktopTest::SetUp();
    Log().clear();
    Reactions().clear();
    WNDCLASSA Wc{};
    Wc.style = CS_DBLCLKS;
    Wc.lpfnWndProc = RecordingProc;
    Wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_WINDOW + 1));
    Wc.lpszClassName = "TestWnd";
    ASSERT_NE(RegisterClass(&Wc), 0);
  }
  void TearDown() override {
    TDesktopTest::TearDown();
    Reactions().clear();
  }

  static HWND Make(DWORD Style, DWORD ExStyle, TRect R, HWND Parent = nullptr,
                   const char* Text = "") {
    return CreateWindowEx(ExStyle, "TestWnd", Text, Style, R.Left, R.Top, R.Width(), R.Height(),
                          Parent, nullptr, nullptr, nullptr);
  }
  static void React(UINT Msg, TReaction R) { Reactions().emplace_back(Msg, std::move(R)); }
  static int Count(HWND Wnd, UINT Msg) {
    int N = 0;
    for (auto& R : Log()) N += R.Wnd == Wnd && R.Msg == Msg;
    return N;
  }
  static std::vector<TRecord> Of(UINT Msg) {
    std::vector<TRecord> Out;
    for (auto& R : Log())
      if (R.Msg == Msg) Out.push_back(R);
    return Out;
  }
};

} // namespace usertest
