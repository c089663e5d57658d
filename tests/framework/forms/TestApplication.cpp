// The application object: making forms, the message loop, and the error
// box for exceptions that escape handlers.
#include "FormsTest.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Panel.h"
#include "framework/forms/DataModule.h"
#include "framework/graphics/Font.h"

#include <cstdint>
#include <stdexcept>

using namespace formstest;

namespace {

class TProbeForm;
TProbeForm* GProbe = nullptr;

// Checks, from its constructor and OnCreate, that the variable it is
// made for already holds it.
class TProbeForm : public TForm {
  TAVREL_CLASS(TProbeForm, TForm)
public:
  explicit TProbeForm(TComponent* AOwner) : TForm(AOwner, CreateNew) {
    SeenInConstructor = GProbe == this;
    OnCreate = MakeEvent<&TProbeForm::FormCreate>(this);
  }
  void FormCreate(TObject*) { SeenInOnCreate = GProbe == this; }
  bool SeenInConstructor = false;
  bool SeenInOnCreate = false;
};

const TClass& TProbeForm::StaticClass() {
  static const TClass Class = TClassBuilder<TProbeForm>("TProbeForm").Build();
  return Class;
}

class TFailingForm : public TForm {
  TAVREL_CLASS(TFailingForm, TForm)
public:
  explicit TFailingForm(TComponent* AOwner) : TForm(AOwner) { throw EReadError("bad definition"); }
};

const TClass& TFailingForm::StaticClass() {
  static const TClass Class = TClassBuilder<TFailingForm>("TFailingForm").Build();
  return Class;
}

// A form without class information of its own: CreateForm would make a
// plain TForm for it.
class TAnonymousForm : public TForm {
public:
  using TForm::TForm;
  int Extra = 42;
};

// What a handler throws when the form is clicked.
enum TThrowKind { ThrowException, ThrowOther, ThrowAbort };

class TThrowingForm : public TForm {
  TAVREL_CLASS(TThrowingForm, TForm)
public:
  explicit TThrowingForm(TComponent* AOwner) : TForm(AOwner, CreateNew) {
    OnClick = MakeEvent<&TThrowingForm::FormClick>(this);
    SetBorderStyle(bsNone);
    SetBounds(0, 0, 200, 200);
  }
  void FormClick(TObject*) {
    ++Clicks;
    if (Kind == ThrowOther) throw std::runtime_error("not shown");
    if (Kind == ThrowAbort) throw EAbort("silent");
    throw Exception(Message);
  }
  TThrowKind Kind = ThrowException;
  std::string Message;
  int Clicks = 0;
};

const TClass& TThrowingForm::StaticClass() {
  static const TClass Class = TClassBuilder<TThrowingForm>("TThrowingForm").Build();
  return Class;
}

class TApplicationTest : public TFormsTest {
protected:
  // The pixels of a window, as the screen shows them.
  std::vector<std::uint32_t> Grab(HWND Wnd) {
    TRect R = WindowRect(Wnd);
    std::vector<std::uint32_t> Pixels;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X) Pixels.push_back(Desk->ScreenPixel(X, Y));
    return Pixels;
  }

  // How the desktop's own error box shows Text under Title.
  std::vector<std::uint32_t> ReferenceBox(const std::string& Text, const std::string& Title) {
    std::vector<std::uint32_t> Pixels;
    // The quit that ended the application's loop would end the box's.
    MSG Pending;
    while (PeekMessage(&Pending, nullptr, 0, 0, PM_REMOVE)) {
    }
    Desk->SetIdleHandler([&] {
      if (HWND Box = MessageBoxWindow(Title.c_str())) {
        Pixels = Grab(Box);
        Desk->PressKey(VK_RETURN);
        return true;
      }
      return false;
    });
    MessageBox(nullptr, Text.c_str(), Title.c_str(), MB_OK | MB_ICONERROR);
    Desk->SetIdleHandler(nullptr);
    return Pixels;
  }

  // Clicks the main form twice (each click's handler throws), answering
  // whatever error box appears, then closes the main form.
  void RunClicks(TThrowingForm* Main, std::vector<std::vector<std::uint32_t>>& Boxes) {
    auto Answer = [&] {
      if (HWND Box = MessageBoxWindow(Application->GetTitle().c_str())) {
        Boxes.push_back(Grab(Box));
        Desk->PressKey(VK_RETURN);
      }
    };
    Script({[&] { Desk->Click(100, 100); }, Answer, [&] { Desk->Click(100, 100); }, Answer,
            [&] { PostMessage(Main->GetHandle(), WM_CLOSE, 0, 0); }});
    Application->Run();
    Desk->SetIdleHandler(nullptr);
  }
};

} // namespace

TEST(ApplicationText, FullStopRule) {
  const std::pair<const char*, const char*> Cases[] = {
      {"Abc", "Abc."}, {"Abc.", "Abc."}, {"Abc!", "Abc!"}, {"", ""},          {"100%", "100%"},
      {"1/2", "1/2."}, {"x y", "x y."},  {"a)", "a)"},     {"a,", "a,"},      {"æ", "æ."},
      {"a-", "a-"},    {"Z", "Z."},      {"end ", "end "}, {"\x7F", "\x7F."},
  };
  for (auto& [In, Out] : Cases) EXPECT_EQ(TApplication::ExceptionText(In), Out) << In;
}

TEST_F(TApplicationTest, CreateFormFillsTheVariableFirstAndTheFirstFormIsMain) {
  TProbeForm* First = nullptr;
  Application->CreateForm(First);
  GProbe = nullptr;
  TDataModule* Module = nullptr;
  Application->CreateForm(Module);
  ASSERT_NE(First, nullptr);
  EXPECT_EQ(Application->GetMainForm(), First);
  EXPECT_NE(Module, nullptr);
  EXPECT_EQ(Module->Owner(), Application);
  EXPECT_EQ(First->Owner(), Application);
  // The probe watches GProbe, the variable it is created for.
  Application->CreateForm(GProbe);
  EXPECT_TRUE(GProbe->SeenInConstructor);
  EXPECT_TRUE(GProbe->SeenInOnCreate);
  EXPECT_EQ(Application->GetMainForm(), First);
  // The main form got its window at once; it is not shown before Run.
  EXPECT_TRUE(First->HandleAllocated());
  EXPECT_FALSE(First->GetVisible());
  GProbe = nullptr;
}

TEST_F(TApplicationTest, DataModuleMadeFirstDoesNotBecomeMain) {
  TDataModule* Module = nullptr;
  Application->CreateForm(Module);
  EXPECT_EQ(Application->GetMainForm(), nullptr);
  TForm* F = nullptr;
  Application->CreateForm(F);
  EXPECT_EQ(Application->GetMainForm(), F);
  F->Free();
  EXPECT_EQ(Application->GetMainForm(), nullptr);
}

TEST_F(TApplicationTest, FailedCreationLeavesTheVariableEmpty) {
  TFailingForm* F = reinterpret_cast<TFailingForm*>(std::uintptr_t(1));
  EXPECT_THROW(Application->CreateForm(F), EReadError);
  EXPECT_EQ(F, nullptr);
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(Screen->FormCount(), 0);
  TAnonymousForm* A = nullptr;
  EXPECT_THROW(Application->CreateForm(A), EInvalidCast);
  EXPECT_EQ(A, nullptr);
  EXPECT_EQ(Application->GetMainForm(), nullptr);
  EXPECT_EQ(Screen->FormCount(), 0);
  TComponent* Plain = nullptr;
  EXPECT_THROW(Application->CreateForm(TObject::StaticClass(), &Plain), EInvalidCast);
}

TEST_F(TApplicationTest, TitleIsTheHiddenWindowsCaption) {
  EXPECT_FALSE(Application->GetTitle().empty());
  Application->SetTitle("Tavrel");
  EXPECT_EQ(Text(Application->GetHandle()), "Tavrel");
}

TEST_F(TApplicationTest, RunShowsTheMainFormAndEndsWithTheQuit) {
  TForm* Main = nullptr;
  Application->CreateForm(Main);
  bool Shown = false;
  Script({[&] { Shown = IsWindowVisible(Main->GetHandle()) != 0; }});
  Application->Run();
  EXPECT_TRUE(Shown);
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(TApplicationTest, ProcessMessagesDispatchesWhatIsWaiting) {
  TForm* F = NewForm();
  F->Show();
  F->Close();
  PostMessage(F->GetHandle(), WM_CLOSE, 0, 0);
  F->Show();
  Application->ProcessMessages();
  EXPECT_FALSE(F->GetVisible());
  EXPECT_FALSE(Application->Terminated());
}

TEST_F(TApplicationTest, ExceptionFromAHandlerIsShownAndTheLoopGoesOn) {
  Application->SetTitle("Tavrel");
  TThrowingForm* Main = nullptr;
  Application->CreateForm(Main);
  Main->Message = "Abc";
  std::vector<std::vector<std::uint32_t>> Boxes;
  RunClicks(Main, Boxes);
  EXPECT_EQ(Main->Clicks, 2);
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_FALSE(Boxes[0].empty());
  EXPECT_EQ(Boxes[0], ReferenceBox("Abc.", "Tavrel"));
  EXPECT_NE(Boxes[0], ReferenceBox("Abc", "Tavrel"));
  EXPECT_NE(Boxes[0], ReferenceBox("Abc.", "Other"));
}

TEST_F(TApplicationTest, AnythingElseShowsAnEmptyBox) {
  Application->SetTitle("Tavrel");
  TThrowingForm* Main = nullptr;
  Application->CreateForm(Main);
  Main->Kind = ThrowOther;
  std::vector<std::vector<std::uint32_t>> Boxes;
  RunClicks(Main, Boxes);
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Boxes[0], ReferenceBox("", "Tavrel"));
}

TEST_F(TApplicationTest, AbortIsSilent) {
  TThrowingForm* Main = nullptr;
  Application->CreateForm(Main);
  Main->Kind = ThrowAbort;
  std::vector<std::vector<std::uint32_t>> Boxes;
  RunClicks(Main, Boxes);
  EXPECT_EQ(Main->Clicks, 2);
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(TApplicationTest, OnExceptionReplacesTheBox) {
  struct TSink : TObject {
    std::vector<std::string> Messages;
    TObject* Sender = nullptr;
    void Caught(TObject* S, const Exception& E) {
      Sender = S;
      Messages.push_back(E.Message());
    }
  } Sink;
  Application->OnException = MakeEvent<&TSink::Caught>(&Sink);
  TThrowingForm* Main = nullptr;
  Application->CreateForm(Main);
  Main->Message = "Handled";
  std::vector<std::vector<std::uint32_t>> Boxes;
  RunClicks(Main, Boxes);
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Sink.Messages, (std::vector<std::string>{"Handled", "Handled"}));
  EXPECT_EQ(Sink.Sender, Main);
  Application->OnException = nullptr;
}

TEST_F(TApplicationTest, HandleExceptionOutsideACatchDoesNothing) {
  Application->HandleException(Application);
  EXPECT_EQ(MessageBoxWindow(Application->GetTitle().c_str()), nullptr);
}

TEST_F(TApplicationTest, OtherWindowsTakeNoInputWhileTheBoxIsOpen) {
  TThrowingForm* Main = nullptr;
  Application->CreateForm(Main);
  TForm* Other = NewForm({300, 300, 400, 400});
  Other->Show();
  bool OtherEnabled = true;
  Script({[&] { Desk->Click(100, 100); },
          [&] {
            OtherEnabled = IsWindowEnabled(Other->GetHandle());
            Desk->PressKey(VK_RETURN);
          },
          [&] { PostMessage(Main->GetHandle(), WM_CLOSE, 0, 0); }});
  Application->Run();
  EXPECT_FALSE(OtherEnabled);
  EXPECT_TRUE(IsWindowEnabled(Other->GetHandle()));
  EXPECT_TRUE(IsWindowEnabled(Main->GetHandle()));
}

TEST_F(TApplicationTest, SettingsChangeRereadsTheMenuFont) {
  NONCLIENTMETRICSA M{};
  M.cbSize = sizeof M;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof M, &M, 0));
  EXPECT_EQ(Screen->GetMenuFont()->GetHeight(), M.lfMenuFont.lfHeight);
  Screen->GetMenuFont()->SetHeight(-99);
  Screen->GetMenuFont()->SetName("Elsewhere");
  // Any announced change of the desktop's settings reaches the hidden
  // window, which has the screen read the menu font again.
  ASSERT_TRUE(SystemParametersInfo(SPI_SETMENUANIMATION, 0, nullptr, SPIF_SENDCHANGE));
  Desk->PumpUntilIdle();
  EXPECT_EQ(Screen->GetMenuFont()->GetHeight(), M.lfMenuFont.lfHeight);
  EXPECT_EQ(Screen->GetMenuFont()->GetName(), M.lfMenuFont.lfFaceName);
}

TEST_F(TApplicationTest, KeyPreviewShowsTheFormTheKeysFirst) {
  struct TKeys : TObject {
    std::vector<std::string> Log;
    void FormKey(TObject*, WORD& Key, TShiftState) {
      Log.push_back(std::string("form ") + char(Key));
      if (Key == 'B') Key = 0;
    }
    void PanelKey(TObject*, WORD& Key, TShiftState) {
      Log.push_back(std::string("panel ") + char(Key));
    }
  } Keys;
  TForm* Main = nullptr;
  Application->CreateForm(Main);
  auto* Panel = Create<TPanel>(Main);
  Panel->SetParent(Main);
  Main->OnKeyDown = MakeEvent<&TKeys::FormKey>(&Keys);
  Panel->OnKeyDown = MakeEvent<&TKeys::PanelKey>(&Keys);
  Main->SetKeyPreview(true);
  Script({[&] {
            Panel->SetFocus();
            Desk->PressKey('A');
            Desk->PressKey('B');
          },
          [&] {
            Main->SetKeyPreview(false);
            Desk->PressKey('C');
          },
          [&] { PostMessage(Main->GetHandle(), WM_CLOSE, 0, 0); }});
  Application->Run();
  EXPECT_EQ(Keys.Log, (std::vector<std::string>{"form A", "panel A", "form B", "panel C"}));
}

TEST_F(TApplicationTest, HintChangesAreAnnounced) {
  struct THints : TObject {
    int Calls = 0;
    void Changed(TObject*) { ++Calls; }
  } Hints;
  Application->OnHint = MakeEvent<&THints::Changed>(&Hints);
  Application->SetHint("Vertikal");
  Application->SetHint("Vertikal");
  Application->SetHint("");
  EXPECT_EQ(Hints.Calls, 2);
  EXPECT_EQ(Application->GetHint(), "");
  Application->OnHint = nullptr;
}

TEST_F(TApplicationTest, InitializeMakesTheHiddenWindowAgainWhenItWentAway) {
  HWND Old = Application->GetHandle();
  Application->Initialize();
  EXPECT_EQ(Application->GetHandle(), Old);
  DestroyWindow(Old);
  Application->Initialize();
  EXPECT_TRUE(IsWindow(Application->GetHandle()));
  EXPECT_NE(Application->GetHandle(), Old);
}

TEST_F(TApplicationTest, ClosingTheApplicationWindowClosesTheMainForm) {
  TForm* Main = nullptr;
  Application->CreateForm(Main);
  Script({[&] { PostMessage(Application->GetHandle(), WM_CLOSE, 0, 0); },
          [&] { ADD_FAILURE() << "the loop went on"; }});
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(IsWindow(Application->GetHandle()));
}
