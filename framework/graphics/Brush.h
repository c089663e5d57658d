// TBrush: the fill of shapes and of text backgrounds: a solid colour, a
// hatch in the brush colour, nothing (bsClear), or a pattern bitmap.
// The pattern is not owned: whoever sets it keeps it alive while the
// brush uses it. The brush's handle holds a copy of the picture taken
// when it was made; to show a later change of the picture, set Bitmap
// to null and back.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/graphics/GraphicsObject.h"
#include "platform/WinGdi.h"

class TBitmap;

TAVREL_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal,
            bsCross, bsDiagCross)

class TBrush : public TGraphicsObject {
  TAVREL_CLASS(TBrush, TGraphicsObject)
public:
  TBrush();

  // From another TBrush: colour, style and pattern bitmap, one OnChange.
  void Assign(const TPersistent* Source) override;

  // The brush made from the description: the pattern when there is a
  // non-empty Bitmap, else by Style (a style outside the enumeration
  // paints solid); owned by the brush, valid until the next change.
  HBRUSH GetHandle();

  TColor GetColor() const { return FColor; }
  // Setting a colour makes a clear brush solid, as painting with a
  // colour asks for a fill.
  void SetColor(TColor Value);
  TBrushStyle GetStyle() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  TBitmap* GetBitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* Value);

private:
  TColor FColor;
  TBrushStyle FStyle;
  TBitmap* FBitmap = nullptr;
};
