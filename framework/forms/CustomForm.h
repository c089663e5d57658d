// TCustomForm: a top-level window of the program. Its desktop window is
// made from the border style, border icons, window state, form style and
// translucency (CreateParams), owned by the application's hidden window so
// it never gets a task-bar entry of its own. It shows and hides with
// Visible, runs OnShow/OnHide around that, follows activation with
// OnActivate/OnDeactivate, closes through CloseQuery/OnClose and can run a
// modal loop of its own (ShowModal) that ends when ModalResult is set.
//
// Construction: from the constructor until AfterConstruction has finished
// the form is "creating" (fsCreating). A Visible set meanwhile (by code or,
// later, by the form reader) is only recorded and applied when creation
// ends. OnCreate is raised from AfterConstruction through DoCreate, so a
// form reader that loads the definition at the start of AfterConstruction
// runs before it; OnDestroy is raised from BeforeDestruction, while the
// whole form still answers.
//
// Definition: AfterConstruction first reads the definitions of the
// form's class chain (see FormLoader.h); a class without one fails with
// EResNotFound "Resource %s not found". TForm itself, and a form made
// with the CreateNew constructor, read nothing.
//
// Every form is in Screen's list of forms while it exists.
#pragma once

#include "framework/controls/BorderStyle.h"
#include "framework/controls/WinControl.h"
#include "framework/forms/FormLoader.h"

class TCanvas;
class TControlCanvas;

TAVREL_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
TAVREL_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
TAVREL_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
            poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
TAVREL_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
TAVREL_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
TAVREL_ENUM(TFormStateFlag, fsCreating, fsVisible, fsShowing, fsModal, fsActivated)
using TFormState = TSet<TFormStateFlag>;

// The answer of a modal form: what its ModalResult was when the loop ended.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4,
                              mrIgnore = 5, mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9,
                              mrYesToAll = 10;

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;

// Posted by Release; the form is freed when it arrives, after the handler
// that asked has returned.
inline constexpr UINT CM_RELEASE = CM_BASE + 33;

class TCustomForm : public TWinControl {
  TAVREL_CLASS(TCustomForm, TWinControl)
public:
  explicit TCustomForm(TComponent* AOwner);
  // A form built by code: no definition is read.
  TCustomForm(TComponent* AOwner, TCreateNew);
  ~TCustomForm() override;
  void AfterConstruction() override;
  void BeforeDestruction() override;

  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons GetBorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TFormStyle GetFormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  TPosition GetPosition() const { return FPosition; }
  void SetPosition(TPosition Value);
  TWindowState GetWindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);

  bool GetAlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  std::uint8_t GetAlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(std::uint8_t Value);
  bool GetTransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(bool Value);
  TColor GetTransparentColorValue() const { return FTransparentColorValue; }
  void SetTransparentColorValue(TColor Value);

  // While the form is being created, only records the wish.
  void SetVisible(bool Value) override;
  // Visible and in front of the other windows.
  void Show() override;
  void Hide() override;
  TWinControl* GetActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Value);
  bool Active() const { return FActive; }

  TModalResult GetModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Shows the form, disables the program's other windows and dispatches
  // messages until ModalResult is set; everything is put back afterwards,
  // also when an exception ends the loop. EInvalidOperation for a form
  // that is visible, disabled, already modal or an MDI child.
  TModalResult ShowModal();
  // A modal form answers mrCancel. Otherwise, when CloseQuery agrees,
  // OnClose chooses the action; closing the main form ends the program.
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages already waiting have been handled.
  void Release();

  // With KeyPreview the form's key events see the keys meant for its
  // controls first (the application's message loop offers them through
  // PreviewKey); a handler that clears the key keeps it from the control.
  bool GetKeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  // Runs the form's KeyDown/KeyUp/KeyPress for a key message of one of
  // its controls; false when the key was cleared (the message is then not
  // dispatched). The message carries the key as the handler left it.
  bool PreviewKey(MSG& Msg);
  bool GetOldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }
  int GetPixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value);
  bool GetScaled() const { return FScaled; }
  void SetScaled(bool Value) { FScaled = Value; }
  // The text height the definition was designed with (0: none stored),
  // for the reader's scaling.
  int GetTextHeight() const { return FTextHeight; }
  // Whether the definition asked for the parent's font.
  bool GetIgnoreFontProperty() const { return FIgnoreFontProperty; }

  // While the definition is read, only recorded; applied (and scaled)
  // when the read is over.
  void SetClientWidth(int Value);
  void SetClientHeight(int Value);
  // Reads with alignment suspended, then scales to the screen: see
  // ApplyDesignMetrics.
  void ReadContent(TReader& Reader) override;

  TFormState FormState() const { return FFormState; }
  TCanvas* GetCanvas() const;

  void WndProc(TMessage& Message) override;
  void DeclareExtraProperties(TFiler& Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

protected:
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void Activate();
  virtual void Deactivate();
  virtual void Paint();
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void PaintWindow(HDC DC) override;

  void WMActivate(TMessage& Message);
  void WMClose(TMessage& Message);
  void WMSizeForm(TMessage& Message);
  void CMShowingChangedForm(TMessage& Message);
  void CMActivate(TMessage& Message);
  void CMDeactivate(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void WMCancelKey(TMessage& Message);

private:
  bool LayeredOffered() const;
  void ApplyLayeredAttributes();
  void LayeredChanged();
  void PlaceForShowing();
  void CloseModal();
  bool RunModalLoop();
  void EndCreating();
  void ReadDefinition();
  void ApplyDesignMetrics(bool FontChanged);

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TFormStyle FFormStyle = fsNormal;
  TPosition FPosition = poDesigned;
  TWindowState FWindowState = wsNormal;
  bool FAlphaBlend = false;
  std::uint8_t FAlphaBlendValue = 255;
  bool FTransparentColor = false;
  TColor FTransparentColorValue = 0;
  TWinControl* FActiveControl = nullptr;
  TModalResult FModalResult = mrNone;
  bool FKeyPreview = false;
  bool FOldCreateOrder = false;
  int FPixelsPerInch = 96;
  bool FScaled = true;
  int FTextHeight = 0;
  bool FIgnoreFontProperty = false;
  bool FCreatedNew = false;
  int FClientWidth = 0;
  int FClientHeight = 0;
  bool FActive = false;
  TFormState FFormState{fsCreating};
  TControlCanvas* FCanvas;
};

// The form at the top of Control's parent chain, or null when that is not
// a form (or Control is null).
TCustomForm* GetParentForm(const TControl* Control);
