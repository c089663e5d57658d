// TControl's state: bounds, parent, the inherited look (colour, font,
// hints) and the published description. Message handling is in
// ControlMessages.cpp.
#include "framework/controls/Control.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Filer.h"
#include "framework/classes/Reader.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Font.h"
#include "framework/menus/PopupMenu.h"

#include "FrameworkConsts.h"

const TClass& TControl::StaticClass() {
  using C = TControl;
  static const TClass Class =
      TClassBuilder<C>("TControl")
          .Property("Left", &C::GetLeft, &C::SetLeft)
          .Property("Top", &C::GetTop, &C::SetTop)
          .Property("Width", &C::GetWidth, &C::SetWidth)
          .Property("Height", &C::GetHeight, &C::SetHeight)
          .Property("Cursor", &C::GetCursor, &C::SetCursor)
          .Type(CursorTypeInfo())
          .Default(crDefault)
          .Property("Hint", &C::GetHint, &C::SetHint)
          .Property("HelpType", &C::GetHelpType, &C::SetHelpType)
          .Default(htContext)
          .Property("HelpKeyword", &C::GetHelpKeyword, &C::SetHelpKeyword)
          .Property("HelpContext", &C::GetHelpContext, &C::SetHelpContext)
          .Default(0)
          // What descendants publish as they need it.
          .Declare("Align", &C::GetAlign, &C::SetAlign)
          .Default(alNone)
          .Declare("Anchors", &C::GetAnchors, &C::SetAnchors)
          .Default(TAnchors{akLeft, akTop})
          .Declare("BiDiMode", &C::GetBiDiMode, &C::SetBiDiMode)
          .Declare("Caption", &C::GetCaption, &C::SetCaption)
          .Declare("Constraints", &C::GetConstraints, &C::SetConstraints)
          .Declare("DragCursor", &C::GetDragCursor, &C::SetDragCursor)
          .Type(CursorTypeInfo())
          .Default(crDrag)
          .Declare("DragKind", &C::GetDragKind, &C::SetDragKind)
          .Default(dkDrag)
          .Declare("DragMode", &C::GetDragMode, &C::SetDragMode)
          .Default(dmManual)
          .Declare("Enabled", &C::GetEnabled, &C::SetEnabled)
          .Default(true)
          .Declare("Font", &C::GetFont, &C::SetFont)
          .Declare("ParentBiDiMode", &C::GetParentBiDiMode, &C::SetParentBiDiMode)
          .Default(true)
          .Declare("ParentFont", &C::GetParentFont, &C::SetParentFont)
          .Default(true)
          .Declare("ParentShowHint", &C::GetParentShowHint, &C::SetParentShowHint)
          .Default(true)
          .Declare("PopupMenu", &C::GetPopupMenu, &C::SetPopupMenu)
          .Declare("ShowHint", &C::GetShowHint, &C::SetShowHint)
          .Declare("Visible", &C::GetVisible, &C::SetVisible)
          .Default(true)
          .Declare("OnClick", &C::OnClick, &C::OnClick)
          .Declare("OnContextPopup", &C::OnContextPopup, &C::OnContextPopup)
          .Declare("OnDblClick", &C::OnDblClick, &C::OnDblClick)
          .Declare("OnDragDrop", &C::OnDragDrop, &C::OnDragDrop)
          .Declare("OnDragOver", &C::OnDragOver, &C::OnDragOver)
          .Declare("OnEndDock", &C::OnEndDock, &C::OnEndDock)
          .Declare("OnEndDrag", &C::OnEndDrag, &C::OnEndDrag)
          .Declare("OnMouseDown", &C::OnMouseDown, &C::OnMouseDown)
          .Declare("OnMouseMove", &C::OnMouseMove, &C::OnMouseMove)
          .Declare("OnMouseUp", &C::OnMouseUp, &C::OnMouseUp)
          .Declare("OnResize", &C::OnResize, &C::OnResize)
          .Declare("OnStartDock", &C::OnStartDock, &C::OnStartDock)
          .Declare("OnStartDrag", &C::OnStartDrag, &C::OnStartDrag)
          .Build();
  return Class;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  WindowProc = [this](TMessage& M) { WndProc(M); };
  FFont = Create<TFont>();
  FFont->OnChange = MakeEvent<&TControl::FontChanged>(this);
  FConstraints = Create<TSizeConstraints>();
  FConstraints->OnChange = MakeEvent<&TControl::ConstraintsChanged>(this);
}

TControl::~TControl() {
  Destroying();
  if (FParent) FParent->RemoveControl(this);
  FConstraints->Free();
  FFont->Free();
}

void TControl::BeforeDestruction() {
  TComponent::BeforeDestruction();
  if (GetCaptureControl() == this) SetCaptureControl(nullptr);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  FConstraints->Constrain(AWidth, AHeight);
  if (AWidth < 0) AWidth = 0;
  if (AHeight < 0) AHeight = 0;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  bool Resized = AWidth != FWidth || AHeight != FHeight;
  InvalidateControl(FVisible, false);
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  Invalidate();
  BoundsChanged();
  if (Resized) Resize();
  RequestAlign();
}

TRect TControl::GetClientRect() const { return {0, 0, FWidth, FHeight}; }

void TControl::SetClientWidth(int Value) {
  SetBounds(FLeft, FTop, GetWidth() - GetClientWidth() + Value, GetHeight());
}

void TControl::SetClientHeight(int Value) {
  SetBounds(FLeft, FTop, GetWidth(), GetHeight() - GetClientHeight() + Value);
}

TPoint TControl::ClientOrigin() const {
  if (!FParent) return {FLeft, FTop};
  TPoint P = FParent->ClientOrigin();
  return {P.X + FLeft, P.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) const {
  TPoint O = ClientOrigin();
  return {P.X + O.X, P.Y + O.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const {
  TPoint O = ClientOrigin();
  return {P.X - O.X, P.Y - O.Y};
}

void TControl::ChangeScale(int M, int D) {
  if (M == D || D == 0) return;
  int X = MulDiv(FLeft, M, D), Y = MulDiv(FTop, M, D);
  int W = MulDiv(FLeft + FWidth, M, D) - X, H = MulDiv(FTop + FHeight, M, D) - Y;
  SetBounds(X, Y, W, H);
  if (!FParentFont) FFont->SetHeight(MulDiv(FFont->GetHeight(), M, D));
}

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent == this) throw EInvalidOperation(SControlParentSetToSelf);
  if (FParent) FParent->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* Value) {
  if (auto* W = dynamic_cast<TWinControl*>(Value)) SetParent(W);
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  RequestAlign();
}

void TControl::SetConstraints(TSizeConstraints* Value) { FConstraints->Assign(Value); }

void TControl::ConstraintsChanged(TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); }

void TControl::RequestAlign() {
  if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  VisibleChanging();
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, WPARAM(Value), 0);
  RequestAlign();
}

void TControl::Show() {
  if (FParent) FParent->Show();
  SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value && !FParentColor) return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (Value && FParent) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetFont(TFont* Value) { FFont->Assign(Value); }

// A font change made by the parent's font following keeps ParentFont;
// any other change ends it.
void TControl::FontChanged(TObject*) {
  if (!FFollowingParentFont) FParentFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (Value && FParent) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

std::string TControl::GetText() const { return GetTextValue(); }

void TControl::SetText(const std::string& Value) {
  if (GetTextValue() == Value) return;
  SetTextValue(Value);
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetTextValue(const std::string& Value) { FText = Value; }

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value) {
  FShowHint = Value;
  FParentShowHint = false;
}

void TControl::SetParentShowHint(bool Value) {
  FParentShowHint = Value;
  if (Value && FParent) FShowHint = FParent->GetShowHint();
}

void TControl::SetHelpKeyword(const std::string& Value) {
  FHelpKeyword = Value;
  FHelpType = htKeyword;
}

void TControl::SetHelpContext(int Value) {
  FHelpContext = Value;
  FHelpType = htContext;
}

void TControl::SetBiDiMode(TBiDiMode Value) {
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  FParentBiDiMode = false;
  Invalidate();
}

void TControl::SetParentBiDiMode(bool Value) {
  FParentBiDiMode = Value;
  if (Value && FParent) FBiDiMode = FParent->GetBiDiMode();
}

bool TControl::UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }

// The menu may belong to another owner (a data module), so the control
// asks to hear when it goes.
void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParent) {
    if (FParentColor) Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (FParentFont) Perform(CM_PARENTFONTCHANGED, 0, 0);
  }
  RequestAlign();
}

void TControl::ReadContent(TReader& Reader) {
  if (auto* W = dynamic_cast<TWinControl*>(Reader.GetParent())) SetParent(W);
  inherited::ReadContent(Reader);
}

// Left and Top are published here, so the component's design-position
// values are not declared again.
void TControl::DeclareExtraProperties(TFiler& Filer) {
  TPersistent::DeclareExtraProperties(Filer);
  Filer.ExtraProperty("IsControl", [this](TFiler& R) { FIsControl = R.ReadBoolean(); });
}

void TControl::Invalidate() { InvalidateControl(FVisible, FControlStyle.Contains(csOpaque)); }

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
  if (IsVisible && FParent && FParent->HandleAllocated())
    FParent->InvalidateChild(this, BoundsRect(), !IsOpaque);
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (FParent) FParent->ReorderControl(this, true);
}

void TControl::SendToBack() {
  if (FParent) FParent->ReorderControl(this, false);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage M{Msg, WParam, LParam, 0};
  WindowProc(M);
  return M.Result;
}
