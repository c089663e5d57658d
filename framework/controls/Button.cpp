// The button is a subclassed native "BUTTON": every message passes the
// control first, so a click reflected by the parent reaches Click here
// and the native button keeps its own look and keyboard handling. The
// window layer hands it the control's font (WM_SETFONT) at creation and
// on every font change.
#include "framework/controls/Button.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/graphics/Font.h"
#include "framework/menus/PopupMenu.h"

namespace {

// Bit 29 of a key message's data: Alt was down.
constexpr LPARAM AltDownFlag = LPARAM(1) << 29;

void PublishEvents(TClassBuilder<TButton>& B) {
  B.Property("OnClick", &TControl::OnClick, &TControl::OnClick)
      .Property("OnContextPopup", &TControl::OnContextPopup, &TControl::OnContextPopup)
      .Property("OnDragDrop", &TControl::OnDragDrop, &TControl::OnDragDrop)
      .Property("OnDragOver", &TControl::OnDragOver, &TControl::OnDragOver)
      .Property("OnEndDock", &TControl::OnEndDock, &TControl::OnEndDock)
      .Property("OnEndDrag", &TControl::OnEndDrag, &TControl::OnEndDrag)
      .Property("OnEnter", &TWinControl::OnEnter, &TWinControl::OnEnter)
      .Property("OnExit", &TWinControl::OnExit, &TWinControl::OnExit)
      .Property("OnKeyDown", &TWinControl::OnKeyDown, &TWinControl::OnKeyDown)
      .Property("OnKeyPress", &TWinControl::OnKeyPress, &TWinControl::OnKeyPress)
      .Property("OnKeyUp", &TWinControl::OnKeyUp, &TWinControl::OnKeyUp)
      .Property("OnMouseDown", &TControl::OnMouseDown, &TControl::OnMouseDown)
      .Property("OnMouseMove", &TControl::OnMouseMove, &TControl::OnMouseMove)
      .Property("OnMouseUp", &TControl::OnMouseUp, &TControl::OnMouseUp)
      .Property("OnStartDock", &TControl::OnStartDock, &TControl::OnStartDock)
      .Property("OnStartDrag", &TControl::OnStartDrag, &TControl::OnStartDrag);
}

} // namespace

const TClass& TButton::StaticClass() {
  static const TClass Class = [] {
    TClassBuilder<TButton> B("TButton");
    B.Property("Anchors", &TControl::GetAnchors, &TControl::SetAnchors)
        .Default(TAnchors{akLeft, akTop})
        .Property("BiDiMode", &TControl::GetBiDiMode, &TControl::SetBiDiMode)
        .Property("Cancel", &TButton::GetCancel, &TButton::SetCancel)
        .Default(false)
        .Property("Caption", &TControl::GetCaption, &TControl::SetCaption)
        .Property("Constraints", &TControl::GetConstraints, &TControl::SetConstraints)
        .Property("Default", &TButton::GetDefault, &TButton::SetDefault)
        .Default(false)
        .Property("DragCursor", &TControl::GetDragCursor, &TControl::SetDragCursor)
        .Type(CursorTypeInfo())
        .Default(crDrag)
        .Property("DragKind", &TControl::GetDragKind, &TControl::SetDragKind)
        .Default(dkDrag)
        .Property("DragMode", &TControl::GetDragMode, &TControl::SetDragMode)
        .Default(dmManual)
        .Property("Enabled", &TControl::GetEnabled, &TControl::SetEnabled)
        .Default(true)
        .Property("Font", &TControl::GetFont, &TControl::SetFont)
        .Property("ModalResult", &TButton::GetModalResult, &TButton::SetModalResult)
        .Default(mrNone)
        .Property("ParentBiDiMode", &TControl::GetParentBiDiMode, &TControl::SetParentBiDiMode)
        .Default(true)
        .Property("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont)
        .Default(true)
        .Property("ParentShowHint", &TControl::GetParentShowHint, &TControl::SetParentShowHint)
        .Default(true)
        .Property("PopupMenu", &TControl::GetPopupMenu, &TControl::SetPopupMenu)
        .Property("ShowHint", &TControl::GetShowHint, &TControl::SetShowHint)
        .Property("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder)
        .Default(-1)
        .Property("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop)
        .Default(true)
        .Property("Visible", &TControl::GetVisible, &TControl::SetVisible)
        .Default(true);
    PublishEvents(B);
    return B.Build();
  }();
  return Class;
}

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(GetLeft(), GetTop(), 75, 25);
  SetTabStop(true);
}

void TButton::SetDefault(bool Value) {
  if (Value == FDefault) return;
  FDefault = Value;
  if (HandleAllocated())
    SendMessage(GetHandle(), BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
  if (FModalResult != mrNone)
    if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FModalResult);
  inherited::Click();
}

void TButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case CN_COMMAND: CNCommand(Message); return;
  case CM_DIALOGKEY: CMDialogKey(Message); return;
  }
  inherited::WndProc(Message);
}

void TButton::CNCommand(TMessage& Message) {
  Message.Result = 0;
  if (HIWORD(DWORD(Message.WParam)) == BN_CLICKED) Click();
}

void TButton::CMDialogKey(TMessage& Message) {
  const bool Enter = Message.WParam == VK_RETURN && FDefault;
  const bool Escape = Message.WParam == VK_ESCAPE && FCancel;
  if ((Enter || Escape) && !(Message.LParam & AltDownFlag) && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  inherited::WndProc(Message);
}
