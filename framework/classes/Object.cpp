#include "framework/classes/Object.h"

#include "framework/classes/Class.h"

const TClass& TObject::StaticClass() {
  static const TClass Class("TObject", nullptr, nullptr, {});
  return Class;
}

std::string_view TObject::ClassName() const { return ClassType().Name(); }

bool TObject::InheritsFrom(const TClass& Class) const { return ClassType().InheritsFrom(Class); }

void TObject::Free() {
  BeforeDestruction();
  delete this;
}
