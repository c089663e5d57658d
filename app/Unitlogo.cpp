// Only the published field: the reader finds Image1's class through it and
// sets it when the component of that name is created.
#include "app/Unitlogo.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Image.h"

TFormLogo* FormLogo = nullptr;

const TClass& TFormLogo::StaticClass() {
  static const TClass Class =
      TClassBuilder<TFormLogo>("TFormLogo").Field("Image1", &TFormLogo::Image1).Build();
  return Class;
}
