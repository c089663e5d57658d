// Adversarial pass over the drawing layer: long random sequences of
// operations with random and often absurd arguments (coordinates at the
// ends of the int range, forged and stale handles, objects deleted while
// selected, mismatched headers) against small surfaces. Meant to run under
// the sanitizer build, where any stray memory access fails it; on its own
// it checks that no drawing operation changes a pixel outside what the DC
// may reach (surface, visible region, clip region) and that no object is
// left behind. The sequences come from fixed seeds, so a failure repeats.
#include "BitmapTestSupport.h"
#include "platform/Png.h"
#include "support/TestRandom.h"

#include <array>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using namespace bmptest;

namespace {

class GdiRobustnessTest : public TGdiTest {};

// Arguments as the robustness passes draw them: mostly near a small
// surface, sometimes at the ends of the int range.
class TRandom : public TTestRandom {
public:
  using TTestRandom::TTestRandom;

  int Coord() {
    if (Percent(70)) return Between(-6, 40);
    return Pick({INT_MIN, INT_MIN + 1, INT_MIN / 2, -65536, -1, 0, 1, 65535, INT_MAX / 2,
                 INT_MAX - 1, INT_MAX});
  }
  int Extent() {
    if (Percent(75)) return Between(-12, 40);
    return Pick({INT_MIN, INT_MIN + 1, -65536, 0, 65536, INT_MAX - 1, INT_MAX});
  }
  COLORREF Color() {
    switch (Below(6)) {
    case 0: return PALETTEINDEX(WORD(Between(0, 300)));
    case 1: return PALETTERGB(BYTE(Next()), BYTE(Next()), BYTE(Next()));
    case 2: return COLORREF(Next());
    default: return COLORREF(Next() & 0xFFFFFF);
    }
  }
  // Bitmap sizes: small ones, or ones so large that every depth refuses
  // them (never a size that would really allocate much).
  void Size(int& W, int& H) {
    if (Percent(90)) {
      W = Between(-2, 12), H = Between(-2, 12);
      return;
    }
    switch (Below(4)) {
    case 0: W = H = INT_MAX; break;
    case 1: W = INT_MAX, H = 8; break;
    case 2: W = 8, H = INT_MIN; break;
    default: W = H = 1 << 17; break;
    }
  }

private:
  std::uint64_t FState;
};

// A BITMAPINFO with room for the longest header, masks and a full table.
struct TAnyDibInfo {
  alignas(8) BYTE Bytes[2048];
  BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(Bytes); }
  BITMAPINFOHEADER& Header() { return Info()->bmiHeader; }
};

void RandomDibInfo(TRandom& R, TAnyDibInfo& I) {
  for (BYTE& B : I.Bytes) B = BYTE(R.Next());
  BITMAPINFOHEADER& H = I.Header();
  H.biSize = R.Percent(85) ? 40 : R.Pick<DWORD>({12, 41, 52, 56, 108, 124});
  int W, Ht;
  R.Size(W, Ht);
  H.biWidth = W;
  H.biHeight = R.Percent(30) && Ht != INT_MIN ? -Ht : Ht;
  H.biPlanes = R.Percent(90) ? 1 : WORD(R.Between(0, 3));
  H.biBitCount = R.Pick<WORD>({1, 4, 8, 16, 24, 32, 1, 4, 8, 16, 24, 32, 0, 2, 33});
  H.biCompression = R.Percent(75) ? BI_RGB : R.Pick<DWORD>({BI_BITFIELDS, BI_RLE8, BI_RLE4, 9});
  H.biClrUsed = R.Pick<DWORD>({0, 0, 0, 1, 2, 16, 255, 256, 257, 0xFFFFFFFF});
  DWORD Masks[3];
  switch (R.Below(4)) {
  case 0: Masks[0] = 0x7C00, Masks[1] = 0x03E0, Masks[2] = 0x001F; break;
  case 1: Masks[0] = 0xF800, Masks[1] = 0x07E0, Masks[2] = 0x001F; break;
  case 2: Masks[0] = 0xFF0000, Masks[1] = 0x00FF00, Masks[2] = 0x0000FF; break;
  default: Masks[0] = DWORD(R.Next()), Masks[1] = DWORD(R.Next()), Masks[2] = DWORD(R.Next());
  }
  std::memcpy(I.Bytes + 40, Masks, sizeof Masks);
}

// Bytes the pixels of the DIB need when it is small enough for a test
// buffer, else 0 (the caller then passes no pixels at all).
std::size_t SmallImageBytes(const BITMAPINFOHEADER& H) {
  std::int64_t Height = H.biHeight < 0 ? -std::int64_t(H.biHeight) : H.biHeight;
  if (H.biWidth <= 0 || H.biWidth > 64 || Height == 0 || Height > 64 || H.biBitCount > 32) return 0;
  std::size_t Stride = std::size_t(((H.biWidth * H.biBitCount + 31) / 32) * 4);
  return Stride * std::size_t(Height);
}

// The colour-table index or colour of every pixel, for before/after
// comparisons that also see changes between equal-looking indexes.
std::vector<unsigned> Values(const TGdiBitmap& B) {
  std::vector<unsigned> V;
  V.reserve(std::size_t(B.Width()) * std::size_t(B.Height()));
  for (int Y = 0; Y < B.Height(); ++Y)
    for (int X = 0; X < B.Width(); ++X) V.push_back(ReadValue(B, X, Y));
  return V;
}

// Drives one DC (the target, whose surface is watched) and a few others
// through random operations, keeping a pool of the objects it created.
class TFuzzer {
public:
  // Surface is what Target draws on; Origin and Vis are the surface
  // origin and visible region of a window DC (Vis null for a memory DC).
  TFuzzer(std::uint64_t Seed, HDC Target, TGdiBitmap& Surface, TPoint Origin,
          const TRegionData* Vis)
      : R(Seed), FTarget(Target), FSurface(Surface), FOrigin(Origin), FHasVis(Vis != nullptr),
        FVis(Vis ? *Vis : TRegionData()) {
    for (int I = 0; I < 2; ++I) AddOtherDC();
  }

  ~TFuzzer() {
    // Everything the sequence left selected, saved or pending goes away
    // with the DCs; whatever was only deleted-while-selected must be
    // freed by now, which the fixture's leak check confirms.
    RestoreDC(FTarget, 1);
    SelectObject(FTarget, GetStockObject(WHITE_BRUSH));
    SelectObject(FTarget, GetStockObject(BLACK_PEN));
    SelectPalette(FTarget, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    SelectClipRgn(FTarget, nullptr);
    for (HDC DC : FDCs) DeleteDC(DC);
    for (HGDIOBJ Obj : FObjects) DeleteObject(Obj);
  }

  void Run(int Steps) {
    for (int I = 0; I < Steps; ++I) {
      int Kind = R.Below(100);
      if (Kind < 45)
        CheckedDraw();
      else if (Kind < 60)
        ChangeState(R.Percent(80) ? FTarget : AnyDC());
      else if (Kind < 75)
        CreateObject();
      else if (Kind < 85)
        UseObjects();
      else if (Kind < 92)
        Draw(AnyDC());
      else
        Lifecycle();
    }
  }

  // Draws a while after the surface was taken away: nothing may change.
  void RunDetached(int Steps) {
    std::vector<unsigned> Before = Values(FSurface);
    for (int I = 0; I < Steps; ++I) Draw(FTarget);
    EXPECT_EQ(Values(FSurface), Before) << "a detached DC drew";
  }

private:
  HDC AnyDC() {
    if (R.Percent(10)) return R.Percent(50) ? nullptr : static_cast<HDC>(AnyHandle());
    if (FDCs.empty() || R.Percent(40)) return FTarget;
    return R.Pick(FDCs);
  }

  HGDIOBJ AnyHandle() {
    switch (R.Below(12)) {
    case 0: return nullptr;
    case 1: return GetStockObject(R.Between(-1, DEFAULT_GUI_FONT + 1));
    case 2: return reinterpret_cast<HGDIOBJ>(std::uintptr_t(R.Between(1, COLOR_MAX + 2)));
    case 3: return reinterpret_cast<HGDIOBJ>(std::uintptr_t(R.Next()));
    case 4: // the handle table's tag with a random slot and generation
      return reinterpret_cast<HGDIOBJ>((std::uintptr_t(0x5A) << 48) |
                                       (std::uintptr_t(R.Next()) & 0xFFFFFFFFFFFF));
    case 5: return FDCs.empty() ? FTarget : R.Pick(FDCs);
    case 6: return GdiStockBitmap();
    default: return FObjects.empty() ? nullptr : R.Pick(FObjects);
    }
  }
  template <class H> H Any() { return static_cast<H>(AnyHandle()); }

  void Keep(HGDIOBJ Obj) {
    if (Obj) FObjects.push_back(Obj);
  }

  void AddOtherDC() {
    if (HDC DC = CreateCompatibleDC(R.Percent(50) ? nullptr : AnyDC())) FDCs.push_back(DC);
  }

  // The pixels a drawing call on the target may change, in surface
  // coordinates: the surface, the visible region, the clip region.
  TRegionData Reachable() {
    TRegionData A(TRect{0, 0, FSurface.Width(), FSurface.Height()});
    if (FHasVis) {
      TRegionData Vis = FVis;
      Vis.Offset(FOrigin.X, FOrigin.Y);
      A = TRegionData::Intersect(A, Vis);
    }
    HRGN Clip = CreateRectRgn(0, 0, 0, 0);
    if (GetClipRgn(FTarget, Clip) == 1) {
      TRegionData C = GdiFind<TGdiRegion>(Clip, OBJ_REGION)->Data;
      C.Offset(FOrigin.X, FOrigin.Y);
      A = TRegionData::Intersect(A, C);
    }
    DeleteObject(Clip);
    return A;
  }

  void CheckedDraw() {
    TRegionData Allowed = Reachable();
    const BYTE* Bits = FSurface.Bits();
    std::vector<BYTE> Before(Bits, Bits + FSurface.ByteSize());
    int Op = Draw(FTarget);
    if (std::memcmp(Before.data(), Bits, Before.size()) == 0) return;
    int Bpp = FSurface.BitsPerPixel();
    for (int Y = 0; Y < FSurface.Height(); ++Y) {
      const BYTE* Now = FSurface.Row(Y);
      const BYTE* Was = Before.data() + (Now - Bits);
      for (int X = 0; X < FSurface.Width(); ++X) {
        bool Same = Bpp < 8 ? ReadRowIndex(Now, Bpp, X) == ReadRowIndex(Was, Bpp, X)
                            : std::memcmp(Now + X * Bpp / 8, Was + X * Bpp / 8, Bpp / 8) == 0;
        if (!Same && !Allowed.Contains(X, Y)) {
          ADD_FAILURE() << "operation " << Op << " changed pixel (" << X << ", " << Y
                        << ") outside the clip";
          return;
        }
      }
    }
  }

  // One drawing call on DC; returns which, for failure messages.
  int Draw(HDC DC) {
    int Op = R.Below(19);
    switch (Op) {
    case 0: SetPixel(DC, R.Coord(), R.Coord(), R.Color()); break;
    case 1: {
      TRect Rc{R.Coord(), R.Coord(), R.Coord(), R.Coord()};
      FillRect(DC, &Rc, Any<HBRUSH>());
      break;
    }
    case 2: {
      TRect Rc{R.Coord(), R.Coord(), R.Coord(), R.Coord()};
      FrameRect(DC, &Rc, Any<HBRUSH>());
      break;
    }
    case 3: {
      TRect Rc{R.Coord(), R.Coord(), R.Coord(), R.Coord()};
      InvertRect(DC, &Rc);
      break;
    }
    case 4: PatBlt(DC, R.Coord(), R.Coord(), R.Extent(), R.Extent(), Rop()); break;
    case 5: FillRgn(DC, Any<HRGN>(), Any<HBRUSH>()); break;
    case 6: FrameRgn(DC, Any<HRGN>(), Any<HBRUSH>(), R.Extent(), R.Extent()); break;
    case 7:
      if (R.Percent(70)) MoveToEx(DC, R.Coord(), R.Coord(), nullptr);
      LineTo(DC, R.Coord(), R.Coord());
      break;
    case 8: {
      std::vector<TPoint> Pts(std::size_t(R.Between(0, 6)));
      for (TPoint& P : Pts) P = TPoint{R.Coord(), R.Coord()};
      int Count = R.Percent(85) ? int(Pts.size()) : R.Pick({0, -1, INT_MIN});
      Polyline(DC, Pts.empty() && R.Percent(50) ? nullptr : Pts.data(), Count);
      break;
    }
    case 9: Rectangle(DC, R.Coord(), R.Coord(), R.Coord(), R.Coord()); break;
    case 10:
      RoundRect(DC, R.Coord(), R.Coord(), R.Coord(), R.Coord(), R.Extent(), R.Extent());
      break;
    case 11: Ellipse(DC, R.Coord(), R.Coord(), R.Coord(), R.Coord()); break;
    case 12:
      BitBlt(DC, R.Coord(), R.Coord(), R.Extent(), R.Extent(), AnyDC(), R.Coord(), R.Coord(),
             Rop());
      break;
    case 13:
      StretchBlt(DC, R.Coord(), R.Coord(), R.Extent(), R.Extent(), AnyDC(), R.Coord(), R.Coord(),
                 R.Extent(), R.Extent(), Rop());
      break;
    case 14:
      MaskBlt(DC, R.Coord(), R.Coord(), R.Extent(), R.Extent(), AnyDC(), R.Coord(), R.Coord(),
              Any<HBITMAP>(), R.Coord(), R.Coord(), DWORD(R.Next()));
      break;
    case 15:
      TransparentBlt(DC, R.Coord(), R.Coord(), R.Extent(), R.Extent(), AnyDC(), R.Coord(),
                     R.Coord(), R.Extent(), R.Extent(), R.Color());
      break;
    case 16: {
      TAnyDibInfo I;
      RandomDibInfo(R, I);
      std::vector<BYTE> Bits(SmallImageBytes(I.Header()));
      for (BYTE& B : Bits) B = BYTE(R.Next());
      StretchDIBits(DC, R.Coord(), R.Coord(), R.Extent(), R.Extent(), R.Coord(), R.Coord(),
                    R.Extent(), R.Extent(), Bits.empty() ? nullptr : Bits.data(), I.Info(),
                    UINT(R.Between(0, 2)), Rop());
      break;
    }
    case 17: {
      TRect Rc{R.Coord(), R.Coord(), R.Coord(), R.Coord()};
      FillRect(DC, &Rc, reinterpret_cast<HBRUSH>(std::uintptr_t(R.Between(0, COLOR_MAX + 2))));
      break;
    }
    default: {
      // A polyline from a wide pen selected for the occasion.
      HPEN Pen = CreatePen(PenStyle(), R.Extent(), R.Color());
      HGDIOBJ Old = SelectObject(DC, Pen);
      TPoint Pts[3] = {{R.Coord(), R.Coord()}, {R.Coord(), R.Coord()}, {R.Coord(), R.Coord()}};
      Polyline(DC, Pts, 3);
      if (Old) SelectObject(DC, Old);
      DeleteObject(Pen);
      break;
    }
    }
    return Op;
  }

  DWORD Rop() {
    // The plain copy first: it has a path of its own.
    if (R.Percent(30)) return SRCCOPY;
    if (R.Percent(60))
      return R.Pick({SRCCOPY, SRCPAINT, SRCAND, SRCINVERT, SRCERASE, NOTSRCCOPY, NOTSRCERASE,
                     MERGECOPY, MERGEPAINT, PATCOPY, PATPAINT, PATINVERT, DSTINVERT, BLACKNESS,
                     WHITENESS});
    return DWORD(R.Next());
  }

  int PenStyle() {
    return R.Percent(85) ? R.Between(PS_SOLID, PS_INSIDEFRAME) : R.Pick({-1, 7, 0x10, 0x10000});
  }

  void ChangeState(HDC DC) {
    switch (R.Below(22)) {
    case 0: SetROP2(DC, R.Between(0, 17)); break;
    case 1: SetBkMode(DC, R.Between(0, 3)); break;
    case 2: SetBkColor(DC, R.Color()); break;
    case 3: SetTextColor(DC, R.Color()); break;
    case 4: SetWindowOrgEx(DC, R.Coord(), R.Coord(), nullptr); break;
    case 5: SetViewportOrgEx(DC, R.Coord(), R.Coord(), nullptr); break;
    case 6: OffsetWindowOrgEx(DC, R.Coord(), R.Coord(), nullptr); break;
    case 7: SetBrushOrgEx(DC, R.Coord(), R.Coord(), nullptr); break;
    case 8: SetStretchBltMode(DC, R.Between(0, 5)); break;
    case 9: SaveDC(DC); break;
    case 10: RestoreDC(DC, R.Pick({-1, -2, 1, 2, 3, 0, INT_MIN, INT_MAX})); break;
    case 11: SelectClipRgn(DC, R.Percent(30) ? nullptr : Any<HRGN>()); break;
    case 12: ExtSelectClipRgn(DC, Any<HRGN>(), R.Between(0, 6)); break;
    case 13: IntersectClipRect(DC, R.Coord(), R.Coord(), R.Coord(), R.Coord()); break;
    case 14: ExcludeClipRect(DC, R.Coord(), R.Coord(), R.Coord(), R.Coord()); break;
    case 15: OffsetClipRgn(DC, R.Coord(), R.Coord()); break;
    case 16: SelectPalette(DC, Any<HPALETTE>(), R.Between(0, 1)); break;
    case 17: RealizePalette(DC); break;
    case 18: Select(DC, AnyHandle()); break;
    case 19:
      if (FHasVis && DC == FTarget) {
        // The window moved or its visible part changed.
        FOrigin = TPoint{R.Between(-4, 8), R.Between(-4, 8)};
        std::vector<TRect> Rects;
        for (int I = R.Between(0, 3); I > 0; --I)
          Rects.push_back(TRect{R.Coord(), R.Coord(), R.Coord(), R.Coord()});
        FVis = TRegionData::FromRects(Rects);
        GdiSetSurfaceDCVisible(FTarget, FOrigin, &FVis);
      }
      break;
    default: {
      TPoint Pts[4] = {{R.Coord(), R.Coord()}, {R.Coord(), R.Coord()}};
      if (R.Percent(50))
        LPtoDP(DC, Pts, R.Between(-1, 4));
      else
        DPtoLP(DC, Pts, R.Between(-1, 4));
      break;
    }
    }
  }

  void CreateObject() {
    switch (R.Below(16)) {
    case 0: Keep(CreatePen(PenStyle(), R.Extent(), R.Color())); break;
    case 1: Keep(CreateSolidBrush(R.Color())); break;
    case 2: Keep(CreateHatchBrush(R.Between(-1, 7), R.Color())); break;
    case 3: Keep(CreatePatternBrush(Any<HBITMAP>())); break;
    case 4: {
      LOGBRUSH Lb{UINT(R.Between(0, 5)), R.Color(),
                  R.Percent(50) ? std::uintptr_t(R.Between(-1, 7))
                                : reinterpret_cast<std::uintptr_t>(AnyHandle())};
      Keep(CreateBrushIndirect(&Lb));
      break;
    }
    case 5: Keep(CreateRectRgn(R.Coord(), R.Coord(), R.Coord(), R.Coord())); break;
    case 6: {
      int W, H;
      R.Size(W, H);
      UINT Bpp = R.Pick<UINT>({1, 4, 8, 16, 24, 32, 0, 2, 64});
      UINT Planes = R.Percent(90) ? 1 : R.Pick<UINT>({0, 2, 33});
      // Rows are WORD-aligned and Planes * Bpp bits deep.
      std::vector<BYTE> Bits;
      if (W > 0 && H > 0 && W < 64 && H < 64 && Planes * Bpp <= 32)
        Bits.resize(std::size_t(((W * int(Planes * Bpp) + 15) / 16) * 2 * H));
      for (BYTE& B : Bits) B = BYTE(R.Next());
      Keep(CreateBitmap(W, H, Planes, Bpp, Bits.empty() ? nullptr : Bits.data()));
      break;
    }
    case 7: {
      int W, H;
      R.Size(W, H);
      Keep(CreateCompatibleBitmap(AnyDC(), W, H));
      break;
    }
    case 8: {
      TAnyDibInfo I;
      RandomDibInfo(R, I);
      void* Bits = nullptr;
      HBITMAP B = CreateDIBSection(AnyDC(), I.Info(), UINT(R.Between(0, 2)), &Bits,
                                   R.Percent(95) ? nullptr : AnyHandle(), 0);
      if (B) {
        // The caller owns the pixel memory: every byte of it is writable.
        DIBSECTION Ds{};
        EXPECT_EQ(GetObject(B, sizeof Ds, &Ds), int(sizeof Ds));
        std::memset(Bits, 0x5A, std::size_t(Ds.dsBmih.biSizeImage));
      }
      Keep(B);
      break;
    }
    case 9: {
      TAnyDibInfo I;
      RandomDibInfo(R, I);
      std::vector<BYTE> Bits(SmallImageBytes(I.Header()));
      DWORD Init = Bits.empty() || R.Percent(30) ? 0 : CBM_INIT;
      Keep(CreateDIBitmap(AnyDC(), &I.Header(), Init, Bits.empty() ? nullptr : Bits.data(),
                          I.Info(), UINT(R.Between(0, 2))));
      break;
    }
    case 10: {
      std::vector<BYTE> Mem(sizeof(LOGPALETTE) + 300 * sizeof(PALETTEENTRY));
      for (BYTE& B : Mem) B = BYTE(R.Next());
      auto* Lp = reinterpret_cast<LOGPALETTE*>(Mem.data());
      Lp->palVersion = R.Percent(90) ? 0x300 : WORD(R.Next());
      Lp->palNumEntries = R.Pick<WORD>({0, 1, 2, 16, 256, 257, 0xFFFF});
      Keep(CreatePalette(Lp));
      break;
    }
    case 11: Keep(CreateHalftonePalette(AnyDC())); break;
    case 12: {
      HRGN Dst = R.Percent(70) ? Any<HRGN>() : CreateRectRgn(0, 0, 0, 0);
      if (GetObjectType(Dst) == OBJ_REGION) Keep(Dst);
      CombineRgn(Dst, Any<HRGN>(), Any<HRGN>(), R.Between(0, 6));
      break;
    }
    case 13: OffsetRgn(Any<HRGN>(), R.Coord(), R.Coord()); break;
    case 14: SetRectRgn(Any<HRGN>(), R.Coord(), R.Coord(), R.Coord(), R.Coord()); break;
    default: AddOtherDC(); break;
    }
  }

  // Queries and data transfers that take caller buffers.
  void UseObjects() {
    switch (R.Below(14)) {
    case 0: {
      alignas(8) BYTE Out[512];
      GetObject(AnyHandle(), R.Between(-2, int(sizeof Out)), R.Percent(80) ? Out : nullptr);
      break;
    }
    case 1: {
      TAnyDibInfo I;
      RandomDibInfo(R, I);
      if (R.Percent(30)) I.Header().biBitCount = 0;
      std::vector<BYTE> Bits(SmallImageBytes(I.Header()));
      GetDIBits(AnyDC(), Any<HBITMAP>(), UINT(R.Coord()), UINT(R.Coord()),
                Bits.empty() ? nullptr : Bits.data(), I.Info(), UINT(R.Between(0, 2)));
      break;
    }
    case 2: {
      // Never into the target's surface: SetDIBits ignores clipping.
      TAnyDibInfo I;
      RandomDibInfo(R, I);
      std::vector<BYTE> Bits(SmallImageBytes(I.Header()));
      for (BYTE& B : Bits) B = BYTE(R.Next());
      HBITMAP B = Any<HBITMAP>();
      if (GdiFind<TGdiBitmap>(B, OBJ_BITMAP) == &FSurface || B == GdiStockBitmap()) break;
      SetDIBits(AnyDC(), B, UINT(R.Coord()), UINT(R.Coord()), Bits.empty() ? nullptr : Bits.data(),
                I.Info(), UINT(R.Between(0, 2)));
      break;
    }
    case 3: {
      RGBQUAD Colors[256];
      for (RGBQUAD& C : Colors) C = RGBQUAD{BYTE(R.Next()), BYTE(R.Next()), BYTE(R.Next()), 0};
      UINT Start = UINT(R.Coord()), Count = UINT(R.Coord());
      if (R.Percent(50))
        GetDIBColorTable(AnyDC(), Start, Count, Colors);
      else
        SetDIBColorTable(AnyDC(), Start, Count, Colors);
      break;
    }
    case 4: {
      PALETTEENTRY Entries[300]{};
      UINT Start = UINT(R.Coord()), Count = UINT(R.Coord());
      switch (R.Below(3)) {
      case 0: GetPaletteEntries(Any<HPALETTE>(), Start, Count, Entries); break;
      case 1: SetPaletteEntries(Any<HPALETTE>(), Start, Count, Entries); break;
      default: GetSystemPaletteEntries(AnyDC(), Start, Count, Entries); break;
      }
      break;
    }
    case 5: GetNearestPaletteIndex(Any<HPALETTE>(), R.Color()); break;
    case 6: GetPixel(AnyDC(), R.Coord(), R.Coord()); break;
    case 7: GetNearestColor(AnyDC(), R.Color()); break;
    case 8: {
      TRect Box;
      GetClipBox(AnyDC(), &Box);
      TRect Rc{R.Coord(), R.Coord(), R.Coord(), R.Coord()};
      RectVisible(AnyDC(), &Rc);
      PtVisible(AnyDC(), R.Coord(), R.Coord());
      break;
    }
    case 9: {
      TRect Rc{R.Coord(), R.Coord(), R.Coord(), R.Coord()}, Box;
      HRGN Rgn = Any<HRGN>();
      PtInRegion(Rgn, R.Coord(), R.Coord());
      RectInRegion(Rgn, &Rc);
      GetRgnBox(Rgn, &Box);
      EqualRgn(Rgn, Any<HRGN>());
      break;
    }
    case 10:
      if (R.Percent(5)) EncodeBitmapPng(Any<HBITMAP>());
      if (R.Percent(5)) EncodeDCPng(AnyDC());
      break;
    case 11: GetCurrentObject(AnyDC(), UINT(R.Between(0, 11))); break;
    case 12: GetDeviceCaps(AnyDC(), R.Between(0, 120)); break;
    default: {
      // Another DC may not take a bitmap the target holds.
      HDC Other = FDCs.empty() ? nullptr : R.Pick(FDCs);
      HGDIOBJ Mine = GetCurrentObject(FTarget, OBJ_BITMAP);
      if (Other && Mine && Mine != GdiStockBitmap()) {
        EXPECT_EQ(SelectObject(Other, Mine), nullptr);
      }
      break;
    }
    }
  }

  void Lifecycle() {
    switch (R.Below(5)) {
    case 0: {
      // Deleting a selected object only marks it; the DCs keep using it.
      HGDIOBJ Obj = AnyHandle();
      if (Obj == FTarget) break;
      DeleteObject(Obj);
      break;
    }
    case 1:
      if (!FDCs.empty() && R.Percent(50)) {
        std::size_t I = std::size_t(R.Below(int(FDCs.size())));
        DeleteDC(FDCs[I]);
        FDCs.erase(FDCs.begin() + std::ptrdiff_t(I));
      }
      break;
    case 2: SaveDC(AnyDC()); break;
    case 3: RestoreDC(AnyDC(), R.Pick({-1, 1, 2, -3})); break;
    default: Select(AnyDC(), AnyHandle()); break;
    }
  }

  // SelectObject, except a bitmap into the target: the watched surface
  // stays put.
  void Select(HDC DC, HGDIOBJ Obj) {
    if (DC == FTarget && GetObjectType(Obj) == OBJ_BITMAP) return;
    SelectObject(DC, Obj);
  }

  TRandom R;
  HDC FTarget;
  TGdiBitmap& FSurface;
  TPoint FOrigin;
  bool FHasVis;
  TRegionData FVis;
  std::vector<HDC> FDCs;
  std::vector<HGDIOBJ> FObjects;
};

// The stock 1x1 bitmap is shared by every memory DC, so a sequence that
// draws into it puts its pixel back for the tests that follow.
class TStockPixelGuard {
public:
  TStockPixelGuard()
      : FBitmap(*GdiFind<TGdiBitmap>(GdiStockBitmap(), OBJ_BITMAP)),
        FValue(ReadIndex(FBitmap, 0, 0)) {}
  ~TStockPixelGuard() { WriteIndex(FBitmap, 0, 0, FValue); }

private:
  TGdiBitmap& FBitmap;
  unsigned FValue;
};

// Every combination of N values from Values, in a fixed order.
template <std::size_t N, class F> void ForEachCombination(const std::vector<int>& Values, F&& Fn) {
  std::array<std::size_t, N> Index{};
  for (;;) {
    std::array<int, N> Pick;
    for (std::size_t I = 0; I < N; ++I) Pick[I] = Values[Index[I]];
    Fn(Pick);
    std::size_t I = 0;
    while (I < N && ++Index[I] == Values.size()) Index[I++] = 0;
    if (I == N) return;
  }
}

// A surface clipped to all but a one-pixel border, which no call may touch.
class TBorderedTarget {
public:
  TBorderedTarget() : S(10, 8, kBorder) {
    IntersectClipRect(S.DC, 1, 1, 9, 7);
    SelectObject(S.DC, GetStockObject(GRAY_BRUSH));
  }

  // Runs Call; reports the first call that touched the border, by Name
  // and arguments.
  template <class F> void Check(const char* Name, std::initializer_list<int> Args, F&& Call) {
    if (FFailed) return;
    Call();
    for (int Y = 0; Y < S.Height(); ++Y)
      for (int X = 0; X < S.Width(); ++X) {
        bool Border = X == 0 || Y == 0 || X == S.Width() - 1 || Y == S.Height() - 1;
        if (Border && S.At(X, Y) != kBorder) {
          std::string Text;
          for (int A : Args) Text += (Text.empty() ? "" : ", ") + std::to_string(A);
          ADD_FAILURE() << Name << "(" << Text << ") drew on the border at (" << X << ", " << Y
                        << ")";
          FFailed = true;
          return;
        }
      }
  }

  static constexpr COLORREF kBorder = RGB(0x12, 0x34, 0x56);
  TTestSurface S;

private:
  bool FFailed = false;
};

constexpr int kSteps = 1200;

TEST_F(GdiRobustnessTest, MemoryDCsOfEveryDepthKeepToTheClip) {
  TStockPixelGuard Stock;
  struct TCase {
    int Bpp;
    int Height; // negative: top-down
  };
  const TCase Cases[] = {{32, 20}, {24, -20}, {16, 20}, {8, -20}, {4, 20}, {1, 20}};
  std::uint64_t Seed = 1;
  for (const TCase& C : Cases) {
    SCOPED_TRACE(::testing::Message() << C.Bpp << " bits per pixel");
    TDibInfo Info(27, C.Height, C.Bpp);
    for (int I = 0; I < 256; ++I) Info.SetColor(I, RGB(I * 37, I * 91, I * 13));
    TDibSurface S(Info);
    ASSERT_NE(S.Bitmap, nullptr);
    // A clip to start from, so that "outside the clip" means something
    // before the sequence sets its own.
    IntersectClipRect(S.DC, 3, 2, 20, 15);
    ExcludeClipRect(S.DC, 8, 5, 11, 9);
    TFuzzer(Seed++, S.DC, S.Store(), TPoint{0, 0}, nullptr).Run(kSteps);
  }
}

TEST_F(GdiRobustnessTest, DeviceDependentBitmapKeepsToTheClip) {
  TStockPixelGuard Stock;
  TTestSurface S(23, 17);
  IntersectClipRect(S.DC, 2, 2, 18, 12);
  TFuzzer(101, S.DC, S.Bits(), TPoint{0, 0}, nullptr).Run(kSteps);
}

TEST_F(GdiRobustnessTest, WindowDCKeepsToItsVisibleRegion) {
  TStockPixelGuard Stock;
  for (std::uint64_t Seed : {201, 202}) {
    TGdiBitmap Surface(30, 22, 32);
    for (int Y = 0; Y < Surface.Height(); ++Y) Surface.FillSpan(0, Surface.Width(), Y, 0x123456);
    TRegionData Vis =
        TRegionData::FromRects({TRect{0, 0, 14, 6}, TRect{3, 6, 20, 13}, TRect{-5, 15, 40, 16}});
    HDC DC = GdiCreateSurfaceDC(&Surface, TPoint{4, 3}, &Vis, nullptr);
    {
      TFuzzer F(Seed, DC, Surface, TPoint{4, 3}, &Vis);
      F.Run(kSteps);
      GdiDetachSurface(&Surface);
      F.RunDetached(60);
    }
    DeleteDC(DC);
  }
}

TEST_F(GdiRobustnessTest, BoundaryCoordinatesKeepToTheClip) {
  // Coordinates, extents and origins at the ends of the int range and just
  // inside them, in every combination along one axis (the other axis
  // covering the surface); sums and differences of these leave the int
  // range in every direction.
  const std::vector<int> Edges = {INT_MIN, -3, 0, 5, INT_MAX - 1, INT_MAX};
  const std::vector<int> Few = {INT_MIN, -3, 4, INT_MAX - 1, INT_MAX};
  const int Origins[] = {0, INT_MIN, INT_MAX};
  TBorderedTarget T;
  HDC D = T.S.DC;
  TTestSurface Src(6, 5, kRed);
  bmptest::TBitmapDC Mask(bmptest::MonoBitmap({"#.#.#.", ".#.#.#", "#.#.#.", ".#.#.#"}));
  TDibInfo Info(3, -2, 32);
  const DWORD Pixels[6] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
  HPEN Pens[] = {static_cast<HPEN>(GetStockObject(BLACK_PEN)), CreatePen(PS_SOLID, 3, kBlue),
                 CreatePen(PS_DOT, 1, kBlue), CreatePen(PS_SOLID, INT_MAX, kBlue)};
  int Turn = 0;
  for (int DstOrg : Origins)
    for (int SrcOrg : Origins) {
      SetWindowOrgEx(D, DstOrg, DstOrg, nullptr);
      SetWindowOrgEx(Src.DC, SrcOrg, SrcOrg, nullptr);
      // The logical coordinate that lands on device 0 here.
      int Zero = DstOrg;
      ForEachCombination<3>(Edges, [&](const std::array<int, 3>& V) {
        for (HDC Source : {Src.DC, D}) {
          T.Check("BitBlt x", {V[0], V[1], V[2]},
                  [&] { BitBlt(D, V[0], Zero, V[1], 8, Source, V[2], SrcOrg, SRCCOPY); });
          T.Check("BitBlt y", {V[0], V[1], V[2]},
                  [&] { BitBlt(D, Zero, V[0], 10, V[1], Source, SrcOrg, V[2], SRCINVERT); });
        }
        T.Check("MaskBlt", {V[0], V[1], V[2]}, [&] {
          MaskBlt(D, V[0], V[1], 6, 4, Src.DC, V[2], SrcOrg, Mask.Bitmap, 0, 0,
                  ((SRCINVERT << 8) & 0xFF000000) | SRCCOPY);
        });
      });
      if (SrcOrg != 0) continue;
      ForEachCombination<4>(Few, [&](const std::array<int, 4>& V) {
        T.Check("StretchBlt x", {V[0], V[1], V[2], V[3]},
                [&] { StretchBlt(D, V[0], Zero, V[1], 8, Src.DC, V[2], 0, V[3], 5, SRCCOPY); });
        T.Check("StretchBlt y", {V[0], V[1], V[2], V[3]},
                [&] { StretchBlt(D, Zero, V[0], 10, V[1], D, 0, V[2], 10, V[3], NOTSRCCOPY); });
        T.Check("TransparentBlt", {V[0], V[1], V[2], V[3]},
                [&] { TransparentBlt(D, V[0], V[1], V[2], V[3], Src.DC, 0, 0, 6, 5, kBlack); });
        T.Check("StretchDIBits", {V[0], V[1], V[2], V[3]}, [&] {
          StretchDIBits(D, V[0], Zero, V[1], 8, V[2], 0, V[3], 2, Pixels, Info.Info(),
                        DIB_RGB_COLORS, SRCCOPY);
        });
        SelectObject(D, Pens[Turn++ % 4]);
        T.Check("LineTo", {V[0], V[1], V[2], V[3]}, [&] {
          MoveToEx(D, V[0], V[1], nullptr);
          LineTo(D, V[2], V[3]);
        });
        T.Check("Rectangle", {V[0], V[1], V[2], V[3]},
                [&] { Rectangle(D, V[0], V[1], V[2], V[3]); });
        T.Check("Ellipse", {V[0], V[1], V[2], V[3]}, [&] { Ellipse(D, V[0], V[1], V[2], V[3]); });
        T.Check("RoundRect", {V[0], V[1], V[2], V[3]},
                [&] { RoundRect(D, V[0], V[1], V[2], V[3], V[2], V[1]); });
        T.Check("PatBlt", {V[0], V[1], V[2], V[3]},
                [&] { PatBlt(D, V[0], V[1], V[2], V[3], PATINVERT); });
        TRect R{V[0], V[1], V[2], V[3]};
        T.Check("FillRect", {V[0], V[1], V[2], V[3]},
                [&] { FillRect(D, &R, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))); });
        T.Check("FrameRect", {V[0], V[1], V[2], V[3]},
                [&] { FrameRect(D, &R, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))); });
        T.Check("InvertRect", {V[0], V[1], V[2], V[3]}, [&] { InvertRect(D, &R); });
      });
    }
  SelectObject(D, GetStockObject(BLACK_PEN));
  for (HPEN P : Pens) DeleteObject(P);
}

} // namespace
