// Sections are made with CreateDIBSection and filled through SetDIBits /
// GetDIBits, which convert between depths and layouts; only resizing
// copies rows itself, so indexes survive whatever the colour table holds.
#include "framework/graphics/DibSection.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

struct TInfoBuffer {
  BITMAPINFOHEADER Header;
  RGBQUAD Colors[256];
};

TInfoBuffer MakeInfo(int Width, int Height, int Bpp) {
  TInfoBuffer I{};
  I.Header.biSize = sizeof(BITMAPINFOHEADER);
  I.Header.biWidth = Width;
  I.Header.biHeight = -Height;
  I.Header.biPlanes = 1;
  I.Header.biBitCount = WORD(Bpp);
  I.Header.biCompression = BI_RGB;
  return I;
}

BITMAPINFO* AsInfo(TInfoBuffer& I) { return reinterpret_cast<BITMAPINFO*>(&I); }

bool ValidDepth(int Bpp) {
  return Bpp == 1 || Bpp == 4 || Bpp == 8 || Bpp == 16 || Bpp == 24 || Bpp == 32;
}

// Copies the first Pixels pixels of a row of Bpp bits.
void CopyRowPixels(std::uint8_t* Dst, const std::uint8_t* Src, int Pixels, int Bpp) {
  std::size_t Bits = std::size_t(Pixels) * std::size_t(Bpp);
  std::memcpy(Dst, Src, Bits / 8);
  if (Bits % 8 == 0) return;
  std::uint8_t Keep = std::uint8_t(0xFF >> (Bits % 8));
  std::size_t Last = Bits / 8;
  Dst[Last] = std::uint8_t((Dst[Last] & Keep) | (Src[Last] & ~Keep));
}

} // namespace

std::vector<RGBQUAD> StandardColors(int Bpp) {
  if (Bpp > 8 || !ValidDepth(Bpp)) return {};
  TDibSection Probe = TDibSection::Create(1, 1, 32);
  TInfoBuffer I = MakeInfo(1, 1, Bpp);
  std::uint32_t Scratch = 0;
  if (!Probe || !GetDIBits(nullptr, Probe.Handle(), 0, 1, &Scratch, AsInfo(I), DIB_RGB_COLORS))
    return {};
  return std::vector<RGBQUAD>(I.Colors, I.Colors + (1 << Bpp));
}

TDibSection& TDibSection::operator=(TDibSection&& Other) noexcept {
  if (this == &Other) return *this;
  Reset();
  FHandle = std::exchange(Other.FHandle, nullptr);
  FBits = std::exchange(Other.FBits, nullptr);
  FWidth = std::exchange(Other.FWidth, 0);
  FHeight = std::exchange(Other.FHeight, 0);
  FBpp = std::exchange(Other.FBpp, 0);
  FColors = std::move(Other.FColors);
  Other.FColors.clear();
  return *this;
}

TDibSection TDibSection::Create(int Width, int Height, int Bpp, std::span<const RGBQUAD> Colors) {
  TDibSection D;
  if (Width <= 0 || Height <= 0 || !ValidDepth(Bpp)) return D;
  TInfoBuffer I = MakeInfo(Width, Height, Bpp);
  if (Bpp <= 8) {
    std::vector<RGBQUAD> Given =
        Colors.empty() ? StandardColors(Bpp) : std::vector<RGBQUAD>(Colors.begin(), Colors.end());
    std::vector<RGBQUAD> Table(std::size_t(1) << Bpp, RGBQUAD{0, 0, 0, 0});
    std::copy_n(Given.begin(), std::min(Given.size(), Table.size()), Table.begin());
    std::copy(Table.begin(), Table.end(), I.Colors);
    I.Header.biClrUsed = DWORD(Table.size());
    D.FColors = std::move(Table);
  }
  void* Bits = nullptr;
  HBITMAP H = CreateDIBSection(nullptr, AsInfo(I), DIB_RGB_COLORS, &Bits, nullptr, 0);
  if (!H || !Bits) {
    if (H) DeleteObject(H);
    D.FColors.clear();
    return D;
  }
  D.FHandle = H;
  D.FBits = static_cast<std::uint8_t*>(Bits);
  D.FWidth = Width;
  D.FHeight = Height;
  D.FBpp = Bpp;
  std::memset(D.FBits, 0, D.ImageBytes());
  return D;
}

TDibSection TDibSection::CopyOf(HBITMAP Bitmap) {
  BITMAP B{};
  if (GetObjectType(Bitmap) != OBJ_BITMAP || !GetObject(Bitmap, sizeof(B), &B)) return {};
  int Bpp = ValidDepth(B.bmBitsPixel) ? B.bmBitsPixel : 32;
  TInfoBuffer I = MakeInfo(B.bmWidth, B.bmHeight, Bpp);
  TDibSection Probe = Create(B.bmWidth, B.bmHeight, Bpp);
  if (!Probe) return {};
  if (GetDIBits(nullptr, Bitmap, 0, UINT(B.bmHeight), Probe.FBits, AsInfo(I), DIB_RGB_COLORS) !=
      B.bmHeight)
    return {};
  if (Bpp > 8) return Probe;
  return Probe.Recolored(std::span(I.Colors, std::size_t(1) << Bpp));
}

TDibSection TDibSection::FromDib(const BITMAPINFO& Info, const void* Bits, int Bpp,
                                 std::span<const RGBQUAD> Colors) {
  int Height = Info.bmiHeader.biHeight < 0 ? -Info.bmiHeader.biHeight : Info.bmiHeader.biHeight;
  TDibSection D = Create(Info.bmiHeader.biWidth, Height, Bpp, Colors);
  if (!D) return D;
  if (SetDIBits(nullptr, D.FHandle, 0, UINT(Height), Bits, &Info, DIB_RGB_COLORS) != Height)
    return {};
  return D;
}

TDibSection TDibSection::Converted(int Bpp) const {
  if (!FHandle) return {};
  TInfoBuffer I = MakeInfo(FWidth, FHeight, Bpp);
  TDibSection D = Create(FWidth, FHeight, Bpp);
  if (!D) return D;
  if (GetDIBits(nullptr, FHandle, 0, UINT(FHeight), D.FBits, AsInfo(I), DIB_RGB_COLORS) != FHeight)
    return {};
  if (Bpp > 8) return D;
  return D.Recolored(std::span(I.Colors, std::size_t(1) << Bpp));
}

TDibSection TDibSection::Recolored(std::span<const RGBQUAD> Colors) const {
  if (!FHandle) return {};
  TDibSection D = Create(FWidth, FHeight, FBpp, Colors);
  if (D) std::memcpy(D.FBits, FBits, ImageBytes());
  return D;
}

TDibSection TDibSection::Resized(int Width, int Height, COLORREF Fill) const {
  if (!FHandle) return {};
  TDibSection D = Create(Width, Height, FBpp, FColors);
  if (!D) return D;
  D.Fill(Fill);
  int Rows = std::min(Height, FHeight), Cols = std::min(Width, FWidth);
  for (int Y = 0; Y < Rows; ++Y) CopyRowPixels(D.Row(Y), Row(Y), Cols, FBpp);
  return D;
}

void TDibSection::Fill(COLORREF Color) const {
  if (!FHandle) return;
  HDC DC = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, FHandle);
  HBRUSH Brush = CreateSolidBrush(Color);
  TRect All{0, 0, FWidth, FHeight};
  ::FillRect(DC, &All, Brush);
  DeleteObject(Brush);
  SelectObject(DC, Old);
  DeleteDC(DC);
}

COLORREF TDibSection::Pixel(int X, int Y) const {
  if (!FHandle || X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return CLR_INVALID;
  const std::uint8_t* R = Row(Y);
  if (FBpp <= 8) {
    int Bit = X * FBpp;
    unsigned Index = (R[Bit / 8] >> (8 - FBpp - Bit % 8)) & ((1u << FBpp) - 1);
    const RGBQUAD& Q = FColors[Index];
    return RGB(Q.rgbRed, Q.rgbGreen, Q.rgbBlue);
  }
  if (FBpp == 16) {
    unsigned V = unsigned(R[2 * X]) | unsigned(R[2 * X + 1]) << 8;
    auto Scale = [](unsigned C) { return BYTE((C << 3) | (C >> 2)); };
    return RGB(Scale((V >> 10) & 31), Scale((V >> 5) & 31), Scale(V & 31));
  }
  const std::uint8_t* P = R + std::size_t(X) * std::size_t(FBpp / 8);
  return RGB(P[2], P[1], P[0]);
}

std::vector<std::uint8_t> TDibSection::InfoBlock() const {
  TInfoBuffer I = MakeInfo(FWidth, FHeight, FBpp);
  I.Header.biSizeImage = DWORD(ImageBytes());
  I.Header.biClrUsed = DWORD(FColors.size());
  std::copy(FColors.begin(), FColors.end(), I.Colors);
  const auto* P = reinterpret_cast<const std::uint8_t*>(&I);
  return std::vector<std::uint8_t>(P,
                                   P + sizeof(BITMAPINFOHEADER) + FColors.size() * sizeof(RGBQUAD));
}

HBITMAP TDibSection::Release() {
  HBITMAP H = FHandle;
  FHandle = nullptr;
  FBits = nullptr;
  FWidth = FHeight = FBpp = 0;
  FColors.clear();
  return H;
}

void TDibSection::Reset() {
  if (FHandle) DeleteObject(FHandle);
  Release();
}
