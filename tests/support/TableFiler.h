// A filer that answers each declared extra value from a table of integers
// and records every name declared to it, for the tests of classes' extra
// properties without a form reader.
#pragma once

#include "framework/classes/Filer.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

class TTableFiler : public TFiler {
public:
  std::map<std::string, int> Values;
  std::vector<std::string> Declared;

  void ExtraProperty(std::string_view Name, const TReadProc& Read) override {
    Declared.emplace_back(Name);
    auto It = Values.find(std::string(Name));
    if (It == Values.end()) return;
    FCurrent = It->second;
    Read(*this);
  }
  void ExtraBinaryProperty(std::string_view Name, const TStreamProc&) override {
    Declared.emplace_back(Name);
  }
  int ReadInteger() override { return FCurrent; }
  bool ReadBoolean() override { return FCurrent != 0; }
  std::string ReadString() override { return {}; }
  std::string ReadIdent() override { return {}; }

private:
  int FCurrent = 0;
};
