// PNG encoding through libpng's simplified API (no setjmp error handling
// to cross C++ frames), and file output that never leaves a partial file:
// the data goes to a temporary file beside the target, which is renamed
// over the target only once everything has been written.
#include "platform/Png.h"

#include "platform/gdi/Gdi.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Larger surfaces than this (some thirty full-HD screens)
// are refused instead of needing gigabytes of intermediate buffers.
constexpr std::uint64_t kMaxPixels = std::uint64_t(1) << 26;

std::vector<unsigned char> EncodeSurface(const TGdiBitmap* S) {
  if (!S || !S->Bits() || S->Width() <= 0 || S->Height() <= 0) return {};
  if (std::uint64_t(S->Width()) * std::uint64_t(S->Height()) > kMaxPixels) return {};
  std::vector<unsigned char> Rgb(std::size_t(S->Width()) * std::size_t(S->Height()) * 3);
  unsigned char* P = Rgb.data();
  for (int Y = 0; Y < S->Height(); ++Y)
    for (int X = 0; X < S->Width(); ++X) {
      TRgb32 C = S->ReadPixel(X, Y);
      *P++ = (unsigned char)(C >> 16), *P++ = (unsigned char)(C >> 8), *P++ = (unsigned char)C;
    }
  png_image Image;
  std::memset(&Image, 0, sizeof Image);
  Image.version = PNG_IMAGE_VERSION;
  Image.width = png_uint_32(S->Width());
  Image.height = png_uint_32(S->Height());
  Image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> Png(PNG_IMAGE_PNG_SIZE_MAX(Image));
  png_alloc_size_t Size = Png.size();
  int Ok = png_image_write_to_memory(&Image, Png.data(), &Size, 0, Rgb.data(), 0, nullptr);
  png_image_free(&Image);
  if (!Ok) return {};
  Png.resize(Size);
  return Png;
}

bool WriteAll(int Fd, const std::vector<unsigned char>& Data) {
  std::size_t Done = 0;
  while (Done < Data.size()) {
    ssize_t N = ::write(Fd, Data.data() + Done, Data.size() - Done);
    if (N <= 0) return false;
    Done += std::size_t(N);
  }
  return true;
}

BOOL WriteFileWhole(const char* Path, const std::vector<unsigned char>& Data) {
  if (!Path || !*Path || Data.empty()) return FALSE;
  std::string Temp = std::string(Path) + ".XXXXXX";
  int Fd = ::mkstemp(Temp.data());
  if (Fd < 0) return FALSE;
  // mkstemp creates the file private to the owner; an image is not secret.
  bool Ok = ::fchmod(Fd, 0644) == 0 && WriteAll(Fd, Data);
  Ok = (::close(Fd) == 0) && Ok;
  if (Ok) Ok = std::rename(Temp.c_str(), Path) == 0;
  if (!Ok) ::unlink(Temp.c_str());
  return Ok ? TRUE : FALSE;
}

const TGdiBitmap* SurfaceOfDC(HDC DC) {
  TGdiDC* D = GdiFindDC(DC);
  return D ? D->Surface() : nullptr;
}

} // namespace

std::vector<unsigned char> EncodeBitmapPng(HBITMAP bitmap) {
  return EncodeSurface(GdiFind<TGdiBitmap>(bitmap, OBJ_BITMAP));
}

std::vector<unsigned char> EncodeDCPng(HDC dc) { return EncodeSurface(SurfaceOfDC(dc)); }

BOOL WriteBitmapPng(HBITMAP bitmap, const char* path) {
  return WriteFileWhole(path, EncodeBitmapPng(bitmap));
}

BOOL WriteDCPng(HDC dc, const char* path) { return WriteFileWhole(path, EncodeDCPng(dc)); }
