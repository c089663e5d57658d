// Top-level objects on a desktop: definitions found as resources by class
// name, unique root names, references between top-level objects that
// wait until their target is read, and the form's scaling after a read.
#include "ReaderTest.h"

#include "framework/classes/PropFixup.h"
#include "framework/controls/TextMeasure.h"
#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "framework/forms/Units.h"
#include "framework/graphics/Font.h"
#include "support/DesktopTest.h"

#include <gtest/gtest.h>

using namespace readertest;

namespace {

class TFormLoading : public TDesktopTest {
protected:
  void SetUp() override {
    TDesktopTest::SetUp();
    InitFramework();
    ReaderLog().clear();
  }
  void TearDown() override {
    DoneFramework();
    TDesktopTest::TearDown();
  }
  // A code-built module holding one widget named Widget1 whose Link is
  // the reference Ref.
  TRdModule* ModuleNamed(const std::string& Name, const std::string& Ref = "") {
    auto* M = Create<TRdModule>(Application);
    TStreamBuilder B;
    B.Root("TRdModule", Name).End().Component("TRdWidget", "Widget1");
    if (!Ref.empty()) B.Prop("Link").Ident(Ref);
    B.End().End().End();
    ReadInto(M, B);
    return M;
  }
  static TRdWidget* WidgetOf(TComponent* Root) {
    return dynamic_cast<TRdWidget*>(Root->FindComponent("Widget1"));
  }
};

TEST_F(TFormLoading, AFormReadsTheDefinitionOfItsClassBeforeOnCreate) {
  TRdResForm* F = nullptr;
  Application->CreateForm(F);
  ASSERT_NE(F, nullptr);
  EXPECT_EQ(F->GetName(), "RdResForm1");
  EXPECT_EQ(F->GetCaption(), "Hei");
  EXPECT_EQ(F->GetClientWidth(), 300);
  EXPECT_EQ(F->GetClientHeight(), 200);
  ASSERT_NE(F->Panel1, nullptr);
  EXPECT_EQ(F->Panel1->GetParent(), F);
  EXPECT_EQ(F->Panel1->BoundsRect(), (TRect{8, 8, 108, 48}));
  EXPECT_EQ(F->Panel1->GetCaption(), "P");
  EXPECT_EQ(ReaderLog(), (std::vector<std::string>{"Loaded:RdResForm1", "OnCreate:RdResForm1"}));
  EXPECT_FALSE(F->ComponentState().Contains(csLoading));
}

TEST_F(TFormLoading, ASecondInstanceGetsANumberedName) {
  auto* A = Create<TRdResForm>(Application);
  auto* B = Create<TRdResForm>(Application);
  auto* C = Create<TRdResForm>(Application);
  EXPECT_EQ(A->GetName(), "RdResForm1");
  EXPECT_EQ(B->GetName(), "RdResForm1_1");
  EXPECT_EQ(C->GetName(), "RdResForm1_2");
  EXPECT_EQ(FindTopLevelComponent("rdresform1_1"), B);
}

TEST_F(TFormLoading, ADataModuleReadsItsDefinitionToo) {
  auto* M = Create<TRdResModule>(Application);
  EXPECT_EQ(M->GetName(), "RdModule");
  EXPECT_EQ(M->DesignWidth(), 215);
  EXPECT_EQ(M->DesignHeight(), 150);
  ASSERT_NE(M->Widget1, nullptr);
  EXPECT_EQ(M->Widget1->FCount, 5);
  EXPECT_EQ(M->Widget1->GetDesignInfo(), 8 << 16 | 16);
  EXPECT_EQ(FindTopLevelComponent("RDMODULE"), M);
}

TEST_F(TFormLoading, AClassWithoutADefinitionFails) {
  const std::pair<const char*, std::function<void()>> Cases[] = {
      {"Resource TRdNoSuchForm not found", [] { Create<TRdNoSuchForm>(Application); }},
      {"Resource TRdNoSuchForm not found",
       [] {
         TRdNoSuchForm* F = nullptr;
         Application->CreateForm(F);
       }},
  };
  for (const auto& [Message, Make] : Cases)
    EXPECT_EQ(FailureOf(Make), std::string("EResNotFound: ") + Message);
  EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(TFormLoading, CreateNewReadsNothing) {
  auto* F = Create<TRdCodeForm>(Application);
  EXPECT_EQ(F->GetName(), "");
  EXPECT_EQ(F->Panel1, nullptr);
  auto* M = Create<TRdModule>(Application);
  EXPECT_EQ(M->ComponentCount(), 0);
}

TEST_F(TFormLoading, AReferenceIntoAModuleNotYetReadWaitsForIt) {
  int Before = PendingReferenceCount();
  TRdModule* A = ModuleNamed("RdFirst", "RdLater.Widget1");
  TRdModule* B = ModuleNamed("RdSecond", "RdLater.Widget1");
  EXPECT_EQ(WidgetOf(A)->FLink, nullptr);
  EXPECT_EQ(PendingReferenceCount(), Before + 2);
  TRdModule* Later = ModuleNamed("RdLater");
  EXPECT_EQ(WidgetOf(A)->FLink, WidgetOf(Later));
  EXPECT_EQ(WidgetOf(B)->FLink, WidgetOf(Later));
  EXPECT_EQ(PendingReferenceCount(), Before);
}

TEST_F(TFormLoading, AReferenceToAMissingComponentOfAnExistingModuleIsNil) {
  ModuleNamed("RdTarget");
  TRdModule* A = ModuleNamed("RdAsker", "RdTarget.Nothing");
  EXPECT_EQ(WidgetOf(A)->FLink, nullptr);
  EXPECT_EQ(PendingReferenceCount(), 0);
}

TEST_F(TFormLoading, PendingReferencesEndWithTheirObject) {
  TRdModule* A = ModuleNamed("RdGone", "RdNever.Widget1");
  EXPECT_EQ(PendingReferenceCount(), 1);
  A->Free();
  EXPECT_EQ(PendingReferenceCount(), 0);
}

// Set by code while waiting: the reference is dropped, the value kept.
TEST_F(TFormLoading, APendingReferenceGivesWayToAValueSetMeanwhile) {
  TRdModule* A = ModuleNamed("RdWaiting", "RdAbsent.Widget1");
  TRdModule* Other = ModuleNamed("RdOther");
  EXPECT_EQ(PendingReferenceCount(), 1);
  WidgetOf(A)->FLink = Other;
  ModuleNamed("RdThird");
  EXPECT_EQ(PendingReferenceCount(), 0);
  EXPECT_EQ(WidgetOf(A)->FLink, Other);
}

TEST_F(TFormLoading, AFailedReadLeavesNoPendingReferences) {
  auto* M = Create<TRdModule>(Application);
  TStreamBuilder B;
  B.Root("TRdModule", "RdBroken").End().Component("TRdWidget", "Widget1");
  B.Prop("Link").Ident("RdNone.Widget1").End().End();
  B.Component("TRdWidget", "Widget2").Prop("Count").String("x");
  EXPECT_NE(FailureOf([&] { ReadInto(M, B); }), "no exception");
  EXPECT_EQ(PendingReferenceCount(), 0);
}

TEST_F(TFormLoading, TopLevelObjectsAreFoundFormsFirst) {
  auto* F = Create<TRdCodeForm>(Application);
  F->SetName("Twin");
  auto* M = Create<TRdModule>(Application);
  M->SetName("Solo");
  const std::pair<const char*, TComponent*> Cases[] = {
      {"twin", F}, {"SOLO", M}, {"Nobody", nullptr}, {"", nullptr}};
  for (const auto& [Name, Expected] : Cases)
    EXPECT_EQ(FindTopLevelComponent(Name), Expected) << Name;
}

struct TScaleCase {
  const char* Name;
  int StreamPixels;
  int FontHeight;
  int TextHeightFactor; // stored TextHeight = measured * factor / 2
  int ExpectedFontHeight;
};

// The expected sizes follow from the text height measured here, which
// the test takes from the desktop the same way.
TEST_F(TFormLoading, FormsScaleByTheirTextHeight) {
  const TScaleCase Cases[] = {
      {"same text height", 96, -13, 2, -13},
      {"text half as high", 96, -13, 4, -13},
      {"other resolution", 120, -15, 2, -12},
  };
  for (const auto& C : Cases) {
    TFont Probe;
    Probe.SetName("MS Sans Serif");
    Probe.SetHeight(C.ExpectedFontHeight);
    TRect Zero = MeasureText(&Probe, "0", TRect{0, 0, 0, 0}, DT_SINGLELINE | DT_NOPREFIX);
    int Measured = Zero.Bottom - Zero.Top;
    ASSERT_GT(Measured, 0);
    int Stored = Measured * C.TextHeightFactor / 2;

    auto* F = Create<TRdCodeForm>(Application);
    TStreamBuilder B;
    B.Root("TRdCodeForm", "Scaled").Prop("ClientHeight").Int(200).Prop("ClientWidth").Int(300);
    B.Prop("Font.Height").Int(C.FontHeight).Prop("PixelsPerInch").Int(C.StreamPixels);
    B.Prop("TextHeight").Int(Stored).End();
    B.Component("TPanel", "Panel1").Prop("Left").Int(40).Prop("Top").Int(20);
    B.Prop("Width").Int(100).Prop("Height").Int(60).End().End().End();
    ReadInto(F, B);

    EXPECT_EQ(F->GetFont()->GetHeight(), C.ExpectedFontHeight) << C.Name;
    EXPECT_EQ(F->GetPixelsPerInch(), 96) << C.Name;
    auto Scale = [&](int V) { return MulDiv(V, Measured, Stored); };
    EXPECT_EQ(F->GetClientWidth(), Scale(300)) << C.Name;
    EXPECT_EQ(F->GetClientHeight(), Scale(200)) << C.Name;
    EXPECT_EQ(F->Panel1->BoundsRect(), (TRect{Scale(40), Scale(20), Scale(140), Scale(80)}))
        << C.Name;
    F->Free();
  }
}

} // namespace
