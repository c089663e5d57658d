#include "ControlHost.h"

#include "framework/controls/Button.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Units.h"
#include "framework/graphics/Font.h"

#include <string>

namespace {

class TClickCounter : public TObject {
public:
  void Clicked(TObject*) { ++Clicks; }
  int Clicks = 0;
};

class ButtonTest : public TControlTest {
protected:
  TButton* MakeButton(TWinControl* Parent) {
    auto* B = Create<TButton>(Parent);
    B->SetLeft(20);
    B->SetTop(20);
    B->SetCaption("OK");
    B->OnClick = MakeEvent<&TClickCounter::Clicked>(&Counter);
    B->SetParent(Parent);
    Desk->PumpUntilIdle();
    return B;
  }
  void SetUp() override {
    TControlTest::SetUp();
    Button = MakeButton(Host);
    SetActiveWindow(Host->GetHandle());
    ::SetFocus(Host->GetHandle());
    Desk->PumpUntilIdle();
  }
  DWORD ButtonType() { return DWORD(GetWindowLong(Button->GetHandle(), GWL_STYLE)) & 0xF; }

  TClickCounter Counter;
  TButton* Button = nullptr;
};

TEST_F(ButtonTest, DefaultsAndTheNativeButton) {
  auto* Fresh = Create<TButton>(Host);
  EXPECT_EQ(Fresh->GetWidth(), 75);
  EXPECT_EQ(Fresh->GetHeight(), 25);
  EXPECT_TRUE(Fresh->GetTabStop());
  EXPECT_FALSE(Fresh->GetDefault());
  EXPECT_FALSE(Fresh->GetCancel());
  EXPECT_EQ(Fresh->GetModalResult(), mrNone);

  char Class[32] = {};
  GetClassName(Button->GetHandle(), Class, sizeof Class);
  EXPECT_STREQ(Class, "BUTTON");
  EXPECT_EQ(ButtonType(), BS_PUSHBUTTON);
  EXPECT_TRUE(GetWindowLong(Button->GetHandle(), GWL_STYLE) & WS_TABSTOP);
  char Text[32] = {};
  GetWindowText(Button->GetHandle(), Text, sizeof Text);
  EXPECT_STREQ(Text, "OK");
  Button->SetCaption("Avbryt");
  GetWindowText(Button->GetHandle(), Text, sizeof Text);
  EXPECT_STREQ(Text, "Avbryt");
}

TEST_F(ButtonTest, MouseClickRaisesOnClickOnce) {
  ClickOn(Button, 30, 12);
  EXPECT_EQ(Counter.Clicks, 1);
  // Released outside: no click.
  TPoint In = Button->ClientToScreen({30, 12}), Out = Button->ClientToScreen({30, 60});
  Desk->MouseMove(In.X, In.Y);
  Desk->MouseDown();
  Desk->MouseMove(Out.X, Out.Y);
  Desk->MouseUp();
  Desk->PumpUntilIdle();
  EXPECT_EQ(Counter.Clicks, 1);
  Button->SetEnabled(false);
  ClickOn(Button, 30, 12);
  EXPECT_EQ(Counter.Clicks, 1);
}

TEST_F(ButtonTest, EnterPressesTheDefaultButton) {
  Desk->PressKey(VK_RETURN);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Counter.Clicks, 0);
  Button->SetDefault(true);
  Desk->PressKey(VK_RETURN);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Counter.Clicks, 1);
}

TEST_F(ButtonTest, DefaultSwitchesTheNativeStyle) {
  Button->SetDefault(true);
  EXPECT_EQ(ButtonType(), BS_DEFPUSHBUTTON);
  Button->SetDefault(false);
  EXPECT_EQ(ButtonType(), BS_PUSHBUTTON);
  // A button made default before its window exists is created so.
  auto* Early = Create<TButton>(Host);
  Early->SetDefault(true);
  Early->SetParent(Host);
  EXPECT_EQ(DWORD(GetWindowLong(Early->GetHandle(), GWL_STYLE)) & 0xF, BS_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, SpacePressesTheFocusedButton) {
  Button->SetFocus();
  Desk->PressKey(VK_SPACE, ' ');
  Desk->PumpUntilIdle();
  EXPECT_EQ(Counter.Clicks, 1);
}

TEST_F(ButtonTest, DialogKeysPressDefaultAndCancelButtons) {
  struct {
    bool Default, Cancel;
    WPARAM Key;
    LPARAM Data;
    LRESULT Result;
  } const Cases[] = {
      {false, false, VK_RETURN, 0, 0}, {true, false, VK_RETURN, 0, 1},
      {true, false, VK_ESCAPE, 0, 0},  {false, true, VK_ESCAPE, 0, 1},
      {false, true, VK_RETURN, 0, 0},  {true, true, VK_RETURN, LPARAM(1) << 29, 0},
      {true, true, VK_TAB, 0, 0},
  };
  for (const auto& Case : Cases) {
    Counter.Clicks = 0;
    Button->SetDefault(Case.Default);
    Button->SetCancel(Case.Cancel);
    EXPECT_EQ(Button->Perform(CM_DIALOGKEY, Case.Key, Case.Data), Case.Result) << Case.Key;
    EXPECT_EQ(Counter.Clicks, int(Case.Result)) << Case.Key;
  }
  Button->SetEnabled(false);
  EXPECT_EQ(Button->Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 0);
}

TEST_F(ButtonTest, NativeButtonDrawsWithTheControlsFont) {
  const auto Font = [&] {
    return reinterpret_cast<HFONT>(SendMessage(Button->GetHandle(), WM_GETFONT, 0, 0));
  };
  EXPECT_EQ(Font(), Button->GetFont()->GetHandle());
  Button->GetFont()->SetHeight(-20);
  EXPECT_EQ(Font(), Button->GetFont()->GetHandle());
  LOGFONTA Lf{};
  GetObject(Font(), sizeof Lf, &Lf);
  EXPECT_EQ(Lf.lfHeight, -20);
}

// Forms need the framework running: Application and Screen.
class ButtonFormTest : public TDesktopTest {
protected:
  void SetUp() override {
    TDesktopTest::SetUp();
    InitFramework();
    Form = Create<TForm>(Application);
    Form->SetBounds(100, 100, 300, 200);
    Button = Create<TButton>(Form);
    Button->SetBounds(20, 20, 75, 25);
    Button->OnClick = MakeEvent<&TClickCounter::Clicked>(&Counter);
    Button->SetParent(Form);
  }
  void TearDown() override {
    Desk->SetIdleHandler(nullptr);
    DoneFramework();
    TDesktopTest::TearDown();
  }
  void ClickButton() {
    TPoint P = Button->ClientToScreen({30, 12});
    Desk->Click(P.X, P.Y);
  }

  TForm* Form = nullptr;
  TButton* Button = nullptr;
  TClickCounter Counter;
};

TEST_F(ButtonFormTest, ClickHandsTheModalResultToTheForm) {
  Form->Show();
  Desk->PumpUntilIdle();
  ClickButton();
  Desk->PumpUntilIdle();
  EXPECT_EQ(Counter.Clicks, 1);
  EXPECT_EQ(Form->GetModalResult(), mrNone);
  Button->SetModalResult(mrRetry);
  ClickButton();
  Desk->PumpUntilIdle();
  EXPECT_EQ(Counter.Clicks, 2);
  EXPECT_EQ(Form->GetModalResult(), mrRetry);
}

TEST_F(ButtonFormTest, ModalFormEndsWithTheButtonsResult) {
  Button->SetModalResult(mrOk);
  bool Clicked = false;
  Desk->SetIdleHandler([&] {
    if (Clicked) return false;
    Clicked = true;
    ClickButton();
    return true;
  });
  EXPECT_EQ(Form->ShowModal(), mrOk);
  EXPECT_EQ(Counter.Clicks, 1);
}

TEST_F(ButtonFormTest, EnterEndsAModalFormThroughTheDefaultButton) {
  Button->SetModalResult(mrOk);
  Button->SetDefault(true);
  bool Pressed = false;
  Desk->SetIdleHandler([&] {
    if (Pressed) return false;
    Pressed = true;
    Desk->PressKey(VK_RETURN);
    return true;
  });
  EXPECT_EQ(Form->ShowModal(), mrOk);
  EXPECT_EQ(Counter.Clicks, 1);
}

TEST_F(ButtonFormTest, EscapeInADialogPressesTheCancelButton) {
  Form->SetBorderStyle(bsDialog);
  Button->SetCancel(true);
  Button->SetModalResult(mrCancel);
  bool Pressed = false;
  Desk->SetIdleHandler([&] {
    if (Pressed) return false;
    Pressed = true;
    Desk->PressKey(VK_ESCAPE);
    return true;
  });
  EXPECT_EQ(Form->ShowModal(), mrCancel);
  EXPECT_EQ(Counter.Clicks, 1);
}

} // namespace
