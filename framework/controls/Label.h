// TLabel: a line or paragraph of text drawn on the parent's surface.
//
// With AutoSize (the default) the label takes the size its text needs in
// its font whenever caption, font, word wrapping or accelerator handling
// change; it keeps its left edge (its right edge when right-justified),
// and with WordWrap its width, growing downwards. An "&" underlines the
// next character ("&&" is a literal "&") unless ShowAccelChar is off;
// that character, typed with Alt in the label's form, focuses
// FocusControl.
#pragma once

#include "framework/controls/GraphicControl.h"

#include <string>

TAVREL_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

class TLabel : public TGraphicControl {
  TAVREL_CLASS(TLabel, TGraphicControl)
public:
  explicit TLabel(TComponent* AOwner);

  // Values that name no alignment or layout are ignored.
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TTextLayout GetLayout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  // Transparent: the parent shows through around the text; otherwise the
  // label fills its bounds with Color first.
  bool GetTransparent() const { return !ControlStyle().Contains(csOpaque); }
  void SetTransparent(bool Value);
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);

  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

protected:
  void Paint() override;
  // Draws (or, with DT_CALCRECT, measures) the caption in Rect on the
  // label's canvas.
  virtual void DoDrawText(TRect& Rect, UINT Flags);
  // Takes the size of the text when AutoSize is on.
  virtual void AdjustBounds();

private:
  // The caption as DrawText gets it with these flags: an empty one (or a
  // lone "&") is measured as a blank, so the label keeps a line's height.
  std::string TextFor(UINT Flags) const;
  UINT DrawFlags(UINT Flags) const;
  void CMDialogChar(TMessage& Message);

  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};
