// TResourceStream: read-only access to a resource of the program, found
// by name and type; a missing one raises EResNotFound "Resource %s not
// found", and writing raises EStreamError.
#pragma once

#include "framework/classes/MemoryStream.h"
#include "platform/WinBase.h"

#include <string>

class TResourceStream : public TCustomMemoryStream {
  TAVREL_CLASS(TResourceStream, TCustomMemoryStream)
public:
  TResourceStream(HINSTANCE Instance, const std::string& ResName, LPCSTR ResType);
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  void SetSize(std::int64_t NewSize) override;
};
