#include "platform/gdi/DibFormat.h"

#include "platform/gdi/BitmapSupport.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// The same ceiling TGdiBitmap puts on its storage: a header announcing more
// is refused before anyone trusts a buffer of that size.
constexpr std::uint64_t kMaxImageBytes = std::uint64_t(1) << 30;

bool KnownHeaderSize(DWORD Size) {
  // BITMAPINFOHEADER and its V2, V3, V4 and V5 extensions.
  return Size == 40 || Size == 52 || Size == 56 || Size == 108 || Size == 124;
}

DWORD LoadDword(const BYTE* P) {
  DWORD V;
  std::memcpy(&V, P, 4);
  return V;
}

unsigned Expand(unsigned V, int Bits) {
  if (Bits >= 8) return (V >> (Bits - 8)) & 0xFF;
  unsigned R = 0;
  int Filled = 0;
  while (Filled < 8) R = (R << Bits) | V, Filled += Bits;
  return (R >> (Filled - 8)) & 0xFF;
}

} // namespace

bool TDibFormat::ParseHeader(const BITMAPINFOHEADER& H) {
  if (!KnownHeaderSize(H.biSize) || H.biPlanes != 1) return false;
  if (H.biWidth <= 0 || H.biHeight == 0) return false;
  std::int64_t Height = H.biHeight < 0 ? -std::int64_t(H.biHeight) : H.biHeight;
  int Bpp = H.biBitCount;
  if (Bpp != 1 && Bpp != 4 && Bpp != 8 && Bpp != 16 && Bpp != 24 && Bpp != 32) return false;
  if (H.biCompression != BI_RGB && !(H.biCompression == BI_BITFIELDS && (Bpp == 16 || Bpp == 32)))
    return false;
  if (H.biClrUsed > 256) return false;
  std::uint64_t Stride = ((std::uint64_t(H.biWidth) * std::uint64_t(Bpp) + 31) / 32) * 4;
  if (Stride * std::uint64_t(Height) > kMaxImageBytes) return false;

  FWidth = H.biWidth;
  FHeight = int(Height);
  FTopDown = H.biHeight < 0;
  FBpp = Bpp;
  FCompression = H.biCompression;
  FHeaderSize = H.biSize;
  FStride = std::size_t(Stride);
  FTableEntries = 0;
  if (Bpp <= 8) {
    int Full = 1 << Bpp;
    FTableEntries = (H.biClrUsed == 0 || int(H.biClrUsed) > Full) ? Full : int(H.biClrUsed);
  }
  FColors.clear();
  FLastColor = 0xFFFFFFFF;
  if (Bpp == 16) return SetMasks(0x7C00, 0x03E0, 0x001F);
  if (Bpp == 32) return SetMasks(0xFF0000, 0x00FF00, 0x0000FF);
  return true;
}

bool TDibFormat::Parse(const BITMAPINFO* Info, UINT Usage, const TGdiDC* DC) {
  if (!Info || (Usage != DIB_RGB_COLORS && Usage != DIB_PAL_COLORS)) return false;
  if (!ParseHeader(Info->bmiHeader)) return false;
  const BYTE* Base = reinterpret_cast<const BYTE*>(Info);
  const BYTE* After = Base + FHeaderSize;
  if (FCompression == BI_BITFIELDS) {
    // A plain header is followed by the three masks; the longer headers
    // carry them in their own fields, right after the plain part.
    const BYTE* M = FHeaderSize == 40 ? After : Base + 40;
    if (!SetMasks(LoadDword(M), LoadDword(M + 4), LoadDword(M + 8))) return false;
    if (FHeaderSize == 40) After += 12;
  }
  if (IsIndexed()) return ReadColors(After, Usage, DC);
  return true;
}

bool TDibFormat::SetMasks(DWORD Red, DWORD Green, DWORD Blue) {
  DWORD Limit = FBpp == 16 ? 0xFFFFu : 0xFFFFFFFFu;
  DWORD Seen = 0;
  const DWORD Masks[3] = {Red, Green, Blue};
  for (int I = 0; I < 3; ++I) {
    DWORD M = Masks[I];
    if (M == 0 || (M & ~Limit) || (M & Seen)) return false;
    int Shift = std::countr_zero(M);
    DWORD Run = M >> Shift;
    if (Run & (Run + 1)) return false;
    FChannels[I] = TChannel{M, Shift, std::popcount(M)};
    Seen |= M;
  }
  return true;
}

bool TDibFormat::ReadColors(const BYTE* Table, UINT Usage, const TGdiDC* DC) {
  FColors.resize(std::size_t(FTableEntries));
  if (Usage == DIB_PAL_COLORS) {
    std::vector<PALETTEENTRY> Pal = PaletteEntriesOf(DC);
    for (int I = 0; I < FTableEntries; ++I) {
      WORD Index;
      std::memcpy(&Index, Table + 2 * I, 2);
      FColors[std::size_t(I)] = Index < Pal.size() ? EntryToQuad(Pal[Index]) : RGBQUAD{0, 0, 0, 0};
    }
    return true;
  }
  for (int I = 0; I < FTableEntries; ++I) {
    std::memcpy(&FColors[std::size_t(I)], Table + 4 * I, 4);
    FColors[std::size_t(I)].rgbReserved = 0;
  }
  return true;
}

void TDibFormat::SetColors(const std::vector<RGBQUAD>& Colors) {
  FColors = Colors;
  FLastColor = 0xFFFFFFFF;
}

bool TDibFormat::HasNativeLayout() const {
  if (FBpp == 16)
    return FChannels[0].Mask == 0x7C00 && FChannels[1].Mask == 0x03E0 &&
           FChannels[2].Mask == 0x001F;
  if (FBpp == 32)
    return FChannels[0].Mask == 0xFF0000 && FChannels[1].Mask == 0x00FF00 &&
           FChannels[2].Mask == 0x0000FF;
  return true;
}

TRgb32 TDibFormat::ReadPixel(const BYTE* Row, int X) const {
  if (FBpp <= 8) {
    unsigned Index = ReadIndex(Row, X);
    return Index < FColors.size() ? QuadToRgb32(FColors[Index]) : 0;
  }
  if (FBpp == 24)
    return (TRgb32(Row[X * 3 + 2]) << 16) | (TRgb32(Row[X * 3 + 1]) << 8) | Row[X * 3];
  DWORD V = FBpp == 16 ? DWORD(Row[X * 2] | (Row[X * 2 + 1] << 8)) : LoadDword(Row + X * 4);
  TRgb32 Out = 0;
  for (int I = 0; I < 3; ++I) {
    const TChannel& C = FChannels[I];
    Out |= TRgb32(Expand((V & C.Mask) >> C.Shift, C.Bits)) << (16 - 8 * I);
  }
  return Out;
}

void TDibFormat::WritePixel(BYTE* Row, int X, TRgb32 Color) const {
  if (FBpp <= 8) return WriteIndex(Row, X, unsigned(NearestIndex(Color & 0xFFFFFF)));
  if (FBpp == 24) {
    Row[X * 3] = BYTE(Color), Row[X * 3 + 1] = BYTE(Color >> 8), Row[X * 3 + 2] = BYTE(Color >> 16);
    return;
  }
  DWORD V = 0;
  for (int I = 0; I < 3; ++I) {
    const TChannel& C = FChannels[I];
    DWORD Level = (Color >> (16 - 8 * I)) & 0xFF;
    DWORD Field = C.Bits >= 8 ? Level << (C.Bits - 8) : Level >> (8 - C.Bits);
    V |= (Field << C.Shift) & C.Mask;
  }
  if (FBpp == 16) {
    Row[X * 2] = BYTE(V), Row[X * 2 + 1] = BYTE(V >> 8);
  } else {
    std::memcpy(Row + X * 4, &V, 4);
  }
}

unsigned TDibFormat::ReadIndex(const BYTE* Row, int X) const { return ReadRowIndex(Row, FBpp, X); }

void TDibFormat::WriteIndex(BYTE* Row, int X, unsigned Index) const {
  WriteRowIndex(Row, FBpp, X, Index);
}

int TDibFormat::NearestIndex(TRgb32 Color) const {
  if (Color == FLastColor) return FLastIndex;
  int Best = 0;
  long BestDist = 0x7FFFFFFF;
  int R = (Color >> 16) & 0xFF, G = (Color >> 8) & 0xFF, B = Color & 0xFF;
  for (std::size_t I = 0; I < FColors.size() && BestDist > 0; ++I) {
    const RGBQUAD& Q = FColors[I];
    long Dr = R - Q.rgbRed, Dg = G - Q.rgbGreen, Db = B - Q.rgbBlue;
    long Dist = Dr * Dr + Dg * Dg + Db * Db;
    if (Dist < BestDist) BestDist = Dist, Best = int(I);
  }
  FLastColor = Color;
  FLastIndex = Best;
  return Best;
}
