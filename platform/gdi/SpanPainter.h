// The last step of every fill, line and shape: device-coordinate spans and
// rectangles in 64 bits, cut to the DC's clip rectangles and handed to an
// ink in surface coordinates. Geometry code asks Bounds() first so that it
// only works out the part of a figure that can show.
#pragma once

#include "platform/gdi/DcState.h"
#include "platform/gdi/GdiInk.h"

#include <vector>

class TSpanPainter {
public:
  explicit TSpanPainter(TGdiDC& DC);

  // False when nothing can be drawn: no surface, or everything clipped.
  bool Ready() const { return FSurface && !FClip->empty(); }
  // The device rectangle that holds every paintable pixel.
  const TRect64& Bounds() const { return FBounds; }

  void Span(const TGdiInk& Ink, std::int64_t X0, std::int64_t X1, std::int64_t Y) const;
  void Rect(const TGdiInk& Ink, const TRect64& R) const;
  void Region(const TGdiInk& Ink, const TRegionData& R, std::int64_t Dx, std::int64_t Dy) const;

private:
  TGdiBitmap* FSurface;
  const std::vector<TRect>* FClip;
  std::int64_t FOx, FOy;
  TRect64 FBounds{0, 0, 0, 0};
};
