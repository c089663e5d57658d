// The entry operations: inserting, reading and changing entries through
// MENUITEMINFO, the older AppendMenu/RemoveMenu/DeleteMenu family and the
// state queries. Every entry is named by position or by command (see
// TMenuTable::Locate); every change bumps the menu's version so that a
// showing menu lays itself out again.
#include "platform/user/MenuLoop.h"
#include "platform/user/MenuTable.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr UINT kMenuInfoStateBits = MFS_GRAYED | MFS_CHECKED | MFS_HILITE | MFS_DEFAULT;
constexpr UINT kMenuInfoTypeFlags = MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_MENUBREAK |
                                    MF_MENUBARBREAK | MFT_RADIOCHECK | MFT_RIGHTORDER |
                                    MFT_RIGHTJUSTIFY;

bool MenuInfoSizeOk(const MENUITEMINFOA* Info) {
  return Info && (Info->cbSize == MENUITEMINFO_SIZE_V1 || Info->cbSize == sizeof(MENUITEMINFOA));
}

// A string-typed entry carries its text in dwTypeData; bitmap and separator
// entries do not. Owner-drawn entries keep a text when one is given, so the
// accelerator and GetMenuString still work for them.
bool MenuInfoTypeHasText(UINT Type) { return !(Type & (MFT_BITMAP | MFT_SEPARATOR)); }

// Applies the masked fields of Info to E; false when a field is unusable
// (a sub-menu that is no menu or would contain Menu itself).
bool MenuInfoApply(HMENU Menu, TMenuEntry& E, const MENUITEMINFOA& Info) {
  TMenuTable& T = TMenuTable::Instance();
  if (Info.fMask & MIIM_SUBMENU) {
    if (Info.hSubMenu && (!T.Find(Info.hSubMenu) || T.Reaches(Info.hSubMenu, Menu))) return false;
    E.SubMenu = Info.hSubMenu;
  }
  if (Info.fMask & MIIM_STATE) E.State = Info.fState & kMenuInfoStateBits;
  if (Info.fMask & MIIM_ID) E.Id = Info.wID;
  if (Info.fMask & MIIM_CHECKMARKS) {
    E.CheckedBitmap = Info.hbmpChecked;
    E.UncheckedBitmap = Info.hbmpUnchecked;
  }
  if (Info.fMask & MIIM_DATA) E.Data = Info.dwItemData;
  if (Info.fMask & (MIIM_TYPE | MIIM_FTYPE)) E.Type = Info.fType;
  if (Info.fMask & MIIM_TYPE) {
    if (E.Type & MFT_BITMAP) E.Bitmap = reinterpret_cast<HBITMAP>(Info.dwTypeData);
    E.Text = MenuInfoTypeHasText(E.Type) && Info.dwTypeData ? Info.dwTypeData : "";
  }
  if (Info.fMask & MIIM_STRING) E.Text = Info.dwTypeData ? Info.dwTypeData : "";
  if (Info.fMask & MIIM_BITMAP) E.Bitmap = Info.hbmpItem;
  E.Measured = false;
  return true;
}

// Copies Text into the caller's buffer as the original does: cch is the
// buffer size on entry and the text length on return; without a buffer
// only the length is reported.
void MenuInfoCopyText(const std::string& Text, MENUITEMINFOA& Info) {
  if (!Info.dwTypeData || Info.cch == 0) {
    Info.cch = UINT(Text.size());
    return;
  }
  std::size_t N = std::min<std::size_t>(Text.size(), Info.cch - 1);
  std::memcpy(Info.dwTypeData, Text.data(), N);
  Info.dwTypeData[N] = '\0';
  Info.cch = UINT(N);
}

UINT MenuStateFlags(const TMenuEntry& E) {
  UINT Flags = (E.Type & kMenuInfoTypeFlags) | (E.State & kMenuInfoStateBits);
  if (E.SubMenu) Flags |= MF_POPUP;
  return Flags;
}

// The selection lives in the running menu loop, not in the entry: the
// selected entry of an open menu answers MFS_HILITE as on the original
// desktop, and no stale bit stays behind once the menu has closed.
UINT MenuInfoHilite(const TMenuTable::TPlace& P) {
  TMenuLoop* Loop = TMenuLoop::Current();
  return Loop && Loop->IsSelected(P.Menu, P.Index) ? MFS_HILITE : 0;
}

bool MenuRemoveEntry(HMENU menu, UINT item, UINT flags, bool DestroySub) {
  TMenuTable& T = TMenuTable::Instance();
  TMenuTable::TPlace P;
  if (!T.Locate(menu, item, (flags & MF_BYPOSITION) != 0, P)) return false;
  HMENU Sub = P.Entry().SubMenu;
  P.Data->Entries.erase(P.Data->Entries.begin() + std::ptrdiff_t(P.Index));
  T.Touch(*P.Data);
  if (DestroySub && Sub) T.Destroy(Sub);
  return true;
}

} // namespace

BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  TMenuTable& T = TMenuTable::Instance();
  if (!MenuInfoSizeOk(info)) return FALSE;
  TMenuTable::TPlace P;
  if (byPosition) {
    TMenuTable::TMenu* M = T.Find(menu);
    if (!M) return FALSE;
    P = TMenuTable::TPlace{menu, M, std::min<std::size_t>(item, M->Entries.size())};
  } else if (!T.Locate(menu, item, false, P)) {
    return FALSE;
  }
  TMenuEntry E;
  if (!MenuInfoApply(P.Menu, E, *info)) return FALSE;
  P.Data->Entries.insert(P.Data->Entries.begin() + std::ptrdiff_t(P.Index), std::move(E));
  T.Touch(*P.Data);
  return TRUE;
}

BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  TMenuTable& T = TMenuTable::Instance();
  TMenuTable::TPlace P;
  if (!MenuInfoSizeOk(info) || !T.Locate(menu, item, byPosition != FALSE, P)) return FALSE;
  TMenuEntry E = P.Entry();
  if (!MenuInfoApply(P.Menu, E, *info)) return FALSE;
  P.Entry() = std::move(E);
  T.Touch(*P.Data);
  return TRUE;
}

BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
  TMenuTable::TPlace P;
  if (!MenuInfoSizeOk(info) || !TMenuTable::Instance().Locate(menu, item, byPosition != FALSE, P))
    return FALSE;
  const TMenuEntry& E = P.Entry();
  UINT Mask = info->fMask;
  if (Mask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = E.Type;
  if (Mask & MIIM_STATE) info->fState = E.State | MenuInfoHilite(P);
  if (Mask & MIIM_ID) info->wID = E.Id;
  if (Mask & MIIM_SUBMENU) info->hSubMenu = E.SubMenu;
  if (Mask & MIIM_CHECKMARKS) {
    info->hbmpChecked = E.CheckedBitmap;
    info->hbmpUnchecked = E.UncheckedBitmap;
  }
  if (Mask & MIIM_DATA) info->dwItemData = E.Data;
  if ((Mask & MIIM_TYPE) && (E.Type & MFT_BITMAP)) {
    info->dwTypeData = reinterpret_cast<LPSTR>(E.Bitmap);
    info->cch = 0;
  } else if (Mask & (MIIM_TYPE | MIIM_STRING)) {
    MenuInfoCopyText(E.Text, *info);
  }
  if ((Mask & MIIM_BITMAP) && info->cbSize == sizeof(MENUITEMINFOA)) info->hbmpItem = E.Bitmap;
  return TRUE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubMenu, LPCSTR text) {
  MENUITEMINFOA Info{};
  Info.cbSize = sizeof(Info);
  Info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_ID | MIIM_DATA;
  Info.fType = flags & kMenuInfoTypeFlags;
  Info.fState = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT);
  if (flags & MF_POPUP) {
    Info.fMask |= MIIM_SUBMENU;
    Info.hSubMenu = reinterpret_cast<HMENU>(idOrSubMenu);
  } else {
    Info.wID = UINT(idOrSubMenu);
  }
  // The older call passes the item data of an owner-drawn entry, or the
  // bitmap of a bitmap entry, where the text would go.
  if (flags & MF_OWNERDRAW) {
    Info.dwItemData = reinterpret_cast<ULONG_PTR>(text);
  } else if (flags & MF_BITMAP) {
    Info.fMask |= MIIM_BITMAP;
    Info.hbmpItem = reinterpret_cast<HBITMAP>(const_cast<char*>(text));
  } else if (!(flags & MF_SEPARATOR)) {
    Info.fMask |= MIIM_STRING;
    Info.dwTypeData = const_cast<LPSTR>(text);
  }
  return InsertMenuItem(menu, 0xFFFFFFFFu, TRUE, &Info);
}

BOOL RemoveMenu(HMENU menu, UINT item, UINT flags) {
  return MenuRemoveEntry(menu, item, flags, false) ? TRUE : FALSE;
}

BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) {
  return MenuRemoveEntry(menu, item, flags, true) ? TRUE : FALSE;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  TMenuTable& T = TMenuTable::Instance();
  TMenuTable::TPlace P;
  if (!T.Locate(menu, item, (flags & MF_BYPOSITION) != 0, P)) return 0xFFFFFFFFu;
  const TMenuEntry& E = P.Entry();
  UINT Flags = MenuStateFlags(E) | MenuInfoHilite(P);
  // A sub-menu entry answers its sub-menu's entry count in the high byte.
  if (TMenuTable::TMenu* Sub = T.Find(E.SubMenu))
    Flags = (UINT(std::min<std::size_t>(Sub->Entries.size(), 0xFF)) << 8) | (Flags & 0xFF);
  return Flags;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  TMenuTable& T = TMenuTable::Instance();
  TMenuTable::TPlace P;
  if (!T.Locate(menu, item, (flags & MF_BYPOSITION) != 0, P)) return 0xFFFFFFFFu;
  TMenuEntry& E = P.Entry();
  DWORD Previous = E.State & MF_CHECKED;
  E.State = (E.State & ~UINT(MF_CHECKED)) | (flags & MF_CHECKED);
  T.Touch(*P.Data);
  return Previous;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  TMenuTable& T = TMenuTable::Instance();
  TMenuTable::TPlace P;
  if (!T.Locate(menu, item, (flags & MF_BYPOSITION) != 0, P)) return -1;
  TMenuEntry& E = P.Entry();
  BOOL Previous = BOOL(E.State & (MF_GRAYED | MF_DISABLED));
  E.State = (E.State & ~UINT(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  T.Touch(*P.Data);
  return Previous;
}

int GetMenuString(HMENU menu, UINT item, LPSTR text, int max, UINT flags) {
  TMenuTable::TPlace P;
  if (!TMenuTable::Instance().Locate(menu, item, (flags & MF_BYPOSITION) != 0, P)) return 0;
  const std::string& S = P.Entry().Text;
  if (!text || max <= 0) return int(S.size());
  std::size_t N = std::min<std::size_t>(S.size(), std::size_t(max) - 1);
  std::memcpy(text, S.data(), N);
  text[N] = '\0';
  return int(N);
}
