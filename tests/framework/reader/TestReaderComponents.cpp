// Component entries: creation, class lookup, names, Loaded order, child
// failures, nesting limits and streams cut at every byte.
#include "ReaderTest.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/PropFixup.h"

#include <gtest/gtest.h>

using namespace readertest;

namespace {

class TReaderComponents : public ::testing::Test {
protected:
  void SetUp() override { ReaderLog().clear(); }
  std::string ReadFails(const TStreamBuilder& B) {
    auto* Root = Create<TRdRoot>(nullptr);
    std::string Result = FailureOf([&] { ReadInto(Root, B); });
    LeftOver = Root->ComponentCount();
    FieldLeft = Root->Widget1 != nullptr;
    Root->Free();
    return Result;
  }
  int LeftOver = 0;
  bool FieldLeft = false;
};

TEST_F(TReaderComponents, ComponentsAreOwnedNamedAndFillTheFields) {
  auto* Root = Create<TRdRoot>(nullptr);
  ReadInto(Root, WidgetStream([](TStreamBuilder& B) { B.Prop("Count").Int(3); }));
  EXPECT_EQ(Root->GetName(), "Root1");
  ASSERT_EQ(Root->ComponentCount(), 2);
  EXPECT_EQ(Root->Components(0), Root->Widget1);
  EXPECT_EQ(Root->Components(1), Root->Widget2);
  EXPECT_EQ(Root->Widget1->GetName(), "Widget1");
  EXPECT_EQ(Root->Widget1->FCount, 3);
  EXPECT_EQ(ReaderLog(),
            (std::vector<std::string>{"Loaded:Root1", "Loaded:Widget1", "Loaded:Widget2"}));
  for (TComponent* C : {static_cast<TComponent*>(Root), static_cast<TComponent*>(Root->Widget1)}) {
    EXPECT_FALSE(C->ComponentState().Contains(csLoading));
    EXPECT_FALSE(C->ComponentState().Contains(csReading));
  }
  Root->Free();
}

TEST_F(TReaderComponents, RegisteredClassesAreFoundWhenNoFieldHasThem) {
  RegisterClass(TRdHelper::StaticClass());
  TStreamBuilder B;
  B.Root("TRdRoot", "Root1")
      .End()
      .Component("trdhelper", "Help")
      .Prop("Level")
      .Int(6)
      .End()
      .End()
      .End();
  auto* Root = Create<TRdRoot>(nullptr);
  ReadInto(Root, B);
  auto* Help = dynamic_cast<TRdHelper*>(Root->FindComponent("Help"));
  ASSERT_NE(Help, nullptr);
  EXPECT_EQ(Help->FLevel, 6);
  Root->Free();
  UnRegisterClass(TRdHelper::StaticClass());
}

struct TEntryError {
  const char* Name;
  std::function<void(TStreamBuilder&)> Entry;
  std::string Message;
  int Left = 0;
};

// Entries read before the failing one stay with the root.
TEST_F(TReaderComponents, BadEntriesFailAndLeaveNothingBehind) {
  RegisterClass(TRdSub::StaticClass());
  const TEntryError Cases[] = {
      {"unknown class", [](auto& B) { B.Component("TBogus", "X"); },
       "EClassNotFound: Class TBogus not found"},
      {"not a component", [](auto& B) { B.Component("TRdSub", "X"); },
       "EClassNotFound: Class TRdSub not found"},
      {"missing ancestor", [](auto& B) { B.Raw({0xF1}).Component("TRdWidget", "Ghost"); },
       "EReadError: Ancestor for 'Ghost' not found"},
      {"invalid name", [](auto& B) { B.Component("TRdWidget", "1abc"); },
       "EComponentError: ''1abc'' is not a valid component name"},
      {"duplicate name",
       [](auto& B) {
         B.Component("TRdWidget", "Widget1").End().End().Component("TRdWidget", "WIDGET1");
       },
       "EComponentError: A component named WIDGET1 already exists", 1},
      {"bad property",
       [](auto& B) { B.Component("TRdWidget", "Widget1").Prop("Count").String("x"); },
       "EReadError: Error reading Widget1.Count: Invalid property value"},
  };
  for (const auto& C : Cases) {
    TStreamBuilder B;
    B.Root("TRdRoot", "Root1").End();
    C.Entry(B);
    B.End().End().End();
    EXPECT_EQ(ReadFails(B), C.Message) << C.Name;
    EXPECT_EQ(LeftOver, C.Left) << C.Name;
    EXPECT_EQ(FieldLeft, C.Left == 1) << C.Name;
  }
  UnRegisterClass(TRdSub::StaticClass());
}

TEST_F(TReaderComponents, InheritedEntriesReadIntoTheExistingComponent) {
  auto* Root = Create<TRdRoot>(nullptr);
  auto* Existing = Create<TRdWidget>(Root);
  Existing->SetName("Widget1");
  TStreamBuilder B;
  B.Root("TRdRoot", "Root1").End().Raw({0xF1}).Component("TRdWidget", "Widget1");
  B.Prop("Count").Int(11).End().End().End();
  ReadInto(Root, B);
  EXPECT_EQ(Root->ComponentCount(), 1);
  EXPECT_EQ(Existing->FCount, 11);
  EXPECT_EQ(ReaderLog(), (std::vector<std::string>{"Loaded:Root1", "Loaded:Widget1"}));
  Root->Free();
}

TEST_F(TReaderComponents, DeepNestingIsRefusedCleanly) {
  TStreamBuilder B;
  B.Root("TRdRoot", "Root1").End();
  for (int I = 0; I < 300; ++I) B.Component("TRdWidget", "").End();
  for (int I = 0; I < 301; ++I) B.End();
  EXPECT_EQ(ReadFails(B), "EReadError: Form definition nested too deeply");
  EXPECT_EQ(LeftOver, 0);
}

// Every proper prefix of a valid definition fails with a framework
// exception and leaves no reference pending.
TEST_F(TReaderComponents, EveryTruncationFailsCleanly) {
  TStreamBuilder Full = WidgetStream([](TStreamBuilder& B) {
    B.Prop("Count").Int(70000).Prop("Text").WString(u"abc").Prop("Link").Ident("Other.Thing");
    B.Prop("Flags").Set({"rkTwo"}).Prop("Blob").Binary({1, 2, 3}).Prop("OnPing").Ident("Ping");
    B.Prop("Items").Tag(svCollection).Tag(svList).Prop("Value").Int(1).End().End();
    B.Prop("Ratio").Extended(0x8000000000000000ULL, 0x3FFF);
  });
  int Pending = PendingReferenceCount();
  for (std::size_t Length = 0; Length < Full.Bytes.size(); ++Length) {
    TStreamBuilder Cut;
    Cut.Bytes.assign(Full.Bytes.begin(), Full.Bytes.begin() + std::ptrdiff_t(Length));
    std::string Failure = ReadFails(Cut);
    EXPECT_NE(Failure, "no exception") << Length;
    EXPECT_EQ(PendingReferenceCount(), Pending) << Length;
  }
  auto* Root = Create<TRdRoot>(nullptr);
  ReadInto(Root, Full);
  EXPECT_EQ(PendingReferenceCount(), Pending + 1);
  Root->Free();
  EXPECT_EQ(PendingReferenceCount(), Pending);
}

TEST_F(TReaderComponents, TheGlobalLoadingListDefersLoaded) {
  auto* Root = Create<TRdRoot>(nullptr);
  BeginGlobalLoading();
  ReadInto(Root, WidgetStream([](TStreamBuilder&) {}));
  EXPECT_TRUE(ReaderLog().empty());
  ASSERT_NE(GlobalLoadingList(), nullptr);
  EXPECT_EQ(*GlobalLoadingList(), (std::vector<TComponent*>{Root, Root->Widget1, Root->Widget2}));
  NotifyGlobalLoading();
  EndGlobalLoading();
  EXPECT_EQ(GlobalLoadingList(), nullptr);
  EXPECT_EQ(ReaderLog(),
            (std::vector<std::string>{"Loaded:Root1", "Loaded:Widget1", "Loaded:Widget2"}));
  Root->Free();
}

TEST_F(TReaderComponents, PathsFollowOwnership) {
  auto* Root = Create<TRdRoot>(nullptr);
  ReadInto(Root, WidgetStream([](TStreamBuilder&) {}));
  auto* Inner = Create<TRdHelper>(Root->Widget1);
  Inner->SetName("Inner");
  const std::pair<const char*, TComponent*> Cases[] = {
      {"Widget1", Root->Widget1},
      {"widget2", Root->Widget2},
      {"Owner.Widget1", Root->Widget1},
      {"Widget1.Inner", Inner},
      {"Widget1->inner", Inner},
      {"Widget1.Owner.Inner", Inner},
      {"", nullptr},
      {"Nope", nullptr},
      {"Widget1.Nope", nullptr},
      {"Widget1.", nullptr},
      {"Widget1..Inner", nullptr},
  };
  for (const auto& [Path, Expected] : Cases)
    EXPECT_EQ(FindComponentByPath(Root, Path), Expected) << Path;
  Root->Free();
}

TEST_F(TReaderComponents, NameSpaceLockNestsOnOneThread) {
  TNameSpaceWriteLock Outer;
  {
    TNameSpaceWriteLock Inner;
    TNameSpaceReadLock Reading;
    EXPECT_EQ(FindTopLevelComponent("Anything"), nullptr);
  }
  TNameSpaceReadLock After;
}

} // namespace
