// TMenuItem: one entry of a menu, and the list of its sub-items.
//
// Items form a tree under a menu's root item (TMenu::GetItems). Each item
// takes a command identifier from the process-wide pool for its life and
// keeps the native menu that holds its sub-items, made on first request
// (GetHandle) and refilled whenever a sub-item is added, removed or
// changes in a way the native entry shows. Changes travel up the tree to
// the menu's MenuChanged with the item that changed and whether native
// entries had to be rebuilt.
//
// An item's Owner is whoever frees it (the form or data module that read
// it); the parent item frees its sub-items too, and an item that goes
// leaves its parent first. Freeing an item from its own OnClick is safe:
// nothing touches the item after the handler returns.
#pragma once

#include "framework/classes/Component.h"
#include "framework/menus/MenuTypes.h"
#include "framework/menus/ShortCuts.h"
#include "platform/WinUser.h"

#include <cstdint>
#include <string>
#include <vector>

class TBitmap;
class TMenu;

TAVREL_ENUM(TMenuFindKind, fkCommand, fkHandle, fkShortCut)

class TMenuItem : public TComponent {
  TAVREL_CLASS(TMenuItem, TComponent)
public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool GetChecked() const { return FChecked; }
  void SetChecked(bool Value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value);
  bool GetRadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  bool GetAutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value);
  std::uint8_t GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(std::uint8_t Value);
  TMenuBreak GetBreak() const { return FBreak; }
  void SetBreak(TMenuBreak Value);
  TShortCut GetShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // Made empty on first request.
  TBitmap* GetBitmap() const;
  void SetBitmap(const TBitmap* Value);
  bool HasBitmap() const;
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }
  TMenuItemAutoFlag GetAutoHotkeys() const { return FAutoHotkeys; }
  void SetAutoHotkeys(TMenuItemAutoFlag Value);
  TMenuItemAutoFlag GetAutoLineReduction() const { return FAutoLineReduction; }
  void SetAutoLineReduction(TMenuItemAutoFlag Value);
  // maParent resolved up the tree to the menu's setting.
  bool IsAutomaticHotkeys() const;
  bool IsAutomaticLineReduction() const;

  std::uint16_t GetCommand() const { return FCommand; }
  // The native menu of the sub-items, made and filled on first request.
  HMENU GetHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  TMenuItem* GetParent() const { return FParent; }
  int GetCount() const { return int(FItems.size()); }
  // Throws EMenuError for an index out of range.
  TMenuItem* GetItem(int Index) const;
  TMenuItem* operator[](int Index) const { return GetItem(Index); }
  int GetMenuIndex() const;
  void SetMenuIndex(int Value);
  bool IsLine() const { return FCaption == "-"; }
  // The menu whose root this item's tree hangs from, or null.
  TMenu* GetParentMenu() const;

  // Insert throws EMenuError for an item that already has a parent or an
  // index out of range.
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  void Delete(int Index);
  void Remove(TMenuItem* Item);
  // Frees every sub-item.
  void Clear();
  int IndexOf(const TMenuItem* Item) const;
  // The sub-item with this caption, ignoring "&" marks and case.
  TMenuItem* Find(std::string_view ACaption) const;
  // Searches the sub-items at every depth (this item excluded).
  TMenuItem* FindItem(std::uintptr_t Value, TMenuFindKind Kind) const;

  // Toggles Checked for AutoCheck, then raises OnClick; a disabled item
  // does nothing.
  virtual void Click();
  // Accelerators and separator reduction over the sub-items, when
  // automatic (or Force); true when a caption or visibility changed.
  bool RethinkHotkeys(bool Force = false);
  bool RethinkLines(bool Force = false);
  // Refills the native menu, if there is one.
  void RebuildHandle();
  // Rebuilds the native menus of this item and every sub-item.
  void RebuildAll();

  // The owner-draw steps, called by the window that receives the menu's
  // messages: the framework's own size, then OnMeasureItem.
  virtual void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
  virtual void AdvancedDrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State,
                                bool TopLevel);
  // Whether the item stands directly on a main menu's bar.
  bool IsBarItem() const;
  // Whether the menu's image list applies to this item.
  bool HasImageList() const;
  // Whether the native entry is owner-drawn.
  bool IsOwnerDrawn() const;
  // The position of this item's entry in its parent's native menu, or -1.
  int NativePosition() const;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void Loaded() override;
  void DeclareExtraProperties(TFiler& Filer) override;

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

protected:
  friend class TMenu;
  // Reports a change of this item; Rebuild when the native entry must be
  // made again.
  void MenuChanged(bool Rebuild);
  virtual void SubItemChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);
  virtual void DrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State);
  // Appends this item's native entry to Menu.
  void AppendTo(HMENU Menu, bool RightToLeft);

private:
  void TurnSiblingsOff();
  void BitmapChanged(TObject* Sender);
  void PopulateMenu();
  void ClearNativeEntries();
  void DestroyHandle();
  bool IsLoading() const;
  MENUITEMINFOA DescribeEntry(bool RightToLeft, std::string& Text);
  int ImageListExtent(const char* Property) const;
  void DrawCheckMark(TCanvas* ACanvas, const TRect& ARect);

  std::string FCaption;
  std::string FHint;
  bool FChecked = false;
  bool FEnabled = true;
  bool FDefault = false;
  bool FRadioItem = false;
  bool FVisible = true;
  bool FAutoCheck = false;
  bool FStreamedRebuild = false;
  std::uint8_t FGroupIndex = 0;
  TMenuBreak FBreak = mbNone;
  TShortCut FShortCut = 0;
  int FImageIndex = -1;
  int FHelpContext = 0;
  TMenuItemAutoFlag FAutoHotkeys = maParent;
  TMenuItemAutoFlag FAutoLineReduction = maParent;
  mutable TBitmap* FBitmap = nullptr;
  std::uint16_t FCommand = 0;
  HMENU FHandle = nullptr;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr; // set on a menu's root item only
  std::vector<TMenuItem*> FItems;
};
