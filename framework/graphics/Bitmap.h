// TBitmap: a picture held in a DIB section the program can reach pixel
// by pixel (ScanLine) and draw on (Canvas).
//
// The image is always a top-down DIB section the bitmap made itself:
// ScanLine(0) is the top row and rows follow at increasing addresses.
// Handles given to SetHandle or loaded from resources are copied into
// such a section (and the given handle deleted), so nothing outside the
// bitmap ever shares its pixels; Assign copies the pixels too.
//
// Formats: pf1bit, pf4bit and pf8bit have a colour table (the bitmap's
// Palette); pf15bit is 5-5-5; pf24bit and pf32bit are BGR(A); pfDevice
// is the desktop's format, 32 bits. The drawing layer makes 16-bit
// sections only in 5-5-5, so pf16bit (5-6-5) and pfCustom cannot be set
// (EInvalidGraphic "Invalid graphic format"), and BMP files in such
// layouts load as pf32bit.
//
// A bitmap with no pixels (Width or Height 0) has no handle and is
// Empty. Resizing keeps the top-left content; new pixels take the
// canvas brush colour (white when there is no canvas yet).
#pragma once

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/DibSection.h"
#include "framework/graphics/Graphic.h"
#include "platform/WinGdi.h"

#include <string>

TAVREL_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit,
            pfCustom)
TAVREL_ENUM(TTransparentMode, tmAuto, tmFixed)

class TBitmapCanvas;

class TBitmap : public TGraphic {
  TAVREL_CLASS(TBitmap, TGraphic)
public:
  TBitmap();
  ~TBitmap() override;

  // From a TBitmap: a copy of its pixels, format, colour table and
  // transparency settings; from null: empty. One OnChange.
  void Assign(const TPersistent* Source) override;

  bool Empty() const override { return !FImage; }
  int GetWidth() const override { return FWidth; }
  // Negative sizes count as 0. A size the drawing layer cannot hold
  // raises EOutOfResources and leaves the bitmap as it was.
  void SetWidth(int Value) override { SetSize(Value, FHeight); }
  int GetHeight() const override { return FHeight; }
  void SetHeight(int Value) override { SetSize(FWidth, Value); }
  void SetSize(int AWidth, int AHeight);

  TPixelFormat GetPixelFormat() const { return FPixelFormat; }
  // Converts the pixels to the new format (through their colours; the
  // indexed formats take the standard 2-, 16- or 256-colour tables).
  void SetPixelFormat(TPixelFormat Value);
  bool GetMonochrome() const { return FPixelFormat == pf1bit; }
  // true: to pf1bit; false: a monochrome bitmap goes to pfDevice.
  void SetMonochrome(bool Value);
  // The first byte of a row, top row 0; raises EInvalidGraphic "Scan
  // line index out of range" for rows outside the image (and for any
  // row of an empty bitmap).
  void* ScanLine(int Row);
  // Bytes from one row to the next.
  int ScanLineBytes() const;

  // A canvas over the pixels, created on first use and kept.
  TCanvas* GetCanvas();
  // The DIB section; null when empty. Owned by the bitmap.
  HBITMAP GetHandle() const { return FImage.Handle(); }
  // Takes the picture of any bitmap handle (and the handle itself, which
  // it deletes); null empties. A handle that is not a bitmap raises
  // EInvalidGraphic "Bitmap image is not valid" and changes nothing.
  void SetHandle(HBITMAP Value);
  // Gives up the DIB section: the caller owns it, the bitmap is empty.
  HBITMAP ReleaseHandle();

  // The RT_BITMAP resource Name of Instance; a missing or bad resource
  // raises EResNotFound "Resource %s not found".
  void LoadFromResourceName(HINSTANCE Instance, const std::string& Name);
  void LoadFromResourceID(HINSTANCE Instance, int ResID);
  // BMP files: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, with
  // bit fields, or run-length encoded (8 and 4 bits). Bad data raises
  // EInvalidGraphic "Bitmap image is not valid" and changes nothing.
  void LoadFromStream(TStream& Stream) override;
  // Writes a BMP file (bottom-up rows, BITMAPINFOHEADER); nothing for an
  // empty bitmap.
  void SaveToStream(TStream& Stream) override;

  // Indexed formats: a palette of the colour table, owned by the bitmap;
  // null for the others. Setting copies the entries into the colour
  // table (as many as fit); the caller keeps its palette.
  HPALETTE GetPalette() const override;
  void SetPalette(HPALETTE Value) override;

  TTransparentMode GetTransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);
  // tmAuto: the colour of the bottom-left pixel, read at each request
  // (so it follows the picture); clDefault while empty. tmFixed: the
  // colour set. Setting a colour switches to tmFixed (clDefault: tmAuto).
  TColor GetTransparentColor() const;
  void SetTransparentColor(TColor Value);

protected:
  void Draw(TCanvas& ACanvas, const TRect& Rect) override;
  // Form data: a 32-bit byte count, then a BMP file of that size.
  void ReadData(TStream& Stream) override;
  void WriteData(TStream& Stream) override;

private:
  friend class TBitmapCanvas;
  void CanvasChanged(TObject* Sender);
  // Installs a new image (the old one is deleted, the canvas lets go of
  // it first) and raises OnChange.
  void ReplaceImage(TDibSection&& Image, TPixelFormat Format);
  void CheckImage(const TDibSection& Image) const;

  TDibSection FImage;
  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FPixelFormat = pfDevice;
  mutable HPALETTE FPalette = nullptr;
  TTransparentMode FTransparentMode = tmAuto;
  TColor FTransparentColor = clDefault;
  TBitmapCanvas* FCanvas = nullptr;
};
