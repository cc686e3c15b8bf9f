// The display library's static tables: zero at process start, alive for the
// whole process, touched only from the program's one thread.
#include "display.h"

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
