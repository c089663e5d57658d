// The font description and its HFONT. Setters compare first: setting
// the current value is no change and raises nothing.
#include "framework/graphics/Font.h"

#include "framework/classes/ClassBuilder.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int DefaultPixelsPerInch = 96;
constexpr std::size_t MaxFaceName = LF_FACESIZE - 1;

BYTE PitchToLogFont(TFontPitch Pitch) {
  switch (Pitch) {
  case fpVariable: return VARIABLE_PITCH;
  case fpFixed: return FIXED_PITCH;
  default: return DEFAULT_PITCH;
  }
}

TFontPitch PitchFromLogFont(BYTE PitchAndFamily) {
  switch (PitchAndFamily & 0x3) {
  case VARIABLE_PITCH: return fpVariable;
  case FIXED_PITCH: return fpFixed;
  default: return fpDefault;
  }
}

} // namespace

int MulDiv(int Number, int Numerator, int Denominator) {
  if (Denominator == 0) return -1;
  long long Product = static_cast<long long>(Number) * Numerator;
  long long Half = std::llabs(static_cast<long long>(Denominator)) / 2;
  bool Negative = (Product < 0) != (Denominator < 0);
  long long Magnitude =
      (std::llabs(Product) + Half) / std::llabs(static_cast<long long>(Denominator));
  long long Result = Negative ? -Magnitude : Magnitude;
  if (Result > INT_MAX || Result < INT_MIN) return -1;
  return static_cast<int>(Result);
}

const TClass& TFont::StaticClass() {
  static const TClass Class = TClassBuilder<TFont>("TFont")
                                  .Property("Charset", &TFont::GetCharset, &TFont::SetCharset)
                                  .Type(FontCharsetTypeInfo())
                                  .Default(DEFAULT_CHARSET)
                                  .Property("Color", &TFont::GetColor, &TFont::SetColor)
                                  .Type(ColorTypeInfo())
                                  .Default(clWindowText)
                                  .Property("Height", &TFont::GetHeight, &TFont::SetHeight)
                                  .Property("Name", &TFont::GetName, &TFont::SetName)
                                  .Property("Pitch", &TFont::GetPitch, &TFont::SetPitch)
                                  .Default(fpDefault)
                                  .Property("Size", &TFont::GetSize, &TFont::SetSize)
                                  .Property("Style", &TFont::GetStyle, &TFont::SetStyle)
                                  .Default(TFontStyles{})
                                  .Build();
  return Class;
}

TFont::TFont()
    : FCharset(DEFAULT_CHARSET), FColor(clWindowText), FHeight(-11), FName("MS Sans Serif"),
      FPitch(fpDefault), FPixelsPerInch(DefaultPixelsPerInch) {}

void TFont::Assign(const TPersistent* Source) {
  const auto* Other = dynamic_cast<const TFont*>(Source);
  if (!Other) return TGraphicsObject::Assign(Source);
  // Between resolutions the point size is what carries over.
  int Height = Other->FPixelsPerInch == FPixelsPerInch
                   ? Other->FHeight
                   : -MulDiv(Other->GetSize(), FPixelsPerInch, 72);
  bool SameHandle = FCharset == Other->FCharset && FHeight == Height && FName == Other->FName &&
                    FPitch == Other->FPitch && FStyle == Other->FStyle;
  if (SameHandle && FColor == Other->FColor) return;
  FCharset = Other->FCharset;
  FColor = Other->FColor;
  FHeight = Height;
  FName = Other->FName;
  FPitch = Other->FPitch;
  FStyle = Other->FStyle;
  if (SameHandle)
    Changed();
  else
    DescriptionChanged();
}

LOGFONTA TFont::LogFont() const {
  LOGFONTA LF{};
  LF.lfHeight = FHeight;
  LF.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  LF.lfItalic = FStyle.Contains(fsItalic) ? 1 : 0;
  LF.lfUnderline = FStyle.Contains(fsUnderline) ? 1 : 0;
  LF.lfStrikeOut = FStyle.Contains(fsStrikeOut) ? 1 : 0;
  LF.lfCharSet = FCharset;
  LF.lfQuality = DEFAULT_QUALITY;
  LF.lfPitchAndFamily = PitchToLogFont(FPitch);
  std::size_t N = std::min(FName.size(), MaxFaceName);
  std::memcpy(LF.lfFaceName, FName.data(), N);
  LF.lfFaceName[N] = '\0';
  return LF;
}

HFONT TFont::GetHandle() {
  if (!FHandle) {
    LOGFONTA LF = LogFont();
    FHandle = CreateFontIndirect(&LF);
  }
  return static_cast<HFONT>(FHandle);
}

void TFont::SetHandle(HFONT Value) {
  LOGFONTA LF{};
  if (GetObjectType(Value) != OBJ_FONT || GetObject(Value, sizeof(LF), &LF) == 0)
    throw EInvalidGraphic(SInvalidFontHandle);
  LF.lfFaceName[LF_FACESIZE - 1] = '\0';
  TFontStyles Style;
  if (LF.lfWeight >= FW_BOLD) Style.Include(fsBold);
  if (LF.lfItalic) Style.Include(fsItalic);
  if (LF.lfUnderline) Style.Include(fsUnderline);
  if (LF.lfStrikeOut) Style.Include(fsStrikeOut);
  TFontName Name = LF.lfFaceName;
  bool Same = FCharset == LF.lfCharSet && FHeight == LF.lfHeight &&
              (Name.empty() || FName == Name) && FPitch == PitchFromLogFont(LF.lfPitchAndFamily) &&
              FStyle == Style;
  if (Same) return;
  FCharset = LF.lfCharSet;
  FHeight = LF.lfHeight;
  if (!Name.empty()) FName = std::move(Name);
  FPitch = PitchFromLogFont(LF.lfPitchAndFamily);
  FStyle = Style;
  DescriptionChanged();
}

void TFont::SetCharset(TFontCharset Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  DescriptionChanged();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  DescriptionChanged();
}

void TFont::SetName(const TFontName& Value) {
  TFontName Name = Value.substr(0, MaxFaceName);
  if (Name.empty() || Name == FName) return;
  FName = std::move(Name);
  DescriptionChanged();
}

void TFont::SetPitch(TFontPitch Value) {
  if (Value == FPitch) return;
  FPitch = Value;
  DescriptionChanged();
}

int TFont::GetSize() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  DescriptionChanged();
}

void TFont::SetPixelsPerInch(int Value) {
  if (Value <= 0 || Value == FPixelsPerInch) return;
  FPixelsPerInch = Value;
  Changed();
}
