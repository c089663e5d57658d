// Reading the program's own embedded definitions. Goals: TFORMLOGO, whose
// bytes are nearly all the logo's JPEG data, reads at 500 MB/s or more;
// TDM1 with its menu and eighteen items reads in at most 100 us. Each iteration reads into
// a fresh object made without a definition; making and freeing it is not
// timed.
#include "app/Unitdm1.h"
#include "app/Unitlogo.h"
#include "framework/classes/Reader.h"
#include "framework/classes/ResourceStream.h"
#include "framework/forms/FormLoader.h"
#include "framework/forms/Units.h"
#include "platform/headless/HeadlessDesktop.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The framework's units and a headless desktop for the form's window.
struct TBenchFramework {
  TBenchFramework() {
    THeadlessDesktop::Install();
    InitFramework();
  }
  ~TBenchFramework() {
    DoneFramework();
    SetBackend(nullptr);
  }
};

template <class T, class Make>
void BenchReadResource(benchmark::State& State, const char* ResName, Make MakeRoot) {
  TBenchFramework Framework;
  TResourceStream Stream(nullptr, ResName, RT_RCDATA);
  for (auto _ : State) {
    State.PauseTiming();
    T* Root = MakeRoot();
    Stream.SetPosition(0);
    State.ResumeTiming();
    {
      TReader Reader(Stream);
      ReadFormStream(Reader, Root);
    }
    State.PauseTiming();
    Root->Free();
    State.ResumeTiming();
  }
  State.SetBytesProcessed(std::int64_t(State.iterations()) * Stream.GetSize());
}

void BM_ReadFormLogo(benchmark::State& State) {
  BenchReadResource<TFormLogo>(State, "TFORMLOGO",
                               [] { return Create<TFormLogo>(nullptr, CreateNew); });
}
BENCHMARK(BM_ReadFormLogo)->Unit(benchmark::kMicrosecond);

void BM_ReadDM1(benchmark::State& State) {
  BenchReadResource<TDM1>(State, "TDM1", [] { return Create<TDM1>(nullptr, CreateNew); });
}
BENCHMARK(BM_ReadDM1)->Unit(benchmark::kMicrosecond);

} // namespace
