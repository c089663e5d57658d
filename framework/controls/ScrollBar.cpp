// The scroll bar keeps its numbers itself and tells the native bar after
// every change; a re-created native bar receives range, page and
// position again, so it starts with both arrows enabled.
#include "framework/controls/ScrollBar.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/menus/PopupMenu.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <climits>

namespace {

constexpr TScrollBarInc MaxScrollBarInc = 32767;

void PublishEvents(TClassBuilder<TScrollBar>& B) {
  B.Property("OnChange", &TScrollBar::OnChange, &TScrollBar::OnChange)
      .Publish({"OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter",
                "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"})
      .Property("OnScroll", &TScrollBar::OnScroll, &TScrollBar::OnScroll)
      .Publish({"OnStartDock", "OnStartDrag"});
}

void PublishRange(TClassBuilder<TScrollBar>& B) {
  B.Property("Kind", &TScrollBar::GetKind, &TScrollBar::SetKind)
      .Default(sbHorizontal)
      .Property("LargeChange", &TScrollBar::GetLargeChange, &TScrollBar::SetLargeChange)
      .Default(1)
      .Property("Max", &TScrollBar::GetMax, &TScrollBar::SetMax)
      .Default(100)
      .Property("Min", &TScrollBar::GetMin, &TScrollBar::SetMin)
      .Default(0)
      .Property("PageSize", &TScrollBar::GetPageSize, &TScrollBar::SetPageSize)
      .Default(0);
}

} // namespace

const TClass& TScrollBar::StaticClass() {
  static const TClass Class = [] {
    TClassBuilder<TScrollBar> B("TScrollBar");
    B.Publish({"Align", "Anchors", "BiDiMode", "Constraints", "Ctl3D", "DragCursor", "DragKind",
               "DragMode", "Enabled"});
    PublishRange(B);
    B.Publish({"ParentBiDiMode", "ParentCtl3D", "ParentShowHint", "PopupMenu"})
        .Property("Position", &TScrollBar::GetPosition, &TScrollBar::SetPosition)
        .Default(0)
        .Publish({"ShowHint"})
        .Property("SmallChange", &TScrollBar::GetSmallChange, &TScrollBar::SetSmallChange)
        .Default(1)
        .Publish({"TabOrder"})
        .Property("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop)
        .Default(true)
        .Publish({"Visible"});
    PublishEvents(B);
    return B.Build();
  }();
  return Class;
}

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  // The native bar tracks the mouse itself: no capture, clicks or
  // double-clicks of the framework's own.
  SetControlStyle({csOpaque});
  SetBounds(GetLeft(), GetTop(), 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

bool TScrollBar::Mirrored() const { return FKind == sbHorizontal && UseRightToLeftAlignment(); }

int TScrollBar::NativePos(int Pos) const {
  if (!Mirrored()) return Pos;
  const long long Mirror = static_cast<long long>(FMax) - Pos;
  return int(std::clamp<long long>(Mirror, INT_MIN, INT_MAX));
}

void TScrollBar::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  CreateSubClass(Params, "SCROLLBAR");
  Params.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateWnd() {
  inherited::CreateWnd();
  HWND Wnd = GetHandle();
  SetScrollRange(Wnd, SB_CTL, FMin, FMax, FALSE);
  SCROLLINFO Page{sizeof(SCROLLINFO), SIF_PAGE, 0, 0, UINT(FPageSize), 0, 0};
  SetScrollInfo(Wnd, SB_CTL, &Page, FALSE);
  SetScrollPos(Wnd, SB_CTL, NativePos(FPosition), TRUE);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (Value == FKind || Value > sbVertical) return;
  FKind = Value;
  if (!ComponentState().Contains(csLoading))
    SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
  RecreateWnd();
}

void TScrollBar::SetSmallChange(TScrollBarInc Value) {
  if (Value < 1 || Value > MaxScrollBarInc) throw EInvalidOperation(SScrollBarRange);
  FSmallChange = Value;
}

void TScrollBar::SetLargeChange(TScrollBarInc Value) {
  if (Value < 1 || Value > MaxScrollBarInc) throw EInvalidOperation(SScrollBarRange);
  FLargeChange = Value;
}

void TScrollBar::SetPageSize(int Value) {
  if (Value == FPageSize) return;
  if (Value < 0 || Value > FMax) throw EInvalidOperation(SScrollBarRange);
  FPageSize = Value;
  if (!HandleAllocated()) return;
  SCROLLINFO Page{sizeof(SCROLLINFO), SIF_PAGE, 0, 0, UINT(Value), 0, 0};
  SetScrollInfo(GetHandle(), SB_CTL, &Page, TRUE);
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
  if (AMax < AMin || AMax < FPageSize) throw EInvalidOperation(SScrollBarRange);
  APosition = std::clamp(APosition, AMin, AMax);
  if (AMin != FMin || AMax != FMax) {
    FMin = AMin;
    FMax = AMax;
    if (HandleAllocated())
      SetScrollRange(GetHandle(), SB_CTL, AMin, AMax, FPosition == APosition ? TRUE : FALSE);
  }
  if (APosition == FPosition) return;
  FPosition = APosition;
  if (HandleAllocated()) SetScrollPos(GetHandle(), SB_CTL, NativePos(APosition), TRUE);
  SetEnabled(true);
  Change();
}

void TScrollBar::Change() { OnChange(this); }

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
  OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case CN_HSCROLL:
  case CN_VSCROLL: DoScroll(Message); return;
  }
  inherited::WndProc(Message);
}

void TScrollBar::DoScroll(TMessage& Message) {
  Message.Result = 0;
  const WORD Code = LOWORD(DWORD(Message.WParam));
  if (Code > SB_ENDSCROLL) return;
  const long long Step = Mirrored() ? -1 : 1;
  long long Pos = FPosition;
  switch (Code) {
  case SB_LINEUP: Pos -= FSmallChange * Step; break;
  case SB_LINEDOWN: Pos += FSmallChange * Step; break;
  case SB_PAGEUP: Pos -= FLargeChange * Step; break;
  case SB_PAGEDOWN: Pos += FLargeChange * Step; break;
  case SB_THUMBPOSITION:
  case SB_THUMBTRACK: {
    SCROLLINFO Info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(GetHandle(), SB_CTL, &Info);
    Pos = Mirrored() ? static_cast<long long>(FMax) - Info.nTrackPos : Info.nTrackPos;
    break;
  }
  case SB_TOP: Pos = FMin; break;
  case SB_BOTTOM: Pos = FMax; break;
  }
  int NewPos = int(std::clamp<long long>(Pos, FMin, FMax));
  Scroll(TScrollCode(Code), NewPos);
  SetPosition(NewPos);
}
