// TPersistent: objects that copy themselves from another instance with
// Assign and can declare extra stored values for the form reader.
//
// Assign asks the target's chain first (each override accepts what it
// knows and passes the rest to its parent); the base then asks the
// source's AssignTo, and when nothing accepts the pair it raises
// EConvertError "Cannot assign a %s to a %s" before anything has changed.
#pragma once

#include "framework/classes/Object.h"

#include <string>

class TFiler;

class TPersistent : public TObject {
  TAVREL_CLASS(TPersistent, TObject)
public:
  virtual void Assign(const TPersistent* Source);
  // The other direction: the source copies itself into Dest.
  virtual void AssignTo(TPersistent* Dest) const;
  // Values stored in a form definition that are not published properties.
  virtual void DeclareExtraProperties(TFiler& Filer);
  virtual std::string GetNamePath() const;

  [[noreturn]] void AssignError(const TPersistent* Source) const;
};
