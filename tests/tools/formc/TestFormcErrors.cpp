// Broken form text: each case must stop at the exact line and column of
// the culprit with its message, and the tool must print it as
// FILE:LINE:COLUMN: MESSAGE with a failing status.
#include <gtest/gtest.h>

#include "FormcSupport.h"

namespace {

struct TErrorCase {
  const char* Text;
  int Line, Column;
  const char* Message;
};

const TErrorCase FormcErrorCases[] = {
    {"", 1, 1, "expected 'object', 'inherited' or 'inline', found end of file"},
    {"thing A: TA\nend\n", 1, 1, "expected 'object', 'inherited' or 'inline', found 'thing'"},
    {"object A: TA\n  Left = 1\n", 3, 1, "missing 'end' of the object begun at 1:1"},
    {"object A: TA\nend\nend\n", 3, 1, "expected end of file after the root object, found 'end'"},
    {"object A: 5\nend\n", 1, 11, "expected a class name after ':', found '5'"},
    {"object A: TA\n  Left 5\nend\n", 2, 8,
     "expected '=' after the property name 'Left', found '5'"},
    {"object A: TA\n  Left =\nend\n", 3, 1, "expected a value, found 'end'"},
    {"object A: TA\n  = 3\nend\n", 2, 3, "expected a property name, 'object' or 'end', found '='"},
    {"object A: TA\n  S = 'abc\nend\n", 2, 7, "unterminated string"},
    {"object A: TA\n  S = 'a' +\n  3\nend\n", 3, 3, "expected a string after '+', found '3'"},
    {"object A: TA\n  S = #\nend\n", 2, 7, "expected a character code after '#'"},
    {"object A: TA\n  S = #55296\nend\n", 2, 7, "character code is not a Unicode character"},
    {"object A: TA\n  N = 9223372036854775808\nend\n", 2, 7,
     "integer 9223372036854775808 is out of the 64-bit range"},
    {"object A: TA\n  N = 12ab\nend\n", 2, 7, "invalid number '12a'"},
    {"object A: TA\n  F = 1e999\nend\n", 2, 7, "float 1e999 is out of the double range"},
    {"object A: TA\n  B = {0A 1}\nend\n", 2, 12, "odd number of hex digits in a binary block"},
    {"object A: TA\n  B = {0A\n   zz}\nend\n", 3, 4, "unexpected 'z' in a binary block"},
    {"object A: TA\n  B = {0A\n", 2, 7, "unterminated binary block"},
    {"object A: TA\n  X = [a b]\nend\n", 2, 10, "expected ',' between set elements, found 'b'"},
    {"object A: TA\n  X = [a, 1]\nend\n", 2, 11, "expected a set element name, found '1'"},
    {"object A: TA\n  X = ( 1 2\nend\n", 3, 1, "missing ')' of the list begun at 2:7"},
    {"object A: TA\n  X = ( Null )\nend\n", 2, 9,
     "Null cannot stand inside a list: it would end it"},
    {"object A: TA\n  X = < thing >\nend\n", 2, 9,
     "expected 'item' or '>' in the collection begun at 2:7, found 'thing'"},
    {"object A: TA\n  X = < item [1.5] end >\nend\n", 2, 15,
     "an item index must be an integer of at most 32 bits"},
    {"object A: TA [x]\nend\n", 1, 15, "a child position must be an integer of at most 32 bits"},
    {"object A: TA\n  X = @int8 128\nend\n", 2, 13, "128 does not fit @int8"},
    {"object A: TA\n  X = @int16 'a'\nend\n", 2, 14,
     "expected an integer after '@int16', found a string"},
    {"object A: TA\n  X = @string 'λ'\nend\n", 2, 15, "the text of '@string' is not Windows-1252"},
    {"object A: TA\n  X = @currency 1.23456\nend\n", 2, 17,
     "@currency takes a decimal of at most 4 places within the 64-bit range"},
    {"object A: TA\n  X = @bogus 1\nend\n", 2, 7, "unknown annotation '@bogus'"},
    {"object A: TA\n  X = @raw {0203 04}\nend\n", 2, 12,
     "@raw block is not one value: unexpected bytes after the value at byte 2"},
    {"object A: TA\n  X = @raw {03 01}\nend\n", 2, 12,
     "@raw block is not one value: the stream ends inside a value at byte 1"},
    {"object A: TA\n  X = @prefix 240\nend\n", 2, 7,
     "'@prefix' belongs right after 'object', 'inherited' or 'inline'"},
    {"inherited @prefix 244 A: TA\nend\n", 1, 1, "the keyword does not match the @prefix flags"},
    {"object @prefix 242 A: TA\nend\n", 1, 20,
     "the child position does not match the @prefix flags"},
    {"object A: TA\n  X = picture TPNGImage 'a.png'\nend\n", 2, 15,
     "unknown picture class 'TPNGImage' (formc knows TBitmap, TIcon and TJPEGImage)"},
    {"object A: TA\n  X = picture TIcon 'missing.ico'\nend\n", 2, 21, "cannot open 'missing.ico'"},
    {"object A: TA\n  X = picture TJPEGImage 'notjpeg.jpg'\nend\n", 2, 26,
     "'notjpeg.jpg' is not a JPEG file"},
    {"object A: TA\n  X = picture TIcon 'tiny.jpg'\nend\n", 2, 21,
     "'tiny.jpg' is not an icon file"},
    {"object A: TA\n  Font. = 1\nend\n", 2, 7, "expected a name after '.'"},
    {"object A: TA\n  X = ~\nend\n", 2, 7, "unexpected '~'"},
    {"object A: TA\n  X = 'a\xFF'\nend\n", 2, 9, "the text is not valid UTF-8"},
};

TEST(FormcErrors, EachMistakeIsReportedWhereItIs) {
  for (const TErrorCase& C : FormcErrorCases) {
    try {
      FormcCompileText(C.Text);
      ADD_FAILURE() << "accepted: " << C.Text;
    } catch (const EFormError& E) {
      EXPECT_EQ(E.GetPos().Line, C.Line) << C.Text;
      EXPECT_EQ(E.GetPos().Column, C.Column) << C.Text;
      EXPECT_STREQ(E.what(), C.Message) << C.Text;
    }
  }
}

TEST(FormcErrors, DeepNestingIsRefusedNotOverflowed) {
  std::string Deep = "object A: TA\n  X = " + std::string(5000, '(') + "\nend\n";
  EXPECT_THROW(FormcCompileText(Deep), EFormError);
  std::string Objects;
  for (int I = 0; I < 5000; ++I) Objects += "object A: TA\n";
  EXPECT_THROW(FormcCompileText(Objects), EFormError);
}

TEST(FormcErrors, ToolPrintsFileLineColumnAndFails) {
  std::filesystem::path Dir = FormcTempDir();
  FormcWriteAll(Dir / "bad.form", "object A: TA\n  Left 5\nend\n");
  TFormcRun R = FormcRun(FormcQuote(Dir / "bad.form") + " --output " + FormcQuote(Dir / "bad.bin"));
  EXPECT_EQ(R.Status, 1);
  EXPECT_EQ(R.Output, (Dir / "bad.form").string() +
                          ":2:8: expected '=' after the property name 'Left', found '5'\n");
  EXPECT_FALSE(std::filesystem::exists(Dir / "bad.bin"));
}

TEST(FormcErrors, BadCommandLinesEndWithStatusTwo) {
  for (const char* Args : {"", "--output x.bin", "a.form", "--print", "a.form -o",
                           "--bogus a.form -o x", "--print a.bin --rc x.rc"})
    EXPECT_EQ(FormcRun(Args).Status, 2) << Args;
}

TEST(FormcErrors, MissingInputIsReported) {
  TFormcRun R = FormcRun("/nonexistent/x.form -o /nonexistent/x.bin");
  EXPECT_EQ(R.Status, 1);
  EXPECT_EQ(R.Output, "formc: cannot read '/nonexistent/x.form'\n");
}

} // namespace
