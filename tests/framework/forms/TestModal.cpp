// The modal loop: what it refuses, what it disables and restores, and the
// ways it ends.
#include "FormsTest.h"

#include "framework/controls/Button.h"

#include <stdexcept>

using namespace formstest;

namespace {

constexpr char kCannotShowModal[] = "Cannot make a visible window modal";

class TModalTest : public TFormsTest {
protected:
  void SetUp() override {
    TFormsTest::SetUp();
    Application->CreateForm(Main);
    Main->SetBounds(0, 0, 300, 300);
    Main->Show();
    Dialog = NewForm({400, 300, 600, 450});
    Dialog->SetBorderStyle(bsDialog);
    Dialog->SetCaption("Dialog");
  }

  TButton* AddButton(const char* Caption, TModalResult Result, int Left) {
    auto* B = Create<TButton>(Dialog);
    B->SetParent(Dialog);
    B->SetBounds(Left, 10, 75, 25);
    B->SetCaption(Caption);
    B->SetModalResult(Result);
    return B;
  }

  void ClickOn(TWinControl* Control) {
    TPoint P = Control->ClientToScreen({Control->GetWidth() / 2, Control->GetHeight() / 2});
    Desk->Click(P.X, P.Y);
  }

  static std::string MessageOf(const std::function<void()>& Fn) {
    try {
      Fn();
    } catch (const EInvalidOperation& E) {
      return E.Message();
    }
    return "(nothing thrown)";
  }

  TForm* Main = nullptr;
  TForm* Dialog = nullptr;
};

} // namespace

TEST_F(TModalTest, ReturnsTheResultOfTheClickedButton) {
  AddButton("OK", mrOk, 10);
  TButton* No = AddButton("No", mrNo, 100);
  bool MainEnabled = true, DialogEnabled = false;
  Script({[&] {
    MainEnabled = IsWindowEnabled(Main->GetHandle());
    DialogEnabled = IsWindowEnabled(Dialog->GetHandle());
    ClickOn(No);
  }});
  EXPECT_EQ(Dialog->ShowModal(), mrNo);
  EXPECT_FALSE(MainEnabled);
  EXPECT_TRUE(DialogEnabled);
  EXPECT_TRUE(IsWindowEnabled(Main->GetHandle()));
  EXPECT_FALSE(Dialog->GetVisible());
  EXPECT_FALSE(IsWindowVisible(Dialog->GetHandle()));
  EXPECT_EQ(GetActiveWindow(), Main->GetHandle());
  EXPECT_EQ(Screen->GetActiveForm(), Main);
  EXPECT_FALSE(Dialog->FormState().Contains(fsModal));
}

TEST_F(TModalTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
  AddButton("OK", mrOk, 10)->SetDefault(true);
  AddButton("Cancel", mrAbort, 100)->SetCancel(true);
  Script({[&] { Desk->PressKey(VK_RETURN); }});
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  Script({[&] { Desk->PressKey(VK_ESCAPE); }});
  EXPECT_EQ(Dialog->ShowModal(), mrAbort);
}

TEST_F(TModalTest, WindowsDisabledBeforeStayDisabled) {
  TForm* Off = NewForm({0, 400, 100, 500});
  Off->Show();
  Off->SetEnabled(false);
  TForm* On = NewForm({200, 400, 300, 500});
  On->Show();
  SetActiveWindow(Main->GetHandle());
  bool OnEnabled = true;
  Script({[&] {
    OnEnabled = IsWindowEnabled(On->GetHandle());
    Dialog->SetModalResult(mrYes);
  }});
  EXPECT_EQ(Dialog->ShowModal(), mrYes);
  EXPECT_FALSE(OnEnabled);
  EXPECT_TRUE(IsWindowEnabled(On->GetHandle()));
  EXPECT_FALSE(IsWindowEnabled(Off->GetHandle()));
  EXPECT_EQ(GetActiveWindow(), Main->GetHandle());
}

TEST_F(TModalTest, CloseAnswersCancel) {
  int Closes = 0;
  struct TCounter : TObject {
    int* N = nullptr;
    void Closed(TObject*, TCloseAction&) { ++*N; }
  } Counter;
  Counter.N = &Closes;
  Dialog->OnClose = MakeEvent<&TCounter::Closed>(&Counter);
  Script({[&] {
    Dialog->Close();
    EXPECT_EQ(Dialog->GetModalResult(), mrCancel);
    EXPECT_TRUE(Dialog->GetVisible());
  }});
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
  EXPECT_EQ(Closes, 1);
  // The close box goes the same way.
  Script({[&] { PostMessage(Dialog->GetHandle(), WM_CLOSE, 0, 0); }});
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
}

TEST_F(TModalTest, RefusedCloseKeepsTheLoopGoing) {
  struct TGate : TObject {
    bool Open = false;
    void Query(TObject*, bool& CanClose) { CanClose = Open; }
  } Gate;
  Dialog->OnCloseQuery = MakeEvent<&TGate::Query>(&Gate);
  bool StillShown = false;
  Script({[&] { Dialog->SetModalResult(mrOk); },
          [&] {
            StillShown = IsWindowVisible(Dialog->GetHandle()) && Dialog->GetModalResult() == mrNone;
            Gate.Open = true;
            Dialog->SetModalResult(mrRetry);
          }});
  EXPECT_EQ(Dialog->ShowModal(), mrRetry);
  EXPECT_TRUE(StillShown);
}

TEST_F(TModalTest, VisibleDisabledOrModalFormsAreRefused) {
  TForm* Shown = NewForm();
  Shown->Show();
  EXPECT_EQ(MessageOf([&] { Shown->ShowModal(); }), kCannotShowModal);
  TForm* Disabled = NewForm();
  Disabled->SetEnabled(false);
  EXPECT_EQ(MessageOf([&] { Disabled->ShowModal(); }), kCannotShowModal);
  TForm* Child = NewForm();
  Child->SetFormStyle(fsMDIChild);
  EXPECT_EQ(MessageOf([&] { Child->ShowModal(); }), kCannotShowModal);
  std::string Inside;
  Script({[&] {
    Inside = MessageOf([&] { Dialog->ShowModal(); });
    Dialog->SetModalResult(mrOk);
  }});
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_EQ(Inside, kCannotShowModal);
}

TEST_F(TModalTest, CursorIsTheDefaultWhileModal) {
  Screen->SetCursor(crHourGlass);
  TCursor During = crHourGlass;
  Script({[&] {
    During = Screen->GetCursor();
    Dialog->SetModalResult(mrOk);
  }});
  Dialog->ShowModal();
  EXPECT_EQ(During, crDefault);
  EXPECT_EQ(Screen->GetCursor(), crHourGlass);
  Screen->SetCursor(crDefault);
}

TEST_F(TModalTest, EndingTheProgramEndsTheLoopWithCancel) {
  Script({[&] { Application->Terminate(); }});
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
  EXPECT_FALSE(Dialog->GetVisible());
}

TEST_F(TModalTest, ShowAndActivateEventsRunAsUsual) {
  std::vector<std::string> Log;
  struct TRecorder : TObject {
    std::vector<std::string>* Out = nullptr;
    void Shown(TObject*) { Out->push_back("show"); }
    void Activated(TObject*) { Out->push_back("activate"); }
    void Hidden(TObject*) { Out->push_back("hide"); }
  } Rec;
  Rec.Out = &Log;
  Dialog->OnShow = MakeEvent<&TRecorder::Shown>(&Rec);
  Dialog->OnActivate = MakeEvent<&TRecorder::Activated>(&Rec);
  Dialog->OnHide = MakeEvent<&TRecorder::Hidden>(&Rec);
  Script({[&] { Dialog->SetModalResult(mrOk); }});
  Dialog->ShowModal();
  EXPECT_EQ(Log, (std::vector<std::string>{"show", "activate", "hide"}));
}

namespace {

LRESULT ThrowingProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_USER) throw std::runtime_error("boom");
  return DefWindowProc(Wnd, Msg, W, L);
}

} // namespace

TEST_F(TModalTest, AnExceptionEndingTheLoopStillRestoresEverything) {
  WNDCLASSA Wc{};
  Wc.lpfnWndProc = ThrowingProc;
  Wc.lpszClassName = "Thrower";
  ASSERT_TRUE(RegisterClass(&Wc));
  HWND Thrower =
      CreateWindowEx(0, "Thrower", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  Screen->SetCursor(crCross);
  Script({[&] { PostMessage(Thrower, WM_USER, 0, 0); }});
  EXPECT_THROW(Dialog->ShowModal(), std::runtime_error);
  EXPECT_FALSE(Dialog->GetVisible());
  EXPECT_FALSE(Dialog->FormState().Contains(fsModal));
  EXPECT_TRUE(IsWindowEnabled(Main->GetHandle()));
  EXPECT_EQ(GetActiveWindow(), Main->GetHandle());
  EXPECT_EQ(Screen->GetCursor(), crCross);
  Screen->SetCursor(crDefault);
  DestroyWindow(Thrower);
}

TEST_F(TDesktopTest, ModalLoopRunsWithoutAnApplicationObject) {
  ASSERT_EQ(Application, nullptr);
  auto* F = Create<TForm>(nullptr);
  F->SetBounds(10, 10, 200, 100);
  int Turns = 0;
  Desk->SetIdleHandler([&] {
    if (++Turns > 1) return false;
    F->SetModalResult(mrOk);
    PostMessage(F->GetHandle(), WM_NULL, 0, 0);
    return true;
  });
  EXPECT_EQ(F->ShowModal(), mrOk);
  // With nothing left to drive it, the loop ends with Cancel and leaves
  // the quit for the loop outside.
  EXPECT_EQ(F->ShowModal(), mrCancel);
  MSG Msg;
  EXPECT_TRUE(PeekMessage(&Msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  Desk->SetIdleHandler(nullptr);
  F->Free();
}
