// PNG output of drawing surfaces: screenshots of the headless desktop, the
// demo's picture, and test evidence. Images are written as 8-bit RGB.
#pragma once

#include "platform/WinTypes.h"

#include <vector>

// Writes the bitmap, or the whole surface the DC draws on, to Path. FALSE
// for a bad handle, a DC without a surface, or a write that failed; a
// failed write leaves no file behind (and an existing file untouched).
BOOL WriteBitmapPng(HBITMAP bitmap, const char* path);
BOOL WriteDCPng(HDC dc, const char* path);

// The same images as PNG data in memory; empty on failure.
std::vector<unsigned char> EncodeBitmapPng(HBITMAP bitmap);
std::vector<unsigned char> EncodeDCPng(HDC dc);
