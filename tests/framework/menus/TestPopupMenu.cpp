// Popup menus shown on the headless desktop: accelerators of the command
// menu, choosing, owner-draw routing, and menus that change while open.
#include "MenusTest.h"

#include "framework/controls/Panel.h"

namespace {

using namespace menustest;

class TPopupDrawProbe : public TObject {
public:
  void Measure(TObject*, TCanvas*, int& Width, int& Height) {
    ++Measures;
    Width = 120;
    Height = 20;
  }
  void Draw(TObject* Sender, TCanvas*, TRect R, TOwnerDrawState State) {
    Rects[static_cast<TMenuItem*>(Sender)] = R;
    States[static_cast<TMenuItem*>(Sender)] = State;
  }
  void Clicked(TObject* Sender) {
    Clicked_.push_back(static_cast<TMenuItem*>(Sender));
    if (FreeSender) static_cast<TMenuItem*>(Sender)->Free();
  }
  void Popped(TObject* Sender) { PopupPoint = static_cast<TPopupMenu*>(Sender)->GetPopupPoint(); }
  int Measures = 0;
  std::map<TMenuItem*, TRect> Rects;
  std::map<TMenuItem*, TOwnerDrawState> States;
  std::vector<TMenuItem*> Clicked_;
  bool FreeSender = false;
  TPoint PopupPoint{0, 0};
};

class TPopupMenus : public TMenusTest {};

TEST_F(TPopupMenus, CommandMenuAcceleratorsFollowTheCaptions) {
  auto* Menu = Create<TPopupMenu>(Application);
  TCommandMenu M = BuildCommandMenu(Menu);
  HMENU Colour = nullptr, Alpha = nullptr;
  MenuScript({[&] {
                Colour = M["Linjefarge1"]->GetHandle();
                HoverEntry(Menu->GetHandle(), UINT(M["Linjefarge1"]->NativePosition()));
              },
              [&] { Desk->AdvanceTime(1000); },
              [&] { HoverEntry(Menu->GetHandle(), UINT(M["Transparens1"]->NativePosition())); },
              [&] { Desk->AdvanceTime(1000); },
              [&] {
                Alpha = M["Transparens1"]->GetHandle();
                Desk->PressKey(VK_ESCAPE);
                Desk->PressKey(VK_ESCAPE);
              }});
  Menu->Popup(40, 40);
  DeliverPosted();
  EXPECT_EQ(
      Captions(Menu->GetItems()),
      (std::vector<std::string>{"&Minimer", "-", "&Vertikal", "&Horisontal", "-", "&Linjefarge..",
                                "&Transparens..", "-", "&Skjul logo", "-", "&Om"}));
  EXPECT_EQ(Captions(M["Linjefarge1"]), (std::vector<std::string>{"&Svart", "&Gul"}));
  EXPECT_EQ(Captions(M["Transparens1"]),
            (std::vector<std::string>{"&0 %", "&25 %", "&50 %", "&75 %", "&90 %"}));
  EXPECT_EQ(ReadEntry(Colour, 0).Text, "&Svart");
  EXPECT_EQ(ReadEntry(Alpha, 4).Text, "&90 %");

  M["Skjullogo1"]->SetCaption("Vis logo");
  MenuScript({[&] { Desk->PressKey(VK_ESCAPE); }});
  Menu->Popup(40, 40);
  DeliverPosted();
  EXPECT_EQ(M["Skjullogo1"]->GetCaption(), "V&is logo");
}

TEST_F(TPopupMenus, ChosenItemClickedThroughTheCommand) {
  auto* Menu = Create<TPopupMenu>(Application);
  TCommandMenu M = BuildCommandMenu(Menu);
  TPopupDrawProbe Probe;
  M["N751"]->OnClick = MakeEvent<&TPopupDrawProbe::Clicked>(&Probe);
  M["Om1"]->OnClick = MakeEvent<&TPopupDrawProbe::Clicked>(&Probe);
  MenuScript({[&] { ClickEntry(Menu->GetHandle(), UINT(M["Om1"]->NativePosition())); }});
  Menu->Popup(30, 30);
  EXPECT_TRUE(Probe.Clicked_.empty()); // the command is still on its way
  DeliverPosted();
  EXPECT_EQ(Probe.Clicked_, std::vector<TMenuItem*>{M["Om1"]});

  // Keys: into the transparency sub-menu, "7" chooses the AutoCheck item.
  MenuScript({[&] { Desk->PressKey('T', 't'); }, [&] { Desk->PressKey('7', '7'); }});
  Menu->Popup(30, 30);
  DeliverPosted();
  ASSERT_EQ(Probe.Clicked_.size(), 2u);
  EXPECT_EQ(Probe.Clicked_[1], M["N751"]);
  EXPECT_FALSE(M["N751"]->GetChecked());
}

TEST_F(TPopupMenus, OwnerDrawEventsGetRectanglesAndStates) {
  auto* Menu = Create<TPopupMenu>(Application);
  Menu->SetOwnerDraw(true);
  TPopupDrawProbe Probe;
  TMenuItem* Items[3];
  const char* Names[] = {"First", "Disabled", "Checked"};
  for (int I = 0; I < 3; ++I) {
    Items[I] = AddItem(Menu->GetItems(), Names[I]);
    Items[I]->OnMeasureItem = MakeEvent<&TPopupDrawProbe::Measure>(&Probe);
    Items[I]->OnAdvancedDrawItem = MakeEvent<&TPopupDrawProbe::Draw>(&Probe);
  }
  Items[1]->SetEnabled(false);
  Items[2]->SetChecked(true);
  MenuScript({[&] { HoverEntry(Menu->GetHandle(), 0); }, [&] { Desk->PressKey(VK_ESCAPE); }});
  Menu->Popup(50, 60);
  DeliverPosted();
  EXPECT_EQ(Probe.Measures, 3);
  ASSERT_EQ(Probe.Rects.size(), 3u);
  for (int I = 0; I < 3; ++I) {
    SCOPED_TRACE(I);
    TRect R = Probe.Rects[Items[I]];
    EXPECT_EQ(R.Height(), 20);
    EXPECT_GE(R.Width(), 120);
    if (I > 0) {
      EXPECT_EQ(R.Top, Probe.Rects[Items[I - 1]].Bottom);
    }
  }
  EXPECT_TRUE(Probe.States[Items[0]].Contains(odSelected));
  EXPECT_TRUE(Probe.States[Items[1]].Contains(odDisabled));
  EXPECT_TRUE(Probe.States[Items[1]].Contains(odGrayed));
  EXPECT_FALSE(Probe.States[Items[1]].Contains(odSelected));
  EXPECT_TRUE(Probe.States[Items[2]].Contains(odChecked));
}

TEST_F(TPopupMenus, ItemFreeingItselfFromOnClick) {
  auto* Menu = Create<TPopupMenu>(Application);
  TPopupDrawProbe Probe;
  Probe.FreeSender = true;
  TMenuItem* Goes = AddItem(Menu->GetItems(), "Goes");
  AddItem(Menu->GetItems(), "Stays");
  Goes->OnClick = MakeEvent<&TPopupDrawProbe::Clicked>(&Probe);
  MenuScript({[&] { ClickEntry(Menu->GetHandle(), 0); }});
  Menu->Popup(30, 30);
  DeliverPosted();
  EXPECT_EQ(Probe.Clicked_.size(), 1u);
  ASSERT_EQ(Menu->GetItems()->GetCount(), 1);
  MenuScript({[&] { Desk->PressKey(VK_ESCAPE); }});
  Menu->Popup(30, 30);
  DeliverPosted();
  EXPECT_EQ(GetMenuItemCount(Menu->GetHandle()), 1);
}

// The native menu is rebuilt under the open menu window; the loop goes on
// and the next popup shows and chooses the new entry.
TEST_F(TPopupMenus, MenuChangedWhileShowing) {
  auto* Menu = Create<TPopupMenu>(Application);
  TMenuItem* A = AddItem(Menu->GetItems(), "A");
  TMenuItem* B = AddItem(Menu->GetItems(), "B");
  TPopupDrawProbe Probe;
  MenuScript({[&] {
                A->SetCaption("Renamed");
                B->Free();
                AddItem(Menu->GetItems(), "Added")->OnClick =
                    MakeEvent<&TPopupDrawProbe::Clicked>(&Probe);
              },
              [&] { HoverEntry(Menu->GetHandle(), 1); }, [&] { Desk->PressKey(VK_ESCAPE); }});
  Menu->Popup(30, 30);
  DeliverPosted();
  EXPECT_EQ(ReadEntry(Menu->GetHandle(), 0).Text, "Renamed");
  EXPECT_EQ(ReadEntry(Menu->GetHandle(), 1).Text, "Added");
  MenuScript({[&] { ClickEntry(Menu->GetHandle(), 1); }});
  Menu->Popup(30, 30);
  DeliverPosted();
  ASSERT_EQ(Probe.Clicked_.size(), 1u);
  EXPECT_EQ(Probe.Clicked_[0]->GetCaption(), "&Added");
}

TEST_F(TPopupMenus, EmptyMenuShowsNothing) {
  auto* Menu = Create<TPopupMenu>(Application);
  TPopupDrawProbe Probe;
  Menu->OnPopup = MakeEvent<&TPopupDrawProbe::Popped>(&Probe);
  AddItem(Menu->GetItems(), "-");
  Menu->Popup(10, 20);
  EXPECT_EQ(Probe.PopupPoint, (TPoint{10, 20}));
  EXPECT_EQ(FindWindow("#32768", nullptr), nullptr);
}

TEST_F(TPopupMenus, KeyboardContextMenuOpensAtClientOrigin) {
  TForm* Form = NewForm({100, 100, 400, 300});
  auto* Panel = Create<TPanel>(Form);
  Panel->SetParent(Form);
  Panel->SetBounds(20, 30, 100, 50);
  auto* Menu = Create<TPopupMenu>(Form);
  TPopupDrawProbe Probe;
  Menu->OnPopup = MakeEvent<&TPopupDrawProbe::Popped>(&Probe);
  Panel->SetPopupMenu(Menu);
  Form->Show();
  Desk->PumpUntilIdle();
  SendMessage(Panel->GetHandle(), WM_CONTEXTMENU, WPARAM(Panel->GetHandle()), MAKELPARAM(-1, -1));
  TPoint Origin{0, 0};
  ClientToScreen(Panel->GetHandle(), &Origin);
  EXPECT_EQ(Probe.PopupPoint, Origin);
  EXPECT_EQ(Menu->GetPopupComponent(), Panel);
  Panel->Free();
  EXPECT_EQ(Menu->GetPopupComponent(), nullptr);
}

struct TFlagCase {
  TPopupAlignment Alignment;
  TTrackButton Button;
  TMenuAnimation Animation;
  UINT Flags;
};

TEST_F(TPopupMenus, TrackFlagsFromAlignmentButtonAndAnimation) {
  const TFlagCase Cases[] = {
      {paLeft, tbRightButton, {}, TPM_RIGHTBUTTON},
      {paRight, tbLeftButton, {}, TPM_RIGHTALIGN},
      {paCenter, tbLeftButton, {maLeftToRight}, TPM_CENTERALIGN | TPM_HORPOSANIMATION},
      {paLeft,
       tbLeftButton,
       {maRightToLeft, maBottomToTop},
       TPM_HORNEGANIMATION | TPM_VERNEGANIMATION},
      {paLeft, tbLeftButton, {maTopToBottom}, TPM_VERPOSANIMATION}};
  auto* Menu = Create<TPopupMenu>(Application);
  for (const TFlagCase& C : Cases) {
    Menu->SetAlignment(C.Alignment);
    Menu->SetTrackButton(C.Button);
    Menu->SetMenuAnimation(C.Animation);
    EXPECT_EQ(Menu->TrackFlags(), C.Flags);
  }
  Menu->SetBiDiMode(bdRightToLeft);
  Menu->SetAlignment(paLeft);
  EXPECT_EQ(Menu->TrackFlags() & 0xC, UINT(TPM_RIGHTALIGN));
}

} // namespace
