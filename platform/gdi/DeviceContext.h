// A device context: the drawing state (selected objects, colours, modes,
// origins, clip) and the surface it draws on. A memory DC draws into the
// bitmap selected into it; a window DC draws into a surface the window
// layer lends it, offset to the window's client or whole-window origin and
// limited to the window's visible region.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Region.h"

#include <climits>
#include <cstdint>
#include <vector>

// Everything SaveDC saves and RestoreDC restores.
struct TDCState {
  HGDIOBJ Brush = nullptr;
  HGDIOBJ Pen = nullptr;
  HGDIOBJ Font = nullptr;
  HGDIOBJ Bitmap = nullptr; // memory DCs only
  HGDIOBJ Palette = nullptr;
  COLORREF TextColor = 0x000000;
  COLORREF BkColor = 0xFFFFFF;
  int BkMode = OPAQUE;
  int Rop2 = R2_COPYPEN;
  int StretchMode = BLACKONWHITE;
  UINT TextAlign = TA_LEFT | TA_TOP;
  TPoint CurPos{0, 0};
  TPoint WindowOrg{0, 0};
  TPoint ViewportOrg{0, 0};
  TPoint BrushOrg{0, 0};
  // The application's clip region in device coordinates, when one is set.
  bool HasClip = false;
  TRegionData Clip;
};

class TGdiDC : public TGdiObject {
public:
  explicit TGdiDC(DWORD Kind) : TGdiObject(Kind) {}
  ~TGdiDC() override;

  TDCState State;
  std::vector<TDCState> Saved;

  // Window DCs: the lent surface, where device (0, 0) lies on it, the
  // visible region in device coordinates, and the window the DC belongs to.
  TGdiBitmap* LentSurface = nullptr;
  TPoint SurfaceOrigin{0, 0};
  bool HasVisRgn = false;
  TRegionData VisRgn;
  HWND Window = nullptr;

  // The surface drawing ends in: the lent one, or the selected bitmap.
  // Null when there is none (a detached window DC).
  TGdiBitmap* Surface() const;

  // Logical to device coordinates (window and viewport origins). Results
  // beyond the int range saturate instead of wrapping.
  TPoint ToDevice(int X, int Y) const {
    return TPoint{Saturate(std::int64_t(X) - State.WindowOrg.X + State.ViewportOrg.X),
                  Saturate(std::int64_t(Y) - State.WindowOrg.Y + State.ViewportOrg.Y)};
  }
  TRect ToDevice(const TRect& R) const {
    TPoint a = ToDevice(R.Left, R.Top), b = ToDevice(R.Right, R.Bottom);
    return TRect{a.X, a.Y, b.X, b.Y};
  }

  // The rectangles drawing may touch, in surface pixel coordinates: the
  // surface bounds, the visible region and the clip region intersected.
  // Recomputed after any change that calls InvalidateClip().
  const std::vector<TRect>& SurfaceClipRects();
  void InvalidateClip() { FClipValid = false; }

  // Device to surface coordinates, saturating like ToDevice.
  int SurfaceX(int DeviceX) const { return Saturate(std::int64_t(DeviceX) + SurfaceOrigin.X); }
  int SurfaceY(int DeviceY) const { return Saturate(std::int64_t(DeviceY) + SurfaceOrigin.Y); }

  static int Saturate(std::int64_t V) {
    return V < INT_MIN ? INT_MIN : V > INT_MAX ? INT_MAX : int(V);
  }

private:
  bool FClipValid = false;
  // The surface the cached rectangles were made for, with its size: a
  // surface replaced at the same address must not reuse them.
  TGdiBitmap* FClipFor = nullptr;
  int FClipWidth = 0, FClipHeight = 0;
  std::vector<TRect> FClipRects;
};
