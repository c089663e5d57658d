// Menu handles and their entries. Every menu lives in a generation-checked
// handle table like the windows, so a destroyed menu's handle is answered
// as invalid and never reaches freed memory.
//
// Entries refer to their sub-menus by handle only: a sub-menu may be
// destroyed behind its parent's back and the parent then simply holds a
// stale handle. Inserting a sub-menu that would make a menu reach itself is
// refused, so every walk down the tree ends. Each change bumps the menu's
// version, which a showing menu compares against the version it was laid
// out with to know when to lay itself out again.
#pragma once

#include "platform/HandleTable.h"
#include "platform/WinUser.h"

#include <string>
#include <vector>

struct TMenuEntry {
  UINT Type = MFT_STRING;
  UINT State = 0;
  UINT Id = 0;
  HMENU SubMenu = nullptr;
  HBITMAP CheckedBitmap = nullptr;
  HBITMAP UncheckedBitmap = nullptr;
  HBITMAP Bitmap = nullptr;
  ULONG_PTR Data = 0;
  std::string Text;
  // Size the owner gave on WM_MEASUREITEM; asked again after a change.
  bool Measured = false;
  UINT MeasuredWidth = 0;
  UINT MeasuredHeight = 0;

  bool IsSeparator() const { return (Type & MFT_SEPARATOR) != 0; }
  bool IsOwnerDraw() const { return (Type & MFT_OWNERDRAW) != 0; }
  bool IsDisabled() const { return (State & MFS_DISABLED) != 0; }
};

class TMenuTable {
public:
  struct TMenu {
    bool Popup = false;
    unsigned Version = 1;
    std::vector<TMenuEntry> Entries;
  };

  // Where an entry was found: its menu (a sub-menu for a lookup by command)
  // and its index there.
  struct TPlace {
    HMENU Menu = nullptr;
    TMenu* Data = nullptr;
    std::size_t Index = 0;
    TMenuEntry& Entry() const { return Data->Entries[Index]; }
  };

  static TMenuTable& Instance();

  HMENU Create(bool Popup);
  TMenu* Find(HMENU Menu) const;
  // Destroys Menu and the sub-menus of its entries, deepest first.
  bool Destroy(HMENU Menu);

  // The entry named by position or by command identifier; a command is
  // searched depth first through the sub-menus, a sub-menu before the
  // identifier of the entry that opens it.
  bool Locate(HMENU Menu, UINT Item, bool ByPosition, TPlace& Out) const;
  // Whether Target can be reached from Menu through sub-menu entries
  // (Menu itself included).
  bool Reaches(HMENU Menu, HMENU Target) const;
  // Records a change of Menu's entries.
  void Touch(TMenu& Menu);

  // Called after a menu handle died, to close what shows it.
  void SetDestroyHook(void (*Hook)(HMENU)) { FDestroyHook = Hook; }

private:
  bool LocateCommand(HMENU Menu, UINT Id, TPlace& Out, int Depth) const;

  THandleTable<TMenu> FTable;
  void (*FDestroyHook)(HMENU) = nullptr;
};
