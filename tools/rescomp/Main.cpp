// rescomp: compiles a resource script into C++ so the program carries its
// bitmaps, icons, data files and string table inside the executable.
//
//   rescomp SCRIPT --output FILE.cpp [--header FILE.h] [--table NAME]
//           [--depfile FILE.d]
//
// Problems in the script or in the files it names are printed as
// SCRIPT:LINE:COLUMN: MESSAGE and end the run with status 1, which fails
// the build; bad command lines end with status 2. Outputs are replaced
// only when their content changes, so an edit that leaves the string table
// alone does not recompile everything that includes the header.
#include "CodeWriter.h"
#include "ScriptParser.h"
#include "tools/common/ToolFiles.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t MaxResourceFile = 64u << 20;

struct TOptions {
  std::string Script, Output, Header, Table, Depfile;
};

std::optional<TOptions> ParseArgs(int Argc, char** Argv) {
  TOptions O;
  for (int I = 1; I < Argc; ++I) {
    std::string Arg = Argv[I];
    std::string* Slot = Arg == "--output"    ? &O.Output
                        : Arg == "--header"  ? &O.Header
                        : Arg == "--table"   ? &O.Table
                        : Arg == "--depfile" ? &O.Depfile
                                             : nullptr;
    if (Slot) {
      if (++I >= Argc) return std::nullopt;
      *Slot = Argv[I];
    } else if (O.Script.empty() && !Arg.empty() && Arg[0] != '-') {
      O.Script = Arg;
    } else {
      return std::nullopt;
    }
  }
  if (O.Script.empty() || O.Output.empty()) return std::nullopt;
  return O;
}

TBytes LoadItem(const TResourceItem& Item, const fs::path& Path) {
  std::error_code Ec;
  std::string Raw;
  if (fs::is_regular_file(Path, Ec) && fs::file_size(Path, Ec) > MaxResourceFile)
    throw EScriptError(Item.FilePos, "'" + Item.File + "' is too large (limit 64 MiB)");
  if (!ToolReadFile(Path.string(), Raw))
    throw EScriptError(Item.FilePos, "cannot open '" + Item.File + "'");
  TBytes Data(Raw.begin(), Raw.end());
  try {
    if (Item.Kind == TResourceKind::Bitmap) return PackedDibFromBmp(Data);
    if (Item.Kind == TResourceKind::Icon) return CheckedIcoFile(Data);
  } catch (const std::runtime_error& E) {
    const char* What = Item.Kind == TResourceKind::Bitmap ? "bitmap" : "icon";
    throw EScriptError(Item.FilePos,
                       "'" + Item.File + "' is not a valid " + What + ": " + E.what());
  }
  return Data;
}

std::string DefaultTableName(const std::string& Header) {
  std::string Stem = fs::path(Header).stem().string(), Name;
  for (char C : Stem)
    if ((C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || (C >= '0' && C <= '9') || C == '_')
      Name += C;
  if (Name.empty() || (Name[0] >= '0' && Name[0] <= '9')) Name = "Res" + Name;
  return Name + "Table";
}

int Compile(const TOptions& O) {
  std::string Source;
  if (!ToolReadFile(O.Script, Source)) {
    std::cerr << "rescomp: cannot read '" << O.Script << "'\n";
    return 1;
  }
  fs::path Base = fs::absolute(fs::path(O.Script)).parent_path();
  std::string ScriptName = fs::path(O.Script).filename().string();
  std::vector<std::string> Inputs{fs::absolute(O.Script).lexically_normal().string()};
  try {
    TResourceScript Script = TScriptParser(Source).Parse();
    const std::string Table = O.Table.empty() ? DefaultTableName(O.Header) : O.Table;
    // The table is declared next to the symbols; sharing a name would
    // break the header.
    if (!O.Header.empty())
      for (const TStringEntry& S : Script.Strings)
        if (S.Symbol == Table)
          throw EScriptError(S.Pos, "string symbol '" + S.Symbol + "' is the name of the table");
    std::vector<TLoadedResource> Loaded;
    for (const TResourceItem& Item : Script.Items) {
      fs::path Path = (Base / fs::path(Item.File)).lexically_normal();
      Loaded.push_back({&Item, LoadItem(Item, Path)});
      Inputs.push_back(Path.string());
    }
    bool Ok = ToolWriteIfChanged(O.Output, GenerateSource(ScriptName, Script, Loaded));
    if (Ok && !O.Header.empty())
      Ok = ToolWriteIfChanged(O.Header, GenerateHeader(ScriptName, Script, Table));
    if (Ok && !O.Depfile.empty()) Ok = ToolWriteIfChanged(O.Depfile, ToolDepfile(O.Output, Inputs));
    if (!Ok) {
      std::cerr << "rescomp: cannot write the outputs of '" << O.Script << "'\n";
      return 1;
    }
  } catch (const EScriptError& E) {
    std::cerr << O.Script << ":" << E.GetPos().Line << ":" << E.GetPos().Column << ": " << E.what()
              << "\n";
    return 1;
  }
  return 0;
}

} // namespace

int main(int Argc, char** Argv) {
  std::optional<TOptions> Options = ParseArgs(Argc, Argv);
  if (!Options) {
    std::cerr << "usage: rescomp SCRIPT --output FILE.cpp [--header FILE.h] [--table NAME] "
                 "[--depfile FILE.d]\n";
    return 2;
  }
  try {
    return Compile(*Options);
  } catch (const std::exception& E) {
    std::cerr << "rescomp: " << E.what() << "\n";
    return 1;
  }
}
