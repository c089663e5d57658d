// TFiler: what a class's DeclareExtraProperties talks to. The form reader
// implements it: it runs the read operation of the declaration whose name
// is the entry it is reading, and the operation takes the value through
// the primitives below.
#pragma once

#include "framework/classes/Object.h"

#include <functional>
#include <string>
#include <string_view>

class TStream;

class TFiler : public TObject {
public:
  using TReadProc = std::function<void(TFiler&)>;
  using TStreamProc = std::function<void(TStream&)>;

  virtual void ExtraProperty(std::string_view Name, const TReadProc& Read) = 0;
  // The value is a binary block, handed over as a stream.
  virtual void ExtraBinaryProperty(std::string_view Name, const TStreamProc& Read) = 0;

  virtual int ReadInteger() = 0;
  virtual bool ReadBoolean() = 0;
  virtual std::string ReadString() = 0;
  virtual std::string ReadIdent() = 0;
};
