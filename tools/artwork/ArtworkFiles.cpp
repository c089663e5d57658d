// The JPEG goes through libjpeg directly: the generator must not depend on
// the picture classes it produces test data for. The library's fatal
// errors come back through a setjmp in a frame that holds nothing with a
// destructor.
#include "tools/artwork/ArtworkFiles.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace {

struct TArtworkJpegError {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
};

void ArtworkJpegExit(j_common_ptr Info) {
  std::longjmp(reinterpret_cast<TArtworkJpegError*>(Info->err)->Jump, 1);
}

void ArtworkJpegQuiet(j_common_ptr, int) {}

// Returns false when the library failed; Out/OutSize are malloc'ed by it.
bool ArtworkCompress(const TArtworkCanvas& C, int Quality, unsigned char** Out,
                     unsigned long* OutSize) {
  jpeg_compress_struct Info;
  TArtworkJpegError Error;
  Info.err = jpeg_std_error(&Error.Manager);
  Error.Manager.error_exit = ArtworkJpegExit;
  Error.Manager.emit_message = ArtworkJpegQuiet;
  if (setjmp(Error.Jump)) {
    jpeg_destroy_compress(&Info);
    return false;
  }
  jpeg_create_compress(&Info);
  jpeg_mem_dest(&Info, Out, OutSize);
  Info.image_width = JDIMENSION(C.Width());
  Info.image_height = JDIMENSION(C.Height());
  Info.input_components = 3;
  Info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&Info);
  jpeg_set_quality(&Info, Quality, TRUE);
  Info.dct_method = JDCT_FLOAT;
  Info.write_JFIF_header = TRUE;
  Info.JFIF_major_version = 1;
  Info.JFIF_minor_version = 1;
  Info.density_unit = 1;
  Info.X_density = Info.Y_density = 96;
  Info.comp_info[0].h_samp_factor = Info.comp_info[0].v_samp_factor = 2;
  for (int I = 1; I < 3; ++I) Info.comp_info[I].h_samp_factor = Info.comp_info[I].v_samp_factor = 1;
  jpeg_start_compress(&Info, TRUE);
  while (Info.next_scanline < Info.image_height) {
    JSAMPROW Row = const_cast<JSAMPROW>(C.Row(int(Info.next_scanline)));
    jpeg_write_scanlines(&Info, &Row, 1);
  }
  jpeg_finish_compress(&Info);
  jpeg_destroy_compress(&Info);
  return true;
}

void ArtworkPut16(std::vector<std::uint8_t>& B, unsigned V) {
  B.push_back(std::uint8_t(V));
  B.push_back(std::uint8_t(V >> 8));
}
void ArtworkPut32(std::vector<std::uint8_t>& B, std::uint32_t V) {
  ArtworkPut16(B, V & 0xFFFF);
  ArtworkPut16(B, V >> 16);
}

} // namespace

std::vector<std::uint8_t> EncodeLogoJpeg(const TArtworkCanvas& Canvas, int Quality) {
  unsigned char* Out = nullptr;
  unsigned long OutSize = 0;
  bool Ok = ArtworkCompress(Canvas, Quality, &Out, &OutSize);
  std::vector<std::uint8_t> Bytes;
  if (Ok && Out) Bytes.assign(Out, Out + OutSize);
  std::free(Out);
  if (!Ok) throw std::runtime_error("libjpeg could not encode the logo");
  return Bytes;
}

std::vector<std::uint8_t> EncodeIconFile(const TIconArt& Art) {
  constexpr std::uint32_t XorBytes = IconSide * IconSide / 2, AndBytes = IconSide * 4;
  constexpr std::uint32_t ImageBytes = 40 + 16 * 4 + XorBytes + AndBytes;
  std::vector<std::uint8_t> B;
  ArtworkPut16(B, 0), ArtworkPut16(B, 1), ArtworkPut16(B, 1);
  B.insert(B.end(), {IconSide, IconSide, 16, 0});
  ArtworkPut16(B, 1), ArtworkPut16(B, 4);
  ArtworkPut32(B, ImageBytes), ArtworkPut32(B, 6 + 16);
  ArtworkPut32(B, 40), ArtworkPut32(B, IconSide), ArtworkPut32(B, IconSide * 2);
  ArtworkPut16(B, 1), ArtworkPut16(B, 4);
  ArtworkPut32(B, BI_RGB), ArtworkPut32(B, XorBytes + AndBytes);
  for (int I = 0; I < 4; ++I) ArtworkPut32(B, 0);
  for (const RGBQUAD& Q : Art.Palette) B.insert(B.end(), {Q.rgbBlue, Q.rgbGreen, Q.rgbRed, 0});
  // Both pixel planes are stored bottom row first.
  for (int Y = IconSide - 1; Y >= 0; --Y)
    for (int X = 0; X < IconSide; X += 2)
      B.push_back(std::uint8_t(Art.Index[Y * IconSide + X] << 4 | Art.Index[Y * IconSide + X + 1]));
  for (int Y = IconSide - 1; Y >= 0; --Y)
    for (int Byte = 0; Byte < 4; ++Byte) {
      std::uint8_t Bits = 0;
      for (int Bit = 0; Bit < 8; ++Bit)
        if (Art.Transparent[Y * IconSide + Byte * 8 + Bit]) Bits |= std::uint8_t(0x80 >> Bit);
      B.push_back(Bits);
    }
  return B;
}

void WriteArtworkFile(const std::string& Path, const std::vector<std::uint8_t>& Bytes) {
  std::FILE* F = std::fopen(Path.c_str(), "wb");
  if (!F) throw std::runtime_error("cannot write " + Path);
  bool Ok = std::fwrite(Bytes.data(), 1, Bytes.size(), F) == Bytes.size();
  Ok = std::fclose(F) == 0 && Ok;
  if (!Ok) throw std::runtime_error("cannot write " + Path);
}
