// The window procedure: key and mouse messages become per-slot input state.
#include "display.h"
#include "key_mapping.h"
#include "keysyms.h"

namespace {

// Sets (key down) or clears (key up) the slot's modifier flag for a keysym.
void update_modifier(int slot, WPARAM key_code, unsigned char value) {
  if (key_code == KEYSYM_SHIFT_L || key_code == KEYSYM_SHIFT_R) shift_flag[slot] = value;
  if (key_code == KEYSYM_CONTROL_L || key_code == KEYSYM_CONTROL_R) control_flag[slot] = value;
  if (key_code == KEYSYM_ALT_L || key_code == KEYSYM_ALT_R) alt_flag[slot] = value;
}

int slot_of(HWND window) {
  if (!window) return -1;
  for (int slot = 0; slot < DISPLAY_SLOTS; ++slot)
    if (window_handle[slot] == window) return slot;
  return -1;
}

void key_down(int slot, WPARAM key_code) {
  const int k = KEY_INDEX(key_code);
  update_modifier(slot, key_code, 1);
  // Auto-repeats latch again only when the slot asks for it.
  if (latch_repeats[slot] != 0 || key_held[slot][k] == 0) key_latched[slot][k] = 1;
  key_held[slot][k] = 1;
}

void key_up(int slot, WPARAM key_code) {
  const int k = KEY_INDEX(key_code);
  update_modifier(slot, key_code, 0);
  key_held[slot][k] = 0;
  if (consume_on_read[slot] == 0) key_latched[slot][k] = 0;
}

}  // namespace

LRESULT CALLBACK WINDOW_PROC(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const int x = LOWORD(lparam), y = HIWORD(lparam);
  switch (message) {
    case WM_PAINT: ValidateRect(window, nullptr); return 0;
    case WM_CLOSE:
      PostQuitMessage(0);  // the window stays until the program closes its slot
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: {
      const int slot = slot_of(window);
      if (slot < 0) return 0;  // a window no slot holds: dropped
      if (message == WM_KEYDOWN)
        key_down(slot, wparam);
      else
        key_up(slot, wparam);
      return 0;
    }
    default: break;
  }

  // Mouse messages update every slot that holds the window.
  for (int slot = 0; slot < DISPLAY_SLOTS; ++slot) {
    if (!window || window_handle[slot] != window) continue;
    switch (message) {
      case WM_MOUSEMOVE:
        mouse_x[slot] = x;
        mouse_y[slot] = y;
        break;
      case WM_LBUTTONDOWN:
        left_click[slot] = 1;
        left_click_x[slot] = x;
        left_click_y[slot] = y;
        left_button_held[slot] = 1;
        break;
      case WM_LBUTTONUP: left_button_held[slot] = 0; break;
      case WM_RBUTTONDOWN:
        right_click[slot] = 1;
        right_button_held[slot] = 1;
        break;
      case WM_RBUTTONUP: right_button_held[slot] = 0; break;
      default: break;
    }
  }
  if (message == WM_MOUSEMOVE) SetCursor(arrow_cursor);
  return DefWindowProcA(window, message, wparam, lparam);
}
