// The item tree, the properties and the change reports. The native menu
// work is in MenuItemNative.cpp, measuring and drawing in MenuItemDraw.cpp.
#include "framework/menus/MenuItem.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Filer.h"
#include "framework/graphics/Bitmap.h"
#include "framework/menus/Menu.h"
#include "framework/menus/MenuCommands.h"
#include "framework/menus/MenuHotkeys.h"
#include "framework/runtime/SysUtils.h"

#include "FrameworkConsts.h"

#include <algorithm>

const TClass& TMenuItem::StaticClass() {
  using C = TMenuItem;
  static const TClass Class =
      TClassBuilder<C>("TMenuItem")
          .Property("AutoCheck", &C::GetAutoCheck, &C::SetAutoCheck)
          .Default(false)
          .Property("AutoHotkeys", &C::GetAutoHotkeys, &C::SetAutoHotkeys)
          .Default(maParent)
          .Property("AutoLineReduction", &C::GetAutoLineReduction, &C::SetAutoLineReduction)
          .Default(maParent)
          .Property("Bitmap", &C::GetBitmap, &C::SetBitmap)
          .Property("Break", &C::GetBreak, &C::SetBreak)
          .Default(mbNone)
          .Property("Caption", &C::GetCaption, &C::SetCaption)
          .Property("Checked", &C::GetChecked, &C::SetChecked)
          .Default(false)
          .Property("Default", &C::GetDefault, &C::SetDefault)
          .Default(false)
          .Property("Enabled", &C::GetEnabled, &C::SetEnabled)
          .Default(true)
          .Property("GroupIndex", &C::GetGroupIndex, &C::SetGroupIndex)
          .Default(0)
          .Property("HelpContext", &C::GetHelpContext, &C::SetHelpContext)
          .Default(0)
          .Property("Hint", &C::GetHint, &C::SetHint)
          .Property("ImageIndex", &C::GetImageIndex, &C::SetImageIndex)
          .Default(-1)
          .Property("RadioItem", &C::GetRadioItem, &C::SetRadioItem)
          .Default(false)
          .Property("ShortCut", &C::GetShortCut, &C::SetShortCut)
          .Default(0)
          .Property("Visible", &C::GetVisible, &C::SetVisible)
          .Default(true)
          .Property("OnAdvancedDrawItem", &C::OnAdvancedDrawItem, &C::OnAdvancedDrawItem)
          .Property("OnClick", &C::OnClick, &C::OnClick)
          .Property("OnDrawItem", &C::OnDrawItem, &C::OnDrawItem)
          .Property("OnMeasureItem", &C::OnMeasureItem, &C::OnMeasureItem)
          .Build();
  return Class;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(MenuCommandAllocate()) {}

// The native menu goes before the sub-items, emptied first, so no native
// menu ever holds the handle of a sub-menu that is already gone.
TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  DestroyHandle();
  while (!FItems.empty()) FItems.front()->Free();
  MenuCommandRelease(FCommand);
  delete FBitmap;
}

bool TMenuItem::IsLoading() const {
  TComponentState S = ComponentState();
  return S.Contains(csReading) || S.Contains(csLoading);
}

void TMenuItem::MenuChanged(bool Rebuild) {
  TMenuItem* Source = (!FParent && FMenu) ? nullptr : this;
  if (FParent)
    FParent->SubItemChanged(this, Source, Rebuild);
  else if (FMenu)
    FMenu->MenuChanged(this, Source, Rebuild);
}

// Only this level's native menu shows the change; the levels above are
// told, not rebuilt.
void TMenuItem::SubItemChanged(TObject*, TMenuItem* Source, bool Rebuild) {
  if (Rebuild) RebuildHandle();
  TMenuItem* Root = this;
  while (Root->FParent) Root = Root->FParent;
  if (Root->FMenu) Root->FMenu->MenuChanged(Root, Source, Rebuild);
}

void TMenuItem::SetCaption(const std::string& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  MenuChanged(true);
}

void TMenuItem::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  if (FParent && FParent->FHandle && !ComponentState().Contains(csReading))
    CheckMenuItem(FParent->FHandle, FCommand, MF_BYCOMMAND | (Value ? MF_CHECKED : MF_UNCHECKED));
  if (Value && FRadioItem) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* Sibling : std::vector<TMenuItem*>(FParent->FItems))
    if (Sibling != this && Sibling->FRadioItem && Sibling->FGroupIndex == FGroupIndex)
      Sibling->SetChecked(false);
}

void TMenuItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  MenuChanged(true);
}

void TMenuItem::SetDefault(bool Value) {
  if (FDefault == Value) return;
  if (Value && FParent)
    for (TMenuItem* Sibling : FParent->FItems)
      if (Sibling != this && Sibling->FDefault) Sibling->SetDefault(false);
  FDefault = Value;
  MenuChanged(true);
}

void TMenuItem::SetRadioItem(bool Value) {
  if (FRadioItem == Value) return;
  FRadioItem = Value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  MenuChanged(true);
}

void TMenuItem::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  MenuChanged(true);
}

void TMenuItem::SetAutoCheck(bool Value) {
  if (FAutoCheck == Value) return;
  FAutoCheck = Value;
  MenuChanged(false);
}

void TMenuItem::SetGroupIndex(std::uint8_t Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::SetBreak(TMenuBreak Value) {
  if (FBreak == Value) return;
  FBreak = Value;
  MenuChanged(true);
}

void TMenuItem::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  MenuChanged(true);
}

void TMenuItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  MenuChanged(true);
}

TBitmap* TMenuItem::GetBitmap() const {
  if (!FBitmap) {
    FBitmap = new TBitmap;
    FBitmap->OnChange = MakeEvent<&TMenuItem::BitmapChanged>(const_cast<TMenuItem*>(this));
  }
  return FBitmap;
}

void TMenuItem::SetBitmap(const TBitmap* Value) { GetBitmap()->Assign(Value); }

bool TMenuItem::HasBitmap() const { return FBitmap && !FBitmap->Empty(); }

void TMenuItem::BitmapChanged(TObject*) { MenuChanged(true); }

void TMenuItem::SetAutoHotkeys(TMenuItemAutoFlag Value) {
  if (FAutoHotkeys == Value) return;
  FAutoHotkeys = Value;
  MenuChanged(true);
}

void TMenuItem::SetAutoLineReduction(TMenuItemAutoFlag Value) {
  if (FAutoLineReduction == Value) return;
  FAutoLineReduction = Value;
  MenuChanged(true);
}

// A root item that says maParent and belongs to no menu counts as
// automatic, the framework's default.
bool TMenuItem::IsAutomaticHotkeys() const {
  const TMenuItem* Item = this;
  while (Item->FAutoHotkeys == maParent && Item->FParent) Item = Item->FParent;
  return Item->FAutoHotkeys != maManual;
}

bool TMenuItem::IsAutomaticLineReduction() const {
  const TMenuItem* Item = this;
  while (Item->FAutoLineReduction == maParent && Item->FParent) Item = Item->FParent;
  return Item->FAutoLineReduction != maManual;
}

TMenuItem* TMenuItem::GetItem(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EMenuError(SMenuIndexError);
  return FItems[std::size_t(Index)];
}

int TMenuItem::GetMenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int Value) {
  if (!FParent) return;
  TMenuItem* Parent = FParent;
  int Last = Parent->GetCount() - 1;
  Value = std::clamp(Value, 0, Last);
  if (Value == GetMenuIndex()) return;
  Parent->Delete(GetMenuIndex());
  Parent->Insert(Value, this);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* Item = this;
  while (Item->FParent) Item = Item->FParent;
  return Item->FMenu;
}

void TMenuItem::Add(TMenuItem* Item) { Insert(GetCount(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item) return;
  if (Item->FParent || Item == this || Item->FMenu) throw EMenuError(SMenuReinserted);
  for (const TMenuItem* Up = FParent; Up; Up = Up->FParent)
    if (Up == Item) throw EMenuError(SMenuReinserted);
  if (Index < 0 || Index > GetCount()) throw EMenuError(SMenuIndexError);
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  SubItemChanged(this, Item, true);
}

void TMenuItem::Delete(int Index) {
  TMenuItem* Item = GetItem(Index);
  FItems.erase(FItems.begin() + Index);
  Item->FParent = nullptr;
  if (!ComponentState().Contains(csDestroying)) SubItemChanged(this, Item, true);
}

void TMenuItem::Remove(TMenuItem* Item) {
  int Index = IndexOf(Item);
  if (Index < 0) throw EMenuError(SMenuNotFound);
  Delete(Index);
}

void TMenuItem::Clear() {
  while (!FItems.empty()) FItems.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto It = std::find(FItems.begin(), FItems.end(), Item);
  return It == FItems.end() ? -1 : int(It - FItems.begin());
}

TMenuItem* TMenuItem::Find(std::string_view ACaption) const {
  std::string Wanted = MenuStripHotkeys(ACaption);
  for (TMenuItem* Item : FItems)
    if (SameText(MenuStripHotkeys(Item->FCaption), Wanted)) return Item;
  return nullptr;
}

TMenuItem* TMenuItem::FindItem(std::uintptr_t Value, TMenuFindKind Kind) const {
  for (TMenuItem* Item : FItems) {
    bool Match = false;
    switch (Kind) {
    case fkCommand: Match = Item->FCommand == Value; break;
    case fkHandle:
      Match = Item->FHandle && reinterpret_cast<std::uintptr_t>(Item->FHandle) == Value;
      break;
    case fkShortCut: Match = Item->FShortCut != 0 && Item->FShortCut == Value; break;
    }
    if (Match) return Item;
    if (TMenuItem* Found = Item->FindItem(Value, Kind)) return Found;
  }
  return nullptr;
}

// Nothing may touch the item after OnClick: the handler may free it.
void TMenuItem::Click() {
  if (!FEnabled) return;
  if (FAutoCheck) SetChecked(!FChecked);
  if (OnClick) OnClick(this);
}

bool TMenuItem::RethinkHotkeys(bool Force) {
  if (!Force && !IsAutomaticHotkeys()) return false;
  std::vector<TMenuHotkeyEntry> Entries;
  Entries.reserve(FItems.size());
  for (TMenuItem* Item : FItems) Entries.push_back({Item->FCaption, Item->FVisible});
  if (!MenuAssignHotkeys(Entries)) return false;
  for (std::size_t I = 0; I < FItems.size(); ++I) FItems[I]->FCaption = Entries[I].Caption;
  return true;
}

bool TMenuItem::RethinkLines(bool Force) {
  if (!Force && !IsAutomaticLineReduction()) return false;
  std::vector<TMenuLineEntry> Entries;
  Entries.reserve(FItems.size());
  for (TMenuItem* Item : FItems) Entries.push_back({Item->IsLine(), Item->FVisible});
  if (!MenuReduceLines(Entries)) return false;
  for (std::size_t I = 0; I < FItems.size(); ++I) FItems[I]->FVisible = Entries[I].Visible;
  return true;
}

TComponent* TMenuItem::GetParentComponent() const {
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (FParent) FParent->Remove(this);
  if (!Value) return;
  if (auto* Menu = dynamic_cast<TMenu*>(Value))
    Menu->GetItems()->Add(this);
  else if (auto* Item = dynamic_cast<TMenuItem*>(Value))
    Item->Add(this);
  else
    throw EInvalidCast(SInvalidCast);
}

void TMenuItem::Loaded() {
  TComponent::Loaded();
  if (!FStreamedRebuild) return;
  FStreamedRebuild = false;
  RebuildHandle();
}

void TMenuItem::DeclareExtraProperties(TFiler& Filer) {
  TComponent::DeclareExtraProperties(Filer);
  Filer.ExtraProperty("ShortCutText",
                      [this](TFiler& F) { SetShortCut(TextToShortCut(F.ReadString())); });
}
