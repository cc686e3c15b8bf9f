// The raster library's internals, shared by its own files and its tests.
#ifndef BELLSCOPE_RASTER_INTERNAL_H
#define BELLSCOPE_RASTER_INTERNAL_H

// Coefficients of the line A x + B y + C = 0 through two points.
void LINE_COEFFS(double x1, double y1, double x2, double y2, double* A, double* B, double* C);

// The glyph table, built on the first text call and never released: a
// block of MGCD_BYTES (2100) zeroed bytes, of which the 99 glyph slots use
// the first 792. Slot s holds its eight row bytes at 8s..8s+7, top row first,
// each with its two nibbles swapped (bit j of the swapped byte is column j).
extern unsigned char* mgcd;

#endif
