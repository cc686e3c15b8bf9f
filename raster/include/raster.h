// Raster library: drawing into an 8-bit palette screen image.
//
// A screen image is width*height bytes, row-major, top row first, with the
// width doubling as the row stride. Colours are palette indices; only their
// low 8 bits are stored. Nothing is ever written outside the image: what lies
// outside is clipped or dropped, and an image of width or height 0 or less
// gets nothing. No operation reports a failure.
#ifndef BELLSCOPE_RASTER_H
#define BELLSCOPE_RASTER_H

// ---- Lines (lines.cpp); both endpoints are drawn ----

// A line from (x1, y1) to (x2, y2) by Bresenham's method. Both endpoints must
// lie inside the image: this is the fast inner routine, with no checks.
void DRAW_LINE(unsigned char* image, int width, int height, int x1, int y1, int x2, int y2, int colour);

// A line between any two points: the part inside the image is drawn, with
// clipped endpoints rounded to the nearest pixel; a line wholly outside, or
// one whose clipped ends fall outside, draws nothing.
void CLIP_LINE(unsigned char* image, int width, int height, int x1, int y1, int x2, int y2, int colour);

// ---- Curve traces (traces.cpp) ----

// trace[i] = gain * curve[i], truncated toward zero and clamped to 0..255;
// negative values and NaN give 0.
void SCALE_TO_BYTES(const double* curve, unsigned char* trace, int count, double gain);

// Plots a trace as a gap-free staircase: sample k (of count / x_divisor) sits
// at column x0 + k / x_divisor, row y0 + (255 - value) / y_divisor, and is
// joined to the previous one by a line from the previous column + 1. Draws
// nothing when a divisor is below 1.
void PLOT_TRACE(unsigned char* image, int width, int height, const unsigned char* trace, int count, int x0, int y0,
                int x_divisor, int y_divisor, int colour);

// ---- 8x8 bitmap font (font.cpp) ----
// Characters are ASCII codes 32-126 but grave and tilde; any other code (and
// any byte of 128 or more) draws nothing but still takes its cell. Glyph
// pixels are drawn in the foreground colour, the rest of the cell in the
// background colour, or left as they are for a background of -1. The text
// operations return the x just after the last cell (saturated to INT_MAX).

// Builds the glyph table if it does not exist yet; every text operation calls
// it first. Prints "Malloc mgcd error" and ends the process with exit code 1
// when the table cannot be allocated.
void INIT_FONT();

// One character in an 8x8 cell whose top-left corner is (x, y).
void DRAW_CHAR(unsigned char* image, int width, int height, int x, int y, int character, int foreground,
               int background);

// A string, one 8x8 cell after the other from (x, y).
int DRAW_TEXT(unsigned char* image, int width, int height, int x, int y, const char* text, int foreground,
              int background);

// One character at double size: a 16x16 cell, each glyph pixel a 2x2 block;
// a block is drawn only when all four of its pixels lie inside the image.
void DRAW_CHAR_2X(unsigned char* image, int width, int height, int x, int y, int character, int foreground,
                  int background);

// A string of double-size cells, 16 pixels apart.
int DRAW_TEXT_2X(unsigned char* image, int width, int height, int x, int y, const char* text, int foreground,
                 int background);

#endif
