// TForm: the form class programs derive their windows from. It adds no
// behaviour to TCustomForm; it publishes the properties and events a form
// definition sets, in the order form definitions list them.
#pragma once

#include "framework/forms/CustomForm.h"

class TForm : public TCustomForm {
  TAVREL_CLASS(TForm, TCustomForm)
public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
  TForm(TComponent* AOwner, TCreateNew) : TCustomForm(AOwner, CreateNew) {}
};
