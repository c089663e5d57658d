#include "framework/controls/Frame3D.h"

#include "framework/graphics/Canvas.h"

namespace {

void Fill(TCanvas* Canvas, TColor Color, const TRect& R) {
  Canvas->GetBrush()->SetColor(Color);
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->FillRect(R);
}

} // namespace

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  for (; Width > 0; --Width) {
    const TRect R = Rect;
    Rect = {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
    if (R.Right <= R.Left || R.Bottom <= R.Top) continue;
    Fill(Canvas, TopColor, {R.Left, R.Top, R.Right - 1, R.Top + 1});
    Fill(Canvas, TopColor, {R.Left, R.Top, R.Left + 1, R.Bottom - 1});
    Fill(Canvas, BottomColor, {R.Right - 1, R.Top, R.Right, R.Bottom});
    Fill(Canvas, BottomColor, {R.Left, R.Bottom - 1, R.Right, R.Bottom});
  }
}
