// The application's clip region. It is kept in device coordinates, as the
// desktop does: regions handed to SelectClipRgn are device regions, while
// the rectangle forms (IntersectClipRect, ExcludeClipRect) and the queries
// (GetClipBox, PtVisible, RectVisible) speak logical coordinates. A DC
// without a clip region is limited by its surface and visible region
// only; intersecting "no clip" with a region gives that region, and the
// other combinations start from that whole area. Results report the
// complexity of what drawing can reach afterwards.
#include "platform/gdi/DcState.h"

namespace {

// The area a DC without a clip region may draw on, in device coordinates:
// its surface. The visible region stays out, for the reason CombineClip
// gives: it limits drawing by itself and changes as windows move.
TRegionData WholeArea(TGdiDC& DC) {
  TGdiBitmap* S = DC.Surface();
  if (!S) return TRegionData();
  TRegionData R(TRect{0, 0, S->Width(), S->Height()});
  R.Offset(-DC.SurfaceOrigin.X, -DC.SurfaceOrigin.Y);
  return R;
}

int SetClip(TGdiDC& DC, bool Has, TRegionData Clip) {
  DC.State.HasClip = Has;
  DC.State.Clip = Has ? std::move(Clip) : TRegionData();
  DC.InvalidateClip();
  return GdiDeviceVisible(DC).Complexity();
}

int CombineClip(TGdiDC& DC, const TRegionData& With, int Mode) {
  // The surface and the visible region limit drawing on their own and can
  // change later (a larger bitmap selected, a window uncovered); taken
  // into the clip they would go on limiting it after that.
  if (!DC.State.HasClip && Mode == RGN_AND) return SetClip(DC, true, With);
  const TRegionData Current = DC.State.HasClip ? DC.State.Clip : WholeArea(DC);
  return SetClip(DC, true, TRegionData::Combine(Current, With, Mode));
}

TRegionData LogicalRectRegion(const TGdiDC& DC, int Left, int Top, int Right, int Bottom) {
  return TRegionData(SaturatedRect(DeviceOf(DC, Left, Top, Right, Bottom).Normalized()));
}

} // namespace

int SelectClipRgn(HDC hdc, HRGN rgn) { return ExtSelectClipRgn(hdc, rgn, RGN_COPY); }

int ExtSelectClipRgn(HDC hdc, HRGN rgn, int mode) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || mode < RGN_AND || mode > RGN_COPY) return ERROR;
  if (!rgn) return mode == RGN_COPY ? SetClip(*DC, false, TRegionData()) : ERROR;
  const TGdiRegion* R = GdiFind<TGdiRegion>(rgn, OBJ_REGION);
  if (!R) return ERROR;
  if (mode == RGN_COPY) return SetClip(*DC, true, R->Data);
  return CombineClip(*DC, R->Data, mode);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return ERROR;
  return CombineClip(*DC, LogicalRectRegion(*DC, left, top, right, bottom), RGN_AND);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return ERROR;
  return CombineClip(*DC, LogicalRectRegion(*DC, left, top, right, bottom), RGN_DIFF);
}

int OffsetClipRgn(HDC hdc, int dx, int dy) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return ERROR;
  if (!DC->State.HasClip) return GdiDeviceVisible(*DC).Complexity();
  TRegionData Clip = DC->State.Clip;
  Clip.Offset(dx, dy);
  return SetClip(*DC, true, std::move(Clip));
}

int GetClipBox(HDC hdc, TRect* box) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !box) return ERROR;
  TRegionData Vis = GdiDeviceVisible(*DC);
  if (Vis.IsEmpty()) {
    *box = TRect{0, 0, 0, 0};
    return NULLREGION;
  }
  TRect B = Vis.Bounds();
  std::int64_t Dx = std::int64_t(DC->State.WindowOrg.X) - DC->State.ViewportOrg.X;
  std::int64_t Dy = std::int64_t(DC->State.WindowOrg.Y) - DC->State.ViewportOrg.Y;
  *box = SaturatedRect(TRect64{B.Left + Dx, B.Top + Dy, B.Right + Dx, B.Bottom + Dy});
  return Vis.Complexity();
}

int GetClipRgn(HDC hdc, HRGN rgn) {
  TGdiDC* DC = GdiFindDC(hdc);
  TGdiRegion* R = GdiFind<TGdiRegion>(rgn, OBJ_REGION);
  if (!DC || !R) return -1;
  if (!DC->State.HasClip) return 0;
  R->Data = DC->State.Clip;
  return 1;
}

BOOL PtVisible(HDC hdc, int x, int y) {
  TGdiDC* DC = GdiFindDC(hdc);
  // The desktop answers a bad DC with -1 here (RectVisible with FALSE), and
  // code written for it may compare with TRUE and FALSE to tell them apart.
  if (!DC) return -1;
  TPoint64 P = DeviceOf(*DC, x, y);
  std::int64_t SX = P.X + DC->SurfaceOrigin.X, SY = P.Y + DC->SurfaceOrigin.Y;
  for (const TRect& C : DC->SurfaceClipRects())
    if (SX >= C.Left && SX < C.Right && SY >= C.Top && SY < C.Bottom) return TRUE;
  return FALSE;
}

BOOL RectVisible(HDC hdc, const TRect* r) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !r) return FALSE;
  TRect64 D = DeviceOf(*DC, r->Left, r->Top, r->Right, r->Bottom).Normalized();
  TRect64 S{D.Left + DC->SurfaceOrigin.X, D.Top + DC->SurfaceOrigin.Y,
            D.Right + DC->SurfaceOrigin.X, D.Bottom + DC->SurfaceOrigin.Y};
  for (const TRect& C : DC->SurfaceClipRects())
    if (!S.Intersect(TRect64{C.Left, C.Top, C.Right, C.Bottom}).Empty()) return TRUE;
  return FALSE;
}
