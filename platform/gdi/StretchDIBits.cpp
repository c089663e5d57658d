// StretchDIBits: draws caller memory in device-independent format through
// the blit engine. The source rows the call reads are first decoded into a
// temporary bitmap: indexed DIBs keep their depth, indexes and colour
// table (raster operations on indexed destinations combine indexes), all
// other formats become 32-bit colour.
//
// As on the desktop, the source rectangle of a bottom-up DIB is measured
// from its lower-left corner, and a DIB never counts as a monochrome
// device-dependent bitmap: its colour table gives its colours.
#include "platform/gdi/Blitter.h"
#include "platform/gdi/DibFormat.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstring>

namespace {

// Decodes image rows [Top, Top + Rows) of the DIB at Bits.
std::unique_ptr<TGdiBitmap> DecodeRows(const TDibFormat& F, const BYTE* Bits, int Top, int Rows) {
  int Bpp = F.IsIndexed() ? F.Bpp() : 32;
  auto B = std::make_unique<TGdiBitmap>(F.Width(), Rows, Bpp);
  if (!B->Valid()) return nullptr;
  B->IsDibSection = true;
  if (F.IsIndexed()) B->SetColorTable(F.Colors());
  for (int Y = 0; Y < Rows; ++Y) {
    const BYTE* In = Bits + F.RowOffset(Top + Y);
    if (F.IsIndexed()) {
      std::memcpy(B->Row(Y), In, F.Stride());
      continue;
    }
    for (int X = 0; X < F.Width(); ++X) B->WritePixel(X, Y, F.ReadPixel(In, X));
  }
  return B;
}

} // namespace

int StretchDIBits(HDC hdc, int xd, int yd, int wd, int hd, int xs, int ys, int ws, int hs,
                  const void* bits, const BITMAPINFO* bmi, UINT usage, DWORD rop) {
  TGdiDC* D = GdiFindDC(hdc);
  if (!D || !D->Surface()) return 0;
  TDibFormat F;
  if (!F.Parse(bmi, usage, D)) return 0;
  BYTE Rop3 = BYTE(rop >> 16);
  TBlitter B(*D);
  B.SetRop(Rop3);
  B.SetHalftone(D->State.StretchMode == HALFTONE);
  TBlitRect Dst{SurfaceXOf(*D, xd), SurfaceYOf(*D, yd), wd, hd};
  int Lines = int(std::min<std::int64_t>(hs < 0 ? -std::int64_t(hs) : hs, 0x7FFFFFFF));
  if (!TBlitter::UsesSource(Rop3)) return B.Run(Dst, TBlitRect{0, 0, 0, 0}) ? Lines : 0;
  if (!bits || ws == 0 || hs == 0) return 0;

  // The source rectangle in rows counted from the top of the image.
  std::int64_t Top = F.TopDown() ? std::int64_t(ys) : std::int64_t(F.Height()) - ys - hs;
  std::int64_t Lo = std::max<std::int64_t>(std::min(Top, Top + hs), 0);
  std::int64_t Hi = std::min<std::int64_t>(std::max(Top, Top + hs), F.Height());
  if (Lo >= Hi) return Lines;
  std::unique_ptr<TGdiBitmap> Rows =
      DecodeRows(F, static_cast<const BYTE*>(bits), int(Lo), int(Hi - Lo));
  if (!Rows) return 0;
  B.SetSource(*Rows, nullptr);
  B.Run(Dst, TBlitRect{xs, Top - Lo, ws, hs});
  return Lines;
}
