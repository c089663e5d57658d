// The label measures its text on a screen DC (it may not be on a surface
// yet when its caption is set) and paints it on its parent's paint DC.
// Disabled text is embossed: highlight one pixel down and right, shadow
// on top.
#include "framework/controls/Label.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/controls/TextMeasure.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/menus/PopupMenu.h"

#include <cctype>

namespace {

// The character after the first single "&" of Caption, or 0.
char HotKeyOf(std::string_view Caption) {
  for (std::size_t I = 0; I + 1 < Caption.size(); ++I) {
    if (Caption[I] != '&') continue;
    if (Caption[I + 1] != '&') return Caption[I + 1];
    ++I;
  }
  return 0;
}

bool IsAccel(WPARAM Key, std::string_view Caption) {
  const char Hot = HotKeyOf(Caption);
  if (Hot == 0 || Key > 0xFF) return false;
  return std::toupper(static_cast<unsigned char>(Hot)) ==
         std::toupper(static_cast<unsigned char>(Key));
}

void PublishEvents(TClassBuilder<TLabel>& B) {
  B.Publish({"OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
             "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
}

} // namespace

const TClass& TLabel::StaticClass() {
  static const TClass Class = [] {
    TClassBuilder<TLabel> B("TLabel");
    B.Publish({"Align"})
        .Property("Alignment", &TLabel::GetAlignment, &TLabel::SetAlignment)
        .Default(taLeftJustify)
        .Publish({"Anchors"})
        .Property("AutoSize", &TLabel::GetAutoSize, &TLabel::SetAutoSize)
        .Default(true)
        .Publish({"BiDiMode", "Caption"})
        .Property("Color", &TControl::GetColor, &TControl::SetColor)
        .Type(ColorTypeInfo())
        .Publish({"Constraints", "DragCursor", "DragKind", "DragMode", "Enabled"})
        .Property("FocusControl", &TLabel::GetFocusControl, &TLabel::SetFocusControl)
        .Publish({"Font", "ParentBiDiMode"})
        .Property("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor)
        .Default(true)
        .Publish({"ParentFont", "ParentShowHint", "PopupMenu"})
        .Property("ShowAccelChar", &TLabel::GetShowAccelChar, &TLabel::SetShowAccelChar)
        .Default(true)
        .Publish({"ShowHint"})
        .Property("Transparent", &TLabel::GetTransparent, &TLabel::SetTransparent)
        .Default(false)
        .Property("Layout", &TLabel::GetLayout, &TLabel::SetLayout)
        .Default(tlTop)
        .Publish({"Visible"})
        .Property("WordWrap", &TLabel::GetWordWrap, &TLabel::SetWordWrap)
        .Default(false);
    PublishEvents(B);
    return B.Build();
  }();
  return Class;
}

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
  SetBounds(GetLeft(), GetTop(), 65, 17);
}

void TLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment || Value > taCenter) return;
  FAlignment = Value;
  Invalidate();
}

void TLabel::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  AdjustBounds();
}

void TLabel::SetLayout(TTextLayout Value) {
  if (Value == FLayout || Value > tlBottom) return;
  FLayout = Value;
  Invalidate();
}

void TLabel::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetShowAccelChar(bool Value) {
  if (Value == FShowAccelChar) return;
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool Value) {
  if (Value == GetTransparent()) return;
  TControlStyle Style = ControlStyle();
  if (Value)
    Style.Exclude(csOpaque);
  else
    Style.Include(csOpaque);
  SetControlStyle(Style);
  Invalidate();
}

void TLabel::SetFocusControl(TWinControl* Value) {
  if (Value == FFocusControl) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TLabel::Loaded() {
  inherited::Loaded();
  AdjustBounds();
}

void TLabel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case CM_TEXTCHANGED:
  case CM_FONTCHANGED:
    inherited::WndProc(Message);
    AdjustBounds();
    return;
  case CM_DIALOGCHAR: CMDialogChar(Message); return;
  }
  inherited::WndProc(Message);
}

void TLabel::CMDialogChar(TMessage& Message) {
  if (FFocusControl && GetEnabled() && FShowAccelChar && IsAccel(Message.WParam, GetCaption()) &&
      FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    Message.Result = 1;
    return;
  }
  inherited::WndProc(Message);
}

std::string TLabel::TextFor(UINT Flags) const {
  std::string Text = GetCaption();
  if ((Flags & DT_CALCRECT) && (Text.empty() || (FShowAccelChar && Text == "&"))) Text += ' ';
  return Text;
}

UINT TLabel::DrawFlags(UINT Flags) const {
  if (!FShowAccelChar) Flags |= DT_NOPREFIX;
  if (UseRightToLeftAlignment()) {
    Flags |= DT_RTLREADING;
    if (Flags & DT_RIGHT)
      Flags &= ~DT_RIGHT;
    else if (!(Flags & DT_CENTER))
      Flags |= DT_RIGHT;
  }
  return Flags;
}

void TLabel::DoDrawText(TRect& Rect, UINT Flags) {
  const std::string Text = TextFor(Flags);
  Flags = DrawFlags(Flags);
  TCanvas* Canvas = GetCanvas();
  Canvas->SetFont(GetFont());
  if (GetEnabled() || (Flags & DT_CALCRECT)) {
    DrawText(Canvas->GetHandle(), Text.c_str(), int(Text.size()), &Rect, Flags);
    return;
  }
  TRect Raised{Rect.Left + 1, Rect.Top + 1, Rect.Right + 1, Rect.Bottom + 1};
  Canvas->GetFont()->SetColor(clBtnHighlight);
  DrawText(Canvas->GetHandle(), Text.c_str(), int(Text.size()), &Raised, Flags);
  Canvas->GetFont()->SetColor(clBtnShadow);
  DrawText(Canvas->GetHandle(), Text.c_str(), int(Text.size()), &Rect, Flags);
}

void TLabel::Paint() {
  static constexpr UINT Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  TCanvas* Canvas = GetCanvas();
  TRect Rect = GetClientRect();
  if (!GetTransparent()) {
    Canvas->GetBrush()->SetColor(GetColor());
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->FillRect(Rect);
  }
  Canvas->GetBrush()->SetStyle(bsClear);
  const UINT Flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | Alignments[FAlignment];
  if (FLayout != tlTop) {
    TRect Calc = Rect;
    DoDrawText(Calc, Flags | DT_CALCRECT);
    const int Room = GetHeight() - Calc.Bottom;
    const int Shift = FLayout == tlBottom ? Room : Room / 2;
    Rect.Top += Shift;
    Rect.Bottom += Shift;
  }
  DoDrawText(Rect, Flags);
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading))
    return;
  const UINT Flags = DrawFlags(DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0));
  const TRect Text = MeasureText(GetFont(), TextFor(DT_CALCRECT), GetClientRect(), Flags);
  const int NewWidth = FWordWrap ? GetWidth() : int(Text.Right);
  int X = GetLeft();
  TAlignment Side = FAlignment;
  if (UseRightToLeftAlignment() && Side != taCenter)
    Side = Side == taLeftJustify ? taRightJustify : taLeftJustify;
  if (Side == taRightJustify) X += GetWidth() - NewWidth;
  SetBounds(X, GetTop(), NewWidth, Text.Bottom);
}
