// The objects behind GDI handles. Every pen, brush, font, bitmap, region,
// palette and device context derives from TGdiObject and lives in one
// handle table (Gdi.h), so SelectObject and DeleteObject can tell the kind
// of any handle they are given.
#pragma once

#include "platform/WinGdi.h"

#include <vector>

class TGdiObject {
public:
  explicit TGdiObject(DWORD Kind) : FKind(Kind) {}
  virtual ~TGdiObject() = default;
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  DWORD Kind() const { return FKind; }

  // Stock objects ignore DeleteObject.
  bool Stock = false;
  // How many device contexts hold this object selected. DeleteObject on a
  // selected object only marks it; it is freed when the last DC lets go.
  int SelectCount = 0;
  bool DeletePending = false;

private:
  DWORD FKind;
};

class TGdiBrush : public TGdiObject {
public:
  TGdiBrush() : TGdiObject(OBJ_BRUSH) {}
  LOGBRUSH Log{BS_SOLID, 0, 0};
  // For BS_PATTERN: a private copy of the pattern as 0x00RRGGBB pixels,
  // or, for a monochrome pattern, 0/1 bits mapped through the DC colours.
  int PatternWidth = 0, PatternHeight = 0;
  bool PatternMono = false;
  std::vector<DWORD> Pattern;
};

class TGdiPen : public TGdiObject {
public:
  TGdiPen() : TGdiObject(OBJ_PEN) {}
  LOGPEN Log{PS_SOLID, {1, 0}, 0};
};

// A font is its description; the text engine realises it (face lookup,
// glyph cache) on first use and keys that work by the description.
class TGdiFont : public TGdiObject {
public:
  TGdiFont() : TGdiObject(OBJ_FONT) {}
  LOGFONTA Log{};
};

class TGdiPalette : public TGdiObject {
public:
  TGdiPalette() : TGdiObject(OBJ_PAL) {}
  std::vector<PALETTEENTRY> Entries;
};
