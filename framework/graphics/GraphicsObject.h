// TGraphicsObject: the common ground of fonts, pens and brushes. Each
// keeps a description (its properties) and makes the drawing layer's
// object from it only when someone asks for the handle; a change of the
// description drops the handle, so the next request builds a fresh one.
//
// The old handle is deleted after OnChange has run: a canvas listening
// to the change puts its stock object back into the DC first, so no
// deleted object ever stays selected.
#pragma once

#include "framework/classes/Event.h"
#include "framework/classes/Persistent.h"
#include "platform/WinTypes.h"

class TGraphicsObject : public TPersistent {
  TAVREL_CLASS(TGraphicsObject, TPersistent)
public:
  ~TGraphicsObject() override;

  // Whether the drawing layer's object currently exists.
  bool HandleAllocated() const { return FHandle != nullptr; }

  TNotifyEvent OnChange;

protected:
  // Raises OnChange.
  virtual void Changed();
  // Drops the handle made from the old description, then raises
  // OnChange; the old handle is deleted once the listeners have run.
  void DescriptionChanged();
  // The cached handle, made by the descendant's GetHandle.
  HGDIOBJ FHandle = nullptr;
};
