#include "framework/controls/CustomControl.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/ControlCanvas.h"

const TClass& TCustomControl::StaticClass() {
  static const TClass Class = TClassBuilder<TCustomControl>("TCustomControl").Build();
  return Class;
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
  auto* Canvas = Create<TControlCanvas>();
  Canvas->SetControl(this);
  FCanvas = Canvas;
  FControlState.Include(csCustomPaint);
}

TCustomControl::~TCustomControl() { FCanvas->Free(); }

void TCustomControl::PaintWindow(HDC DC) {
  static_cast<TControlCanvas*>(FCanvas)->PaintOn(DC, [this] { Paint(); });
}
