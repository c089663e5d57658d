#include "CoreTestSupport.h"

const TClass& TCoreHost::StaticClass() {
  static const TClass Class = TClassBuilder<TCoreHost>("TCoreHost").Build();
  return Class;
}

const TClass& TSwatch::StaticClass() {
  static const TClass Class = TClassBuilder<TSwatch>("TSwatch").Build();
  return Class;
}

const TClass& TRecordingMenu::StaticClass() {
  static const TClass Class = TClassBuilder<TRecordingMenu>("TRecordingMenu").Build();
  return Class;
}
