// Only the published field: the reader finds Shape1's class through it and
// sets it when the component of that name is created.
#include "app/Unitvl.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Shape.h"

TFormVL* FormVL = nullptr;

const TClass& TFormVL::StaticClass() {
  static const TClass Class =
      TClassBuilder<TFormVL>("TFormVL").Field("Shape1", &TFormVL::Shape1).Build();
  return Class;
}
