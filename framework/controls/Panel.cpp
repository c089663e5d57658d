// Panel painting: each bevel is a Frame3D ring set BevelWidth deep,
// raised with the light side top-left, lowered the other way round, and
// bvSpace a blank ring in the panel's colour. The caption is centred
// vertically on the height of a "W" in the panel's font.
#include "framework/controls/Panel.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Frame3D.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/menus/PopupMenu.h"

namespace {

void PublishEvents(TClassBuilder<TPanel>& B) {
  B.Publish({"OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
             "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp",
             "OnResize", "OnStartDock", "OnStartDrag"});
}

void PublishParentFlags(TClassBuilder<TPanel>& B) {
  B.Publish({"ParentBiDiMode"})
      .Property("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor)
      .Default(false)
      .Publish({"ParentCtl3D", "ParentFont", "ParentShowHint"});
}

} // namespace

const TClass& TPanel::StaticClass() {
  static const TClass Class = [] {
    TClassBuilder<TPanel> B("TPanel");
    B.Publish({"Align"})
        .Property("Alignment", &TPanel::GetAlignment, &TPanel::SetAlignment)
        .Default(taCenter)
        .Publish({"Anchors"})
        .Property("BevelInner", &TPanel::GetBevelInner, &TPanel::SetBevelInner)
        .Default(bvNone)
        .Property("BevelOuter", &TPanel::GetBevelOuter, &TPanel::SetBevelOuter)
        .Default(bvRaised)
        .Property("BevelWidth", &TPanel::GetBevelWidth, &TPanel::SetBevelWidth)
        .Default(1)
        .Publish({"BiDiMode"})
        .Property("BorderWidth", &TPanel::GetBorderWidth, &TPanel::SetBorderWidth)
        .Default(0)
        .Property("BorderStyle", &TPanel::GetBorderStyle, &TPanel::SetBorderStyle)
        .Default(bsNone)
        .Publish({"Caption"})
        .Property("Color", &TControl::GetColor, &TControl::SetColor)
        .Type(ColorTypeInfo())
        .Default(clBtnFace)
        .Publish({"Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled"})
        .Property("FullRepaint", &TPanel::GetFullRepaint, &TPanel::SetFullRepaint)
        .Default(true)
        .Publish({"Font"})
        .Property("Locked", &TPanel::GetLocked, &TPanel::SetLocked)
        .Default(false);
    PublishParentFlags(B);
    B.Publish({"PopupMenu", "ShowHint", "TabOrder"})
        .Property("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop)
        .Default(false)
        .Publish({"Visible"});
    PublishEvents(B);
    return B.Build();
  }();
  return Class;
}

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                   csDoubleClicks, csReplicatable});
  SetBounds(GetLeft(), GetTop(), 185, 41);
  SetColor(clBtnFace);
}

void TPanel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment || Value > taCenter) return;
  FAlignment = Value;
  Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel Value) {
  if (Value == FBevelInner || Value > bvSpace) return;
  FBevelInner = Value;
  FrameChanged();
}

void TPanel::SetBevelOuter(TPanelBevel Value) {
  if (Value == FBevelOuter || Value > bvSpace) return;
  FBevelOuter = Value;
  FrameChanged();
}

void TPanel::SetBevelWidth(int Value) {
  if (Value < 1 || Value == FBevelWidth) return;
  FBevelWidth = Value;
  FrameChanged();
}

void TPanel::SetBorderWidth(int Value) {
  if (Value < 0 || Value == FBorderWidth) return;
  FBorderWidth = Value;
  FrameChanged();
}

void TPanel::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle || (Value != bsNone && Value != bsSingle)) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TPanel::FrameChanged() {
  Realign();
  Invalidate();
}

int TPanel::FrameWidth() const {
  int Width = FBorderWidth;
  if (FBevelOuter != bvNone) Width += FBevelWidth;
  if (FBevelInner != bvNone) Width += FBevelWidth;
  return Width;
}

void TPanel::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (FBorderStyle == bsSingle) {
    if (GetCtl3D())
      Params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      Params.Style |= WS_BORDER;
  }
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TPanel::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  const int Inset = FrameWidth();
  Rect = {Rect.Left + Inset, Rect.Top + Inset, Rect.Right - Inset, Rect.Bottom - Inset};
}

void TPanel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case CM_TEXTCHANGED:
  case CM_FONTCHANGED:
    inherited::WndProc(Message);
    Invalidate();
    return;
  case WM_WINDOWPOSCHANGED: PosChanged(Message); return;
  }
  inherited::WndProc(Message);
}

void TPanel::PosChanged(TMessage& Message) {
  const auto* Pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
  const bool Sized = Pos && !(Pos->flags & SWP_NOSIZE);
  inherited::WndProc(Message);
  if (Sized && (FFullRepaint || !GetCaption().empty())) Invalidate();
}

void TPanel::PaintBevel(TRect& Rect, TPanelBevel Bevel) {
  switch (Bevel) {
  case bvNone: return;
  case bvLowered: Frame3D(GetCanvas(), Rect, clBtnShadow, clBtnHighlight, FBevelWidth); return;
  case bvRaised: Frame3D(GetCanvas(), Rect, clBtnHighlight, clBtnShadow, FBevelWidth); return;
  case bvSpace: Frame3D(GetCanvas(), Rect, GetColor(), GetColor(), FBevelWidth); return;
  }
}

void TPanel::Paint() {
  static constexpr UINT Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  TCanvas* Canvas = GetCanvas();
  TRect Rect = GetClientRect();
  PaintBevel(Rect, FBevelOuter);
  Frame3D(Canvas, Rect, GetColor(), GetColor(), FBorderWidth);
  PaintBevel(Rect, FBevelInner);
  Canvas->GetBrush()->SetColor(GetColor());
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->FillRect(Rect);
  Canvas->GetBrush()->SetStyle(bsClear);
  Canvas->SetFont(GetFont());
  const int FontHeight = Canvas->TextHeight("W");
  Rect.Top = (Rect.Bottom + Rect.Top - FontHeight) / 2;
  Rect.Bottom = Rect.Top + FontHeight;
  UINT Flags = DT_EXPANDTABS | DT_VCENTER | Alignments[FAlignment];
  if (UseRightToLeftAlignment()) {
    Flags |= DT_RTLREADING;
    if (FAlignment != taCenter) Flags ^= DT_RIGHT;
  }
  const std::string Caption = GetCaption();
  DrawText(Canvas->GetHandle(), Caption.c_str(), int(Caption.size()), &Rect, Flags);
}
