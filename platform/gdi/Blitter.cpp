#include "platform/gdi/Blitter.h"

#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstring>

namespace {

// The raster operations the framework uses most are spelled out; the
// general truth-table evaluation handles the rest.
inline unsigned Combine(BYTE Rop, unsigned P, unsigned S, unsigned D) {
  switch (Rop) {
  case 0xCC: return S;
  case 0x88: return S & D;
  case 0xEE: return S | D;
  case 0x66: return S ^ D;
  case 0x33: return ~S;
  case 0xF0: return P;
  case 0xAA: return D;
  case 0x55: return ~D;
  case 0x5A: return P ^ D;
  case 0x00: return 0;
  case 0xFF: return ~0u;
  default: return ApplyRop3(Rop, P, S, D);
  }
}

std::int64_t Abs64(std::int64_t V) { return V < 0 ? -V : V; }

} // namespace

void TBlitter::SetSource(const TGdiBitmap& Src, const TGdiDC* SrcDC) {
  FSrc = &Src;
  FSrcDC = SrcDC;
}

void TBlitter::SetMask(const TGdiBitmap& Mask, int X, int Y, BYTE BackRop3) {
  FMask = &Mask;
  FMaskX = X;
  FMaskY = Y;
  FBackRop = BackRop3;
}

void TBlitter::SetTransparent(TRgb32 Color) {
  FTransparent = true;
  FTransparentColor = Color & 0xFFFFFF;
}

TBlitter::TSpan TBlitter::SourceSpan(const TAxis& A, std::int64_t I, bool Average, int Limit) {
  std::int64_t Lo, Hi;
  if (Average) {
    Lo = I * A.SrcLen / A.DstLen;
    Hi = std::max((I + 1) * A.SrcLen / A.DstLen, Lo + 1);
  } else {
    Lo = (2 * I + 1) * A.SrcLen / (2 * A.DstLen);
    Hi = Lo + 1;
  }
  if (A.Mirror) {
    std::int64_t MirroredLo = A.SrcLen - Hi;
    Hi = A.SrcLen - Lo;
    Lo = MirroredLo;
  }
  Lo = std::max<std::int64_t>(Lo + A.SrcLo, 0);
  Hi = std::min<std::int64_t>(Hi + A.SrcLo, Limit);
  if (Lo >= Hi) return TSpan{-1, -1};
  return TSpan{int(Lo), int(Hi)};
}

bool TBlitter::Run(const TBlitRect& D, const TBlitRect& S) {
  FSurface = FDst.Surface();
  if (!FSurface || D.W == 0 || D.H == 0) return true;
  if (FSrc && (S.W == 0 || S.H == 0)) return false;
  TAxis Ax{D.W < 0 ? D.X + D.W : D.X, Abs64(D.W), S.W < 0 ? S.X + S.W : S.X, Abs64(S.W),
           (D.W < 0) != (S.W < 0)};
  TAxis Ay{D.H < 0 ? D.Y + D.H : D.Y, Abs64(D.H), S.H < 0 ? S.Y + S.H : S.Y, Abs64(S.H),
           (D.H < 0) != (S.H < 0)};
  TRect64 Box = TRect64{Ax.DstLo, Ay.DstLo, Ax.DstLo + Ax.DstLen, Ay.DstLo + Ay.DstLen}.Intersect(
      TRect64{0, 0, FSurface->Width(), FSurface->Height()});
  if (Box.Empty()) return true;
  FValueMask = IsIndexed(*FSurface) ? (1u << FSurface->BitsPerPixel()) - 1 : 0xFFFFFFu;
  if (!PreparePattern()) return true;
  if (FSrc && !PrepareSource(Box, Ax, Ay)) return true;
  for (const TRect& R : FDst.SurfaceClipRects()) {
    TRect64 C = Box.Intersect(TRect64{R.Left, R.Top, R.Right, R.Bottom});
    if (C.Empty()) continue;
    if (FCopyBytes) {
      CopyRows(C, Ax, Ay);
      continue;
    }
    for (std::int64_t Y = C.Top; Y < C.Bottom; ++Y) {
      TSpan Sy{0, 1};
      if (FSrc) {
        Sy = RowSpan(Ay, Y);
        if (Sy.Lo < 0) continue;
      }
      BlendRow(int(Y), int(C.Left), int(C.Right), Sy, Ax, Ay);
    }
  }
  return true;
}

bool TBlitter::PreparePattern() {
  if (!UsesPattern(FRop) && !(FMask && UsesPattern(FBackRop))) return true;
  // A null brush paints nothing, so an operation that needs it draws
  // nothing either.
  FInk = TGdiInk::OfBrush(FDst, FDst.State.Brush);
  return FInk.Paints();
}

bool TBlitter::PrepareSource(const TRect64& Box, const TAxis& Ax, const TAxis& Ay) {
  FSrcWidth = FSrc->Width();
  FSrcHeight = FSrc->Height();
  bool Monochrome = IsMonoDDB(*FSrc) || IsMonoDDB(*FSurface);
  bool Average = FHalftone && !Monochrome && !FTransparent;
  FAverageX = Average && Ax.SrcLen > Ax.DstLen;
  FAverageY = Average && Ay.SrcLen > Ay.DstLen;
  FBkRule = FSrcDC && IsMonoDDB(*FSurface) && !IsMonoDDB(*FSrc);
  if (FBkRule) FSrcBk = GdiResolveColor(*FSrcDC, FSrcDC->State.BkColor);
  if (FSrc == FSurface && !TakeSnapshot(Box, Ax, Ay)) return false;
  BuildLookup();

  FColumnsLeft = Box.Left;
  FColumns.resize(std::size_t(Box.Right - Box.Left));
  for (std::size_t I = 0; I < FColumns.size(); ++I)
    FColumns[I] = SourceSpan(Ax, Box.Left + std::int64_t(I) - Ax.DstLo, FAverageX, FSrcWidth);

  bool Identity = true;
  for (std::size_t I = 0; FHasLookup && I < FLookup.size(); ++I)
    if (FLookup[I] != I) Identity = false;
  FCopyBytes = FRop == 0xCC && !FMask && !FTransparent && !Ax.Mirror && !Ay.Mirror &&
               Ax.SrcLen == Ax.DstLen && Ay.SrcLen == Ay.DstLen &&
               FSrc->BitsPerPixel() == FSurface->BitsPerPixel() && FSurface->BitsPerPixel() >= 8 &&
               Identity;
  return true;
}

bool TBlitter::TakeSnapshot(const TRect64& Box, const TAxis& Ax, const TAxis& Ay) {
  TRect64 Used = TRect64{Ax.SrcLo, Ay.SrcLo, Ax.SrcLo + Ax.SrcLen, Ay.SrcLo + Ay.SrcLen}.Intersect(
      TRect64{0, 0, FSrcWidth, FSrcHeight});
  if (Used.Intersect(Box).Empty()) return true;
  int Top = int(Used.Top), Rows = int(Used.Bottom - Used.Top);
  auto Copy = std::make_unique<TGdiBitmap>(FSrcWidth, Rows, FSrc->BitsPerPixel());
  if (!Copy->Valid()) return false;
  Copy->IsDibSection = FSrc->IsDibSection;
  Copy->SetColorTable(FSrc->ColorTable());
  for (int Y = 0; Y < Rows; ++Y)
    std::memcpy(Copy->Row(Y), FSrc->Row(Top + Y), std::size_t(FSrc->Stride()));
  FSnapshot = std::move(Copy);
  FSnapshotTop = Top;
  FSrc = FSnapshot.get();
  return true;
}

void TBlitter::BuildLookup() {
  FHasLookup = IsIndexed(*FSrc);
  if (!FHasLookup) return;
  bool MonoToColor = IsMonoDDB(*FSrc) && !IsMonoDDB(*FSurface);
  bool SameTable = IsIndexed(*FSurface) && SameColorTable(*FSrc, *FSurface);
  TRgb32 Text = GdiResolveColor(FDst, FDst.State.TextColor);
  TRgb32 Back = GdiResolveColor(FDst, FDst.State.BkColor);
  const std::vector<RGBQUAD>& Table = FSrc->ColorTable();
  FLookup.assign(std::size_t(1) << FSrc->BitsPerPixel(), 0);
  for (std::size_t I = 0; I < FLookup.size(); ++I) {
    if (MonoToColor)
      FLookup[I] = ValueOfColor(*FSurface, I ? Back : Text);
    else if (SameTable && I < Table.size())
      FLookup[I] = unsigned(I);
    else
      FLookup[I] = ConvertColor(I < Table.size() ? QuadToRgb32(Table[I]) : 0);
  }
}

TBlitter::TSpan TBlitter::RowSpan(const TAxis& Ay, std::int64_t Y) const {
  TSpan S = SourceSpan(Ay, Y - Ay.DstLo, FAverageY, FSrcHeight);
  if (S.Lo >= 0) S.Lo -= FSnapshotTop, S.Hi -= FSnapshotTop;
  return S;
}

unsigned TBlitter::ConvertColor(TRgb32 Color) const {
  if (FBkRule) return (Color & 0xFFFFFF) == FSrcBk ? 1u : 0u;
  return ValueOfColor(*FSurface, Color);
}

unsigned TBlitter::SourceValue(const TSpan& Sx, const TSpan& Sy) const {
  if (Sx.Hi - Sx.Lo == 1 && Sy.Hi - Sy.Lo == 1) {
    if (FHasLookup) return FLookup[ReadIndex(*FSrc, Sx.Lo, Sy.Lo)];
    return ConvertColor(FSrc->ReadPixel(Sx.Lo, Sy.Lo));
  }
  std::uint64_t R = 0, G = 0, B = 0;
  for (int Y = Sy.Lo; Y < Sy.Hi; ++Y)
    for (int X = Sx.Lo; X < Sx.Hi; ++X) {
      TRgb32 C = FSrc->ReadPixel(X, Y);
      R += (C >> 16) & 0xFF, G += (C >> 8) & 0xFF, B += C & 0xFF;
    }
  std::uint64_t N = std::uint64_t(Sx.Hi - Sx.Lo) * std::uint64_t(Sy.Hi - Sy.Lo);
  TRgb32 Mean =
      TRgb32((R + N / 2) / N) << 16 | TRgb32((G + N / 2) / N) << 8 | TRgb32((B + N / 2) / N);
  return ConvertColor(Mean);
}

bool TBlitter::PatternValue(int X, int Y, unsigned& Out) const {
  TRgb32 Color;
  if (!FInk.At(std::int64_t(X) - FDst.SurfaceOrigin.X, std::int64_t(Y) - FDst.SurfaceOrigin.Y,
               Color))
    return false;
  Out = ValueOfColor(*FSurface, Color);
  return true;
}

void TBlitter::CopyRows(const TRect64& C, const TAxis& Ax, const TAxis& Ay) {
  // Unstretched SRCCOPY between equal formats: source column of X is
  // X + Shift, and the valid source columns form one run.
  std::int64_t Shift = Ax.SrcLo - Ax.DstLo;
  // Shift can lie far outside the int range (origins near its ends), so
  // the run is cut to both bitmaps before anything is narrowed.
  std::int64_t X0 = std::max(C.Left, -Shift), X1 = std::min(C.Right, FSrcWidth - Shift);
  if (X0 >= X1) return;
  std::size_t Bytes = std::size_t(FSurface->BitsPerPixel() / 8);
  for (std::int64_t Y = C.Top; Y < C.Bottom; ++Y) {
    std::int64_t Sy = Ay.SrcLo + (Y - Ay.DstLo);
    if (Sy < 0 || Sy >= FSrcHeight) continue;
    std::memmove(FSurface->Row(int(Y)) + std::size_t(X0) * Bytes,
                 FSrc->Row(int(Sy) - FSnapshotTop) + std::size_t(X0 + Shift) * Bytes,
                 std::size_t(X1 - X0) * Bytes);
  }
}

void TBlitter::BlendRow(int Y, int X0, int X1, const TSpan& Sy, const TAxis& Ax, const TAxis& Ay) {
  int MaskY = FMask ? FMaskY + int(Y - Ay.DstLo) : 0;
  for (int X = X0; X < X1; ++X) {
    unsigned S = 0;
    if (FSrc) {
      const TSpan& Sx = FColumns[std::size_t(X - FColumnsLeft)];
      if (Sx.Lo < 0) continue;
      if (FTransparent && FSrc->ReadPixel(Sx.Lo, Sy.Lo) == FTransparentColor) continue;
      S = SourceValue(Sx, Sy);
    }
    BYTE Rop = FRop;
    if (FMask && !ReadIndex(*FMask, FMaskX + int(X - Ax.DstLo), MaskY)) Rop = FBackRop;
    unsigned P = 0;
    // The gaps of a hatch drawn in TRANSPARENT mode leave the pixel alone.
    if (UsesPattern(Rop) && !PatternValue(X, Y, P)) continue;
    unsigned D = ReadValue(*FSurface, X, Y);
    WriteValue(*FSurface, X, Y, Combine(Rop, P, S, D) & FValueMask);
  }
}
