// The ruler as a user meets it, run in process on the headless desktop.
// Goals: start-up until the program first waits for input at most 5 ms;
// one step of dragging the scrollbar's thumb (moving the line, the logo
// and the caption) at most 20 us; opening the command menu with a right
// click until its loop waits for input at most 1 ms.
//
// The program runs its own message loop, so each benchmark steps through
// its iterations from the desktop's idle handler: every idle turn queues
// the next input and the program handles it before it falls idle again.
#include "app/Program.h"
#include "app/Unit1.h"
#include "platform/WinUser.h"
#include "platform/headless/HeadlessDesktop.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <string>

namespace {

using TBenchClock = std::chrono::steady_clock;

double SecondsSince(TBenchClock::time_point Start) {
  return std::chrono::duration<double>(TBenchClock::now() - Start).count();
}

// Runs the program on a fresh desktop with Idle as its idle handler.
void RunRulerWith(std::function<bool(THeadlessDesktop&)> Idle) {
  THeadlessDesktop& Desk = THeadlessDesktop::Install();
  Desk.SetIdleHandler([&Desk, &Idle] { return Idle(Desk); });
  RunTavrel();
  SetBackend(nullptr);
}

void BM_StartUpToIdle(benchmark::State& State) {
  for (auto _ : State) {
    THeadlessDesktop& Desk = THeadlessDesktop::Install();
    TBenchClock::time_point Start = TBenchClock::now();
    Desk.SetIdleHandler([&] {
      State.SetIterationTime(SecondsSince(Start));
      return false;
    });
    RunTavrel();
    SetBackend(nullptr);
  }
}
BENCHMARK(BM_StartUpToIdle)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The thumb of the 190-pixel bar at the line's start position (640 of
// 1280) lies near its middle; the drag moves it one pixel back and forth.
void BM_ThumbTrackStep(benchmark::State& State) {
  TRect Bar{0, 0, 0, 0};
  int Step = 0;
  std::string Caption;
  RunRulerWith([&](THeadlessDesktop& Desk) {
    // Every step must have moved the line, or nothing was measured.
    if (Step >= 2 && Form1->GetCaption() == Caption) {
      State.SkipWithError("the thumb did not move the line");
      Step = -1;
    }
    if (Step > 0) Caption = Form1->GetCaption();
    if (Step < 0) {
      Form1->Close();
      return false;
    }
    if (Step == 0) {
      GetWindowRect(Form1->GetHandle(), &Bar);
      Desk.MouseMove((Bar.Left + Bar.Right) / 2, Bar.Bottom - 8);
      Desk.MouseDown();
    } else if (!State.KeepRunning()) {
      Desk.MouseUp();
      Form1->Close();
      return true;
    } else {
      Desk.MouseMove((Bar.Left + Bar.Right) / 2 + (Step % 2 ? 3 : -3), Bar.Bottom - 8);
    }
    ++Step;
    return true;
  });
}
BENCHMARK(BM_ThumbTrackStep)->Unit(benchmark::kMicrosecond);

// Each iteration: a right click on the scrollbar until the menu waits for
// input (timed), then Escape to close it (not timed).
void BM_OpenCommandMenu(benchmark::State& State) {
  bool MenuOpen = false;
  bool Done = false;
  TBenchClock::time_point Start;
  RunRulerWith([&](THeadlessDesktop& Desk) {
    if (Done) return false;
    if (MenuOpen) {
      if (!FindWindow("#32768", nullptr)) {
        State.SkipWithError("the right click opened no menu");
        Done = true;
        Form1->Close();
        return true;
      }
      State.SetIterationTime(SecondsSince(Start));
      MenuOpen = false;
      Desk.PressKey(VK_ESCAPE);
      return true;
    }
    if (!State.KeepRunning()) {
      Done = true;
      Form1->Close();
      return true;
    }
    TRect Bar;
    GetWindowRect(Form1->GetHandle(), &Bar);
    Start = TBenchClock::now();
    MenuOpen = true;
    Desk.Click((Bar.Left + Bar.Right) / 2, Bar.Bottom - 8, 1);
    return true;
  });
}
BENCHMARK(BM_OpenCommandMenu)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
