// TWinControl as a parent: the child lists, alignment, showing, z-order
// and painting of the non-windowed children.
#include "framework/controls/WinControl.h"

#include "framework/classes/Reader.h"
#include "framework/graphics/Font.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

#include <algorithm>

TControl* TWinControl::Controls(int Index) const {
  int Graphic = int(FControls.size());
  if (Index < 0 || Index >= Graphic + int(FWinControls.size()))
    throw EListError(SListIndexError, {Index});
  return Index < Graphic ? FControls[std::size_t(Index)]
                         : FWinControls[std::size_t(Index - Graphic)];
}

int TWinControl::ControlCount() const { return int(FControls.size() + FWinControls.size()); }

bool TWinControl::ContainsControl(const TControl* AControl) const {
  for (const TControl* C = AControl; C; C = C->GetParent())
    if (C == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* AControl) {
  if (auto* W = dynamic_cast<TWinControl*>(AControl)) {
    FWinControls.push_back(W);
    W->FParentWindow = nullptr;
  } else {
    FControls.push_back(AControl);
  }
  AControl->FParent = this;
  if (!AControl->ComponentState().Contains(csLoading)) {
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    if (AControl->GetParentShowHint()) AControl->SetParentShowHint(true);
    if (AControl->GetParentBiDiMode()) AControl->SetParentBiDiMode(true);
  }
  if (auto* W = dynamic_cast<TWinControl*>(AControl)) {
    if (W->FHandle) {
      if (FHandle)
        SetParentOf(W);
      else
        W->DestroyHandle();
    }
    W->UpdateControlState();
  } else {
    AControl->Invalidate();
  }
  if (AControl->GetAlign() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (AControl->FParent != this) return;
  if (GetCaptureControl() == AControl) SetCaptureControl(nullptr);
  if (auto* W = dynamic_cast<TWinControl*>(AControl)) {
    if (W->FHandle && !ComponentState().Contains(csDestroying)) W->DestroyHandle();
    FWinControls.erase(std::remove(FWinControls.begin(), FWinControls.end(), W),
                       FWinControls.end());
  } else {
    AControl->InvalidateControl(AControl->GetVisible(), false);
    FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
  }
  AControl->FParent = nullptr;
  if (AControl->GetAlign() != alNone && !ComponentState().Contains(csDestroying)) Realign();
}

void TWinControl::ReorderControl(TControl* AControl, bool Front) {
  if (auto* W = dynamic_cast<TWinControl*>(AControl)) {
    auto It = std::find(FWinControls.begin(), FWinControls.end(), W);
    if (It == FWinControls.end()) return;
    FWinControls.erase(It);
    if (Front)
      FWinControls.push_back(W);
    else
      FWinControls.insert(FWinControls.begin(), W);
    if (W->FHandle)
      SetWindowPos(W->FHandle, Front ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
  auto It = std::find(FControls.begin(), FControls.end(), AControl);
  if (It == FControls.end()) return;
  FControls.erase(It);
  if (Front)
    FControls.push_back(AControl);
  else
    FControls.insert(FControls.begin(), AControl);
  AControl->Invalidate();
}

void TWinControl::SetChildOrder(TComponent* Child, int Order) {
  auto* C = dynamic_cast<TControl*>(Child);
  if (!C || C->FParent != this) return;
  auto Move = [Order](auto& List, auto* Item) {
    auto It = std::find(List.begin(), List.end(), Item);
    if (It == List.end()) return;
    List.erase(It);
    std::size_t At = std::min<std::size_t>(std::size_t(std::max(Order, 0)), List.size());
    List.insert(List.begin() + std::ptrdiff_t(At), Item);
  };
  if (auto* W = dynamic_cast<TWinControl*>(C))
    Move(FWinControls, W);
  else
    Move(FControls, C);
}

// Windowed children stack in list order, the last on top.
void TWinControl::SetZOrderAfterCreate() {
  if (!FParent || !FHandle) return;
  HWND After = HWND_BOTTOM;
  for (TWinControl* W : FParent->FWinControls) {
    if (W == this) break;
    if (W->FHandle) After = W->FHandle;
  }
  SetWindowPos(FHandle, After, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int TWinControl::GetTabOrder() const {
  if (!FParent) return -1;
  auto& List = FParent->FWinControls;
  auto It = std::find(List.begin(), List.end(), this);
  return It == List.end() ? -1 : int(It - List.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (FParent) FParent->SetChildOrder(this, Value);
}

void TWinControl::SetTabStop(bool Value) {
  if (FTabStop == Value) return;
  FTabStop = Value;
  if (!FHandle) return;
  LONG_PTR Style = GetWindowLong(FHandle, GWL_STYLE);
  SetWindowLong(FHandle, GWL_STYLE, Value ? (Style | WS_TABSTOP) : (Style & ~LONG_PTR(WS_TABSTOP)));
}

TControl* TWinControl::ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls) const {
  auto Hit = [&](TControl* C) {
    if (!C->GetVisible() || (!AllowDisabled && !C->GetEnabled())) return false;
    TRect R = C->BoundsRect();
    if (P.X < R.Left || P.X >= R.Right || P.Y < R.Top || P.Y >= R.Bottom) return false;
    return C->Perform(CM_HITTEST, 0, PointToLParam({P.X - R.Left, P.Y - R.Top})) != 0;
  };
  if (AllowWinControls)
    for (auto It = FWinControls.rbegin(); It != FWinControls.rend(); ++It)
      if (Hit(*It)) return *It;
  for (auto It = FControls.rbegin(); It != FControls.rend(); ++It)
    if (Hit(*It)) return *It;
  return nullptr;
}

void TWinControl::DisableAlign() { ++FAlignLevel; }

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::Realign() {
  if (FAlignLevel > 0 || ComponentState().Contains(csDestroying)) return;
  TRect R = GetClientRect();
  AdjustClientRect(R);
  ++FAlignLevel;
  try {
    AlignControls(nullptr, R);
  } catch (...) {
    --FAlignLevel;
    throw;
  }
  --FAlignLevel;
}

void TWinControl::AlignControls(TControl*, TRect& Rect) { ApplyAlignments(Rect); }

// Top and bottom bands take the full width first, then left and right
// ones the height that is left, then client controls the rest. Within a
// band, controls keep the order of their positions.
void TWinControl::ApplyAlignments(TRect& R) {
  std::vector<TControl*> All(FControls.begin(), FControls.end());
  All.insert(All.end(), FWinControls.begin(), FWinControls.end());
  for (TAlign A : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> Band;
    for (TControl* C : All)
      if (C->GetAlign() == A && C->GetVisible()) Band.push_back(C);
    std::stable_sort(Band.begin(), Band.end(), [A](TControl* X, TControl* Y) {
      switch (A) {
      case alTop: return X->GetTop() < Y->GetTop();
      case alBottom: return X->GetTop() + X->GetHeight() > Y->GetTop() + Y->GetHeight();
      case alLeft: return X->GetLeft() < Y->GetLeft();
      case alRight: return X->GetLeft() + X->GetWidth() > Y->GetLeft() + Y->GetWidth();
      default: return false;
      }
    });
    for (TControl* C : Band) {
      int W = R.Right - R.Left, H = R.Bottom - R.Top;
      switch (A) {
      case alTop:
        C->SetBounds(R.Left, R.Top, W, C->GetHeight());
        R.Top += C->GetHeight();
        break;
      case alBottom:
        C->SetBounds(R.Left, R.Bottom - C->GetHeight(), W, C->GetHeight());
        R.Bottom -= C->GetHeight();
        break;
      case alLeft:
        C->SetBounds(R.Left, R.Top, C->GetWidth(), H);
        R.Left += C->GetWidth();
        break;
      case alRight:
        C->SetBounds(R.Right - C->GetWidth(), R.Top, C->GetWidth(), H);
        R.Right -= C->GetWidth();
        break;
      default: C->SetBounds(R.Left, R.Top, W, H); break;
      }
    }
  }
}

// Only a control whose parents all show can show; a top-level control
// decides for itself.
void TWinControl::UpdateControlState() {
  for (TWinControl* C = FParent; C; C = C->FParent)
    if (!C->FShowing) return;
  UpdateShowing();
}

// Children are shown before their parent's window, so it appears
// complete; hiding goes the other way.
void TWinControl::UpdateShowing() {
  bool Show = GetVisible() && (FParent ? FParent->FShowing : true);
  if (Show) HandleNeeded();
  if (!FHandle || FShowing == Show) return;
  FShowing = Show;
  try {
    if (Show)
      for (TWinControl* W : std::vector<TWinControl*>(FWinControls)) W->UpdateShowing();
    Perform(CM_SHOWINGCHANGED, 0, 0);
  } catch (...) {
    FShowing = !Show;
    throw;
  }
  if (!Show)
    for (TWinControl* W : std::vector<TWinControl*>(FWinControls)) W->UpdateShowing();
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  auto It = First ? std::find(FControls.begin(), FControls.end(), First) : FControls.begin();
  std::vector<TControl*> List(It, FControls.end());
  for (TControl* C : List) {
    if (!C->GetVisible()) continue;
    TRect B = C->BoundsRect();
    if (!RectVisible(DC, &B)) continue;
    int Saved = SaveDC(DC);
    POINT Org{};
    GetWindowOrgEx(DC, &Org);
    SetWindowOrgEx(DC, Org.X - B.Left, Org.Y - B.Top, nullptr);
    IntersectClipRect(DC, 0, 0, B.Right - B.Left, B.Bottom - B.Top);
    try {
      C->Perform(WM_PAINT, WPARAM(DC), 0);
    } catch (...) {
      RestoreDC(DC, Saved);
      throw;
    }
    RestoreDC(DC, Saved);
  }
}

void TWinControl::InvalidateChild(TControl*, const TRect& Rect, bool Erase) {
  if (FHandle) InvalidateRect(FHandle, &Rect, Erase);
}

void TWinControl::ReadContent(TReader& Reader) {
  DisableAlign();
  try {
    inherited::ReadContent(Reader);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TWinControl::ChangeScale(int M, int D) {
  if (M == D || D == 0) return;
  DisableAlign();
  try {
    for (TControl* C : std::vector<TControl*>(FControls)) C->ChangeScale(M, D);
    for (TWinControl* W : std::vector<TWinControl*>(FWinControls)) W->ChangeScale(M, D);
    TControl::ChangeScale(M, D);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}
