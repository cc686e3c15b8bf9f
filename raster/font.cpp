// Text in the built-in 8x8 bitmap font, at single size (8x8 cells) and
// double size (each glyph pixel a 2x2 block, 16x16 cells).
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "font_table.h"
#include "raster.h"

unsigned char* mgcd = nullptr;

namespace {

// Character code to glyph slot; built with the glyph table.
signed char slot_of_code[128];

// Decoded row: bit j is the pixel in cell column j.
inline unsigned glyph_row(int slot, int row) {
  unsigned stored = mgcd[8 * slot + row];
  return ((stored << 4) | (stored >> 4)) & 0xffu;
}

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

void draw_char_at(unsigned char* image, int width, int height, long long x, long long y, int character,
                  int foreground, int background) {
  cell_paint c;
  if (!prepare_cell(width, height, character, foreground, background, &c)) return;
  const int slot = c.slot;
  const unsigned char fg = c.fg, bg = c.bg;
  const bool opaque = c.opaque;

  if (x >= 0 && x + 8 < width && y >= 0 && y + 8 < height) {
    unsigned char* p = image + y * width + x;
    for (int i = 0; i < 8; ++i, p += width) {
      unsigned bits = glyph_row(slot, i);
      if (opaque) {
        for (int j = 0; j < 8; ++j) p[j] = (bits >> j) & 1u ? fg : bg;
      } else {
        for (int j = 0; j < 8; ++j)
          if ((bits >> j) & 1u) p[j] = fg;
      }
    }
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
    // Each glyph row goes to its two image rows in the same pass.
    unsigned char* top = image + y * width + x;
    unsigned char* bottom = top + width;
    for (int i = 0; i < 8; ++i, top += 2 * width, bottom += 2 * width) {
      unsigned bits = glyph_row(slot, i);
      for (int j = 0; j < 8; ++j) {
        if ((bits >> j) & 1u) {
          top[2 * j] = top[2 * j + 1] = bottom[2 * j] = bottom[2 * j + 1] = fg;
        } else if (opaque) {
          top[2 * j] = top[2 * j + 1] = bottom[2 * j] = bottom[2 * j + 1] = bg;
        }
      }
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
      unsigned char c = set ? fg : bg;
      image[top + 2 * j] = image[top + 2 * j + 1] = image[bottom + 2 * j] = image[bottom + 2 * j + 1] = c;
    }
  }
}

// Draws a string cell by cell, advancing `advance` pixels per character
// whether or not anything was visible. Returns the final x, saturated to the
// int range.
int draw_text(unsigned char* image, int width, int height, int x, int y, const char* text, int foreground,
              int background, int advance,
              void (*draw)(unsigned char*, int, int, long long, long long, int, int, int)) {
  INIT_FONT();
  long long cx = x;
  for (const char* t = text; *t; ++t) {
    // Text bytes are taken as signed characters, so bytes 128-255 arrive as
    // negative codes and draw nothing.
    draw(image, width, height, cx, y, static_cast<signed char>(*t), foreground, background);
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
  mgcd = table;
}

void DRAW_CHAR(unsigned char* image, int width, int height, int x, int y, int character, int foreground, int background) {
  draw_char_at(image, width, height, x, y, character, foreground, background);
}

void DRAW_CHAR_2X(unsigned char* image, int width, int height, int x, int y, int character, int foreground,
                  int background) {
  draw_char_2x_at(image, width, height, x, y, character, foreground, background);
}

int DRAW_TEXT(unsigned char* image, int width, int height, int x, int y, const char* text, int foreground, int background) {
  return draw_text(image, width, height, x, y, text, foreground, background, 8, draw_char_at);
}

int DRAW_TEXT_2X(unsigned char* image, int width, int height, int x, int y, const char* text, int foreground,
                 int background) {
  return draw_text(image, width, height, x, y, text, foreground, background, 16, draw_char_2x_at);
}
