// Transfer between bitmaps and caller memory in device-independent format
// (GetDIBits, SetDIBits).
//
// Scan lines are counted in the DIB's own order: from the bottom for a
// bottom-up DIB, from the top for a top-down one; the first scan line the
// call transfers is the first row of the caller's buffer. Pixels are
// converted through their colours, except between indexed formats with the
// same depth and colour table, where indexes are copied unchanged so
// duplicate colours in a table survive a round trip. Asked for BI_BITFIELDS,
// GetDIBits answers in 5-5-5 or 8-8-8 and writes those masks after the
// header, as it writes the colour table for indexed formats.
#include "platform/gdi/BitmapSupport.h"
#include "platform/gdi/DibFormat.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstring>

namespace {

// How rows move between the bitmap and the caller's format.
enum class TRowCopy { Bytes, Indexes, Colors };

TRowCopy ChooseCopy(const TGdiBitmap& B, const TDibFormat& F) {
  if (F.Bpp() != B.BitsPerPixel()) return TRowCopy::Colors;
  if (F.IsIndexed())
    return SameColors(F.Colors(), B.ColorTable()) ? TRowCopy::Indexes : TRowCopy::Colors;
  return F.HasNativeLayout() ? TRowCopy::Bytes : TRowCopy::Colors;
}

// The scan lines [First, End) of the DIB that a call over Start/Lines
// touches.
struct TScanRange {
  std::uint64_t First = 0, End = 0;
  TScanRange(const TDibFormat& F, UINT Start, UINT Lines)
      : First(Start), End(std::min<std::uint64_t>(std::uint64_t(Start) + Lines, F.Height())) {
    if (End < First) End = First;
  }
};

int ImageRowOf(const TDibFormat& F, std::uint64_t Scan) {
  return F.TopDown() ? int(Scan) : F.Height() - 1 - int(Scan);
}

// The colour table GetDIBits reports for an indexed output format.
std::vector<RGBQUAD> OutputColors(const TGdiBitmap& B, const TDibFormat& F, UINT Usage,
                                  const TGdiDC* DC) {
  std::size_t Full = std::size_t(1) << F.Bpp();
  std::vector<RGBQUAD> T;
  if (Usage == DIB_PAL_COLORS) {
    for (const PALETTEENTRY& E : PaletteEntriesOf(DC)) T.push_back(EntryToQuad(E));
  } else if (B.BitsPerPixel() == F.Bpp()) {
    T = B.ColorTable();
  } else if (F.Bpp() == 8) {
    T = HalftoneQuads();
  } else {
    T = TGdiBitmap(0, 0, F.Bpp()).ColorTable();
  }
  T.resize(Full, RGBQUAD{0, 0, 0, 0});
  return T;
}

// Writes the colour table (or, for DIB_PAL_COLORS, palette indexes 0..n-1)
// and the channel masks after the caller's header.
void StoreTable(BITMAPINFO* Info, const TDibFormat& F, UINT Usage) {
  BYTE* After = reinterpret_cast<BYTE*>(Info) + Info->bmiHeader.biSize;
  if (F.Compression() == BI_BITFIELDS) {
    const DWORD Masks[3] = {F.Mask(0), F.Mask(1), F.Mask(2)};
    std::memcpy(Info->bmiHeader.biSize == 40 ? After : reinterpret_cast<BYTE*>(Info) + 40, Masks,
                sizeof Masks);
  }
  if (!F.IsIndexed()) return;
  Info->bmiHeader.biClrUsed = 0;
  for (std::size_t I = 0; I < F.Colors().size(); ++I) {
    if (Usage == DIB_PAL_COLORS) {
      WORD Index = WORD(I);
      std::memcpy(After + 2 * I, &Index, 2);
    } else {
      std::memcpy(After + 4 * I, &F.Colors()[I], 4);
    }
  }
}

void ReadRow(const TGdiBitmap& B, int Y, const TDibFormat& F, TRowCopy Copy, BYTE* Out) {
  int W = std::min(F.Width(), B.Width());
  std::memset(Out, 0, F.Stride());
  if (Copy == TRowCopy::Bytes) {
    std::memcpy(Out, B.Row(Y), std::size_t(W) * std::size_t(F.Bpp() / 8));
    return;
  }
  for (int X = 0; X < W; ++X) {
    if (Copy == TRowCopy::Indexes)
      F.WriteIndex(Out, X, ReadIndex(B, X, Y));
    else
      F.WritePixel(Out, X, B.ReadPixel(X, Y));
  }
}

void WriteRow(TGdiBitmap& B, int Y, const TDibFormat& F, TRowCopy Copy, const BYTE* In) {
  int W = std::min(F.Width(), B.Width());
  if (Copy == TRowCopy::Bytes) {
    std::memcpy(B.Row(Y), In, std::size_t(W) * std::size_t(F.Bpp() / 8));
    return;
  }
  for (int X = 0; X < W; ++X) {
    if (Copy == TRowCopy::Indexes)
      WriteIndex(B, X, Y, F.ReadIndex(In, X));
    else
      B.WritePixel(X, Y, F.ReadPixel(In, X));
  }
}

// GetDIBits with no buffer: describes the bitmap (bit count 0) or the
// requested format.
int DescribeBitmap(const TGdiBitmap& B, BITMAPINFO* Info, UINT Usage, const TGdiDC* DC) {
  BITMAPINFOHEADER& H = Info->bmiHeader;
  if (H.biBitCount == 0) {
    if (H.biSize < sizeof(BITMAPINFOHEADER)) return 0;
    H.biWidth = B.Width();
    H.biHeight = B.Height();
    H.biPlanes = 1;
    H.biBitCount = WORD(B.BitsPerPixel());
    H.biCompression = BI_RGB;
    H.biSizeImage = DWORD(B.Stride()) * DWORD(B.Height());
    H.biClrUsed = H.biClrImportant = 0;
    return B.Height();
  }
  BITMAPINFOHEADER Asked = H;
  if (Asked.biWidth == 0) Asked.biWidth = B.Width();
  if (Asked.biHeight == 0) Asked.biHeight = B.Height();
  TDibFormat F;
  if (!F.ParseHeader(Asked)) return 0;
  H.biWidth = Asked.biWidth;
  H.biHeight = Asked.biHeight;
  H.biSizeImage = DWORD(F.ImageSize());
  if (F.IsIndexed()) F.SetColors(OutputColors(B, F, Usage, DC));
  StoreTable(Info, F, Usage);
  return std::min(F.Height(), B.Height());
}

} // namespace

int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* bmi,
              UINT usage) {
  TGdiBitmap* B = GdiFind<TGdiBitmap>(bitmap, OBJ_BITMAP);
  if (!B || !bmi || (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS)) return 0;
  const TGdiDC* DC = GdiFindDC(hdc);
  if (!bits) return DescribeBitmap(*B, bmi, usage, DC);
  TDibFormat F;
  if (!F.ParseHeader(bmi->bmiHeader)) return 0;
  if (F.IsIndexed()) F.SetColors(OutputColors(*B, F, usage, DC));
  bmi->bmiHeader.biSizeImage = DWORD(F.ImageSize());
  StoreTable(bmi, F, usage);
  // The output table of a same-depth indexed request is the bitmap's own,
  // so its indexes stay valid as they are.
  TRowCopy Copy = ChooseCopy(*B, F);
  if (F.IsIndexed())
    Copy = usage == DIB_RGB_COLORS && F.Bpp() == B->BitsPerPixel() ? TRowCopy::Indexes
                                                                   : TRowCopy::Colors;
  TScanRange Range(F, start, lines);
  BYTE* Out = static_cast<BYTE*>(bits);
  int Done = 0;
  for (std::uint64_t S = Range.First; S < Range.End; ++S) {
    int Y = ImageRowOf(F, S);
    if (Y >= B->Height()) continue;
    ReadRow(*B, Y, F, Copy, Out + (S - Range.First) * F.Stride());
    ++Done;
  }
  return Done;
}

int SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* bmi, UINT usage) {
  TGdiBitmap* B = GdiFind<TGdiBitmap>(bitmap, OBJ_BITMAP);
  if (!B || !bits) return 0;
  TDibFormat F;
  if (!F.Parse(bmi, usage, GdiFindDC(hdc))) return 0;
  TRowCopy Copy = ChooseCopy(*B, F);
  TScanRange Range(F, start, lines);
  const BYTE* In = static_cast<const BYTE*>(bits);
  int Done = 0;
  for (std::uint64_t S = Range.First; S < Range.End; ++S) {
    int Y = ImageRowOf(F, S);
    if (Y >= B->Height()) continue;
    WriteRow(*B, Y, F, Copy, In + (S - Range.First) * F.Stride());
    ++Done;
  }
  return Done;
}
