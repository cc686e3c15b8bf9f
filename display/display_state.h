// The display library's own state, beside what display.h shows the program:
// the initialised flag, the window class and cursor, each slot's image size,
// palette, key tables and key mode. Static tables, zero at process start.
#ifndef BELLSCOPE_DISPLAY_STATE_H
#define BELLSCOPE_DISPLAY_STATE_H

#include "display.h"

extern const char window_class_name[];  // "Movie Window"
extern unsigned char display_initialised;
extern WNDCLASSEXA window_class;
extern HCURSOR arrow_cursor;

extern int image_width[DISPLAY_SLOTS];
extern int image_height[DISPLAY_SLOTS];
extern int palette_red[DISPLAY_SLOTS][PALETTE_ENTRIES];
extern int palette_green[DISPLAY_SLOTS][PALETTE_ENTRIES];
extern int palette_blue[DISPLAY_SLOTS][PALETTE_ENTRIES];
extern int key_latched[DISPLAY_SLOTS][KEY_INDICES];  // 1: the key waits to be reported
extern int key_held[DISPLAY_SLOTS][KEY_INDICES];     // 1: the key is down
extern unsigned char consume_on_read[DISPLAY_SLOTS];
extern unsigned char latch_repeats[DISPLAY_SLOTS];
extern int extended_prefix[DISPLAY_SLOTS];  // 1: GET_KEY has returned an extended key's 0

// Returns every table, the initialised flag included, to its value at process
// start, so that the next operation initialises the library afresh. Windows
// still open are forgotten, not destroyed: close them first. For tests, which
// need each case to start as a fresh process would.
void RESET_DISPLAY_STATE();

#endif
