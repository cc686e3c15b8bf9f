// The Windows API stand-in over SDL2: window classes, windows, the thread's
// message queue, window procedure dispatch and device contexts.
#include <SDL.h>

#include <cstring>

#include "sdl_bridge.h"
#include "windows.h"

struct HWND__ {
  SDL_Window* sdl;
  WNDPROC proc;
  int width, height;  // client area, which is the whole SDL window
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
// PostQuitMessage and the translation of SDL events.
MSG queue[QUEUE_SIZE];
int queue_head = 0, queue_count = 0;

bool video_ready = false;
bool close_translated = false;  // a window close event came in the current batch of SDL events

bool is_window(HWND w) {
  return w >= windows && w < windows + MAX_WINDOWS && w->alive;
}

bool enqueue(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (queue_count == QUEUE_SIZE) return false;
  MSG& m = queue[(queue_head + queue_count) % QUEUE_SIZE];
  m = MSG{window, message, wparam, lparam, SDL_GetTicks(), {0, 0}};
  ++queue_count;
  return true;
}

// SDL chooses among real video drivers only, unless SDL_VIDEODRIVER names
// one: its offscreen and dummy drivers would show nothing to the user.
bool ensure_video() {
  if (video_ready) return true;
  const char* chosen = SDL_getenv("SDL_VIDEODRIVER");
  if (chosen && *chosen) {
    video_ready = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    return video_ready;
  }
  for (int i = 0; i < SDL_GetNumVideoDrivers() && !video_ready; ++i) {
    const char* name = SDL_GetVideoDriver(i);
    if (std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0) continue;
    // Without a Wayland session its client library only complains on stderr.
    if (std::strcmp(name, "wayland") == 0 && !SDL_getenv("WAYLAND_DISPLAY")) continue;
    video_ready = SDL_VideoInit(name) == 0;
  }
  return video_ready;
}

HWND window_of_sdl_id(Uint32 id) {
  for (HWND__& w : windows)
    if (w.alive && SDL_GetWindowID(w.sdl) == id) return &w;
  return nullptr;
}

HWND first_window() {
  for (HWND__& w : windows)
    if (w.alive) return &w;
  return nullptr;
}

LPARAM key_lparam(const SDL_KeyboardEvent& k) {
  DWORD l = 1u | (static_cast<DWORD>(k.keysym.scancode & 0xff) << 16);
  if (k.repeat) l |= 1u << 30;  // previous key state: down
  if (k.type == SDL_KEYUP) l |= 3u << 30;
  return static_cast<LPARAM>(l);
}

void translate(const SDL_Event& e) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      HWND w = window_of_sdl_id(e.key.windowID);
      if (!w) w = first_window();
      if (w) enqueue(w, e.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, STANDIN_KEY_CODE(e.key.keysym.sym), key_lparam(e.key));
      break;
    }
    case SDL_MOUSEMOTION: {
      HWND w = window_of_sdl_id(e.motion.windowID);
      // Without mouse capture Windows reports motion only over the client area.
      if (!w || e.motion.x < 0 || e.motion.y < 0 || e.motion.x >= w->width || e.motion.y >= w->height) break;
      WPARAM buttons = (e.motion.state & SDL_BUTTON_LMASK ? MK_LBUTTON : 0) | (e.motion.state & SDL_BUTTON_RMASK ? MK_RBUTTON : 0);
      enqueue(w, WM_MOUSEMOVE, buttons, MAKELPARAM(e.motion.x, e.motion.y));
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      HWND w = window_of_sdl_id(e.button.windowID);
      if (!w) w = first_window();
      const bool down = e.type == SDL_MOUSEBUTTONDOWN;
      UINT message = 0;
      if (e.button.button == SDL_BUTTON_LEFT) message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
      if (e.button.button == SDL_BUTTON_RIGHT) message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
      // Releases go through wherever they happen, so no button stays held.
      if (w && message) enqueue(w, message, 0, MAKELPARAM(e.button.x, e.button.y));
      break;
    }
    case SDL_WINDOWEVENT: {
      HWND w = window_of_sdl_id(e.window.windowID);
      if (!w) break;
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
        enqueue(w, WM_CLOSE, 0, 0);
        close_translated = true;
      } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
        enqueue(w, WM_PAINT, 0, 0);
      }
      break;
    }
    case SDL_QUIT: {
      // A real close request arrives both as a window event and as SDL_QUIT:
      // deliver it once. SDL_QUIT alone (a signal, say) closes the first window.
      if (close_translated) break;
      HWND w = first_window();
      if (w) enqueue(w, WM_CLOSE, 0, 0);
      break;
    }
    default:
      break;
  }
}

void pump_sdl_events() {
  if (!video_ready) return;
  SDL_Event e;
  while (queue_count < QUEUE_SIZE && SDL_PollEvent(&e)) translate(e);
  close_translated = false;
}

}  // namespace

SDL_Window* STANDIN_SDL_WINDOW(HWND window) {
  return is_window(window) ? window->sdl : nullptr;
}

WPARAM STANDIN_KEY_CODE(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
  switch (key) {
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    // Shift, Control and Alt come as X keysyms, as on an X11 build.
    case SDLK_LSHIFT: return 65505;
    case SDLK_RSHIFT: return 65506;
    case SDLK_LCTRL: return 65507;
    case SDLK_RCTRL: return 65508;
    case SDLK_LALT: return 65513;
    case SDLK_RALT: return 65514;
    default: return 0;
  }
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
  if (!cls || width <= 0 || height <= 0 || !ensure_video()) return nullptr;
  HWND slot = nullptr;
  for (HWND__& w : windows)
    if (!w.alive) {
      slot = &w;
      break;
    }
  if (!slot) return nullptr;
  SDL_Window* sdl = SDL_CreateWindow(window_name ? window_name : "", x, y, width, height, SDL_WINDOW_HIDDEN);
  if (!sdl) return nullptr;
  *slot = HWND__{sdl, cls->proc, width, height, true};
  slot->proc(slot, WM_CREATE, 0, 0);
  return slot;
}

BOOL WINAPI ShowWindow(HWND window, int command) {
  if (!is_window(window)) return FALSE;
  const bool was_visible = (SDL_GetWindowFlags(window->sdl) & SDL_WINDOW_SHOWN) != 0;
  if (command == SW_SHOW) SDL_ShowWindow(window->sdl);
  return was_visible;
}

BOOL WINAPI DestroyWindow(HWND window) {
  if (!is_window(window)) return FALSE;
  window->proc(window, WM_DESTROY, 0, 0);
  SDL_DestroyWindow(window->sdl);
  window->alive = false;
  window->sdl = nullptr;
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
  return cursor;  // SDL shows the arrow by default
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
  pump_sdl_events();
  while (queue_count > 0 && queue[queue_head].message == 0 && queue[queue_head].hwnd == nullptr) {
    queue_head = (queue_head + 1) % QUEUE_SIZE;  // a message of a destroyed window
    --queue_count;
  }
  if (queue_count == 0) return FALSE;
  if (msg) *msg = queue[queue_head];
  if (remove & PM_REMOVE) {
    queue_head = (queue_head + 1) % QUEUE_SIZE;
    --queue_count;
  }
  return TRUE;
}

BOOL WINAPI GetMessageA(MSG* msg, HWND, UINT, UINT) {
  MSG m;
  while (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (video_ready)
      SDL_WaitEventTimeout(nullptr, 10);
    else
      SDL_Delay(10);
  }
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
  return enqueue(window, message, wparam, lparam);
}

void WINAPI PostQuitMessage(int exit_code) {
  enqueue(nullptr, WM_QUIT, static_cast<WPARAM>(exit_code), 0);
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
  SDL_Surface* surface = SDL_GetWindowSurface(dc->window->sdl);
  if (!surface) return 0;

  const bool top_down = h.biHeight < 0;
  const long long image_rows = top_down ? -static_cast<long long>(h.biHeight) : h.biHeight;
  const long long stride = (static_cast<long long>(h.biWidth) + 3) / 4 * 4;
  const RGBQUAD* colours = info->bmiColors;
  Uint32 lut[256];
  for (int i = 0; i < 256; ++i) lut[i] = SDL_MapRGB(surface->format, colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue);

  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return 0;
  const unsigned char* image = static_cast<const unsigned char*>(bits);
  const int bpp = surface->format->BytesPerPixel;
  for (long long r = 0; r < static_cast<long long>(height); ++r) {
    const long long dy = y_dest + r, sy = y_src + r;  // source row counted from the top of the image
    if (dy < 0 || dy >= surface->h || sy < 0 || sy >= image_rows) continue;
    const long long stored = top_down ? sy : image_rows - 1 - sy;  // row index in the bits
    if (stored < start_scan || stored >= static_cast<long long>(start_scan) + lines) continue;
    const unsigned char* src = image + (stored - start_scan) * stride;
    unsigned char* dst_row = static_cast<unsigned char*>(surface->pixels) + dy * surface->pitch;
    long long c0 = 0, c1 = width;
    if (x_dest + c0 < 0) c0 = -static_cast<long long>(x_dest);
    if (x_src + c0 < 0) c0 = -static_cast<long long>(x_src);
    if (x_dest + c1 > surface->w) c1 = surface->w - static_cast<long long>(x_dest);
    if (x_src + c1 > h.biWidth) c1 = h.biWidth - static_cast<long long>(x_src);
    if (bpp == 4) {
      Uint32* dst = reinterpret_cast<Uint32*>(dst_row) + x_dest;
      for (long long c = c0; c < c1; ++c) dst[c] = lut[src[x_src + c]];
    } else {
      for (long long c = c0; c < c1; ++c) std::memcpy(dst_row + (x_dest + c) * bpp, &lut[src[x_src + c]], bpp);
    }
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  SDL_UpdateWindowSurface(dc->window->sdl);
  return static_cast<int>(lines);
}

COLORREF WINAPI GetPixel(HDC dc, int x, int y) {
  if (!dc || !is_window(dc->window)) return CLR_INVALID;
  SDL_Surface* surface = SDL_GetWindowSurface(dc->window->sdl);
  if (!surface || x < 0 || y < 0 || x >= surface->w || y >= surface->h) return CLR_INVALID;
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return CLR_INVALID;
  const int bpp = surface->format->BytesPerPixel;
  Uint32 pixel = 0;
  std::memcpy(&pixel, static_cast<unsigned char*>(surface->pixels) + y * surface->pitch + x * bpp, bpp);
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  Uint8 r, g, b;
  SDL_GetRGB(pixel, surface->format, &r, &g, &b);
  return RGB(r, g, b);
}
