// The item tree, its properties, change reports and native entries.
#include "MenusTest.h"

#include "framework/menus/MenuCommands.h"
#include "framework/menus/ShortCuts.h"

namespace {

using namespace menustest;

class TMenuClickProbe : public TObject {
public:
  void Clicked(TObject* Sender) {
    ++Clicks;
    CheckedSeen = static_cast<TMenuItem*>(Sender)->GetChecked();
    if (FreeSender) static_cast<TMenuItem*>(Sender)->Free();
  }
  int Clicks = 0;
  bool CheckedSeen = false;
  bool FreeSender = false;
};

class TMenuItems : public TMenusTest {};

TEST_F(TMenuItems, CommandPoolTakesLowestFreeAndReusesIt) {
  std::uint16_t A = MenuCommandAllocate(), B = MenuCommandAllocate();
  EXPECT_NE(A, 0);
  EXPECT_LT(A, B);
  MenuCommandRelease(A);
  EXPECT_FALSE(MenuCommandInUse(A));
  EXPECT_EQ(MenuCommandAllocate(), A);
  MenuCommandRelease(A);
  MenuCommandRelease(B);

  auto* First = Create<TMenuItem>(Application);
  auto* Second = Create<TMenuItem>(Application);
  std::uint16_t Freed = First->GetCommand();
  EXPECT_NE(Freed, Second->GetCommand());
  First->Free();
  auto* Third = Create<TMenuItem>(Application);
  EXPECT_EQ(Third->GetCommand(), Freed);
}

struct TClickCase {
  bool Enabled, AutoCheck, CheckedBefore;
  int Clicks;
  bool CheckedInHandler, CheckedAfter;
};

TEST_F(TMenuItems, ClickTogglesAutoCheckBeforeOnClick) {
  const TClickCase Cases[] = {
      {true, false, false, 1, false, false},  {true, true, false, 1, true, true},
      {true, true, true, 1, false, false},    {false, true, true, 0, false, true},
      {false, false, false, 0, false, false},
  };
  for (const TClickCase& C : Cases) {
    TMenuClickProbe Probe;
    auto* Item = Create<TMenuItem>(Application);
    Item->SetEnabled(C.Enabled);
    Item->SetAutoCheck(C.AutoCheck);
    Item->SetChecked(C.CheckedBefore);
    Item->OnClick = MakeEvent<&TMenuClickProbe::Clicked>(&Probe);
    Item->Click();
    EXPECT_EQ(Probe.Clicks, C.Clicks);
    if (C.Clicks) {
      EXPECT_EQ(Probe.CheckedSeen, C.CheckedInHandler);
    }
    EXPECT_EQ(Item->GetChecked(), C.CheckedAfter);
    Item->Free();
  }
}

TEST_F(TMenuItems, RadioItemsOfOneGroupExcludeEachOther) {
  auto* Menu = Create<TPopupMenu>(Application);
  TMenuItem* Root = Menu->GetItems();
  TMenuItem* R1 = AddItem(Root, "R1");
  TMenuItem* R2 = AddItem(Root, "R2");
  TMenuItem* Other = AddItem(Root, "Other group");
  TMenuItem* Plain = AddItem(Root, "Plain");
  for (TMenuItem* I : {R1, R2, Other}) I->SetRadioItem(true);
  for (TMenuItem* I : {R1, R2, Plain}) I->SetGroupIndex(1);
  Other->SetGroupIndex(2);
  for (TMenuItem* I : {R1, Other, Plain}) I->SetChecked(true);
  R2->SetChecked(true);
  EXPECT_FALSE(R1->GetChecked());
  EXPECT_TRUE(R2->GetChecked());
  EXPECT_TRUE(Other->GetChecked());
  EXPECT_TRUE(Plain->GetChecked());
  // GroupIndex alone makes nothing exclusive.
  R2->SetRadioItem(false);
  R1->SetRadioItem(false);
  R1->SetChecked(true);
  EXPECT_TRUE(R2->GetChecked());
}

TEST_F(TMenuItems, ChangesReportSourceAndRebuild) {
  auto* Menu = Create<TRecordingMenu>(Application);
  TMenuItem* Root = Menu->GetItems();
  Menu->Changes.clear();
  TMenuItem* Top = AddItem(Root, "Top");
  TMenuItem* Sub = AddItem(Top, "Sub");
  Menu->Changes.clear();
  Top->SetCaption("Top 2");
  Sub->SetChecked(true);
  Sub->SetHint("no report");
  Sub->SetVisible(false);
  Top->Delete(0);
  Menu->SetOwnerDraw(true);
  std::vector<TChange> Want = {
      {Top, true}, {Sub, false}, {Sub, true}, {Sub, true}, {nullptr, true}};
  EXPECT_EQ(Menu->Changes, Want);
  Sub->Free();
}

TEST_F(TMenuItems, TreeOperationsRefuseBadInput) {
  auto* Menu = Create<TPopupMenu>(Application);
  TMenuItem* Root = Menu->GetItems();
  TMenuItem* A = AddItem(Root, "A");
  TMenuItem* B = AddItem(A, "B");
  auto* Loose = Create<TMenuItem>(Application);
  EXPECT_THROW(Root->Add(B), EMenuError);
  EXPECT_THROW(B->Add(A), EMenuError);
  EXPECT_THROW(Root->Insert(5, Loose), EMenuError);
  EXPECT_THROW(Root->Remove(Loose), EMenuError);
  EXPECT_THROW(Root->GetItem(-1), EMenuError);
  EXPECT_THROW(B->Add(Root), EMenuError);
  EXPECT_EQ(Root->Find("a"), A);
  EXPECT_EQ(A->Find("&B"), B);
  EXPECT_EQ(Menu->FindItem(B->GetCommand(), fkCommand), B);
  EXPECT_EQ(B->GetParentMenu(), Menu);
  EXPECT_EQ(B->GetParentComponent(), A);
  EXPECT_EQ(A->GetParentComponent(), Menu);
  // Freeing a parent frees its sub-items; their commands return.
  std::uint16_t BCommand = B->GetCommand();
  int Before = Application->ComponentCount();
  A->Free();
  EXPECT_EQ(Application->ComponentCount(), Before - 2);
  EXPECT_FALSE(MenuCommandInUse(BCommand));
  EXPECT_EQ(Root->GetCount(), 0);
}

TEST_F(TMenuItems, ReaderParentLandsItemsInTheTree) {
  auto* Menu = Create<TPopupMenu>(Application);
  auto* Top = Create<TMenuItem>(Application);
  auto* Sub = Create<TMenuItem>(Application);
  EXPECT_TRUE(Top->HasParent());
  Top->SetParentComponent(Menu);
  Sub->SetParentComponent(Top);
  EXPECT_EQ(Menu->GetItems()->GetItem(0), Top);
  EXPECT_EQ(Top->GetItem(0), Sub);
  EXPECT_THROW(Sub->SetParentComponent(Application), EInvalidCast);
  EXPECT_EQ(Sub->GetParent(), nullptr);
}

TEST_F(TMenuItems, NativeEntriesDescribeVisibleItems) {
  auto* Menu = Create<TPopupMenu>(Application);
  TMenuItem* Root = Menu->GetItems();
  Root->SetAutoHotkeys(maManual);
  TMenuItem* Open = AddItem(Root, "Open");
  Open->SetShortCut(0x4000 | 'O');
  AddItem(Root, "Hidden")->SetVisible(false);
  AddItem(Root, "-");
  TMenuItem* Radio = AddItem(Root, "Radio");
  Radio->SetRadioItem(true);
  Radio->SetChecked(true);
  Radio->SetEnabled(false);
  TMenuItem* Sub = AddItem(Root, "Sub");
  AddItem(Sub, "Leaf")->SetShortCut(VK_F1);
  Sub->SetShortCut(0x71);
  TMenuItem* Def = AddItem(Root, "Def");
  Def->SetDefault(true);
  Def->SetBreak(mbBarBreak);
  AddItem(Root, "Brk")->SetBreak(mbBreak);

  HMENU H = Menu->GetHandle();
  ASSERT_TRUE(IsMenu(H));
  ASSERT_EQ(GetMenuItemCount(H), 6);
  struct TWant {
    const char* Text;
    UINT Type, State;
    TMenuItem* Item;
  } Want[] = {{"Open\tCtrl+O", MFT_STRING, 0, Open},
              {"", MFT_SEPARATOR, 0, nullptr},
              {"Radio", MFT_RADIOCHECK, MFS_CHECKED | MFS_DISABLED, Radio},
              {"Sub", MFT_STRING, 0, Sub},
              {"Def", MFT_MENUBARBREAK, MFS_DEFAULT, Def},
              {"Brk", MFT_MENUBREAK, 0, nullptr}};
  for (UINT Pos = 0; Pos < 6; ++Pos) {
    SCOPED_TRACE(Pos);
    TEntryInfo E = ReadEntry(H, Pos);
    ASSERT_TRUE(E.Ok);
    if (Want[Pos].Type != MFT_SEPARATOR) {
      EXPECT_EQ(E.Text, Want[Pos].Text);
    }
    EXPECT_EQ(E.Info.fType, Want[Pos].Type);
    EXPECT_EQ(E.Info.fState & (MFS_CHECKED | MFS_DISABLED | MFS_DEFAULT), Want[Pos].State);
    if (Want[Pos].Item) {
      EXPECT_EQ(E.Info.wID, Want[Pos].Item->GetCommand());
    }
  }
  EXPECT_EQ(ReadEntry(H, 3).Info.hSubMenu, Sub->GetHandle());
  EXPECT_EQ(ReadEntry(Sub->GetHandle(), 0).Text, "Leaf\tF1");
  // Checked reaches the native entry at once.
  Radio->SetChecked(false);
  EXPECT_EQ(GetMenuState(H, Radio->GetCommand(), MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST_F(TMenuItems, OwnerDrawChangeRebuildsEveryLevel) {
  auto* Menu = Create<TPopupMenu>(Application);
  TMenuItem* Top = AddItem(Menu->GetItems(), "Top");
  AddItem(Top, "Leaf");
  HMENU H = Menu->GetHandle();
  EXPECT_EQ(ReadEntry(Top->GetHandle(), 0).Info.fType & MFT_OWNERDRAW, 0u);
  Menu->SetOwnerDraw(true);
  EXPECT_EQ(ReadEntry(H, 0).Info.fType & MFT_OWNERDRAW, UINT(MFT_OWNERDRAW));
  EXPECT_EQ(ReadEntry(Top->GetHandle(), 0).Info.fType & MFT_OWNERDRAW, UINT(MFT_OWNERDRAW));
  Menu->SetOwnerDraw(false);
  EXPECT_EQ(ReadEntry(Top->GetHandle(), 0).Info.fType & MFT_OWNERDRAW, 0u);
}

TEST_F(TMenuItems, MainMenuBarShowsNoShortCutsAndGoesWhenEmpty) {
  auto* Menu = Create<TMainMenu>(Application);
  TMenuItem* Bar = AddItem(Menu->GetItems(), "File");
  Bar->SetShortCut(0x4000 | 'F');
  HMENU H = Menu->GetHandle();
  EXPECT_EQ(ReadEntry(H, 0).Text, "File");
  Bar->SetVisible(false);
  EXPECT_FALSE(IsMenu(H));
  EXPECT_EQ(Menu->GetHandle(), nullptr);
}

struct TShortCutCase {
  TShortCut Value;
  const char* Text;
};

TEST_F(TMenuItems, ShortCutTextsBothWays) {
  const TShortCutCase Cases[] = {{0x4000 | 'S', "Ctrl+S"},
                                 {0x2000 | VK_F10, "Shift+F10"},
                                 {0x6000 | VK_DELETE, "Shift+Ctrl+Del"},
                                 {0x8000 | '1', "Alt+1"},
                                 {VK_RETURN, "Enter"},
                                 {0x0087, "F24"},
                                 {0xE000 | VK_PRIOR, "Shift+Ctrl+Alt+PgUp"}};
  for (const TShortCutCase& C : Cases) {
    EXPECT_EQ(ShortCutToText(C.Value), C.Text);
    EXPECT_EQ(TextToShortCut(C.Text), C.Value) << C.Text;
  }
  EXPECT_EQ(ShortCutToText(0x65), "5");
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(TextToShortCut("ctrl+s"), 0x4000 | 'S');
  EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut("Bogus"), 0);
}

TEST_F(TMenuItems, StaleOrFreedCommandsDoNothing) {
  auto* Menu = Create<TPopupMenu>(Application);
  TMenuClickProbe Probe;
  Probe.FreeSender = true;
  TMenuItem* Item = AddItem(Menu->GetItems(), "Goes");
  Item->OnClick = MakeEvent<&TMenuClickProbe::Clicked>(&Probe);
  WPARAM Command = Item->GetCommand();
  HWND Wnd = TPopupList::Instance().GetWindow();
  SendMessage(Wnd, WM_COMMAND, Command, 0);
  EXPECT_EQ(Probe.Clicks, 1);
  EXPECT_EQ(Menu->GetItems()->GetCount(), 0);
  SendMessage(Wnd, WM_COMMAND, Command, 0);
  SendMessage(Wnd, WM_COMMAND, 0xFFFF, 0);
  EXPECT_EQ(Probe.Clicks, 1);
}

TEST_F(TMenuItems, MenuSelectSetsTheLongHint) {
  auto* Menu = Create<TPopupMenu>(Application);
  TMenuItem* Item = AddItem(Menu->GetItems(), "Item");
  Item->SetHint("Short|The long hint");
  TMenuItem* Plain = AddItem(Menu->GetItems(), "Plain");
  Plain->SetHint("Whole");
  HMENU H = Menu->GetHandle();
  HWND Wnd = TPopupList::Instance().GetWindow();
  LPARAM L = reinterpret_cast<LPARAM>(H);
  SendMessage(Wnd, WM_MENUSELECT, MAKEWPARAM(Item->GetCommand(), MF_HILITE), L);
  EXPECT_EQ(Application->GetHint(), "The long hint");
  SendMessage(Wnd, WM_MENUSELECT, MAKEWPARAM(Plain->GetCommand(), MF_HILITE), L);
  EXPECT_EQ(Application->GetHint(), "Whole");
  SendMessage(Wnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(Application->GetHint(), "");
}

TEST_F(TMenuItems, MenuCharFindsAcceleratorPosition) {
  auto* Menu = Create<TPopupMenu>(Application);
  TMenuItem* Root = Menu->GetItems();
  AddItem(Root, "&Hidden")->SetVisible(false);
  AddItem(Root, "&One");
  AddItem(Root, "&Two");
  AddItem(Root, "&Three");
  HMENU H = Menu->GetHandle();
  HWND Wnd = TPopupList::Instance().GetWindow();
  LPARAM L = reinterpret_cast<LPARAM>(H);
  EXPECT_EQ(SendMessage(Wnd, WM_MENUCHAR, 'o', L), (MNC_EXECUTE << 16) | 0);
  EXPECT_EQ(SendMessage(Wnd, WM_MENUCHAR, 'T', L), (MNC_SELECT << 16) | 1);
  EXPECT_EQ(SendMessage(Wnd, WM_MENUCHAR, 'h', L) >> 16, MNC_IGNORE);
}

} // namespace
