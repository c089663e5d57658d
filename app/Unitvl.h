// TFormVL: the guide line. A frameless, translucent, top-most window filled
// by one shape whose pen colours the line; its look is all in its form
// definition, its place, size, colour and alpha are set from outside by
// the control window and the menu commands.
#pragma once

#include "framework/forms/Form.h"

class TShape;

class TFormVL : public TForm {
  TAVREL_CLASS(TFormVL, TForm)
public:
  explicit TFormVL(TComponent* AOwner) : TForm(AOwner) {}

  TShape* Shape1 = nullptr;
};

extern TFormVL* FormVL;
