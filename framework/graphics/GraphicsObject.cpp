#include "framework/graphics/GraphicsObject.h"

#include "framework/classes/ClassBuilder.h"
#include "platform/WinGdi.h"

const TClass& TGraphicsObject::StaticClass() {
  static const TClass Class = TClassBuilder<TGraphicsObject>("TGraphicsObject").Build();
  return Class;
}

TGraphicsObject::~TGraphicsObject() {
  if (FHandle) DeleteObject(FHandle);
}

void TGraphicsObject::Changed() { OnChange(this); }

void TGraphicsObject::DescriptionChanged() {
  HGDIOBJ Old = FHandle;
  FHandle = nullptr;
  struct TDeleteAfter {
    HGDIOBJ Handle;
    ~TDeleteAfter() {
      if (Handle) DeleteObject(Handle);
    }
  } Guard{Old};
  Changed();
}
