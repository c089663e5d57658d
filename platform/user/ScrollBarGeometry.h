// Where the parts of a scroll bar lie: two arrow buttons at the ends, the
// track between them and the thumb on the track. Arithmetic on the bar's
// client rectangle, its numbers and the arrow metric, shared by painting,
// hit testing and dragging so that the three always agree.
//
// Positions map to thumb offsets linearly, rounded to the nearest pixel
// both ways, so a thumb dragged to an offset shows at that very offset
// whenever the range has at least as many positions as the track pixels.
#pragma once

#include "platform/WinTypes.h"

class TScrollBarGeometry {
public:
  // The parts for a bar filling Client (client coordinates), showing Pos
  // within Min..Max with page Page.
  static TScrollBarGeometry Compute(const TRect& Client, bool Vertical, int Min, int Max, UINT Page,
                                    int Pos);

  // The shortest thumb; a page too small for it still gets it.
  static constexpr int kMinThumb = 8;

  bool Vertical = false;
  TRect Client{0, 0, 0, 0};
  // The decreasing (left or top) and increasing (right or bottom) arrows.
  TRect UpArrow{0, 0, 0, 0};
  TRect DownArrow{0, 0, 0, 0};
  // Between the arrows; the thumb slides along it.
  TRect Track{0, 0, 0, 0};
  // No thumb when nothing can scroll (an empty range, a page covering it)
  // or when the track is shorter than the thumb.
  bool HasThumb = false;
  TRect Thumb{0, 0, 0, 0};

  // Coordinates of a point along and across the bar.
  int Along(TPoint P) const { return Vertical ? P.Y : P.X; }
  int Across(TPoint P) const { return Vertical ? P.X : P.Y; }
  int Thickness() const { return Vertical ? Client.Width() : Client.Height(); }
  int TrackStart() const { return Vertical ? Track.Top : Track.Left; }
  int ThumbStart() const { return Vertical ? Thumb.Top : Thumb.Left; }
  int ThumbEnd() const { return Vertical ? Thumb.Bottom : Thumb.Right; }
  // The pixels the thumb can move.
  int Travel() const { return FTravel; }
  // The trough between the decreasing arrow and the thumb, and between the
  // thumb and the increasing arrow. Without a thumb the first is the whole
  // track and the second is empty.
  TRect TroughBefore() const;
  TRect TroughAfter() const;

  // Thumb offset from the start of the track for a position, and the
  // position whose thumb lies nearest to an offset (clamped to the ends).
  int OffsetOfPos(int Pos) const;
  int PosAtOffset(int Offset) const;

private:
  // Positions the thumb can take above Min: Max - Min - max(Page - 1, 0).
  long long FSteps = 0;
  int FMin = 0;
  int FTravel = 0;

  // A part of the bar from Start to End along it, full thickness across.
  TRect Span(int Start, int End) const;
};
