// Helpers of the formc tests: compiling text in-process, running the built
// tool, and reading files.
#pragma once

#include "FormDecoder.h"
#include "FormEncoder.h"
#include "FormParser.h"
#include "FormPrinter.h"
#include "support/ToolRun.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline const std::string FormcDataDir = TAVREL_TEST_DATA;
inline const std::string FormcAppForms = TAVREL_APP_FORMS;

// The stream of a form text; pictures resolve against the fixture folder.
inline std::string FormcCompileText(const std::string& Text,
                                    const std::string& Base = FormcDataDir) {
  return EncodeFormStream(TFormParser(Text, Base).Parse());
}

// The stream bytes of one property value given as text.
inline std::string FormcValueBytes(const std::string& Value) {
  std::string Stream = FormcCompileText("object X: TX\n  P = " + Value + "\nend\n");
  // "TPF0", class, name, then the property name "P" (2 bytes); the value
  // runs up to the two list ends (properties, children).
  std::size_t Start = 4 + 3 + 2 + 2;
  return Stream.substr(Start, Stream.size() - Start - 2);
}

inline std::string FormcHex(const std::string& Bytes) {
  static const char Digits[] = "0123456789ABCDEF";
  std::string Out;
  for (unsigned char B : Bytes) {
    if (!Out.empty()) Out += ' ';
    Out += Digits[B >> 4];
    Out += Digits[B & 15];
  }
  return Out;
}

inline std::string FormcReadAll(const std::filesystem::path& P) {
  std::ifstream In(P, std::ios::binary);
  std::stringstream S;
  S << In.rdbuf();
  return S.str();
}

inline void FormcWriteAll(const std::filesystem::path& P, const std::string& Bytes) {
  std::ofstream Out(P, std::ios::binary | std::ios::trunc);
  Out << Bytes;
}

using TFormcRun = TToolRun;

inline TFormcRun FormcRun(const std::string& Args) { return RunTool(TAVREL_FORMC, Args); }

// A fresh folder per test for the tool's outputs.
inline std::filesystem::path FormcTempDir() {
  auto* Info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::filesystem::path P =
      std::filesystem::path(::testing::TempDir()) /
      ("formc-" + std::to_string(getpid()) + "-" + Info->test_suite_name() + "-" + Info->name());
  std::filesystem::remove_all(P);
  std::filesystem::create_directories(P);
  return P;
}

inline std::string FormcQuote(const std::filesystem::path& P) { return "'" + P.string() + "'"; }
