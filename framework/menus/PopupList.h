// TPopupList: the process-wide list of popup menus and the hidden window
// that owns every popup menu while it is shown.
//
// The desktop sends an open menu's messages to its owner window; this
// window hands them to the items: owner-draw measure and draw by command
// identifier, the chosen command, the start of a sub-menu (by its native
// menu), the selection (for the application's hint) and menu characters
// (accelerators of owner-drawn items, which have no text the desktop
// could search). Every lookup goes through the live item trees, so a
// message about an item that has gone meanwhile finds nothing and does
// nothing.
//
// The list exists from the first popup menu on; FreeInstance (run by the
// framework's end code) destroys the window and forgets the menus.
#pragma once

#include "platform/WinUser.h"

#include <vector>

class TPopupMenu;
class TMenuItem;

class TPopupList {
public:
  static TPopupList& Instance();
  // Whether the list exists, without making it.
  static bool Exists();
  static void FreeInstance();
  // No-op when the list does not exist.
  static void Remove(TPopupMenu* Menu);

  void Add(TPopupMenu* Menu);
  int Count() const { return int(FMenus.size()); }
  TPopupMenu* Menu(int Index) const { return FMenus.at(std::size_t(Index)); }
  // The hidden window, made again when the desktop took it away.
  HWND GetWindow();

  // The window's message handling, for the window procedure and tests.
  LRESULT HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam);

private:
  TPopupList() = default;
  ~TPopupList();
  TMenuItem* FindItem(UINT Command) const;
  TMenuItem* FindItemByHandle(HMENU Menu) const;
  void MeasureItem(MEASUREITEMSTRUCT& Measure);
  void DrawItem(const DRAWITEMSTRUCT& Draw);
  void MenuSelect(WPARAM WParam, LPARAM LParam);
  LRESULT MenuChar(WPARAM WParam, LPARAM LParam);
  static LRESULT WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

  std::vector<TPopupMenu*> FMenus;
  HWND FWindow = nullptr;
};
