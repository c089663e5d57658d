// TCanvas: drawing on a device context with a font, a pen and a brush.
//
// The canvas selects its objects into the DC lazily: each operation
// states what it needs (the DC, the font, the pen, the brush) and only
// the missing parts are selected. What an operation selected stays
// selected afterwards, so code drawing on the same DC next finds the
// pen, brush and font the canvas last set. A change of Font, Pen or
// Brush invalidates just that part; the stock object is put back at
// once, so the DC never holds a handle the object is about to delete.
//
// Colours are resolved with ColorToRGB when selected: text colour is
// Font.Color; under a solid brush the background is opaque in
// Brush.Color, under any other style (clear or hatched) transparent.
//
// Descendants that own their DC (a control's, a bitmap's) make it in
// CreateHandle, which GetHandle calls when there is none.
#pragma once

#include "framework/classes/Event.h"
#include "framework/classes/Persistent.h"
#include "framework/classes/Set.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Pen.h"
#include "platform/WinGdi.h"

#include <span>
#include <string_view>

class TGraphic;

using TSize = SIZE;
using TCopyMode = DWORD;

inline constexpr TCopyMode cmBlackness = BLACKNESS, cmDstInvert = DSTINVERT,
                           cmMergeCopy = MERGECOPY, cmMergePaint = MERGEPAINT,
                           cmNotSrcCopy = NOTSRCCOPY, cmNotSrcErase = NOTSRCERASE,
                           cmPatCopy = PATCOPY, cmPatInvert = PATINVERT, cmPatPaint = PATPAINT,
                           cmSrcAnd = SRCAND, cmSrcCopy = SRCCOPY, cmSrcErase = SRCERASE,
                           cmSrcInvert = SRCINVERT, cmSrcPaint = SRCPAINT, cmWhiteness = WHITENESS;

TAVREL_ENUM(TCanvasStateFlag, csHandleValid, csFontValid, csPenValid, csBrushValid)
using TCanvasState = TSet<TCanvasStateFlag>;

class TCanvas : public TPersistent {
  TAVREL_CLASS(TCanvas, TPersistent)
public:
  TCanvas();
  ~TCanvas() override;

  // The DC; asks CreateHandle for one when there is none. Raises
  // EInvalidOperation "Canvas does not allow drawing" when there is
  // still none afterwards.
  HDC GetHandle();
  // Takes another DC (null: none). The stock objects go back into the
  // DC being left, so it holds nothing of this canvas's.
  void SetHandle(HDC Value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont* GetFont() const { return FFont; }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }
  TPen* GetPen() const { return FPen; }
  void SetPen(const TPen* Value) { FPen->Assign(Value); }
  TBrush* GetBrush() const { return FBrush; }
  void SetBrush(const TBrush* Value) { FBrush->Assign(Value); }

  // The raster operation of CopyRect and of drawing bitmaps.
  TCopyMode GetCopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
  // The current position of the DC (where LineTo starts).
  TPoint GetPenPos();
  void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }

  void FillRect(const TRect& Rect);
  void FrameRect(const TRect& Rect);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Polyline(std::span<const TPoint> Points);
  void TextOut(int X, int Y, std::string_view Text);
  // Text at (X, Y) clipped to Rect; Rect is filled with the brush first
  // unless the brush is clear.
  void TextRect(const TRect& Rect, int X, int Y, std::string_view Text);
  TSize TextExtent(std::string_view Text);
  int TextWidth(std::string_view Text) { return TextExtent(Text).cx; }
  int TextHeight(std::string_view Text) { return TextExtent(Text).cy; }
  // The graphic at its own size with its top-left corner at (X, Y).
  void Draw(int X, int Y, TGraphic* Graphic);
  // The graphic scaled to Rect.
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  // Source's Src area onto Dest here (scaled when the sizes differ),
  // combined through CopyMode.
  void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& Src);

  // The colour at a point, as an RGB TColor; -1 (CLR_INVALID) outside
  // the surface or the clipping.
  TColor GetPixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Color);
  // The part of the DC drawing can reach, in logical coordinates.
  TRect ClipRect();

  // Puts the stock objects back, so the next operation reselects the
  // font, pen and brush (for code that changed the DC behind our back).
  void Refresh();

  // A nesting count for code that wants the canvas to itself.
  void Lock() { ++FLockCount; }
  void Unlock() {
    if (FLockCount > 0) --FLockCount;
  }
  int LockCount() const { return FLockCount; }

  TCanvasState State() const { return FState; }

  // Raised before and after every drawing operation.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

protected:
  // Gives the canvas a DC when it has none, through SetHandle. The base
  // canvas has no DC of its own and leaves it null.
  virtual void CreateHandle() {}
  virtual void Changing();
  virtual void Changed();
  // Makes sure the DC exists and the named parts are selected.
  void RequiredState(TCanvasState Required);

private:
  void CreateFont();
  void CreatePen();
  void CreateBrush();
  void DeselectHandles();
  void FontChanged(TObject* Sender);
  void PenChanged(TObject* Sender);
  void BrushChanged(TObject* Sender);

  HDC FHandle = nullptr;
  TCanvasState FState;
  TFont* FFont;
  TPen* FPen;
  TBrush* FBrush;
  TCopyMode FCopyMode = cmSrcCopy;
  int FLockCount = 0;
};
