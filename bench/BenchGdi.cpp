// Drawing-layer speed goals: a full-HD FillRect should run at memory
// bandwidth (at least 2 GB/s of pixels written), a long one-pixel line
// should cost a few nanoseconds per pixel, and a menu caption's DrawText
// should stay under 10 microseconds once its glyphs are cached.
#include "platform/WinGdi.h"

#include <benchmark/benchmark.h>

namespace {

struct TSurface {
  HDC DC;
  HBITMAP Bitmap;
  HGDIOBJ Old;
  TSurface(int W, int H) {
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    Info.bmiHeader.biWidth = W;
    Info.bmiHeader.biHeight = -H;
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    void* Bits = nullptr;
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    Old = SelectObject(DC, Bitmap);
  }
  ~TSurface() {
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
};

void BM_FillRectFullHD(benchmark::State& State) {
  TSurface S(1920, 1080);
  HBRUSH Brush = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
  TRect R{0, 0, 1920, 1080};
  for (auto _ : State) {
    FillRect(S.DC, &R, Brush);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(State.iterations() * 1920LL * 1080 * 4);
  DeleteObject(Brush);
}
BENCHMARK(BM_FillRectFullHD);

void BM_LineTo1920(benchmark::State& State) {
  TSurface S(1920, 64);
  HPEN Pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HGDIOBJ Old = SelectObject(S.DC, Pen);
  for (auto _ : State) {
    MoveToEx(S.DC, 0, 10, nullptr);
    LineTo(S.DC, 1920, 10);
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(State.iterations() * 1920);
  SelectObject(S.DC, Old);
  DeleteObject(Pen);
}
BENCHMARK(BM_LineTo1920);

void BM_DrawTextMenuCaption(benchmark::State& State) {
  TSurface S(400, 40);
  LOGFONTA Lf{};
  Lf.lfHeight = -11;
  Lf.lfWeight = FW_NORMAL;
  Lf.lfCharSet = DEFAULT_CHARSET;
  const char Face[] = "Tahoma";
  for (std::size_t i = 0; i < sizeof(Face); ++i) Lf.lfFaceName[i] = Face[i];
  HFONT Font = CreateFontIndirect(&Lf);
  HGDIOBJ Old = SelectObject(S.DC, Font);
  SetBkMode(S.DC, TRANSPARENT);
  const char Caption[] = "&Horisontal linje 50"; // 20 characters, accelerator included
  TRect R{0, 0, 400, 40};
  DrawText(S.DC, Caption, -1, &R, DT_SINGLELINE | DT_EXPANDTABS);
  for (auto _ : State) {
    TRect Box = R;
    benchmark::DoNotOptimize(DrawText(S.DC, Caption, -1, &Box, DT_SINGLELINE | DT_EXPANDTABS));
  }
  SelectObject(S.DC, Old);
  DeleteObject(Font);
}
BENCHMARK(BM_DrawTextMenuCaption);

} // namespace
