// Every length and offset in an icon file is checked against the bytes
// present before it is used; images are decoded into TDibSections by the
// BMP code, or by libpng, and then read pixel by pixel.
#include "framework/graphics/IconCodec.h"

#include "framework/graphics/BmpCodec.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t HeaderBytes = 6, EntryBytes = 16;
constexpr int MaxIconSide = 1024;

std::uint32_t Dword(std::span<const std::uint8_t> D, std::size_t At) {
  return std::uint32_t(D[At]) | std::uint32_t(D[At + 1]) << 8 | std::uint32_t(D[At + 2]) << 16 |
         std::uint32_t(D[At + 3]) << 24;
}
std::uint16_t Word(std::span<const std::uint8_t> D, std::size_t At) {
  return std::uint16_t(D[At] | D[At + 1] << 8);
}

bool IsPng(std::span<const std::uint8_t> D) {
  static constexpr std::uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  return D.size() >= 8 && std::memcmp(D.data(), Signature, 8) == 0;
}

struct TCandidate {
  std::span<const std::uint8_t> Data;
  int Width = 0, Height = 0, Bpp = 0;
};

// Size and depth from the image's own header; false when it has none.
bool Describe(std::span<const std::uint8_t> D, TCandidate& C) {
  C.Data = D;
  if (IsPng(D)) {
    if (D.size() < 33 || std::memcmp(D.data() + 12, "IHDR", 4) != 0) return false;
    auto Big = [&](std::size_t At) {
      return int(std::uint32_t(D[At]) << 24 | std::uint32_t(D[At + 1]) << 16 |
                 std::uint32_t(D[At + 2]) << 8 | D[At + 3]);
    };
    C.Width = Big(16), C.Height = Big(20), C.Bpp = 32;
  } else {
    if (D.size() < 40 || Dword(D, 0) != 40) return false;
    C.Width = int(Dword(D, 4));
    C.Height = int(Dword(D, 8)) / 2;
    C.Bpp = Word(D, 14);
  }
  return C.Width > 0 && C.Height > 0 && C.Width <= MaxIconSide && C.Height <= MaxIconSide;
}

bool Better(const TCandidate& A, const TCandidate& B) {
  int DA = std::abs(A.Width - 32) + std::abs(A.Height - 32);
  int DB = std::abs(B.Width - 32) + std::abs(B.Height - 32);
  return DA != DB ? DA < DB : A.Bpp > B.Bpp;
}

bool DecodePng(std::span<const std::uint8_t> D, TIconImage& Out) {
  png_image Png{};
  Png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&Png, D.data(), D.size())) return false;
  if (int(Png.width) > MaxIconSide || int(Png.height) > MaxIconSide) {
    png_image_free(&Png);
    return false;
  }
  Png.format = PNG_FORMAT_BGRA;
  std::vector<std::uint32_t> Pixels(std::size_t(Png.width) * Png.height);
  if (!png_image_finish_read(&Png, nullptr, Pixels.data(), 0, nullptr)) {
    png_image_free(&Png);
    return false;
  }
  Out = TIconImage{int(Png.width), int(Png.height), 32, true, std::move(Pixels)};
  return true;
}

bool DecodeBmp(std::span<const std::uint8_t> D, const TCandidate& C, TIconImage& Out) {
  TDibSection Xor = DecodePackedDib(D, C.Height);
  if (!Xor || Xor.Width() != C.Width || Xor.Height() != C.Height) return false;
  std::size_t MaskAt = PackedDibBitsOffset(D) + Xor.ImageBytes();
  std::size_t MaskStride = std::size_t((C.Width + 31) / 32) * 4;
  bool HasMask = MaskAt + MaskStride * std::size_t(C.Height) <= D.size();
  if (!HasMask && Xor.Bpp() != 32) return false;
  const std::size_t N = std::size_t(C.Width) * std::size_t(C.Height);
  TIconImage Image{C.Width, C.Height, Xor.Bpp(), false, std::vector<std::uint32_t>(N)};
  std::vector<std::uint8_t> Alphas(N), Masked(N);
  for (int Y = 0; Y < C.Height; ++Y) {
    // Both the pixel rows and the mask rows of the file run bottom-up.
    const std::uint8_t* Mask =
        HasMask ? D.data() + MaskAt + std::size_t(C.Height - 1 - Y) * MaskStride : nullptr;
    for (int X = 0; X < C.Width; ++X) {
      std::size_t I = std::size_t(Y) * std::size_t(C.Width) + std::size_t(X);
      COLORREF Rgb = Xor.Pixel(X, Y);
      Image.Pixels[I] =
          std::uint32_t(GetRValue(Rgb)) << 16 | std::uint32_t(GetGValue(Rgb)) << 8 | GetBValue(Rgb);
      Alphas[I] = Xor.Bpp() == 32 ? Xor.Row(Y)[4 * X + 3] : 0;
      Masked[I] = Mask && (Mask[X / 8] >> (7 - X % 8) & 1);
      if (Alphas[I]) Image.Alpha = true;
    }
  }
  // A 32-bit image whose alpha bytes are all zero predates alpha
  // channels: its mask decides, as for the other depths.
  for (std::size_t I = 0; I < N; ++I) {
    std::uint32_t A = Image.Alpha ? Alphas[I] : (Masked[I] ? 0 : 255);
    Image.Pixels[I] |= A << 24;
  }
  Out = std::move(Image);
  return true;
}

} // namespace

std::size_t IconDirectoryLength(std::span<const std::uint8_t> Head) {
  if (Head.size() < HeaderBytes || Word(Head, 0) != 0 || Word(Head, 2) != 1) return 0;
  std::size_t Count = Word(Head, 4);
  return Count == 0 ? 0 : HeaderBytes + Count * EntryBytes;
}

std::size_t IconFileLength(std::span<const std::uint8_t> Head, std::uint64_t Available) {
  std::size_t Directory = IconDirectoryLength(Head);
  if (Directory == 0 || Head.size() < Directory || Available < Directory) return 0;
  std::size_t End = Directory;
  for (std::size_t E = HeaderBytes; E < Directory; E += EntryBytes) {
    std::uint64_t Size = Dword(Head, E + 8), Offset = Dword(Head, E + 12);
    if (Size == 0 || Offset < Directory || Offset + Size > Available) return 0;
    End = std::max<std::size_t>(End, std::size_t(Offset + Size));
  }
  return End;
}

bool DecodeIconFile(std::span<const std::uint8_t> File, TIconImage& Image) {
  if (IconFileLength(File, File.size()) == 0) return false;
  std::size_t Count = Word(File, 4);
  TCandidate Best;
  bool Found = false;
  for (std::size_t I = 0; I < Count; ++I) {
    std::size_t E = HeaderBytes + I * EntryBytes;
    TCandidate C;
    if (!Describe(File.subspan(Dword(File, E + 12), Dword(File, E + 8)), C)) continue;
    if (!Found || Better(C, Best)) Best = C, Found = true;
  }
  if (!Found) return false;
  return IsPng(Best.Data) ? DecodePng(Best.Data, Image) : DecodeBmp(Best.Data, Best, Image);
}
