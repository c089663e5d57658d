#include "framework/classes/ResourceStream.h"

#include "framework/classes/ClassBuilder.h"

#include "FrameworkConsts.h"

const TClass& TResourceStream::StaticClass() {
  static const TClass Class = TClassBuilder<TResourceStream>("TResourceStream").Build();
  return Class;
}

TResourceStream::TResourceStream(HINSTANCE Instance, const std::string& ResName, LPCSTR ResType) {
  HRSRC Res = FindResource(Instance, ResName.c_str(), ResType);
  HGLOBAL Data = Res ? LoadResource(Instance, Res) : nullptr;
  if (!Data) throw EResNotFound(SResNotFound, {ResName});
  SetPointer(static_cast<const std::uint8_t*>(LockResource(Data)), SizeofResource(Instance, Res));
}

std::int64_t TResourceStream::Write(const void*, std::int64_t) {
  throw EStreamError(SCantWriteResourceStreamError);
}

void TResourceStream::SetSize(std::int64_t) { throw EStreamError(SCantWriteResourceStreamError); }
