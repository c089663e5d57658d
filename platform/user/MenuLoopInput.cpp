// The menu loop's input: the pointer (hover selects, a press outside
// every menu window closes the menu, a release on an entry chooses it),
// the keys (arrows, Home/End, Enter, Escape, accelerators and
// WM_MENUCHAR) and the timer that opens a hovered sub-menu after the
// menu delay; see MenuLoop.h.
#include "platform/user/MenuLoop.h"

#include "platform/user/MenuTable.h"

#include <cctype>

namespace {

constexpr UINT_PTR kMenuLoopTimerId = 0x4D4E;
// The desktop's delay before a hovered sub-menu opens.
constexpr UINT kMenuLoopShowDelay = 400;

bool MenuLoopIsPointer(UINT Msg) {
  return (Msg >= WM_MOUSEMOVE && Msg <= WM_MOUSEWHEEL) ||
         (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCMOUSEMOVE + 9);
}

// Client and frame messages of one kind share the offset to WM_MOUSEMOVE.
UINT MenuLoopClientKind(UINT Msg) {
  return Msg < WM_MOUSEMOVE ? Msg + (WM_MOUSEMOVE - WM_NCMOUSEMOVE) : Msg;
}

bool MenuLoopIsDown(UINT Msg) {
  return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN ||
         Msg == WM_LBUTTONDBLCLK || Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
}

// The character after the accelerator mark ("&&" is a literal "&"), in
// lower case; 0 when the text has none.
unsigned char MenuLoopAccelerator(const std::string& Text) {
  for (std::size_t I = 0; I + 1 < Text.size(); ++I) {
    if (Text[I] != '&') continue;
    if (Text[I + 1] == '&') {
      ++I;
      continue;
    }
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(Text[I + 1])));
  }
  return 0;
}

} // namespace

bool TMenuLoop::Input(const MSG& M) {
  if (MenuLoopIsPointer(M.message)) {
    UINT Kind = MenuLoopClientKind(M.message);
    if (Kind == WM_MOUSEMOVE)
      MouseMove(M.pt);
    else if (MenuLoopIsDown(Kind))
      ButtonDown(M.pt);
    else if (Kind == WM_LBUTTONUP || Kind == WM_RBUTTONUP || Kind == WM_MBUTTONUP)
      ButtonUp(M.pt, Kind);
    return true;
  }
  switch (M.message) {
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN: return KeyDown(M);
  case WM_CHAR:
  case WM_SYSCHAR: Character(UINT(M.wParam)); return true;
  case WM_KEYUP:
  case WM_SYSKEYUP: return true;
  case WM_TIMER:
    if (M.hwnd != TopWindow() || M.wParam != kMenuLoopTimerId) return false;
    TimerFired();
    return true;
  default: return false;
  }
}

bool TMenuLoop::Hit(TPoint Screen, std::size_t& Level, int& Index) const {
  for (std::size_t I = FLevels.size(); I-- > 0;) {
    HWND Wnd = FLevels[I].Wnd;
    RECT Win{};
    if (!GetWindowRect(Wnd, &Win) || !PtInRect(&Win, Screen)) continue;
    HRGN Rgn = CreateRectRgn(0, 0, 0, 0);
    bool Clipped =
        GetWindowRgn(Wnd, Rgn) != 0 && !PtInRegion(Rgn, Screen.X - Win.Left, Screen.Y - Win.Top);
    DeleteObject(Rgn);
    if (Clipped) continue;
    POINT Client = Screen;
    ScreenToClient(Wnd, &Client);
    Level = I;
    Index = FLevels[I].Layout.EntryAt(Client);
    return true;
  }
  return false;
}

void TMenuLoop::MouseMove(TPoint Screen) {
  std::size_t Level = 0;
  int Index = -1;
  if (!Hit(Screen, Level, Index)) {
    // Off the menus: the deepest menu drops its selection unless a
    // sub-menu is on its way.
    if (!FLevels.empty() && FPendingLevel < 0) Select(FLevels.size() - 1, -1, true);
    return;
  }
  const TMenuEntry* E = EntryOf(Level, Index);
  if (E && E->IsSeparator()) Index = -1;
  bool OpensNext = Level + 1 < FLevels.size() && FLevels[Level].Selected == Index;
  if (OpensNext) {
    Select(Level + 1, -1, true);
    CloseLevels(Level + 2);
    return;
  }
  CloseLevels(Level + 1);
  if (Level >= FLevels.size() || FLevels[Level].Selected == Index) return;
  Select(Level, Index, true);
  E = EntryOf(Level, Index);
  if (E && IsMenu(E->SubMenu) && TopWindow()) {
    FPendingLevel = int(Level);
    FPendingIndex = Index;
    SetTimer(TopWindow(), kMenuLoopTimerId, kMenuLoopShowDelay, nullptr);
  }
}

void TMenuLoop::ButtonDown(TPoint Screen) {
  std::size_t Level = 0;
  int Index = -1;
  if (!Hit(Screen, Level, Index)) {
    Cancel();
    return;
  }
  const TMenuEntry* E = EntryOf(Level, Index);
  if (!E || E->IsSeparator()) return;
  if (IsMenu(E->SubMenu)) {
    OpenSub(Level, Index, false);
    return;
  }
  CloseLevels(Level + 1);
  Select(Level, Index, true);
}

void TMenuLoop::ButtonUp(TPoint Screen, UINT Msg) {
  if (Msg == WM_MBUTTONUP || (Msg == WM_RBUTTONUP && !(FFlags & TPM_RIGHTBUTTON))) return;
  std::size_t Level = 0;
  int Index = -1;
  if (Hit(Screen, Level, Index) && IsEntryChoosable(Level, Index))
    Choose(EntryOf(Level, Index)->Id);
}

void TMenuLoop::OpenSub(std::size_t Level, int Index, bool SelectFirst) {
  FPendingLevel = FPendingIndex = -1;
  if (TopWindow()) KillTimer(TopWindow(), kMenuLoopTimerId);
  const TMenuEntry* E = EntryOf(Level, Index);
  if (!E || !IsMenu(E->SubMenu)) return;
  HMENU Sub = E->SubMenu;
  bool Open = Level + 1 < FLevels.size() && FLevels[Level].Selected == Index &&
              FLevels[Level + 1].Menu == Sub;
  if (!Open) {
    CloseLevels(Level + 1);
    Select(Level, Index, false);
    if (FDone || Level + 1 != FLevels.size() || FLevels[Level].Selected != Index) return;
    if (!OpenLevel(Sub, Index, 0, 0)) return;
  }
  if (SelectFirst && FLevels.size() == Level + 2) Step(1, true);
}

void TMenuLoop::TimerFired() {
  KillTimer(TopWindow(), kMenuLoopTimerId);
  int Level = FPendingLevel, Index = FPendingIndex;
  FPendingLevel = FPendingIndex = -1;
  if (Level >= 0 && std::size_t(Level) < FLevels.size() &&
      FLevels[std::size_t(Level)].Selected == Index)
    OpenSub(std::size_t(Level), Index, false);
}

// Moves the deepest menu's selection to the next entry that is not a
// separator, wrapping; FromEnd starts over from the first (Direction 1)
// or last (-1) entry.
void TMenuLoop::Step(int Direction, bool FromEnd) {
  if (FLevels.empty()) return;
  std::size_t Level = FLevels.size() - 1;
  int Count = GetMenuItemCount(FLevels[Level].Menu);
  int From = FromEnd ? -1 : FLevels[Level].Selected;
  if (From < 0) From = Direction > 0 ? -1 : Count;
  for (int N = 1; N <= Count; ++N) {
    int I = ((From + Direction * N) % Count + Count) % Count;
    const TMenuEntry* E = EntryOf(Level, I);
    if (E && !E->IsSeparator()) {
      Select(Level, I, false);
      return;
    }
  }
}

// Enter on an entry, or an accelerator that names one entry: a sub-menu
// opens with its first entry selected, an enabled entry is chosen.
void TMenuLoop::Execute(std::size_t Level, int Index) {
  const TMenuEntry* E = EntryOf(Level, Index);
  if (!E || E->IsSeparator()) return;
  if (IsMenu(E->SubMenu)) {
    OpenSub(Level, Index, true);
  } else if (!E->IsDisabled()) {
    Choose(E->Id);
  } else {
    Select(Level, Index, false);
  }
}

bool TMenuLoop::KeyDown(const MSG& M) {
  if (FLevels.empty()) return true;
  std::size_t Deepest = FLevels.size() - 1;
  switch (M.wParam) {
  case VK_UP: Step(-1, false); break;
  case VK_DOWN: Step(1, false); break;
  case VK_HOME: Step(1, true); break;
  case VK_END: Step(-1, true); break;
  case VK_RIGHT: {
    const TMenuEntry* E = EntryOf(Deepest, FLevels[Deepest].Selected);
    if (E && IsMenu(E->SubMenu)) OpenSub(Deepest, FLevels[Deepest].Selected, true);
    break;
  }
  case VK_LEFT:
    if (Deepest > 0) CloseLevels(Deepest);
    break;
  case VK_ESCAPE:
    if (Deepest > 0)
      CloseLevels(Deepest);
    else
      Cancel();
    break;
  case VK_RETURN: Execute(Deepest, FLevels[Deepest].Selected); break;
  case VK_MENU:
  case VK_F10: Cancel(); break;
  default: TranslateMessage(&M); break;
  }
  return true;
}

void TMenuLoop::Character(UINT Ch) {
  if (FLevels.empty() || Ch == 0 || Ch > 0x7F) return MenuChar(Ch);
  std::size_t Level = FLevels.size() - 1;
  TMenuTable::TMenu* M = TMenuTable::Instance().Find(FLevels[Level].Menu);
  if (!M) return;
  unsigned char Want = static_cast<unsigned char>(std::tolower(int(Ch)));
  std::vector<int> Matches;
  for (std::size_t I = 0; I < M->Entries.size(); ++I)
    if (!M->Entries[I].IsSeparator() && MenuLoopAccelerator(M->Entries[I].Text) == Want)
      Matches.push_back(int(I));
  if (Matches.empty()) return MenuChar(Ch);
  if (Matches.size() == 1) return Execute(Level, Matches[0]);
  // Several entries share the key: each press selects the next of them.
  int Current = FLevels[Level].Selected, Next = Matches[0];
  for (int I : Matches)
    if (I > Current) {
      Next = I;
      break;
    }
  Select(Level, Next, false);
}

// No entry has the key: the owner may name one (owner-drawn entries have
// no text to search).
void TMenuLoop::MenuChar(UINT Ch) {
  if (FLevels.empty() || (FFlags & TPM_NONOTIFY)) return;
  std::size_t Level = FLevels.size() - 1;
  LRESULT R = SendMessage(FOwner, WM_MENUCHAR, MAKEWPARAM(int(Ch), MF_POPUP),
                          reinterpret_cast<LPARAM>(FLevels[Level].Menu));
  if (FDone || Level >= FLevels.size()) return;
  int Index = LOWORD(std::uintptr_t(R));
  switch (HIWORD(std::uintptr_t(R))) {
  case MNC_EXECUTE: Execute(Level, Index); break;
  case MNC_SELECT:
    if (EntryOf(Level, Index)) Select(Level, Index, false);
    break;
  case MNC_CLOSE: Cancel(); break;
  default: break;
  }
}
