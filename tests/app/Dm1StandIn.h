// A stand-in for the ruler's data module until its unit exists: the class
// publishes the fields and click handlers that the "TDM1" definition
// names, and the menu class the definition names, so that the definition
// reads exactly as the program will read it. Shared by the app tests and
// the reading benchmark.
#pragma once

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/DataModule.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupMenu.h"

#include <string>
#include <utility>
#include <vector>

namespace dm1standin {

// The definition's menu class: a popup menu that stores its version.
class TAdvPopupMenu : public TPopupMenu {
  TAVREL_CLASS(TAdvPopupMenu, TPopupMenu)
public:
  explicit TAdvPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}
  std::string GetVersion() const { return "2.0.0.0"; }
  void SetVersion(const std::string&) {}
};

inline const TClass& TAdvPopupMenu::StaticClass() {
  static const TClass Class =
      TClassBuilder<TAdvPopupMenu>("TAdvPopupMenu")
          .Property("Version", &TAdvPopupMenu::GetVersion, &TAdvPopupMenu::SetVersion)
          .Build();
  return Class;
}

// Named "TDM1" for the reflection, so that it finds the "TDM1" resource.
class TDm1StandIn : public TDataModule {
  TAVREL_CLASS(TDm1StandIn, TDataModule)
public:
  explicit TDm1StandIn(TComponent* AOwner) : TDataModule(AOwner) {}
  TDm1StandIn(TComponent* AOwner, TCreateNew) : TDataModule(AOwner, CreateNew) {}

  TAdvPopupMenu* AdvPopupMenu1 = nullptr;
  TMenuItem *Minimer = nullptr, *N3 = nullptr, *Vertikal1 = nullptr, *Horisontal1 = nullptr,
            *N1 = nullptr, *Linjefarge1 = nullptr, *LF_Black = nullptr, *LF_Yellow = nullptr,
            *Transparens1 = nullptr, *N01 = nullptr, *N251 = nullptr, *N501 = nullptr,
            *N751 = nullptr, *N901 = nullptr, *N2 = nullptr, *Skjullogo1 = nullptr, *N4 = nullptr,
            *Om1 = nullptr;
  std::vector<TObject*> Clicked;
  void Click(TObject* Sender) { Clicked.push_back(Sender); }

  static const std::vector<std::pair<const char*, TMenuItem * TDm1StandIn::*>>& ItemFields() {
    static const std::vector<std::pair<const char*, TMenuItem* TDm1StandIn::*>> Fields = {
        {"Minimer", &TDm1StandIn::Minimer},
        {"N3", &TDm1StandIn::N3},
        {"Vertikal1", &TDm1StandIn::Vertikal1},
        {"Horisontal1", &TDm1StandIn::Horisontal1},
        {"N1", &TDm1StandIn::N1},
        {"Linjefarge1", &TDm1StandIn::Linjefarge1},
        {"LF_Black", &TDm1StandIn::LF_Black},
        {"LF_Yellow", &TDm1StandIn::LF_Yellow},
        {"Transparens1", &TDm1StandIn::Transparens1},
        {"N01", &TDm1StandIn::N01},
        {"N251", &TDm1StandIn::N251},
        {"N501", &TDm1StandIn::N501},
        {"N751", &TDm1StandIn::N751},
        {"N901", &TDm1StandIn::N901},
        {"N2", &TDm1StandIn::N2},
        {"Skjullogo1", &TDm1StandIn::Skjullogo1},
        {"N4", &TDm1StandIn::N4},
        {"Om1", &TDm1StandIn::Om1}};
    return Fields;
  }
};

inline const TClass& TDm1StandIn::StaticClass() {
  static const TClass Class = [] {
    TClassBuilder<TDm1StandIn> B("TDM1");
    B.Field("AdvPopupMenu1", &TDm1StandIn::AdvPopupMenu1);
    for (const auto& [Name, Member] : ItemFields()) B.Field(Name, Member);
    for (const char* Handler :
         {"MinimerClick", "Vertikal1Click", "Horisontal1Click", "LF_BlackClick", "LF_YellowClick",
          "N01Click", "N251Click", "N501Click", "N751Click", "N901Click", "Skjullogo1Click",
          "Om1Click"})
      B.Method<&TDm1StandIn::Click>(Handler);
    return B.Build();
  }();
  return Class;
}

} // namespace dm1standin
