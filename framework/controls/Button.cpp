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
  B.Publish({"OnClick", "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
             "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
             "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
}

} // namespace

const TClass& TButton::StaticClass() {
  static const TClass Class = [] {
    TClassBuilder<TButton> B("TButton");
    B.Publish({"Anchors", "BiDiMode"})
        .Property("Cancel", &TButton::GetCancel, &TButton::SetCancel)
        .Default(false)
        .Publish({"Caption", "Constraints"})
        .Property("Default", &TButton::GetDefault, &TButton::SetDefault)
        .Default(false)
        .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "Font"})
        .Property("ModalResult", &TButton::GetModalResult, &TButton::SetModalResult)
        .Default(mrNone)
        .Publish(
            {"ParentBiDiMode", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"})
        .Property("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop)
        .Default(true)
        .Publish({"Visible"});
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
