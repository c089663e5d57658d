/* Writes the JPEG fixtures of the picture tests (run in this directory):
 *   cc make_jpegs.c -ljpeg -o /tmp/make_jpegs && /tmp/make_jpegs && python3 make_bad.py
 * blocks.jpg: 64 x 32, four 16-pixel-wide flat colour columns in the top
 * half (red, green, blue, white) over black; gray.jpg: a grayscale ramp;
 * progressive.jpg: blocks.jpg's picture as a progressive file;
 * cmyk.jpg: a four-component Adobe CMYK file. */
#include <stdio.h>
#include <stdlib.h>
#include <jpeglib.h>

static void Pixel(int X, int Y, unsigned char* P) {
  static const unsigned char Colors[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  if (Y >= 16) { P[0] = P[1] = P[2] = 0; return; }
  for (int C = 0; C < 3; ++C) P[C] = Colors[X / 16][C];
}

static void Write(const char* Name, J_COLOR_SPACE Space, int Components, int Progressive) {
  struct jpeg_compress_struct Info;
  struct jpeg_error_mgr Err;
  FILE* F = fopen(Name, "wb");
  if (!F) exit(1);
  Info.err = jpeg_std_error(&Err);
  jpeg_create_compress(&Info);
  jpeg_stdio_dest(&Info, F);
  Info.image_width = 64;
  Info.image_height = 32;
  Info.input_components = Components;
  Info.in_color_space = Space;
  jpeg_set_defaults(&Info);
  jpeg_set_quality(&Info, 95, TRUE);
  if (Progressive) jpeg_simple_progression(&Info);
  jpeg_start_compress(&Info, TRUE);
  unsigned char Row[64 * 4];
  while (Info.next_scanline < 32) {
    int Y = (int)Info.next_scanline;
    for (int X = 0; X < 64; ++X) {
      unsigned char P[3];
      Pixel(X, Y, P);
      if (Components == 1) Row[X] = (unsigned char)(X * 4);
      else if (Components == 3) for (int C = 0; C < 3; ++C) Row[X * 3 + C] = P[C];
      else for (int C = 0; C < 4; ++C) Row[X * 4 + C] = C < 3 ? (unsigned char)(255 - P[C]) : 255;
    }
    JSAMPROW R = Row;
    jpeg_write_scanlines(&Info, &R, 1);
  }
  jpeg_finish_compress(&Info);
  jpeg_destroy_compress(&Info);
  fclose(F);
}

int main(void) {
  Write("blocks.jpg", JCS_RGB, 3, 0);
  Write("progressive.jpg", JCS_RGB, 3, 1);
  Write("gray.jpg", JCS_GRAYSCALE, 1, 0);
  Write("cmyk.jpg", JCS_CMYK, 4, 0);
  return 0;
}
