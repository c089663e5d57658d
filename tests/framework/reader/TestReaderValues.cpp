// The tagged values: every tag read and skipped, conversions of the wide,
// UTF-8 and ANSI forms, 80-bit floats, and damaged lengths.
#include "ReaderTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace readertest;

namespace {

struct TIntegerCase {
  TStreamBuilder Bytes;
  std::int64_t Expected;
};

TEST(ReaderValues, IntegersOfEverySizeAreSignExtended) {
  const TIntegerCase Cases[] = {
      {TStreamBuilder().Raw({svInt8, 0xFF}), -1},
      {TStreamBuilder().Raw({svInt8, 0x72}), 114},
      {TStreamBuilder().Raw({svInt16, 0x3A, 0x02}), 570},
      {TStreamBuilder().Raw({svInt16, 0xD4, 0xFE}), -300},
      {TStreamBuilder().Raw({svInt32, 0x70, 0x11, 0x01, 0x00}), 70000},
      {TStreamBuilder().Raw({svInt32, 0x00, 0x00, 0x00, 0x80}), -2147483647 - 1},
  };
  for (const auto& C : Cases) {
    TReaderOver R(C.Bytes);
    EXPECT_EQ(R.Reader->ReadInteger(), C.Expected);
    EXPECT_EQ(R.Finish(), std::int64_t(C.Bytes.Bytes.size()));
  }
}

TEST(ReaderValues, Int64TakesItsOwnTagAndTheIntegerTags) {
  TReaderOver A(TStreamBuilder().Int64(-5000000000LL));
  EXPECT_EQ(A.Reader->ReadInt64(), -5000000000LL);
  TReaderOver B(TStreamBuilder().Int(-7));
  EXPECT_EQ(B.Reader->ReadInt64(), -7);
}

struct TStringCase {
  const char* Name;
  TStreamBuilder Bytes;
  std::string Expected;
};

TEST(ReaderValues, EveryStringFormComesOutAsUtf8) {
  const TStringCase Cases[] = {
      {"ansi short", TStreamBuilder().String("Vertikal"), "Vertikal"},
      {"ansi high byte", TStreamBuilder().String("\xE9\x80"), "\xC3\xA9\xE2\x82\xAC"},
      {"long ansi", TStreamBuilder().LString("Bl\xE5"), "Bl\xC3\xA5"},
      {"wide", TStreamBuilder().WString(u"\u00F8l"), "\xC3\xB8l"},
      {"wide surrogate pair", TStreamBuilder().WString(u"\U0001F600"), "\xF0\x9F\x98\x80"},
      {"wide lone high surrogate", TStreamBuilder().WString(std::u16string(1, char16_t(0xD800))),
       "\xEF\xBF\xBD"},
      {"wide lone low surrogate",
       TStreamBuilder().WString(u"a" + std::u16string(1, char16_t(0xDC00))), "a\xEF\xBF\xBD"},
      {"utf8", TStreamBuilder().Utf8("\xC3\xA6"), "\xC3\xA6"},
      {"broken utf8", TStreamBuilder().Utf8("a\xFF"), "a\xEF\xBF\xBD"},
      {"empty", TStreamBuilder().String(""), ""},
  };
  for (const auto& C : Cases) {
    TReaderOver R(C.Bytes);
    EXPECT_EQ(R.Reader->ReadString(), C.Expected) << C.Name;
    EXPECT_EQ(R.Finish(), std::int64_t(C.Bytes.Bytes.size())) << C.Name;
  }
}

TEST(ReaderValues, IdentifiersIncludeTheTaglessOnes) {
  const std::pair<TStreamBuilder, std::string> Cases[] = {
      {TStreamBuilder().Ident("clBtnFace"), "clBtnFace"},
      {TStreamBuilder().Tag(svFalse), "False"},
      {TStreamBuilder().Tag(svTrue), "True"},
      {TStreamBuilder().Tag(svNil), "nil"},
      {TStreamBuilder().Tag(svNull), "Null"},
  };
  for (const auto& [Bytes, Expected] : Cases) {
    TReaderOver R(Bytes);
    EXPECT_EQ(R.Reader->ReadIdent(), Expected);
  }
  TReaderOver Bad(TStreamBuilder().String("x"));
  EXPECT_EQ(FailureOf([&] { Bad.Reader->ReadIdent(); }), "EReadError: Invalid property value");
}

struct TExtendedCase {
  std::uint64_t Mantissa;
  std::uint16_t SignExp;
  double Expected;
};

TEST(ReaderValues, ExtendedFloatsConvertWithoutLongDouble) {
  const double Inf = std::numeric_limits<double>::infinity();
  const TExtendedCase Cases[] = {
      {0x8000000000000000ULL, 0x3FFF, 1.0},
      {0xA000000000000000ULL, 0xC000, -2.5},
      {0xC90FDAA22168C235ULL, 0x4000, 3.14159265358979323846},
      {0, 0, 0.0},
      {0x8000000000000000ULL, 0x3FFF - 1074, 4.9406564584124654e-324},
      {0x8000000000000000ULL, 0x0001, 0.0},
      {0x8000000000000000ULL, 0x7FFE, Inf},
      {0x8000000000000000ULL, 0x7FFF, Inf},
      {0x8000000000000000ULL, 0xFFFF, -Inf},
  };
  for (const auto& C : Cases) {
    TReaderOver R(TStreamBuilder().Extended(C.Mantissa, C.SignExp));
    EXPECT_EQ(R.Reader->ReadFloat(), C.Expected) << std::hex << C.SignExp;
  }
  TReaderOver NaN(TStreamBuilder().Extended(0xC000000000000000ULL, 0x7FFF));
  EXPECT_TRUE(std::isnan(NaN.Reader->ReadFloat()));
}

TEST(ReaderValues, SingleCurrencyAndDateHaveTheirOwnTags) {
  TReaderOver S(TStreamBuilder().Tag(svSingle).Le(0x3FC00000, 4));
  EXPECT_EQ(S.Reader->ReadSingle(), 1.5f);
  TReaderOver C(TStreamBuilder().Tag(svCurrency).Le(std::uint64_t(-12345), 8));
  EXPECT_EQ(C.Reader->ReadCurrency(), -12345);
  TReaderOver CI(TStreamBuilder().Int(3));
  EXPECT_EQ(CI.Reader->ReadCurrency(), 30000);
  TReaderOver D(TStreamBuilder().Tag(svDate).Le(0x40E5F4C000000000ULL, 8));
  EXPECT_EQ(D.Reader->ReadDate(), 44966.0);
  TReaderOver F(TStreamBuilder().Int(-4));
  EXPECT_EQ(F.Reader->ReadFloat(), -4.0);
}

TEST(ReaderValues, CharactersHoldAtMostOneCharacter) {
  const std::pair<TStreamBuilder, int> Good[] = {
      {TStreamBuilder().String("A"), 'A'},         {TStreamBuilder().String(""), 0},
      {TStreamBuilder().String("\xE9"), 0xE9},     {TStreamBuilder().WString(u"\u00E9"), 0xE9},
      {TStreamBuilder().WString(u"\u20AC"), 0x80},
  };
  for (const auto& [Bytes, Code] : Good) {
    TReaderOver R(Bytes);
    EXPECT_EQ(std::uint8_t(R.Reader->ReadChar()), Code);
  }
  TReaderOver Long(TStreamBuilder().String("AB"));
  EXPECT_EQ(FailureOf([&] { Long.Reader->ReadChar(); }), "EReadError: Invalid property value");
}

TEST(ReaderValues, WrongTagsForTypedReadsAreInvalidValues) {
  const std::pair<TStreamBuilder, std::function<void(TReader&)>> Cases[] = {
      {TStreamBuilder().String("1"), [](TReader& R) { R.ReadInteger(); }},
      {TStreamBuilder().Tag(svInt8).Raw({1}), [](TReader& R) { R.ReadBoolean(); }},
      {TStreamBuilder().Int(1), [](TReader& R) { R.ReadString(); }},
      {TStreamBuilder().Tag(svSingle).Le(0, 4), [](TReader& R) { R.ReadFloat(); }},
      {TStreamBuilder().Tag(svList), [](TReader& R) { R.ReadIdent(); }},
  };
  for (const auto& [Bytes, Read] : Cases) {
    TReaderOver R(Bytes);
    EXPECT_EQ(FailureOf([&] { Read(*R.Reader); }), "EReadError: Invalid property value");
  }
}

// Each value is followed by a marker integer that must be next after the
// skip.
TEST(ReaderValues, EveryTagIsSkippedExactly) {
  std::vector<std::pair<const char*, TStreamBuilder>> Cases = {
      {"null", TStreamBuilder().Tag(svNull)},
      {"list", TStreamBuilder().Tag(svList).Int(1).Tag(svList).String("x").End().End()},
      {"int8", TStreamBuilder().Int(5)},
      {"int16", TStreamBuilder().Int(500)},
      {"int32", TStreamBuilder().Int(500000)},
      {"extended", TStreamBuilder().Extended(1, 2)},
      {"string", TStreamBuilder().String("abc")},
      {"ident", TStreamBuilder().Ident("abc")},
      {"false", TStreamBuilder().Tag(svFalse)},
      {"true", TStreamBuilder().Tag(svTrue)},
      {"binary", TStreamBuilder().Binary(std::vector<std::uint8_t>(700, 0x42))},
      {"set", TStreamBuilder().Set({"a", "bb"})},
      {"lstring", TStreamBuilder().LString(std::string(5000, 'z'))},
      {"nil", TStreamBuilder().Tag(svNil)},
      {"collection", TStreamBuilder()
                         .Tag(svCollection)
                         .Int(0)
                         .Tag(svList)
                         .Prop("Caption")
                         .String("c")
                         .End()
                         .Tag(svList)
                         .End()
                         .End()},
      {"single", TStreamBuilder().Tag(svSingle).Le(0, 4)},
      {"currency", TStreamBuilder().Tag(svCurrency).Le(0, 8)},
      {"date", TStreamBuilder().Tag(svDate).Le(0, 8)},
      {"wstring", TStreamBuilder().WString(u"wide")},
      {"int64", TStreamBuilder().Int64(1)},
      {"utf8", TStreamBuilder().Utf8("\xC3\xA6")},
  };
  ASSERT_EQ(Cases.size(), 21u);
  for (auto& [Name, Bytes] : Cases) {
    Bytes.Int(0x77);
    TReaderOver R(Bytes);
    R.Reader->SkipValue();
    EXPECT_EQ(R.Reader->ReadInteger(), 0x77) << Name;
  }
}

TEST(ReaderValues, AnUnknownTagCannotBeSkipped) {
  TReaderOver R(TStreamBuilder().Raw({21, 0, 0}));
  EXPECT_EQ(FailureOf([&] { R.Reader->SkipValue(); }), "EReadError: Invalid value tag 21");
}

// Counts far beyond the stream fail when the bytes run out, before any
// allocation of that size (the sanitizer build would abort on one).
TEST(ReaderValues, HugeCountsFailWithStreamReadError) {
  const std::pair<const char*, std::function<void(TReader&)>> Reads[] = {
      {"lstring", [](TReader& R) { R.ReadString(); }},
      {"skip", [](TReader& R) { R.SkipValue(); }},
  };
  for (TValueType Tag : {svLString, svUTF8String, svWString, svBinary})
    for (const auto& [Name, Read] : Reads) {
      if (Tag == svBinary && std::string(Name) == "lstring") continue;
      TReaderOver R(TStreamBuilder().Tag(Tag).Le(0xFFFFFFFF, 4).RawText("abc"));
      EXPECT_EQ(FailureOf([&] { Read(*R.Reader); }), "EReadError: Stream read error")
          << Name << " " << int(Tag);
    }
}

TEST(ReaderValues, ListsNestedTooDeeplyAreRefused) {
  TStreamBuilder Deep;
  for (int I = 0; I < 300; ++I) Deep.Tag(svList);
  for (int I = 0; I < 300; ++I) Deep.End();
  TReaderOver R(Deep);
  EXPECT_EQ(FailureOf([&] { R.Reader->SkipValue(); }),
            "EReadError: Form definition nested too deeply");
  TStreamBuilder Fine;
  for (int I = 0; I < 200; ++I) Fine.Tag(svList);
  for (int I = 0; I < 200; ++I) Fine.End();
  TReaderOver F(Fine);
  F.Reader->SkipValue();
  EXPECT_EQ(F.Finish(), 400);
}

TEST(ReaderValues, TheStreamEndsJustBehindWhatWasRead) {
  TStreamBuilder B;
  B.Int(1).Int(2).Int(3);
  TReaderOver R(B);
  R.Reader->ReadInteger();
  EXPECT_EQ(R.Finish(), 2);

  // A value larger than the buffer goes past it and the position still
  // adds up.
  TStreamBuilder Big;
  Big.LString(std::string(10000, 'q')).Int(9).Int(10);
  TReaderOver L(Big);
  EXPECT_EQ(L.Reader->ReadString(), std::string(10000, 'q'));
  EXPECT_EQ(L.Reader->ReadInteger(), 9);
  EXPECT_EQ(L.Finish(), std::int64_t(Big.Bytes.size()) - 2);
}

TEST(ReaderValues, SignatureMustBeTPF0) {
  const std::pair<TStreamBuilder, std::string> Cases[] = {
      {TStreamBuilder().RawText("TPF0"), "no exception"},
      {TStreamBuilder().RawText("TPF1"), "EReadError: Invalid stream format"},
      {TStreamBuilder().RawText("TP"), "EReadError: Invalid stream format"},
      {TStreamBuilder(), "EReadError: Invalid stream format"},
  };
  for (const auto& [Bytes, Expected] : Cases) {
    TReaderOver R(Bytes);
    EXPECT_EQ(FailureOf([&] { R.Reader->ReadSignature(); }), Expected);
  }
}

TEST(ReaderValues, PrefixGivesFlagsAndChildPosition) {
  struct TCase {
    TStreamBuilder Bytes;
    std::uint8_t Flags;
    int Pos;
    std::int64_t Consumed;
  };
  const TCase Cases[] = {
      {TStreamBuilder().Short("TX"), 0, 0, 0},
      {TStreamBuilder().Raw({0xF1}).Short("TX"), pfInherited, 0, 1},
      {TStreamBuilder().Raw({0xF2}).Int(300).Short("TX"), pfChildPos, 300, 4},
      {TStreamBuilder().Raw({0xF4}).Short("TX"), pfInline, 0, 1},
  };
  for (const auto& C : Cases) {
    TReaderOver R(C.Bytes);
    std::uint8_t Flags;
    int Pos;
    R.Reader->ReadPrefix(Flags, Pos);
    EXPECT_EQ(Flags, C.Flags);
    EXPECT_EQ(Pos, C.Pos);
    EXPECT_EQ(R.Finish(), C.Consumed);
  }
}

} // namespace
