// Field offsets follow the little-endian on-disk layouts; everything is
// read through bounds-checked helpers so a truncated or hostile file
// yields a message, never an out-of-range read.
#include "ImageFiles.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;
constexpr std::uint32_t BiRgb = 0, BiBitFields = 3;
constexpr std::int64_t MaxDimension = 1 << 16;

[[noreturn]] void Fail(const std::string& Why) { throw std::runtime_error(Why); }

std::uint32_t ReadU32(const TBytes& B, std::size_t At) {
  if (At + 4 > B.size()) Fail("truncated header");
  return std::uint32_t(B[At]) | std::uint32_t(B[At + 1]) << 8 | std::uint32_t(B[At + 2]) << 16 |
         std::uint32_t(B[At + 3]) << 24;
}
std::uint16_t ReadU16(const TBytes& B, std::size_t At) {
  if (At + 2 > B.size()) Fail("truncated header");
  return std::uint16_t(B[At] | B[At + 1] << 8);
}
void WriteU32(TBytes& B, std::size_t At, std::uint32_t V) {
  for (int I = 0; I < 4; ++I) B[At + I] = std::uint8_t(V >> (8 * I));
}

struct TDibLayout {
  std::int64_t Width, Height;
  unsigned Bits;
  std::uint32_t Compression;
  std::size_t Colors;
  std::uint64_t ImageBytes;
};

TDibLayout ReadLayout(const TBytes& B, std::size_t Info) {
  TDibLayout L;
  L.Width = std::int32_t(ReadU32(B, Info + 4));
  L.Height = std::int32_t(ReadU32(B, Info + 8));
  if (ReadU16(B, Info + 12) != 1) Fail("plane count is not 1");
  L.Bits = ReadU16(B, Info + 14);
  L.Compression = ReadU32(B, Info + 16);
  std::uint32_t ClrUsed = ReadU32(B, Info + 32);
  if (L.Bits != 1 && L.Bits != 4 && L.Bits != 8 && L.Bits != 16 && L.Bits != 24 && L.Bits != 32)
    Fail("unsupported bit count " + std::to_string(L.Bits));
  if (L.Compression == 1 || L.Compression == 2) Fail("RLE-compressed bitmaps are not supported");
  if (L.Compression != BiRgb && !(L.Compression == BiBitFields && (L.Bits == 16 || L.Bits == 32)))
    Fail("unsupported compression " + std::to_string(L.Compression));
  std::int64_t Rows = L.Height < 0 ? -L.Height : L.Height;
  if (L.Width <= 0 || Rows == 0 || L.Width > MaxDimension || Rows > MaxDimension)
    Fail("unsupported size " + std::to_string(L.Width) + "x" + std::to_string(L.Height));
  std::size_t Full = L.Bits <= 8 ? std::size_t(1) << L.Bits : 0;
  if (L.Bits <= 8 && ClrUsed > Full) Fail("colour table larger than the bit count allows");
  L.Colors = ClrUsed ? ClrUsed : Full;
  if (L.Colors > 256) Fail("colour table too large");
  std::uint64_t Stride = ((std::uint64_t(L.Width) * L.Bits + 31) / 32) * 4;
  L.ImageBytes = Stride * std::uint64_t(Rows);
  return L;
}

} // namespace

TBytes PackedDibFromBmp(const TBytes& File) {
  if (File.size() < FileHeaderSize + 4 || File[0] != 'B' || File[1] != 'M') Fail("not a BMP file");
  std::uint32_t OffBits = ReadU32(File, 10);
  std::uint32_t InfoSize = ReadU32(File, FileHeaderSize);
  if (InfoSize == 12) Fail("OS/2 bitmap headers are not supported");
  if (InfoSize != 40 && InfoSize != 52 && InfoSize != 56 && InfoSize != 108 && InfoSize != 124)
    Fail("unknown info header size " + std::to_string(InfoSize));
  TDibLayout L = ReadLayout(File, FileHeaderSize);
  // The masks sit right behind the first 40 bytes either way: after a
  // 40-byte header, or inside a larger one, whose colour table then
  // starts after the whole header.
  bool Masks = L.Compression == BiBitFields;
  std::size_t MaskAt = FileHeaderSize + InfoHeaderSize;
  std::size_t TableAt = FileHeaderSize + InfoSize + (Masks && InfoSize == 40 ? 12 : 0);
  std::size_t TableBytes = L.Colors * 4;
  if (TableAt + TableBytes > File.size()) Fail("truncated colour table");
  if (OffBits < TableAt + TableBytes || OffBits > File.size() ||
      File.size() - OffBits < L.ImageBytes)
    Fail("truncated pixel data");

  TBytes Out(InfoHeaderSize + (Masks ? 12 : 0) + TableBytes + L.ImageBytes);
  std::memcpy(Out.data(), File.data() + FileHeaderSize, InfoHeaderSize);
  WriteU32(Out, 0, InfoHeaderSize);
  WriteU32(Out, 32, std::uint32_t(L.Colors));
  std::size_t At = InfoHeaderSize;
  if (Masks) {
    if (MaskAt + 12 > File.size()) Fail("truncated colour masks");
    std::memcpy(Out.data() + At, File.data() + MaskAt, 12);
    At += 12;
  }
  if (TableBytes) std::memcpy(Out.data() + At, File.data() + TableAt, TableBytes);
  At += TableBytes;
  std::memcpy(Out.data() + At, File.data() + OffBits, L.ImageBytes);
  return Out;
}

TBytes CheckedIcoFile(const TBytes& File) {
  if (File.size() < 6 || ReadU16(File, 0) != 0 || ReadU16(File, 2) != 1) Fail("not an ICO file");
  std::size_t Count = ReadU16(File, 4);
  if (Count == 0) Fail("icon holds no images");
  if (6 + Count * 16 > File.size()) Fail("truncated icon directory");
  static const std::uint8_t Png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (std::size_t I = 0; I < Count; ++I) {
    std::size_t Entry = 6 + I * 16;
    std::uint64_t Size = ReadU32(File, Entry + 8);
    std::uint64_t Offset = ReadU32(File, Entry + 12);
    std::string Which = "image " + std::to_string(I + 1);
    if (Size == 0 || Offset + Size > File.size()) Fail(Which + " lies outside the file");
    if (Offset < 6 + Count * 16) Fail(Which + " overlaps the icon directory");
    bool IsPng = Size >= 8 && std::memcmp(File.data() + Offset, Png, 8) == 0;
    if (!IsPng && (Size < InfoHeaderSize || ReadU32(File, Offset) != InfoHeaderSize))
      Fail(Which + " is neither a PNG nor a DIB");
  }
  return File;
}
