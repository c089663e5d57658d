// Feeds arbitrary BITMAPINFO headers, colour tables and pixel data to the
// DIB operations, then draws the result stretched and mirrored: none of
// it may read or write outside its buffers, whatever the header claims.
#include "FuzzSurface.h"
#include "platform/WinGdi.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  constexpr std::size_t kInfoSize = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);
  if (Size < sizeof(BITMAPINFOHEADER) + 8) return 0;
  std::vector<std::uint8_t> Info(kInfoSize, 0);
  std::memcpy(Info.data(), Data, std::min(Size, kInfoSize));
  const auto* Bmi = reinterpret_cast<const BITMAPINFO*>(Info.data());
  std::int16_t Geometry[4];
  std::memcpy(Geometry, Data + sizeof(BITMAPINFOHEADER), sizeof Geometry);
  const std::uint8_t* Bits = Data + std::min(Size, kInfoSize);
  const std::size_t BitsSize = Size - std::min(Size, kInfoSize);
  std::vector<std::uint8_t> Pixels(Bits, Bits + BitsSize);
  Pixels.resize(std::max<std::size_t>(BitsSize, 1 << 16), 0);

  TFuzzSurface Target(64, 48);
  HDC DC = Target.DC;

  void* SectionBits = nullptr;
  if (HBITMAP Section = CreateDIBSection(DC, Bmi, DIB_RGB_COLORS, &SectionBits, nullptr, 0)) {
    SetDIBits(DC, Section, 0, 16, Pixels.data(), Bmi, DIB_RGB_COLORS);
    HDC Src = CreateCompatibleDC(DC);
    HGDIOBJ OldSrc = SelectObject(Src, Section);
    StretchBlt(DC, Geometry[0] % 80, Geometry[1] % 80, Geometry[2] % 100, Geometry[3] % 100, Src, 0,
               0, 16, 16, SRCCOPY);
    BitBlt(DC, 0, 0, 64, 48, Src, Geometry[0], Geometry[1], SRCINVERT);
    SelectObject(Src, OldSrc);
    DeleteDC(Src);
    std::vector<std::uint8_t> Out(1 << 16);
    GetDIBits(DC, Section, 0, 8, Out.data(), reinterpret_cast<BITMAPINFO*>(Info.data()),
              DIB_RGB_COLORS);
    DeleteObject(Section);
  }
  StretchDIBits(DC, Geometry[0] % 80, Geometry[1] % 80, Geometry[2] % 100, Geometry[3] % 100, 0, 0,
                8, 8, Pixels.data(), Bmi, DIB_RGB_COLORS, SRCCOPY);
  return 0;
}
