// Desktop metrics, desktop-wide settings, message boxes and the run-time
// lookup of optional entry points. Included by WinUser.h.
#pragma once

#include "platform/WinGdi.h"

// ---- metrics ----
inline constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3,
                     SM_CYCAPTION = 4, SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7,
                     SM_CXFIXEDFRAME = 7, SM_CYDLGFRAME = 8, SM_CYFIXEDFRAME = 8, SM_CYVTHUMB = 9,
                     SM_CXHTHUMB = 10, SM_CXICON = 11, SM_CYICON = 12, SM_CXCURSOR = 13,
                     SM_CYCURSOR = 14, SM_CYMENU = 15, SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17,
                     SM_MOUSEPRESENT = 19, SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_SWAPBUTTON = 23,
                     SM_CXMIN = 28, SM_CYMIN = 29, SM_CXSIZE = 30, SM_CYSIZE = 31, SM_CXFRAME = 32,
                     SM_CXSIZEFRAME = 32, SM_CYFRAME = 33, SM_CYSIZEFRAME = 33, SM_CXDOUBLECLK = 36,
                     SM_CYDOUBLECLK = 37, SM_CMOUSEBUTTONS = 43, SM_CXSMICON = 49, SM_CYSMICON = 50,
                     SM_CYSMCAPTION = 51, SM_CXSMSIZE = 52, SM_CYSMSIZE = 53, SM_CXMENUSIZE = 54,
                     SM_CYMENUSIZE = 55, SM_CXMINIMIZED = 57, SM_CYMINIMIZED = 58,
                     SM_CXMAXIMIZED = 61, SM_CYMAXIMIZED = 62, SM_CXMENUCHECK = 71,
                     SM_CYMENUCHECK = 72, SM_XVIRTUALSCREEN = 76, SM_YVIRTUALSCREEN = 77,
                     SM_CXVIRTUALSCREEN = 78, SM_CYVIRTUALSCREEN = 79, SM_CMONITORS = 80;
int GetSystemMetrics(int index);

// ---- settings ----
inline constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029, SPI_SETNONCLIENTMETRICS = 0x002A,
                      SPI_SETWORKAREA = 0x002F, SPI_GETWORKAREA = 0x0030,
                      SPI_GETMENUANIMATION = 0x1002, SPI_SETMENUANIMATION = 0x1003;
inline constexpr UINT SPIF_UPDATEINIFILE = 0x0001, SPIF_SENDCHANGE = 0x0002,
                      SPIF_SENDWININICHANGE = 0x0002;

// 340 bytes, as callers pass in cbSize.
struct NONCLIENTMETRICSA {
  UINT cbSize;
  int iBorderWidth;
  int iScrollWidth;
  int iScrollHeight;
  int iCaptionWidth;
  int iCaptionHeight;
  LOGFONTA lfCaptionFont;
  int iSmCaptionWidth;
  int iSmCaptionHeight;
  LOGFONTA lfSmCaptionFont;
  int iMenuWidth;
  int iMenuHeight;
  LOGFONTA lfMenuFont;
  LOGFONTA lfStatusFont;
  LOGFONTA lfMessageFont;
};
using NONCLIENTMETRICS = NONCLIENTMETRICSA;
static_assert(sizeof(NONCLIENTMETRICSA) == 340);

// SPI_GETMENUANIMATION writes a BOOL through param; SPI_SETMENUANIMATION
// takes the new value as the pointer's value (null = FALSE), as on the
// original. SPIF_SENDCHANGE broadcasts WM_SETTINGCHANGE to every top-level
// window.
BOOL SystemParametersInfo(UINT action, UINT uiParam, void* param, UINT winIni);
#define SystemParametersInfoA SystemParametersInfo

// ---- message boxes ----
inline constexpr UINT MB_OK = 0x0000, MB_OKCANCEL = 0x0001, MB_YESNO = 0x0004, MB_ICONHAND = 0x0010,
                      MB_ICONERROR = 0x0010, MB_ICONSTOP = 0x0010, MB_ICONQUESTION = 0x0020,
                      MB_ICONWARNING = 0x0030, MB_ICONEXCLAMATION = 0x0030,
                      MB_ICONINFORMATION = 0x0040, MB_ICONASTERISK = 0x0040, MB_DEFBUTTON1 = 0x0000,
                      MB_DEFBUTTON2 = 0x0100, MB_APPLMODAL = 0x0000, MB_SYSTEMMODAL = 0x1000,
                      MB_TASKMODAL = 0x2000;
inline constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6,
                     IDNO = 7;
// Runs a modal loop until the user answers; 0 when the box could not be
// shown.
int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
#define MessageBoxA MessageBox

// ---- run-time entry points ----
// "user32.dll" is the only library; GetProcAddress answers the optional
// window-manager entries by name ("SetLayeredWindowAttributes" is null when
// the desktop cannot apply a constant per-window alpha; "UpdateLayeredWindow"
// is not offered).
HMODULE LoadLibrary(LPCSTR name);
void* GetProcAddress(HMODULE module, LPCSTR name);
BOOL FreeLibrary(HMODULE module);
#define LoadLibraryA LoadLibrary
