// The collection the reader fills: ownership of items, update nesting,
// indexes, and items leaving on their own.
#include "ReaderFixtures.h"

#include "framework/runtime/Exceptions.h"

#include <gtest/gtest.h>

using namespace readertest;

namespace {

TEST(Collection, ItemsBelongToTheirCollection) {
  auto* Items = Create<TRdItems>();
  TRdItem* A = static_cast<TRdItem*>(Items->Add());
  TRdItem* B = static_cast<TRdItem*>(Items->Add());
  TRdItem* C = static_cast<TRdItem*>(Items->Insert(0));
  EXPECT_EQ(Items->Count(), 3);
  EXPECT_EQ(Items->Items(0), C);
  EXPECT_EQ(A->GetIndex(), 1);
  EXPECT_EQ(A->GetCollection(), Items);
  EXPECT_EQ(Items->FindItemID(B->GetID()), B);
  B->SetIndex(0);
  EXPECT_EQ(Items->Items(0), B);
  A->Free();
  EXPECT_EQ(Items->Count(), 2);
  EXPECT_THROW(Items->Items(2), EListError);
  Items->Delete(0);
  EXPECT_EQ(Items->Items(0), C);
  Items->Free();
}

TEST(Collection, UpdatesNestAndReportOnce) {
  auto* Items = Create<TRdItems>();
  Items->Add();
  EXPECT_EQ(Items->Updates, 1);
  Items->BeginUpdate();
  Items->BeginUpdate();
  Items->Add();
  Items->Clear();
  Items->EndUpdate();
  EXPECT_EQ(Items->Updates, 1);
  Items->EndUpdate();
  EXPECT_EQ(Items->Updates, 2);
  EXPECT_EQ(Items->Count(), 0);
  Items->EndUpdate();
  EXPECT_EQ(Items->UpdateCount(), 0);
  Items->Free();
}

TEST(Collection, ItemsMoveBetweenCollections) {
  auto* From = Create<TRdItems>();
  auto* To = Create<TRdItems>();
  TCollectionItem* Item = From->Add();
  Item->SetCollection(To);
  EXPECT_EQ(From->Count(), 0);
  EXPECT_EQ(To->Items(0), Item);
  Item->SetCollection(nullptr);
  EXPECT_EQ(To->Count(), 0);
  EXPECT_EQ(Item->GetIndex(), -1);
  Item->Free();
  From->Free();
  To->Free();
}

TEST(Collection, OnlyItemClassesMakeCollections) {
  EXPECT_THROW(TCollection(TRdSub::StaticClass()), EInvalidCast);
}

} // namespace
