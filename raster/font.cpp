// Text in the built-in 8x8 bitmap font, at single size (8x8 cells) and
// double size (each glyph pixel a 2x2 block, 16x16 cells).
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "font_table.h"
#include "raster.h"
#include "raster_internal.h"

unsigned char* mgcd = nullptr;

namespace {

// Character code to glyph slot; built with the glyph table.
signed char slot_of_code[128];

// Decoded row: bit j is the pixel in cell column j.
inline unsigned glyph_row(int slot, int row) {
  unsigned stored = mgcd[8 * slot + row];
  return ((stored << 4) | (stored >> 4)) & 0xffu;
}

// Byte masks of glyph rows, for painting a whole cell row with a few word
// writes: for a row byte as stored in the glyph table, the 8 (single size) or
// 16 (double size) image bytes of the row, 0xff where the glyph is set and 0
// where it is clear. Built with the glyph table, byte by byte, so that the
// words' byte order is the machine's own.
std::uint64_t single_masks[256];
std::uint64_t double_masks[256][2];

void build_row_masks() {
  for (unsigned stored = 0; stored < 256; ++stored) {
    const unsigned bits = ((stored << 4) | (stored >> 4)) & 0xffu;
    unsigned char one[8], two[16];
    for (int j = 0; j < 8; ++j) one[j] = two[2 * j] = two[2 * j + 1] = (bits >> j) & 1u ? 0xff : 0;
    std::memcpy(&single_masks[stored], one, 8);
    std::memcpy(double_masks[stored], two, 16);
  }
}

// One row of bytes at p: foreground where mask is set; elsewhere background,
// or what is there already when the background is transparent.
inline void paint_row(unsigned char* p, std::uint64_t mask, std::uint64_t fg, std::uint64_t bg, bool opaque) {
  std::uint64_t under = bg;
  if (!opaque) std::memcpy(&under, p, 8);
  const std::uint64_t row = (fg & mask) | (under & ~mask);
  std::memcpy(p, &row, 8);
}

constexpr std::uint64_t EVERY_BYTE = 0x0101010101010101ull;

// Glyph columns [col_first, col_last) and rows [row_first, row_last) that lie
// inside the image, for a cell at (x, y) whose glyph pixels are `scale` image
// pixels wide. A double-size block counts as inside only when all four of its
// pixels are.
struct visible_range {
  int col_first, col_last, row_first, row_last;
};

visible_range visible_part(long long x, long long y, int width, int height, int scale) {
  visible_range v{0, 8, 0, 8};
  auto first_inside = [scale](long long origin) {
    if (origin >= 0) return 0;
    long long j = (-origin + scale - 1) / scale;
    return j > 8 ? 8 : static_cast<int>(j);
  };
  auto end_inside = [scale](long long origin, int limit) {
    long long room = static_cast<long long>(limit) - origin;  // pixels available from the cell's left/top
    if (room <= 0) return 0;
    long long j = room / scale;
    return j > 8 ? 8 : static_cast<int>(j);
  };
  v.col_first = first_inside(x);
  v.col_last = end_inside(x, width);
  v.row_first = first_inside(y);
  v.row_last = end_inside(y, height);
  return v;
}

// What one character cell is painted with: its glyph slot and colours.
struct cell_paint {
  int slot;
  unsigned char fg, bg;  // the colours' low 8 bits
  bool opaque;           // false for a background of -1
};

// Builds the glyph table if needed; false when nothing can be drawn (an empty
// image, or a character outside the mapped set).
bool prepare_cell(int width, int height, int character, int foreground, int background, cell_paint* c) {
  INIT_FONT();
  if (width <= 0 || height <= 0) return false;
  c->slot = GLYPH_SLOT(character);
  c->fg = static_cast<unsigned char>(foreground);
  c->bg = static_cast<unsigned char>(background);
  c->opaque = background != -1;
  return c->slot >= 0;
}

void draw_char_at(unsigned char* image, int width, int height, long long x, long long y, int character, int foreground,
                  int background) {
  cell_paint c;
  if (!prepare_cell(width, height, character, foreground, background, &c)) return;
  const int slot = c.slot;
  const unsigned char fg = c.fg, bg = c.bg;
  const bool opaque = c.opaque;

  if (x >= 0 && x + 8 < width && y >= 0 && y + 8 < height) {
    const unsigned char* rows = mgcd + 8 * slot;
    unsigned char* p = image + y * width + x;
    for (int i = 0; i < 8; ++i, p += width)
      paint_row(p, single_masks[rows[i]], EVERY_BYTE * fg, EVERY_BYTE * bg, opaque);
    return;
  }

  const visible_range v = visible_part(x, y, width, height, 1);
  for (int i = v.row_first; i < v.row_last; ++i) {
    unsigned bits = glyph_row(slot, i);
    const long long row = (y + i) * width + x;  // offset of the cell's column 0, possibly outside
    for (int j = v.col_first; j < v.col_last; ++j) {
      if ((bits >> j) & 1u)
        image[row + j] = fg;
      else if (opaque)
        image[row + j] = bg;
    }
  }
}

void draw_char_2x_at(unsigned char* image, int width, int height, long long x, long long y, int character,
                     int foreground, int background) {
  cell_paint c;
  if (!prepare_cell(width, height, character, foreground, background, &c)) return;
  const int slot = c.slot;
  const unsigned char fg = c.fg, bg = c.bg;
  const bool opaque = c.opaque;

  if (x >= 0 && x + 16 < width && y >= 0 && y + 16 < height) {
    // Each glyph row goes to its two image rows, 16 bytes each.
    const unsigned char* rows = mgcd + 8 * slot;
    const std::uint64_t fgw = EVERY_BYTE * fg, bgw = EVERY_BYTE * bg;
    unsigned char* top = image + y * width + x;
    for (int i = 0; i < 8; ++i, top += 2 * width) {
      const std::uint64_t* mask = double_masks[rows[i]];
      paint_row(top, mask[0], fgw, bgw, opaque);
      paint_row(top + 8, mask[1], fgw, bgw, opaque);
      paint_row(top + width, mask[0], fgw, bgw, opaque);
      paint_row(top + width + 8, mask[1], fgw, bgw, opaque);
    }
    return;
  }

  const visible_range v = visible_part(x, y, width, height, 2);
  for (int i = v.row_first; i < v.row_last; ++i) {
    unsigned bits = glyph_row(slot, i);
    const long long top = (y + 2 * i) * width + x;  // offset of the block row's column 0, possibly outside
    const long long bottom = top + width;
    for (int j = v.col_first; j < v.col_last; ++j) {
      bool set = (bits >> j) & 1u;
      if (!set && !opaque) continue;
      const unsigned char colour = set ? fg : bg;
      image[top + 2 * j] = image[top + 2 * j + 1] = image[bottom + 2 * j] = image[bottom + 2 * j + 1] = colour;
    }
  }
}

// Draws a string cell by cell, advancing `advance` pixels per character
// whether or not anything was visible. Returns the final x, saturated to the
// int range.
template <void (*DRAW)(unsigned char*, int, int, long long, long long, int, int, int)>
int draw_text(unsigned char* image, int width, int height, int x, int y, const char* text, int foreground,
              int background, int advance) {
  INIT_FONT();
  long long cx = x;
  for (const char* t = text; *t; ++t) {
    // Text bytes are taken as signed characters, so bytes 128-255 arrive as
    // negative codes and draw nothing.
    DRAW(image, width, height, cx, y, static_cast<signed char>(*t), foreground, background);
    cx += advance;
  }
  return cx > INT_MAX ? INT_MAX : static_cast<int>(cx);
}

}  // namespace

int GLYPH_SLOT(int character) {
  INIT_FONT();
  if (character < 0 || character > 127) return -1;
  return slot_of_code[character];
}

void INIT_FONT() {
  if (mgcd) return;
  // Zeroed, so the table's unused bytes have a defined content.
  unsigned char* table = static_cast<unsigned char*>(std::calloc(MGCD_BYTES, 1));
  if (!table) {
    std::printf("Malloc mgcd error\n");
    std::exit(1);
  }
  for (int c = 0; c < 128; ++c) slot_of_code[c] = -1;
  for (const glyph_entry& g : glyph_entries) {
    for (int r = 0; r < 8; ++r) table[8 * g.slot + r] = g.rows[r];
    slot_of_code[g.code] = static_cast<signed char>(g.slot);
  }
  build_row_masks();
  mgcd = table;
}

void DRAW_CHAR(unsigned char* image, int width, int height, int x, int y, int character, int foreground,
               int background) {
  draw_char_at(image, width, height, x, y, character, foreground, background);
}

void DRAW_CHAR_2X(unsigned char* image, int width, int height, int x, int y, int character, int foreground,
                  int background) {
  draw_char_2x_at(image, width, height, x, y, character, foreground, background);
}

int DRAW_TEXT(unsigned char* image, int width, int height, int x, int y, const char* text, int foreground,
              int background) {
  return draw_text<draw_char_at>(image, width, height, x, y, text, foreground, background, 8);
}

int DRAW_TEXT_2X(unsigned char* image, int width, int height, int x, int y, const char* text, int foreground,
                 int background) {
  return draw_text<draw_char_2x_at>(image, width, height, x, y, text, foreground, background, 16);
}
