// TControl: anything shown in a window. It has bounds in its parent's
// client coordinates, visibility, colour, font, caption, cursor, hint and
// a popup menu, and handles messages through a WndProc chain in which each
// class handles the messages it knows in small named handlers and passes
// the rest to its parent class.
//
// A non-windowed control (TGraphicControl) has no desktop window: its
// parent paints it and hands it the mouse messages that fall on it.
// TWinControl adds the desktop window.
#pragma once

#include "framework/classes/Component.h"
#include "framework/controls/ControlTypes.h"
#include "framework/controls/Messages.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/Cursors.h"

#include <functional>
#include <string>

class TFont;
class TPopupMenu;
class TSizeConstraints;
class TWinControl;
class TControl;

// The control that holds the mouse: a windowed control's window has the
// desktop's capture, and for a non-windowed one its parent has it.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);

class TControl : public TComponent {
  TAVREL_CLASS(TControl, TComponent)
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  void BeforeDestruction() override;

  // Bounds, in the parent's client coordinates (screen for a top-level
  // window). Setting any of them moves or resizes at once.
  int GetLeft() const { return FLeft; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  int GetTop() const { return FTop; }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  virtual int GetWidth() const { return FWidth; }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  virtual int GetHeight() const { return FHeight; }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  void SetBoundsRect(const TRect& R) {
    SetBounds(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
  }
  virtual TRect GetClientRect() const;
  int GetClientWidth() const { return GetClientRect().Right; }
  void SetClientWidth(int Value);
  int GetClientHeight() const { return GetClientRect().Bottom; }
  void SetClientHeight(int Value);
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint P) const;
  TPoint ScreenToClient(TPoint P) const;
  // Scales position and size by M / D (the form reader's text-height
  // scaling).
  virtual void ChangeScale(int M, int D);

  TWinControl* GetParent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);
  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return true; }
  void SetParentComponent(TComponent* Value) override;

  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors GetAnchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value) { FAnchors = Value; }
  TSizeConstraints* GetConstraints() const { return FConstraints; }
  void SetConstraints(TSizeConstraints* Value);

  bool GetVisible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  virtual void Show();
  virtual void Hide();
  virtual bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value);
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  // Caption and Text are the same string.
  std::string GetText() const;
  void SetText(const std::string& Value);
  std::string GetCaption() const { return GetText(); }
  void SetCaption(const std::string& Value) { SetText(Value); }

  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool GetParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  THelpType GetHelpType() const { return FHelpType; }
  void SetHelpType(THelpType Value) { FHelpType = Value; }
  const std::string& GetHelpKeyword() const { return FHelpKeyword; }
  void SetHelpKeyword(const std::string& Value);
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value);
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool GetParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  bool UseRightToLeftAlignment() const;
  TCursor GetDragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  TDragKind GetDragKind() const { return FDragKind; }
  void SetDragKind(TDragKind Value) { FDragKind = Value; }
  TDragMode GetDragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }

  TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);
  // A designer's flag, stored in form definitions; no effect at run time.
  bool GetIsControl() const { return FIsControl; }
  void SetIsControl(bool Value) { FIsControl = Value; }

  bool GetMouseCapture() const { return GetCaptureControl() == this; }
  void SetMouseCapture(bool Value);

  TControlState ControlState() const { return FControlState; }
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }

  // Sends a message straight to this control's WndProc chain.
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
  // Where messages enter; replaceable, like a subclassed window
  // procedure. Defaults to WndProc.
  std::function<void(TMessage&)> WindowProc;
  virtual void WndProc(TMessage& Message);
  // What happens to a message nobody handled.
  virtual void DefaultHandler(TMessage& Message);

  virtual void Invalidate();
  virtual void Update();
  void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  virtual void Click();
  void Loaded() override;
  // Takes the reader's Parent as its parent when that is a windowed
  // control, then reads as a component.
  void ReadContent(TReader& Reader) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DeclareExtraProperties(TFiler& Filer) override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;
  TContextPopupEvent OnContextPopup;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDock;
  TEndDragEvent OnEndDrag;
  TStartDragEvent OnStartDock;
  TStartDragEvent OnStartDrag;

protected:
  friend class TWinControl;

  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DoContextPopup(TPoint MousePos, bool& Handled);
  virtual void Resize();
  // The parent's client area or own bounds changed place.
  virtual void BoundsChanged() {}
  virtual void VisibleChanging() {}
  virtual void SetTextValue(const std::string& Value);
  virtual std::string GetTextValue() const { return FText; }
  // Ask the parent to lay out its aligned children again.
  void RequestAlign();
  void InvalidateControl(bool IsVisible, bool IsOpaque);
  void SendCancelMode();

  void CMVisibleChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  void WMMouseDown(TMessage& Message, TMouseButton Button, bool Double);
  void WMMouseUp(TMessage& Message, TMouseButton Button);
  void WMMouseMove(TMessage& Message);

  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TWinControl* FParent = nullptr;
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;
  TColor FColor = clWindow;

private:
  void FontChanged(TObject* Sender);
  void ConstraintsChanged(TObject* Sender);

  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  TSizeConstraints* FConstraints = nullptr;
  bool FVisible = true;
  bool FEnabled = true;
  bool FParentColor = true;
  TFont* FFont = nullptr;
  bool FParentFont = true;
  std::string FText;
  TCursor FCursor = crDefault;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  THelpType FHelpType = htContext;
  std::string FHelpKeyword;
  int FHelpContext = 0;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
  TCursor FDragCursor = crDrag;
  TDragKind FDragKind = dkDrag;
  TDragMode FDragMode = dmManual;
  TPopupMenu* FPopupMenu = nullptr;
  bool FIsControl = false;
  bool FFollowingParentFont = false;
};
