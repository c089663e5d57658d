// The text engine: one per process. It owns the FreeType library and the
// fontconfig configuration, matches font descriptions to faces on this
// machine (falling back to a sans, serif or monospace face when the named
// one is missing, as desktop programs name faces Linux does not have), and
// keeps realised fonts keyed by the description so that repeated drawing
// with the same font costs a hash lookup. Everything is released when the
// engine is destroyed at process exit.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/RealizedFont.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>

// The font a DC draws with: its description and the realised font.
struct TDCFont {
  const LOGFONTA* Log = nullptr;
  TRealizedFont* Font = nullptr;
};

class TFontEngine {
public:
  static TFontEngine& Get();
  // Starts reading fontconfig's configuration on a thread of its own, for
  // a program that knows it will draw text soon: the reading takes a few
  // milliseconds that the program can spend connecting to its display and
  // building its windows. The engine, when first used, waits for it.
  static void ReadConfigurationAhead();

  TFontEngine();
  ~TFontEngine();
  TFontEngine(const TFontEngine&) = delete;
  TFontEngine& operator=(const TFontEngine&) = delete;

  // The realised font for Lf, or null when no face could be loaded. The
  // pointer stays valid until a later Realize evicts it.
  TRealizedFont* Realize(const LOGFONTA& Lf);
  // The font selected into DC (the system font when the selection is not
  // a live font), realised; Font is null on failure.
  TDCFont FontOf(const TGdiDC& DC);

  // The kind of face a description asks for, by name first, then by its
  // pitch and family bits.
  static TFontClass ClassOf(const LOGFONTA& Lf);

private:
  using TKey = std::array<char, sizeof(LOGFONTA)>;
  struct TKeyHash {
    std::size_t operator()(const TKey& K) const;
  };
  struct TFaceDeleter {
    void operator()(FT_Face F) const { FT_Done_Face(F); }
  };
  using TFacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, TFaceDeleter>;
  struct TCachedFont {
    std::unique_ptr<TRealizedFont> Font;
    std::list<TKey>::iterator Use;
  };

  static TKey KeyOf(const LOGFONTA& Lf);
  bool Match(const LOGFONTA& Lf, TFaceMatch& Out);
  FT_Face OpenFace(const std::string& File, int Index);
  void Evict();

  // Realised fonts kept at once; a program uses a handful, and a runaway
  // caller creating a font per size must not hold every one of them.
  static constexpr std::size_t kMaxFonts = 48;

  FT_Library FLibrary = nullptr;
  FcConfig* FConfig = nullptr;
  // Declared after the library so they are destroyed before it; realised
  // fonts go before the faces their sizes belong to.
  std::unordered_map<std::string, TFacePtr> FFaces;
  std::unordered_map<std::string, TFaceMatch> FMatches;
  std::unordered_map<TKey, TCachedFont, TKeyHash> FFonts;
  std::list<TKey> FUseOrder; // most recently used first
  TKey FLastKey{};
  TRealizedFont* FLastFont = nullptr;
};
