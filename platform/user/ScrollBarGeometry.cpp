// Scroll bar geometry; see ScrollBarGeometry.h.
#include "platform/user/ScrollBarGeometry.h"

#include "platform/WinUser.h"

#include <algorithm>

namespace {

// A * B / C rounded to nearest, for non-negative values whose product may
// not fit 64 bits (ranges span up to 2^32 positions, tracks up to 2^31
// pixels).
long long MulDivRound(long long A, long long B, long long C) {
  __int128 Num = __int128(A) * B;
  return static_cast<long long>((2 * Num + C) / (2 * __int128(C)));
}

} // namespace

TScrollBarGeometry TScrollBarGeometry::Compute(const TRect& Client, bool Vertical, int Min, int Max,
                                               UINT Page, int Pos) {
  TScrollBarGeometry G;
  G.Vertical = Vertical;
  G.Client = Client;
  G.FMin = Min;
  int Length = std::max(0, Vertical ? Client.Height() : Client.Width());
  int Origin = Vertical ? Client.Top : Client.Left;
  int Arrow = std::max(0, GetSystemMetrics(Vertical ? SM_CYVSCROLL : SM_CXHSCROLL));
  if (Length < 2 * Arrow) Arrow = Length / 2;
  G.UpArrow = G.Span(Origin, Origin + Arrow);
  G.DownArrow = G.Span(Origin + Length - Arrow, Origin + Length);
  G.Track = G.Span(Origin + Arrow, Origin + Length - Arrow);

  long long Positions = static_cast<long long>(Max) - Min + 1;
  if (Positions <= 1 || Page >= Positions) return G;
  int TrackLength = Length - 2 * Arrow;
  long long Wanted = Page == 0 ? G.Thickness() : MulDivRound(TrackLength, Page, Positions);
  int ThumbLength = int(std::max<long long>(Wanted, kMinThumb));
  if (ThumbLength > TrackLength) return G;

  G.HasThumb = true;
  G.FSteps = Positions - 1 - std::max<long long>(static_cast<long long>(Page) - 1, 0);
  G.FTravel = TrackLength - ThumbLength;
  int Start = Origin + Arrow + G.OffsetOfPos(Pos);
  G.Thumb = G.Span(Start, Start + ThumbLength);
  return G;
}

TRect TScrollBarGeometry::Span(int Start, int End) const {
  if (Vertical) return TRect{Client.Left, Start, Client.Right, End};
  return TRect{Start, Client.Top, End, Client.Bottom};
}

TRect TScrollBarGeometry::TroughBefore() const {
  if (!HasThumb) return Track;
  return Span(TrackStart(), ThumbStart());
}

TRect TScrollBarGeometry::TroughAfter() const {
  int TrackEnd = Vertical ? Track.Bottom : Track.Right;
  if (!HasThumb) return Span(TrackEnd, TrackEnd);
  return Span(ThumbEnd(), TrackEnd);
}

int TScrollBarGeometry::OffsetOfPos(int Pos) const {
  if (FSteps <= 0 || FTravel <= 0) return 0;
  long long Step = std::clamp<long long>(static_cast<long long>(Pos) - FMin, 0, FSteps);
  return int(MulDivRound(FTravel, Step, FSteps));
}

int TScrollBarGeometry::PosAtOffset(int Offset) const {
  if (FSteps <= 0 || FTravel <= 0) return FMin;
  long long Pixels = std::clamp(Offset, 0, FTravel);
  return int(FMin + MulDivRound(Pixels, FSteps, FTravel));
}
