// What a drawing operation lays on the pixels it covers: a solid colour, a
// hatch or a pattern, combined with the destination by a binary raster
// operation (pens, shape fills) or by a pattern-destination ternary one
// (FillRect, PatBlt). A brush handle is resolved once per operation, so the
// per-pixel work is a table lookup at most.
#pragma once

#include "platform/gdi/DeviceContext.h"

#include <cstdint>

class TGdiInk {
public:
  // The brush as the DC paints it (colours, background mode, brush origin).
  // Null brushes and bad handles give an ink that paints nothing.
  static TGdiInk OfBrush(const TGdiDC& DC, HGDIOBJ Brush);
  static TGdiInk OfColor(const TGdiDC& DC, TRgb32 Color);

  void SetRop2(int Rop2) {
    FUseRop3 = false;
    FRop2 = Rop2;
  }
  void SetRop3(BYTE Rop3) {
    FUseRop3 = true;
    FRop3 = Rop3;
  }

  bool Paints() const { return FKind != TKind::None; }

  // The ink's colour at device pixel (X, Y); false leaves the pixel alone.
  bool At(std::int64_t DeviceX, std::int64_t DeviceY, TRgb32& Out) const;

  // Paints [X0, X1) of surface row Y, which the caller has clipped.
  void PaintSpan(TGdiBitmap& Surface, int X0, int X1, int Y) const;

private:
  enum class TKind { None, Solid, Hatch, Pattern };

  TRgb32 Mix(TRgb32 P, TRgb32 D) const;
  void CopyPatternSpan32(TGdiBitmap& Surface, int X0, int X1, int Y) const;

  TKind FKind = TKind::None;
  TRgb32 FColor = 0;
  TRgb32 FBack = 0;
  bool FOpaque = true;
  int FHatch = 0;
  const TGdiBrush* FBrush = nullptr;
  // Surface pixel (x, y) takes the pattern cell at (x - FOrgX, y - FOrgY).
  std::int64_t FOrgX = 0, FOrgY = 0;
  // Device pixel (x, y) is surface pixel (x + FSurfX, y + FSurfY).
  std::int64_t FSurfX = 0, FSurfY = 0;
  bool FUseRop3 = false;
  int FRop2 = R2_COPYPEN;
  BYTE FRop3 = 0xF0;
};
