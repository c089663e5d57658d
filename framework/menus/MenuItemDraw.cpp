// Measuring and drawing owner-drawn items.
//
// The framework's own measure gives the size a plain item needs (room for
// a glyph column, the caption and the shortcut text); OnMeasureItem may
// then replace it. Drawing goes to the item's draw events when the menu
// draws its items itself; otherwise the framework paints a simple item:
// background, check mark, caption with its accelerator, shortcut text at
// the right, or a line for a separator.
#include "framework/classes/Class.h"
#include "framework/classes/PropInfo.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Pen.h"
#include "framework/menus/Menu.h"
#include "framework/menus/MenuItem.h"

namespace {

constexpr int MenuItemGlyphWidth = 16;
constexpr int MenuItemTextGap = 4;

int MenuItemTextWidth(TCanvas* ACanvas, const std::string& Text) {
  if (Text.empty()) return 0;
  TRect R{0, 0, 0, 0};
  DrawText(ACanvas->GetHandle(), Text.c_str(), int(Text.size()), &R, DT_CALCRECT | DT_SINGLELINE);
  return R.Width();
}

} // namespace

bool TMenuItem::HasImageList() const {
  TMenu* Menu = GetParentMenu();
  return Menu && Menu->GetImages() && (FImageIndex >= 0 || !IsBarItem());
}

// An image list is any component publishing integer Width and Height;
// one that does not is taken as holding 16-pixel images.
int TMenuItem::ImageListExtent(const char* Property) const {
  TMenu* Menu = GetParentMenu();
  TComponent* Images = Menu ? Menu->GetImages() : nullptr;
  if (!Images) return 0;
  const TPropInfo* Prop = Images->ClassType().FindProperty(Property);
  if (!Prop || Prop->Kind() != TTypeKind::Integer) return MenuItemGlyphWidth;
  return int(Prop->GetOrd(Images));
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
  bool Bar = IsBarItem();
  if (Bar) {
    NONCLIENTMETRICSA Metrics{};
    Metrics.cbSize = sizeof Metrics;
    if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0)) {
      Width = Metrics.iMenuWidth;
      Height = Metrics.iMenuHeight;
    }
  }
  if (IsLine()) {
    Height = 5;
  } else {
    bool Image = true;
    if (HasImageList()) {
      Width = ImageListExtent("Width");
      if (!Bar) Height = ImageListExtent("Height");
    } else if (HasBitmap()) {
      Width = MenuItemGlyphWidth;
      if (!Bar) Height = MenuItemGlyphWidth;
    } else {
      Width = -7;
      Image = false;
    }
    if (!Bar) {
      if (Image) Width += 15;
      Height += 3;
    }
    Width += MenuItemTextWidth(ACanvas, FCaption);
    if (!Bar && FItems.empty() && FShortCut != 0)
      Width += MenuItemTextWidth(ACanvas, ShortCutToText(FShortCut));
    Width += 7;
  }
  if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

// The events are copied first: a handler may free the item.
void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State,
                                 bool) {
  TMenu* Menu = GetParentMenu();
  TMenuDrawItemEvent Draw = OnDrawItem;
  TAdvancedMenuDrawItemEvent Advanced = OnAdvancedDrawItem;
  if (Menu && (Menu->GetOwnerDraw() || HasImageList()) && (Draw || Advanced)) {
    if (Draw) Draw(this, ACanvas, ARect, State.Contains(odSelected));
    if (Advanced) Advanced(this, ACanvas, ARect, State);
    return;
  }
  DrawItem(ACanvas, ARect, State);
}

void TMenuItem::DrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State) {
  ACanvas->FillRect(ARect);
  if (IsLine()) {
    int Y = (ARect.Top + ARect.Bottom) / 2;
    ACanvas->GetPen()->SetColor(clBtnShadow);
    ACanvas->MoveTo(ARect.Left + 2, Y);
    ACanvas->LineTo(ARect.Right - 2, Y);
    return;
  }
  if (FChecked) DrawCheckMark(ACanvas, ARect);
  if (!FEnabled || State.Contains(odGrayed)) ACanvas->GetFont()->SetColor(clGrayText);
  ACanvas->GetBrush()->SetStyle(bsClear);
  TRect Text = ARect;
  Text.Left += MenuItemGlyphWidth + MenuItemTextGap;
  Text.Right -= MenuItemTextGap;
  UINT Flags = DT_SINGLELINE | DT_VCENTER | (State.Contains(odNoAccel) ? DT_HIDEPREFIX : 0);
  DrawText(ACanvas->GetHandle(), FCaption.c_str(), int(FCaption.size()), &Text, Flags | DT_LEFT);
  std::string Keys = FItems.empty() && FShortCut != 0 ? ShortCutToText(FShortCut) : "";
  if (!Keys.empty())
    DrawText(ACanvas->GetHandle(), Keys.c_str(), int(Keys.size()), &Text,
             DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  ACanvas->GetBrush()->SetStyle(bsSolid);
}

// A tick in the glyph column, in the text colour.
void TMenuItem::DrawCheckMark(TCanvas* ACanvas, const TRect& ARect) {
  int X = ARect.Left + 4, Y = (ARect.Top + ARect.Bottom) / 2;
  ACanvas->GetPen()->SetColor(ACanvas->GetFont()->GetColor());
  for (int Row = 0; Row < 2; ++Row) {
    ACanvas->MoveTo(X, Y + Row - 1);
    ACanvas->LineTo(X + 3, Y + Row + 2);
    ACanvas->LineTo(X + 9, Y + Row - 4);
  }
}
