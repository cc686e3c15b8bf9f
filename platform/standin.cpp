// The system-independent half of the Windows API stand-in: window classes,
// windows, the thread's message queue, window procedure dispatch, device
// contexts, SetDIBitsToDevice and GetPixel. The system below is reached only
// through the BACKEND_ functions.
#include "standin.h"

#include <cstring>

#include "keysyms.h"

struct HWND__ {
  void* native;
  WNDPROC proc;
  int width, height;  // client area, which is the whole backend window
  bool alive;
};
struct HDC__ {
  HWND window;
};

namespace {

enum { MAX_CLASSES = 16, MAX_WINDOWS = 64, QUEUE_SIZE = 4096, CLASS_NAME = 64 };

struct window_class_entry {
  char name[CLASS_NAME];
  WNDPROC proc;
};

window_class_entry classes[MAX_CLASSES];
int class_count = 0;
HWND__ windows[MAX_WINDOWS];
HDC__ device_contexts[MAX_WINDOWS];
HWND__ desktop_window;
int module_marker, cursor_marker;

// The thread's message queue: a ring buffer filled by PostMessageA,
// PostQuitMessage and the backend's translation of system events.
MSG queue[QUEUE_SIZE];
int queue_head = 0, queue_count = 0;
bool backend_up = false;

bool is_window(HWND w) {
  return w >= windows && w < windows + MAX_WINDOWS && w->alive;
}

// Drops messages of destroyed windows from the front of the queue.
void skip_dead_messages() {
  while (queue_count > 0 && queue[queue_head].message == 0 && queue[queue_head].hwnd == nullptr) {
    queue_head = (queue_head + 1) % QUEUE_SIZE;
    --queue_count;
  }
}

}  // namespace

bool STANDIN_POST(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (queue_count == QUEUE_SIZE) return false;
  MSG& m = queue[(queue_head + queue_count) % QUEUE_SIZE];
  m = MSG{window, message, wparam, lparam, BACKEND_TICKS(), {0, 0}};
  ++queue_count;
  return true;
}

bool STANDIN_QUEUE_FULL() {
  return queue_count == QUEUE_SIZE;
}

HWND STANDIN_WINDOW_OF(const void* native) {
  if (!native) return nullptr;
  for (HWND__& w : windows)
    if (w.alive && w.native == native) return &w;
  return nullptr;
}

HWND STANDIN_FIRST_WINDOW() {
  for (HWND__& w : windows)
    if (w.alive) return &w;
  return nullptr;
}

void* STANDIN_NATIVE(HWND window) {
  return is_window(window) ? window->native : nullptr;
}

bool STANDIN_CLIENT_SIZE(HWND window, int* width, int* height) {
  if (!is_window(window)) return false;
  *width = window->width;
  *height = window->height;
  return true;
}

HMODULE WINAPI GetModuleHandleA(LPCSTR) {
  return reinterpret_cast<HMODULE>(&module_marker);
}

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* wc) {
  if (!wc || !wc->lpszClassName || !wc->lpfnWndProc) return 0;
  for (int i = 0; i < class_count; ++i)
    if (std::strcmp(classes[i].name, wc->lpszClassName) == 0) return 0;  // already registered
  if (class_count == MAX_CLASSES || std::strlen(wc->lpszClassName) >= CLASS_NAME) return 0;
  window_class_entry& c = classes[class_count++];
  std::strcpy(c.name, wc->lpszClassName);
  c.proc = wc->lpfnWndProc;
  return static_cast<ATOM>(0xC000 + class_count);
}

namespace {

// With one press a drain, a key press (a WM_KEYDOWN of a key other than a
// modifier) ends a drain of the queue: the next key message is reported
// only when PeekMessageA is asked again after saying there is none. A
// program that empties the queue in each pass and acts on one key a pass
// (the display library's KEY_WAITING) then meets every press in a pass of
// its own, with the modifiers as they were when it was pressed, however
// close together the presses came.
bool one_press_a_drain = false;
bool pressed_in_drain = false;

bool is_key_press(const MSG& m) {
  if (m.message != WM_KEYDOWN) return false;
  switch (m.wParam) {
    case KEYSYM_SHIFT_L:
    case KEYSYM_SHIFT_R:
    case KEYSYM_CONTROL_L:
    case KEYSYM_CONTROL_R:
    case KEYSYM_ALT_L:
    case KEYSYM_ALT_R: return false;
    default: return true;
  }
}

// The thread's last error: the program has one thread.
DWORD last_error = 0;

}  // namespace

void STANDIN_ONE_PRESS_A_DRAIN(bool on) {
  one_press_a_drain = on;
  pressed_in_drain = false;
}

DWORD WINAPI GetLastError() {
  return last_error;
}

void WINAPI SetLastError(DWORD error) {
  last_error = error;
}

HWND WINAPI GetDesktopWindow() {
  return &desktop_window;
}

// The stand-in's windows have no frame: the outer rectangle is the client area.
BOOL WINAPI AdjustWindowRectEx(RECT* rect, DWORD, BOOL, DWORD) {
  return rect != nullptr;
}

HWND WINAPI CreateWindowExA(DWORD, LPCSTR class_name, LPCSTR window_name, DWORD, int x, int y, int width, int height,
                            HWND, HMENU, HINSTANCE, LPVOID) {
  const window_class_entry* cls = nullptr;
  for (int i = 0; i < class_count; ++i)
    if (class_name && std::strcmp(classes[i].name, class_name) == 0) cls = &classes[i];
  if (!cls || width <= 0 || height <= 0) return nullptr;
  if (!backend_up) backend_up = BACKEND_START();
  if (!backend_up) return nullptr;  // the backend has said why
  HWND slot = nullptr;
  for (HWND__& w : windows)
    if (!w.alive) {
      slot = &w;
      break;
    }
  if (!slot) return nullptr;
  void* native = BACKEND_CREATE(window_name ? window_name : "", x, y, width, height);
  if (!native) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  *slot = HWND__{native, cls->proc, width, height, true};
  slot->proc(slot, WM_CREATE, 0, 0);
  return slot;
}

BOOL WINAPI ShowWindow(HWND window, int command) {
  if (!is_window(window)) return FALSE;
  if (command != SW_SHOW) return FALSE;
  return BACKEND_SHOW(window->native) ? TRUE : FALSE;
}

BOOL WINAPI DestroyWindow(HWND window) {
  if (!is_window(window)) return FALSE;
  window->proc(window, WM_DESTROY, 0, 0);
  BACKEND_DESTROY(window->native);
  window->alive = false;
  window->native = nullptr;
  // Messages still queued for it are dropped.
  for (int i = 0; i < queue_count; ++i) {
    MSG& m = queue[(queue_head + i) % QUEUE_SIZE];
    if (m.hwnd == window) m.message = 0, m.hwnd = nullptr;
  }
  return TRUE;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR) {
  return reinterpret_cast<HCURSOR>(&cursor_marker);
}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
  return cursor;  // both backends show the arrow by default
}

HDC WINAPI GetDC(HWND window) {
  if (!is_window(window)) return nullptr;
  HDC dc = &device_contexts[window - windows];
  dc->window = window;
  return dc;
}

int WINAPI ReleaseDC(HWND, HDC dc) {
  return dc != nullptr;
}

BOOL WINAPI PeekMessageA(MSG* msg, HWND, UINT, UINT, UINT remove) {
  if (backend_up) BACKEND_PUMP();
  skip_dead_messages();
  if (queue_count == 0) {
    pressed_in_drain = false;
    return FALSE;
  }
  const MSG& head = queue[queue_head];
  if (pressed_in_drain && (head.message == WM_KEYDOWN || head.message == WM_KEYUP)) {
    pressed_in_drain = false;  // the drain ends here; the next one goes on from here
    return FALSE;
  }
  if (msg) *msg = head;
  if (remove & PM_REMOVE) {
    if (one_press_a_drain && is_key_press(head)) pressed_in_drain = true;
    queue_head = (queue_head + 1) % QUEUE_SIZE;
    --queue_count;
  }
  return TRUE;
}

BOOL WINAPI GetMessageA(MSG* msg, HWND, UINT, UINT) {
  MSG m;
  while (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) BACKEND_WAIT(10);
  if (msg) *msg = m;
  return m.message != WM_QUIT;
}

BOOL WINAPI TranslateMessage(const MSG*) {
  return FALSE;  // no character messages are made
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
  if (!msg || !is_window(msg->hwnd)) return 0;
  return msg->hwnd->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (window && !is_window(window)) return FALSE;
  return STANDIN_POST(window, message, wparam, lparam);
}

void WINAPI PostQuitMessage(int exit_code) {
  STANDIN_POST(nullptr, WM_QUIT, static_cast<WPARAM>(exit_code), 0);
}

BOOL WINAPI ValidateRect(HWND, const RECT*) {
  return TRUE;
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) DestroyWindow(window);
  return 0;
}

int WINAPI SetDIBitsToDevice(HDC dc, int x_dest, int y_dest, DWORD width, DWORD height, int x_src, int y_src,
                             UINT start_scan, UINT lines, const void* bits, const BITMAPINFO* info, UINT) {
  if (!dc || !is_window(dc->window) || !bits || !info) return 0;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biBitCount != 8 || h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0) return 0;
  standin_surface surface;
  if (!BACKEND_LOCK(dc->window->native, &surface)) return 0;

  const bool top_down = h.biHeight < 0;
  const long long image_rows = top_down ? -static_cast<long long>(h.biHeight) : h.biHeight;
  const long long stride = (static_cast<long long>(h.biWidth) + 3) / 4 * 4;
  const RGBQUAD* colours = info->bmiColors;
  std::uint32_t lut[256];
  for (int i = 0; i < 256; ++i)
    lut[i] = BACKEND_MAP_RGB(surface, colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue);

  const unsigned char* image = static_cast<const unsigned char*>(bits);
  const int bpp = surface.bytes_per_pixel;
  for (long long r = 0; r < static_cast<long long>(height); ++r) {
    const long long dy = y_dest + r, sy = y_src + r;  // source row counted from the top of the image
    if (dy < 0 || dy >= surface.height || sy < 0 || sy >= image_rows) continue;
    const long long stored = top_down ? sy : image_rows - 1 - sy;  // row index in the bits
    if (stored < start_scan || stored >= static_cast<long long>(start_scan) + lines) continue;
    const unsigned char* src = image + (stored - start_scan) * stride;
    unsigned char* dst_row = surface.pixels + dy * surface.pitch;
    long long c0 = 0, c1 = width;
    if (x_dest + c0 < 0) c0 = -static_cast<long long>(x_dest);
    if (x_src + c0 < 0) c0 = -static_cast<long long>(x_src);
    if (x_dest + c1 > surface.width) c1 = surface.width - static_cast<long long>(x_dest);
    if (x_src + c1 > h.biWidth) c1 = h.biWidth - static_cast<long long>(x_src);
    if (bpp == 4) {
      std::uint32_t* dst = reinterpret_cast<std::uint32_t*>(dst_row) + x_dest;
      for (long long c = c0; c < c1; ++c) dst[c] = lut[src[x_src + c]];
    } else {
      for (long long c = c0; c < c1; ++c) std::memcpy(dst_row + (x_dest + c) * bpp, &lut[src[x_src + c]], bpp);
    }
  }
  BACKEND_UNLOCK(dc->window->native, true);
  return static_cast<int>(lines);
}

COLORREF WINAPI GetPixel(HDC dc, int x, int y) {
  if (!dc || !is_window(dc->window)) return CLR_INVALID;
  standin_surface surface;
  if (!BACKEND_LOCK(dc->window->native, &surface)) return CLR_INVALID;
  COLORREF result = CLR_INVALID;
  if (x >= 0 && y >= 0 && x < surface.width && y < surface.height) {
    std::uint32_t pixel = 0;
    std::memcpy(&pixel, surface.pixels + y * surface.pitch + x * surface.bytes_per_pixel, surface.bytes_per_pixel);
    BYTE r, g, b;
    BACKEND_GET_RGB(surface, pixel, &r, &g, &b);
    result = RGB(r, g, b);
  }
  BACKEND_UNLOCK(dc->window->native, false);
  return result;
}
