// Form tree -> form text, the reverse of TFormParser. Values print in the
// plain syntax when the parser's tag rules give them back their tag, with
// an annotation (@int32 570, @wstring 'x', ...) when the stream's writer
// chose another tag, and as @raw { hex } when the text cannot carry them
// at all (an unpaired surrogate, a NaN, a set element that is no name).
// So compiling the printed text always reproduces the stream's bytes.
// Names of components, classes and properties must be identifiers; a
// stream with other names is refused with EFormPrintError.
#pragma once

#include "FormTree.h"

#include <stdexcept>
#include <string>

class EFormPrintError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

std::string PrintFormText(const TFormObject& Root);
