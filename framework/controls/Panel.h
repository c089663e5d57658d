// TPanel: a bevelled area that holds other controls. Outer bevel, a
// border of the panel's colour, inner bevel, then the face with the
// caption in its middle; aligned children lay out inside the bevels.
#pragma once

#include "framework/controls/BorderStyle.h"
#include "framework/controls/CustomControl.h"

TAVREL_ENUM(TPanelBevel, bvNone, bvLowered, bvRaised, bvSpace)

class TPanel : public TCustomControl {
  TAVREL_CLASS(TPanel, TCustomControl)
public:
  explicit TPanel(TComponent* AOwner);

  // Values that name no alignment or bevel are ignored.
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TPanelBevel GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel Value);
  TPanelBevel GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel Value);
  int GetBevelWidth() const { return FBevelWidth; }
  // Widths below 1 are ignored.
  void SetBevelWidth(int Value);
  int GetBorderWidth() const { return FBorderWidth; }
  // Negative widths are ignored.
  void SetBorderWidth(int Value);
  // bsNone or bsSingle (a window border); other styles are ignored.
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // Repaint the whole panel on every resize, not only what the desktop
  // exposes (a panel with a caption always does, as the caption moves).
  bool GetFullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool Value) { FFullRepaint = Value; }
  // Stored for form definitions that name it; no effect here.
  bool GetLocked() const { return FLocked; }
  void SetLocked(bool Value) { FLocked = Value; }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;

private:
  // Border and bevels together, on each side.
  int FrameWidth() const;
  void PaintBevel(TRect& Rect, TPanelBevel Bevel);
  void FrameChanged();
  void PosChanged(TMessage& Message);

  TAlignment FAlignment = taCenter;
  TPanelBevel FBevelInner = bvNone;
  TPanelBevel FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
  bool FFullRepaint = true;
  bool FLocked = false;
};
