// tavrel-drive on the ruler: the cost of a whole scripted run (start-up,
// one look, shutdown) and of the looking commands while it runs, so that
// long end-to-end scripts stay cheap.
#include "app/Program.h"
#include "platform/Backend.h"
#include "tools/drive/DriveEngine.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

namespace {

void BenchDriveScript(benchmark::State& State, const std::string& Script) {
  for (auto _ : State) {
    std::ostringstream Out;
    std::istringstream In(Script);
    {
      TDriveEngine Engine(Out);
      benchmark::DoNotOptimize(Engine.Run(In, RunTavrel));
    }
    SetBackend(nullptr);
  }
}

std::string BenchDriveRepeat(const std::string& Command, int Times) {
  std::string S = "start\n";
  for (int I = 0; I < Times; ++I) S += Command;
  return S + "quit\n";
}

void BM_DriveStartQuit(benchmark::State& State) { BenchDriveScript(State, "start\nquit\n"); }
BENCHMARK(BM_DriveStartQuit)->Unit(benchmark::kMillisecond);

// 100 looks per run: the difference to BM_DriveStartQuit, divided by 100,
// is one command.
void BM_DriveWindows100(benchmark::State& State) {
  BenchDriveScript(State, BenchDriveRepeat("windows\ncontrols\n", 100));
}
BENCHMARK(BM_DriveWindows100)->Unit(benchmark::kMillisecond);

void BM_DriveMenuOpenClose10(benchmark::State& State) {
  BenchDriveScript(State, BenchDriveRepeat("click 640 962 right\nmenus\nkey Escape\n", 10));
}
BENCHMARK(BM_DriveMenuOpenClose10)->Unit(benchmark::kMillisecond);

} // namespace
