// Font character sets as form definitions name them (DEFAULT_CHARSET).
#pragma once

#include "framework/classes/TypeInfo.h"
#include "framework/runtime/IdentMap.h"

#include <array>
#include <cstdint>

using TFontCharset = std::uint8_t;

extern const std::array<TIdentMapEntry, 18> CharsetIdents;
const TTypeInfo& FontCharsetTypeInfo();
