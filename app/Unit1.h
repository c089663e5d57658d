// TForm1: the control window. A small top-most tool window filled by one
// proportional scrollbar whose position is the guide line's coordinate in
// screen pixels, shown as the window's caption. ApplyOrientation lays the
// line across the whole screen, vertically or horizontally, and places
// this window beside it; the menu commands use the same layout.
#pragma once

#include "framework/forms/Form.h"

#include <string>

class TPropScrollbar;

class TForm1 : public TForm {
  TAVREL_CLASS(TForm1, TForm)
public:
  explicit TForm1(TComponent* AOwner);

  // "Vertikal" (exactly, case-sensitive) lays out a vertical line; any
  // other text a horizontal one. Always puts the line back in the middle.
  void ApplyOrientation(const std::string& Orientation);

  void FormShow(TObject* Sender);
  void FormActivate(TObject* Sender);
  void PropScrollbar1Change(TObject* Sender);

  TPropScrollbar* PropScrollbar1 = nullptr;

private:
  void LayOutVertical();
  void LayOutHorizontal();
  // Keeps the logo 10 pixels right of and below the line's corner.
  void PlaceLogo();

  std::string FOrientation;
};

extern TForm1* Form1;
