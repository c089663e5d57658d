// The modal loop of TrackPopupMenu and the cascade of menu windows it
// shows. One loop runs at a time; it is reached through Current() by the
// menu windows (painting), EndMenu, GetMenuItemRect and the handle table
// (a destroyed menu closes its level).
//
// The loop is an ordinary GetMessage loop, so the headless desktop's idle
// handler drives it and timers, paints and posted messages keep flowing to
// their windows. Pointer and key messages are the menu's: the top menu
// window holds the capture, pointer positions are hit-tested against the
// menu windows where they are now (a window moved or clipped by someone
// else is hit where it shows), and keys act on the deepest open menu.
//
// Window procedures of the owner may change anything at any send: menus,
// entries, windows, the loop itself (EndMenu). Levels are therefore named
// by index, and every step re-checks what it works on after a send.
// MenuLoop.cpp: levels, selection, painting; MenuLoopInput.cpp: the
// pointer, keys and the sub-menu timer.
#pragma once

#include "platform/user/MenuLayout.h"
#include "platform/user/MenuTable.h"

#include <vector>

struct TMenuLevel {
  HMENU Menu = nullptr;
  HWND Wnd = nullptr;
  TMenuLayout Layout;
  int Selected = -1;
};

class TMenuLoop {
public:
  TMenuLoop(HMENU Menu, HWND Owner, UINT Flags);
  ~TMenuLoop();
  TMenuLoop(const TMenuLoop&) = delete;
  TMenuLoop& operator=(const TMenuLoop&) = delete;

  static TMenuLoop* Current();

  // Shows the menu at (X, Y) and runs until it closes. The chosen
  // identifier, 0 when nothing was chosen; Shown tells whether the menu
  // could be shown at all.
  UINT Run(int X, int Y, bool& Shown);
  // Closes the whole menu without a choice.
  void Cancel();

  // ---- the menu windows' side ----
  // Paints the level shown in Wnd; false when Wnd shows none.
  bool Paint(HWND Wnd);
  void WindowDestroyed(HWND Wnd);
  void MenuDestroyed(HMENU Menu);
  // Screen rectangle of entry Pos of Menu where it shows.
  bool ItemRect(HMENU Menu, UINT Pos, RECT& Out) const;
  HWND TopWindow() const { return FLevels.empty() ? nullptr : FLevels[0].Wnd; }
  // The menu that window Wnd shows; null when it shows none.
  HMENU MenuOfWindow(HWND Wnd) const;
  // Whether entry Pos of Menu is the selected one of its open level.
  bool IsSelected(HMENU Menu, std::size_t Pos) const;

private:
  // MenuLoop.cpp
  bool OpenLevel(HMENU Menu, int ParentIndex, int X, int Y);
  void CloseLevels(std::size_t From);
  void CloseAll();
  void Select(std::size_t Level, int Index, bool ByMouse);
  void DrawEntry(std::size_t Level, int Index, UINT Action, HDC Dc);
  void Redraw(std::size_t Level, int Index);
  void Validate();
  void Relayout(std::size_t Level);
  void Notify(UINT Msg, WPARAM WParam, LPARAM LParam);
  void Choose(UINT Id);
  void Wake();
  bool IsEntryChoosable(std::size_t Level, int Index) const;
  const TMenuEntry* EntryOf(std::size_t Level, int Index) const;

  // MenuLoopInput.cpp
  bool Input(const MSG& M);
  bool Hit(TPoint Screen, std::size_t& Level, int& Index) const;
  void MouseMove(TPoint Screen);
  void ButtonDown(TPoint Screen);
  void ButtonUp(TPoint Screen, UINT Msg);
  bool KeyDown(const MSG& M);
  void Character(UINT Ch);
  void MenuChar(UINT Ch);
  void Step(int Direction, bool FromEnd);
  void OpenSub(std::size_t Level, int Index, bool SelectFirst);
  void Execute(std::size_t Level, int Index);
  void TimerFired();

  HMENU FMenu;
  HWND FOwner;
  UINT FFlags;
  std::vector<TMenuLevel> FLevels;
  TMenuFonts FFonts;
  bool FDone = false;
  bool FQuit = false;
  int FQuitCode = 0;
  UINT FChosen = 0;
  // The sub-menu that opens when the hover delay ends.
  int FPendingLevel = -1;
  int FPendingIndex = -1;
};
