// Font objects are descriptions only: creating one stores the LOGFONT,
// and the text engine realises it when text is measured or drawn. Face
// names are cut to the 31 bytes a LOGFONT holds, never in the middle of a
// UTF-8 character.
#include "platform/gdi/FontEngine.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Utf8.h"

#include <cstring>
#include <memory>

namespace {

void SetFaceName(LOGFONTA& Lf, const char* Face, std::size_t Length) {
  std::size_t N = Utf8Truncate(Face, Length, LF_FACESIZE - 1);
  std::memset(Lf.lfFaceName, 0, sizeof Lf.lfFaceName);
  std::memcpy(Lf.lfFaceName, Face, N);
}

} // namespace

HFONT CreateFontIndirect(const LOGFONTA* lf) {
  if (!lf) return nullptr;
  auto Font = std::make_unique<TGdiFont>();
  Font->Log = *lf;
  SetFaceName(Font->Log, lf->lfFaceName, strnlen(lf->lfFaceName, LF_FACESIZE));
  return static_cast<HFONT>(GdiAdd(std::move(Font)));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR face) {
  LOGFONTA Lf{};
  Lf.lfHeight = height;
  Lf.lfWidth = width;
  Lf.lfEscapement = escapement;
  Lf.lfOrientation = orientation;
  Lf.lfWeight = weight;
  Lf.lfItalic = italic ? 1 : 0;
  Lf.lfUnderline = underline ? 1 : 0;
  Lf.lfStrikeOut = strikeOut ? 1 : 0;
  Lf.lfCharSet = BYTE(charSet);
  Lf.lfOutPrecision = BYTE(outPrecision);
  Lf.lfClipPrecision = BYTE(clipPrecision);
  Lf.lfQuality = BYTE(quality);
  Lf.lfPitchAndFamily = BYTE(pitchAndFamily);
  if (face) SetFaceName(Lf, face, strnlen(face, LF_FACESIZE));
  return CreateFontIndirect(&Lf);
}

BOOL GetTextMetrics(HDC hdc, TEXTMETRICA* tm) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !tm) return FALSE;
  TDCFont Font = TFontEngine::Get().FontOf(*DC);
  if (!Font.Font) return FALSE;
  Font.Font->FillTextMetrics(*Font.Log, *tm);
  return TRUE;
}

int GetTextFace(HDC hdc, int count, LPSTR face) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return 0;
  TDCFont Font = TFontEngine::Get().FontOf(*DC);
  // A font that names no face reports the one it was given.
  std::string Name(Font.Log->lfFaceName, strnlen(Font.Log->lfFaceName, LF_FACESIZE));
  if (Name.empty() && Font.Font) Name = Font.Font->GetFamily();
  if (!face) return int(Name.size()) + 1;
  if (count <= 0) return 0;
  std::size_t N = Utf8Truncate(Name.data(), Name.size(), std::size_t(count) - 1);
  std::memcpy(face, Name.data(), N);
  face[N] = '\0';
  return int(N) + 1;
}
