// Showing and hiding: the wish recorded during creation, OnShow before
// the window appears, activation events, centring on every show and the
// window state of a showing form.
#include "FormsTest.h"

using namespace formstest;

namespace {

std::vector<std::string> GLog;

// Logs its events under its caption.
class TLogForm : public TForm {
public:
  explicit TLogForm(TComponent* AOwner) : TForm(AOwner) {
    OnShow = MakeEvent<&TLogForm::FormShow>(this);
    OnHide = MakeEvent<&TLogForm::FormHide>(this);
    OnActivate = MakeEvent<&TLogForm::FormActivate>(this);
    OnDeactivate = MakeEvent<&TLogForm::FormDeactivate>(this);
  }
  void FormShow(TObject*) {
    GLog.push_back(GetCaption() + ".show");
    VisibleInOnShow = IsWindowVisible(GetHandle()) != 0;
  }
  void FormHide(TObject*) { GLog.push_back(GetCaption() + ".hide"); }
  void FormActivate(TObject*) { GLog.push_back(GetCaption() + ".activate"); }
  void FormDeactivate(TObject*) { GLog.push_back(GetCaption() + ".deactivate"); }
  bool VisibleInOnShow = true;
};

// Asks to be visible from its constructor, as a definition read there
// would.
class TWishForm : public TForm {
public:
  explicit TWishForm(TComponent* AOwner) : TForm(AOwner) {
    OnCreate = MakeEvent<&TWishForm::FormCreate>(this);
    SetVisible(true);
    VisibleInConstructor = GetVisible() || HandleAllocated();
  }
  void FormCreate(TObject*) {
    VisibleInOnCreate = GetVisible();
    Created = true;
  }
  bool VisibleInConstructor = true;
  bool VisibleInOnCreate = true;
  bool Created = false;
};

class TShowingTest : public TFormsTest {
protected:
  void SetUp() override {
    TFormsTest::SetUp();
    GLog.clear();
  }
  TLogForm* NewLogForm(const char* Name, TRect R = {100, 100, 400, 300}) {
    auto* F = Create<TLogForm>(Application);
    F->SetCaption(Name);
    F->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    return F;
  }
};

} // namespace

TEST_F(TShowingTest, VisibleDuringCreationOnlyRecordsTheWish) {
  auto* F = Create<TWishForm>(Application);
  EXPECT_FALSE(F->VisibleInConstructor);
  EXPECT_TRUE(F->Created);
  EXPECT_FALSE(F->VisibleInOnCreate);
  EXPECT_TRUE(F->GetVisible());
  EXPECT_TRUE(IsWindowVisible(F->GetHandle()));
}

TEST_F(TShowingTest, WishWithdrawnDuringCreationLeavesTheFormHidden) {
  struct TUndecided : TWishForm {
    explicit TUndecided(TComponent* O) : TWishForm(O) { SetVisible(false); }
  };
  auto* F = Create<TUndecided>(Application);
  EXPECT_FALSE(F->GetVisible());
  EXPECT_FALSE(F->HandleAllocated());
}

TEST_F(TShowingTest, OnShowRunsBeforeTheWindowAppearsThenItIsActivated) {
  TLogForm* F = NewLogForm("A");
  F->Show();
  EXPECT_FALSE(F->VisibleInOnShow);
  EXPECT_TRUE(IsWindowVisible(F->GetHandle()));
  EXPECT_EQ(GLog, (std::vector<std::string>{"A.show", "A.activate"}));
  EXPECT_EQ(GetActiveWindow(), F->GetHandle());
  EXPECT_EQ(Screen->GetActiveForm(), F);
  EXPECT_TRUE(F->Active());
}

TEST_F(TShowingTest, EveryActivationRaisesOnActivate) {
  TLogForm* A = NewLogForm("A", {0, 0, 200, 200});
  TLogForm* B = NewLogForm("B", {300, 0, 500, 200});
  A->Show();
  B->Show();
  SetActiveWindow(A->GetHandle());
  SetActiveWindow(B->GetHandle());
  EXPECT_EQ(GLog, (std::vector<std::string>{"A.show", "A.activate", "B.show", "A.deactivate",
                                            "B.activate", "B.deactivate", "A.activate",
                                            "A.deactivate", "B.activate"}));
  EXPECT_EQ(Screen->GetActiveForm(), B);
  EXPECT_FALSE(A->Active());
}

TEST_F(TShowingTest, HideRunsOnHideAndShowAgainOnShow) {
  TLogForm* F = NewLogForm("A");
  F->Show();
  F->Hide();
  EXPECT_FALSE(F->GetVisible());
  EXPECT_FALSE(IsWindowVisible(F->GetHandle()));
  F->Show();
  int Shows = 0, Hides = 0;
  for (auto& E : GLog) {
    Shows += E == "A.show";
    Hides += E == "A.hide";
  }
  EXPECT_EQ(Shows, 2);
  EXPECT_EQ(Hides, 1);
}

TEST_F(TShowingTest, ShowBringsTheFormToTheFront) {
  TForm* A = NewForm({0, 0, 200, 200});
  TForm* B = NewForm({100, 100, 300, 300});
  A->Show();
  B->Show();
  EXPECT_EQ(WindowFromPoint(POINT{150, 150}), B->GetHandle());
  A->Show();
  EXPECT_EQ(WindowFromPoint(POINT{150, 150}), A->GetHandle());
  EXPECT_EQ(GetActiveWindow(), A->GetHandle());
}

TEST_F(TShowingTest, ScreenCenterCentresOnEveryShow) {
  TForm* F = NewForm({0, 0, 300, 200});
  F->SetPosition(poScreenCenter);
  F->Show();
  EXPECT_EQ(WindowRect(F->GetHandle()), (TRect{490, 412, 790, 612}));
  F->SetBounds(5, 6, 300, 200);
  EXPECT_EQ(WindowRect(F->GetHandle()).Left, 5);
  F->Hide();
  F->Show();
  EXPECT_EQ(WindowRect(F->GetHandle()), (TRect{490, 412, 790, 612}));
  EXPECT_EQ(F->GetLeft(), 490);
  EXPECT_EQ(F->GetTop(), 412);
}

TEST_F(TShowingTest, CentringKeepsTheWindowOnTheDesktop) {
  Desk->SetScreen(400, 300, 280);
  TForm* Big = NewForm({0, 0, 600, 500});
  Big->SetPosition(poDesktopCenter);
  Big->Show();
  EXPECT_EQ(WindowRect(Big->GetHandle()).Left, 0);
  EXPECT_EQ(WindowRect(Big->GetHandle()).Top, 0);
}

TEST_F(TShowingTest, MainAndOwnerFormCentring) {
  TForm* Main = nullptr;
  Application->CreateForm(Main);
  Main->SetBounds(100, 100, 400, 300);
  Main->Show();
  TForm* Dialog = NewForm({0, 0, 200, 100});
  Dialog->SetPosition(poMainFormCenter);
  Dialog->Show();
  EXPECT_EQ(WindowRect(Dialog->GetHandle()), (TRect{200, 200, 400, 300}));
  TForm* OwnerForm = NewForm({600, 500, 700, 600});
  auto* Owned = Create<TForm>(OwnerForm);
  Owned->SetBounds(0, 0, 50, 50);
  Owned->SetPosition(poOwnerFormCenter);
  Owned->Show();
  EXPECT_EQ(WindowRect(Owned->GetHandle()), (TRect{625, 525, 675, 575}));
}

TEST_F(TShowingTest, MinimisingAShowingForm) {
  TForm* F = NewForm();
  F->Show();
  F->SetWindowState(wsMinimized);
  HWND Wnd = F->GetHandle();
  EXPECT_TRUE(IsIconic(Wnd));
  EXPECT_NE(DumpLineOf(Wnd).find("minimized=1"), std::string::npos) << DumpLineOf(Wnd);
  F->SetWindowState(wsNormal);
  EXPECT_FALSE(IsIconic(Wnd));
  EXPECT_NE(DumpLineOf(Wnd).find("minimized=0"), std::string::npos);
  F->SetWindowState(wsMaximized);
  EXPECT_TRUE(IsZoomed(Wnd));
}

TEST_F(TShowingTest, WindowStateFollowsTheDesktop) {
  TForm* F = NewForm();
  F->Show();
  HWND Wnd = F->GetHandle();
  ShowWindow(Wnd, SW_MINIMIZE);
  EXPECT_EQ(F->GetWindowState(), wsMinimized);
  ShowWindow(Wnd, SW_RESTORE);
  EXPECT_EQ(F->GetWindowState(), wsNormal);
  ShowWindow(Wnd, SW_MAXIMIZE);
  EXPECT_EQ(F->GetWindowState(), wsMaximized);
}

TEST_F(TShowingTest, HiddenFormShowsInItsWindowState) {
  TForm* F = NewForm();
  F->SetWindowState(wsMaximized);
  EXPECT_FALSE(F->HandleAllocated());
  F->Show();
  EXPECT_TRUE(IsZoomed(F->GetHandle()));
  EXPECT_EQ(F->GetWindowState(), wsMaximized);
}

TEST_F(TShowingTest, ChangingVisibleInOnShowIsAnError) {
  std::vector<std::string> Errors;
  struct TSink : TObject {
    std::vector<std::string>* Out = nullptr;
    void Caught(TObject*, const Exception& E) { Out->push_back(E.Message()); }
  } Sink;
  Sink.Out = &Errors;
  Application->OnException = MakeEvent<&TSink::Caught>(&Sink);
  struct TStubborn : TForm {
    explicit TStubborn(TComponent* O) : TForm(O) { OnShow = MakeEvent<&TStubborn::Shown>(this); }
    void Shown(TObject*) { SetVisible(false); }
  };
  auto* F = Create<TStubborn>(Application);
  F->Show();
  EXPECT_EQ(Errors, (std::vector<std::string>{"Cannot change Visible in OnShow or OnHide"}));
  EXPECT_TRUE(IsWindowVisible(F->GetHandle()));
  Application->OnException = nullptr;
}
