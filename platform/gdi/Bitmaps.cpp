// Bitmap creation: device-dependent bitmaps (CreateBitmap,
// CreateCompatibleBitmap, CreateDIBitmap) and DIB sections, plus the colour
// table of the DIB section selected into a DC.
//
// A device-dependent bitmap here is a TGdiBitmap in the depth the device
// would use; a DIB section is a TGdiDibSection whose storage is the pixel
// memory the caller writes to directly. Both live in the GDI handle table
// and are freed by DeleteObject.
#include "platform/gdi/BitmapSupport.h"
#include "platform/gdi/DibFormat.h"
#include "platform/gdi/DibSection.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstring>

namespace {

bool SupportedDepth(std::uint64_t Bpp) {
  return Bpp == 1 || Bpp == 4 || Bpp == 8 || Bpp == 16 || Bpp == 24 || Bpp == 32;
}

HBITMAP AddBitmap(std::unique_ptr<TGdiBitmap> B) {
  if (!B->Valid()) return nullptr;
  return static_cast<HBITMAP>(GdiAdd(std::move(B)));
}

// What a zero-sized request gives on the desktop this layer imitates: the
// stock 1x1 monochrome bitmap, which DeleteObject leaves alone.
HBITMAP OnePixelMono() { return GdiStockBitmap(); }

int DisplayDepth() {
  int Bpp = GdiDisplay().BitsPerPixel;
  return SupportedDepth(std::uint64_t(Bpp)) ? Bpp : 32;
}

std::unique_ptr<TGdiBitmap> DisplayBitmap(int W, int H) {
  auto B = std::make_unique<TGdiBitmap>(W, H, DisplayDepth());
  // A palette-based display's bitmaps index the system palette, which
  // starts out as the halftone palette.
  if (B->BitsPerPixel() == 8) B->SetColorTable(HalftoneQuads());
  return B;
}

// A DIB section laid out as Format, remembering Header for GetObject.
std::unique_ptr<TGdiDibSection> MakeDibSection(const TDibFormat& Format,
                                               const BITMAPINFOHEADER& Header) {
  auto D = std::make_unique<TGdiDibSection>(Format.Width(), Format.Height(), Format.Bpp(),
                                            !Format.TopDown());
  if (!D->Valid()) return nullptr;
  if (Format.IsIndexed()) D->SetColorTable(Format.Colors());
  D->Header = Header;
  D->Header.biSize = sizeof(BITMAPINFOHEADER);
  D->Header.biSizeImage = DWORD(D->ByteSize());
  if (Format.Bpp() == 16 || Format.Bpp() == 32)
    for (int I = 0; I < 3; ++I) D->Masks[I] = Format.Mask(I);
  return D;
}

// A DIB section like Model (depth, masks, colours, row order), W x H.
std::unique_ptr<TGdiBitmap> DibSectionLike(const TGdiDibSection& Model, int W, int H) {
  auto D = std::make_unique<TGdiDibSection>(W, H, Model.BitsPerPixel(), Model.BottomUp());
  if (!D->Valid()) return D;
  D->SetColorTable(Model.ColorTable());
  D->Header = Model.Header;
  D->Header.biWidth = W;
  D->Header.biHeight = Model.BottomUp() ? H : -H;
  D->Header.biSizeImage = DWORD(D->ByteSize());
  std::copy(Model.Masks, Model.Masks + 3, D->Masks);
  return D;
}

TGdiBitmap* SelectedDibSection(HDC DC) {
  TGdiDC* D = GdiFindDC(DC);
  TGdiBitmap* S = D ? D->Surface() : nullptr;
  return S && S->IsDibSection && IsIndexed(*S) ? S : nullptr;
}

} // namespace

HBITMAP CreateBitmap(int w, int h, UINT planes, UINT bpp, const void* bits) {
  if (planes > 32 || bpp > 32 || w < 0 || h < 0) return nullptr;
  std::uint64_t Depth = std::uint64_t(planes) * bpp;
  if (!SupportedDepth(Depth)) return nullptr;
  if (w == 0 || h == 0) return OnePixelMono();
  auto B = std::make_unique<TGdiBitmap>(w, h, int(Depth));
  if (!B->Valid()) return nullptr;
  if (bits) {
    // Device-dependent rows are WORD-aligned, top row first; the store's
    // rows are DWORD-aligned, so they are copied one at a time.
    std::size_t InStride = std::size_t(((std::uint64_t(w) * Depth + 15) / 16) * 2);
    const BYTE* In = static_cast<const BYTE*>(bits);
    for (int Y = 0; Y < h; ++Y) std::memcpy(B->Row(Y), In + std::size_t(Y) * InStride, InStride);
  }
  return AddBitmap(std::move(B));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int w, int h) {
  TGdiDC* D = GdiFindDC(hdc);
  if (!D || w < 0 || h < 0) return nullptr;
  if (w == 0 || h == 0) return OnePixelMono();
  const TGdiBitmap* S = D->Surface();
  if (S && IsMonoDDB(*S)) return AddBitmap(std::make_unique<TGdiBitmap>(w, h, 1));
  if (S && S->IsDibSection)
    if (auto* Dib = dynamic_cast<const TGdiDibSection*>(S))
      return AddBitmap(DibSectionLike(*Dib, w, h));
  return AddBitmap(DisplayBitmap(w, h));
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* bmi, UINT usage, void** bits, HANDLE section,
                         [[maybe_unused]] DWORD offset) {
  if (bits) *bits = nullptr;
  // File-mapping sections do not exist on this desktop; the offset only
  // has a meaning inside one.
  if (section) return nullptr;
  TDibFormat Format;
  if (!Format.Parse(bmi, usage, GdiFindDC(hdc)) || !Format.HasNativeLayout()) return nullptr;
  std::unique_ptr<TGdiDibSection> D = MakeDibSection(Format, bmi->bmiHeader);
  if (!D) return nullptr;
  void* Pixels = D->Bits();
  HBITMAP H = AddBitmap(std::move(D));
  if (H && bits) *bits = Pixels;
  return H;
}

HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* bmi, UINT usage) {
  TGdiDC* D = GdiFindDC(hdc);
  if (!D || !header) return nullptr;
  TDibFormat Format;
  if (!Format.ParseHeader(*header)) return nullptr;
  if ((init & CBM_INIT) && (!bits || !bmi)) return nullptr;
  HBITMAP H = CreateCompatibleBitmap(hdc, Format.Width(), Format.Height());
  if (!H || !(init & CBM_INIT)) return H;
  if (SetDIBits(hdc, H, 0, UINT(Format.Height()), bits, bmi, usage) == 0) {
    DeleteObject(H);
    return nullptr;
  }
  return H;
}

UINT GetDIBColorTable(HDC hdc, UINT start, UINT count, RGBQUAD* colors) {
  TGdiBitmap* S = SelectedDibSection(hdc);
  if (!S || !colors) return 0;
  const std::vector<RGBQUAD>& Table = S->ColorTable();
  if (start >= Table.size()) return 0;
  UINT N = UINT(std::min<std::size_t>(count, Table.size() - start));
  std::copy(Table.begin() + start, Table.begin() + start + N, colors);
  return N;
}

UINT SetDIBColorTable(HDC hdc, UINT start, UINT count, const RGBQUAD* colors) {
  TGdiBitmap* S = SelectedDibSection(hdc);
  if (!S || !colors) return 0;
  UINT Full = 1u << S->BitsPerPixel();
  if (start >= Full) return 0;
  UINT N = std::min(count, Full - start);
  std::vector<RGBQUAD> Table = S->ColorTable();
  if (Table.size() < start + N) Table.resize(start + N, RGBQUAD{0, 0, 0, 0});
  std::copy(colors, colors + N, Table.begin() + start);
  S->SetColorTable(Table);
  return N;
}
