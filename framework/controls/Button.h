// TButton: the desktop's native push button as a control. The native
// button reports a click (mouse, Space, or BM_CLICK from the desktop's
// default-button rule for Enter) to its parent, which reflects it back
// here as CN_COMMAND / BN_CLICKED: a button with a ModalResult hands it
// to its form, then OnClick runs.
//
// Default makes it the native default push button (BS_DEFPUSHBUTTON),
// which Enter presses; Default and Cancel also answer the form's dialog
// keys (CM_DIALOGKEY with Enter and Escape).
#pragma once

#include "framework/controls/WinControl.h"
// TModalResult and its mr* values.
#include "framework/forms/CustomForm.h"

class TButton : public TWinControl {
  TAVREL_CLASS(TButton, TWinControl)
public:
  explicit TButton(TComponent* AOwner);

  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value);
  bool GetCancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult GetModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }

  void Click() override;
  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;

private:
  void CNCommand(TMessage& Message);
  void CMDialogKey(TMessage& Message);

  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};
