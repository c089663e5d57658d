// A DC lets go of everything it holds when it is destroyed, saved states
// included, so objects whose deletion waited on it are freed then. The
// clip rectangles are cached per surface because every drawing call needs
// them and they change only through the few calls that invalidate them.
#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/DcState.h"

TGdiDC::~TGdiDC() {
  GdiReleaseState(State);
  for (const TDCState& S : Saved) GdiReleaseState(S);
}

TGdiBitmap* TGdiDC::Surface() const {
  TGdiBitmap* S = Kind() == OBJ_MEMDC ? GdiFind<TGdiBitmap>(State.Bitmap, OBJ_BITMAP) : LentSurface;
  if (!S || !S->Valid() || !S->Bits() || S->Width() <= 0 || S->Height() <= 0) return nullptr;
  return S;
}

const std::vector<TRect>& TGdiDC::SurfaceClipRects() {
  TGdiBitmap* S = Surface();
  if (FClipValid && FClipFor == S &&
      (!S || (FClipWidth == S->Width() && FClipHeight == S->Height())))
    return FClipRects;
  FClipValid = true;
  FClipFor = S;
  FClipRects.clear();
  if (!S) return FClipRects;
  FClipWidth = S->Width();
  FClipHeight = S->Height();
  TRegionData Area(TRect{0, 0, S->Width(), S->Height()});
  if (HasVisRgn) {
    TRegionData Vis = VisRgn;
    Vis.Offset(SurfaceOrigin.X, SurfaceOrigin.Y);
    Area = TRegionData::Intersect(Area, Vis);
  }
  if (State.HasClip) {
    TRegionData Clip = State.Clip;
    Clip.Offset(SurfaceOrigin.X, SurfaceOrigin.Y);
    Area = TRegionData::Intersect(Area, Clip);
  }
  FClipRects = Area.Rects();
  return FClipRects;
}

TRegionData GdiDeviceVisible(TGdiDC& DC) {
  TRegionData R = TRegionData::FromRects(DC.SurfaceClipRects());
  R.Offset(-DC.SurfaceOrigin.X, -DC.SurfaceOrigin.Y);
  return R;
}
