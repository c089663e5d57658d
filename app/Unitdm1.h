// TDM1: the data module that holds the command menu, AdvPopupMenu1, and
// its click handlers. The control window's scrollbar and the guide line
// both name the menu as their popup menu. The handlers reach the other
// objects through the program's global variables.
#pragma once

#include "framework/forms/DataModule.h"
#include "framework/graphics/Colors.h"

#include <cstdint>

class TAdvPopupMenu;
class TMenuItem;

class TDM1 : public TDataModule {
  TAVREL_CLASS(TDM1, TDataModule)
public:
  explicit TDM1(TComponent* AOwner) : TDataModule(AOwner) {}
  TDM1(TComponent* AOwner, TCreateNew) : TDataModule(AOwner, CreateNew) {}

  void MinimerClick(TObject* Sender);
  void Vertikal1Click(TObject* Sender);
  void Horisontal1Click(TObject* Sender);
  void LF_BlackClick(TObject* Sender);
  void LF_YellowClick(TObject* Sender);
  void N01Click(TObject* Sender);
  void N251Click(TObject* Sender);
  void N501Click(TObject* Sender);
  void N751Click(TObject* Sender);
  void N901Click(TObject* Sender);
  void Skjullogo1Click(TObject* Sender);
  void Om1Click(TObject* Sender);

  TAdvPopupMenu* AdvPopupMenu1 = nullptr;
  TMenuItem* Minimer = nullptr;
  TMenuItem* N3 = nullptr;
  TMenuItem* Vertikal1 = nullptr;
  TMenuItem* Horisontal1 = nullptr;
  TMenuItem* N1 = nullptr;
  TMenuItem* Linjefarge1 = nullptr;
  TMenuItem* LF_Black = nullptr;
  TMenuItem* LF_Yellow = nullptr;
  TMenuItem* Transparens1 = nullptr;
  TMenuItem* N01 = nullptr;
  TMenuItem* N251 = nullptr;
  TMenuItem* N501 = nullptr;
  TMenuItem* N751 = nullptr;
  TMenuItem* N901 = nullptr;
  TMenuItem* N2 = nullptr;
  TMenuItem* Skjullogo1 = nullptr;
  TMenuItem* N4 = nullptr;
  TMenuItem* Om1 = nullptr;

private:
  // Sets the line's alpha and checks Chosen alone of the five
  // transparency items (none is a radio item).
  void SetTransparency(std::uint8_t Alpha, TMenuItem* Chosen);
  void SetLineColor(TColor Color, TMenuItem* Chosen);
};

extern TDM1* DM1;
