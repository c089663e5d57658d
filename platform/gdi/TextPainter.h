// Puts runs on a DC's surface. A run is first drawn into a coverage mask
// in run coordinates (glyphs, underline, strike-out, accelerator marks),
// then every surface pixel that may show is mapped back into the run and
// takes its coverage there. Mapping back rather than forward makes any
// escapement work with one loop: multiples of 90 degrees map pixel centres
// onto pixel centres, so those rotations are exact, and other angles
// sample the mask at the nearest pixel. Only the part of the run that
// survives clipping is ever rasterised.
#pragma once

#include "platform/gdi/DcState.h"
#include "platform/gdi/TextRun.h"

#include <vector>

struct TTextPaint {
  // The reference point in device coordinates, and which point of the
  // run's cell it is (TA_LEFT/TA_CENTER/TA_RIGHT | TA_TOP/TA_BASELINE/
  // TA_BOTTOM).
  TPoint64 Origin{0, 0};
  UINT Align = TA_LEFT | TA_TOP;
  // Tenths of a degree, counter-clockwise.
  LONG Escapement = 0;
  bool Underline = false;
  bool StrikeOut = false;
  // Fill the cell with the background colour first.
  bool Opaque = false;
  // False draws only the run's underline spans (DrawText's DT_PREFIXONLY).
  bool DrawGlyphs = true;
  // Device rectangle the run is clipped to, besides the DC's clipping.
  bool HasClip = false;
  TRect64 Clip{0, 0, 0, 0};
};

class TTextPainter {
public:
  TTextPainter(TGdiDC& DC, TRealizedFont& Font);

  void Paint(const TTextRun& Run, const TTextPaint& P);
  // Fills a device rectangle with Color, within the DC's clipping.
  static void FillRect(TGdiDC& DC, const TRect64& Device, COLORREF Color);

  // Where the reference point moves along the baseline when a run of
  // Width pixels is drawn at escapement Escapement (TA_UPDATECP).
  static TPoint64 Advance(std::int64_t Width, LONG Escapement);

private:
  struct TRotation {
    double C, S;
    std::int64_t CFixed, SFixed; // 16.16 fixed point
  };
  // A half-open box, in run coordinates (X along the text, Y down across
  // it) or in surface coordinates, depending on use.
  struct TBox {
    std::int64_t X0, Y0, X1, Y1;
    bool Empty() const { return X0 >= X1 || Y0 >= Y1; }
    TBox Intersect(const TBox& O) const;
    TBox Union(const TBox& O) const;
  };

  class TPixelWriter;

  static TRotation RotationOf(LONG Escapement);
  TBox DeviceBoxOf(const TBox& Run) const;
  TBox RunBoxOf(const TBox& Device) const;
  bool VisibleBox(const TTextPaint& P, const TBox& Domain, TBox& Out);
  void RenderMask(const TTextRun& Run, const TTextPaint& P);
  void MarkRows(std::int64_t U0, std::int64_t U1, int Top, int Thickness);
  void Blit(const TTextPaint& P, const TBox& Visible);
  void BlitUpright(bool Opaque, const TBox& Part, TPixelWriter& Out);

  TGdiDC& FDC;
  TRealizedFont& FFont;
  TGdiBitmap* FSurface;
  // Per paint: rotation, reference point in run and surface coordinates,
  // the run's cell width, the mask window and its coverage, and the part
  // of the window that received ink.
  TRotation FRot{1, 0, 65536, 0};
  std::int64_t FRefU = 0, FRefV = 0, FPx = 0, FPy = 0, FCellWidth = 0;
  TBox FWindow{0, 0, 0, 0};
  TBox FInk{0, 0, 0, 0};
  std::vector<BYTE> FMask;
};
