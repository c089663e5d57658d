// Drawing reads the destination into a 32-bit scratch section, mixes the
// scaled icon into it pixel by pixel and writes it back, so masks and
// alpha work on any DC and the destination's clipping still applies.
#include "framework/graphics/Icon.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Stream.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/DibSection.h"

#include "FrameworkConsts.h"

#include <algorithm>

namespace {

// Scratch surfaces beyond this side are not made; such a draw is skipped.
constexpr int MaxDrawSide = 16384;

std::uint32_t Mix(std::uint32_t Dst, std::uint32_t Src, bool Alpha) {
  std::uint32_t A = Src >> 24;
  if (!Alpha) return A ? (Src & 0xFFFFFF) : (Dst ^ (Src & 0xFFFFFF));
  std::uint32_t Out = 0;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    std::uint32_t S = Src >> Shift & 0xFF, D = Dst >> Shift & 0xFF;
    Out |= ((S * A + D * (255 - A) + 127) / 255) << Shift;
  }
  return Out;
}

} // namespace

const TClass& TIcon::StaticClass() {
  static const TClass Class = TClassBuilder<TIcon>("TIcon").Build();
  return Class;
}

TIcon::TIcon() { FTransparent = true; }

void TIcon::Assign(const TPersistent* Source) {
  if (Source && !dynamic_cast<const TIcon*>(Source)) return TGraphic::Assign(Source);
  if (Source == this) return;
  const auto* Other = static_cast<const TIcon*>(Source);
  FFile = Other ? Other->FFile : std::vector<std::uint8_t>();
  FImage = Other ? Other->FImage : TIconImage();
  Changed();
}

void TIcon::SetWidth(int Value) {
  if (Value != FImage.Width) throw EInvalidGraphicOperation(SChangeIconSize);
}

void TIcon::SetHeight(int Value) {
  if (Value != FImage.Height) throw EInvalidGraphicOperation(SChangeIconSize);
}

void TIcon::LoadFromStream(TStream& Stream) {
  const std::int64_t Start = Stream.GetPosition();
  const std::uint64_t Avail = std::uint64_t(std::max<std::int64_t>(Stream.GetSize() - Start, 0));
  auto Fail = [&]() {
    Stream.SetPosition(Start);
    throw EInvalidGraphic(SInvalidIcon);
  };
  // Header, then directory, then the images: nothing is read before the
  // part that announces it has been checked.
  // Each part gets a buffer of its final size: growing a short vector in
  // place trips GCC 12's bounds analysis at -O3.
  std::vector<std::uint8_t> Header(std::min<std::uint64_t>(Avail, 6));
  if (Stream.Read(Header.data(), std::int64_t(Header.size())) != std::int64_t(Header.size()))
    Fail();
  std::size_t Directory = IconDirectoryLength(Header);
  if (Directory == 0 || Directory > Avail) Fail();
  std::vector<std::uint8_t> Entries(Directory);
  std::copy(Header.begin(), Header.end(), Entries.begin());
  if (Stream.Read(Entries.data() + 6, std::int64_t(Directory - 6)) != std::int64_t(Directory - 6))
    Fail();
  std::size_t Length = IconFileLength(Entries, Avail);
  if (Length == 0) Fail();
  std::vector<std::uint8_t> Data(Length);
  std::copy(Entries.begin(), Entries.end(), Data.begin());
  std::int64_t Rest = std::int64_t(Length - Directory);
  TIconImage Image;
  if (Stream.Read(Data.data() + Directory, Rest) != Rest || !DecodeIconFile(Data, Image)) Fail();
  FFile = std::move(Data);
  FImage = std::move(Image);
  Changed();
}

void TIcon::SaveToStream(TStream& Stream) {
  if (!FFile.empty()) Stream.WriteBuffer(FFile.data(), std::int64_t(FFile.size()));
}

std::uint32_t TIcon::ArgbPixel(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= FImage.Width || Y >= FImage.Height) return 0;
  return FImage.Pixels[std::size_t(Y) * std::size_t(FImage.Width) + std::size_t(X)];
}

void TIcon::Draw(TCanvas& ACanvas, const TRect& Rect) {
  const int W = Rect.Width(), H = Rect.Height();
  if (Empty() || W <= 0 || H <= 0 || W > MaxDrawSide || H > MaxDrawSide) return;
  HDC Dst = ACanvas.GetHandle();
  TDibSection Scratch = TDibSection::Create(W, H, 32);
  if (!Scratch) return;
  HDC DC = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, Scratch.Handle());
  BitBlt(DC, 0, 0, W, H, Dst, Rect.Left, Rect.Top, SRCCOPY);
  for (int Y = 0; Y < H; ++Y) {
    auto* Row = reinterpret_cast<std::uint32_t*>(Scratch.Row(Y));
    int SY = int((std::int64_t(Y) * 2 + 1) * FImage.Height / (std::int64_t(H) * 2));
    for (int X = 0; X < W; ++X) {
      int SX = int((std::int64_t(X) * 2 + 1) * FImage.Width / (std::int64_t(W) * 2));
      Row[X] = Mix(Row[X], ArgbPixel(SX, SY), FImage.Alpha);
    }
  }
  BitBlt(Dst, Rect.Left, Rect.Top, W, H, DC, 0, 0, SRCCOPY);
  SelectObject(DC, Old);
  DeleteDC(DC);
}
