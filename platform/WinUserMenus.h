// Native menus: menu handles with their entries, and the modal popup that
// shows one in a menu window of class "#32768". Included by WinUser.h.
//
// A menu entry carries a type (string, separator, owner-draw...), a state
// (checked, grayed, default), a 16-bit command identifier and, for an entry
// that opens a sub-menu, the sub-menu's handle. Handles are table tokens:
// a destroyed menu's handle is answered as invalid, never dereferenced.
#pragma once

#include "platform/WinGdi.h"

#include <cstddef>

using ULONG_PTR = std::uintptr_t;
using UINT_PTR = std::uintptr_t;

// ---- entry description ----
inline constexpr UINT MIIM_STATE = 0x0001, MIIM_ID = 0x0002, MIIM_SUBMENU = 0x0004,
                      MIIM_CHECKMARKS = 0x0008, MIIM_TYPE = 0x0010, MIIM_DATA = 0x0020,
                      MIIM_STRING = 0x0040, MIIM_BITMAP = 0x0080, MIIM_FTYPE = 0x0100;
inline constexpr UINT MFT_STRING = 0x0000, MFT_BITMAP = 0x0004, MFT_MENUBARBREAK = 0x0020,
                      MFT_MENUBREAK = 0x0040, MFT_OWNERDRAW = 0x0100, MFT_RADIOCHECK = 0x0200,
                      MFT_SEPARATOR = 0x0800, MFT_RIGHTORDER = 0x2000, MFT_RIGHTJUSTIFY = 0x4000;
inline constexpr UINT MFS_ENABLED = 0x0000, MFS_UNCHECKED = 0x0000, MFS_GRAYED = 0x0003,
                      MFS_DISABLED = 0x0003, MFS_CHECKED = 0x0008, MFS_HILITE = 0x0080,
                      MFS_DEFAULT = 0x1000;

// The older callers of the desktop the program was made for pass the
// description without hbmpItem (44 bytes there); both sizes are accepted,
// as MENUITEMINFO_SIZE_V1 and sizeof(MENUITEMINFOA).
struct MENUITEMINFOA {
  UINT cbSize;
  UINT fMask;
  UINT fType;
  UINT fState;
  UINT wID;
  HMENU hSubMenu;
  HBITMAP hbmpChecked;
  HBITMAP hbmpUnchecked;
  ULONG_PTR dwItemData;
  LPSTR dwTypeData; // text of a string entry; GetMenuItemInfo copies into it
  UINT cch;         // on GetMenuItemInfo: buffer size in, text length out
  HBITMAP hbmpItem;
};
using MENUITEMINFO = MENUITEMINFOA;
inline constexpr UINT MENUITEMINFO_SIZE_V1 = UINT(offsetof(MENUITEMINFOA, hbmpItem));

// ---- flags of the older entry operations ----
inline constexpr UINT MF_BYCOMMAND = 0x0000, MF_BYPOSITION = 0x0400, MF_STRING = 0x0000,
                      MF_ENABLED = 0x0000, MF_UNCHECKED = 0x0000, MF_GRAYED = 0x0001,
                      MF_DISABLED = 0x0002, MF_BITMAP = 0x0004, MF_CHECKED = 0x0008,
                      MF_POPUP = 0x0010, MF_MENUBARBREAK = 0x0020, MF_MENUBREAK = 0x0040,
                      MF_HILITE = 0x0080, MF_OWNERDRAW = 0x0100, MF_SEPARATOR = 0x0800,
                      MF_DEFAULT = 0x1000, MF_MOUSESELECT = 0x8000;

// ---- TrackPopupMenu ----
inline constexpr UINT TPM_LEFTBUTTON = 0x0000, TPM_RIGHTBUTTON = 0x0002, TPM_LEFTALIGN = 0x0000,
                      TPM_CENTERALIGN = 0x0004, TPM_RIGHTALIGN = 0x0008, TPM_TOPALIGN = 0x0000,
                      TPM_VCENTERALIGN = 0x0010, TPM_BOTTOMALIGN = 0x0020, TPM_NONOTIFY = 0x0080,
                      TPM_RETURNCMD = 0x0100, TPM_HORPOSANIMATION = 0x0400,
                      TPM_HORNEGANIMATION = 0x0800, TPM_VERPOSANIMATION = 0x1000,
                      TPM_VERNEGANIMATION = 0x2000, TPM_NOANIMATION = 0x4000;

// ---- owner-draw ----
inline constexpr UINT ODT_MENU = 1;
inline constexpr UINT ODA_DRAWENTIRE = 0x0001, ODA_SELECT = 0x0002, ODA_FOCUS = 0x0004;
inline constexpr UINT ODS_SELECTED = 0x0001, ODS_GRAYED = 0x0002, ODS_DISABLED = 0x0004,
                      ODS_CHECKED = 0x0008, ODS_FOCUS = 0x0010, ODS_DEFAULT = 0x0020,
                      ODS_HOTLIGHT = 0x0040, ODS_INACTIVE = 0x0080, ODS_NOACCEL = 0x0100,
                      ODS_NOFOCUSRECT = 0x0200;

struct MEASUREITEMSTRUCT {
  UINT CtlType; // ODT_MENU
  UINT CtlID;
  UINT itemID; // the entry's command identifier
  UINT itemWidth;
  UINT itemHeight;
  ULONG_PTR itemData;
};

struct DRAWITEMSTRUCT {
  UINT CtlType; // ODT_MENU
  UINT CtlID;
  UINT itemID;
  UINT itemAction; // ODA_*
  UINT itemState;  // ODS_*
  HWND hwndItem;   // for a menu: the HMENU, as on the original desktop
  HDC hDC;         // the menu window's DC: WindowFromDC answers that window
  RECT rcItem;     // in the menu window's client coordinates
  ULONG_PTR itemData;
};

// Sent to a menu window ("#32768"): answers the HMENU it shows, or null.
inline constexpr UINT MN_GETHMENU = 0x01E1;

// WM_MENUCHAR answers, in the high word of the result.
inline constexpr LRESULT MNC_IGNORE = 0, MNC_CLOSE = 1, MNC_EXECUTE = 2, MNC_SELECT = 3;
inline constexpr UINT WM_UNINITMENUPOPUP = 0x0125;

// ---- menu handles ----
HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and, recursively, the sub-menus of its entries.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// ---- entries ----
BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info);
BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info);
BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info);
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubMenu, LPCSTR text);
// RemoveMenu keeps the sub-menu of the entry alive; DeleteMenu destroys it.
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags);
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);
// 0xFFFFFFFF for an entry that opens a sub-menu, or when there is no entry.
UINT GetMenuItemID(HMENU menu, int pos);
HMENU GetSubMenu(HMENU menu, int pos);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// Returns the previous check state (MF_CHECKED or MF_UNCHECKED), or
// 0xFFFFFFFF when the entry does not exist.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
int GetMenuString(HMENU menu, UINT item, LPSTR text, int max, UINT flags);

// ---- showing ----
// Screen rectangle of entry pos of a menu that is showing in window wnd; a
// null wnd looks the showing menu window up. FALSE when the menu is not
// showing or holds no such entry.
BOOL GetMenuItemRect(HWND wnd, HMENU menu, UINT pos, RECT* rect);
// Runs the modal menu loop; owner receives the menu's messages. Returns
// TRUE (or, with TPM_RETURNCMD, the chosen identifier or 0); without
// TPM_RETURNCMD the choice is posted to owner as WM_COMMAND after the menu
// has closed.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* ignored);
// Closes the menu that is showing, as if Escape had been pressed until
// none was left open.
BOOL EndMenu();

#define InsertMenuItemA InsertMenuItem
#define GetMenuItemInfoA GetMenuItemInfo
#define SetMenuItemInfoA SetMenuItemInfo
#define AppendMenuA AppendMenu
#define GetMenuStringA GetMenuString
