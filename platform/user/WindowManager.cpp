// The window layer's state, the desktop backend in use, window lookup,
// geometry and stacking. Everything runs on the one thread that pumps the
// queue.
#include "platform/user/WmState.h"

#include <algorithm>
#include <strings.h>

namespace {

std::unique_ptr<TBackend>& BackendSlot() {
  static std::unique_ptr<TBackend> Slot;
  return Slot;
}

} // namespace

TWmState& Wm() {
  static TWmState State;
  return State;
}

THandleTable<TWindow>& WmTable() { return Wm().Windows; }

TWindow* WmFind(HWND Wnd) { return Wm().Windows.Find(reinterpret_cast<std::uintptr_t>(Wnd)); }

TWindow* WmFindLive(HWND Wnd) {
  TWindow* W = WmFind(Wnd);
  return W && !W->Destroying ? W : nullptr;
}

TWndClass* WmFindClass(LPCSTR Name) {
  if (!Name) return nullptr;
  for (auto& C : Wm().Classes)
    if (strcasecmp(C->Name.c_str(), Name) == 0) return C.get();
  return nullptr;
}

const std::vector<HWND>& WmZOrder() { return Wm().ZOrder; }

TWindow* WmRoot(TWindow* W) {
  while (W && W->IsChild()) {
    TWindow* P = WmFind(W->Parent);
    if (!P) break;
    W = P;
  }
  return W;
}

TWindow* WmRootOf(HWND Wnd) { return WmRoot(WmFind(Wnd)); }

TRect WmClientInWindow(const TWindow& W) {
  TRect In = NcFrameInsets(W.Style, W.ExStyle);
  int Width = W.Rect.Width(), Height = W.Rect.Height();
  TRect C{In.Left, In.Top, Width - In.Right, Height - In.Bottom};
  if (C.Right < C.Left) C.Right = C.Left;
  if (C.Bottom < C.Top) C.Bottom = C.Top;
  return C;
}

TRect WmWindowRect(const TWindow& W) {
  TRect R = W.Rect;
  if (!W.IsChild()) return R;
  TWindow* P = WmFind(W.Parent);
  if (!P) return R;
  TRect PC = WmClientScreenRect(*P);
  OffsetRect(&R, PC.Left, PC.Top);
  return R;
}

TRect WmClientScreenRect(const TWindow& W) {
  TRect R = WmWindowRect(W);
  TRect C = WmClientInWindow(W);
  OffsetRect(&C, R.Left, R.Top);
  return C;
}

TPoint WmSurfaceOffset(const TWindow& W) {
  TWindow* Root = WmRoot(const_cast<TWindow*>(&W));
  TRect R = WmWindowRect(W);
  TRect RR = WmWindowRect(*Root);
  return TPoint{R.Left - RR.Left, R.Top - RR.Top};
}

bool WmIsShowing(const TWindow& W) {
  const TWindow* Cur = &W;
  while (Cur) {
    if (!Cur->IsVisibleFlag() || Cur->Destroying) return false;
    if (!Cur->IsChild()) return (Cur->Style & WS_MINIMIZE) == 0;
    Cur = WmFind(Cur->Parent);
  }
  return false;
}

namespace {

// Removes from Rgn (surface coordinates) the visible windows among
// Siblings that lie before Stop (above it in the stacking order).
void SubtractSiblingsAbove(TRegionData& Rgn, const std::vector<HWND>& Siblings, HWND Stop) {
  for (HWND S : Siblings) {
    if (S == Stop) break;
    TWindow* SW = WmFind(S);
    if (!SW || !SW->IsVisibleFlag() || SW->Destroying) continue;
    TPoint O = WmSurfaceOffset(*SW);
    TRect R{O.X, O.Y, O.X + SW->Rect.Width(), O.Y + SW->Rect.Height()};
    Rgn = TRegionData::Combine(Rgn, TRegionData(R), RGN_DIFF);
  }
}

} // namespace

TRegionData WmVisibleRegion(const TWindow& W, bool Client) {
  if (!WmIsShowing(W) && W.IsChild()) return TRegionData();
  TPoint Origin = WmSurfaceOffset(W);
  // The area in the window's own coordinates, then on the root's surface.
  TRect Local = Client ? WmClientInWindow(W) : TRect{0, 0, W.Rect.Width(), W.Rect.Height()};
  TRect Area = Local;
  OffsetRect(&Area, Origin.X, Origin.Y);
  TRegionData Rgn(Area);
  // Children are always clipped out: each window paints only its own pixels.
  SubtractSiblingsAbove(Rgn, W.Children, nullptr);
  const TWindow* Cur = &W;
  while (Cur->IsChild()) {
    TWindow* P = WmFind(Cur->Parent);
    if (!P) break;
    TRect PC = WmClientInWindow(*P);
    TPoint PO = WmSurfaceOffset(*P);
    OffsetRect(&PC, PO.X, PO.Y);
    Rgn = TRegionData::Intersect(Rgn, TRegionData(PC));
    SubtractSiblingsAbove(Rgn, P->Children, Cur->Handle);
    Cur = P;
  }
  Rgn.Offset(-Origin.X - Local.Left, -Origin.Y - Local.Top);
  return Rgn;
}

void WmSurfaceChanged(TWindow& Root, const TRect& Dirty) {
  if (Root.IsChild() || !Root.Surface) return;
  TRect Clip{0, 0, Root.Surface->Width(), Root.Surface->Height()};
  TRect D;
  if (!IntersectRect(&D, &Dirty, &Clip)) return;
  Backend().SurfaceChanged(Root.Handle, D);
}

void WmInvalidateFrame(TWindow& W) {
  TRect In = NcFrameInsets(W.Style, W.ExStyle);
  if (In.Left || In.Top || In.Right || In.Bottom) W.FrameNeeded = true;
}

LRESULT WmCallProc(TWindow& W, WNDPROC Proc, UINT Msg, WPARAM WParam, LPARAM LParam) {
  struct TGuard {
    TWindow& W;
    ~TGuard() {
      if (--W.InCall == 0 && W.Destroying && !WmFind(W.Handle)) {
        auto& Z = Wm().Zombies;
        auto It = std::find_if(Z.begin(), Z.end(), [&](auto& P) { return P.get() == &W; });
        if (It != Z.end()) Z.erase(It);
      }
    }
  };
  if (!Proc) return 0;
  ++W.InCall;
  TGuard Guard{W};
  return Proc(W.Handle, Msg, WParam, LParam);
}

// ---- stacking ----

void WmRemoveFromStack(TWindow& W) {
  auto& Z = Wm().ZOrder;
  Z.erase(std::remove(Z.begin(), Z.end(), W.Handle), Z.end());
}

namespace {

void InsertInBand(TWindow& W) {
  auto& Z = Wm().ZOrder;
  bool Top = (W.ExStyle & WS_EX_TOPMOST) != 0;
  auto It = Z.begin();
  if (!Top)
    while (It != Z.end()) {
      TWindow* O = WmFind(*It);
      if (!O || !(O->ExStyle & WS_EX_TOPMOST)) break;
      ++It;
    }
  Z.insert(It, W.Handle);
}

} // namespace

void WmRaise(TWindow& W) {
  if (W.IsChild()) {
    TWindow* P = WmFind(W.Parent);
    if (!P) return;
    auto& C = P->Children;
    C.erase(std::remove(C.begin(), C.end(), W.Handle), C.end());
    C.insert(C.begin(), W.Handle);
    return;
  }
  WmRemoveFromStack(W);
  InsertInBand(W);
  // Owned windows stay above their owner.
  std::vector<HWND> Owned;
  for (HWND H : Wm().ZOrder) {
    TWindow* O = WmFind(H);
    if (O && O != &W && O->Owner == W.Handle) Owned.push_back(H);
  }
  for (auto It = Owned.rbegin(); It != Owned.rend(); ++It)
    if (TWindow* O = WmFind(*It)) {
      WmRemoveFromStack(*O);
      InsertInBand(*O);
    }
}

// ---- backend ----

TBackend& Backend() {
  auto& Slot = BackendSlot();
  if (!Slot) Slot = CreateDefaultBackend();
  return *Slot;
}

bool HasBackend() { return BackendSlot() != nullptr; }

void SetBackend(std::unique_ptr<TBackend> NewBackend) {
  if (BackendSlot()) WmReset();
  BackendSlot() = std::move(NewBackend);
}

const TGdiBitmap* WmSurface(HWND Wnd) {
  TWindow* W = WmFind(Wnd);
  return W && !W->IsChild() ? &WmEnsureSurface(*W) : nullptr;
}

void WmEnsureSystemClasses() {
  TWmState& S = Wm();
  if (S.ClassesReady) return;
  S.ClassesReady = true;
  RegisterScrollBarClass();
  RegisterButtonClass();
  RegisterMessageBoxClass();
  RegisterMenuClass();
}

void WmRegisterSystemClass(LPCSTR Name, WNDPROC Proc, UINT Style, HBRUSH Background) {
  WNDCLASSA Wc{};
  Wc.style = Style;
  Wc.lpfnWndProc = Proc;
  Wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Wc.hbrBackground = Background;
  Wc.lpszClassName = Name;
  if (RegisterClass(&Wc))
    if (TWndClass* C = WmFindClass(Name)) C->System = true;
}

void WmReset() {
  TWmState& S = Wm();
  std::vector<HWND> Tops = S.ZOrder;
  for (HWND H : Tops) DestroyWindow(H);
  S.Posted.clear();
  S.Input.clear();
  S.Timers.clear();
  S.QuitPending = false;
  if (S.Capture) {
    S.Capture = nullptr;
    Backend().CaptureChanged(nullptr);
  }
  S.Active = S.Focus = S.PointerWnd = nullptr;
  S.Cursor = nullptr;
  std::fill(std::begin(S.Keys), std::end(S.Keys), 0);
  S.ClickWnd = nullptr;
  S.Classes.erase(
      std::remove_if(S.Classes.begin(), S.Classes.end(), [](auto& C) { return !C->System; }),
      S.Classes.end());
}
