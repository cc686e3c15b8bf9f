// Raster library: drawing into an 8-bit palette screen image.
//
// A screen image is width*height bytes, row-major, top row first, with the
// width doubling as the row stride. Colours are palette indices; only their
// low 8 bits are stored. Everything outside the image is clipped or dropped.
#ifndef BELLSCOPE_RASTER_H
#define BELLSCOPE_RASTER_H

// Lines (lines.cpp). DRAW_LINE requires both endpoints inside the image;
// CLIP_LINE accepts any endpoints.
void DRAW_LINE(unsigned char* image, int width, int height, int x1, int y1, int x2, int y2, int colour);
void CLIP_LINE(unsigned char* image, int width, int height, int x1, int y1, int x2, int y2, int colour);
void LINE_COEFFS(double x1, double y1, double x2, double y2, double* A, double* B, double* C);

// Curve traces (traces.cpp).
void SCALE_TO_BYTES(const double* curve, unsigned char* trace, int count, double gain);
void PLOT_TRACE(unsigned char* image, int width, int height, const unsigned char* trace, int count, int x0, int y0,
                int x_divisor, int y_divisor, int colour);

// 8x8 bitmap font (font.cpp). A background of -1 is transparent.
void INIT_FONT();
void DRAW_CHAR(unsigned char* image, int width, int height, int x, int y, int character, int foreground, int background);
int DRAW_TEXT(unsigned char* image, int width, int height, int x, int y, const char* text, int foreground, int background);
void DRAW_CHAR_2X(unsigned char* image, int width, int height, int x, int y, int character, int foreground,
                  int background);
int DRAW_TEXT_2X(unsigned char* image, int width, int height, int x, int y, const char* text, int foreground,
                 int background);

// The glyph table: 2100 bytes, built on the first text call, never released.
// Slot s holds its eight row bytes at 8s..8s+7 with their nibbles swapped.
extern unsigned char* mgcd;

#endif
