// Helpers the drawing operations share: 64-bit device coordinates (logical
// input may be anywhere in the int range, and the origins may push it
// further, so geometry is worked out in 64 bits and only what survives
// clipping comes back to int), the initial state of a new DC, and the
// selection counts held by a DC state.
#pragma once

#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstdint>
#include <utility>

struct TPoint64 {
  std::int64_t X, Y;
};

struct TRect64 {
  std::int64_t Left, Top, Right, Bottom;
  bool Empty() const { return Left >= Right || Top >= Bottom; }
  TRect64 Intersect(const TRect64& O) const {
    return TRect64{std::max(Left, O.Left), std::max(Top, O.Top), std::min(Right, O.Right),
                   std::min(Bottom, O.Bottom)};
  }
  // Swaps inverted edges, as the shape operations do with their bounds.
  TRect64 Normalized() const {
    TRect64 R = *this;
    if (R.Left > R.Right) std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    return R;
  }
};

inline TPoint64 DeviceOf(const TGdiDC& DC, int X, int Y) {
  return TPoint64{std::int64_t(X) - DC.State.WindowOrg.X + DC.State.ViewportOrg.X,
                  std::int64_t(Y) - DC.State.WindowOrg.Y + DC.State.ViewportOrg.Y};
}

inline TRect64 DeviceOf(const TGdiDC& DC, int Left, int Top, int Right, int Bottom) {
  TPoint64 A = DeviceOf(DC, Left, Top), B = DeviceOf(DC, Right, Bottom);
  return TRect64{A.X, A.Y, B.X, B.Y};
}

// A device rectangle as a TRect, saturated to the int range.
inline TRect SaturatedRect(const TRect64& R) {
  return TRect{TGdiDC::Saturate(R.Left), TGdiDC::Saturate(R.Top), TGdiDC::Saturate(R.Right),
               TGdiDC::Saturate(R.Bottom)};
}

// Selects the stock objects a new DC starts with and sets its defaults.
void GdiInitDCState(TGdiDC& DC, bool Memory);

// A DC state (the current one or a saved one) holds its objects selected.
void GdiRetainState(const TDCState& S);
void GdiReleaseState(const TDCState& S);

// Where drawing can reach, in device coordinates: the surface, limited by
// the visible region and the clip region.
TRegionData GdiDeviceVisible(TGdiDC& DC);

// Strokes the connected segments through Pts with the DC's pen and ROP2,
// in device coordinates, each segment's end point excluded.
void GdiStrokePolyline(TGdiDC& DC, const TPoint64* Pts, std::size_t Count);
