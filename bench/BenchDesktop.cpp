// Window-layer speed goals on the headless desktop: a SendMessage round
// trip to a trivial window procedure should cost at most 100 ns, and
// moving the guide line (a 1 x 1024 top-most layered window at alpha 64
// over ordinary windows) by one pixel and recomposing the screen at most
// 50 microseconds, which needs composing only the two damaged columns.
#include "platform/WinUser.h"
#include "platform/headless/HeadlessDesktop.h"

#include <benchmark/benchmark.h>

namespace {

LRESULT TrivialProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_USER) return LRESULT(WParam + 1);
  return DefWindowProc(Wnd, Msg, WParam, LParam);
}

LRESULT SolidProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg != WM_PAINT) return DefWindowProc(Wnd, Msg, WParam, LParam);
  PAINTSTRUCT Ps;
  HDC Dc = BeginPaint(Wnd, &Ps);
  TRect R;
  GetClientRect(Wnd, &R);
  FillRect(Dc, &R, HBRUSH(GetStockObject(int(GetWindowLong(Wnd, GWL_USERDATA)))));
  EndPaint(Wnd, &Ps);
  return 0;
}

HWND Create(WNDPROC Proc, const char* Class, DWORD Ex, const TRect& R, int StockBrush) {
  WNDCLASSA Wc{};
  Wc.lpfnWndProc = Proc;
  Wc.lpszClassName = Class;
  RegisterClass(&Wc);
  HWND Wnd = CreateWindowEx(Ex, Class, "", WS_POPUP, R.Left, R.Top, R.Width(), R.Height(), nullptr,
                            nullptr, nullptr, nullptr);
  SetWindowLong(Wnd, GWL_USERDATA, StockBrush);
  return Wnd;
}

void BM_SendMessageRoundTrip(benchmark::State& State) {
  THeadlessDesktop::Install();
  HWND Wnd = Create(TrivialProc, "BenchTrivial", 0, TRect{0, 0, 10, 10}, WHITE_BRUSH);
  WPARAM N = 0;
  for (auto _ : State) benchmark::DoNotOptimize(N = WPARAM(SendMessage(Wnd, WM_USER, N, 0)));
  SetBackend(nullptr);
}
BENCHMARK(BM_SendMessageRoundTrip);

// The guide line over two ordinary windows, moved one pixel per step.
struct TLineScene {
  THeadlessDesktop& Desk = THeadlessDesktop::Install();
  HWND Line = nullptr;

  TLineScene() {
    const TRect Windows[] = {{0, 0, 900, 700}, {400, 300, 1280, 1024}};
    const int Brushes[] = {WHITE_BRUSH, GRAY_BRUSH};
    for (int I = 0; I < 2; ++I)
      ShowWindow(Create(SolidProc, "BenchSolid", 0, Windows[I], Brushes[I]), SW_SHOWNOACTIVATE);
    Line = Create(SolidProc, "BenchSolid", WS_EX_TOPMOST | WS_EX_LAYERED, TRect{0, 0, 1, 1024},
                  BLACK_BRUSH);
    SetLayeredWindowAttributes(Line, 0, 64, LWA_ALPHA);
    ShowWindow(Line, SW_SHOWNOACTIVATE);
    Desk.PumpUntilIdle();
    Desk.ScreenPixel(0, 0);
  }
  ~TLineScene() { SetBackend(nullptr); }

  int Step(int X) {
    X = (X + 1) % 1279;
    SetWindowPos(Line, nullptr, X, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return X;
  }
};

void BM_MoveGuideLineAndCompose(benchmark::State& State) {
  TLineScene Scene;
  int X = 0;
  for (auto _ : State) {
    X = Scene.Step(X);
    benchmark::DoNotOptimize(Scene.Desk.ScreenPixel(X, 512));
  }
}
BENCHMARK(BM_MoveGuideLineAndCompose);

// The same with the program's message processing after each move, as a
// scrollbar drag runs it.
void BM_MoveGuideLinePumpAndCompose(benchmark::State& State) {
  TLineScene Scene;
  int X = 0;
  for (auto _ : State) {
    X = Scene.Step(X);
    Scene.Desk.PumpUntilIdle();
    benchmark::DoNotOptimize(Scene.Desk.ScreenPixel(X, 512));
  }
}
BENCHMARK(BM_MoveGuideLinePumpAndCompose);

} // namespace
