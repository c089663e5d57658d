// The screen object: the desktop's sizes, the menu font, the program-wide
// cursor and the lists of forms and data modules.
#include "FormsTest.h"

#include "framework/forms/DataModule.h"
#include "framework/forms/Mouse.h"
#include "framework/graphics/Font.h"

#include <cstring>

using namespace formstest;

TEST_F(TFormsTest, SizesFollowTheDesktop) {
  Desk->SetScreen(800, 600, 560);
  EXPECT_EQ(Screen->GetWidth(), 800);
  EXPECT_EQ(Screen->GetHeight(), 600);
  EXPECT_EQ(Screen->GetWorkAreaRect(), (TRect{0, 0, 800, 560}));
  EXPECT_EQ(Screen->GetWorkAreaWidth(), 800);
  EXPECT_EQ(Screen->GetWorkAreaHeight(), 560);
  EXPECT_EQ(Screen->GetWorkAreaLeft(), 0);
  EXPECT_EQ(Screen->GetWorkAreaTop(), 0);
  EXPECT_EQ(Screen->GetDesktopWidth(), GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_EQ(Screen->GetDesktopHeight(), GetSystemMetrics(SM_CYVIRTUALSCREEN));
  EXPECT_EQ(Screen->GetDesktopLeft(), GetSystemMetrics(SM_XVIRTUALSCREEN));
  EXPECT_EQ(Screen->GetDesktopTop(), GetSystemMetrics(SM_YVIRTUALSCREEN));
  EXPECT_GE(Screen->GetDesktopWidth(), 800);
  Desk->SetScreen(1024, 768, 740);
  EXPECT_EQ(Screen->GetWidth(), 1024);
  EXPECT_EQ(Screen->GetWorkAreaHeight(), 740);
  EXPECT_EQ(Screen->GetPixelsPerInch(), 96);
}

TEST_F(TFormsTest, MenuFontIsACopyOfTheDesktops) {
  NONCLIENTMETRICSA M{};
  M.cbSize = sizeof M;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof M, &M, 0));
  TFont* F = Screen->GetMenuFont();
  EXPECT_EQ(F->GetName(), M.lfMenuFont.lfFaceName);
  EXPECT_EQ(F->GetHeight(), M.lfMenuFont.lfHeight);
  EXPECT_EQ(F->GetCharset(), M.lfMenuFont.lfCharSet);
  EXPECT_EQ(F->GetStyle().Contains(fsBold), M.lfMenuFont.lfWeight >= FW_BOLD);
  EXPECT_EQ(F->GetStyle().Contains(fsItalic), M.lfMenuFont.lfItalic != 0);
  // The copy is the screen's own: changing it leaves the desktop alone.
  F->SetHeight(-40);
  NONCLIENTMETRICSA After{};
  After.cbSize = sizeof After;
  SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof After, &After, 0);
  EXPECT_EQ(After.lfMenuFont.lfHeight, M.lfMenuFont.lfHeight);
  Screen->ReadMenuFont();
  EXPECT_EQ(F->GetHeight(), M.lfMenuFont.lfHeight);
}

TEST_F(TFormsTest, CursorOverridesEveryControl) {
  TForm* F = NewForm({0, 0, 200, 200});
  F->SetCursor(crCross);
  F->Show();
  Desk->MouseMove(100, 100);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->CursorShape(), 32515); // the form's cross
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(Desk->CursorShape(), 32514); // at once, without a message
  Desk->MouseMove(110, 110);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->CursorShape(), 32514);
  Screen->SetCursor(crDefault);
  EXPECT_EQ(Desk->CursorShape(), 32515);
  EXPECT_EQ(Screen->GetCursor(), crDefault);
}

TEST_F(TFormsTest, FormsAndDataModulesAreListedWhileTheyExist) {
  EXPECT_EQ(Screen->FormCount(), 0);
  TForm* A = NewForm();
  TForm* B = NewForm();
  auto* M = Create<TDataModule>(Application);
  ASSERT_EQ(Screen->FormCount(), 2);
  EXPECT_EQ(Screen->Forms(0), A);
  EXPECT_EQ(Screen->Forms(1), B);
  ASSERT_EQ(Screen->DataModuleCount(), 1);
  EXPECT_EQ(Screen->DataModules(0), M);
  EXPECT_THROW(Screen->Forms(2), EListError);
  EXPECT_THROW(Screen->Forms(-1), EListError);
  EXPECT_THROW(Screen->DataModules(1), EListError);
  B->Show();
  EXPECT_EQ(Screen->GetActiveForm(), B);
  B->Free();
  EXPECT_EQ(Screen->FormCount(), 1);
  EXPECT_EQ(Screen->GetActiveForm(), nullptr);
  M->Free();
  EXPECT_EQ(Screen->DataModuleCount(), 0);
  // Only a listed form can be the active one.
  TForm Stranger(nullptr);
  Screen->RemoveForm(&Stranger);
  Screen->SetActiveForm(&Stranger);
  EXPECT_EQ(Screen->GetActiveForm(), nullptr);
}

TEST_F(TFormsTest, MouseReportsThePointer) {
  ASSERT_NE(Mouse, nullptr);
  Desk->MouseMove(33, 44);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Mouse->GetCursorPos(), (TPoint{33, 44}));
  Mouse->SetCursorPos({5, 6});
  EXPECT_EQ(Mouse->GetCursorPos(), (TPoint{5, 6}));
}
