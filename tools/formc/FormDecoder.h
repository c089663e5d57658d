// Form stream bytes -> form tree, for formc --print and for @raw values.
// The input is untrusted: every read is checked against the bytes that are
// left, counts are compared with the remaining size before anything is
// allocated, and nesting is limited. Any problem is an EStreamFormatError
// with the offset at which the damaged item starts.
#pragma once

#include "FormError.h"
#include "FormTree.h"

#include <string>

// A whole stream: the "TPF0" signature, the root component, nothing after.
TFormObject DecodeFormStream(const std::string& Bytes);
// Exactly one tagged value, nothing after it.
TFormValue DecodeValueBytes(const std::string& Bytes);
