#include "ReflectionFixtures.h"
#include "support/TableFiler.h"

#include "framework/runtime/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(Component, OwnerFreesWhatItOwnsAndSiblingsHearIt) {
  auto* Box = Create<TGadgetBox>(nullptr);
  auto* Watcher = Create<TWatcher>(Box);
  auto* A = Create<TGadget>(Box);
  auto* B = Create<TGadget>(Box);
  Watcher->Target = A;
  EXPECT_EQ(Box->ComponentCount(), 3);
  EXPECT_EQ(B->ComponentIndex(), 2);
  EXPECT_EQ(A->Owner(), Box);

  A->Free();
  EXPECT_EQ(Watcher->Target, nullptr); // heard through the owner
  EXPECT_EQ(Box->ComponentCount(), 2);
  EXPECT_EQ(Box->Components(1), B);
  EXPECT_THROW(Box->Components(2), EListError);
  Box->Free(); // frees Watcher and B; ASan checks that nothing leaks
}

TEST(Component, FreeNotificationAcrossOwnersAndItsWithdrawal) {
  auto* Left = Create<TGadgetBox>(nullptr);
  auto* Right = Create<TGadgetBox>(nullptr);
  auto* Watcher = Create<TWatcher>(Left);
  auto* Target = Create<TGadget>(Right);
  Watcher->Watch(Target);
  EXPECT_TRUE(Target->ComponentState().Contains(csFreeNotification));
  Right->Free();
  EXPECT_EQ(Watcher->Target, nullptr);

  auto* Other = Create<TGadget>(nullptr);
  Watcher->Watch(Other);
  Other->RemoveFreeNotification(Watcher);
  Watcher->Heard.clear();
  Other->Free();
  EXPECT_TRUE(Watcher->Heard.empty()); // withdrawn: nothing reaches it
  EXPECT_NE(Watcher->Target, nullptr);
  Watcher->Target = nullptr;

  // The watcher going first must not leave a dangling entry behind.
  auto* Survivor = Create<TGadget>(nullptr);
  Watcher->Watch(Survivor);
  Left->Free();
  Survivor->Free();
}

TEST(Component, NamesAreCheckedAndFillPublishedFields) {
  auto* Box = Create<TGadgetBox>(nullptr);
  auto* G = Create<TGadget>(Box);
  G->SetName("Gadget1");
  EXPECT_EQ(Box->Gadget1, G);
  EXPECT_EQ(Box->FindComponent("GADGET1"), G);

  struct {
    const char* Name;
    const char* Message;
  } const Bad[] = {
      {"1abc", "''1abc'' is not a valid component name"},
      {"a b", "''a b'' is not a valid component name"},
      {"æøå", "''æøå'' is not a valid component name"},
      {"gadget1", nullptr}, // the same component, another case: allowed
  };
  auto* Other = Create<TGadget>(Box);
  for (const auto& Case : Bad) {
    if (!Case.Message) continue;
    try {
      Other->SetName(Case.Name);
      ADD_FAILURE() << Case.Name;
    } catch (const EComponentError& E) {
      EXPECT_EQ(E.Message(), Case.Message);
    }
  }
  try {
    Other->SetName("GADGET1");
    ADD_FAILURE();
  } catch (const EComponentError& E) {
    EXPECT_EQ(E.Message(), "A component named GADGET1 already exists");
  }
  EXPECT_EQ(Other->GetName(), "");
  G->SetName("gadget1");
  EXPECT_EQ(G->GetName(), "gadget1");
  EXPECT_EQ(Box->Gadget1, G);

  G->SetName("Renamed");
  EXPECT_EQ(Box->Gadget1, nullptr);
  G->SetName("Gadget1");
  G->Free();
  EXPECT_EQ(Box->Gadget1, nullptr);

  // A field of another class is left alone.
  auto* W = Create<TWatcher>(Box);
  W->SetName("Super1");
  EXPECT_EQ(Box->Super1, nullptr);
  Box->Free();
}

TEST(Component, DestroyingStateReachesTheWholeTree) {
  struct TProbe : TGadget {
    using TGadget::TGadget;
    ~TProbe() override { *Seen = ComponentState().Contains(csDestroying); }
    bool* Seen = nullptr;
  };
  bool Seen = false;
  auto* Box = Create<TGadgetBox>(nullptr);
  auto* Probe = new TProbe(Box);
  Probe->Seen = &Seen;
  Box->Free();
  EXPECT_TRUE(Seen);
}

TEST(Component, InsertingMovesBetweenOwners) {
  auto* A = Create<TGadgetBox>(nullptr);
  auto* B = Create<TGadgetBox>(nullptr);
  auto* G = Create<TGadget>(A);
  G->SetName("Gadget1");
  B->InsertComponent(G);
  EXPECT_EQ(A->ComponentCount(), 0);
  EXPECT_EQ(A->Gadget1, nullptr);
  EXPECT_EQ(B->Gadget1, G);
  auto* Clash = Create<TGadget>(A);
  Clash->SetName("Gadget1");
  EXPECT_THROW(B->InsertComponent(Clash), EComponentError);
  EXPECT_EQ(Clash->Owner(), A);
  A->Free();
  B->Free();
}

TEST(Component, DesignPositionIsAnExtraProperty) {
  TGadget G(nullptr);
  TTableFiler Filer;
  Filer.Values = {{"Left", 72}, {"Top", 114}};
  G.DeclareExtraProperties(Filer);
  EXPECT_EQ(Filer.Declared, (std::vector<std::string>{"Left", "Top"}));
  EXPECT_EQ(G.GetDesignInfo(), (114 << 16) | 72);
}

TEST(Persistent, AssignWithoutAnAcceptingClassFails) {
  TGadget A(nullptr), B(nullptr);
  try {
    A.Assign(&B);
    ADD_FAILURE();
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TGadget to a TGadget");
  }
  try {
    A.Assign(nullptr);
    ADD_FAILURE();
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a nil to a TGadget");
  }
}

} // namespace
