// Regions as sets of disjoint rectangles. Clipping, window shapes and the
// region operations all work on TRegionData; TGdiRegion is the handle-table
// object around one.
#pragma once

#include "platform/gdi/GdiObject.h"

#include <vector>

class TRegionData {
public:
  TRegionData() = default;
  explicit TRegionData(const TRect& R) { SetRect(R); }

  void SetEmpty() { FRects.clear(); }
  // An empty or inverted rectangle gives an empty region.
  void SetRect(const TRect& R);
  bool IsEmpty() const { return FRects.empty(); }
  // NULLREGION, SIMPLEREGION or COMPLEXREGION.
  int Complexity() const;
  TRect Bounds() const;
  bool Contains(int X, int Y) const;
  bool Intersects(const TRect& R) const;
  void Offset(int Dx, int Dy);
  // Disjoint rectangles, sorted by top, then left.
  const std::vector<TRect>& Rects() const { return FRects; }

  // The union of any rectangles, overlapping or not, in any order.
  static TRegionData FromRects(std::vector<TRect> Rects);
  static TRegionData Combine(const TRegionData& A, const TRegionData& B, int Mode);
  static TRegionData Intersect(const TRegionData& A, const TRegionData& B) {
    return Combine(A, B, RGN_AND);
  }
  friend bool operator==(const TRegionData& A, const TRegionData& B);

private:
  void Normalize();
  std::vector<TRect> FRects;
};

class TGdiRegion : public TGdiObject {
public:
  TGdiRegion() : TGdiObject(OBJ_REGION) {}
  TRegionData Data;
};
