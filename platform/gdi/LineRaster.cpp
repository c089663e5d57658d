// Along the shorter axis, step T lies floor((2*T*m + n - 1) / (2*n))
// pixels from the start, for a segment n steps long that moves m pixels
// across: the nearest pixel, a tie staying on the side of the start as in
// the classic integer form of the algorithm. Both offsets grow
// monotonically with T, which is what lets StepsWithin invert them.
#include "platform/gdi/LineRaster.h"

namespace {

using TWide = __int128;

constexpr std::int64_t kSmall = std::int64_t(1) << 30;

bool Small(std::int64_t A, std::int64_t B) { return A < kSmall && B < kSmall && A > -kSmall; }

// floor(Num / Den) and ceil(Num / Den) for Den > 0.
std::int64_t FloorDiv(TWide Num, TWide Den) {
  TWide Q = Num / Den;
  if ((Num % Den != 0) && (Num < 0)) --Q;
  return std::int64_t(Q);
}
std::int64_t CeilDiv(TWide Num, TWide Den) {
  TWide Q = Num / Den;
  if ((Num % Den != 0) && (Num > 0)) ++Q;
  return std::int64_t(Q);
}

std::int64_t Abs(std::int64_t V) { return V < 0 ? -V : V; }
int SignOf(std::int64_t V) { return (V > 0) - (V < 0); }

} // namespace

TLineRaster::TLineRaster(TPoint64 From, TPoint64 To)
    : FX{From.X, SignOf(To.X - From.X), Abs(To.X - From.X)}, FY{From.Y, SignOf(To.Y - From.Y),
                                                                Abs(To.Y - From.Y)},
      FSteps(std::max(FX.Delta, FY.Delta)) {}

std::int64_t TLineRaster::Offset(const TAxis& A, std::int64_t Step) const {
  if (A.Delta == FSteps) return Step;
  if (A.Delta == 0) return 0;
  if (Small(Step, A.Delta) && FSteps < kSmall)
    return (2 * Step * A.Delta + FSteps - 1) / (2 * FSteps);
  return FloorDiv(TWide(2) * Step * A.Delta + FSteps - 1, TWide(2) * FSteps);
}

std::int64_t TLineRaster::FirstReaching(const TAxis& A, std::int64_t K) const {
  if (K <= 0) return 0;
  std::int64_t T;
  if (A.Delta == FSteps)
    T = K;
  else if (A.Delta == 0)
    T = FSteps;
  else if (Small(K, A.Delta) && FSteps < kSmall)
    T = ((2 * K - 1) * FSteps + 2 * A.Delta) / (2 * A.Delta);
  else
    T = CeilDiv((TWide(2) * K - 1) * FSteps + 1, TWide(2) * A.Delta);
  return std::min(T, FSteps);
}

TPoint64 TLineRaster::At(std::int64_t Step) const {
  return TPoint64{FX.Start + FX.Sign * Offset(FX, Step), FY.Start + FY.Sign * Offset(FY, Step)};
}

bool TLineRaster::StepsWithin(bool Vertical, std::int64_t Lo, std::int64_t Hi, std::int64_t& First,
                              std::int64_t& Last) const {
  const TAxis& A = Vertical ? FY : FX;
  if (FSteps == 0 || Lo > Hi) return false;
  if (A.Sign == 0) {
    First = 0, Last = FSteps - 1;
    return A.Start >= Lo && A.Start <= Hi;
  }
  // Offsets along A that land inside [Lo, Hi].
  std::int64_t OffLo = A.Sign > 0 ? Lo - A.Start : A.Start - Hi;
  std::int64_t OffHi = A.Sign > 0 ? Hi - A.Start : A.Start - Lo;
  First = FirstReaching(A, OffLo);
  Last = FirstReaching(A, OffHi + 1) - 1;
  return First <= Last && First < FSteps;
}
