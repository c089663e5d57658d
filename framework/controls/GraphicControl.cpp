#include "framework/controls/GraphicControl.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/ControlCanvas.h"

const TClass& TGraphicControl::StaticClass() {
  static const TClass Class = TClassBuilder<TGraphicControl>("TGraphicControl").Build();
  return Class;
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
  auto* Canvas = Create<TControlCanvas>();
  Canvas->SetControl(this);
  FCanvas = Canvas;
}

TGraphicControl::~TGraphicControl() { FCanvas->Free(); }

void TGraphicControl::WndProc(TMessage& M) {
  if (M.Msg == WM_PAINT) return WMPaint(M);
  TControl::WndProc(M);
}

// The parent's paint DC arrives already moved to this control's origin
// and clipped to its bounds.
void TGraphicControl::WMPaint(TMessage& M) {
  HDC DC = HDC(M.WParam);
  if (!DC) return;
  static_cast<TControlCanvas*>(FCanvas)->PaintOn(DC, [this] { Paint(); });
}
