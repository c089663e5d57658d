// TScrollBar: the desktop's native scroll bar as a control. The control
// keeps range and position; the native bar reports the user's actions,
// which come back here reflected as CN_HSCROLL / CN_VSCROLL and move the
// position through Scroll (the hook descendants extend) and SetPosition.
//
// Min, Max and Position change together through SetParams, which refuses
// a maximum below the minimum or below the page size
// (EInvalidOperation "Scrollbar property out of range") and keeps the
// position inside the range. A right-to-left horizontal bar shows the
// position mirrored (Max - Position) and scrolls the other way.
#pragma once

#include "framework/controls/WinControl.h"

TAVREL_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
TAVREL_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop,
            scBottom, scEndScroll)

// The step of an arrow or trough click: 1..32767.
using TScrollBarInc = int;
using TScrollEvent = TEvent<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
  TAVREL_CLASS(TScrollBar, TWinControl)
public:
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind GetKind() const { return FKind; }
  // Swaps width and height (unless loading) and re-creates the window;
  // values that name no kind are ignored.
  void SetKind(TScrollBarKind Value);
  int GetMin() const { return FMin; }
  void SetMin(int Value) { SetParams(FPosition, Value, FMax); }
  int GetMax() const { return FMax; }
  void SetMax(int Value) { SetParams(FPosition, FMin, Value); }
  int GetPosition() const { return FPosition; }
  void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
  // Steps outside 1..32767 raise EInvalidOperation "Scrollbar property
  // out of range" and change nothing.
  TScrollBarInc GetSmallChange() const { return FSmallChange; }
  void SetSmallChange(TScrollBarInc Value);
  TScrollBarInc GetLargeChange() const { return FLargeChange; }
  void SetLargeChange(TScrollBarInc Value);
  // The page handed to the native bar (the thumb's share of the range).
  // A page below 0 or above Max raises EInvalidOperation "Scrollbar
  // property out of range".
  int GetPageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  // Position, Min and Max at once: see the note above.
  void SetParams(int APosition, int AMin, int AMax);

  void WndProc(TMessage& Message) override;

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  // Raised after Position changed.
  virtual void Change();
  // Every scroll notification, with the clamped new position, which the
  // hook may change before it is applied. Raises OnScroll.
  virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);

private:
  // Horizontal and right-to-left: the native bar runs the other way.
  bool Mirrored() const;
  // The position as the native bar shows it.
  int NativePos(int Pos) const;
  void DoScroll(TMessage& Message);

  TScrollBarKind FKind = sbHorizontal;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  TScrollBarInc FSmallChange = 1;
  TScrollBarInc FLargeChange = 1;
  int FPageSize = 0;
};
