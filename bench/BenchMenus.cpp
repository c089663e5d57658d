// Menu speed goals on the headless desktop: automatic accelerators over
// 20 sibling captions should cost at most 20 microseconds; popping up a
// 19-item owner-drawn popup menu until its last item has been painted
// (the last OnAdvancedDrawItem closes it with EndMenu) at most 1 ms.
#include "framework/forms/Application.h"
#include "framework/forms/Units.h"
#include "framework/graphics/Canvas.h"
#include "framework/menus/MenuHotkeys.h"
#include "framework/menus/PopupMenu.h"
#include "platform/headless/HeadlessDesktop.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

struct TBenchMenusScope {
  TBenchMenusScope() {
    THeadlessDesktop::Install();
    InitFramework();
  }
  ~TBenchMenusScope() {
    DoneFramework();
    SetBackend(nullptr);
  }
};

void BM_AutomaticHotkeys20(benchmark::State& State) {
  std::vector<TMenuHotkeyEntry> Source;
  const char* Words[] = {"Open", "Save", "Save as", "Close", "Print", "Preview", "Undo",
                         "Redo", "Cut",  "Copy",    "Paste", "Find",  "Replace", "Select all",
                         "Zoom", "Fit",  "Options", "Help",  "About", "Exit"};
  for (const char* W : Words) Source.push_back({W, true});
  for (auto _ : State) {
    std::vector<TMenuHotkeyEntry> Entries = Source;
    benchmark::DoNotOptimize(MenuAssignHotkeys(Entries));
  }
}
BENCHMARK(BM_AutomaticHotkeys20);

class TBenchMenuPainter : public TObject {
public:
  void Measure(TObject*, TCanvas*, int& Width, int& Height) {
    Width = 120;
    Height = 18;
  }
  void Draw(TObject* Sender, TCanvas* Canvas, TRect R, TOwnerDrawState) {
    Canvas->FillRect(R);
    if (Sender == Last) EndMenu();
  }
  TObject* Last = nullptr;
};

void BM_PopupOwnerDrawn19(benchmark::State& State) {
  TBenchMenusScope Scope;
  auto* Menu = Create<TPopupMenu>(Application);
  Menu->SetOwnerDraw(true);
  TBenchMenuPainter Painter;
  for (int I = 0; I < 19; ++I) {
    auto* Item = Create<TMenuItem>(Application);
    Item->SetCaption(I % 5 == 4 ? "-" : "Item " + std::to_string(I));
    Item->OnMeasureItem = MakeEvent<&TBenchMenuPainter::Measure>(&Painter);
    Item->OnAdvancedDrawItem = MakeEvent<&TBenchMenuPainter::Draw>(&Painter);
    Menu->GetItems()->Add(Item);
    Painter.Last = Item;
  }
  for (auto _ : State) Menu->Popup(40, 40);
}
BENCHMARK(BM_PopupOwnerDrawn19)->Unit(benchmark::kMicrosecond);

} // namespace
