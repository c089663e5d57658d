#include "framework/graphics/Cursors.h"

#include "platform/WinUser.h"

const std::array<TIdentMapEntry, 22> CursorIdents = {{
    {crDefault, "crDefault"},
    {crArrow, "crArrow"},
    {crCross, "crCross"},
    {crIBeam, "crIBeam"},
    {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},
    {crHourGlass, "crHourGlass"},
    {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"},
    {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},
    {crNo, "crNo"},
    {crAppStart, "crAppStart"},
    {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
    {crSize, "crSize"},
}};

const TTypeInfo& CursorTypeInfo() {
  static const TTypeInfo Info = MakeIntegerTypeInfo("TCursor", CursorIdents);
  return Info;
}

// Drag shapes have no desktop cursor of their own; the closest stands in.
LPCSTR CursorResource(TCursor Cursor) {
  switch (Cursor) {
  case crDefault:
  case crArrow: return IDC_ARROW;
  case crCross: return IDC_CROSS;
  case crIBeam: return IDC_IBEAM;
  case crSizeNESW: return IDC_SIZENESW;
  case crSizeNS:
  case crVSplit: return IDC_SIZENS;
  case crSizeNWSE: return IDC_SIZENWSE;
  case crSizeWE:
  case crHSplit: return IDC_SIZEWE;
  case crUpArrow: return IDC_UPARROW;
  case crHourGlass:
  case crSQLWait: return IDC_WAIT;
  case crDrag:
  case crMultiDrag: return IDC_ARROW;
  case crNoDrop:
  case crNo: return IDC_NO;
  case crAppStart: return IDC_APPSTARTING;
  case crHelp: return IDC_HELP;
  case crHandPoint: return IDC_HAND;
  case crSizeAll: return IDC_SIZEALL;
  default: return nullptr;
  }
}
