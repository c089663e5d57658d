#include "ToolFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

bool ToolReadFile(const std::string& Path, std::string& Out) {
  std::error_code Ec;
  if (!fs::is_regular_file(Path, Ec)) return false;
  std::ifstream In(Path, std::ios::binary);
  if (!In) return false;
  Out.assign(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
  return !In.bad();
}

bool ToolWriteIfChanged(const std::string& Path, const std::string& Content) {
  std::string Old;
  if (ToolReadFile(Path, Old) && Old == Content) return true;
  std::string Temp = Path + ".tmp";
  {
    std::ofstream Out(Temp, std::ios::binary | std::ios::trunc);
    if (!(Out << Content) || !Out.flush()) return false;
  }
  std::error_code Ec;
  fs::rename(Temp, Path, Ec);
  return !Ec;
}

namespace {

std::string ToolDepEscape(const std::string& Path) {
  std::string Out;
  for (char C : Path) {
    if (C == ' ' || C == '#' || C == '\\') Out += '\\';
    if (C == '$') Out += '$';
    Out += C;
  }
  return Out;
}

} // namespace

std::string ToolDepfile(const std::string& Target, const std::vector<std::string>& Inputs) {
  std::string Out = ToolDepEscape(Target) + ":";
  for (const std::string& In : Inputs) Out += " \\\n  " + ToolDepEscape(In);
  return Out + "\n";
}
