// TShape: a rectangle, square, rounded box, ellipse or circle over the
// control's bounds, outlined with its pen and filled with its brush.
// The guide line of the ruler is one: a shape one pixel wide whose
// outline covers it completely, so only the pen colour shows.
#pragma once

#include "framework/controls/GraphicControl.h"

class TBrush;
class TPen;

TAVREL_ENUM(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle)

class TShape : public TGraphicControl {
  TAVREL_CLASS(TShape, TGraphicControl)
public:
  explicit TShape(TComponent* AOwner);
  ~TShape() override;

  TBrush* GetBrush() const { return FBrush; }
  // Copies Value's description; the shape keeps its own brush.
  void SetBrush(TBrush* Value);
  TPen* GetPen() const { return FPen; }
  void SetPen(TPen* Value);
  TShapeType GetShape() const { return FShape; }
  // Values that name no shape are ignored.
  void SetShape(TShapeType Value);

  // A change of pen or brush: the shape paints again.
  void StyleChanged(TObject* Sender);

protected:
  void Paint() override;

private:
  TPen* FPen;
  TBrush* FBrush;
  TShapeType FShape = stRectangle;
};
