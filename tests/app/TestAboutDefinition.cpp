// The "TABOUTBOX" definition read into a stand-in for the About box until
// its unit exists (the stand-in is named TAboutBox for the reflection, so
// it finds the resource): the panel with the icon and the texts, the OK
// button, and the dialog's own values.
#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Button.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Units.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"
#include "support/DesktopTest.h"

#include <gtest/gtest.h>

namespace {

class TAboutStandIn : public TForm {
  TAVREL_CLASS(TAboutStandIn, TForm)
public:
  explicit TAboutStandIn(TComponent* AOwner) : TForm(AOwner) {}
  TPanel* Panel1 = nullptr;
  TImage* ProgramIcon = nullptr;
  TLabel *ProductName = nullptr, *Version = nullptr, *Copyright = nullptr, *LabelVersion = nullptr,
         *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
  TButton* OKButton = nullptr;
};

const TClass& TAboutStandIn::StaticClass() {
  static const TClass Class = TClassBuilder<TAboutStandIn>("TAboutBox")
                                  .Field("Panel1", &TAboutStandIn::Panel1)
                                  .Field("ProgramIcon", &TAboutStandIn::ProgramIcon)
                                  .Field("ProductName", &TAboutStandIn::ProductName)
                                  .Field("Version", &TAboutStandIn::Version)
                                  .Field("Copyright", &TAboutStandIn::Copyright)
                                  .Field("LabelVersion", &TAboutStandIn::LabelVersion)
                                  .Field("Label1", &TAboutStandIn::Label1)
                                  .Field("Label2", &TAboutStandIn::Label2)
                                  .Field("Label3", &TAboutStandIn::Label3)
                                  .Field("Label4", &TAboutStandIn::Label4)
                                  .Field("OKButton", &TAboutStandIn::OKButton)
                                  .Build();
  return Class;
}

class AboutDefinitionTest : public TDesktopTest {
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

TEST_F(AboutDefinitionTest, TheDialogIsReadWithItsIconAndTexts) {
  TAboutStandIn* About = nullptr;
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
