// The per-pixel loops of the headless desktop's compositor: each puts one
// row of a window surface onto one row of the screen. Pixels are
// 0x00RRGGBB. Blending is exact integer arithmetic, rounded to nearest,
// with red and blue carried side by side in one 32-bit word (each lane's
// value stays below 65536, so no lane ever carries into the other).
#pragma once

#include "platform/WinTypes.h"

#include <cstring>

namespace PixelSpans {

// Floor(X / 255) for X < 65408 without a division, applied to both
// 16-bit lanes of a packed word.
inline DWORD DivideLanesBy255(DWORD X) {
  return ((X + 0x00010001u + ((X >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// (S * A + D * (255 - A) + 127) / 255 in each colour channel.
inline DWORD Blend(DWORD S, DWORD D, DWORD A) {
  const DWORD Inv = 255 - A;
  DWORD RB = (S & 0x00FF00FFu) * A + (D & 0x00FF00FFu) * Inv + 0x007F007Fu;
  DWORD G = ((S >> 8) & 0xFFu) * A + ((D >> 8) & 0xFFu) * Inv + 0x7Fu;
  return DivideLanesBy255(RB) | (DivideLanesBy255(G) << 8);
}

inline void Copy(DWORD* Dst, const DWORD* Src, int Count) {
  std::memcpy(Dst, Src, std::size_t(Count) * sizeof(DWORD));
}

// Pixels equal to Key (0x00RRGGBB) are holes that leave Dst as it was.
inline void CopyKeyed(DWORD* Dst, const DWORD* Src, int Count, DWORD Key) {
  for (int I = 0; I < Count; ++I) {
    DWORD S = Src[I] & 0x00FFFFFFu;
    if (S != Key) Dst[I] = S;
  }
}

inline void BlendSpan(DWORD* Dst, const DWORD* Src, int Count, DWORD Alpha) {
  for (int I = 0; I < Count; ++I) Dst[I] = Blend(Src[I], Dst[I], Alpha);
}

inline void BlendKeyed(DWORD* Dst, const DWORD* Src, int Count, DWORD Alpha, DWORD Key) {
  for (int I = 0; I < Count; ++I) {
    DWORD S = Src[I] & 0x00FFFFFFu;
    if (S != Key) Dst[I] = Blend(S, Dst[I], Alpha);
  }
}

} // namespace PixelSpans
