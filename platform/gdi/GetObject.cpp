// GetObject: the description of any GDI object. Bitmaps answer BITMAP, or
// DIBSECTION for a DIB section when the buffer is large enough for it;
// pens, brushes and fonts copy as much of their LOG* structure as fits;
// a palette answers its entry count as a WORD. A null buffer asks for the
// size the full answer needs. Regions and DCs have no description.
#include "platform/gdi/DibSection.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstring>

namespace {

int CopyOut(const void* Data, int Size, int Room, void* Out) {
  if (!Out) return Size;
  if (Room <= 0) return 0;
  int N = std::min(Size, Room);
  std::memcpy(Out, Data, std::size_t(N));
  return N;
}

BITMAP DescribeBitmap(TGdiBitmap& B) {
  BITMAP Bm{};
  Bm.bmWidth = B.Width();
  Bm.bmHeight = B.Height();
  Bm.bmPlanes = 1;
  Bm.bmBitsPixel = WORD(B.BitsPerPixel());
  if (B.IsDibSection) {
    Bm.bmWidthBytes = B.Stride();
    Bm.bmBits = B.Bits();
  } else {
    // Device-dependent rows are reported WORD-aligned, as CreateBitmap
    // takes them; their memory is not the caller's to see.
    Bm.bmWidthBytes = LONG(((std::int64_t(B.Width()) * B.BitsPerPixel() + 15) / 16) * 2);
  }
  return Bm;
}

int GetBitmapObject(TGdiBitmap& B, int Size, void* Out) {
  auto* Dib = B.IsDibSection ? dynamic_cast<TGdiDibSection*>(&B) : nullptr;
  if (!Out) return Dib ? int(sizeof(DIBSECTION)) : int(sizeof(BITMAP));
  if (Size < int(sizeof(BITMAP))) return 0;
  BITMAP Bm = DescribeBitmap(B);
  if (!Dib || Size < int(sizeof(DIBSECTION))) {
    std::memcpy(Out, &Bm, sizeof Bm);
    return int(sizeof(BITMAP));
  }
  DIBSECTION Ds{};
  Ds.dsBm = Bm;
  Ds.dsBmih = Dib->Header;
  std::copy(Dib->Masks, Dib->Masks + 3, Ds.dsBitfields);
  std::memcpy(Out, &Ds, sizeof Ds);
  return int(sizeof(DIBSECTION));
}

} // namespace

int GetObject(HGDIOBJ obj, int size, void* out) {
  TGdiObject* Obj = GdiTable().Find(reinterpret_cast<std::uintptr_t>(obj));
  if (!Obj) return 0;
  switch (Obj->Kind()) {
  case OBJ_BITMAP: return GetBitmapObject(*static_cast<TGdiBitmap*>(Obj), size, out);
  case OBJ_PEN: {
    const LOGPEN& Log = static_cast<TGdiPen*>(Obj)->Log;
    return CopyOut(&Log, int(sizeof Log), size, out);
  }
  case OBJ_BRUSH: {
    const LOGBRUSH& Log = static_cast<TGdiBrush*>(Obj)->Log;
    return CopyOut(&Log, int(sizeof Log), size, out);
  }
  case OBJ_FONT: {
    const LOGFONTA& Log = static_cast<TGdiFont*>(Obj)->Log;
    return CopyOut(&Log, int(sizeof Log), size, out);
  }
  case OBJ_PAL: {
    if (out && size < int(sizeof(WORD))) return 0;
    WORD Count = WORD(static_cast<TGdiPalette*>(Obj)->Entries.size());
    return CopyOut(&Count, int(sizeof Count), size, out);
  }
  default: return 0;
  }
}
