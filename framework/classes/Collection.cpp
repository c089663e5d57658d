// An item knows its collection and the collection owns its items; every
// way an item joins or leaves goes through InsertItem/RemoveItem so the
// two sides never disagree.
#include "framework/classes/Collection.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

#include <algorithm>

const TClass& TCollectionItem::StaticClass() {
  static const TClass Class = TClassBuilder<TCollectionItem>("TCollectionItem").Build();
  return Class;
}

const TClass& TCollection::StaticClass() {
  static const TClass Class = TClassBuilder<TCollection>("TCollection").Build();
  return Class;
}

TCollectionItem::~TCollectionItem() {
  if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (FCollection == Value) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (Value) Value->InsertItem(this, Value->Count());
}

int TCollectionItem::GetIndex() const {
  if (!FCollection) return -1;
  auto& Items = FCollection->FItems;
  return int(std::find(Items.begin(), Items.end(), this) - Items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  int Current = GetIndex();
  if (Current < 0 || Current == Value) return;
  auto& Items = FCollection->FItems;
  int Last = int(Items.size()) - 1;
  Value = std::clamp(Value, 0, Last);
  Items.erase(Items.begin() + Current);
  Items.insert(Items.begin() + Value, this);
  Changed(true);
}

std::string TCollectionItem::GetNamePath() const {
  if (!FCollection) return std::string(ClassName());
  return FCollection->GetNamePath() + "[" + std::to_string(GetIndex()) + "]";
}

void TCollectionItem::Changed(bool AllItems) {
  if (!FCollection) return;
  if (FCollection->FUpdateCount > 0) {
    FCollection->FChangedInUpdate = true;
    return;
  }
  FCollection->Update(AllItems ? nullptr : this);
}

TCollection::TCollection(const TClass& ItemClass) : FItemClass(&ItemClass) {
  if (!ItemClass.InheritsFrom(TCollectionItem::StaticClass())) throw EInvalidCast(SInvalidCast);
}

TCollection::~TCollection() {
  FUpdateCount = 1;
  Clear();
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(SListIndexError, {Index});
  return FItems[std::size_t(Index)];
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int Index) {
  TObject* Made = FItemClass->Create(nullptr);
  auto* Item = dynamic_cast<TCollectionItem*>(Made);
  if (!Item) {
    Made->Free();
    throw EInvalidCast(SInvalidCast);
  }
  InsertItem(Item, std::clamp(Index, 0, Count()));
  return Item;
}

void TCollection::Delete(int Index) { Items(Index)->Free(); }

// The items go last first; the change is reported once.
void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) FItems.back()->Free();
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* Item : FItems)
    if (Item->FID == ID) return Item;
  return nullptr;
}

void TCollection::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && FChangedInUpdate) Changed();
}

void TCollection::Assign(const TPersistent* Source) {
  auto* Other = dynamic_cast<const TCollection*>(Source);
  if (!Other) return TPersistent::Assign(Source);
  BeginUpdate();
  try {
    Clear();
    for (TCollectionItem* Item : Other->FItems) Add()->Assign(Item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
  if (FUpdateCount > 0) {
    FChangedInUpdate = true;
    return;
  }
  FChangedInUpdate = false;
  Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item, int Index) {
  FItems.insert(FItems.begin() + Index, Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  auto It = std::find(FItems.begin(), FItems.end(), Item);
  if (It == FItems.end()) return;
  FItems.erase(It);
  Item->FCollection = nullptr;
  Changed();
}
