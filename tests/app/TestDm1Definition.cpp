// The "TDM1" definition read into the data module: the command menu's
// tree with its captions, groups, marks and bound handlers, and the
// references of FormVL that wait for the data module and are resolved by
// its read.
#include "app/Unitdm1.h"
#include "app/Unitvl.h"
#include "components/advmenus/AdvPopupMenu.h"
#include "framework/forms/Application.h"
#include "framework/forms/FormsTest.h"
#include "framework/forms/Units.h"
#include "framework/menus/MenuItem.h"
#include "support/DesktopTest.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

class Dm1DefinitionTest : public formstest::TFormsTest {};

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

TMenuItem* Dm1Field(TDM1* Dm, const std::string& Name) {
  return dynamic_cast<TMenuItem*>(Dm->FindComponent(Name));
}

// Every published item field, filled by the reader with its component.
void ExpectItemFieldsFilled(TDM1* Dm) {
  const std::pair<const char*, TMenuItem * TDM1::*> Fields[] = {
      {"Minimer", &TDM1::Minimer},
      {"N3", &TDM1::N3},
      {"Vertikal1", &TDM1::Vertikal1},
      {"Horisontal1", &TDM1::Horisontal1},
      {"N1", &TDM1::N1},
      {"Linjefarge1", &TDM1::Linjefarge1},
      {"LF_Black", &TDM1::LF_Black},
      {"LF_Yellow", &TDM1::LF_Yellow},
      {"Transparens1", &TDM1::Transparens1},
      {"N01", &TDM1::N01},
      {"N251", &TDM1::N251},
      {"N501", &TDM1::N501},
      {"N751", &TDM1::N751},
      {"N901", &TDM1::N901},
      {"N2", &TDM1::N2},
      {"Skjullogo1", &TDM1::Skjullogo1},
      {"N4", &TDM1::N4},
      {"Om1", &TDM1::Om1}};
  for (const auto& [Name, Member] : Fields) {
    EXPECT_NE(Dm->*Member, nullptr) << Name;
    EXPECT_EQ(Dm->*Member, Dm1Field(Dm, Name)) << Name;
  }
}

TEST_F(Dm1DefinitionTest, TheCommandMenuIsReadWithEveryValue) {
  TDM1* Dm = nullptr;
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
  EXPECT_EQ(Dm->AdvPopupMenu1->GetVersion(), "2.0.0.0");
  ExpectItemFieldsFilled(Dm);
}

TEST_F(Dm1DefinitionTest, FormVLsMenuWaitsForTheDataModuleAndIsResolvedByItsRead) {
  TFormVL* Line = nullptr;
  Application->CreateForm(Line);
  ASSERT_NE(Line, nullptr);
  EXPECT_EQ(Line->GetPopupMenu(), nullptr); // "DM1.AdvPopupMenu1" does not exist yet

  TDM1* Dm = nullptr;
  Application->CreateForm(Dm);
  ASSERT_NE(Dm, nullptr);
  EXPECT_EQ(Line->GetPopupMenu(), Dm->AdvPopupMenu1);
}

} // namespace
