// The engine behind BitBlt, StretchBlt, MaskBlt, TransparentBlt and
// StretchDIBits: combines a (possibly stretched or mirrored) source, the
// destination DC's brush and the destination through a ternary raster
// operation, clipped to the destination DC and to the source bitmap.
//
// Stretching samples the nearest source pixel (the one under the centre of
// the destination pixel) in every stretch mode; HALFTONE instead averages
// the source pixels a destination pixel covers along each axis that
// shrinks, when neither side is a monochrome device-dependent bitmap.
//
// Colour conversion: a monochrome DDB source paints its 0 bits in the
// destination DC's text colour and its 1 bits in its background colour; a
// colour source into a monochrome DDB gives 1 (white) where the pixel
// equals the source DC's background colour and 0 elsewhere; everything
// else converts through colours, indexed destinations taking the nearest
// colour-table entry. Raster operations on indexed destinations combine
// indexes.
#pragma once

#include "platform/gdi/BitmapSupport.h"
#include "platform/gdi/GdiInk.h"

#include <memory>
#include <vector>

// A rectangle as the blit operations take it: origin and signed extents
// (a negative extent spans to the left of or above the origin).
struct TBlitRect {
  std::int64_t X, Y, W, H;
};

class TBlitter {
public:
  explicit TBlitter(TGdiDC& Dst) : FDst(Dst) {}

  // Rop3 is the high-word byte of a raster operation code.
  void SetRop(BYTE Rop3) { FRop = Rop3; }
  // SrcDC supplies the background colour for colour-to-monochrome
  // conversion; without one the nearest colour is taken.
  void SetSource(const TGdiBitmap& Src, const TGdiDC* SrcDC);
  // Where the monochrome Mask has a 0 bit, BackRop3 applies instead. The
  // caller checks that the mask covers the destination extent at (X, Y).
  void SetMask(const TGdiBitmap& Mask, int X, int Y, BYTE BackRop3);
  // Source pixels of this colour are left out.
  void SetTransparent(TRgb32 Color);
  void SetHalftone(bool On) { FHalftone = On; }

  static bool UsesSource(BYTE Rop3) { return (((Rop3 >> 2) ^ Rop3) & 0x33) != 0; }
  static bool UsesPattern(BYTE Rop3) { return (((Rop3 >> 4) ^ Rop3) & 0x0F) != 0; }

  // Dst is in destination surface pixels, Src in source bitmap pixels.
  // False when a needed source rectangle is empty.
  bool Run(const TBlitRect& Dst, const TBlitRect& Src);

private:
  // A source span [Lo, Hi) feeding one destination row or column; Lo < 0
  // when it lies outside the source bitmap.
  struct TSpan {
    int Lo, Hi;
  };
  struct TAxis {
    std::int64_t DstLo, DstLen, SrcLo, SrcLen;
    bool Mirror;
  };
  static TSpan SourceSpan(const TAxis& A, std::int64_t Index, bool Average, int Limit);

  bool PreparePattern();
  bool PrepareSource(const TRect64& Box, const TAxis& Ax, const TAxis& Ay);
  bool TakeSnapshot(const TRect64& Box, const TAxis& Ax, const TAxis& Ay);
  void BuildLookup();
  TSpan RowSpan(const TAxis& Ay, std::int64_t Y) const;
  unsigned ConvertColor(TRgb32 Color) const;
  unsigned SourceValue(const TSpan& Sx, const TSpan& Sy) const;
  bool PatternValue(int X, int Y, unsigned& Out) const;
  void CopyRows(const TRect64& Clip, const TAxis& Ax, const TAxis& Ay);
  void BlendRow(int Y, int X0, int X1, const TSpan& Sy, const TAxis& Ax, const TAxis& Ay);

  TGdiDC& FDst;
  TGdiBitmap* FSurface = nullptr;
  BYTE FRop = 0xCC;
  const TGdiBitmap* FSrc = nullptr;
  const TGdiDC* FSrcDC = nullptr;
  int FSrcWidth = 0, FSrcHeight = 0;
  // A copy of the source rows when source and destination overlap; FSrc
  // then points at it and its row 0 is source row FSnapshotTop.
  std::unique_ptr<TGdiBitmap> FSnapshot;
  int FSnapshotTop = 0;
  bool FBkRule = false;
  TRgb32 FSrcBk = 0;
  bool FCopyBytes = false;
  const TGdiBitmap* FMask = nullptr;
  int FMaskX = 0, FMaskY = 0;
  BYTE FBackRop = 0xCC;
  bool FTransparent = false;
  TRgb32 FTransparentColor = 0;
  bool FHalftone = false;
  bool FAverageX = false, FAverageY = false;
  TGdiInk FInk;
  unsigned FValueMask = 0xFFFFFF;
  bool FHasLookup = false;
  std::vector<unsigned> FLookup;
  std::vector<TSpan> FColumns;
  std::int64_t FColumnsLeft = 0;
};
