// The built-in 8x8 font: 93 glyphs in 99 table slots (slots 74-79 are unused).
#ifndef BELLSCOPE_RASTER_FONT_TABLE_H
#define BELLSCOPE_RASTER_FONT_TABLE_H

enum { GLYPH_COUNT = 93, GLYPH_SLOTS = 99, MGCD_BYTES = 2100 };

struct glyph_entry {
  int code;               // character code that selects the glyph
  int slot;               // slot in the glyph table
  unsigned char rows[8];  // row bytes as stored, top row first
};

extern const glyph_entry glyph_entries[GLYPH_COUNT];

// Glyph slot of a character code, or -1 for a code outside the 93 mapped
// characters (font.cpp; builds the glyph table if it is absent).
int GLYPH_SLOT(int character);

#endif
