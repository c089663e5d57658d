// Closing: the main form ends the program's loop, other forms take the
// action OnClose chooses, and CloseQuery may refuse.
#include "FormsTest.h"

#include "framework/classes/ClassBuilder.h"

using namespace formstest;

namespace {

// Answers CloseQuery and OnClose as told, counting the calls.
class TClosingForm : public TForm {
  TAVREL_CLASS(TClosingForm, TForm)
public:
  explicit TClosingForm(TComponent* AOwner) : TForm(AOwner, CreateNew) {
    OnCloseQuery = MakeEvent<&TClosingForm::FormCloseQuery>(this);
    OnClose = MakeEvent<&TClosingForm::FormClose>(this);
  }
  void FormCloseQuery(TObject*, bool& CanClose) {
    ++Queries;
    CanClose = Agree;
  }
  void FormClose(TObject*, TCloseAction& Action) {
    ++Closes;
    Given = Action;
    Action = Answer;
  }
  bool Agree = true;
  TCloseAction Answer = caHide;
  TCloseAction Given = caNone;
  int Queries = 0;
  int Closes = 0;
};

const TClass& TClosingForm::StaticClass() {
  static const TClass Class = TClassBuilder<TClosingForm>("TClosingForm").Build();
  return Class;
}

bool InScreen(TCustomForm* F) {
  for (int I = 0; I < Screen->FormCount(); ++I)
    if (Screen->Forms(I) == F) return true;
  return false;
}

} // namespace

TEST_F(TFormsTest, ClosingTheMainFormEndsRun) {
  TClosingForm* Main = nullptr;
  Application->CreateForm(Main);
  bool LoopWentOn = false;
  Script({[&] { PostMessage(Main->GetHandle(), WM_CLOSE, 0, 0); }, [&] { LoopWentOn = true; }});
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_FALSE(LoopWentOn);
  EXPECT_EQ(Main->Closes, 1);
  EXPECT_TRUE(IsWindow(Main->GetHandle()));
}

TEST_F(TFormsTest, MainFormThatRefusesKeepsTheLoopGoing) {
  TClosingForm* Main = nullptr;
  Application->CreateForm(Main);
  Main->Agree = false;
  int Steps = 0;
  Script({[&] {
            ++Steps;
            Main->Close();
          },
          [&] {
            ++Steps;
            Main->Answer = caNone;
            Main->Agree = true;
            Main->Close();
          },
          [&] {
            ++Steps;
            Main->Answer = caFree;
            Main->Close();
          },
          [&] { ++Steps; }});
  Application->Run();
  // The third close ends the loop before the fourth step; even caFree
  // only ends the program for the main form.
  EXPECT_EQ(Steps, 3);
  EXPECT_EQ(Main->Queries, 3);
  EXPECT_EQ(Main->Closes, 2);
  EXPECT_TRUE(InScreen(Main));
}

TEST_F(TFormsTest, CloseBoxHidesAnotherForm) {
  auto* F = Create<TClosingForm>(Application);
  F->Show();
  SendMessage(F->GetHandle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(F->Given, caHide);
  EXPECT_FALSE(F->GetVisible());
  EXPECT_TRUE(IsWindow(F->GetHandle()));
  EXPECT_FALSE(IsWindowVisible(F->GetHandle()));
  EXPECT_FALSE(Application->Terminated());
}

struct TActionCase {
  const char* Name;
  bool Agree;
  TCloseAction Answer;
  bool Visible;
  bool Minimized;
  bool Freed;
};

class TCloseActions : public TFormsTest, public ::testing::WithParamInterface<TActionCase> {};

TEST_P(TCloseActions, OnCloseChoosesWhatHappens) {
  const TActionCase& C = GetParam();
  auto* F = Create<TClosingForm>(Application);
  F->Agree = C.Agree;
  F->Answer = C.Answer;
  F->Show();
  HWND Wnd = F->GetHandle();
  F->Close();
  EXPECT_EQ(F->Closes, C.Agree ? 1 : 0);
  // A freed form goes once the messages waiting have been handled.
  EXPECT_TRUE(InScreen(F));
  Desk->PumpUntilIdle();
  EXPECT_EQ(InScreen(F), !C.Freed);
  EXPECT_EQ(IsWindow(Wnd) != 0, !C.Freed);
  if (C.Freed) return;
  EXPECT_EQ(IsWindowVisible(Wnd) != 0, C.Visible);
  EXPECT_EQ(IsIconic(Wnd) != 0, C.Minimized);
  EXPECT_EQ(F->GetWindowState() == wsMinimized, C.Minimized);
}

const TActionCase kActionCases[] = {
    {"Refused", false, caHide, true, false, false},
    {"None", true, caNone, true, false, false},
    {"Hide", true, caHide, false, false, false},
    {"Minimize", true, caMinimize, true, true, false},
    {"Free", true, caFree, false, false, true},
};

INSTANTIATE_TEST_SUITE_P(Actions, TCloseActions, ::testing::ValuesIn(kActionCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(TFormsTest, ReleaseOfAFormFreedMeanwhileIsIgnored) {
  TForm* F = NewForm();
  TForm* Other = NewForm();
  F->Show();
  F->Release();
  F->Free();
  Desk->PumpUntilIdle();
  EXPECT_TRUE(InScreen(Other));
  EXPECT_EQ(Screen->FormCount(), 1);
}

TEST_F(TFormsTest, ReleaseFromItsOwnHandler) {
  struct TSelfFreeing : TForm {
    explicit TSelfFreeing(TComponent* O) : TForm(O) {
      OnClick = MakeEvent<&TSelfFreeing::Clicked>(this);
    }
    void Clicked(TObject*) { Release(); }
  };
  auto* F = Create<TSelfFreeing>(Application);
  F->SetBounds(10, 10, 100, 100);
  F->SetBorderStyle(bsNone);
  F->Show();
  Desk->Click(50, 50);
  Desk->PumpUntilIdle();
  EXPECT_FALSE(InScreen(F));
}
