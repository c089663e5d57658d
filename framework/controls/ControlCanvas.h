// TControlCanvas: a canvas that draws on a control. Outside of painting
// it takes a device context of the control's window when first used (for
// a non-windowed control, its parent's, moved to the control's origin and
// clipped to its bounds) and gives it back with FreeHandle; while a
// control paints, the paint DC is handed to it instead.
#pragma once

#include "framework/graphics/Canvas.h"

#include <functional>

class TControl;

class TControlCanvas : public TCanvas {
  TAVREL_CLASS(TControlCanvas, TCanvas)
public:
  TControlCanvas() = default;
  ~TControlCanvas() override;

  TControl* GetControl() const { return FControl; }
  void SetControl(TControl* AControl);
  // Releases a DC this canvas took itself.
  void FreeHandle();
  // Runs Paint with the canvas on DC (a paint DC handed to the control),
  // and leaves the canvas without a DC afterwards, also when Paint throws.
  void PaintOn(HDC DC, const std::function<void()>& Paint);

protected:
  void CreateHandle() override;

private:
  TControl* FControl = nullptr;
  HDC FDeviceContext = nullptr;
  HWND FWindowHandle = nullptr;
};
