// Display library: up to 32 windows (window slots), each showing an 8-bit
// palette screen image through its own 256-entry palette, and the keyboard
// and mouse state gathered from its window messages, with keys handed out in
// the character-console convention (plain keys as their code, extended keys
// as 0 followed by a second code).
//
// Written against the Windows API: <windows.h> is the real one on Windows and
// the SDL2-backed stand-in in platform/ elsewhere.
#ifndef BELLSCOPE_DISPLAY_H
#define BELLSCOPE_DISPLAY_H

#include <windows.h>

enum { DISPLAY_SLOTS = 32, PALETTE_ENTRIES = 256, KEY_INDICES = 500 };

// Windows, palettes and presentation (windows.cpp, palettes.cpp).
void INIT_DISPLAY();
void OPEN_WINDOW(int slot, int width, int height, int x, int y, const char* title);
void SHOW_IMAGE(int slot, const unsigned char* image);
void CLOSE_WINDOW(int slot);
void SET_PALETTE_ENTRY(int slot, int index, int red, int green, int blue);
void SET_COLOR(int index, int red, int green, int blue);
void SET_GRAY_PALETTE(int slot);
void SET_ALL_GRAY();

// Window messages and input state (window_proc.cpp, keys.cpp).
LRESULT CALLBACK WINDOW_PROC(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
int KEY_WAITING(int slot);
int GET_KEY(int slot);
void SET_KEY_MODE(int slot, int consume_on_read, int latch_repeats);

// Library-wide state.
extern unsigned char display_initialised;
extern WNDCLASSEXA window_class;
extern HCURSOR arrow_cursor;

// Per-slot state, indexed by the window slot. The program reads the input
// fields; only the library writes them.
extern HWND window_handle[DISPLAY_SLOTS];
extern int image_width[DISPLAY_SLOTS];
extern int image_height[DISPLAY_SLOTS];
extern int palette_red[DISPLAY_SLOTS][PALETTE_ENTRIES];
extern int palette_green[DISPLAY_SLOTS][PALETTE_ENTRIES];
extern int palette_blue[DISPLAY_SLOTS][PALETTE_ENTRIES];
extern int key_latched[DISPLAY_SLOTS][KEY_INDICES];
extern int key_held[DISPLAY_SLOTS][KEY_INDICES];
extern unsigned char consume_on_read[DISPLAY_SLOTS];
extern unsigned char latch_repeats[DISPLAY_SLOTS];
extern int extended_prefix[DISPLAY_SLOTS];
extern unsigned char shift_flag[DISPLAY_SLOTS];
extern unsigned char control_flag[DISPLAY_SLOTS];
extern unsigned char alt_flag[DISPLAY_SLOTS];
extern int mouse_x[DISPLAY_SLOTS];
extern int mouse_y[DISPLAY_SLOTS];
extern unsigned char left_button_held[DISPLAY_SLOTS];
extern unsigned char left_click[DISPLAY_SLOTS];
extern int left_click_x[DISPLAY_SLOTS];
extern int left_click_y[DISPLAY_SLOTS];
extern unsigned char right_button_held[DISPLAY_SLOTS];
extern unsigned char right_click[DISPLAY_SLOTS];

#endif
