// TBitmapCanvas: the canvas of a TBitmap. Its DC is a memory DC holding
// the bitmap's DIB section, made when drawing starts and given up
// (FreeContext) whenever the bitmap replaces its image, so the next
// drawing selects the new one.
#pragma once

#include "framework/graphics/Canvas.h"

class TBitmap;

class TBitmapCanvas : public TCanvas {
  TAVREL_CLASS(TBitmapCanvas, TCanvas)
public:
  explicit TBitmapCanvas(TBitmap* ABitmap) : FBitmap(ABitmap) {}
  ~TBitmapCanvas() override;
  // Ends the memory DC, if any; the canvas keeps font, pen and brush.
  void FreeContext();

protected:
  void CreateHandle() override;

private:
  TBitmap* FBitmap;
  HDC FDC = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
};
