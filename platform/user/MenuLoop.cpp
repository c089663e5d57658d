// The menu loop's levels: opening and closing menu windows, selection,
// painting entries and keeping a showing menu in step with its entries;
// see MenuLoop.h.
#include "platform/user/MenuLoop.h"

#include "platform/user/MenuPaint.h"
#include "platform/user/MenuTable.h"
#include "platform/user/MenuWindow.h"
#include "platform/user/WindowManager.h"

namespace {

TMenuLoop*& MenuLoopSlot() {
  static TMenuLoop* Loop = nullptr;
  return Loop;
}

void MenuLoopDestroyHook(HMENU Menu) {
  if (TMenuLoop* L = TMenuLoop::Current()) L->MenuDestroyed(Menu);
}

TMenuFonts MenuLoopFonts() {
  NONCLIENTMETRICSA Ncm{};
  Ncm.cbSize = sizeof(Ncm);
  SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(Ncm), &Ncm, 0);
  TMenuFonts F;
  F.Normal = CreateFontIndirect(&Ncm.lfMenuFont);
  Ncm.lfMenuFont.lfWeight = FW_BOLD;
  F.Bold = CreateFontIndirect(&Ncm.lfMenuFont);
  return F;
}

UINT MenuLoopDrawState(const TMenuEntry& E, bool Selected) {
  UINT S = Selected ? ODS_SELECTED : 0;
  if (E.State & MF_GRAYED) S |= ODS_GRAYED;
  if (E.State & MF_DISABLED) S |= ODS_DISABLED;
  if (E.State & MFS_CHECKED) S |= ODS_CHECKED;
  if (E.State & MFS_DEFAULT) S |= ODS_DEFAULT;
  return S;
}

} // namespace

TMenuLoop::TMenuLoop(HMENU Menu, HWND Owner, UINT Flags)
    : FMenu(Menu), FOwner(Owner), FFlags(Flags), FFonts(MenuLoopFonts()) {
  MenuLoopSlot() = this;
  TMenuTable::Instance().SetDestroyHook(MenuLoopDestroyHook);
}

TMenuLoop::~TMenuLoop() {
  // Only an exception from a window procedure leaves levels behind; the
  // windows go without the closing notifications, which could throw again
  // while the first exception is on its way out.
  for (auto It = FLevels.rbegin(); It != FLevels.rend(); ++It)
    if (IsWindow(It->Wnd)) DestroyWindow(It->Wnd);
  FLevels.clear();
  MenuLoopSlot() = nullptr;
  DeleteObject(FFonts.Normal);
  DeleteObject(FFonts.Bold);
}

TMenuLoop* TMenuLoop::Current() { return MenuLoopSlot(); }

void TMenuLoop::Notify(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (!(FFlags & TPM_NONOTIFY)) SendMessage(FOwner, Msg, WParam, LParam);
}

// Posted so that a loop waiting in GetMessage looks at its state again.
void TMenuLoop::Wake() { PostMessage(nullptr, WM_NULL, 0, 0); }

void TMenuLoop::Cancel() {
  FDone = true;
  Wake();
}

void TMenuLoop::Choose(UINT Id) {
  FChosen = Id;
  FDone = true;
}

const TMenuEntry* TMenuLoop::EntryOf(std::size_t Level, int Index) const {
  if (Level >= FLevels.size() || Index < 0) return nullptr;
  TMenuTable::TMenu* M = TMenuTable::Instance().Find(FLevels[Level].Menu);
  if (!M || std::size_t(Index) >= M->Entries.size()) return nullptr;
  return &M->Entries[std::size_t(Index)];
}

bool TMenuLoop::IsEntryChoosable(std::size_t Level, int Index) const {
  const TMenuEntry* E = EntryOf(Level, Index);
  return E && !E->IsSeparator() && !E->IsDisabled() && !IsMenu(E->SubMenu);
}

bool TMenuLoop::OpenLevel(HMENU Menu, int ParentIndex, int X, int Y) {
  Notify(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Menu), MAKELPARAM(ParentIndex, FALSE));
  if (FDone || GetMenuItemCount(Menu) <= 0 || !IsWindow(FOwner)) return false;
  TMenuLayout Layout = TMenuLayout::Measure(Menu, FOwner, FFonts);
  if (FDone || !IsMenu(Menu) || Layout.Rects().empty()) return false;
  SIZE Size{Layout.ClientSize().cx + 2 * kMenuBorder, Layout.ClientSize().cy + 2 * kMenuBorder};
  TRect Screen = Backend().ScreenRect();
  TPoint At;
  std::size_t Parent = FLevels.size();
  HWND WndOwner = FOwner;
  if (Parent == 0) {
    At = TMenuLayout::PlacePopup(Size, X, Y, FFlags, Screen);
  } else {
    RECT Item{};
    if (!ItemRect(FLevels[Parent - 1].Menu, UINT(ParentIndex), Item)) return false;
    bool Right = true;
    At = TMenuLayout::PlaceSubMenu(Size, Item, Screen, Right);
    WndOwner = FLevels[Parent - 1].Wnd;
  }
  HWND Wnd = TMenuWindow::Create(WndOwner, TRect{At.X, At.Y, At.X + Size.cx, At.Y + Size.cy});
  if (!Wnd) return false;
  FLevels.push_back(TMenuLevel{Menu, Wnd, std::move(Layout), -1});
  ShowWindow(Wnd, SW_SHOWNA);
  UpdateWindow(Wnd);
  return true;
}

void TMenuLoop::CloseLevels(std::size_t From) {
  if (FPendingLevel >= 0 && std::size_t(FPendingLevel) >= From) FPendingLevel = FPendingIndex = -1;
  while (FLevels.size() > From) {
    TMenuLevel L = FLevels.back();
    FLevels.pop_back();
    if (IsWindow(L.Wnd)) {
      ShowWindow(L.Wnd, SW_HIDE);
      DestroyWindow(L.Wnd);
    }
    if (IsMenu(L.Menu)) Notify(WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(L.Menu), 0);
  }
}

void TMenuLoop::CloseAll() {
  CloseLevels(0);
  Notify(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  Notify(WM_EXITMENULOOP, TRUE, 0);
}

void TMenuLoop::DrawEntry(std::size_t Level, int Index, UINT Action, HDC Dc) {
  const TMenuEntry* E = EntryOf(Level, Index);
  const TMenuLevel& L = FLevels[Level];
  if (!E || std::size_t(Index) >= L.Layout.Rects().size()) return;
  TRect R = L.Layout.Rects()[std::size_t(Index)];
  bool Selected = L.Selected == Index;
  if (!E->IsOwnerDraw()) {
    TMenuPaint::Entry(Dc, *E, R, Selected, FFonts);
    return;
  }
  DRAWITEMSTRUCT Dis{
      ODT_MENU, 0, E->Id,  Action, MenuLoopDrawState(*E, Selected), reinterpret_cast<HWND>(L.Menu),
      Dc,       R, E->Data};
  SendMessage(FOwner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&Dis));
}

// Draws one entry at once through a window DC, as a selection change
// needs.
void TMenuLoop::Redraw(std::size_t Level, int Index) {
  if (Level >= FLevels.size() || Index < 0) return;
  HWND Wnd = FLevels[Level].Wnd;
  HDC Dc = GetDC(Wnd);
  if (!Dc) return;
  DrawEntry(Level, Index, ODA_SELECT, Dc);
  ReleaseDC(Wnd, Dc);
}

void TMenuLoop::Select(std::size_t Level, int Index, bool ByMouse) {
  if (Level >= FLevels.size() || FLevels[Level].Selected == Index) return;
  HMENU Menu = FLevels[Level].Menu;
  int Old = FLevels[Level].Selected;
  FLevels[Level].Selected = Index;
  Redraw(Level, Old);
  if (Level >= FLevels.size() || FLevels[Level].Menu != Menu) return;
  Redraw(Level, Index);
  const TMenuEntry* E = EntryOf(Level, Index);
  if (!E) return;
  bool Sub = IsMenu(E->SubMenu) != FALSE;
  UINT Flags = (E->Type & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR)) |
               (E->State & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_DEFAULT)) | MF_HILITE |
               (Sub ? MF_POPUP : 0) | (ByMouse ? MF_MOUSESELECT : 0);
  Notify(WM_MENUSELECT, MAKEWPARAM(Sub ? Index : int(E->Id), int(Flags)),
         reinterpret_cast<LPARAM>(Menu));
}

bool TMenuLoop::Paint(HWND Wnd) {
  std::size_t Level = 0;
  while (Level < FLevels.size() && FLevels[Level].Wnd != Wnd) ++Level;
  if (Level == FLevels.size()) return false;
  // Entries may have changed since the last look; paint what is there now.
  Validate();
  PAINTSTRUCT Ps{};
  HDC Dc = BeginPaint(Wnd, &Ps);
  if (!Dc) return true;
  for (int I = 0;; ++I) {
    if (Level >= FLevels.size() || FLevels[Level].Wnd != Wnd) break;
    const auto& Rects = FLevels[Level].Layout.Rects();
    if (std::size_t(I) >= Rects.size()) break;
    TRect Clip{};
    if (IntersectRect(&Clip, &Rects[std::size_t(I)], &Ps.rcPaint))
      DrawEntry(Level, I, ODA_DRAWENTIRE, Dc);
  }
  EndPaint(Wnd, &Ps);
  return true;
}

void TMenuLoop::Relayout(std::size_t Level) {
  TMenuLayout Layout = TMenuLayout::Measure(FLevels[Level].Menu, FOwner, FFonts);
  if (Level >= FLevels.size()) return;
  TMenuLevel& L = FLevels[Level];
  L.Layout = std::move(Layout);
  int Count = int(L.Layout.Rects().size());
  if (L.Selected >= Count) L.Selected = -1;
  SIZE Client = L.Layout.ClientSize();
  SetWindowPos(L.Wnd, nullptr, 0, 0, Client.cx + 2 * kMenuBorder, Client.cy + 2 * kMenuBorder,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(L.Wnd, nullptr, TRUE);
}

// Brings the levels in step with the world: the owner gone ends the loop,
// a dead menu or window closes its level and those below it, a changed
// menu is laid out again, and an open sub-menu whose entry no longer
// leads to it closes.
void TMenuLoop::Validate() {
  if (!IsWindow(FOwner)) {
    FDone = true;
    return;
  }
  for (std::size_t I = 0; I < FLevels.size(); ++I) {
    TMenuTable::TMenu* M = TMenuTable::Instance().Find(FLevels[I].Menu);
    if (!M || !IsWindow(FLevels[I].Wnd) || M->Entries.empty()) {
      CloseLevels(I);
      if (I == 0) FDone = true;
      return;
    }
    if (I > 0) {
      const TMenuEntry* Parent = EntryOf(I - 1, FLevels[I - 1].Selected);
      if (!Parent || Parent->SubMenu != FLevels[I].Menu) {
        CloseLevels(I);
        return;
      }
    }
    if (FLevels[I].Layout.Version() != M->Version) Relayout(I);
  }
}

void TMenuLoop::WindowDestroyed(HWND Wnd) {
  for (const TMenuLevel& L : FLevels)
    if (L.Wnd == Wnd) Wake();
}

void TMenuLoop::MenuDestroyed(HMENU Menu) {
  for (const TMenuLevel& L : FLevels)
    if (L.Menu == Menu) Wake();
}

bool TMenuLoop::ItemRect(HMENU Menu, UINT Pos, RECT& Out) const {
  for (const TMenuLevel& L : FLevels) {
    if (L.Menu != Menu) continue;
    if (Pos >= L.Layout.Rects().size() || !IsWindow(L.Wnd)) return false;
    POINT Origin{0, 0};
    ClientToScreen(L.Wnd, &Origin);
    Out = L.Layout.Rects()[Pos];
    OffsetRect(&Out, Origin.X, Origin.Y);
    return true;
  }
  return false;
}

HMENU TMenuLoop::MenuOfWindow(HWND Wnd) const {
  for (const TMenuLevel& L : FLevels)
    if (L.Wnd == Wnd) return L.Menu;
  return nullptr;
}

bool TMenuLoop::IsSelected(HMENU Menu, std::size_t Pos) const {
  for (const TMenuLevel& L : FLevels)
    if (L.Menu == Menu && L.Selected >= 0 && std::size_t(L.Selected) == Pos) return true;
  return false;
}

UINT TMenuLoop::Run(int X, int Y, bool& Shown) {
  Notify(WM_ENTERMENULOOP, TRUE, 0);
  Shown = !FDone && IsMenu(FMenu) && OpenLevel(FMenu, 0, X, Y);
  if (Shown && !FDone) SetCapture(FLevels[0].Wnd);
  MSG M{};
  while (Shown && !FDone) {
    Validate();
    if (FDone) break;
    if (GetCapture() != FLevels[0].Wnd) {
      Cancel();
      break;
    }
    BOOL Got = GetMessage(&M, nullptr, 0, 0);
    if (Got <= 0) {
      FQuit = Got == 0;
      FQuitCode = int(M.wParam);
      break;
    }
    if (!Input(M)) DispatchMessage(&M);
  }
  if (GetCapture() && !FLevels.empty() && GetCapture() == FLevels[0].Wnd) ReleaseCapture();
  CloseAll();
  if (FQuit) PostQuitMessage(FQuitCode);
  return IsWindow(FOwner) ? FChosen : 0;
}
