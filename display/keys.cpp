// Keys in the character-console convention: the mapping of platform key codes
// to key indices, and KEY_WAITING, GET_KEY and SET_KEY_MODE.
#include "display.h"
#include "key_mapping.h"
#include "slots.h"

namespace {

enum {
  FIRST_PLAIN = KEY_TAB,
  LAST_PLAIN = 127,
  FIRST_EXTENDED = EXTENDED_KEY_INDEX + 1,
  LAST_EXTENDED = EXTENDED_KEY_INDEX + 99,
  INDEX_F12 = EXTENDED_KEY_INDEX + 22,
};

// The key index of an extended key with the given console scan code.
constexpr int extended(int scan_code) {
  return EXTENDED_KEY_INDEX + scan_code;
}

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
  if (code >= 48 && code <= 90) return static_cast<int>(code);  // digits, letters and the codes between
  if (code >= VK_F1 && code < VK_F12) return extended(KEY_F1 + static_cast<int>(code - VK_F1));  // F1-F11
  switch (code) {
    case VK_PRIOR: return extended(KEY_PAGE_UP);
    case VK_NEXT: return extended(KEY_PAGE_DOWN);
    case VK_END: return extended(KEY_END);
    case VK_HOME: return extended(KEY_HOME);
    case VK_LEFT: return extended(KEY_LEFT);
    case VK_UP: return extended(KEY_UP);
    case VK_RIGHT: return extended(KEY_RIGHT);
    case VK_DOWN: return extended(KEY_DOWN);
    case VK_ADD: return extended(KEY_KEYPAD_PLUS);
    case VK_SUBTRACT: return extended(KEY_KEYPAD_MINUS);
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
    if (GetMessageA(&msg, nullptr, 0, 0) == 0) key_latched[slot][KEY_ESC] = 1;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return latched_extended(slot) >= 0 || latched_plain(slot) >= 0 ? -1 : 0;
}

int GET_KEY(int slot) {
  if (!valid_slot(slot)) return KEY_NONE;
  const int ext = latched_extended(slot);
  if (ext >= 0) {
    if (extended_prefix[slot] != 1) {
      extended_prefix[slot] = 1;
      return KEY_EXTENDED;
    }
    extended_prefix[slot] = 0;
    if (consume_on_read[slot] == 1) key_latched[slot][ext] = 0;
    return ext == INDEX_F12 ? KEY_F12 : ext - EXTENDED_KEY_INDEX;
  }
  const int plain = latched_plain(slot);
  if (plain >= 0) {
    if (consume_on_read[slot] == 1) key_latched[slot][plain] = 0;
    return plain;
  }
  return KEY_NONE;
}
