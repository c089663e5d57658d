// TCollection and TCollectionItem: an owned, ordered list of persistent
// items of one class, published as a property of its owner. Form
// definitions store a collection as a list of items, each with its own
// property entries; the reader clears the collection and adds the items
// inside BeginUpdate/EndUpdate, so an owner hears one Update at the end.
//
// Items are made by the collection (Add, of ItemClass) and freed by it
// (Clear, Delete, its destructor); freeing an item on its own takes it
// out of its collection first.
#pragma once

#include "framework/classes/Persistent.h"

#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
  TAVREL_CLASS(TCollectionItem, TPersistent)
public:
  TCollectionItem() = default;
  ~TCollectionItem() override;

  TCollection* GetCollection() const { return FCollection; }
  // Moves the item into Value (or out of any collection with null).
  void SetCollection(TCollection* Value);
  // Position in the collection, -1 when in none.
  int GetIndex() const;
  void SetIndex(int Value);
  // A number unique within the collection, never reused.
  int GetID() const { return FID; }
  std::string GetNamePath() const override;

protected:
  // Tells the collection this item changed (AllItems: the list did).
  void Changed(bool AllItems);

private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
  TAVREL_CLASS(TCollection, TPersistent)
public:
  // Items are of ItemClass, which must descend from TCollectionItem.
  explicit TCollection(const TClass& ItemClass);
  ~TCollection() override;

  const TClass& ItemClass() const { return *FItemClass; }
  int Count() const { return int(FItems.size()); }
  // Throws EListError for an index out of range.
  TCollectionItem* Items(int Index) const;
  TCollectionItem* Add();
  // A new item at Index (clamped to the list).
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;

  // Updates nest; the collection reports one change when the last ends.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // Copies the items of another collection of the same item class.
  void Assign(const TPersistent* Source) override;

protected:
  // The collection changed: Item, or the whole list when null. Runs only
  // outside updates.
  virtual void Update(TCollectionItem* Item);
  void Changed();

private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item, int Index);
  void RemoveItem(TCollectionItem* Item);

  const TClass* FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FUpdateCount = 0;
  int FNextID = 0;
  bool FChangedInUpdate = false;
};
