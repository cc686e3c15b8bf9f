// Display library: up to 32 windows (window slots), each showing an 8-bit
// palette screen image through its own 256-entry palette, and the keyboard
// and mouse state gathered from its window messages, with keys handed out in
// the character-console convention (plain keys as their code, extended keys
// as 0 followed by a second code).
//
// Written against the Windows API: <windows.h> is the real one on Windows and
// the stand-in in platform/ elsewhere. The library reports no failure: a
// slot outside 0..31, a palette index outside 0..255 or a window that could
// not be opened makes an operation do nothing. Everything runs on the
// program's one thread.
#ifndef BELLSCOPE_DISPLAY_H
#define BELLSCOPE_DISPLAY_H

#include <windows.h>

enum { DISPLAY_SLOTS = 32, PALETTE_ENTRIES = 256, KEY_INDICES = 500 };

// Key codes as GET_KEY returns them. A plain key is its own code; an extended
// key is KEY_EXTENDED followed by its console scan code, and its key index in
// the key tables is EXTENDED_KEY_INDEX plus that code (F12 excepted: its
// index is 222 and its code -122).
enum {
  KEY_EXTENDED = 0,
  KEY_NONE = 1,
  KEY_TAB = 9,
  KEY_ENTER = 13,
  KEY_ESC = 27,
  KEY_SPACE = 32,
  KEY_KEYPAD_PLUS = 10,
  KEY_KEYPAD_MINUS = 11,
  KEY_F1 = 59,  // F1-F10 are 59-68
  KEY_F11 = 69,
  KEY_HOME = 71,
  KEY_UP = 72,
  KEY_PAGE_UP = 73,
  KEY_LEFT = 75,
  KEY_RIGHT = 77,
  KEY_END = 79,
  KEY_DOWN = 80,
  KEY_PAGE_DOWN = 81,
  KEY_F12 = -122,
  EXTENDED_KEY_INDEX = 200,
};

// ---- Windows, palettes and presentation (windows.cpp, palettes.cpp) ----
// Every operation here first initialises the library if that has not
// happened yet.

// Registers the window class, makes every palette the grey ramp and clears
// every slot's input state, setting its key mode to (1, 0). Not normally
// called directly: the first operation that needs it calls it.
void INIT_DISPLAY();

// Opens a window whose client area is width x height at (x, y) with the given
// title, shows it and remembers it, with the image size, in the slot. The
// slot's window handle stays null when the system gives no window.
void OPEN_WINDOW(int slot, int width, int height, int x, int y, const char* title);

// Copies a screen image of the slot's image size to its window through the
// slot's palette. Does nothing for a slot with no window or a null image.
void SHOW_IMAGE(int slot, const unsigned char* image);

// Destroys the slot's window, if it has one. Its palette, image size and
// input state stay as they were.
void CLOSE_WINDOW(int slot);

// Stores one palette entry as given; only the low 8 bits of each component
// reach the screen.
void SET_PALETTE_ENTRY(int slot, int index, int red, int green, int blue);

// SET_PALETTE_ENTRY in all 32 slots.
void SET_COLOR(int index, int red, int green, int blue);

// The grey ramp (entry i is i, i, i) in one slot, or in all of them.
void SET_GRAY_PALETTE(int slot);
void SET_ALL_GRAY();

// ---- Window messages and input state (window_proc.cpp, keys.cpp) ----
// These three do not initialise the library.

// The window procedure of the library's windows: key and mouse messages
// update the input state of every slot that holds the window; a close
// request posts a quit message (the window stays until CLOSE_WINDOW). Other
// messages go to DefWindowProcA.
LRESULT CALLBACK WINDOW_PROC(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Dispatches every window message waiting in the thread's queue (for all
// windows: this is when the input state changes); a quit message latches Esc
// in this slot. Returns -1 when the slot has a latched key, 0 otherwise.
int KEY_WAITING(int slot);

// The next key of the slot, without dispatching messages: 1 when no key is
// latched; a plain key as its code (Enter 13, Esc 27, 'A' 65, ...); an
// extended key as 0 in one call and its code in the next (F1 59, Up 72,
// Left 75, Right 77, Down 80, F12 -122, ...), highest key index first. With
// consume-on-read set, a key's latch is cleared when its code is returned.
int GET_KEY(int slot);

// Sets the slot's key mode: consume_on_read 1 clears a latch when GET_KEY
// reports it (0: when the key is released); latch_repeats 1 latches a key
// again on each auto-repeat (0: once per press).
void SET_KEY_MODE(int slot, int consume_on_read, int latch_repeats);

// ---- State the program reads: read-only for it, written by the library ----
// Indexed by the window slot.
extern HWND window_handle[DISPLAY_SLOTS];  // null: no window open
extern int mouse_x[DISPLAY_SLOTS];         // last pointer position over the client area
extern int mouse_y[DISPLAY_SLOTS];
extern unsigned char left_button_held[DISPLAY_SLOTS];
extern unsigned char left_click[DISPLAY_SLOTS];  // set by a left press; never cleared by the library
extern int left_click_x[DISPLAY_SLOTS];          // where the last left press happened
extern int left_click_y[DISPLAY_SLOTS];
extern unsigned char right_button_held[DISPLAY_SLOTS];
extern unsigned char right_click[DISPLAY_SLOTS];  // set by a right press; never cleared by the library
extern unsigned char shift_flag[DISPLAY_SLOTS];   // a Shift key is held
extern unsigned char control_flag[DISPLAY_SLOTS];
extern unsigned char alt_flag[DISPLAY_SLOTS];

#endif
