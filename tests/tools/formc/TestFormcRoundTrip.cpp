// text -> binary -> text -> binary gives the same bytes: for the app's five
// definitions through the built tool, for a fixture with every value kind,
// and for hand-made streams whose writer chose non-canonical tags, which
// the printer must annotate. Also the known bytes of the app's streams.
#include <gtest/gtest.h>

#include "FormcSupport.h"

namespace {

const char* const FormcAppFormFiles[] = {"Unit1.form", "Unitvl.form", "Unitdm1.form", "About.form",
                                         "Unitlogo.form"};

std::string FormcAppStream(const char* File) {
  return FormcCompileText(FormcReadAll(FormcAppForms + "/" + File), FormcAppForms);
}

std::string FormcReprint(const std::string& Stream) {
  return FormcCompileText(PrintFormText(DecodeFormStream(Stream)));
}

TEST(FormcRoundTrip, AppFormsThroughTheTool) {
  std::filesystem::path Dir = FormcTempDir();
  for (const char* File : FormcAppFormFiles) {
    std::filesystem::path Form = std::filesystem::path(FormcAppForms) / File;
    TFormcRun A = FormcRun(FormcQuote(Form) + " -o " + FormcQuote(Dir / "a.bin"));
    ASSERT_EQ(A.Status, 0) << File << ": " << A.Output;
    TFormcRun P =
        FormcRun("--print " + FormcQuote(Dir / "a.bin") + " -o " + FormcQuote(Dir / "b.form"));
    ASSERT_EQ(P.Status, 0) << File << ": " << P.Output;
    TFormcRun B = FormcRun(FormcQuote(Dir / "b.form") + " -o " + FormcQuote(Dir / "b.bin"));
    ASSERT_EQ(B.Status, 0) << File << ": " << B.Output;
    std::string First = FormcReadAll(Dir / "a.bin");
    EXPECT_GT(First.size(), 100u) << File;
    EXPECT_EQ(First, FormcReadAll(Dir / "b.bin")) << File;
    EXPECT_EQ(First, FormcAppStream(File)) << File;
  }
}

TEST(FormcRoundTrip, FixtureWithEveryValueKind) {
  std::string Stream = FormcCompileText(FormcReadAll(FormcDataDir + "/AllKinds.form"));
  std::string Text = PrintFormText(DecodeFormStream(Stream));
  EXPECT_EQ(FormcCompileText(Text), Stream) << Text;
  // Printing is stable: the second text equals the first.
  EXPECT_EQ(PrintFormText(DecodeFormStream(FormcCompileText(Text))), Text);
}

struct TReprintCase {
  const char* What;
  std::string Value; // tagged value bytes, placed as property P of object X: TX
  const char* Text;  // how the printer must show it
};

std::string FormcStreamWith(const std::string& Value) {
  return std::string("TPF0\x02TX\x01X\x01P", 11) + Value + std::string("\0\0", 2);
}

TEST(FormcRoundTrip, NonCanonicalTagsComeBackThroughAnnotations) {
  using namespace std::string_literals;
  const TReprintCase Cases[] = {
      {"small int32", "\x04\x05\0\0\0"s, "@int32 5"},
      {"small int16", "\x03\x05\0"s, "@int16 5"},
      {"small int64", "\x13\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s, "@int64 -1"},
      {"short lstring", "\x0C\x01\0\0\0a"s, "@lstring 'a'"},
      {"narrow wstring", "\x12\x01\0\0\0a\0"s, "@wstring 'a'"},
      {"utf8 string", "\x14\x02\0\0\0\xC3\xB8"s, "@utf8 'ø'"},
      {"ident with a blank",
       "\x07\x03"
       "a b"s,
       "@ident 'a b'"},
      {"ident spelled like a word", "\x07\x04True"s, "@ident 'True'"},
      {"ident spelled like the end",
       "\x07\x03"
       "end"s,
       "@ident 'end'"},
      {"single", "\x0F\0\0\xC0\x3F"s, "@single 1.5"},
      {"date", "\x11\0\0\0\0\0\0\xF0\x3F"s, "@date 1.0"},
      {"currency", "\x10\x98\x3A\0\0\0\0\0\0"s, "@currency 1.5"},
      {"unpaired surrogate", "\x12\x01\0\0\0\x00\xD8"s, "@raw {\n    120100000000D8}"},
      {"invalid utf8", "\x14\x01\0\0\0\xFF"s, "@raw {\n    1401000000FF}"},
      {"extended beyond double", "\x05\x01\0\0\0\0\0\0\x80\xFF\x3F"s,
       "@raw {\n    050100000000000080FF3F}"},
      {"extended infinity", "\x05\0\0\0\0\0\0\0\x80\xFF\x7F"s,
       "@raw {\n    050000000000000080FF7F}"},
      {"single NaN", "\x0F\0\0\xC0\x7F"s, "@raw {\n    0F0000C07F}"},
      {"set element with a blank",
       "\x0B\x03"
       "a b\0"s,
       "@raw {\n    0B0361206200}"},
      {"collection item with int32 index", "\x0E\x04\x01\0\0\0\x01\0\0"s,
       "<\n    item [@int32 1]\n    end>"},
      {"control characters",
       "\x06\x03\x01"
       "a\x7F"s,
       "#1'a'#127"},
  };
  for (const TReprintCase& C : Cases) {
    std::string Stream = FormcStreamWith(C.Value);
    std::string Text = PrintFormText(DecodeFormStream(Stream));
    EXPECT_EQ(Text, "object X: TX\n  P = " + std::string(C.Text) + "\nend\n") << C.What;
    EXPECT_EQ(FormcHex(FormcCompileText(Text)), FormcHex(Stream)) << C.What;
  }
}

TEST(FormcRoundTrip, OddPrefixBytesComeBackThroughAnnotations) {
  using namespace std::string_literals;
  const std::pair<std::string, const char*> Cases[] = {
      {"\xF0\x02TX\x01X\0\0"s, "object @prefix 240 X: TX\nend\n"},
      {"\xF5\x02TX\x01X\0\0"s, "inline @prefix 245 X: TX\nend\n"},
      {"\xFA\x04\x01\0\0\0\x02TX\0\0\0"s, "object @prefix 250 TX [@int32 1]\nend\n"},
      {"\xF2\x02\x07\x02TX\x01X\0\0"s, "object X: TX [7]\nend\n"},
  };
  for (const auto& [Entry, Text] : Cases) {
    std::string Stream = "TPF0" + Entry;
    EXPECT_EQ(PrintFormText(DecodeFormStream(Stream)), Text);
    EXPECT_EQ(FormcHex(FormcCompileText(Text)), FormcHex(Stream)) << Text;
  }
}

TEST(FormcRoundTrip, NamesThatAreNoIdentifiersAreRefused) {
  using namespace std::string_literals;
  for (const std::string& Entry :
       {"\x03T X\x01X\0\0"s, "\x02TX\x03X Y\0\0"s, "\x02TX\x01X\x03P Q\x02\x01\0\0"s})
    EXPECT_THROW(PrintFormText(DecodeFormStream("TPF0" + Entry)), EFormPrintError);
}

TEST(FormcRoundTrip, LongStringsAreCutAndRejoined) {
  std::string Long;
  for (int I = 0; I < 150; ++I) Long += char('a' + I % 26);
  std::string Stream = FormcCompileText("object X: TX\n  P = '" + Long + "'\nend\n");
  std::string Text = PrintFormText(DecodeFormStream(Stream));
  EXPECT_NE(Text.find("' +\n    '"), std::string::npos) << Text;
  EXPECT_EQ(FormcReprint(Stream), Stream);
}

TEST(FormcRoundTrip, KnownBytesOfTheAppStreams) {
  std::string Form1 = FormcAppStream("Unit1.form");
  EXPECT_EQ(Form1.substr(0, 4 + 7 + 6), std::string("TPF0\x06TForm1\x05"
                                                    "Form1",
                                                    17));
  EXPECT_NE(Form1.find(std::string("\x04Left\x03\x3A\x02", 8)), std::string::npos);
  std::string Dm1 = FormcAppStream("Unitdm1.form");
  EXPECT_NE(Dm1.find(std::string("\x03Top\x02\x72", 6)), std::string::npos);
  for (const char* File : FormcAppFormFiles) {
    TFormObject Root = DecodeFormStream(FormcAppStream(File));
    EXPECT_EQ(Root.Prefix, 0) << File;
  }
}

const TFormProperty* FormcFind(const TFormObject& Obj, const std::string& Name) {
  for (const TFormProperty& P : Obj.Properties)
    if (P.Name == Name) return &P;
  return nullptr;
}

TEST(FormcRoundTrip, PictureBlocksOfTheAppStreams) {
  std::string Ico = FormcReadAll(FormcAppForms + "/Tavrel.ico");
  std::string Jpg = FormcReadAll(FormcAppForms + "/Logo.jpg");
  ASSERT_EQ(Ico.size(), 766u);
  TFormObject About = DecodeFormStream(FormcAppStream("About.form"));
  const TFormProperty* Icon = FormcFind(About.Children.at(0).Children.at(0), "Picture.Data");
  ASSERT_NE(Icon, nullptr);
  EXPECT_EQ(Icon->Value.Data.size(), 772u);
  EXPECT_EQ(Icon->Value.Data, "\x05TIcon" + Ico);
  TFormObject Logo = DecodeFormStream(FormcAppStream("Unitlogo.form"));
  const TFormProperty* Image = FormcFind(Logo.Children.at(0), "Picture.Data");
  ASSERT_NE(Image, nullptr);
  EXPECT_EQ(Image->Value.Data.size(), 11u + 4u + Jpg.size());
  EXPECT_EQ(Image->Value.Data.substr(0, 11), "\x0ATJPEGImage");
  EXPECT_EQ(Image->Value.Data.substr(15), Jpg);
}

TEST(FormcRoundTrip, ToolWritesResourceScriptAndDepfile) {
  std::filesystem::path Dir = FormcTempDir();
  std::filesystem::path Form = std::filesystem::path(FormcAppForms) / "Unitlogo.form";
  TFormcRun R = FormcRun(FormcQuote(Form) + " -o " + FormcQuote(Dir / "logo.bin") + " --rc " +
                         FormcQuote(Dir / "logo.rc") + " --depfile " + FormcQuote(Dir / "logo.d"));
  ASSERT_EQ(R.Status, 0) << R.Output;
  EXPECT_EQ(FormcReadAll(Dir / "logo.rc"),
            "// Generated by formc.\nTFORMLOGO RCDATA \"" + (Dir / "logo.bin").string() + "\"\n");
  std::string Dep = FormcReadAll(Dir / "logo.d");
  EXPECT_EQ(Dep, (Dir / "logo.bin").string() + ": \\\n  " + Form.string() + " \\\n  " +
                     (std::filesystem::path(FormcAppForms) / "Logo.jpg").string() + "\n");
}

} // namespace
