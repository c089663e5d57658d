#include "framework/graphics/Pen.h"

#include "framework/classes/ClassBuilder.h"

#include <array>

int PenModeToROP2(TPenMode Mode) {
  static constexpr std::array<int, 16> Rop2{
      R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,        R2_COPYPEN,  R2_NOTCOPYPEN,
      R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
      R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
  return unsigned(Mode) < Rop2.size() ? Rop2[Mode] : R2_COPYPEN;
}

const TClass& TPen::StaticClass() {
  static const TClass Class = TClassBuilder<TPen>("TPen")
                                  .Property("Color", &TPen::GetColor, &TPen::SetColor)
                                  .Type(ColorTypeInfo())
                                  .Default(clBlack)
                                  .Property("Mode", &TPen::GetMode, &TPen::SetMode)
                                  .Default(pmCopy)
                                  .Property("Style", &TPen::GetStyle, &TPen::SetStyle)
                                  .Default(psSolid)
                                  .Property("Width", &TPen::GetWidth, &TPen::SetWidth)
                                  .Default(1)
                                  .Build();
  return Class;
}

TPen::TPen() : FColor(clBlack), FMode(pmCopy), FStyle(psSolid), FWidth(1) {}

void TPen::Assign(const TPersistent* Source) {
  const auto* Other = dynamic_cast<const TPen*>(Source);
  if (!Other) return TGraphicsObject::Assign(Source);
  bool SameHandle = FColor == Other->FColor && FStyle == Other->FStyle && FWidth == Other->FWidth;
  if (SameHandle && FMode == Other->FMode) return;
  FColor = Other->FColor;
  FMode = Other->FMode;
  FStyle = Other->FStyle;
  FWidth = Other->FWidth;
  if (SameHandle)
    Changed();
  else
    DescriptionChanged();
}

HPEN TPen::GetHandle() {
  if (!FHandle) {
    static constexpr std::array<int, 7> Styles{PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                               PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    int Style = unsigned(FStyle) < Styles.size() ? Styles[FStyle] : PS_SOLID;
    FHandle = CreatePen(Style, FWidth, ColorToRGB(FColor));
  }
  return static_cast<HPEN>(FHandle);
}

void TPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  DescriptionChanged();
}

void TPen::SetMode(TPenMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  DescriptionChanged();
}

void TPen::SetWidth(int Value) {
  if (Value < 0 || Value == FWidth) return;
  FWidth = Value;
  DescriptionChanged();
}
