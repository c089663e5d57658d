// The controls of every form the screen object knows, forms in the order
// they were made, each form's controls depth first in child order:
//
//   control=NAME form=FORMNAME class=TCLASS rect=L,T,R,B visible=0|1
//     focused=0|1
//
// rect is in screen pixels (a windowed control's window where the desktop
// has it, a graphic control's bounds on its parent's client area);
// visible means the control and every parent up to its form are set
// visible; focused means the control's window has the keyboard focus.
#pragma once

#include <string>
#include <vector>

class TControl;
class TCustomForm;

class TDriveControls {
public:
  static std::vector<std::string> Lines();
  static std::string ControlLine(const TControl* Control, const TCustomForm* Form);
};
