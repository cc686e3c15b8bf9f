// Keys in the character-console convention: the mapping of platform key codes
// to key indices, and KEY_WAITING, GET_KEY and SET_KEY_MODE.
#include "display.h"
#include "key_mapping.h"
#include "slots.h"

namespace {

enum {
  INDEX_ESC = 27,
  FIRST_PLAIN = 9,
  LAST_PLAIN = 127,
  FIRST_EXTENDED = 201,
  LAST_EXTENDED = 299,
  INDEX_F12 = 222,
};

// Highest latched extended key index, or -1.
int latched_extended(int slot) {
  for (int k = LAST_EXTENDED; k >= FIRST_EXTENDED; --k)
    if (key_latched[slot][k] == 1) return k;
  return -1;
}

// Lowest latched plain key index, or -1.
int latched_plain(int slot) {
  for (int k = FIRST_PLAIN; k <= LAST_PLAIN; ++k)
    if (key_latched[slot][k] == 1) return k;
  return -1;
}

}  // namespace

int KEY_INDEX(WPARAM code) {
  if (code == VK_TAB || code == VK_RETURN || code == VK_ESCAPE || code == VK_SPACE) return static_cast<int>(code);
  if (code >= 48 && code <= 90) return static_cast<int>(code);                // digits, letters and the codes between
  if (code >= 112 && code <= 122) return 259 + static_cast<int>(code - 112);  // F1-F11
  switch (code) {
    case VK_PRIOR: return 273;
    case VK_NEXT: return 281;
    case VK_END: return 279;
    case VK_HOME: return 271;
    case VK_LEFT: return 275;
    case VK_UP: return 272;
    case VK_RIGHT: return 277;
    case VK_DOWN: return 280;
    case VK_ADD: return 210;
    case VK_SUBTRACT: return 211;
    case VK_F12: return INDEX_F12;
    default: return 0;  // including the modifier keysyms, which only set flags
  }
}

void SET_KEY_MODE(int slot, int consume, int repeats) {
  if (!valid_slot(slot)) return;
  consume_on_read[slot] = static_cast<unsigned char>(consume);
  latch_repeats[slot] = static_cast<unsigned char>(repeats);
}

int KEY_WAITING(int slot) {
  if (!valid_slot(slot)) return 0;
  MSG msg;
  // Empty the thread's queue for all windows; a quit request becomes Esc in
  // the slot being polled.
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (GetMessageA(&msg, nullptr, 0, 0) == 0) key_latched[slot][INDEX_ESC] = 1;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return latched_extended(slot) >= 0 || latched_plain(slot) >= 0 ? -1 : 0;
}

int GET_KEY(int slot) {
  if (!valid_slot(slot)) return 1;
  const int ext = latched_extended(slot);
  if (ext >= 0) {
    if (extended_prefix[slot] != 1) {
      extended_prefix[slot] = 1;
      return 0;
    }
    extended_prefix[slot] = 0;
    if (consume_on_read[slot] == 1) key_latched[slot][ext] = 0;
    return ext == INDEX_F12 ? -122 : ext - 200;
  }
  const int plain = latched_plain(slot);
  if (plain >= 0) {
    if (consume_on_read[slot] == 1) key_latched[slot][plain] = 0;
    return plain;
  }
  return 1;
}
