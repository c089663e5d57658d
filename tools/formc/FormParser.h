// Form text -> form tree. The text is the usual textual layout of form
// definition streams:
//
//   object Form1: TForm1            (also 'inherited' and 'inline'; an
//     Left = 570                     optional [n] after the class gives
//     Caption = 'Tavrel'             the child position; a lone identifier
//     Font.Style = [fsBold]          after the keyword is the class of a
//     object Shape1: TShape          component without a name)
//       Cursor = crNo
//     end
//   end
//
// One "Name = value" per property; values are
//   integers           570, -11, $FF     smallest of svInt8/16/32, svInt64
//                                        only beyond 32 bits
//   floats             1.5, 2e-3         svExtended (read at double precision)
//   strings            'it''s' #13#10 'x' + (next line) 'y'
//                                        #n is a Unicode code point; svString
//                                        when Windows-1252 and <= 255 bytes,
//                                        svLString when longer, else svWString
//   identifiers        bsToolWindow, DM1.AdvPopupMenu1   svIdent; True, False,
//                                        nil, Null (any case) are svTrue,
//                                        svFalse, svNil, svNull
//   sets               [fsBold, fsItalic]
//   lists              ( 1 'two' three ) whitespace-separated values
//   collections        < item Caption = 'x' end  item [7] ... end >
//                                        [n] after 'item' stores an index
//   binary             { 0A 1B ... }     hex, may span lines
//   pictures           picture TJPEGImage 'Logo.jpg'
//                                        a file, relative to the .form file,
//                                        wrapped as a picture's Data block:
//                                        the ShortString class name, then
//                                        TJPEGImage and TBitmap: a 32-bit
//                                        count and the file; TIcon: the file
//
// Annotations force an encoding where the rule above would pick another
// one; formc --print writes them for streams whose writer chose otherwise:
//   @int8 @int16 @int32 @int64 <integer>    @single @date <float>
//   @currency <decimal, up to 4 places>     @ident <identifier or string>
//   @string @lstring @wstring @utf8 <string>
//   @raw { hex }   one complete tagged value, byte for byte
//   object @prefix 240 Name: TClass         the component's prefix byte
#pragma once

#include "FormLexer.h"
#include "FormTree.h"

#include <string>
#include <string_view>
#include <vector>

class TFormParser {
public:
  // BaseDir resolves the file names of picture includes.
  TFormParser(std::string_view Source, std::string BaseDir);
  // Throws EFormError at the first problem.
  TFormObject Parse();
  // The files the pictures named, as opened, in order.
  const std::vector<std::string>& GetIncludes() const { return FIncludes; }

private:
  TFormObject ParseObject(int Depth);
  void ParseObjectHeader(TFormObject& Obj);
  TFormProperty ParseProperty(int Depth);
  TFormValue ParseValue(int Depth, bool InList);
  TFormValue ParseIdentValue();
  TFormValue ParseAnnotated();
  TFormValue ParseAnnotatedString(const std::string& Word);
  TFormValue ParseAnnotatedFloat(const std::string& Word);
  TFormValue ParseRaw();
  TFormValue ParseList(int Depth);
  TFormValue ParseSet();
  TFormValue ParseCollection(int Depth);
  TFormValue ParsePicture();
  std::string ParseStringExpr();
  double ParseDouble(const TFormToken& T) const;
  std::string AnsiName(const TFormToken& T, const char* What) const;

  bool IsWord(std::size_t Ahead, const char* Word) const;
  bool IsSymbol(char C, std::size_t Ahead = 0) const;
  const TFormToken& Peek(std::size_t Ahead = 0) const;
  TFormToken Take();
  void Expect(char Symbol, const char* Context);
  [[noreturn]] void Fail(const TFormToken& At, const std::string& Message) const;

  std::vector<TFormToken> FTokens;
  std::size_t FIndex = 0;
  std::string FBaseDir;
  std::vector<std::string> FIncludes;
};

// How a token reads in an error message.
std::string FormTokenSpelling(const TFormToken& T);
