// Matching asks fontconfig for the requested family followed by the
// generic family of its kind, so an installed face wins and a missing one
// falls back to the machine's sans, serif or monospace face instead of
// fontconfig's single default. Weight and slant are requested as bold or
// regular, italic or roman; when the chosen family lacks them the realised
// font synthesises them. Matches are cached by name and style, faces by
// file, and realised fonts by the normalised description.
#include "platform/gdi/FontEngine.h"

#include "platform/gdi/Gdi.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cstring>
#include <future>
#include <system_error>

namespace {

std::string LowerCase(std::string S) {
  for (char& C : S) C = char(std::tolower(static_cast<unsigned char>(C)));
  return S;
}

std::string FaceNameOf(const LOGFONTA& Lf) {
  return std::string(Lf.lfFaceName, strnlen(Lf.lfFaceName, LF_FACESIZE));
}

struct TKnownFace {
  const char* Name;
  TFontClass Class;
};

// Faces desktop programs ask for by name, with the kind of face that
// stands in for them here.
constexpr TKnownFace kKnownFaces[] = {
    {"courier", TFontClass::Mono},
    {"courier new", TFontClass::Mono},
    {"fixedsys", TFontClass::Mono},
    {"terminal", TFontClass::Mono},
    {"lucida console", TFontClass::Mono},
    {"consolas", TFontClass::Mono},
    {"monospace", TFontClass::Mono},
    {"times new roman", TFontClass::Serif},
    {"times", TFontClass::Serif},
    {"ms serif", TFontClass::Serif},
    {"georgia", TFontClass::Serif},
    {"book antiqua", TFontClass::Serif},
    {"cambria", TFontClass::Serif},
    {"serif", TFontClass::Serif},
    {"arial", TFontClass::Sans},
    {"tahoma", TFontClass::Sans},
    {"ms sans serif", TFontClass::Sans},
    {"ms shell dlg", TFontClass::Sans},
    {"ms shell dlg 2", TFontClass::Sans},
    {"segoe ui", TFontClass::Sans},
    {"system", TFontClass::Sans},
    {"verdana", TFontClass::Sans},
    {"microsoft sans serif", TFontClass::Sans},
    {"sans-serif", TFontClass::Sans},
    {"sans", TFontClass::Sans},
};

const char* GenericFamily(TFontClass Class) {
  switch (Class) {
  case TFontClass::Mono: return "monospace";
  case TFontClass::Serif: return "serif";
  case TFontClass::Sans: break;
  }
  return "sans-serif";
}

// The stock system font's description, for a DC whose font handle no
// longer leads to a font.
LOGFONTA SystemFontDescription() {
  LOGFONTA Lf{};
  Lf.lfHeight = 16;
  Lf.lfWeight = FW_BOLD;
  std::strcpy(Lf.lfFaceName, "System");
  return Lf;
}

// The configuration being read ahead. A program that ends before drawing
// any text still owns what the thread read, and frees it here.
struct TFontConfigAhead {
  std::future<FcConfig*> Config;
  bool EngineMade = false;
  ~TFontConfigAhead() {
    if (!Config.valid()) return;
    if (FcConfig* C = Config.get()) FcConfigDestroy(C);
  }
};

TFontConfigAhead& FontConfigAhead() {
  static TFontConfigAhead Ahead;
  return Ahead;
}

FcConfig* LoadFontConfig() {
  FontConfigAhead().EngineMade = true;
  std::future<FcConfig*>& Ahead = FontConfigAhead().Config;
  return Ahead.valid() ? Ahead.get() : FcInitLoadConfigAndFonts();
}

} // namespace

void TFontEngine::ReadConfigurationAhead() {
  std::future<FcConfig*>& Ahead = FontConfigAhead().Config;
  if (Ahead.valid() || FontConfigAhead().EngineMade) return;
  try {
    Ahead = std::async(std::launch::async, [] { return FcInitLoadConfigAndFonts(); });
  } catch (const std::system_error&) {
    // No thread to be had: the engine reads it when first used.
  }
}

TFontEngine& TFontEngine::Get() {
  static TFontEngine Engine;
  return Engine;
}

TFontEngine::TFontEngine() {
  if (FT_Init_FreeType(&FLibrary) != 0) FLibrary = nullptr;
 
  FConfig = LoadFontConfig();
 
}

TFontEngine::~TFontEngine() {
  // Sizes before faces before the library that made them.
  FFonts.clear();
  FMatches.clear();
  FFaces.clear();
  if (FLibrary) FT_Done_FreeType(FLibrary);
  if (FConfig) FcConfigDestroy(FConfig);
  FcFini();
}

std::size_t TFontEngine::TKeyHash::operator()(const TKey& K) const {
  std::size_t H = 1469598103934665603ull;
  for (char C : K) H = (H ^ static_cast<unsigned char>(C)) * 1099511628211ull;
  return H;
}

TFontEngine::TKey TFontEngine::KeyOf(const LOGFONTA& Lf) {
  LOGFONTA N = Lf;
  N.lfEscapement = N.lfOrientation = 0;
  N.lfUnderline = N.lfStrikeOut = 0;
  N.lfCharSet = 0;
  std::size_t NameLength = strnlen(Lf.lfFaceName, LF_FACESIZE);
  std::memset(N.lfFaceName + NameLength, 0, LF_FACESIZE - NameLength);
  TKey K;
  std::memcpy(K.data(), &N, sizeof N);
  return K;
}

TFontClass TFontEngine::ClassOf(const LOGFONTA& Lf) {
  std::string Name = LowerCase(FaceNameOf(Lf));
  for (const TKnownFace& F : kKnownFaces)
    if (Name == F.Name) return F.Class;
  BYTE Pitch = Lf.lfPitchAndFamily & 0x03, Family = Lf.lfPitchAndFamily & 0xF0;
  if (Pitch == FIXED_PITCH || Family == FF_MODERN) return TFontClass::Mono;
  if (Family == FF_ROMAN) return TFontClass::Serif;
  if (Family == FF_SWISS) return TFontClass::Sans;
  if (Name.find("mono") != std::string::npos) return TFontClass::Mono;
  if (Name.find("serif") != std::string::npos && Name.find("sans") == std::string::npos)
    return TFontClass::Serif;
  return TFontClass::Sans;
}

FT_Face TFontEngine::OpenFace(const std::string& File, int Index) {
  std::string Key = File + '\n' + std::to_string(Index);
  auto It = FFaces.find(Key);
  if (It != FFaces.end()) return It->second.get();
  FT_Face Face = nullptr;
  if (!FLibrary || FT_New_Face(FLibrary, File.c_str(), Index, &Face) != 0) return nullptr;
  FFaces.emplace(Key, TFacePtr(Face));
  return Face;
}

bool TFontEngine::Match(const LOGFONTA& Lf, TFaceMatch& Out) {
  std::string Name = FaceNameOf(Lf);
  TFontClass Class = ClassOf(Lf);
  bool Bold = Lf.lfWeight >= 600, Italic = Lf.lfItalic != 0;
  std::string Key =
      LowerCase(Name) + '\n' + char('0' + int(Class)) + (Bold ? 'b' : '-') + (Italic ? 'i' : '-');
  if (auto It = FMatches.find(Key); It != FMatches.end()) {
    Out = It->second;
    return true;
  }
  if (!FConfig) return false;
  FcPattern* P = FcPatternCreate();
  if (!Name.empty())
    FcPatternAddString(P, FC_FAMILY, reinterpret_cast<const FcChar8*>(Name.c_str()));
  FcPatternAddString(P, FC_FAMILY, reinterpret_cast<const FcChar8*>(GenericFamily(Class)));
  FcPatternAddInteger(P, FC_WEIGHT, Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(P, FC_SLANT, Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (Class == TFontClass::Mono) FcPatternAddInteger(P, FC_SPACING, FC_MONO);
  FcPatternAddBool(P, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(FConfig, P, FcMatchPattern);
  FcDefaultSubstitute(P);
  FcResult Result;
  FcPattern* M = FcFontMatch(FConfig, P, &Result);
  FcPatternDestroy(P);
  if (!M) return false;
  FcChar8 *File = nullptr, *Family = nullptr;
  int Index = 0;
  bool Found = FcPatternGetString(M, FC_FILE, 0, &File) == FcResultMatch;
  FcPatternGetInteger(M, FC_INDEX, 0, &Index);
  if (FcPatternGetString(M, FC_FAMILY, 0, &Family) == FcResultMatch)
    Out.Family = reinterpret_cast<const char*>(Family);
  Out.Face = Found ? OpenFace(reinterpret_cast<const char*>(File), Index) : nullptr;
  FcPatternDestroy(M);
  if (!Out.Face) return false;
  Out.Class = Class;
  // The face itself says what it is; the matched pattern carries the
  // requested weight and slant rather than the file's.
  auto* Os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(Out.Face, FT_SFNT_OS2));
  bool FaceBold = (Out.Face->style_flags & FT_STYLE_FLAG_BOLD) ||
                  (Os2 && Os2->version != 0xFFFF && Os2->usWeightClass >= 600);
  Out.SynthesizeBold = Bold && !FaceBold;
  Out.SynthesizeItalic = Italic && !(Out.Face->style_flags & FT_STYLE_FLAG_ITALIC);
  FMatches.emplace(Key, Out);
  return true;
}

void TFontEngine::Evict() {
  while (FFonts.size() >= kMaxFonts && !FUseOrder.empty()) {
    auto It = FFonts.find(FUseOrder.back());
    if (It != FFonts.end() && It->second.Font.get() == FLastFont) FLastFont = nullptr;
    if (It != FFonts.end()) FFonts.erase(It);
    FUseOrder.pop_back();
  }
}

TRealizedFont* TFontEngine::Realize(const LOGFONTA& Lf) {
  TKey K = KeyOf(Lf);
  if (FLastFont && K == FLastKey) return FLastFont;
  auto It = FFonts.find(K);
  if (It == FFonts.end()) {
    TFaceMatch M;
    if (!Match(Lf, M)) return nullptr;
    auto Font = std::make_unique<TRealizedFont>(M, Lf);
    if (!Font->Valid()) return nullptr;
    Evict();
    FUseOrder.push_front(K);
    It = FFonts.emplace(K, TCachedFont{std::move(Font), FUseOrder.begin()}).first;
  } else {
    FUseOrder.splice(FUseOrder.begin(), FUseOrder, It->second.Use);
  }
  FLastKey = K;
  FLastFont = It->second.Font.get();
  return FLastFont;
}

TDCFont TFontEngine::FontOf(const TGdiDC& DC) {
  static const LOGFONTA Fallback = SystemFontDescription();
  const auto* F = GdiFind<TGdiFont>(DC.State.Font, OBJ_FONT);
  if (!F) F = GdiFind<TGdiFont>(GetStockObject(SYSTEM_FONT), OBJ_FONT);
  TDCFont Out;
  Out.Log = F ? &F->Log : &Fallback;
  Out.Font = Realize(*Out.Log);
  return Out;
}
