// What the SDL-backed stand-in exposes beyond the Windows API, for tests that
// feed SDL events to a window.
#ifndef BELLSCOPE_PLATFORM_SDL_BRIDGE_H
#define BELLSCOPE_PLATFORM_SDL_BRIDGE_H

#include <SDL.h>

#include <windows.h>

// The SDL window behind a stand-in window, or null.
SDL_Window* STANDIN_SDL_WINDOW(HWND window);

// The Windows virtual-key code (or X keysym for Shift, Control and Alt) that
// the stand-in delivers for an SDL key; 0 for keys it does not map.
WPARAM STANDIN_KEY_CODE(SDL_Keycode key);

#endif
