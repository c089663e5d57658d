// Where the parts of a window's frame lie: the outer frame, the client
// edge, the caption bar, its text and its buttons, in window coordinates
// (the window's top-left corner is (0, 0)). Painting, hit testing and the
// tracking of a pressed caption button all work from this one layout, so a
// button is hit exactly where it is drawn.
#pragma once

#include "platform/WinUser.h"

#include <optional>
#include <vector>

// One caption button.
struct TNcBox {
  LRESULT Hit;  // HTCLOSE, HTMAXBUTTON, HTMINBUTTON or HTHELP
  UINT Kind;    // DFCS_CAPTIONCLOSE, ...MIN, ...MAX, ...RESTORE or ...HELP
  bool Enabled; // a box that is shown but does nothing (drawn inactive)
  TRect Rect;
};

class TNcLayout {
public:
  enum TFrame { NoFrame, BorderFrame, FixedFrame, SizingFrame };

  // The frame the style bits ask for, and its thickness per side.
  static TFrame FrameOf(DWORD Style, DWORD ExStyle);
  static int FrameWidth(TFrame Frame);

  // A window of Width x Height with these styles; NoClose for a class
  // with CS_NOCLOSE (the close box is shown disabled). Minimised and
  // maximised are read from WS_MINIMIZE and WS_MAXIMIZE.
  TNcLayout(DWORD Style, DWORD ExStyle, int Width, int Height, bool NoClose);
  // The layout of an existing window; empty for a bad handle.
  static std::optional<TNcLayout> OfWindow(HWND Wnd);

  TFrame Frame() const { return FFrame; }
  int FrameWidth() const { return FrameWidth(FFrame); }
  bool HasClientEdge() const { return (FExStyle & WS_EX_CLIENTEDGE) != 0; }
  bool HasCaption() const { return FCaption; }
  bool IsSmallCaption() const { return (FExStyle & WS_EX_TOOLWINDOW) != 0; }
  TRect Bounds() const { return TRect{0, 0, FWidth, FHeight}; }
  // The coloured bar; the caption row adds one line below it.
  TRect CaptionBar() const { return FBar; }
  TRect CaptionText() const;
  const std::vector<TNcBox>& Boxes() const { return FBoxes; }
  const TNcBox* FindBox(LRESULT Hit) const;

  // The hit-test code of P given where the client area lies.
  LRESULT HitTest(TPoint P, const TRect& Client) const;

private:
  void PlaceBoxes(bool NoClose);
  void AddBox(LRESULT Hit, UINT Kind, bool Enabled, int& Right, int Gap);
  LRESULT SizingHit(TPoint P) const;

  DWORD FStyle;
  DWORD FExStyle;
  int FWidth;
  int FHeight;
  TFrame FFrame;
  bool FCaption;
  TRect FBar{0, 0, 0, 0};
  std::vector<TNcBox> FBoxes;
};
