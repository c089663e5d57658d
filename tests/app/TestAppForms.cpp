// FormVL and FormLogo built from their embedded definitions on the
// headless desktop: their children exist in their published fields and
// every stored value arrived.
#include "app/Unitlogo.h"
#include "app/Unitvl.h"
#include "framework/controls/Image.h"
#include "framework/controls/Shape.h"
#include "framework/forms/Application.h"
#include "framework/forms/FormsTest.h"
#include "framework/forms/Units.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/JPEGImage.h"
#include "framework/graphics/Pen.h"
#include "framework/graphics/Picture.h"
#include "support/DesktopTest.h"

#include <gtest/gtest.h>

namespace {

class AppFormsTest : public formstest::TFormsTest {};

void ExpectFormFont(TCustomForm* F) {
  EXPECT_EQ(F->GetFont()->GetName(), "MS Sans Serif");
  EXPECT_EQ(F->GetFont()->GetHeight(), -11);
  EXPECT_EQ(F->GetFont()->GetColor(), TColor(0x80000008));
  EXPECT_EQ(F->GetFont()->GetCharset(), 1);
}

TEST_F(AppFormsTest, FormVLIsReadIntoItsClass) {
  TFormVL* F = nullptr;
  Application->CreateForm(F);
  ASSERT_NE(F, nullptr);
  ASSERT_NE(F->Shape1, nullptr);
  EXPECT_EQ(F->GetName(), "FormVL");
  EXPECT_EQ(F->GetCaption(), "FormVL");
  EXPECT_EQ(F->GetLeft(), 520);
  EXPECT_EQ(F->GetTop(), 50);
  EXPECT_EQ(F->GetClientWidth(), 115);
  EXPECT_EQ(F->GetClientHeight(), 606);
  EXPECT_TRUE(F->GetAlphaBlend());
  EXPECT_EQ(F->GetAlphaBlendValue(), 64);
  EXPECT_EQ(F->GetBorderStyle(), bsNone);
  EXPECT_EQ(F->GetFormStyle(), fsStayOnTop);
  EXPECT_EQ(F->GetColor(), TColor(0x8000000F));
  EXPECT_FALSE(F->GetVisible());
  ExpectFormFont(F);
  TShape* S = F->Shape1;
  EXPECT_EQ(S->GetName(), "Shape1");
  EXPECT_EQ(S->GetParent(), F);
  EXPECT_EQ(S->Owner(), F);
  EXPECT_EQ(S->GetAlign(), alClient);
  EXPECT_EQ(S->GetCursor(), -18);
  EXPECT_EQ(S->GetLeft(), 0);
  EXPECT_EQ(S->GetTop(), 0);
  EXPECT_EQ(S->GetWidth(), 115);
  EXPECT_EQ(S->GetHeight(), 606);
  EXPECT_EQ(S->GetShape(), stRectangle);
  EXPECT_EQ(S->GetPen()->GetColor(), TColor(0));
  EXPECT_EQ(S->GetPen()->GetWidth(), 1);
  EXPECT_EQ(S->GetBrush()->GetColor(), TColor(0xFFFFFF));
}

TEST_F(AppFormsTest, FormLogoIsReadWithItsPicture) {
  TFormLogo* F = nullptr;
  Application->CreateForm(F);
  ASSERT_NE(F, nullptr);
  ASSERT_NE(F->Image1, nullptr);
  EXPECT_EQ(F->GetTag(), 1);
  EXPECT_EQ(F->GetCaption(), "FormLogo");
  EXPECT_EQ(F->GetLeft(), 192);
  EXPECT_EQ(F->GetTop(), 114);
  EXPECT_EQ(F->GetClientWidth(), 144);
  EXPECT_EQ(F->GetClientHeight(), 74);
  EXPECT_TRUE(F->GetAlphaBlend());
  EXPECT_EQ(F->GetAlphaBlendValue(), 100);
  EXPECT_EQ(F->GetBorderStyle(), bsNone);
  EXPECT_EQ(F->GetPopupMenu(), nullptr);
  ExpectFormFont(F);
  TImage* I = F->Image1;
  EXPECT_EQ(I->GetParent(), F);
  EXPECT_EQ(I->GetCursor(), -18);
  EXPECT_EQ(I->GetWidth(), 144);
  EXPECT_EQ(I->GetHeight(), 74);
  EXPECT_TRUE(I->GetStretch());
  EXPECT_TRUE(I->GetTransparent());
  auto* Jpeg = dynamic_cast<TJPEGImage*>(I->GetPicture()->GetGraphic());
  ASSERT_NE(Jpeg, nullptr);
  EXPECT_EQ(Jpeg->GetWidth(), 574);
  EXPECT_EQ(Jpeg->GetHeight(), 294);
}

} // namespace
