// TMenu: the common part of popup menus and main menus.
//
// A menu owns its root item, whose sub-items are the menu's top-level
// items; the root's AutoHotkeys and AutoLineReduction are automatic, so
// every item inherits automatic accelerators and separator reduction
// unless it says otherwise. Every change in the tree arrives at the
// virtual MenuChanged (and OnChange) with the changed item and whether
// native entries were rebuilt.
//
// OwnerDraw makes every native entry owner-drawn; changing it rebuilds
// every native menu of the tree. Images is a reference to an image-list
// component (anything publishing integer Width and Height properties);
// the menu drops it when it is freed. Menus are not merged with one
// another by this framework.
#pragma once

#include "framework/classes/Component.h"
#include "framework/controls/ControlTypes.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/MenuTypes.h"

class TMenu : public TComponent {
  TAVREL_CLASS(TMenu, TComponent)
public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  TMenuItem* GetItems() const { return FItems; }
  // The native menu of the top-level items.
  virtual HMENU GetHandle() const;
  // The window that receives the menu's messages.
  HWND GetWindowHandle() const { return FWindowHandle; }
  void SetWindowHandle(HWND Value) { FWindowHandle = Value; }

  bool GetOwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  TComponent* GetImages() const { return FImages; }
  void SetImages(TComponent* Value);
  // maParent is stored as maAutomatic.
  TMenuItemAutoFlag GetAutoHotkeys() const { return FItems->GetAutoHotkeys(); }
  void SetAutoHotkeys(TMenuItemAutoFlag Value);
  TMenuItemAutoFlag GetAutoLineReduction() const { return FItems->GetAutoLineReduction(); }
  void SetAutoLineReduction(TMenuItemAutoFlag Value);
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool GetParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  bool IsRightToLeft() const { return FBiDiMode != bdLeftToRight; }

  // Marks every item changed: every native menu of the tree is rebuilt.
  void RebuildItems();
  TMenuItem* FindItem(std::uintptr_t Value, TMenuFindKind Kind) const;
  // Clicks the item with this command; false when there is none.
  bool DispatchCommand(std::uint16_t Command);
  // Runs the sub-menu start for the item whose native menu this is.
  bool DispatchPopup(HMENU Menu);

  virtual void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TMenuChangeEvent OnChange;

protected:
  // The control whose bidirectional mode the menu follows, if any.
  virtual TComponent* BiDiSource() const { return Owner(); }

private:
  TMenuItem* FItems;
  HWND FWindowHandle = nullptr;
  TComponent* FImages = nullptr;
  bool FOwnerDraw = false;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
};
