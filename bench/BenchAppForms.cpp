// Reading the program's own embedded definitions. Goals: TFORMLOGO, whose
// bytes are nearly all the logo's JPEG data, reads at 500 MB/s or more;
// TDM1 with its menu and eighteen items reads in at most 100 us. Each
// iteration reads into a fresh object made without a definition; making
// and freeing it is not timed.
#include "app/Unitlogo.h"
#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Reader.h"
#include "framework/classes/ResourceStream.h"
#include "framework/forms/DataModule.h"
#include "framework/forms/FormLoader.h"
#include "framework/forms/Units.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupMenu.h"
#include "platform/headless/HeadlessDesktop.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The data module's menu class as its definition names it: a popup menu
// that stores its version string.
class TAdvPopupMenu : public TPopupMenu {
  TAVREL_CLASS(TAdvPopupMenu, TPopupMenu)
public:
  explicit TAdvPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}
  std::string GetVersion() const { return "2.0.0.0"; }
  void SetVersion(const std::string&) {}
};

const TClass& TAdvPopupMenu::StaticClass() {
  static const TClass Class =
      TClassBuilder<TAdvPopupMenu>("TAdvPopupMenu")
          .Property("Version", &TAdvPopupMenu::GetVersion, &TAdvPopupMenu::SetVersion)
          .Build();
  return Class;
}

// The published members the definition binds: one field per component,
// one method per click handler.
class TBenchDM1 : public TDataModule {
  TAVREL_CLASS(TBenchDM1, TDataModule)
public:
  explicit TBenchDM1(TComponent* AOwner) : TDataModule(AOwner, CreateNew) {}
  TAdvPopupMenu* AdvPopupMenu1 = nullptr;
  TMenuItem *Minimer = nullptr, *N3 = nullptr, *Vertikal1 = nullptr, *Horisontal1 = nullptr,
            *N1 = nullptr, *Linjefarge1 = nullptr, *LF_Black = nullptr, *LF_Yellow = nullptr,
            *Transparens1 = nullptr, *N01 = nullptr, *N251 = nullptr, *N501 = nullptr,
            *N751 = nullptr, *N901 = nullptr, *N2 = nullptr, *Skjullogo1 = nullptr, *N4 = nullptr,
            *Om1 = nullptr;
  int Clicks = 0;
  void Click(TObject*) { ++Clicks; }
};

const TClass& TBenchDM1::StaticClass() {
  TClassBuilder<TBenchDM1> B("TBenchDM1");
  B.Field("AdvPopupMenu1", &TBenchDM1::AdvPopupMenu1);
  const std::pair<const char*, TMenuItem * TBenchDM1::*> Items[] = {
      {"Minimer", &TBenchDM1::Minimer},
      {"N3", &TBenchDM1::N3},
      {"Vertikal1", &TBenchDM1::Vertikal1},
      {"Horisontal1", &TBenchDM1::Horisontal1},
      {"N1", &TBenchDM1::N1},
      {"Linjefarge1", &TBenchDM1::Linjefarge1},
      {"LF_Black", &TBenchDM1::LF_Black},
      {"LF_Yellow", &TBenchDM1::LF_Yellow},
      {"Transparens1", &TBenchDM1::Transparens1},
      {"N01", &TBenchDM1::N01},
      {"N251", &TBenchDM1::N251},
      {"N501", &TBenchDM1::N501},
      {"N751", &TBenchDM1::N751},
      {"N901", &TBenchDM1::N901},
      {"N2", &TBenchDM1::N2},
      {"Skjullogo1", &TBenchDM1::Skjullogo1},
      {"N4", &TBenchDM1::N4},
      {"Om1", &TBenchDM1::Om1}};
  for (const auto& [Name, Member] : Items) B.Field(Name, Member);
  for (const char* Handler : {"MinimerClick", "Vertikal1Click", "Horisontal1Click", "LF_BlackClick",
                              "LF_YellowClick", "N01Click", "N251Click", "N501Click", "N751Click",
                              "N901Click", "Skjullogo1Click", "Om1Click"})
    B.Method<&TBenchDM1::Click>(Handler);
  static const TClass Class = B.Build();
  return Class;
}

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
  BenchReadResource<TBenchDM1>(State, "TDM1", [] { return Create<TBenchDM1>(nullptr); });
}
BENCHMARK(BM_ReadDM1)->Unit(benchmark::kMicrosecond);

} // namespace
