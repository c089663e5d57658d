#include "framework/menus/Menu.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Control.h"

const TClass& TMenu::StaticClass() {
  using C = TMenu;
  static const TClass Class =
      TClassBuilder<C>("TMenu")
          .Declare("AutoHotkeys", &C::GetAutoHotkeys, &C::SetAutoHotkeys)
          .Default(maAutomatic)
          .Declare("AutoLineReduction", &C::GetAutoLineReduction, &C::SetAutoLineReduction)
          .Default(maAutomatic)
          .Declare("BiDiMode", &C::GetBiDiMode, &C::SetBiDiMode)
          .Default(bdLeftToRight)
          .Declare("Images", &C::GetImages, &C::SetImages)
          .Declare("OwnerDraw", &C::GetOwnerDraw, &C::SetOwnerDraw)
          .Default(false)
          .Declare("ParentBiDiMode", &C::GetParentBiDiMode, &C::SetParentBiDiMode)
          .Default(true)
          .Declare("OnChange", &C::OnChange, &C::OnChange)
          .Build();
  return Class;
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(Create<TMenuItem>(this)) {
  FItems->FMenu = this;
  FItems->SetAutoHotkeys(maAutomatic);
  FItems->SetAutoLineReduction(maAutomatic);
  if (auto* Control = dynamic_cast<TControl*>(AOwner)) FBiDiMode = Control->GetBiDiMode();
}

TMenu::~TMenu() {
  TMenuItem* Items = FItems;
  FItems = nullptr;
  Items->FMenu = nullptr;
  Items->Free();
}

HMENU TMenu::GetHandle() const { return FItems->GetHandle(); }

void TMenu::SetOwnerDraw(bool Value) {
  if (FOwnerDraw == Value) return;
  FOwnerDraw = Value;
  RebuildItems();
}

void TMenu::SetImages(TComponent* Value) {
  if (FImages == Value) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  RebuildItems();
}

void TMenu::SetAutoHotkeys(TMenuItemAutoFlag Value) {
  FItems->SetAutoHotkeys(Value == maManual ? maManual : maAutomatic);
}

void TMenu::SetAutoLineReduction(TMenuItemAutoFlag Value) {
  FItems->SetAutoLineReduction(Value == maManual ? maManual : maAutomatic);
}

void TMenu::SetBiDiMode(TBiDiMode Value) {
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  FParentBiDiMode = false;
  RebuildItems();
}

void TMenu::SetParentBiDiMode(bool Value) {
  if (FParentBiDiMode == Value) return;
  FParentBiDiMode = Value;
  if (!Value) return;
  if (auto* Control = dynamic_cast<TControl*>(BiDiSource())) {
    SetBiDiMode(Control->GetBiDiMode());
    FParentBiDiMode = true;
  }
}

void TMenu::RebuildItems() {
  if (!FItems) return;
  FItems->RebuildAll();
  MenuChanged(FItems, nullptr, true);
}

TMenuItem* TMenu::FindItem(std::uintptr_t Value, TMenuFindKind Kind) const {
  return FItems ? FItems->FindItem(Value, Kind) : nullptr;
}

bool TMenu::DispatchCommand(std::uint16_t Command) {
  TMenuItem* Item = FindItem(Command, fkCommand);
  if (!Item) return false;
  Item->Click();
  return true;
}

// The item's own OnClick may free it; it is looked up again before its
// sub-items are prepared.
bool TMenu::DispatchPopup(HMENU Menu) {
  auto Key = reinterpret_cast<std::uintptr_t>(Menu);
  TMenuItem* Item = FindItem(Key, fkHandle);
  if (!Item) return false;
  Item->Click();
  Item = FindItem(Key, fkHandle);
  if (!Item) return true;
  bool Hotkeys = Item->RethinkHotkeys();
  bool Lines = Item->RethinkLines();
  if (Hotkeys || Lines) Item->RebuildHandle();
  return true;
}

void TMenu::MenuChanged(TObject*, TMenuItem* Source, bool Rebuild) {
  TComponentState S = ComponentState();
  if (S.Contains(csLoading) || S.Contains(csDestroying)) return;
  if (OnChange) OnChange(this, Source, Rebuild);
}

void TMenu::Loaded() {
  TComponent::Loaded();
  MenuChanged(FItems, nullptr, false);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    RebuildItems();
  }
}
