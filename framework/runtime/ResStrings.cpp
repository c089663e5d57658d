// Reads the string straight from the resource instead of through
// LoadString, so no buffer size limits the text.
#include "framework/runtime/ResStrings.h"

#include "platform/WinBase.h"

std::string LoadResString(const TResStringRec& Res) {
  if (Res.Identifier == 0 || Res.Identifier > 0xFFFF) return {};
  HRSRC Found = FindResource(HInstance, MAKEINTRESOURCE(WORD(Res.Identifier)), RT_STRING);
  const char* Text = static_cast<const char*>(LockResource(LoadResource(HInstance, Found)));
  if (!Text) return {};
  return std::string(Text, SizeofResource(HInstance, Found));
}
