#include "platform/gdi/Bitmap.h"

#include "platform/gdi/BitmapSupport.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// Larger requests are refused rather than allowed to exhaust memory: no
// desktop surface of this program comes near it.
constexpr std::size_t kMaxBitmapBytes = std::size_t(1) << 30;

std::vector<RGBQUAD> DefaultColorTable(int Bpp) {
  std::vector<RGBQUAD> T;
  if (Bpp == 1) {
    T = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  } else if (Bpp == 4) {
    // The classic 16-colour table.
    static const BYTE V[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                  {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
                                  {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                  {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (auto& c : V) T.push_back({c[2], c[1], c[0], 0});
  } else if (Bpp == 8) {
    for (int i = 0; i < 256; ++i) T.push_back({BYTE(i), BYTE(i), BYTE(i), 0});
  }
  return T;
}

inline TRgb32 QuadToRgb(const RGBQUAD& q) {
  return (TRgb32(q.rgbRed) << 16) | (TRgb32(q.rgbGreen) << 8) | q.rgbBlue;
}

} // namespace

TGdiBitmap::TGdiBitmap(int Width, int Height, int Bpp, bool BottomUp)
    : TGdiObject(OBJ_BITMAP), FWidth(std::max(Width, 0)), FHeight(std::max(Height, 0)), FBpp(Bpp),
      FStride(0), FBottomUp(BottomUp) {
  std::size_t RowBits = std::size_t(FWidth) * std::size_t(FBpp);
  std::size_t Stride = ((RowBits + 31) / 32) * 4;
  FColorTable = DefaultColorTable(Bpp);
  if (FWidth == 0 || FHeight == 0) return;
  if (Stride > kMaxBitmapBytes || Stride * std::size_t(FHeight) > kMaxBitmapBytes) {
    FRefused = true;
    return;
  }
  FStride = int(Stride);
  // calloc leaves fresh pages from the system as they come, zero and not
  // yet resident, where value-initialising new would write every byte.
  FStorage.reset(static_cast<BYTE*>(std::calloc(Stride * std::size_t(FHeight), 1)));
  FBits = FStorage.get();
  FRefused = FBits == nullptr;
}

void TGdiBitmap::SetColorTable(const std::vector<RGBQUAD>& Table) {
  std::size_t Max = FBpp <= 8 ? (std::size_t(1) << FBpp) : 0;
  FColorTable.assign(Table.begin(), Table.begin() + std::min(Table.size(), Max));
  FLastColor = 0xFFFFFFFF;
}

int TGdiBitmap::NearestIndex(TRgb32 Color) const {
  if (Color == FLastColor) return FLastIndex;
  int Best = 0;
  long BestDist = 0x7FFFFFFF;
  int R = (Color >> 16) & 0xFF, G = (Color >> 8) & 0xFF, B = Color & 0xFF;
  for (std::size_t i = 0; i < FColorTable.size(); ++i) {
    const RGBQUAD& q = FColorTable[i];
    long dr = R - q.rgbRed, dg = G - q.rgbGreen, db = B - q.rgbBlue;
    long Dist = dr * dr + dg * dg + db * db;
    if (Dist < BestDist) BestDist = Dist, Best = int(i);
    if (Dist == 0) break;
  }
  FLastColor = Color;
  FLastIndex = Best;
  return Best;
}

TRgb32 TGdiBitmap::ReadPixel(int X, int Y) const {
  const BYTE* R = Row(Y);
  switch (FBpp) {
  case 32: {
    TRgb32 v;
    std::memcpy(&v, R + X * 4, 4);
    return v & 0xFFFFFF;
  }
  case 24: return (TRgb32(R[X * 3 + 2]) << 16) | (TRgb32(R[X * 3 + 1]) << 8) | R[X * 3];
  case 16: {
    unsigned v = R[X * 2] | (R[X * 2 + 1] << 8);
    unsigned r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
    return (((r << 3) | (r >> 2)) << 16) | (((g << 3) | (g >> 2)) << 8) | ((b << 3) | (b >> 2));
  }
  default: break;
  }
  unsigned Index = ReadRowIndex(R, FBpp, X);
  if (Index >= FColorTable.size()) return 0;
  return QuadToRgb(FColorTable[Index]);
}

void TGdiBitmap::WritePixel(int X, int Y, TRgb32 Color) {
  BYTE* R = Row(Y);
  switch (FBpp) {
  case 32: {
    TRgb32 v = Color & 0xFFFFFF;
    std::memcpy(R + X * 4, &v, 4);
    return;
  }
  case 24:
    R[X * 3] = BYTE(Color), R[X * 3 + 1] = BYTE(Color >> 8), R[X * 3 + 2] = BYTE(Color >> 16);
    return;
  case 16: {
    unsigned v = (((Color >> 19) & 31) << 10) | (((Color >> 11) & 31) << 5) | ((Color >> 3) & 31);
    R[X * 2] = BYTE(v), R[X * 2 + 1] = BYTE(v >> 8);
    return;
  }
  default: break;
  }
  WriteRowIndex(R, FBpp, X, unsigned(NearestIndex(Color & 0xFFFFFF)));
}

void TGdiBitmap::FillSpan(int X0, int X1, int Y, TRgb32 Color) {
  if (X1 <= X0) return;
  if (FBpp == 32) {
    std::uint32_t* P = reinterpret_cast<std::uint32_t*>(Row(Y)) + X0;
    std::fill(P, P + (X1 - X0), std::uint32_t(Color & 0xFFFFFF));
    return;
  }
  for (int X = X0; X < X1; ++X) WritePixel(X, Y, Color);
}

void TGdiBitmap::RopSpan(int X0, int X1, int Y, TRgb32 Color, int Rop2) {
  if (Rop2 == R2_COPYPEN) return FillSpan(X0, X1, Y, Color);
  if (Rop2 == R2_NOP) return;
  if (FBpp > 8) {
    for (int X = X0; X < X1; ++X) WritePixel(X, Y, ApplyRop2(Rop2, Color, ReadPixel(X, Y)));
    return;
  }
  // Indexed rows combine colour-table indexes, as blits do: mixing colours
  // and taking the nearest entry would give other pixels than BitBlt and
  // keep XOR drawing from undoing itself.
  const unsigned Mask = (1u << FBpp) - 1, Pen = unsigned(NearestIndex(Color));
  BYTE* R = Row(Y);
  for (int X = X0; X < X1; ++X)
    WriteRowIndex(R, FBpp, X, ApplyRop2(Rop2, Pen, ReadRowIndex(R, FBpp, X)) & Mask);
}

void TGdiBitmap::BlendPixel(int X, int Y, TRgb32 Color, int Coverage) {
  if (Coverage <= 0) return;
  if (Coverage >= 255) return WritePixel(X, Y, Color);
  TRgb32 D = ReadPixel(X, Y);
  TRgb32 Out = 0;
  for (int Shift = 0; Shift <= 16; Shift += 8) {
    int s = (Color >> Shift) & 0xFF, d = (D >> Shift) & 0xFF;
    int v = d + ((s - d) * Coverage + 127) / 255;
    Out |= TRgb32(v) << Shift;
  }
  WritePixel(X, Y, Out);
}

TRgb32 ApplyRop2(int Rop2, TRgb32 P, TRgb32 D) {
  TRgb32 R;
  switch (Rop2) {
  case R2_BLACK: R = 0; break;
  case R2_NOTMERGEPEN: R = ~(D | P); break;
  case R2_MASKNOTPEN: R = D & ~P; break;
  case R2_NOTCOPYPEN: R = ~P; break;
  case R2_MASKPENNOT: R = P & ~D; break;
  case R2_NOT: R = ~D; break;
  case R2_XORPEN: R = D ^ P; break;
  case R2_NOTMASKPEN: R = ~(D & P); break;
  case R2_MASKPEN: R = D & P; break;
  case R2_NOTXORPEN: R = ~(D ^ P); break;
  case R2_NOP: R = D; break;
  case R2_MERGENOTPEN: R = D | ~P; break;
  case R2_MERGEPENNOT: R = P | ~D; break;
  case R2_MERGEPEN: R = D | P; break;
  case R2_WHITE: R = 0xFFFFFF; break;
  default: R = P; break;
  }
  return R & 0xFFFFFF;
}

TRgb32 ApplyRop3(BYTE Rop3, TRgb32 P, TRgb32 S, TRgb32 D) {
  // The operation code is a truth table indexed by (P, S, D) bits:
  // bit (P << 2 | S << 1 | D) of Rop3 gives the result bit.
  TRgb32 R = 0;
  for (int i = 0; i < 8; ++i) {
    if (!(Rop3 & (1 << i))) continue;
    TRgb32 m = ((i & 4) ? P : ~P) & ((i & 2) ? S : ~S) & ((i & 1) ? D : ~D);
    R |= m;
  }
  return R & 0xFFFFFF;
}
