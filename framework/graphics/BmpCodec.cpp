// Headers are read field by field from little-endian bytes (never cast
// over the input), checked against the bytes actually present, and
// turned into one normalised BITMAPINFOHEADER with bit fields and colour
// table, which SetDIBits then converts into the section.
#include "framework/graphics/BmpCodec.h"

#include "framework/classes/Stream.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int MaxDimension = 32767;
constexpr std::uint64_t MaxPixelBytes = std::uint64_t(64) << 20;
constexpr std::size_t FileHeaderBytes = 14;
constexpr std::size_t MaxHeaderBlock = 124 + 12 + 256 * 4;

std::uint32_t Dword(std::span<const std::uint8_t> D, std::size_t At) {
  return std::uint32_t(D[At]) | std::uint32_t(D[At + 1]) << 8 | std::uint32_t(D[At + 2]) << 16 |
         std::uint32_t(D[At + 3]) << 24;
}
std::uint16_t Word(std::span<const std::uint8_t> D, std::size_t At) {
  return std::uint16_t(D[At] | D[At + 1] << 8);
}

void PutDword(std::vector<std::uint8_t>& Out, std::uint32_t V) {
  for (int I = 0; I < 4; ++I) Out.push_back(std::uint8_t(V >> (8 * I)));
}
void PutWord(std::vector<std::uint8_t>& Out, std::uint16_t V) {
  Out.push_back(std::uint8_t(V));
  Out.push_back(std::uint8_t(V >> 8));
}

// A DIB's layout, normalised.
struct TLayout {
  BITMAPINFOHEADER Header{};
  std::uint32_t Masks[3]{};
  std::vector<RGBQUAD> Colors;
  std::size_t BitsOffset = 0; // header, masks and colour table
  int Height = 0;             // rows, whatever the direction
  bool TopDown = false;
  std::uint64_t Stride() const {
    return ((std::uint64_t(Header.biWidth) * Header.biBitCount + 31) / 32) * 4;
  }
};

bool ParseCore(std::span<const std::uint8_t> D, TLayout& L) {
  if (D.size() < 12) return false;
  L.Header.biWidth = Word(D, 4);
  L.Header.biHeight = Word(D, 6);
  L.Header.biPlanes = Word(D, 8);
  L.Header.biBitCount = Word(D, 10);
  L.Header.biCompression = BI_RGB;
  int Bpp = L.Header.biBitCount;
  if (Bpp != 1 && Bpp != 4 && Bpp != 8 && Bpp != 24) return false;
  std::size_t Entries = Bpp <= 8 ? std::size_t(1) << Bpp : 0;
  if (D.size() < 12 + Entries * 3) return false;
  for (std::size_t I = 0; I < Entries; ++I)
    L.Colors.push_back(RGBQUAD{D[12 + 3 * I], D[13 + 3 * I], D[14 + 3 * I], 0});
  L.BitsOffset = 12 + Entries * 3;
  return true;
}

bool ValidCompression(const BITMAPINFOHEADER& H) {
  switch (H.biCompression) {
  case BI_RGB: return true;
  case BI_BITFIELDS: return H.biBitCount == 16 || H.biBitCount == 32;
  case BI_RLE8: return H.biBitCount == 8 && H.biHeight > 0;
  case BI_RLE4: return H.biBitCount == 4 && H.biHeight > 0;
  default: return false;
  }
}

bool ParseInfo(std::span<const std::uint8_t> D, std::uint32_t Size, TLayout& L) {
  if (Size != 40 && Size != 52 && Size != 56 && Size != 108 && Size != 124) return false;
  if (D.size() < Size) return false;
  BITMAPINFOHEADER& H = L.Header;
  H.biWidth = std::int32_t(Dword(D, 4));
  H.biHeight = std::int32_t(Dword(D, 8));
  H.biPlanes = Word(D, 12);
  H.biBitCount = Word(D, 14);
  H.biCompression = Dword(D, 16);
  H.biSizeImage = Dword(D, 20);
  H.biClrUsed = Dword(D, 32);
  int Bpp = H.biBitCount;
  if (Bpp != 1 && Bpp != 4 && Bpp != 8 && Bpp != 16 && Bpp != 24 && Bpp != 32) return false;
  if (!ValidCompression(H) || H.biClrUsed > 256) return false;
  std::size_t At = Size;
  if (H.biCompression == BI_BITFIELDS) {
    std::size_t MaskAt = Size == 40 ? Size : 40;
    if (D.size() < MaskAt + 12) return false;
    for (int I = 0; I < 3; ++I) L.Masks[I] = Dword(D, MaskAt + 4 * std::size_t(I));
    if (Size == 40) At += 12;
  }
  std::size_t Stored = H.biClrUsed ? H.biClrUsed : (Bpp <= 8 ? std::size_t(1) << Bpp : 0);
  if (D.size() < At + Stored * 4) return false;
  std::size_t Used = Bpp <= 8 ? std::min(Stored, std::size_t(1) << Bpp) : 0;
  for (std::size_t I = 0; I < Used; ++I) {
    std::size_t P = At + 4 * I;
    L.Colors.push_back(RGBQUAD{D[P], D[P + 1], D[P + 2], 0});
  }
  L.BitsOffset = At + Stored * 4;
  return true;
}

bool ParseLayout(std::span<const std::uint8_t> D, TLayout& L) {
  if (D.size() < 4) return false;
  std::uint32_t Size = Dword(D, 0);
  if (!(Size == 12 ? ParseCore(D, L) : ParseInfo(D, Size, L))) return false;
  BITMAPINFOHEADER& H = L.Header;
  if (H.biPlanes != 1 || H.biWidth <= 0 || H.biWidth > MaxDimension) return false;
  if (H.biHeight == 0 || H.biHeight < -MaxDimension || H.biHeight > MaxDimension) return false;
  L.TopDown = H.biHeight < 0;
  L.Height = L.TopDown ? -H.biHeight : H.biHeight;
  H.biSize = sizeof(BITMAPINFOHEADER);
  return L.Stride() * std::uint64_t(L.Height) <= MaxPixelBytes;
}

// The depth a section of this layout gets: indexed, 5-5-5 and the
// native 24- and 32-bit layouts stay; other bit fields become 32-bit.
int SectionDepth(const TLayout& L) {
  const BITMAPINFOHEADER& H = L.Header;
  if (H.biCompression != BI_BITFIELDS) return H.biBitCount;
  if (H.biBitCount == 16 && L.Masks[0] == 0x7C00 && L.Masks[1] == 0x03E0 && L.Masks[2] == 0x1F)
    return 16;
  return 32;
}

// Run-length encoded rows (bottom-up) expanded into uncompressed rows of
// the same depth. Runs that leave the image are clipped; data ending
// early leaves the rest of the image at index 0.
std::vector<std::uint8_t> ExpandRle(const TLayout& L, std::span<const std::uint8_t> In) {
  const int Width = L.Header.biWidth, Height = L.Height;
  const bool Four = L.Header.biCompression == BI_RLE4;
  const std::size_t Stride = std::size_t(L.Stride());
  std::vector<std::uint8_t> Out(Stride * std::size_t(Height), 0);
  int X = 0, Y = 0;
  auto Put = [&](unsigned Index) {
    if (X < Width && Y < Height) {
      std::uint8_t* Row = Out.data() + std::size_t(Y) * Stride;
      if (Four)
        Row[X / 2] |= std::uint8_t((X % 2 == 0) ? (Index & 0xF) << 4 : (Index & 0xF));
      else
        Row[X] = std::uint8_t(Index);
    }
    if (X < Width) ++X;
  };
  std::size_t P = 0;
  while (P + 1 < In.size() && Y < Height) {
    unsigned Count = In[P], Value = In[P + 1];
    P += 2;
    if (Count > 0) {
      for (unsigned I = 0; I < Count; ++I)
        Put(Four ? ((I % 2 == 0) ? Value >> 4 : Value & 0xF) : Value);
    } else if (Value == 0) {
      X = 0, ++Y;
    } else if (Value == 1) {
      break;
    } else if (Value == 2) {
      if (P + 1 >= In.size()) break;
      X = std::min(X + In[P], Width), Y += In[P + 1];
      P += 2;
    } else {
      std::size_t Bytes = Four ? (Value + 1) / 2 : Value;
      for (unsigned I = 0; I < Value && P + (Four ? I / 2 : I) < In.size(); ++I) {
        std::uint8_t B = In[P + (Four ? I / 2 : I)];
        Put(Four ? ((I % 2 == 0) ? B >> 4 : B & 0xF) : B);
      }
      P += (Bytes + 1) & ~std::size_t(1);
    }
  }
  return Out;
}

TDibSection Decode(TLayout& L, std::span<const std::uint8_t> Pixels) {
  std::vector<std::uint8_t> Expanded;
  const std::uint8_t* Bits = Pixels.data();
  if (L.Header.biCompression == BI_RLE8 || L.Header.biCompression == BI_RLE4) {
    Expanded = ExpandRle(L, Pixels);
    Bits = Expanded.data();
    L.Header.biCompression = BI_RGB;
  } else if (Pixels.size() < L.Stride() * std::uint64_t(L.Height)) {
    return {};
  }
  L.Header.biHeight = L.TopDown ? -L.Height : L.Height;
  L.Header.biSizeImage = 0;
  L.Header.biClrUsed = DWORD(L.Colors.size());
  std::vector<std::uint8_t> Info(sizeof(BITMAPINFOHEADER) + 12 + 256 * 4, 0);
  std::memcpy(Info.data(), &L.Header, sizeof(BITMAPINFOHEADER));
  std::size_t At = sizeof(BITMAPINFOHEADER);
  if (L.Header.biCompression == BI_BITFIELDS) {
    std::memcpy(Info.data() + At, L.Masks, 12);
    At += 12;
  }
  if (!L.Colors.empty())
    std::memcpy(Info.data() + At, L.Colors.data(), L.Colors.size() * sizeof(RGBQUAD));
  return TDibSection::FromDib(*reinterpret_cast<const BITMAPINFO*>(Info.data()), Bits,
                              SectionDepth(L), L.Colors);
}

[[noreturn]] void BadBitmap() { throw EInvalidGraphic(SInvalidBitmap); }

std::vector<std::uint8_t> ReadBytes(TStream& Stream, std::uint64_t Count) {
  std::vector<std::uint8_t> Buffer(static_cast<std::size_t>(Count));
  if (Count && Stream.Read(Buffer.data(), std::int64_t(Count)) != std::int64_t(Count)) BadBitmap();
  return Buffer;
}

TDibSection ReadBmpAt(TStream& Stream, const std::int64_t Start) {
  const std::int64_t Avail = Stream.GetSize() - Start;
  if (Avail < std::int64_t(FileHeaderBytes)) BadBitmap();
  std::vector<std::uint8_t> File = ReadBytes(Stream, FileHeaderBytes);
  if (File[0] != 'B' || File[1] != 'M') BadBitmap();
  const std::uint64_t OffBits = Dword(File, 10);
  std::uint64_t Rest = std::uint64_t(Avail) - FileHeaderBytes;
  std::vector<std::uint8_t> Head = ReadBytes(Stream, std::min<std::uint64_t>(Rest, MaxHeaderBlock));
  TLayout L;
  if (!ParseLayout(Head, L) || OffBits < FileHeaderBytes + L.BitsOffset ||
      OffBits > std::uint64_t(Avail))
    BadBitmap();
  std::uint64_t PixelBytes = L.Stride() * std::uint64_t(L.Height);
  if (L.Header.biCompression == BI_RLE8 || L.Header.biCompression == BI_RLE4) {
    PixelBytes = L.Header.biSizeImage ? L.Header.biSizeImage : std::uint64_t(Avail) - OffBits;
  }
  if (PixelBytes > std::uint64_t(Avail) - OffBits) BadBitmap();
  Stream.SetPosition(Start + std::int64_t(OffBits));
  std::vector<std::uint8_t> Pixels = ReadBytes(Stream, PixelBytes);
  TDibSection Image = Decode(L, Pixels);
  if (!Image) BadBitmap();
  return Image;
}

} // namespace

TDibSection DecodePackedDib(std::span<const std::uint8_t> Data, int Height) {
  TLayout L;
  if (!ParseLayout(Data, L) || L.BitsOffset > Data.size()) return {};
  if (Height > 0) {
    if (Height > L.Height) return {};
    L.Height = Height;
  }
  return Decode(L, Data.subspan(L.BitsOffset));
}

std::size_t PackedDibBitsOffset(std::span<const std::uint8_t> Data) {
  TLayout L;
  return ParseLayout(Data, L) ? L.BitsOffset : 0;
}

TDibSection ReadBmp(TStream& Stream) {
  const std::int64_t Start = Stream.GetPosition();
  try {
    return ReadBmpAt(Stream, Start);
  } catch (const EInvalidGraphic&) {
    Stream.SetPosition(Start);
    throw;
  }
}

std::uint32_t BmpFileSize(const TDibSection& Image) {
  if (!Image) return 0;
  return std::uint32_t(FileHeaderBytes + sizeof(BITMAPINFOHEADER) +
                       Image.Colors().size() * sizeof(RGBQUAD) + Image.ImageBytes());
}

void WriteBmp(TStream& Stream, const TDibSection& Image) {
  if (!Image) return;
  std::vector<std::uint8_t> Out;
  const std::uint32_t Table = std::uint32_t(Image.Colors().size() * sizeof(RGBQUAD));
  const std::uint32_t OffBits = std::uint32_t(FileHeaderBytes + sizeof(BITMAPINFOHEADER)) + Table;
  Out.push_back('B');
  Out.push_back('M');
  PutDword(Out, BmpFileSize(Image));
  PutDword(Out, 0);
  PutDword(Out, OffBits);
  PutDword(Out, sizeof(BITMAPINFOHEADER));
  PutDword(Out, std::uint32_t(Image.Width()));
  PutDword(Out, std::uint32_t(Image.Height()));
  PutWord(Out, 1);
  PutWord(Out, std::uint16_t(Image.Bpp()));
  PutDword(Out, BI_RGB);
  PutDword(Out, std::uint32_t(Image.ImageBytes()));
  PutDword(Out, 3780); // 96 dots per inch
  PutDword(Out, 3780);
  PutDword(Out, std::uint32_t(Image.Colors().size()));
  PutDword(Out, 0);
  for (const RGBQUAD& Q : Image.Colors()) {
    Out.insert(Out.end(), {Q.rgbBlue, Q.rgbGreen, Q.rgbRed, 0});
  }
  Stream.WriteBuffer(Out.data(), std::int64_t(Out.size()));
  for (int Y = Image.Height() - 1; Y >= 0; --Y) Stream.WriteBuffer(Image.Row(Y), Image.Stride());
}
