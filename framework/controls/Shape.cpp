// The shape's figure follows its pen: the outline of a wide pen is drawn
// inside the figure's bounds, so the bounds are pulled in by half the pen
// width and widened by one pixel again (the outline of a pen wider than
// nothing includes its last row and column).
#include "framework/controls/Shape.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Pen.h"

#include <algorithm>

const TClass& TShape::StaticClass() {
  static const TClass Class =
      TClassBuilder<TShape>("TShape")
          .Publish({"Align", "Anchors"})
          .Property("Brush", &TShape::GetBrush, &TShape::SetBrush)
          .Publish(
              {"Constraints", "DragCursor", "DragKind", "DragMode", "Enabled", "ParentShowHint"})
          .Property("Pen", &TShape::GetPen, &TShape::SetPen)
          .Property("Shape", &TShape::GetShape, &TShape::SetShape)
          .Default(stRectangle)
          .Publish({"ShowHint", "Visible", "OnContextPopup", "OnDragDrop", "OnDragOver",
                    "OnEndDock", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                    "OnStartDock", "OnStartDrag"})
          .Build();
  return Class;
}

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
  SetBounds(GetLeft(), GetTop(), 65, 65);
  FPen = Create<TPen>();
  FPen->OnChange = MakeEvent<&TShape::StyleChanged>(this);
  FBrush = Create<TBrush>();
  FBrush->OnChange = MakeEvent<&TShape::StyleChanged>(this);
}

TShape::~TShape() {
  FPen->Free();
  FBrush->Free();
}

void TShape::SetBrush(TBrush* Value) { FBrush->Assign(Value); }

void TShape::SetPen(TPen* Value) { FPen->Assign(Value); }

void TShape::SetShape(TShapeType Value) {
  if (Value == FShape || Value > stCircle) return;
  FShape = Value;
  Invalidate();
}

void TShape::StyleChanged(TObject*) { Invalidate(); }

void TShape::Paint() {
  TCanvas* Canvas = GetCanvas();
  Canvas->SetPen(FPen);
  Canvas->SetBrush(FBrush);
  const int PenWidth = FPen->GetWidth();
  const int Grow = PenWidth != 0 ? 1 : 0;
  int X = PenWidth / 2;
  int Y = X;
  int W = GetWidth() - PenWidth + Grow;
  int H = GetHeight() - PenWidth + Grow;
  const int S = std::min(W, H);
  if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
    X += (W - S) / 2;
    Y += (H - S) / 2;
    W = S;
    H = S;
  }
  switch (FShape) {
  case stRectangle:
  case stSquare: Canvas->Rectangle(X, Y, X + W, Y + H); break;
  case stRoundRect:
  case stRoundSquare: Canvas->RoundRect(X, Y, X + W, Y + H, S / 4, S / 4); break;
  case stEllipse:
  case stCircle: Canvas->Ellipse(X, Y, X + W, Y + H); break;
  }
}
