// The "TABOUTBOX" definition read into the About box: the panel with the
// icon and the texts, the OK button, and the dialog's own values.
#include "app/About.h"
#include "framework/controls/Button.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/FormsTest.h"
#include "framework/forms/Units.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"
#include "support/DesktopTest.h"

#include <gtest/gtest.h>

namespace {

class AboutDefinitionTest : public formstest::TFormsTest {};

TEST_F(AboutDefinitionTest, TheDialogIsReadWithItsIconAndTexts) {
  TAboutBox* About = nullptr;
  Application->CreateForm(About);
  ASSERT_NE(About, nullptr);
  EXPECT_EQ(About->GetName(), "AboutBox");
  EXPECT_EQ(About->GetCaption(), "Om");
  EXPECT_EQ(About->GetBorderStyle(), bsDialog);
  EXPECT_EQ(About->GetPosition(), poScreenCenter);
  EXPECT_TRUE(About->GetOldCreateOrder());
  EXPECT_EQ(About->GetClientWidth(), 298);
  EXPECT_EQ(About->GetClientHeight(), 213);
  EXPECT_FALSE(About->GetVisible());

  ASSERT_NE(About->Panel1, nullptr);
  EXPECT_EQ(About->Panel1->GetParent(), About);
  EXPECT_EQ(About->Panel1->GetBevelInner(), bvRaised);
  EXPECT_EQ(About->Panel1->GetBevelOuter(), bvLowered);

  ASSERT_NE(About->ProgramIcon, nullptr);
  EXPECT_EQ(About->ProgramIcon->GetParent(), About->Panel1);
  EXPECT_TRUE(About->ProgramIcon->GetStretch());
  EXPECT_TRUE(About->ProgramIcon->GetIsControl());
  TGraphic* Icon = About->ProgramIcon->GetPicture()->GetGraphic();
  ASSERT_NE(Icon, nullptr);
  EXPECT_TRUE(Icon->Is<TIcon>());
  EXPECT_EQ(Icon->GetWidth(), 32);
  EXPECT_EQ(Icon->GetHeight(), 32);

  struct TLabelRow {
    TLabel* Label;
    const char* Caption;
  } Labels[] = {{About->ProductName, "Tavrel"},
                {About->Version, "Versjon:"},
                {About->Copyright, "Vilkår:"},
                {About->Label1, "Fri bruk"},
                {About->Label3, "Tavrel-utviklerne"}};
  for (const TLabelRow& R : Labels) {
    ASSERT_NE(R.Label, nullptr) << R.Caption;
    EXPECT_EQ(R.Label->GetCaption(), R.Caption);
    EXPECT_EQ(R.Label->GetParent(), About->Panel1) << R.Caption;
  }

  ASSERT_NE(About->OKButton, nullptr);
  EXPECT_EQ(About->OKButton->GetParent(), About);
  EXPECT_TRUE(About->OKButton->GetDefault());
  EXPECT_EQ(About->OKButton->GetModalResult(), 1);
  EXPECT_EQ(About->OKButton->GetCaption(), "OK");
}

} // namespace
