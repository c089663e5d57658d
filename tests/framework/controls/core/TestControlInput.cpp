#include "CoreTestSupport.h"

#include "framework/runtime/Exceptions.h"

namespace {

struct TEventLog : TObject {
  std::vector<std::string> Lines;
  void Click(TObject* Sender) { Lines.push_back(Name(Sender) + ".Click"); }
  void Down(TObject* Sender, TMouseButton B, TShiftState, int X, int Y) {
    Lines.push_back(Name(Sender) + ".Down" + std::to_string(int(B)) + "@" + std::to_string(X) +
                    "," + std::to_string(Y));
  }
  static std::string Name(TObject* O) { return static_cast<TComponent*>(O)->GetName(); }
};

class TControlInputTest : public TControlCoreTest {
protected:
  void SetUp() override {
    TControlCoreTest::SetUp();
    Host = Create<TCoreHost>(Owner());
    Host->SetName("Host");
    Shape = Create<TSwatch>(Owner());
    Shape->SetName("Shape");
    Shape->SetParent(Host);
    Shape->SetBounds(10, 10, 20, 20);
    Host->Place(100, 200, 100, 80);
    for (TControl* C : std::initializer_list<TControl*>{Host, Shape}) {
      C->OnClick = MakeEvent<&TEventLog::Click>(&Log);
      C->OnMouseDown = MakeEvent<&TEventLog::Down>(&Log);
    }
    Desk->PumpUntilIdle();
  }
  TCoreHost* Host = nullptr;
  TSwatch* Shape = nullptr;
  TEventLog Log;
};

TEST_F(TControlInputTest, MouseMessagesGoToTheNonWindowedChildUnderThePointer) {
  Desk->Click(100 + 15, 200 + 12);
  Desk->PumpUntilIdle();
  Desk->Click(100 + 50, 200 + 50);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Log.Lines, (std::vector<std::string>{"Shape.Down0@5,2", "Shape.Click",
                                                 "Host.Down0@50,50", "Host.Click"}));
}

TEST_F(TControlInputTest, APressThatLeavesTheControlDoesNotClick) {
  Desk->MouseMove(100 + 15, 200 + 15);
  Desk->MouseDown();
  Desk->MouseMove(100 + 80, 200 + 70);
  Desk->MouseUp();
  Desk->PumpUntilIdle();
  EXPECT_EQ(Log.Lines, (std::vector<std::string>{"Shape.Down0@5,5"}));
}

TEST_F(TControlInputTest, ARightClickOnAChildWithoutMenuPopsUpTheParentsMenu) {
  auto* Menu = Create<TRecordingMenu>(Owner());
  Host->SetPopupMenu(Menu);
  Desk->Click(100 + 15, 200 + 15, 1);
  Desk->PumpUntilIdle();
  ASSERT_EQ(Menu->Calls.size(), 1u);
  EXPECT_EQ(Menu->Calls[0].At, (TPoint{115, 215}));
  EXPECT_EQ(Menu->Calls[0].Component, Host);
  EXPECT_EQ(Menu->GetPopupPoint(), (TPoint{115, 215}));
}

TEST_F(TControlInputTest, AChildsOwnMenuComesFirst) {
  auto* HostMenu = Create<TRecordingMenu>(Owner());
  auto* ShapeMenu = Create<TRecordingMenu>(Owner());
  Host->SetPopupMenu(HostMenu);
  Shape->SetPopupMenu(ShapeMenu);
  Desk->Click(100 + 15, 200 + 15, 1);
  Desk->Click(100 + 60, 200 + 15, 1);
  Desk->PumpUntilIdle();
  ASSERT_EQ(ShapeMenu->Calls.size(), 1u);
  EXPECT_EQ(ShapeMenu->Calls[0].Component, Shape);
  ASSERT_EQ(HostMenu->Calls.size(), 1u);
  EXPECT_EQ(HostMenu->Calls[0].At, (TPoint{160, 215}));
}

TEST_F(TControlInputTest, TheKeyboardsMenuOpensAtTheClientOrigin) {
  auto* Menu = Create<TRecordingMenu>(Owner());
  Host->SetPopupMenu(Menu);
  SendMessage(Host->GetHandle(), WM_CONTEXTMENU, WPARAM(Host->GetHandle()), LPARAM(-1));
  ASSERT_EQ(Menu->Calls.size(), 1u);
  EXPECT_EQ(Menu->Calls[0].At, (TPoint{100, 200}));
}

TEST_F(TControlInputTest, AutoPopupOffAndHandledContextPopupsStopTheMenu) {
  auto* Menu = Create<TRecordingMenu>(Owner());
  Host->SetPopupMenu(Menu);
  Menu->SetAutoPopup(false);
  Desk->Click(100 + 60, 200 + 60, 1);
  Desk->PumpUntilIdle();
  EXPECT_TRUE(Menu->Calls.empty());

  struct THandler : TObject {
    TPoint Seen{};
    void Popup(TObject*, TPoint P, bool& Handled) {
      Seen = P;
      Handled = true;
    }
  } Handler;
  Menu->SetAutoPopup(true);
  Host->OnContextPopup = MakeEvent<&THandler::Popup>(&Handler);
  Desk->Click(100 + 60, 200 + 61, 1);
  Desk->PumpUntilIdle();
  EXPECT_TRUE(Menu->Calls.empty());
  EXPECT_EQ(Handler.Seen, (TPoint{60, 61}));
}

TEST_F(TControlInputTest, AFreedMenuIsForgottenByTheControlsThatNamedIt) {
  auto* Other = new TComponent(nullptr);
  auto* Menu = Create<TRecordingMenu>(Other);
  Host->SetPopupMenu(Menu);
  Shape->SetPopupMenu(Menu);
  Other->Free();
  EXPECT_EQ(Host->GetPopupMenu(), nullptr);
  EXPECT_EQ(Shape->GetPopupMenu(), nullptr);
  Desk->Click(100 + 15, 200 + 15, 1); // no dangling menu is reached
  Desk->PumpUntilIdle();
}

TEST_F(TControlInputTest, TheCursorIsTheOneOfTheControlUnderThePointer) {
  Shape->SetCursor(crNo);
  Desk->MouseMove(100 + 15, 200 + 15);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->CursorShape(), int(reinterpret_cast<std::uintptr_t>(IDC_NO)));
  Desk->MouseMove(100 + 60, 200 + 60);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->CursorShape(), int(reinterpret_cast<std::uintptr_t>(IDC_ARROW)));
}

TEST_F(TControlInputTest, WithoutAnApplicationAHandlersExceptionReachesTheCaller) {
  struct TThrower : TObject {
    void Click(TObject*) { throw EInvalidOperation("boom"); }
  } Thrower;
  Host->OnClick = MakeEvent<&TThrower::Click>(&Thrower);
  EXPECT_THROW(
      {
        Desk->Click(100 + 60, 200 + 60);
        Desk->PumpUntilIdle();
      },
      EInvalidOperation);
}

} // namespace
