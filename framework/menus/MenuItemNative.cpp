// The native side of an item: its sub-menu handle and the entries in it.
//
// One entry per visible sub-item, in order, described with the 44-byte
// item description of the older desktops (state, identifier, sub-menu,
// check marks, type and data). Bitmap entries that someone else put into
// the menu survive a rebuild; everything else is removed (never
// destroyed: a sub-menu belongs to its item) and made again.
#include "framework/menus/MainMenu.h"
#include "framework/menus/Menu.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupMenu.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

HMENU TMenuItem::GetHandle() {
  if (FHandle) return FHandle;
  TComponent* MenuOwner = Owner();
  FHandle = MenuOwner && MenuOwner->Is<TPopupMenu>() ? CreatePopupMenu() : CreateMenu();
  if (!FHandle) throw EOutOfResources(SOutOfResources);
  PopulateMenu();
  return FHandle;
}

void TMenuItem::PopulateMenu() {
  TMenu* Menu = GetParentMenu();
  bool RightToLeft = Menu && Menu->IsRightToLeft();
  for (TMenuItem* Item : FItems)
    if (Item->FVisible) Item->AppendTo(FHandle, RightToLeft);
}

void TMenuItem::ClearNativeEntries() {
  for (int Pos = GetMenuItemCount(FHandle) - 1; Pos >= 0; --Pos) {
    UINT State = GetMenuState(FHandle, UINT(Pos), MF_BYPOSITION);
    if (State != 0xFFFFFFFF && (State & MF_BITMAP)) continue;
    RemoveMenu(FHandle, UINT(Pos), MF_BYPOSITION);
  }
}

void TMenuItem::DestroyHandle() {
  if (!FHandle) return;
  while (GetMenuItemCount(FHandle) > 0)
    if (!RemoveMenu(FHandle, 0, MF_BYPOSITION)) break;
  DestroyMenu(FHandle);
  FHandle = nullptr;
}

void TMenuItem::RebuildHandle() {
  if (ComponentState().Contains(csDestroying)) return;
  if (IsLoading()) {
    FStreamedRebuild = true;
    return;
  }
  if (!FHandle) return;
  ClearNativeEntries();
  bool AnyVisible = false;
  for (TMenuItem* Item : FItems) AnyVisible = AnyVisible || Item->FVisible;
  // An empty bar would still take its line on the window.
  if (!FParent && FMenu && FMenu->Is<TMainMenu>() && !AnyVisible &&
      GetMenuItemCount(FHandle) == 0) {
    DestroyHandle();
    return;
  }
  PopulateMenu();
}

void TMenuItem::RebuildAll() {
  for (TMenuItem* Item : std::vector<TMenuItem*>(FItems)) Item->RebuildAll();
  RebuildHandle();
}

bool TMenuItem::IsBarItem() const {
  return FParent && FParent->FMenu && FParent->FMenu->Is<TMainMenu>();
}

bool TMenuItem::IsOwnerDrawn() const {
  TMenu* Menu = GetParentMenu();
  return (Menu && Menu->GetOwnerDraw()) || HasImageList() || HasBitmap();
}

MENUITEMINFOA TMenuItem::DescribeEntry(bool RightToLeft, std::string& Text) {
  Text = FCaption;
  if (FItems.empty() && FShortCut != 0 && !IsBarItem()) {
    std::string Keys = ShortCutToText(FShortCut);
    if (!Keys.empty()) Text += "\t" + Keys;
  }
  MENUITEMINFOA Info{};
  Info.cbSize = MENUITEMINFO_SIZE_V1;
  Info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;
  Info.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
  if (FRadioItem) Info.fType |= MFT_RADIOCHECK;
  if (FBreak == mbBreak) Info.fType |= MFT_MENUBREAK;
  if (FBreak == mbBarBreak) Info.fType |= MFT_MENUBARBREAK;
  if (RightToLeft) Info.fType |= MFT_RIGHTORDER | MFT_RIGHTJUSTIFY;
  if (IsOwnerDrawn()) Info.fType |= MFT_OWNERDRAW;
  if (FChecked) Info.fState |= MFS_CHECKED;
  if (!FEnabled) Info.fState |= MFS_DISABLED | MFS_GRAYED;
  if (FDefault) Info.fState |= MFS_DEFAULT;
  Info.wID = FCommand;
  Info.hSubMenu = FItems.empty() ? nullptr : GetHandle();
  Info.dwTypeData = Text.data();
  Info.cch = UINT(Text.size());
  return Info;
}

void TMenuItem::AppendTo(HMENU Menu, bool RightToLeft) {
  std::string Text;
  MENUITEMINFOA Info = DescribeEntry(RightToLeft, Text);
  int Count = GetMenuItemCount(Menu);
  InsertMenuItem(Menu, UINT(Count < 0 ? 0 : Count), TRUE, &Info);
}

int TMenuItem::NativePosition() const {
  if (!FParent || !FParent->FHandle) return -1;
  HMENU Menu = FParent->FHandle;
  for (int Pos = 0, Count = GetMenuItemCount(Menu); Pos < Count; ++Pos) {
    bool Match = FItems.empty() ? GetMenuItemID(Menu, Pos) == FCommand
                                : FHandle && GetSubMenu(Menu, Pos) == FHandle;
    if (Match) return Pos;
  }
  return -1;
}
