// TAboutBox: the About dialog, shown modally by the "Om" command. It has
// no code of its own: the texts, the icon and the default OK button that
// closes it all come from its form definition, and the one instance made
// at start-up is shown again each time.
#pragma once

#include "framework/forms/Form.h"

class TButton;
class TImage;
class TLabel;
class TPanel;

class TAboutBox : public TForm {
  TAVREL_CLASS(TAboutBox, TForm)
public:
  explicit TAboutBox(TComponent* AOwner) : TForm(AOwner) {}

  TPanel* Panel1 = nullptr;
  TImage* ProgramIcon = nullptr;
  TLabel* ProductName = nullptr;
  TLabel* Version = nullptr;
  // The caption label in front of the terms of use.
  TLabel* Copyright = nullptr;
  TLabel* LabelVersion = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TButton* OKButton = nullptr;
};

extern TAboutBox* AboutBox;
