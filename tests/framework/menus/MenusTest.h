// Helpers of the framework menu tests: a fixture with the framework
// started on a fresh headless desktop, items made from short tables, the
// command menu of the ruler, and a recorder of menu change reports.
#pragma once

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/FormsTest.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupList.h"
#include "framework/menus/PopupMenu.h"

#include <map>
#include <string>
#include <vector>

namespace menustest {

inline TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption,
                          TComponent* Owner = nullptr) {
  auto* Item = Create<TMenuItem>(Owner ? Owner : Application);
  Item->SetCaption(Caption);
  Parent->Add(Item);
  return Item;
}

inline std::vector<std::string> Captions(const TMenuItem* Parent) {
  std::vector<std::string> V;
  for (int I = 0; I < Parent->GetCount(); ++I) V.push_back(Parent->GetItem(I)->GetCaption());
  return V;
}

// The native entry at a position, with its text.
struct TEntryInfo {
  BOOL Ok = FALSE;
  MENUITEMINFOA Info{};
  std::string Text;
};
inline TEntryInfo ReadEntry(HMENU Menu, UINT Pos) {
  TEntryInfo E;
  char Buf[256] = {};
  E.Info.cbSize = sizeof(MENUITEMINFOA);
  E.Info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
  E.Info.dwTypeData = Buf;
  E.Info.cch = sizeof Buf;
  E.Ok = GetMenuItemInfo(Menu, Pos, TRUE, &E.Info);
  E.Text = Buf;
  E.Info.dwTypeData = nullptr;
  return E;
}

// The ruler's command menu: name → item, built under Menu's root.
struct TCommandMenu {
  std::map<std::string, TMenuItem*> Items;
  TMenuItem* operator[](const std::string& Name) const { return Items.at(Name); }
};

inline TCommandMenu BuildCommandMenu(TMenu* Menu) {
  struct TRow {
    const char* Name;
    const char* In;
    const char* Caption;
    int Group;
    bool Checked, Default, AutoCheck;
  };
  static const TRow Rows[] = {
      {"Minimer", "", "Minimer", 0, false, false, false},
      {"N3", "", "-", 0, false, false, false},
      {"Vertikal1", "", "Vertikal", 1, true, true, false},
      {"Horisontal1", "", "Horisontal", 1, false, false, false},
      {"N1", "", "-", 1, false, false, false},
      {"Linjefarge1", "", "Linjefarge..", 1, false, false, false},
      {"LF_Black", "Linjefarge1", "Svart", 2, true, true, true},
      {"LF_Yellow", "Linjefarge1", "Gul", 2, false, false, false},
      {"Transparens1", "", "Transparens..", 1, false, false, false},
      {"N01", "Transparens1", "0 %", 3, false, false, true},
      {"N251", "Transparens1", "25 %", 3, false, false, true},
      {"N501", "Transparens1", "50 %", 3, false, false, true},
      {"N751", "Transparens1", "75 %", 3, true, true, true},
      {"N901", "Transparens1", "90 %", 3, false, false, false},
      {"N2", "", "-", 1, false, false, false},
      {"Skjullogo1", "", "Skjul logo", 1, false, false, false},
      {"N4", "", "-", 1, false, false, false},
      {"Om1", "", "Om", 1, false, false, false},
  };
  TCommandMenu M;
  for (const TRow& R : Rows) {
    TMenuItem* Parent = *R.In ? M[R.In] : Menu->GetItems();
    TMenuItem* Item = AddItem(Parent, R.Caption, Menu->Owner());
    Item->SetName(R.Name);
    Item->SetGroupIndex(std::uint8_t(R.Group));
    Item->SetChecked(R.Checked);
    Item->SetDefault(R.Default);
    Item->SetAutoCheck(R.AutoCheck);
    M.Items[R.Name] = Item;
  }
  return M;
}

struct TChange {
  TMenuItem* Source;
  bool Rebuild;
  bool operator==(const TChange&) const = default;
};

// Records the change reports a menu's MenuChanged receives.
class TRecordingMenu : public TPopupMenu {
  TAVREL_CLASS(TRecordingMenu, TPopupMenu)
public:
  using TPopupMenu::TPopupMenu;
  void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override {
    Changes.push_back({Source, Rebuild});
    TPopupMenu::MenuChanged(Sender, Source, Rebuild);
  }
  std::vector<TChange> Changes;
};

class TMenusTest : public formstest::TFormsTest {
protected:
  // The screen rectangle of entry Pos of a showing menu.
  static TRect EntryRect(HMENU Menu, UINT Pos) {
    TRect R{0, 0, 0, 0};
    GetMenuItemRect(nullptr, Menu, Pos, &R);
    return R;
  }
  void HoverEntry(HMENU Menu, UINT Pos) {
    TRect R = EntryRect(Menu, Pos);
    Desk->MouseMove((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }
  void ClickEntry(HMENU Menu, UINT Pos) {
    TRect R = EntryRect(Menu, Pos);
    Desk->Click((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }
  // Runs each step when the menu loop falls idle; afterwards the loop
  // is told there is nothing more.
  void MenuScript(std::vector<std::function<void()>> Steps) {
    auto All = std::make_shared<std::vector<std::function<void()>>>(std::move(Steps));
    auto Next = std::make_shared<std::size_t>(0);
    Desk->SetIdleHandler([All, Next] {
      if (*Next >= All->size()) return false;
      (*All)[(*Next)++]();
      return true;
    });
  }
  // Delivers what the closed menu posted (the chosen command).
  void DeliverPosted() {
    Desk->SetIdleHandler(nullptr);
    Desk->PumpUntilIdle();
  }
};

} // namespace menustest

inline const TClass& menustest::TRecordingMenu::StaticClass() {
  static const TClass Class = TClassBuilder<TRecordingMenu>("TRecordingMenu").Build();
  return Class;
}
