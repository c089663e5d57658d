#include "tools/artwork/IconPng.h"

#include <png.h>

#include <csetjmp>
#include <stdexcept>

namespace {

void IconPngWrite(png_structp Png, png_bytep Data, png_size_t Length) {
  auto* Out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(Png));
  Out->insert(Out->end(), Data, Data + Length);
}

void IconPngFlush(png_structp) {}

std::vector<std::uint8_t> IconPngRows(const TIconArt& Art) {
  std::vector<std::uint8_t> Rgba(std::size_t(IconSide) * IconSide * 4);
  for (int I = 0; I < IconSide * IconSide; ++I) {
    const RGBQUAD& Q = Art.Palette[Art.Index[I] & 15];
    std::uint8_t* P = &Rgba[std::size_t(I) * 4];
    P[0] = Q.rgbRed, P[1] = Q.rgbGreen, P[2] = Q.rgbBlue;
    P[3] = Art.Transparent[I] ? 0 : 255;
  }
  return Rgba;
}

// libpng reports errors by longjmp; this frame holds nothing with a
// destructor, so the jump skips none.
bool IconPngEncode(const std::uint8_t* Rgba, std::vector<std::uint8_t>* Out) {
  png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!Png) return false;
  png_infop Info = png_create_info_struct(Png);
  if (!Info || setjmp(png_jmpbuf(Png))) {
    png_destroy_write_struct(&Png, Info ? &Info : nullptr);
    return false;
  }
  png_set_write_fn(Png, Out, IconPngWrite, IconPngFlush);
  png_set_IHDR(Png, Info, IconSide, IconSide, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(Png, Info);
  for (int Y = 0; Y < IconSide; ++Y)
    png_write_row(Png, const_cast<png_bytep>(Rgba + std::size_t(Y) * IconSide * 4));
  png_write_end(Png, Info);
  png_destroy_write_struct(&Png, &Info);
  return true;
}

} // namespace

std::vector<std::uint8_t> EncodeIconPng(const TIconArt& Art) {
  std::vector<std::uint8_t> Rgba = IconPngRows(Art), Out;
  if (!IconPngEncode(Rgba.data(), &Out)) throw std::runtime_error("libpng refused the icon");
  return Out;
}
