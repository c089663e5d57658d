#include "framework/graphics/BitmapCanvas.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/graphics/Bitmap.h"

const TClass& TBitmapCanvas::StaticClass() {
  static const TClass Class = TClassBuilder<TBitmapCanvas>("TBitmapCanvas").Build();
  return Class;
}

TBitmapCanvas::~TBitmapCanvas() { FreeContext(); }

void TBitmapCanvas::FreeContext() {
  if (!FDC) return;
  SetHandle(nullptr);
  if (FOldBitmap) SelectObject(FDC, FOldBitmap);
  DeleteDC(FDC);
  FDC = nullptr;
  FOldBitmap = nullptr;
}

void TBitmapCanvas::CreateHandle() {
  if (!FDC) {
    FDC = CreateCompatibleDC(nullptr);
    if (!FDC) return;
    if (FBitmap->GetHandle()) FOldBitmap = SelectObject(FDC, FBitmap->GetHandle());
  }
  SetHandle(FDC);
}
