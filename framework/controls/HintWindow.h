// THintWindow: a small borderless pop-up that shows a line or two of text
// above every other window without taking the activation, as tool tips
// and the scroll bar's position hint do. It is a top-level window of its
// own (no parent), in the desktop's status-bar font, on Color (the
// desktop's info colour by default) in the info text colour. The mouse
// is meant to pass through it to what lies below (it answers
// HTTRANSPARENT), and a click never activates it.
#pragma once

#include "framework/controls/CustomControl.h"

#include <string>

class THintWindow : public TCustomControl {
  TAVREL_CLASS(THintWindow, TCustomControl)
public:
  explicit THintWindow(TComponent* AOwner);

  // The rectangle (at 0, 0) the text needs when wrapped at word breaks
  // within MaxWidth, with room for the margins.
  virtual TRect CalcHintRect(int MaxWidth, const std::string& Hint);
  // Shows Hint at Rect (screen coordinates, kept on the desktop) on top
  // of everything, without activating.
  virtual void ActivateHint(TRect Rect, const std::string& Hint);
  // Destroys the window: the hint disappears until the next activation.
  void ReleaseHandle();

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;

private:
  // The desktop's status-bar font, in the info text colour.
  void TakeHintFont();
};
