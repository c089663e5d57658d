// TFont: a font description (face, size, style, colour, character set,
// pitch) and the HFONT made from it on demand.
//
// The size is kept as Height, the character height in pixels (negative,
// as the drawing layer takes it); Size in points is derived through
// PixelsPerInch with MulDiv rounding, so Height -11 reads as Size 8 and
// Size 10 sets Height -13 at 96 pixels per inch. Colour is not part of
// the HFONT: a colour change raises OnChange but keeps the handle.
#pragma once

#include "framework/classes/Set.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/FontCharsets.h"
#include "framework/graphics/GraphicsObject.h"
#include "platform/WinGdi.h"

#include <string>

TAVREL_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
TAVREL_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
using TFontName = std::string;

// Rounds Number * Numerator / Denominator to the nearest integer, halves
// away from zero; -1 for a zero denominator or a result beyond int (the
// desktop's MulDiv).
int MulDiv(int Number, int Numerator, int Denominator);

class TFont : public TGraphicsObject {
  TAVREL_CLASS(TFont, TGraphicsObject)
public:
  TFont();

  // From another TFont: every published property, with a single
  // OnChange when anything differed. This font keeps its PixelsPerInch;
  // from a font of another resolution the Size is copied (and Height
  // follows), otherwise the Height.
  void Assign(const TPersistent* Source) override;

  // The font made from the description; owned by the font, valid until
  // the next change of the description.
  HFONT GetHandle();
  // Takes the description of a font made elsewhere (the desktop's menu
  // font, say); the caller keeps that handle, this font makes its own.
  // Colour and PixelsPerInch stay. A handle that is not a font is
  // refused with EInvalidGraphic "Font handle is not valid".
  void SetHandle(HFONT Value);

  TFontCharset GetCharset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value);
  const TFontName& GetName() const { return FName; }
  // Names longer than 31 characters are cut to 31 (the face name limit);
  // an empty name is ignored.
  void SetName(const TFontName& Value);
  TFontPitch GetPitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  int GetSize() const;
  void SetSize(int Value);
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles Value);

  // The resolution Size converts through; changing it keeps Height.
  int GetPixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value);

  // The description as the drawing layer takes it.
  LOGFONTA LogFont() const;

private:
  TFontCharset FCharset;
  TColor FColor;
  int FHeight;
  TFontName FName;
  TFontPitch FPitch;
  TFontStyles FStyle;
  int FPixelsPerInch;
};
