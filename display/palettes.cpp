// Per-slot palettes: three tables (red, green, blue) of 32 x 256 integers,
// stored as given; only their low 8 bits reach the screen.
#include "display.h"
#include "slots.h"

void SET_PALETTE_ENTRY(int slot, int index, int red, int green, int blue) {
  if (!display_initialised) INIT_DISPLAY();
  if (!valid_slot(slot) || !valid_palette_index(index)) return;
  palette_red[slot][index] = red;
  palette_green[slot][index] = green;
  palette_blue[slot][index] = blue;
}

void SET_COLOR(int index, int red, int green, int blue) {
  if (!display_initialised) INIT_DISPLAY();
  for (int slot = 0; slot < DISPLAY_SLOTS; ++slot) SET_PALETTE_ENTRY(slot, index, red, green, blue);
}

void SET_GRAY_PALETTE(int slot) {
  if (!display_initialised) INIT_DISPLAY();
  for (int i = 0; i < PALETTE_ENTRIES; ++i) SET_PALETTE_ENTRY(slot, i, i, i, i);
}

void SET_ALL_GRAY() {
  if (!display_initialised) INIT_DISPLAY();
  for (int slot = 0; slot < DISPLAY_SLOTS; ++slot) SET_GRAY_PALETTE(slot);
}
