// TCustomControl: a windowed control that paints itself on its Canvas.
#pragma once

#include "framework/controls/WinControl.h"

class TCanvas;

class TCustomControl : public TWinControl {
  TAVREL_CLASS(TCustomControl, TWinControl)
public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;

  TCanvas* GetCanvas() const { return FCanvas; }

protected:
  virtual void Paint() {}
  void PaintWindow(HDC DC) override;

private:
  TCanvas* FCanvas;
};
