#include "framework/classes/Persistent.h"

#include "framework/classes/ClassBuilder.h"

#include "FrameworkConsts.h"

const TClass& TPersistent::StaticClass() {
  static const TClass Class = TClassBuilder<TPersistent>("TPersistent").Build();
  return Class;
}

void TPersistent::Assign(const TPersistent* Source) {
  if (!Source) AssignError(nullptr);
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const { Dest->AssignError(this); }

void TPersistent::DeclareExtraProperties(TFiler&) {}

std::string TPersistent::GetNamePath() const { return std::string(ClassName()); }

void TPersistent::AssignError(const TPersistent* Source) const {
  std::string SourceName = Source ? std::string(Source->ClassName()) : std::string("nil");
  throw EConvertError(SAssignError, {SourceName, std::string(ClassName())});
}
