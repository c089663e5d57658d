// Form speed goals on the headless desktop: making and freeing a form
// with 20 controls (10 windowed panels, 10 shapes) should cost at most
// 50 microseconds; the same with every window made and the form shown is
// measured beside it. Finding a published property by name on a deep
// class (TForm) should cost at most 50 ns.
#include "framework/classes/Class.h"
#include "framework/controls/Panel.h"
#include "framework/controls/Shape.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Units.h"
#include "platform/headless/HeadlessDesktop.h"

#include <benchmark/benchmark.h>

namespace {

struct TFrameworkScope {
  TFrameworkScope() {
    THeadlessDesktop::Install();
    InitFramework();
  }
  ~TFrameworkScope() {
    DoneFramework();
    SetBackend(nullptr);
  }
};

TForm* MakeForm() {
  auto* F = Create<TForm>(Application);
  F->SetBounds(10, 10, 400, 300);
  for (int I = 0; I < 10; ++I) {
    auto* P = Create<TPanel>(F);
    P->SetBounds(5 + 30 * I, 5, 25, 25);
    P->SetParent(F);
    auto* S = Create<TShape>(F);
    S->SetBounds(5 + 30 * I, 50, 25, 25);
    S->SetParent(F);
  }
  return F;
}

void BM_FormWithTwentyControls(benchmark::State& State) {
  TFrameworkScope Scope;
  for (auto _ : State) {
    TForm* F = MakeForm();
    benchmark::DoNotOptimize(F);
    F->Free();
  }
}
BENCHMARK(BM_FormWithTwentyControls)->Unit(benchmark::kMicrosecond);

void BM_FormWithTwentyControlsShown(benchmark::State& State) {
  TFrameworkScope Scope;
  for (auto _ : State) {
    TForm* F = MakeForm();
    F->Show();
    benchmark::DoNotOptimize(F->GetHandle());
    F->Free();
  }
}
BENCHMARK(BM_FormWithTwentyControlsShown)->Unit(benchmark::kMicrosecond);

void BM_FindPublishedProperty(benchmark::State& State) {
  const TClass& Class = TForm::StaticClass();
  const char* Names[] = {"WindowState", "left", "OnShow", "AlphaBlendValue", "Tag", "Missing"};
  std::size_t I = 0;
  for (auto _ : State) {
    benchmark::DoNotOptimize(Class.FindProperty(Names[I]));
    I = (I + 1) % std::size(Names);
  }
}
BENCHMARK(BM_FindPublishedProperty);

} // namespace
