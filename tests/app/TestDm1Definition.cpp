// The "TDM1" definition read as the program reads it: the command menu's
// tree with its captions, groups, marks and bound handlers, and the
// references of FormVL that wait for the data module and are resolved by
// its read.
#include "Dm1StandIn.h"
#include "app/Unitvl.h"
#include "framework/forms/Application.h"
#include "framework/forms/Units.h"
#include "support/DesktopTest.h"

#include <gtest/gtest.h>

#include <string>

using dm1standin::TDm1StandIn;

namespace {

class Dm1DefinitionTest : public TDesktopTest {
protected:
  void SetUp() override {
    TDesktopTest::SetUp();
    InitFramework();
  }
  void TearDown() override {
    DoneFramework();
    TDesktopTest::TearDown();
  }
};

struct TDm1Row {
  const char* Name;
  const char* Parent; // "" for the top level
  const char* Caption;
  int Group;
  bool Checked, Default, AutoCheck, Handler;
};

// The command menu, in order.
const TDm1Row Dm1Rows[] = {
    {"Minimer", "", "Minimer", 0, false, false, false, true},
    {"N3", "", "-", 0, false, false, false, false},
    {"Vertikal1", "", "Vertikal", 1, true, true, false, true},
    {"Horisontal1", "", "Horisontal", 1, false, false, false, true},
    {"N1", "", "-", 1, false, false, false, false},
    {"Linjefarge1", "", "Linjefarge..", 1, false, false, false, false},
    {"LF_Black", "Linjefarge1", "Svart", 2, true, true, true, true},
    {"LF_Yellow", "Linjefarge1", "Gul", 2, false, false, false, true},
    {"Transparens1", "", "Transparens..", 1, false, false, false, false},
    {"N01", "Transparens1", "0 %", 3, false, false, true, true},
    {"N251", "Transparens1", "25 %", 3, false, false, true, true},
    {"N501", "Transparens1", "50 %", 3, false, false, true, true},
    {"N751", "Transparens1", "75 %", 3, true, true, true, true},
    {"N901", "Transparens1", "90 %", 3, false, false, false, true},
    {"N2", "", "-", 1, false, false, false, false},
    {"Skjullogo1", "", "Skjul logo", 1, false, false, false, true},
    {"N4", "", "-", 1, false, false, false, false},
    {"Om1", "", "Om", 1, false, false, false, true},
};

TMenuItem* Dm1Field(TDm1StandIn* Dm, const std::string& Name) {
  for (const auto& [Field, Member] : TDm1StandIn::ItemFields())
    if (Name == Field) return Dm->*Member;
  return nullptr;
}

TEST_F(Dm1DefinitionTest, TheCommandMenuIsReadWithEveryValue) {
  TDm1StandIn* Dm = nullptr;
  Application->CreateForm(Dm);
  ASSERT_NE(Dm, nullptr);
  EXPECT_EQ(Dm->GetName(), "DM1");
  ASSERT_NE(Dm->AdvPopupMenu1, nullptr);
  TMenuItem* Root = Dm->AdvPopupMenu1->GetItems();
  int TopIndex = 0;
  for (const TDm1Row& R : Dm1Rows) {
    SCOPED_TRACE(R.Name);
    TMenuItem* Item = Dm1Field(Dm, R.Name);
    ASSERT_NE(Item, nullptr);
    EXPECT_EQ(Item->GetName(), R.Name);
    EXPECT_EQ(Item->GetCaption(), R.Caption);
    EXPECT_EQ(Item->GetGroupIndex(), R.Group);
    EXPECT_EQ(Item->GetChecked(), R.Checked);
    EXPECT_EQ(Item->GetDefault(), R.Default);
    EXPECT_EQ(Item->GetAutoCheck(), R.AutoCheck);
    EXPECT_EQ(bool(Item->OnClick), R.Handler);
    EXPECT_EQ(Item->OnClick.Data(), R.Handler ? Dm : nullptr);
    TMenuItem* Parent = *R.Parent ? Dm1Field(Dm, R.Parent) : Root;
    EXPECT_EQ(Item->GetParent(), Parent);
    if (!*R.Parent) {
      EXPECT_EQ(Item->GetMenuIndex(), TopIndex++);
    }
  }
  EXPECT_EQ(Root->GetCount(), 11);
  EXPECT_EQ(Dm->Linjefarge1->GetCount(), 2);
  EXPECT_EQ(Dm->Transparens1->GetCount(), 5);

  // A bound handler is the module's own method, reached with the item.
  Dm->N751->Click();
  ASSERT_EQ(Dm->Clicked.size(), 1u);
  EXPECT_EQ(Dm->Clicked[0], Dm->N751);
  EXPECT_FALSE(Dm->N751->GetChecked()); // AutoCheck turned the mark off first
}

TEST_F(Dm1DefinitionTest, FormVLsMenuWaitsForTheDataModuleAndIsResolvedByItsRead) {
  TFormVL* Line = nullptr;
  Application->CreateForm(Line);
  ASSERT_NE(Line, nullptr);
  EXPECT_EQ(Line->GetPopupMenu(), nullptr); // "DM1.AdvPopupMenu1" does not exist yet

  TDm1StandIn* Dm = nullptr;
  Application->CreateForm(Dm);
  ASSERT_NE(Dm, nullptr);
  EXPECT_EQ(Line->GetPopupMenu(), Dm->AdvPopupMenu1);
}

} // namespace
