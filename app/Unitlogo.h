// TFormLogo: the small translucent logo that travels with the line. The
// picture is stored inside its form definition; Tag holds the logo
// command's on/off state (1 shown, 0 hidden by the user).
#pragma once

#include "framework/forms/Form.h"

class TImage;

class TFormLogo : public TForm {
  TAVREL_CLASS(TFormLogo, TForm)
public:
  explicit TFormLogo(TComponent* AOwner) : TForm(AOwner) {}
  TFormLogo(TComponent* AOwner, TCreateNew) : TForm(AOwner, CreateNew) {}

  TImage* Image1 = nullptr;
};

extern TFormLogo* FormLogo;
