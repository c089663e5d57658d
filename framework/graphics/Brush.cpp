#include "framework/graphics/Brush.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/graphics/Bitmap.h"

#include <array>

const TClass& TBrush::StaticClass() {
  static const TClass Class = TClassBuilder<TBrush>("TBrush")
                                  .Property("Color", &TBrush::GetColor, &TBrush::SetColor)
                                  .Type(ColorTypeInfo())
                                  .Default(clWhite)
                                  .Property("Style", &TBrush::GetStyle, &TBrush::SetStyle)
                                  .Default(bsSolid)
                                  .Build();
  return Class;
}

TBrush::TBrush() : FColor(clWhite), FStyle(bsSolid) {}

void TBrush::Assign(const TPersistent* Source) {
  const auto* Other = dynamic_cast<const TBrush*>(Source);
  if (!Other) return TGraphicsObject::Assign(Source);
  if (FColor == Other->FColor && FStyle == Other->FStyle && FBitmap == Other->FBitmap) return;
  FColor = Other->FColor;
  FStyle = Other->FStyle;
  FBitmap = Other->FBitmap;
  DescriptionChanged();
}

HBRUSH TBrush::GetHandle() {
  if (FHandle) return static_cast<HBRUSH>(FHandle);
  static constexpr std::array<int, 6> Hatches{HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                              HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
  if (FBitmap && !FBitmap->Empty())
    FHandle = CreatePatternBrush(FBitmap->GetHandle());
  else if (FStyle == bsClear)
    FHandle = GetStockObject(NULL_BRUSH);
  else if (FStyle >= bsHorizontal && FStyle <= bsDiagCross)
    FHandle = CreateHatchBrush(Hatches[FStyle - bsHorizontal], ColorToRGB(FColor));
  else
    FHandle = CreateSolidBrush(ColorToRGB(FColor));
  return static_cast<HBRUSH>(FHandle);
}

void TBrush::SetColor(TColor Value) {
  if (Value == FColor && FStyle != bsClear) return;
  FColor = Value;
  if (FStyle == bsClear) FStyle = bsSolid;
  DescriptionChanged();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  DescriptionChanged();
}

void TBrush::SetBitmap(TBitmap* Value) {
  if (Value == FBitmap) return;
  FBitmap = Value;
  DescriptionChanged();
}
