// artwork: draws the logo and the icon and writes app/forms/Logo.jpg,
// app/forms/Tavrel.ico and app/forms/tavrel.png, the icon for the desktop's
// icon theme (or into the directory given as the argument).
// Run through scripts/make-artwork; the results are committed, so the
// normal build never runs it.
#include "platform/headless/HeadlessDesktop.h"
#include "tools/artwork/ArtworkFiles.h"
#include "tools/artwork/IconArt.h"
#include "tools/artwork/IconPng.h"
#include "tools/artwork/LogoArt.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv) {
  std::string Dir = argc > 1 ? argv[1] : "app/forms";
  try {
    THeadlessDesktop::Install();
    TArtworkCanvas Logo(LogoWidth, LogoHeight);
    PaintLogo(Logo);
    auto Jpeg = EncodeLogoJpeg(Logo, 90);
    TIconArt Art = PaintIcon();
    auto Icon = EncodeIconFile(Art);
    auto Png = EncodeIconPng(Art);
    WriteArtworkFile(Dir + "/Logo.jpg", Jpeg);
    WriteArtworkFile(Dir + "/Tavrel.ico", Icon);
    WriteArtworkFile(Dir + "/tavrel.png", Png);
    std::printf("%s/Logo.jpg %zu bytes\n%s/Tavrel.ico %zu bytes\n%s/tavrel.png %zu bytes\n",
                Dir.c_str(), Jpeg.size(), Dir.c_str(), Icon.size(), Dir.c_str(), Png.size());
  } catch (const std::exception& E) {
    std::fprintf(stderr, "artwork: %s\n", E.what());
    return 1;
  }
  return 0;
}
