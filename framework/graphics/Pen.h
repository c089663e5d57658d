// TPen: the outline of shapes and lines: colour, width, dash style and
// the raster mix (Mode) that a canvas applies with SetROP2 when it
// selects the pen. Mode is state of the DC, not of the HPEN, so a mode
// change raises OnChange but keeps the handle.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/graphics/GraphicsObject.h"
#include "platform/WinGdi.h"

TAVREL_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot,
            pmMaskPenNot, pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask,
            pmXor, pmNotXor)
TAVREL_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)

// The R2_* mix of a pen mode.
int PenModeToROP2(TPenMode Mode);

class TPen : public TGraphicsObject {
  TAVREL_CLASS(TPen, TGraphicsObject)
public:
  TPen();

  // From another TPen: colour, mode, style and width, one OnChange.
  void Assign(const TPersistent* Source) override;

  // The pen made from the description; owned by the pen, valid until
  // the next change of colour, style or width.
  HPEN GetHandle();

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  TPenMode GetMode() const { return FMode; }
  void SetMode(TPenMode Value);
  TPenStyle GetStyle() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  int GetWidth() const { return FWidth; }
  // A negative width is ignored; 0 and 1 both draw one pixel wide.
  void SetWidth(int Value);

private:
  TColor FColor;
  TPenMode FMode;
  TPenStyle FStyle;
  int FWidth;
};
