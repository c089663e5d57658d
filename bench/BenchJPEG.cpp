// JPEG picture speed goal: decoding the logo (574 x 294) through
// TJPEGImage, from loaded bytes to the 24-bit bitmap, within 3 ms; the
// header-only load that form reading does is measured beside it.
#include "framework/classes/MemoryStream.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/JPEGImage.h"

#include <benchmark/benchmark.h>

namespace {

TMemoryStream& LogoBytes() {
  static TMemoryStream* Bytes = [] {
    auto* S = new TMemoryStream;
    S->LoadFromFile(TAVREL_LOGO_JPG);
    return S;
  }();
  return *Bytes;
}

void BM_JPEGLoadLogoHeader(benchmark::State& State) {
  TJPEGImage* Image = Create<TJPEGImage>();
  for (auto _ : State) {
    LogoBytes().SetPosition(0);
    Image->LoadFromStream(LogoBytes());
    benchmark::DoNotOptimize(Image->GetWidth());
  }
  Image->Free();
}
BENCHMARK(BM_JPEGLoadLogoHeader)->Unit(benchmark::kMicrosecond);

void BM_JPEGDecodeLogo(benchmark::State& State) {
  TJPEGImage* Image = Create<TJPEGImage>();
  Image->SetOutputDepth(State.range(0) ? jf8Bit : jf24Bit);
  for (auto _ : State) {
    State.PauseTiming();
    LogoBytes().SetPosition(0);
    Image->LoadFromStream(LogoBytes());
    State.ResumeTiming();
    benchmark::DoNotOptimize(Image->GetBitmap()->ScanLine(0));
  }
  Image->Free();
}
BENCHMARK(BM_JPEGDecodeLogo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
