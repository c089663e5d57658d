// Runs the built rescomp on the fixture scripts in data/: good scripts must
// produce the registration source, the string header and a depfile;
// broken ones must fail with the exact file:line:column message.
#include "support/ToolRun.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

using TRun = TToolRun;

TRun RunRescomp(const std::string& Args) { return RunTool(TAVREL_RESCOMP, Args); }

const std::string DataDir = TAVREL_TEST_DATA;

std::string Quote(const std::string& S) { return "'" + S + "'"; }

std::string ReadAll(const fs::path& P) {
  std::ifstream In(P, std::ios::binary);
  std::stringstream S;
  S << In.rdbuf();
  return S.str();
}

class RescompTest : public ::testing::Test {
protected:
  void SetUp() override {
    FOut = fs::path(::testing::TempDir()) /
           ("rescomp-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FOut);
    fs::create_directories(FOut);
  }
  void TearDown() override { fs::remove_all(FOut); }

  TRun Compile(const std::string& Script) {
    return RunRescomp(Quote(Script) + " --output " + Quote((FOut / "out.cpp").string()) +
                      " --header " + Quote((FOut / "Out.h").string()) + " --depfile " +
                      Quote((FOut / "out.d").string()));
  }

  fs::path FOut;
};

TEST_F(RescompTest, GoodScriptWritesSourceHeaderAndDepfile) {
  TRun R = Compile(DataDir + "/Embedded.rc");
  ASSERT_EQ(R.Status, 0) << R.Output;
  EXPECT_EQ(R.Output, "");

  std::string Source = ReadAll(FOut / "out.cpp");
  EXPECT_NE(Source.find("RegisterResource(RT_RCDATA, \"BLOB\", Resource0, 19);"), std::string::npos)
      << Source;
  EXPECT_NE(Source.find("RegisterResource(RT_BITMAP, MAKEINTRESOURCE(7), Resource4, 60);"),
            std::string::npos);
  EXPECT_NE(Source.find("RegisterResource(RT_ICONFILE, \"APP\", Resource5, 70);"),
            std::string::npos);
  EXPECT_NE(Source.find("RegisterResource(RT_STRING, MAKEINTRESOURCE(1), \"Hello\", 5);"),
            std::string::npos);

  std::string Header = ReadAll(FOut / "Out.h");
  EXPECT_NE(Header.find("inline constexpr TResStringRec SEmbeddedHello{1};"), std::string::npos);
  EXPECT_NE(Header.find("inline constexpr TResStringRec SEmbeddedFormat{4};"), std::string::npos);
  EXPECT_NE(Header.find("std::array<TResStringRec, 4> OutTable{{SEmbeddedHello, "
                        "SEmbeddedEscapes, SEmbeddedNorsk, SEmbeddedFormat}};"),
            std::string::npos)
      << Header;

  std::string Deps = ReadAll(FOut / "out.d");
  for (const char* Name :
       {"Embedded.rc", "blob.bin", "empty.bin", "tiny24.bmp", "pal8.bmp", "v5bits.bmp", "app.ico"})
    EXPECT_NE(Deps.find(DataDir + "/" + Name), std::string::npos) << Name << "\n" << Deps;
}

TEST_F(RescompTest, UnchangedOutputsKeepTheirTimestamps) {
  ASSERT_EQ(Compile(DataDir + "/Embedded.rc").Status, 0);
  auto Old = fs::file_time_type::clock::now() - std::chrono::hours(24);
  for (const char* Name : {"out.cpp", "Out.h", "out.d"}) fs::last_write_time(FOut / Name, Old);
  ASSERT_EQ(Compile(DataDir + "/Embedded.rc").Status, 0);
  for (const char* Name : {"out.cpp", "Out.h", "out.d"})
    EXPECT_EQ(fs::last_write_time(FOut / Name), Old) << Name;
}

TEST_F(RescompTest, FailedRunWritesNothing) {
  EXPECT_EQ(Compile(DataDir + "/bad/missing_file.rc").Status, 1);
  EXPECT_FALSE(fs::exists(FOut / "out.cpp"));
  EXPECT_FALSE(fs::exists(FOut / "Out.h"));
}

TEST_F(RescompTest, BadCommandLinesAreUsageErrors) {
  EXPECT_EQ(RunRescomp("").Status, 2);
  EXPECT_EQ(RunRescomp(Quote(DataDir + "/Embedded.rc")).Status, 2);
  EXPECT_EQ(RunRescomp(Quote(DataDir + "/Embedded.rc") + " --output").Status, 2);
  EXPECT_EQ(RunRescomp("--bogus x --output y").Status, 2);
}

TEST_F(RescompTest, ByteOrderMarkIsSkipped) {
  const fs::path Script = FOut / "bom.rc";
  std::ofstream(Script, std::ios::binary)
      << "\xEF\xBB\xBFSTRINGTABLE BEGIN SBom 3 \"\xC3\xA9\" END\n";
  TRun R = Compile(Script.string());
  ASSERT_EQ(R.Status, 0) << R.Output;
  EXPECT_NE(ReadAll(FOut / "Out.h").find("inline constexpr TResStringRec SBom{3};"),
            std::string::npos);
}

TEST_F(RescompTest, MissingScriptIsReported) {
  TRun R = Compile(DataDir + "/no-such-script.rc");
  EXPECT_EQ(R.Status, 1);
  EXPECT_NE(R.Output.find("cannot read"), std::string::npos) << R.Output;
}

struct TBadScript {
  const char* File;
  const char* Message; // after "<path>:"
};

class RescompErrorTest : public RescompTest, public ::testing::WithParamInterface<TBadScript> {};

TEST_P(RescompErrorTest, ReportsFileLineColumn) {
  std::string Script = DataDir + "/bad/" + GetParam().File;
  TRun R = Compile(Script);
  EXPECT_EQ(R.Status, 1);
  EXPECT_EQ(R.Output, Script + ":" + GetParam().Message + "\n");
}

const TBadScript BadScripts[] = {
    {"unterminated_string.rc", "1:13: unterminated string"},
    {"newline_in_string.rc", "1:26: unterminated string"},
    {"unknown_type.rc", "2:6: unknown resource type 'CURSOR'"},
    {"missing_type.rc", "2:1: expected a resource type after 'DATA'"},
    {"missing_file.rc", "1:13: cannot open 'nothere.bin'"},
    {"truncated_bitmap.rc", "1:12: 'truncated.bmp' is not a valid bitmap: truncated pixel data"},
    {"rle_bitmap.rc",
     "1:12: 'rle.bmp' is not a valid bitmap: RLE-compressed bitmaps are not supported"},
    {"os2_bitmap.rc", "1:12: 'os2.bmp' is not a valid bitmap: OS/2 bitmap headers are not "
                      "supported"},
    {"not_a_bitmap.rc", "1:12: '../blob.bin' is not a valid bitmap: not a BMP file"},
    {"not_an_icon.rc", "1:10: 'notanicon.ico' is not a valid icon: not an ICO file"},
    {"icon_outside.rc", "1:10: 'outside.ico' is not a valid icon: image 1 lies outside the file"},
    {"duplicate_id.rc", "4:8: duplicate string id 1 (first used by 'SOne' at 3:3)"},
    {"duplicate_symbol.rc", "4:3: duplicate string symbol 'SOne' (first defined at 3:3)"},
    {"duplicate_name.rc", "2:1: duplicate RCDATA resource 'DATA' (first defined at 1:1)"},
    {"bad_escape.rc", "3:12: unknown escape sequence '\\q'"},
    {"short_hex_escape.rc", "3:12: \\x must be followed by two hex digits"},
    {"missing_end.rc", "4:1: missing END of the STRINGTABLE begun at 1:1"},
    {"missing_begin.rc", "2:3: expected BEGIN after STRINGTABLE, found 'SOne'"},
    {"missing_id.rc", "3:8: expected a string id after 'SOne'"},
    {"invalid_utf8.rc", "3:10: string is not valid UTF-8"},
    {"id_too_large.rc", "3:8: string id 70000 is out of range (1..65535)"},
    {"id_zero.rc", "3:9: string id 0 is out of range (1..65535)"},
    {"unterminated_comment.rc", "2:1: unterminated comment"},
    {"preprocessor.rc", "1:1: preprocessor directives are not supported"},
    {"unquoted_file.rc", "1:13: expected a quoted file name, found 'blob'"},
    {"stray_string.rc", "1:1: expected a resource name or STRINGTABLE, found a string"},
    {"bad_number.rc", "1:1: invalid number"},
    {"non_ascii_name.rc", "2:1: unexpected byte 0xC3"},
    {"keyword_symbol.rc", "4:3: string symbol 'delete' is a C++ keyword"},
    {"table_symbol.rc", "4:3: string symbol 'OutTable' is the name of the table"},
    {"bom_preprocessor.rc", "1:1: preprocessor directives are not supported"},
};

INSTANTIATE_TEST_SUITE_P(BadScripts, RescompErrorTest, ::testing::ValuesIn(BadScripts),
                         [](const auto& Info) {
                           std::string Name = Info.param.File;
                           return Name.substr(0, Name.find('.'));
                         });

} // namespace
