// The position hint of TPropScrollbar and the scroll hook that drives it.
//
// The hint lives from the first track notification of a drag to the end
// of the scroll. Its anchor is fixed on that first track, from the cursor
// and the bar's screen rectangle, and kept for the rest of the drag, so a
// fixed hint does not wander while its text follows the position; in
// shTrack mode the current cursor replaces the anchor at every track. The
// hint always stands 10 pixels right of its anchor, top at the anchor.
#include "components/propscrl/PropScrollbar.h"

#include "framework/controls/HintWindow.h"

namespace {

// The text wraps at this width, as a tool tip does.
constexpr int PropScrollHintMaxWidth = 100;
// Between the hint and the cursor or the bar.
constexpr int PropScrollHintCursorGap = 10;
constexpr int PropScrollHintBarGap = 4;

} // namespace

TPoint TPropScrollbar::FirstAnchor(TPoint Cursor, int W, int H) const {
  const TPoint Bar = ClientToScreen({0, 0});
  const bool Horizontal = GetKind() == sbHorizontal;
  switch (FScrollHintMode) {
  case shFixedLeft:
    if (Horizontal) return {Cursor.X - W - PropScrollHintCursorGap, Cursor.Y};
    return {Bar.X - W - PropScrollHintBarGap, Cursor.Y};
  case shFixedRight:
    if (Horizontal) return {Cursor.X + PropScrollHintCursorGap, Cursor.Y};
    return {Bar.X + GetWidth() + PropScrollHintBarGap, Cursor.Y};
  case shFixedBottom:
    if (Horizontal) return {Cursor.X, Bar.Y + GetHeight() + PropScrollHintBarGap};
    return {Cursor.X, Cursor.Y + PropScrollHintCursorGap};
  case shFixedTop:
    if (Horizontal) return {Cursor.X, Bar.Y - PropScrollHintBarGap - H};
    return {Cursor.X, Cursor.Y - PropScrollHintCursorGap};
  case shTrack: break;
  }
  return Cursor;
}

void TPropScrollbar::TrackHint(int Pos) {
  FHintWindow->SetColor(FScrollHintColor);
  std::string Text = FScrollHintPrefix + " " + std::to_string(Pos);
  OnScrollBarHint(this, Pos, Text);
  const TRect Need = FHintWindow->CalcHintRect(PropScrollHintMaxWidth, Text);
  const int W = Need.Width(), H = Need.Height();
  FHintWindow->SetCaption(Text);
  TPoint Cursor{0, 0};
  GetCursorPos(&Cursor);
  if (!FHintShowing) FHintPos = FirstAnchor(Cursor, W, H);
  const TPoint Anchor = FScrollHintMode == shTrack ? Cursor : FHintPos;
  const int Left = Anchor.X + PropScrollHintCursorGap;
  FHintWindow->ActivateHint({Left, Anchor.Y, Left + W, Anchor.Y + H}, Text);
  FHintShowing = true;
}

void TPropScrollbar::HideHint() {
  FHintWindow->ReleaseHandle();
  FHintShowing = false;
}

void TPropScrollbar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
  // A hint shown before ScrollHint was switched off mid-drag goes too.
  if (ScrollCode == scEndScroll && (FScrollHint || FHintShowing)) HideHint();
  if (ScrollCode == scTrack && FScrollHint) TrackHint(ScrollPos);
  inherited::Scroll(ScrollCode, ScrollPos);
  if (ScrollCode == scEndScroll) SetArrowState(ScrollPos);
}
