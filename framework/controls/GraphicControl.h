// TGraphicControl: a control without a window of its own. Its parent
// paints it (Paint, with Canvas on the parent's paint DC, origin moved to
// the control's top-left corner and clipped to its bounds) and passes it
// the mouse messages that fall inside its bounds.
#pragma once

#include "framework/controls/Control.h"

class TCanvas;

class TGraphicControl : public TControl {
  TAVREL_CLASS(TGraphicControl, TControl)
public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;

  TCanvas* GetCanvas() const { return FCanvas; }
  void WndProc(TMessage& Message) override;

protected:
  virtual void Paint() {}
  void WMPaint(TMessage& Message);

private:
  TCanvas* FCanvas;
};
