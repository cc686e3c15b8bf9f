// The display library's static tables: zero at process start, alive for the
// whole process, touched only from the program's one thread.
#include "display_state.h"

#include <cstring>

const char window_class_name[] = "Movie Window";

unsigned char display_initialised;
WNDCLASSEXA window_class;
HCURSOR arrow_cursor;

HWND window_handle[DISPLAY_SLOTS];
int image_width[DISPLAY_SLOTS];
int image_height[DISPLAY_SLOTS];
int palette_red[DISPLAY_SLOTS][PALETTE_ENTRIES];
int palette_green[DISPLAY_SLOTS][PALETTE_ENTRIES];
int palette_blue[DISPLAY_SLOTS][PALETTE_ENTRIES];
int key_latched[DISPLAY_SLOTS][KEY_INDICES];
int key_held[DISPLAY_SLOTS][KEY_INDICES];
unsigned char consume_on_read[DISPLAY_SLOTS];
unsigned char latch_repeats[DISPLAY_SLOTS];
int extended_prefix[DISPLAY_SLOTS];
unsigned char shift_flag[DISPLAY_SLOTS];
unsigned char control_flag[DISPLAY_SLOTS];
unsigned char alt_flag[DISPLAY_SLOTS];
int mouse_x[DISPLAY_SLOTS];
int mouse_y[DISPLAY_SLOTS];
unsigned char left_button_held[DISPLAY_SLOTS];
unsigned char left_click[DISPLAY_SLOTS];
int left_click_x[DISPLAY_SLOTS];
int left_click_y[DISPLAY_SLOTS];
unsigned char right_button_held[DISPLAY_SLOTS];
unsigned char right_click[DISPLAY_SLOTS];

void RESET_DISPLAY_STATE() {
  display_initialised = 0;
  window_class = WNDCLASSEXA{};
  arrow_cursor = nullptr;
  for (HWND& h : window_handle) h = nullptr;
  std::memset(image_width, 0, sizeof image_width);
  std::memset(image_height, 0, sizeof image_height);
  std::memset(palette_red, 0, sizeof palette_red);
  std::memset(palette_green, 0, sizeof palette_green);
  std::memset(palette_blue, 0, sizeof palette_blue);
  std::memset(key_latched, 0, sizeof key_latched);
  std::memset(key_held, 0, sizeof key_held);
  std::memset(consume_on_read, 0, sizeof consume_on_read);
  std::memset(latch_repeats, 0, sizeof latch_repeats);
  std::memset(extended_prefix, 0, sizeof extended_prefix);
  std::memset(shift_flag, 0, sizeof shift_flag);
  std::memset(control_flag, 0, sizeof control_flag);
  std::memset(alt_flag, 0, sizeof alt_flag);
  std::memset(mouse_x, 0, sizeof mouse_x);
  std::memset(mouse_y, 0, sizeof mouse_y);
  std::memset(left_button_held, 0, sizeof left_button_held);
  std::memset(left_click, 0, sizeof left_click);
  std::memset(left_click_x, 0, sizeof left_click_x);
  std::memset(left_click_y, 0, sizeof left_click_y);
  std::memset(right_button_held, 0, sizeof right_button_held);
  std::memset(right_click, 0, sizeof right_click);
}
