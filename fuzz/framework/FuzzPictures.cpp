// Arbitrary bytes through the picture loaders. The first byte chooses the
// way in and, for JPEG pictures, the decoding settings; the rest is the
// file or picture data. Every failure must be a framework Exception
// (EJPEG, EInvalidGraphic, EReadError), never a crash, a leak or a read
// past the data.
#include "framework/classes/Filer.h"
#include "framework/classes/MemoryStream.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/JPEGImage.h"
#include "framework/graphics/Picture.h"
#include "framework/runtime/Exceptions.h"

#include <cstddef>
#include <cstdint>

namespace {

// Hands the data stream to the binary property a graphic declares.
class TFuzzFiler : public TFiler {
public:
  explicit TFuzzFiler(TStream& S) : FStream(S) {}
  void ExtraProperty(std::string_view, const TReadProc&) override {}
  void ExtraBinaryProperty(std::string_view, const TStreamProc& Read) override { Read(FStream); }
  int ReadInteger() override { return 0; }
  bool ReadBoolean() override { return false; }
  std::string ReadString() override { return {}; }
  std::string ReadIdent() override { return {}; }

private:
  TStream& FStream;
};

void FuzzJPEG(std::uint8_t Settings, TStream& S, bool AsPictureData) {
  TJPEGImage* Image = Create<TJPEGImage>();
  try {
    Image->SetOutputDepth(Settings & 1 ? jf8Bit : jf24Bit);
    Image->SetGrayOutput(Settings & 2);
    Image->SetShowProgressive(Settings & 4);
    Image->SetDecodeSpeed(Settings & 8 ? jpBestSpeed : jpBestQuality);
    Image->SetOutputScale(TJPEGScale(Settings >> 4 & 3));
    if (AsPictureData) {
      TFuzzFiler Filer(S);
      Image->DeclareExtraProperties(Filer);
    } else {
      Image->LoadFromStream(S);
    }
    Image->GetWidth();
    TBitmap* B = Image->GetBitmap();
    if (B->GetWidth() != Image->GetWidth()) __builtin_trap();
  } catch (const Exception&) {
  }
  Image->Free();
}

template <class T> void FuzzGraphic(TStream& S) {
  T* Graphic = Create<T>();
  try {
    Graphic->LoadFromStream(S);
  } catch (const Exception&) {
  }
  Graphic->Free();
}

void FuzzPictureData(TStream& S) {
  TPicture* Picture = Create<TPicture>();
  try {
    TFuzzFiler Filer(S);
    Picture->DeclareExtraProperties(Filer);
    if (Picture->GetGraphic()) Picture->GetWidth();
  } catch (const Exception&) {
  }
  Picture->Free();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const bool Registered = (StartJPEGUnit(), true);
  (void)Registered;
  if (Size < 1) return 0;
  const std::uint8_t Selector = Data[0];
  TMemoryStream S;
  if (Size > 1) S.WriteBuffer(Data + 1, std::int64_t(Size - 1));
  S.SetPosition(0);
  switch (Selector >> 6) {
  case 0: FuzzJPEG(Selector, S, true); break;
  case 1: FuzzJPEG(Selector, S, false); break;
  case 2: Selector & 1 ? FuzzGraphic<TIcon>(S) : FuzzGraphic<TBitmap>(S); break;
  default: FuzzPictureData(S); break;
  }
  return 0;
}
