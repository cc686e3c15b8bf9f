// Range checks shared inside the display library: a slot outside 0..31 or a
// palette index outside 0..255 is ignored rather than written out of bounds.
#ifndef BELLSCOPE_DISPLAY_SLOTS_H
#define BELLSCOPE_DISPLAY_SLOTS_H

#include "display_state.h"

inline bool valid_slot(int slot) {
  return slot >= 0 && slot < DISPLAY_SLOTS;
}

inline bool valid_palette_index(int index) {
  return index >= 0 && index < PALETTE_ENTRIES;
}

#endif
