// TPropScrollbar (unit Propscrl): the native scroll bar with three
// additions for the ruler's control window.
//
// - PageSize goes straight to the native bar, so the thumb's length is the
//   page's share of the range. It hides the base's page size, which stays
//   0 and so never restricts the range; any value is accepted.
// - With AutoArrowDisable, the arrow of an end the position has reached is
//   disabled after loading and at the end of every scroll. Nothing here
//   enables an arrow again: the native bar does that itself when its range
//   is set or it is re-created, and switching AutoArrowDisable off does.
// - With ScrollHint, a small coloured pop-up shows the position while the
//   thumb is dragged: following the cursor (shTrack) or fixed, for the
//   whole drag, beside the place where the drag began (the other modes).
//   OnScrollBarHint may replace its text.
//
// Version is published for form definitions and reads "1.4.0.0" whatever
// is written to it.
#pragma once

#include "framework/controls/ScrollBar.h"

#include <string>

class THintWindow;

TAVREL_ENUM(TScrollHintMode, shTrack, shFixedLeft, shFixedRight, shFixedBottom, shFixedTop)

// The handler may replace HintStr, the text about to be shown for Pos.
using TScrollBarHintEvent = TEvent<void(TObject* Sender, int Pos, std::string& HintStr)>;

class TPropScrollbar : public TScrollBar {
  TAVREL_CLASS(TPropScrollbar, TScrollBar)
public:
  explicit TPropScrollbar(TComponent* AOwner);
  ~TPropScrollbar() override;

  bool GetAutoArrowDisable() const { return FAutoArrowDisable; }
  // True applies the rule to the current position at once; False enables
  // both arrows.
  void SetAutoArrowDisable(bool Value);
  int GetPageSize() const { return FPageSize; }
  // Hands the page to the native bar, creating it if need be (which needs
  // a parent, as every child window does).
  void SetPageSize(int Value);

  bool GetScrollHint() const { return FScrollHint; }
  void SetScrollHint(bool Value) { FScrollHint = Value; }
  const std::string& GetScrollHintPrefix() const { return FScrollHintPrefix; }
  void SetScrollHintPrefix(const std::string& Value) { FScrollHintPrefix = Value; }
  TScrollHintMode GetScrollHintMode() const { return FScrollHintMode; }
  void SetScrollHintMode(TScrollHintMode Value) { FScrollHintMode = Value; }
  TColor GetScrollHintColor() const { return FScrollHintColor; }
  void SetScrollHintColor(TColor Value) { FScrollHintColor = Value; }

  // Major, minor, release and build in the bytes from high to low.
  virtual int GetVersionNr() const;
  std::string GetVersion() const;
  // Ignored: the version is the code's, not the form definition's.
  void SetVersion(const std::string& Value);

  // Whether the position hint is on screen (from the first track of a
  // drag to the end of the scroll).
  bool HintShowing() const { return FHintShowing; }
  // The pop-up itself, for those who want to restyle it (its font).
  THintWindow* HintWindow() const { return FHintWindow; }

  TScrollBarHintEvent OnScrollBarHint;

protected:
  void Loaded() override;
  void CreateWnd() override;
  void Scroll(TScrollCode ScrollCode, int& ScrollPos) override;
  // Disables the arrow of the end Value has reached, when AutoArrowDisable
  // is on; the end after the last page wins when both are reached.
  void SetArrowState(int Value);

private:
  // Shows or moves the hint for a track notification at Pos.
  void TrackHint(int Pos);
  void HideHint();
  // Where the hint's anchor lies on the first track of a drag, for a hint
  // of W x H pixels and the cursor at Cursor.
  TPoint FirstAnchor(TPoint Cursor, int W, int H) const;

  bool FAutoArrowDisable = false;
  int FPageSize = 0;
  bool FScrollHint = false;
  THintWindow* FHintWindow = nullptr;
  bool FHintShowing = false;
  TPoint FHintPos{0, 0};
  std::string FScrollHintPrefix;
  TScrollHintMode FScrollHintMode = shTrack;
  TColor FScrollHintColor = clYellow;
};
