// One line segment as Bresenham's algorithm draws it: a pixel for every
// step along the longer axis, the end point excluded, the shorter axis
// advancing at the nearest half. Any step's pixel is computed directly
// (exact 128-bit arithmetic where needed), and the steps that fall in a
// range of rows or columns are found in constant time, so a segment that
// runs far outside the surface costs only its visible part.
#pragma once

#include "platform/gdi/DcState.h"

class TLineRaster {
public:
  TLineRaster(TPoint64 From, TPoint64 To);

  // Pixels drawn: the longer axis' length (0 for a point).
  std::int64_t Steps() const { return FSteps; }
  TPoint64 At(std::int64_t Step) const;

  // The first and last step whose pixel's row (Vertical) or column lies
  // in [Lo, Hi]; false when there is none.
  bool StepsWithin(bool Vertical, std::int64_t Lo, std::int64_t Hi, std::int64_t& First,
                   std::int64_t& Last) const;

private:
  struct TAxis {
    std::int64_t Start;
    int Sign;           // -1, 0 or 1
    std::int64_t Delta; // absolute length along this axis
  };

  std::int64_t Offset(const TAxis& A, std::int64_t Step) const;
  // The first step whose offset along A is at least K (FSteps if none).
  std::int64_t FirstReaching(const TAxis& A, std::int64_t K) const;

  TAxis FX, FY;
  std::int64_t FSteps;
};
