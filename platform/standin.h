// The system-independent half of the Windows API stand-in: window classes,
// the window table, the thread's message queue, window procedure dispatch,
// device contexts and the conversion of 8-bit DIBs into 32-bit pixels. Each
// system below it (SDL2 on the desktop, the browser's canvas on the web)
// supplies the BACKEND_ functions declared here.
#ifndef BELLSCOPE_PLATFORM_STANDIN_H
#define BELLSCOPE_PLATFORM_STANDIN_H

#include <cstdint>

#include <windows.h>

// A window's pixels, locked for reading or writing: rows of `pitch` bytes,
// `bytes_per_pixel` bytes a pixel. `format` is the backend's own description
// of the pixel layout, handed back to BACKEND_MAP_RGB and BACKEND_GET_RGB.
struct standin_surface {
  unsigned char* pixels;
  long pitch;
  int width, height, bytes_per_pixel;
  const void* format;
};

// Offered by the core to the backends.
bool STANDIN_POST(HWND window, UINT message, WPARAM wparam, LPARAM lparam);  // false when the queue is full
bool STANDIN_QUEUE_FULL();
HWND STANDIN_WINDOW_OF(const void* native);  // the live window of a backend window, or null
HWND STANDIN_FIRST_WINDOW();                 // the live window created first in the table, or null
void* STANDIN_NATIVE(HWND window);           // the backend window of a live window, or null
bool STANDIN_CLIENT_SIZE(HWND window, int* width, int* height);
// Whether a key press ends a drain of the queue (see standin.cpp): for a
// backend whose program runs a pass only now and then, as the browser's
// does at each animation frame, so that presses between two passes are not
// merged into one. Off unless a backend turns it on.
void STANDIN_ONE_PRESS_A_DRAIN(bool on);

// Supplied by each backend.
bool BACKEND_START();  // brings up the system's video; true once it is up, or false with SetLastError
void* BACKEND_CREATE(const char* title, int x, int y, int width, int height);  // hidden; null on failure
bool BACKEND_SHOW(void* native);                                               // returns whether it was visible
void BACKEND_DESTROY(void* native);
bool BACKEND_LOCK(void* native, standin_surface* surface);
void BACKEND_UNLOCK(void* native, bool present);  // present: show what was written
std::uint32_t BACKEND_MAP_RGB(const standin_surface& surface, BYTE red, BYTE green, BYTE blue);
void BACKEND_GET_RGB(const standin_surface& surface, std::uint32_t pixel, BYTE* red, BYTE* green, BYTE* blue);
void BACKEND_PUMP();        // turns the system's pending events into posted messages
void BACKEND_WAIT(int ms);  // waits up to ms for an event
DWORD BACKEND_TICKS();      // milliseconds since start, for MSG::time

#endif
