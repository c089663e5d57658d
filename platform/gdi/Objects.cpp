// Brushes, pens, the stock objects, and selecting and deleting objects.
// A DC holds its objects through GdiRetain/GdiRelease; DeleteObject on an
// object that some DC (or saved DC state) still holds only marks it, and
// the last release frees it. A bitmap can be selected into one memory DC
// at a time; the stock bitmap, like every stock object, into any number.
#include "platform/gdi/DcState.h"

#include <memory>

namespace {

HBRUSH AddBrush(UINT Style, COLORREF Color, std::uintptr_t Hatch) {
  auto B = std::make_unique<TGdiBrush>();
  B->Log = LOGBRUSH{Style, Color, Hatch};
  return static_cast<HBRUSH>(GdiAdd(std::move(B)));
}

bool ValidHatch(std::uintptr_t Hatch) { return Hatch <= std::uintptr_t(HS_DIAGCROSS); }

// Whether a DC other than Self, or a state saved in one, holds Bitmap.
bool BitmapHeldElsewhere(HGDIOBJ Bitmap, const TGdiDC* Self) {
  bool Held = false;
  GdiTable().ForEach([&](std::uintptr_t, TGdiObject* Obj) {
    if (Held || Obj->Kind() != OBJ_MEMDC || Obj == Self) return;
    const auto* DC = static_cast<const TGdiDC*>(Obj);
    if (DC->State.Bitmap == Bitmap) Held = true;
    for (const TDCState& S : DC->Saved)
      if (S.Bitmap == Bitmap) Held = true;
  });
  return Held;
}

HGDIOBJ Swap(HGDIOBJ& Slot, HGDIOBJ New) {
  HGDIOBJ Old = Slot;
  GdiRetain(New);
  Slot = New;
  GdiRelease(Old);
  return Old;
}

HGDIOBJ SelectBitmap(TGdiDC& DC, HGDIOBJ Bitmap, const TGdiObject& Obj) {
  if (DC.Kind() != OBJ_MEMDC) return nullptr;
  if (DC.State.Bitmap == Bitmap) return Bitmap;
  if (!Obj.Stock && BitmapHeldElsewhere(Bitmap, &DC)) return nullptr;
  HGDIOBJ Old = Swap(DC.State.Bitmap, Bitmap);
  DC.InvalidateClip();
  return Old;
}

} // namespace

HGDIOBJ GetStockObject(int index) { return GdiStockObject(index); }

HBRUSH CreateSolidBrush(COLORREF color) { return AddBrush(BS_SOLID, color, 0); }

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
  if (hatch < 0 || !ValidHatch(std::uintptr_t(hatch))) return nullptr;
  return AddBrush(BS_HATCHED, color, std::uintptr_t(hatch));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* lb) {
  if (!lb) return nullptr;
  switch (lb->lbStyle) {
  case BS_SOLID: return AddBrush(BS_SOLID, lb->lbColor, 0);
  case BS_NULL: return AddBrush(BS_NULL, 0, 0);
  case BS_HATCHED:
    return ValidHatch(lb->lbHatch) ? AddBrush(BS_HATCHED, lb->lbColor, lb->lbHatch) : nullptr;
  case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(lb->lbHatch));
  default: return nullptr;
  }
}

HPEN CreatePen(int style, int width, COLORREF color) {
  LOGPEN Lp{UINT(style), TPoint{width, 0}, color};
  return CreatePenIndirect(&Lp);
}

HPEN CreatePenIndirect(const LOGPEN* lp) {
  if (!lp || (lp->lopnStyle & ~UINT(PS_STYLE_MASK)) != 0 || lp->lopnStyle > UINT(PS_INSIDEFRAME))
    return nullptr;
  auto P = std::make_unique<TGdiPen>();
  P->Log = *lp;
  // The width is kept as given (0 means a one-pixel cosmetic pen); only a
  // negative width, which has no meaning, becomes 0.
  if (P->Log.lopnWidth.X < 0) P->Log.lopnWidth.X = 0;
  P->Log.lopnWidth.Y = 0;
  return static_cast<HPEN>(GdiAdd(std::move(P)));
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj) {
  TGdiObject* Obj = GdiTable().Find(reinterpret_cast<std::uintptr_t>(obj));
  TGdiDC* DC = GdiFindDC(hdc);
  if (Obj && Obj->Kind() == OBJ_REGION) {
    if (!DC) return HGDI_ERROR;
    int Result = SelectClipRgn(hdc, static_cast<HRGN>(obj));
    return Result == ERROR ? HGDI_ERROR : reinterpret_cast<HGDIOBJ>(std::intptr_t(Result));
  }
  if (!DC || !Obj) return nullptr;
  switch (Obj->Kind()) {
  case OBJ_BRUSH: return Swap(DC->State.Brush, obj);
  case OBJ_PEN: return Swap(DC->State.Pen, obj);
  case OBJ_FONT: return Swap(DC->State.Font, obj);
  case OBJ_BITMAP: return SelectBitmap(*DC, obj, *Obj);
  default: return nullptr; // palettes go through SelectPalette; DCs select nothing
  }
}

BOOL DeleteObject(HGDIOBJ obj) {
  TGdiObject* Obj = GdiTable().Find(reinterpret_cast<std::uintptr_t>(obj));
  if (!Obj || Obj->Kind() == OBJ_DC || Obj->Kind() == OBJ_MEMDC) return FALSE;
  if (Obj->Stock) return TRUE;
  if (Obj->SelectCount > 0) {
    Obj->DeletePending = true;
    return TRUE;
  }
  GdiTable().Remove(reinterpret_cast<std::uintptr_t>(obj));
  return TRUE;
}
