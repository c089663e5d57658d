#include "framework/controls/SizeConstraints.h"

#include "framework/classes/ClassBuilder.h"

const TClass& TSizeConstraints::StaticClass() {
  using C = TSizeConstraints;
  static const TClass Class = TClassBuilder<C>("TSizeConstraints")
                                  .Property("MaxHeight", &C::GetMaxHeight, &C::SetMaxHeight)
                                  .Default(0)
                                  .Property("MaxWidth", &C::GetMaxWidth, &C::SetMaxWidth)
                                  .Default(0)
                                  .Property("MinHeight", &C::GetMinHeight, &C::SetMinHeight)
                                  .Default(0)
                                  .Property("MinWidth", &C::GetMinWidth, &C::SetMinWidth)
                                  .Default(0)
                                  .Build();
  return Class;
}

void TSizeConstraints::Set(int& Field, int Value) {
  if (Value < 0) Value = 0;
  if (Field == Value) return;
  Field = Value;
  OnChange(this);
}

void TSizeConstraints::Assign(const TPersistent* Source) {
  auto* S = dynamic_cast<const TSizeConstraints*>(Source);
  if (!S) return TPersistent::Assign(Source);
  FMaxHeight = S->FMaxHeight;
  FMaxWidth = S->FMaxWidth;
  FMinHeight = S->FMinHeight;
  FMinWidth = S->FMinWidth;
  OnChange(this);
}

void TSizeConstraints::Constrain(int& Width, int& Height) const {
  if (FMaxWidth > 0 && Width > FMaxWidth) Width = FMaxWidth;
  if (FMinWidth > 0 && Width < FMinWidth) Width = FMinWidth;
  if (FMaxHeight > 0 && Height > FMaxHeight) Height = FMaxHeight;
  if (FMinHeight > 0 && Height < FMinHeight) Height = FMinHeight;
}
