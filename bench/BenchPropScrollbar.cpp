// Proportional scrollbar speed goals on the headless desktop: one step of
// a thumb drag (the mouse move, the track notification, the position
// change and the repaint) should cost at most 100 microseconds with the
// position hint shown (its text measured and its window moved) and with
// it off, so that a drag keeps up with any pointer. The end of a scroll
// with the arrow rule (one arrow state set) should cost at most 10
// microseconds.
#include "components/propscrl/PropScrollbar.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Units.h"
#include "platform/headless/HeadlessDesktop.h"

#include <benchmark/benchmark.h>

namespace {

struct TPropScrollScope {
  TPropScrollScope() {
    Desk = &THeadlessDesktop::Install();
    InitFramework();
    Form = Create<TForm>(Application);
    Form->SetBounds(100, 100, 500, 200);
    Bar = Create<TPropScrollbar>(Form);
    Bar->SetBounds(10, 10, 400, Bar->GetHeight());
    Bar->SetParent(Form);
    Bar->SetMax(1000);
    Form->Show();
    Desk->PumpUntilIdle();
  }
  ~TPropScrollScope() {
    DoneFramework();
    SetBackend(nullptr);
  }
  THeadlessDesktop* Desk = nullptr;
  TForm* Form = nullptr;
  TPropScrollbar* Bar = nullptr;
};

void BM_ThumbDragStep(benchmark::State& State) {
  TPropScrollScope S;
  S.Bar->SetScrollHint(State.range(0) != 0);
  S.Bar->SetAutoArrowDisable(true);
  // The thumb at position 0 sits just right of the decreasing arrow.
  const int Arrow = S.Bar->GetHeight();
  const TPoint Grip = S.Bar->ClientToScreen({Arrow + 4, S.Bar->GetHeight() / 2});
  S.Desk->MouseMove(Grip.X, Grip.Y);
  S.Desk->MouseDown();
  S.Desk->PumpUntilIdle();
  int Step = 0;
  for (auto _ : State) {
    Step = (Step + 7) % 290;
    S.Desk->MouseMove(Grip.X + 5 + Step, Grip.Y);
    S.Desk->PumpUntilIdle();
  }
  const bool Moved = S.Bar->GetPosition() != 0;
  S.Desk->MouseUp();
  S.Desk->PumpUntilIdle();
  if (!Moved) State.SkipWithError("the thumb did not follow the pointer");
}
BENCHMARK(BM_ThumbDragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_EndOfScrollArrowRule(benchmark::State& State) {
  TPropScrollScope S;
  S.Bar->SetAutoArrowDisable(true);
  const LPARAM Native = reinterpret_cast<LPARAM>(S.Bar->GetHandle());
  bool AtEnd = false;
  for (auto _ : State) {
    AtEnd = !AtEnd;
    S.Bar->SetPosition(AtEnd ? 1000 : 0);
    S.Bar->Perform(CN_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), Native);
  }
}
BENCHMARK(BM_EndOfScrollArrowRule)->Unit(benchmark::kMicrosecond);

} // namespace
