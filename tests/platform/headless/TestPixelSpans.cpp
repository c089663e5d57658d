#include "platform/headless/PixelSpans.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

DWORD Reference(DWORD S, DWORD D, DWORD A) {
  DWORD Out = 0;
  for (int Shift = 0; Shift <= 16; Shift += 8) {
    DWORD s = (S >> Shift) & 0xFF, d = (D >> Shift) & 0xFF;
    Out |= ((s * A + d * (255 - A) + 127) / 255) << Shift;
  }
  return Out;
}

} // namespace

// Every source, destination and alpha value, each channel in a different
// combination, against the plain per-channel formula.
TEST(PixelSpans, BlendMatchesTheRoundedFormulaEverywhere) {
  int Wrong = 0;
  for (DWORD A = 0; A <= 255; ++A)
    for (DWORD S = 0; S <= 255; ++S)
      for (DWORD D = 0; D <= 255; ++D) {
        DWORD Src = (S << 16) | ((255 - S) << 8) | S, Dst = (D << 16) | (D << 8) | (255 - D);
        if (PixelSpans::Blend(Src, Dst, A) != Reference(Src, Dst, A)) ++Wrong;
      }
  EXPECT_EQ(Wrong, 0);
}

TEST(PixelSpans, BlendIgnoresTheUnusedTopByte) {
  EXPECT_EQ(PixelSpans::Blend(0xFF000000u, 0x00FFFFFFu, 64), 0x00BFBFBFu);
  EXPECT_EQ(PixelSpans::Blend(0x00000000u, 0xAAFFFFFFu, 64), 0x00BFBFBFu);
}

TEST(PixelSpans, KeyedSpansLeaveHolesWhereTheKeyIs) {
  const DWORD Key = 0x00FF00FF;
  std::vector<DWORD> Src{0x00112233, Key, 0xEE000000 | Key, 0x00000000};
  struct TCase {
    const char* Name;
    DWORD Alpha;
    std::vector<DWORD> Expected;
  } Cases[] = {
      {"opaque", 255, {0x00112233, 0x00FFFFFF, 0x00FFFFFF, 0x00000000}},
      {"alpha 64", 64, {Reference(0x00112233, 0xFFFFFF, 64), 0x00FFFFFF, 0x00FFFFFF, 0x00BFBFBF}},
  };
  for (const TCase& C : Cases) {
    std::vector<DWORD> Dst(Src.size(), 0x00FFFFFF);
    if (C.Alpha == 255)
      PixelSpans::CopyKeyed(Dst.data(), Src.data(), int(Src.size()), Key);
    else
      PixelSpans::BlendKeyed(Dst.data(), Src.data(), int(Src.size()), C.Alpha, Key);
    EXPECT_EQ(Dst, C.Expected) << C.Name;
  }
}

TEST(PixelSpans, SpansTouchOnlyTheirCount) {
  std::vector<DWORD> Src(8, 0x00000000), Dst(8, 0x00FFFFFF);
  PixelSpans::BlendSpan(Dst.data() + 2, Src.data(), 3, 255);
  EXPECT_EQ(Dst, (std::vector<DWORD>{0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}));
  PixelSpans::Copy(Dst.data(), Src.data(), 0);
  EXPECT_EQ(Dst[0], 0x00FFFFFFu);
}
