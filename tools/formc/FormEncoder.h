// Form tree -> form stream bytes. The tree already carries every tag, so
// this is a plain serialisation; it refuses only what the grammar cannot
// hold (a ShortString over 255 bytes, a block over 4 GiB).
#pragma once

#include "FormTree.h"

#include <string>

std::string EncodeFormStream(const TFormObject& Root);
// One tagged value, appended to Out.
void EncodeFormValue(std::string& Out, const TFormValue& Value);
