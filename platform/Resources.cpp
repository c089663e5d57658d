// Resource lookup over the program's registry. Handles handed out here are
// registry handle values: HRSRC, HGLOBAL and the registration handle are
// one and the same token, checked on every use.
#include "platform/ResourceRegistry.h"
#include "platform/WinBase.h"
#include "platform/WinGdi.h"

#include <algorithm>
#include <cstring>
#include <memory>

// Completing the handle type gives HInstance an address constant, which is
// initialised before any static constructor can ask for it.
struct HINSTANCE__ {
  char Unused;
};

namespace {

HINSTANCE__ ProgramModule{};

bool IsProgram(HMODULE Module) { return !Module || Module == &ProgramModule; }

std::uintptr_t Token(const void* H) { return reinterpret_cast<std::uintptr_t>(H); }

bool EntryOf(const void* H, TResourceEntry& Out) {
  return H && TResourceRegistry::Instance().Get(Token(H), Out);
}

} // namespace

const HINSTANCE HInstance = &ProgramModule;

HRSRC FindResource(HMODULE Module, LPCSTR Name, LPCSTR Type) {
  if (!IsProgram(Module)) return nullptr;
  return reinterpret_cast<HRSRC>(TResourceRegistry::Instance().Find(Type, Name));
}

HGLOBAL LoadResource(HMODULE Module, HRSRC Res) {
  TResourceEntry E;
  if (!IsProgram(Module) || !EntryOf(Res, E)) return nullptr;
  return reinterpret_cast<HGLOBAL>(Res);
}

const void* LockResource(HGLOBAL Data) {
  TResourceEntry E;
  return EntryOf(Data, E) ? E.Data : nullptr;
}

DWORD SizeofResource(HMODULE Module, HRSRC Res) {
  TResourceEntry E;
  return IsProgram(Module) && EntryOf(Res, E) ? E.Size : 0;
}

BOOL FreeResource(HGLOBAL) { return FALSE; }

int LoadString(HINSTANCE Instance, UINT Id, LPSTR Buffer, int BufferMax) {
  if (!Buffer || BufferMax <= 0) return 0;
  Buffer[0] = '\0';
  TResourceEntry E;
  if (Id == 0 || Id > 0xFFFF ||
      !EntryOf(FindResource(Instance, MAKEINTRESOURCE(WORD(Id)), RT_STRING), E))
    return 0;
  const char* Text = static_cast<const char*>(E.Data);
  std::size_t Count = std::min<std::size_t>(E.Size, std::size_t(BufferMax) - 1);
  // Never cut a UTF-8 sequence in half.
  if (Count < E.Size)
    while (Count > 0 && (static_cast<unsigned char>(Text[Count]) & 0xC0) == 0x80) --Count;
  if (Count) std::memcpy(Buffer, Text, Count);
  Buffer[Count] = '\0';
  return int(Count);
}

namespace {

// The size of the header, masks and colour table in front of the pixels,
// or 0 when the header describes nothing CreateDIBSection can take.
std::size_t DibHeaderBytes(const BITMAPINFOHEADER& H, std::uint64_t& ImageBytes) {
  unsigned Bits = H.biBitCount;
  if (H.biSize != sizeof(BITMAPINFOHEADER) || H.biPlanes != 1 || H.biWidth <= 0 ||
      H.biHeight == 0 || H.biHeight == INT32_MIN)
    return 0;
  if (Bits != 1 && Bits != 4 && Bits != 8 && Bits != 16 && Bits != 24 && Bits != 32) return 0;
  bool Masks = H.biCompression == BI_BITFIELDS;
  if (H.biCompression != BI_RGB && !(Masks && (Bits == 16 || Bits == 32))) return 0;
  std::uint64_t Full = Bits <= 8 ? 1u << Bits : 0;
  if ((Bits <= 8 && H.biClrUsed > Full) || H.biClrUsed > 256) return 0;
  std::uint64_t Colors = H.biClrUsed ? H.biClrUsed : Full;
  std::uint64_t Rows = H.biHeight < 0 ? -std::int64_t(H.biHeight) : H.biHeight;
  ImageBytes = (std::uint64_t(H.biWidth) * Bits + 31) / 32 * 4 * Rows;
  return sizeof(BITMAPINFOHEADER) + (Masks ? 12 : 0) + std::size_t(Colors) * 4;
}

} // namespace

HBITMAP LoadBitmap(HINSTANCE Instance, LPCSTR Name) {
  TResourceEntry E;
  if (!EntryOf(FindResource(Instance, Name, RT_BITMAP), E)) return nullptr;
  if (E.Size < sizeof(BITMAPINFOHEADER)) return nullptr;
  BITMAPINFOHEADER Header;
  std::memcpy(&Header, E.Data, sizeof Header);
  std::uint64_t ImageBytes = 0;
  std::size_t HeaderBytes = DibHeaderBytes(Header, ImageBytes);
  if (!HeaderBytes || E.Size < HeaderBytes || E.Size - HeaderBytes < ImageBytes) return nullptr;
  // The resource bytes carry no alignment guarantee; the copy does.
  auto Info = std::make_unique<unsigned char[]>(std::max(HeaderBytes, sizeof(BITMAPINFO)));
  std::memcpy(Info.get(), E.Data, HeaderBytes);
  void* Bits = nullptr;
  HBITMAP Bitmap = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(Info.get()),
                                    DIB_RGB_COLORS, &Bits, nullptr, 0);
  if (Bitmap && !Bits) {
    DeleteObject(Bitmap);
    return nullptr;
  }
  if (Bitmap)
    std::memcpy(Bits, static_cast<const unsigned char*>(E.Data) + HeaderBytes,
                std::size_t(ImageBytes));
  return Bitmap;
}

HANDLE RegisterResource(LPCSTR Type, LPCSTR Name, const void* Data, DWORD Size) {
  return reinterpret_cast<HANDLE>(TResourceRegistry::Instance().Add(Type, Name, Data, Size));
}

BOOL UnregisterResource(HANDLE Registration) {
  return Registration && TResourceRegistry::Instance().Remove(Token(Registration)) ? TRUE : FALSE;
}
