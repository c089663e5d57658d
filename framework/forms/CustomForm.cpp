// TCustomForm's state: construction and destruction order, the window's
// creation parameters, translucency and the messages a top-level window
// answers. Showing, closing and the modal loop are in CustomFormShow.cpp.
#include "framework/forms/CustomForm.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Filer.h"
#include "framework/controls/ControlCanvas.h"
#include "framework/controls/TextMeasure.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Screen.h"
#include "framework/graphics/Font.h"

#include "FrameworkConsts.h"

namespace {

// The desktop offers per-window alpha exactly when this entry point can
// be found; asked at each use, since the desktop may change under us.
TSetLayeredWindowAttributesProc LayeredProc() {
  HMODULE User32 = LoadLibrary("user32.dll");
  auto Proc = reinterpret_cast<TSetLayeredWindowAttributesProc>(
      GetProcAddress(User32, "SetLayeredWindowAttributes"));
  FreeLibrary(User32);
  return Proc;
}

// A control can take the focus on its form when it and every parent below
// the form are visible and enabled; the form itself may still be hidden
// (the focus moves there when it is activated).
bool CanFocusOn(const TWinControl* Control, const TCustomForm* Form) {
  for (const TWinControl* C = Control; C && C != Form; C = C->GetParent())
    if (!C->GetVisible() || !C->GetEnabled()) return false;
  return true;
}

} // namespace

const TClass& TCustomForm::StaticClass() {
  static const TClass Class = TClassBuilder<TCustomForm>("TCustomForm").Build();
  return Class;
}

TCustomForm* GetParentForm(const TControl* Control) {
  if (!Control) return nullptr;
  while (Control->GetParent()) Control = Control->GetParent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(Control));
}

// The variable the application is creating this form for holds it from
// here on. A form starts hidden (only a recorded wish shows it), in the
// button-face colour, with its own font rather than a parent's.
TCustomForm::TCustomForm(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(Create<TControlCanvas>()) {
  if (TComponent** Reference = TakeCreatingReference()) *Reference = this;
  FCanvas->SetControl(this);
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  TControl::SetVisible(false);
  SetBounds(0, 0, 320, 240);
  SetColor(clBtnFace);
  TFont* Font = GetFont();
  Font->SetName("MS Sans Serif");
  Font->SetHeight(-11);
  Font->SetCharset(DEFAULT_CHARSET);
  Font->SetColor(clWindowText);
  SetParentFont(false);
  if (Screen) FPixelsPerInch = Screen->GetPixelsPerInch();
  if (Screen) Screen->AddForm(this);
}

TCustomForm::TCustomForm(TComponent* AOwner, TCreateNew) : TCustomForm(AOwner) {
  FCreatedNew = true;
}

// The window goes while this class still answers its messages (the
// deactivation of a form being destroyed reaches its own handler).
TCustomForm::~TCustomForm() {
  if (HandleAllocated()) DestroyHandle();
  if (Screen) Screen->RemoveForm(this);
  FCanvas->Free();
}

// A form reader loads the definition here, first, while the form is still
// creating: a Visible it reads is then applied after OnCreate.
void TCustomForm::AfterConstruction() {
  ReadDefinition();
  inherited::AfterConstruction();
  EndCreating();
  DoCreate();
  if (FFormState.Contains(fsVisible)) {
    FFormState.Exclude(fsVisible);
    SetVisible(true);
  }
  if (FFormState.Contains(fsActivated)) {
    FFormState.Exclude(fsActivated);
    Activate();
  }
}

void TCustomForm::EndCreating() { FFormState.Exclude(fsCreating); }

void TCustomForm::ReadDefinition() {
  if (FCreatedNew || ComponentState().Contains(csDesigning)) return;
  const TClass& Ancestor =
      InheritsFrom(TForm::StaticClass()) ? TForm::StaticClass() : TCustomForm::StaticClass();
  if (&ClassType() == &Ancestor) return;
  TNameSpaceWriteLock Lock;
  if (!LoadFormDefinition(this, Ancestor)) throw EResNotFound(SResNotFound, {ClassName()});
}

// Hidden first, so OnHide runs while the form is whole; OnDestroy
// follows in both creation orders.
void TCustomForm::BeforeDestruction() {
  Destroying();
  try {
    Hide();
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(this);
  }
  DoDestroy();
  inherited::BeforeDestruction();
}

void TCustomForm::DoCreate() { RaiseCreationEvent(OnCreate, this); }
void TCustomForm::DoDestroy() { RaiseCreationEvent(OnDestroy, this); }

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (FBorderIcons == Value) return;
  FBorderIcons = Value;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (FFormStyle == Value) return;
  FFormStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetPosition(TPosition Value) { FPosition = Value; }

// A showing window changes state at once; its WM_SIZE keeps the value in
// step with what the desktop did. A hidden one shows in that state.
void TCustomForm::SetWindowState(TWindowState Value) {
  static constexpr int Commands[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
  if (FWindowState == Value) return;
  FWindowState = Value;
  if (Showing()) ShowWindow(GetHandle(), Commands[Value]);
}

void TCustomForm::SetPixelsPerInch(int Value) {
  if (Value > 0) FPixelsPerInch = Value;
}

// Only a control on this form that can take the focus (or any while the
// definition is being read) can be the active one.
void TCustomForm::SetActiveControl(TWinControl* Value) {
  if (FActiveControl == Value) return;
  if (Value && (Value == this || GetParentForm(Value) != this ||
                (!ComponentState().Contains(csLoading) && !CanFocusOn(Value, this))))
    throw EInvalidOperation(SCannotFocus);
  if (FActiveControl) FActiveControl->RemoveFreeNotification(this);
  FActiveControl = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  if (FActive && !ComponentState().Contains(csLoading)) ::SetFocus(Value->GetHandle());
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FActiveControl) FActiveControl = nullptr;
}

TCanvas* TCustomForm::GetCanvas() const { return FCanvas; }

// ---- translucency ----

void TCustomForm::SetAlphaBlend(bool Value) {
  if (FAlphaBlend == Value) return;
  FAlphaBlend = Value;
  LayeredChanged();
}

void TCustomForm::SetAlphaBlendValue(std::uint8_t Value) {
  if (FAlphaBlendValue == Value) return;
  FAlphaBlendValue = Value;
  LayeredChanged();
}

void TCustomForm::SetTransparentColor(bool Value) {
  if (FTransparentColor == Value) return;
  FTransparentColor = Value;
  LayeredChanged();
}

void TCustomForm::SetTransparentColorValue(TColor Value) {
  if (FTransparentColorValue == Value) return;
  FTransparentColorValue = Value;
  LayeredChanged();
}

bool TCustomForm::LayeredOffered() const { return LayeredProc() != nullptr; }

void TCustomForm::ApplyLayeredAttributes() {
  TSetLayeredWindowAttributesProc Proc = LayeredProc();
  if (!Proc || !HandleAllocated()) return;
  DWORD Flags = (FAlphaBlend ? LWA_ALPHA : 0) | (FTransparentColor ? LWA_COLORKEY : 0);
  Proc(GetHandle(), ColorToRGB(FTransparentColorValue), FAlphaBlendValue, Flags);
}

// Translucent: the window becomes layered (if it is not yet) and takes the
// values at once. Opaque: it stops being layered and is drawn anew, frame
// and children included.
void TCustomForm::LayeredChanged() {
  if (!LayeredOffered() || !HandleAllocated()) return;
  HWND Wnd = GetHandle();
  LONG_PTR ExStyle = GetWindowLong(Wnd, GWL_EXSTYLE);
  if (FAlphaBlend || FTransparentColor) {
    if (!(ExStyle & WS_EX_LAYERED)) SetWindowLong(Wnd, GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
    ApplyLayeredAttributes();
    return;
  }
  SetWindowLong(Wnd, GWL_EXSTYLE, ExStyle & ~LONG_PTR(WS_EX_LAYERED));
  RedrawWindow(Wnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

// ---- the window ----

// The layered style goes in before the border style is applied: the
// dialog and tool-window styles replace the extended style wholesale, so
// such windows start out opaque.
void TCustomForm::CreateParams(TCreateParams& P) {
  inherited::CreateParams(P);
  bool TopLevel = !GetParent() && !GetParentWindow();
  if (TopLevel) {
    P.WndParent = Application ? Application->GetHandle() : nullptr;
    P.Style &= ~(WS_CHILD | WS_GROUP | WS_TABSTOP);
  }
  P.WindowClass.style = CS_DBLCLKS;
  if (FPosition == poDefault || FPosition == poDefaultPosOnly) P.X = P.Y = CW_USEDEFAULT;
  if ((FAlphaBlend || FTransparentColor) && LayeredOffered()) P.ExStyle |= WS_EX_LAYERED;
  TBorderIcons Icons = FBorderIcons;
  TFormBorderStyle Style = FBorderStyle;
  if (FFormStyle == fsMDIChild && (Style == bsNone || Style == bsDialog)) Style = bsSizeable;
  switch (Style) {
  case bsNone:
    if (TopLevel) P.Style |= WS_POPUP;
    Icons = {};
    break;
  case bsSingle:
  case bsToolWindow: P.Style |= WS_CAPTION; break;
  case bsSizeable:
  case bsSizeToolWin: P.Style |= WS_CAPTION | WS_THICKFRAME; break;
  case bsDialog:
    P.Style |= WS_POPUP | WS_CAPTION;
    P.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    Icons = Icons * TBorderIcons{biSystemMenu, biHelp};
    break;
  }
  if (Style == bsToolWindow || Style == bsSizeToolWin) {
    P.ExStyle = WS_EX_TOOLWINDOW;
    Icons = Icons * TBorderIcons{biSystemMenu};
  }
  if (Style == bsNone || Style == bsSingle || Style == bsSizeable) {
    if (Icons.Contains(biMinimize)) P.Style |= WS_MINIMIZEBOX;
    if (Icons.Contains(biMaximize)) P.Style |= WS_MAXIMIZEBOX;
    if (FWindowState == wsMinimized) P.Style |= WS_MINIMIZE;
    if (FWindowState == wsMaximized) P.Style |= WS_MAXIMIZE;
  } else {
    FWindowState = wsNormal;
  }
  if (Icons.Contains(biSystemMenu)) P.Style |= WS_SYSMENU;
  if (Icons.Contains(biHelp)) P.ExStyle |= WS_EX_CONTEXTHELP;
}

void TCustomForm::CreateWnd() {
  inherited::CreateWnd();
  HWND Wnd = GetHandle();
  if (FFormStyle == fsStayOnTop)
    SetWindowPos(Wnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (GetWindowLong(Wnd, GWL_EXSTYLE) & WS_EX_LAYERED) ApplyLayeredAttributes();
}

void TCustomForm::PaintWindow(HDC DC) {
  FCanvas->FreeHandle();
  FCanvas->Lock();
  FCanvas->SetHandle(DC);
  try {
    Paint();
  } catch (...) {
    FCanvas->SetHandle(nullptr);
    FCanvas->Unlock();
    throw;
  }
  FCanvas->SetHandle(nullptr);
  FCanvas->Unlock();
}

void TCustomForm::Paint() { OnPaint(this); }

// ---- reading the definition ----

void TCustomForm::SetClientWidth(int Value) {
  if (ComponentState().Contains(csReading))
    FClientWidth = Value;
  else
    TControl::SetClientWidth(Value);
}

void TCustomForm::SetClientHeight(int Value) {
  if (ComponentState().Contains(csReading))
    FClientHeight = Value;
  else
    TControl::SetClientHeight(Value);
}

void TCustomForm::ReadContent(TReader& Reader) {
  DisableAlign();
  try {
    FClientWidth = 0;
    FClientHeight = 0;
    FTextHeight = 0;
    int FontHeight = GetFont()->GetHeight();
    inherited::ReadContent(Reader);
    ApplyDesignMetrics(GetFont()->GetHeight() != FontHeight);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

// A definition made at another resolution, or whose text measures
// differently here, is scaled by the ratio of the text heights: the
// height of "0" in the form's font now against the stored TextHeight.
void TCustomForm::ApplyDesignMetrics(bool FontChanged) {
  int ScreenPixels = Screen ? Screen->GetPixelsPerInch() : FPixelsPerInch;
  if (FPixelsPerInch != 0 && FTextHeight > 0) {
    TFont* Font = GetFont();
    if (FontChanged && FPixelsPerInch != ScreenPixels)
      Font->SetHeight(MulDiv(Font->GetHeight(), ScreenPixels, FPixelsPerInch));
    FPixelsPerInch = ScreenPixels;
    TRect Zero = MeasureText(Font, "0", TRect{0, 0, 0, 0}, DT_SINGLELINE | DT_NOPREFIX);
    int Current = Zero.Bottom - Zero.Top;
    if (Current > 0 && Current != FTextHeight) {
      std::vector<TControl*> Children;
      for (int I = 0; I < ControlCount(); ++I) Children.push_back(Controls(I));
      for (TControl* C : Children) C->ChangeScale(Current, FTextHeight);
      FClientWidth = MulDiv(FClientWidth, Current, FTextHeight);
      FClientHeight = MulDiv(FClientHeight, Current, FTextHeight);
    }
  }
  // The frame the client area lies in is known once the window exists.
  if (FClientWidth > 0 || FClientHeight > 0) HandleNeeded();
  if (FClientWidth > 0) TControl::SetClientWidth(FClientWidth);
  if (FClientHeight > 0) TControl::SetClientHeight(FClientHeight);
}

void TCustomForm::DeclareExtraProperties(TFiler& Filer) {
  inherited::DeclareExtraProperties(Filer);
  Filer.ExtraProperty("TextHeight", [this](TFiler& R) { FTextHeight = R.ReadInteger(); });
  Filer.ExtraProperty("IgnoreFontProperty", [this](TFiler& R) {
    FIgnoreFontProperty = R.ReadBoolean();
    if (FIgnoreFontProperty) SetParentFont(true);
  });
}

// ---- messages ----

void TCustomForm::WndProc(TMessage& M) {
  switch (M.Msg) {
  case WM_ACTIVATE: return WMActivate(M);
  case WM_CLOSE: return WMClose(M);
  case WM_SIZE: return WMSizeForm(M);
  case CM_SHOWINGCHANGED: return CMShowingChangedForm(M);
  case CM_ACTIVATE: return CMActivate(M);
  case CM_DEACTIVATE: return CMDeactivate(M);
  case CM_RELEASE: Free(); return;
  case CM_DIALOGKEY: return CMDialogKey(M);
  case WM_COMMAND:
    if (M.LParam == 0 && LOWORD(DWORD(M.WParam)) == IDCANCEL) return WMCancelKey(M);
    break;
  default: break;
  }
  inherited::WndProc(M);
}

// The desktop's Escape in a dialog-framed window arrives as IDCANCEL
// without a sender; the controls hear it as a dialog key (a Cancel button
// answers it).
void TCustomForm::WMCancelKey(TMessage& M) {
  Perform(CM_DIALOGKEY, VK_ESCAPE, 0);
  M.Result = 0;
}

// Offered to every control of the form, nested ones included, until one
// takes it (answers non-zero).
void TCustomForm::CMDialogKey(TMessage& M) {
  std::vector<TWinControl*> Parents{this};
  for (std::size_t P = 0; P < Parents.size(); ++P)
    for (int I = 0; I < Parents[P]->ControlCount(); ++I) {
      TControl* C = Parents[P]->Controls(I);
      M.Result = C->Perform(CM_DIALOGKEY, M.WParam, M.LParam);
      if (M.Result) return;
      if (auto* W = dynamic_cast<TWinControl*>(C)) Parents.push_back(W);
    }
}

// The desktop puts the focus on the window first; the active control
// then takes it over.
void TCustomForm::WMActivate(TMessage& M) {
  DefaultHandler(M);
  FActive = LOWORD(DWORD(M.WParam)) != WA_INACTIVE;
  if (!FActive) {
    Perform(CM_DEACTIVATE, 0, 0);
    return;
  }
  if (Screen) Screen->SetActiveForm(this);
  if (FActiveControl && CanFocusOn(FActiveControl, this)) ::SetFocus(FActiveControl->GetHandle());
  Perform(CM_ACTIVATE, 0, 0);
}

void TCustomForm::CMActivate(TMessage&) {
  if (FFormState.Contains(fsCreating))
    FFormState.Include(fsActivated);
  else
    Activate();
}

void TCustomForm::CMDeactivate(TMessage&) { Deactivate(); }

void TCustomForm::Activate() { OnActivate(this); }
void TCustomForm::Deactivate() { OnDeactivate(this); }

// The close box asks; the form decides (it must not simply be destroyed).
void TCustomForm::WMClose(TMessage& M) {
  Close();
  M.Result = 0;
}

// Only a shown window reports its state: the size message of a window
// being created says nothing about the state it will show in.
void TCustomForm::WMSizeForm(TMessage& M) {
  if (HandleAllocated() && IsWindowVisible(GetHandle())) {
    if (M.WParam == SIZE_MINIMIZED) FWindowState = wsMinimized;
    if (M.WParam == SIZE_MAXIMIZED) FWindowState = wsMaximized;
    if (M.WParam == SIZE_RESTORED) FWindowState = wsNormal;
  }
  inherited::WndProc(M);
}
