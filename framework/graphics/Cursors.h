// Cursor identifiers: the framework's numbering of mouse pointer shapes
// (negative for the built-in ones), their names in form definitions, and
// the desktop cursor each stands for.
#pragma once

#include "framework/classes/TypeInfo.h"
#include "framework/runtime/IdentMap.h"
#include "platform/WinTypes.h"

#include <array>
#include <cstdint>

using TCursor = std::int16_t;

inline constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                         crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                         crUpArrow = -10, crHourGlass = -11, crDrag = -12, crNoDrop = -13,
                         crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17,
                         crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                         crSizeAll = -22, crSize = -22;

extern const std::array<TIdentMapEntry, 22> CursorIdents;
const TTypeInfo& CursorTypeInfo();

// The desktop's IDC_* resource for a built-in cursor; null for crNone
// (no pointer shown) and for numbers that name no built-in shape.
LPCSTR CursorResource(TCursor Cursor);
