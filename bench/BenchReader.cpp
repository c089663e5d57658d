// Reading form definitions from memory. Goals: a definition with 19
// child components of a few properties each reads in at most 100 us;
// a definition dominated by a 49 KB binary block (a picture's data)
// reads at 500 MB/s or more.
#include "framework/classes/ClassBuilder.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Component.h"
#include "framework/classes/Filer.h"
#include "framework/classes/MemoryStream.h"
#include "framework/classes/Reader.h"
#include "framework/forms/FormLoader.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

class TBenchItem : public TComponent {
  TAVREL_CLASS(TBenchItem, TComponent)
public:
  explicit TBenchItem(TComponent* AOwner) : TComponent(AOwner) {}
  void DeclareExtraProperties(TFiler& Filer) override {
    TComponent::DeclareExtraProperties(Filer);
    Filer.ExtraBinaryProperty("Data", [this](TStream& S) { Size = S.GetSize(); });
  }
  std::string FCaption;
  bool FChecked = false;
  std::int64_t Size = 0;
};

class TBenchRoot : public TComponent {
  TAVREL_CLASS(TBenchRoot, TComponent)
public:
  explicit TBenchRoot(TComponent* AOwner) : TComponent(AOwner) {}
  TBenchItem* Item1 = nullptr;
};

const TClass& TBenchItem::StaticClass() {
  static const TClass Class = TClassBuilder<TBenchItem>("TBenchItem")
                                  .Property("Caption", &TBenchItem::FCaption, &TBenchItem::FCaption)
                                  .Property("Checked", &TBenchItem::FChecked, &TBenchItem::FChecked)
                                  .Build();
  return Class;
}

const TClass& TBenchRoot::StaticClass() {
  static const TClass Class =
      TClassBuilder<TBenchRoot>("TBenchRoot").Field("Item1", &TBenchRoot::Item1).Build();
  return Class;
}

struct TBenchBytes {
  std::vector<std::uint8_t> B;
  void Short(const std::string& S) {
    B.push_back(std::uint8_t(S.size()));
    B.insert(B.end(), S.begin(), S.end());
  }
  void Int16(int V) {
    B.push_back(svInt16);
    B.push_back(std::uint8_t(V));
    B.push_back(std::uint8_t(V >> 8));
  }
};

std::vector<std::uint8_t> BenchStream(int Children, std::size_t BlockSize) {
  TBenchBytes S;
  S.B = {'T', 'P', 'F', '0'};
  S.Short("TBenchRoot");
  S.Short("Root");
  S.B.push_back(svNull);
  for (int I = 1; I <= Children; ++I) {
    S.Short("TBenchItem");
    S.Short("Item" + std::to_string(I));
    S.Short("Caption");
    S.B.push_back(svString);
    S.Short("Menu item " + std::to_string(I));
    S.Short("Checked");
    S.B.push_back(I % 2 ? svTrue : svFalse);
    S.Short("Left");
    S.Int16(300 + I);
    S.Short("Top");
    S.Int16(114);
    if (BlockSize) {
      S.Short("Data");
      S.B.push_back(svBinary);
      for (int K = 0; K < 4; ++K) S.B.push_back(std::uint8_t(BlockSize >> (8 * K)));
      S.B.resize(S.B.size() + BlockSize, 0x5A);
    }
    S.B.push_back(svNull);
    S.B.push_back(svNull);
  }
  S.B.push_back(svNull);
  return S.B;
}

void BenchRead(benchmark::State& State, const std::vector<std::uint8_t>& Bytes) {
  TMemoryStream Stream;
  Stream.WriteBuffer(Bytes.data(), std::int64_t(Bytes.size()));
  for (auto _ : State) {
    auto* Root = Create<TBenchRoot>(nullptr);
    Stream.SetPosition(0);
    {
      TReader Reader(Stream);
      ReadFormStream(Reader, Root);
    }
    benchmark::DoNotOptimize(Root->Item1);
    Root->Free();
  }
  State.SetBytesProcessed(std::int64_t(State.iterations()) * std::int64_t(Bytes.size()));
}

void BM_ReadNineteenComponents(benchmark::State& State) {
  RegisterClass(TBenchItem::StaticClass());
  BenchRead(State, BenchStream(19, 0));
}
BENCHMARK(BM_ReadNineteenComponents)->Unit(benchmark::kMicrosecond);

void BM_ReadBinaryBlock(benchmark::State& State) {
  RegisterClass(TBenchItem::StaticClass());
  BenchRead(State, BenchStream(1, 49155));
}
BENCHMARK(BM_ReadBinaryBlock)->Unit(benchmark::kMicrosecond);

} // namespace
