// Damaged streams: every truncation of the app's streams and of a fixture
// with every value kind, and seeded random byte changes, must end in a
// clean EStreamFormatError (or, when the damage still decodes, print and
// compile back to the very same bytes), never a crash or a read past the
// input. The tool must turn the same damage into "offset N" and status 1.
#include <gtest/gtest.h>

#include "FormcSupport.h"
#include "support/TestRandom.h"

#include <algorithm>

namespace {

std::vector<std::string> FormcSampleStreams() {
  std::vector<std::string> Streams;
  for (const char* File : {"Unit1.form", "Unitvl.form", "Unitdm1.form", "About.form"})
    Streams.push_back(FormcCompileText(FormcReadAll(FormcAppForms + "/" + File), FormcAppForms));
  Streams.push_back(FormcCompileText(FormcReadAll(FormcDataDir + "/AllKinds.form")));
  return Streams;
}

TEST(FormcRobustness, EveryTruncationIsACleanError) {
  for (const std::string& Stream : FormcSampleStreams()) {
    for (std::size_t Len = 0; Len < Stream.size(); ++Len) {
      try {
        DecodeFormStream(Stream.substr(0, Len));
        ADD_FAILURE() << "a stream cut to " << Len << " of " << Stream.size() << " bytes decoded";
      } catch (const EStreamFormatError& E) {
        EXPECT_LE(E.GetOffset(), Len);
      }
    }
  }
}

TEST(FormcRobustness, TrailingBytesAreRefused) {
  std::string Stream = FormcSampleStreams().front() + "x";
  try {
    DecodeFormStream(Stream);
    ADD_FAILURE() << "trailing byte accepted";
  } catch (const EStreamFormatError& E) {
    EXPECT_EQ(E.GetOffset(), Stream.size() - 1);
    EXPECT_STREQ(E.what(), "unexpected bytes after the root component");
  }
}

TEST(FormcRobustness, HugeCountsFailBeforeAllocating) {
  using namespace std::string_literals;
  for (const std::string& Value : {"\x0A\xFF\xFF\xFF\xFF"s, "\x12\xFF\xFF\xFF\xFF"s,
                                   "\x0C\xFF\xFF\xFF\x7F"s, "\x14\x00\x00\x00\x80"s})
    EXPECT_THROW(DecodeFormStream("TPF0\x02TX\x01X\x01P"s + Value + "\0\0"s), EStreamFormatError);
}

TEST(FormcRobustness, UnknownTagsAndBadSignatures) {
  using namespace std::string_literals;
  const std::pair<std::string, const char*> Cases[] = {
      {"TPF1\x02TX\0\0\0"s, "not a form stream: the signature TPF0 is missing"},
      {"TP"s, "not a form stream: the signature TPF0 is missing"},
      {"TPF0\x02TX\x01X\x01P\x15\0\0"s, "unknown value tag 21"},
      {"TPF0\x00\x00\0\0"s, "empty class name"},
      {"TPF0\xF2\x06\x01x\x02TX\0\0\0"s, "the child position is not an integer"},
      {"TPF0\x02TX\x01X\x01P\x0E\x07\0\0\0"s, "a collection item does not start with a list tag"},
      {"TPF0\x02TX\x01X\x01P" + std::string(300, '\x01') + "\0\0"s,
       "the stream is nested too deeply"},
  };
  for (const auto& [Bytes, Message] : Cases) {
    try {
      DecodeFormStream(Bytes);
      ADD_FAILURE() << Message;
    } catch (const EStreamFormatError& E) {
      EXPECT_STREQ(E.what(), Message);
    }
  }
}

TEST(FormcRobustness, RandomDamageDecodesCleanlyOrRoundTrips) {
  TTestRandom Random(0x70C3);
  std::vector<std::string> Streams = FormcSampleStreams();
  int Decoded = 0;
  for (int Round = 0; Round < 3000; ++Round) {
    std::string S = Random.Pick(Streams);
    int Changes = Random.Between(1, 4);
    for (int I = 0; I < Changes; ++I) {
      std::size_t At = Random.Below(S.size());
      if (Random.Percent(70))
        S[At] = char(Random.Below(256));
      else if (Random.Percent(50))
        S.erase(At, 1);
      else
        S.insert(At, 1, char(Random.Pick({0, 1, 2, 6, 7, 14, 0x12, 0xF2, 0xFF})));
    }
    TFormObject Root;
    try {
      Root = DecodeFormStream(S);
    } catch (const EStreamFormatError&) {
      continue;
    }
    std::string Text;
    try {
      Text = PrintFormText(Root);
    } catch (const EFormPrintError&) {
      continue;
    }
    ++Decoded;
    ASSERT_EQ(FormcHex(FormcCompileText(Text)), FormcHex(S)) << Text;
  }
  EXPECT_GT(Decoded, 100);
}

TEST(FormcRobustness, DamagedTextFailsWithAPlaceInsideTheText) {
  TTestRandom Random(0xF0C5);
  const std::string Source = FormcReadAll(FormcDataDir + "/AllKinds.form");
  const char Pieces[] = {'\'', '#', '{', '}', '(', ')',  '<', '>', '[', ']',    '=',   '+',
                         '@',  '-', '$', '.', ':', '\n', ' ', 'x', '9', '\xC3', '\xFF'};
  int Failed = 0;
  for (int Round = 0; Round < 2000; ++Round) {
    std::string Text = Source;
    for (int I = Random.Between(1, 3); I > 0; --I) {
      std::size_t At = Random.Below(Text.size());
      if (Random.Percent(50))
        Text[At] = Random.Pick(Pieces);
      else
        Text.erase(At, Random.Between(1, 8));
    }
    try {
      FormcCompileText(Text);
    } catch (const EFormError& E) {
      ++Failed;
      int Lines = 1 + int(std::count(Text.begin(), Text.end(), '\n'));
      EXPECT_GE(E.GetPos().Line, 1);
      EXPECT_LE(E.GetPos().Line, Lines);
      EXPECT_GE(E.GetPos().Column, 1);
    }
  }
  EXPECT_GT(Failed, 1000);
}

TEST(FormcRobustness, ToolReportsDamagedStreamsWithTheirOffset) {
  std::filesystem::path Dir = FormcTempDir();
  std::string Stream = FormcSampleStreams().front();
  FormcWriteAll(Dir / "cut.bin", Stream.substr(0, 20));
  TFormcRun R = FormcRun("--print " + FormcQuote(Dir / "cut.bin"));
  EXPECT_EQ(R.Status, 1);
  EXPECT_EQ(R.Output.rfind((Dir / "cut.bin").string() + ": offset ", 0), 0u) << R.Output;
  EXPECT_NE(R.Output.find("the stream ends inside a value"), std::string::npos) << R.Output;
}

} // namespace
