// The push button: clicks by mouse, Space, Enter and BM_CLICK, presses that
// do not click, the state and style messages, and its look.
#include "ControlsTest.h"

namespace {

constexpr int kOkId = 41;

class TButtonTest : public TControlsTest {
protected:
  HWND Make(DWORD Style, LPCSTR Text = "OK") {
    Button = CreateButton(Text, Style, TRect{20, 20, 120, 50}, kOkId);
    EXPECT_NE(Button, nullptr);
    return Button;
  }
  std::vector<TNote> ClickNote() const {
    return {TNote{WM_COMMAND, WORD(kOkId), BN_CLICKED, Button}};
  }
  LRESULT State() const { return SendMessage(Button, BM_GETSTATE, 0, 0); }

  HWND Button = nullptr;
};

TEST_F(TButtonTest, MouseClickSendsBnClickedToTheParent) {
  Make(BS_PUSHBUTTON);
  Press(Button, 50, 15);
  EXPECT_TRUE(Notes.empty());
  EXPECT_EQ(State(), BST_PUSHED | BST_FOCUS);
  EXPECT_EQ(GetFocus(), Button);
  Release();
  EXPECT_EQ(Notes, ClickNote());
  EXPECT_EQ(State(), BST_FOCUS);
}

TEST_F(TButtonTest, ReleaseOutsideDoesNotClickComingBackDoes) {
  Make(BS_PUSHBUTTON);
  Press(Button, 50, 15);
  MoveTo(Button, 150, 15);
  EXPECT_EQ(State() & BST_PUSHED, 0);
  Release();
  EXPECT_TRUE(Notes.empty());
  Press(Button, 50, 15);
  MoveTo(Button, 50, -30);
  MoveTo(Button, 99, 29);
  EXPECT_EQ(State() & BST_PUSHED, BST_PUSHED);
  Release();
  EXPECT_EQ(Notes, ClickNote());
}

TEST_F(TButtonTest, SpaceClicksTheFocusedButtonOnRelease) {
  Make(BS_PUSHBUTTON);
  SetFocus(Button);
  Desk->KeyDown(VK_SPACE, ' ');
  Desk->KeyDown(VK_SPACE, ' '); // auto-repeat
  Desk->PumpUntilIdle();
  EXPECT_TRUE(Notes.empty());
  EXPECT_EQ(State() & BST_PUSHED, BST_PUSHED);
  Desk->KeyUp(VK_SPACE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Notes, ClickNote());
  // Losing the focus in between drops the press.
  Notes.clear();
  Desk->KeyDown(VK_SPACE, ' ');
  Desk->PumpUntilIdle();
  SetFocus(Parent);
  Desk->KeyUp(VK_SPACE);
  Desk->PumpUntilIdle();
  EXPECT_TRUE(Notes.empty());
  EXPECT_EQ(State(), 0);
}

TEST_F(TButtonTest, EnterClicksTheDefaultButtonFromAnotherControl) {
  Make(BS_DEFPUSHBUTTON);
  HWND Other = CreateButton("Other", BS_PUSHBUTTON, TRect{20, 60, 120, 90}, 7);
  SetFocus(Other);
  Desk->PressKey(VK_RETURN, '\r');
  Desk->PumpUntilIdle();
  EXPECT_EQ(Notes, ClickNote());
  Notes.clear();
  SendMessage(Button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  Desk->PressKey(VK_RETURN, '\r');
  Desk->PumpUntilIdle();
  EXPECT_TRUE(Notes.empty());
}

TEST_F(TButtonTest, BmClickClicksOnlyAnEnabledButton) {
  Make(BS_PUSHBUTTON);
  SendMessage(Button, BM_CLICK, 0, 0);
  EXPECT_EQ(Notes, ClickNote());
  Notes.clear();
  EnableWindow(Button, FALSE);
  SendMessage(Button, BM_CLICK, 0, 0);
  Click(Button, 50, 15);
  SetFocus(Button);
  SendMessage(Button, WM_KEYDOWN, VK_SPACE, 0);
  SendMessage(Button, WM_KEYUP, VK_SPACE, 0);
  EXPECT_TRUE(Notes.empty());
}

TEST_F(TButtonTest, StyleStateAndDialogCodeMessages) {
  Make(BS_PUSHBUTTON);
  EXPECT_EQ(SendMessage(Button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  SendMessage(Button, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
  EXPECT_EQ(SendMessage(Button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLong(Button, GWL_STYLE) & 0x0F, LONG_PTR(BS_DEFPUSHBUTTON));
  EXPECT_NE(GetWindowLong(Button, GWL_STYLE) & WS_TABSTOP, 0);
  EXPECT_EQ(State(), 0);
  SendMessage(Button, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(State(), BST_PUSHED);
  SetFocus(Button);
  EXPECT_EQ(State(), BST_PUSHED | BST_FOCUS);
  SendMessage(Button, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(State(), BST_FOCUS);
  EXPECT_EQ(SendMessage(Button, BM_GETCHECK, 0, 0), 0);
  EXPECT_TRUE(Notes.empty());
}

TEST_F(TButtonTest, FontDefaultsToTheGuiFont) {
  Make(BS_PUSHBUTTON);
  HGDIOBJ Gui = GetStockObject(DEFAULT_GUI_FONT);
  EXPECT_EQ(HGDIOBJ(SendMessage(Button, WM_GETFONT, 0, 0)), Gui);
  HFONT Big = CreateFont(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans");
  auto Before = Area(Button, TRect{0, 0, 100, 30});
  SendMessage(Button, WM_SETFONT, WPARAM(Big), TRUE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(HFONT(SendMessage(Button, WM_GETFONT, 0, 0)), Big);
  EXPECT_NE(Area(Button, TRect{0, 0, 100, 30}), Before);
  SendMessage(Button, WM_SETFONT, 0, TRUE);
  EXPECT_EQ(HGDIOBJ(SendMessage(Button, WM_GETFONT, 0, 0)), Gui);
  DestroyWindow(Button);
  DeleteObject(Big);
}

TEST_F(TButtonTest, DefaultButtonHasAnExtraFrame) {
  struct TCase {
    DWORD Style;
    std::uint32_t Corner, Inside;
  };
  for (TCase C : {TCase{BS_PUSHBUTTON, Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_3DLIGHT)},
                  TCase{BS_DEFPUSHBUTTON, Sys(COLOR_WINDOWFRAME), Sys(COLOR_BTNHIGHLIGHT)}}) {
    SCOPED_TRACE(C.Style);
    Make(C.Style);
    EXPECT_EQ(Pixel(Button, 0, 0), C.Corner);
    EXPECT_EQ(Pixel(Button, 50, 0), C.Corner);
    EXPECT_EQ(Pixel(Button, 0, 15), C.Corner);
    EXPECT_EQ(Pixel(Button, 1, 1), C.Inside);
    EXPECT_EQ(Pixel(Button, 99, 29), Sys(COLOR_3DDKSHADOW));
    DestroyWindow(Button);
  }
  // BM_SETSTYLE repaints only when asked to.
  Make(BS_PUSHBUTTON);
  SendMessage(Button, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Pixel(Button, 0, 0), Sys(COLOR_BTNHIGHLIGHT));
  SendMessage(Button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Pixel(Button, 0, 0), Sys(COLOR_WINDOWFRAME));
}

TEST_F(TButtonTest, PushedLooksFlat) {
  Make(BS_PUSHBUTTON, "");
  Press(Button, 50, 15);
  EXPECT_EQ(Pixel(Button, 0, 0), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(Pixel(Button, 99, 29), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(Pixel(Button, 1, 1), Sys(COLOR_BTNFACE));
  Release();
  EXPECT_EQ(Pixel(Button, 0, 0), Sys(COLOR_BTNHIGHLIGHT));
}

TEST_F(TButtonTest, CaptionIsDarkEnabledAndEmbossedDisabled) {
  Make(BS_PUSHBUTTON, "&Save");
  TRect Inner{3, 3, 97, 27};
  auto Enabled = Area(Button, Inner);
  EXPECT_TRUE(Has(Enabled, Sys(COLOR_BTNTEXT)));
  EnableWindow(Button, FALSE);
  Desk->PumpUntilIdle();
  auto Disabled = Area(Button, Inner);
  EXPECT_FALSE(Has(Disabled, Sys(COLOR_BTNTEXT)));
  EXPECT_TRUE(Has(Disabled, Sys(COLOR_GRAYTEXT)));
  EXPECT_TRUE(Has(Disabled, Sys(COLOR_BTNHIGHLIGHT)));
  EnableWindow(Button, TRUE);
  SetWindowText(Button, "&Load");
  Desk->PumpUntilIdle();
  auto Renamed = Area(Button, Inner);
  EXPECT_NE(Renamed, Enabled);
  char Text[16] = {};
  GetWindowText(Button, Text, sizeof Text);
  EXPECT_STREQ(Text, "&Load");
}

TEST_F(TButtonTest, FocusShowsADottedRectangle) {
  Make(BS_PUSHBUTTON, "");
  SetFocus(Parent);
  Desk->PumpUntilIdle();
  auto Line = Area(Button, TRect{3, 3, 40, 4});
  EXPECT_FALSE(Has(Line, Rgb(~GetSysColor(COLOR_BTNFACE) & 0xFFFFFF)));
  SetFocus(Button);
  Desk->PumpUntilIdle();
  Line = Area(Button, TRect{3, 3, 40, 4});
  std::uint32_t Dot = Rgb(~GetSysColor(COLOR_BTNFACE) & 0xFFFFFF);
  EXPECT_TRUE(Has(Line, Dot));
  EXPECT_TRUE(Has(Line, Sys(COLOR_BTNFACE)));
}

TEST_F(TButtonTest, ParentMayDestroyTheButtonWhenClicked) {
  Make(BS_PUSHBUTTON);
  DestroyOnNote = Button;
  Click(Button, 50, 15);
  EXPECT_FALSE(IsWindow(Button));
  EXPECT_EQ(Notes.size(), 1u);
  Make(BS_PUSHBUTTON);
  DestroyOnNote = Button;
  SetFocus(Button);
  Desk->PressKey(VK_SPACE, ' ');
  Desk->PumpUntilIdle();
  EXPECT_FALSE(IsWindow(Button));
}

} // namespace
