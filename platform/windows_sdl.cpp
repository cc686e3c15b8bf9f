// The SDL2 backend of the Windows API stand-in: SDL windows whose client area
// is the whole window, SDL's events translated into window messages, and the
// window surface as the device that SetDIBitsToDevice draws on.
#include <SDL.h>

#include <cstring>

#include "keysyms.h"
#include "sdl_bridge.h"
#include "standin.h"

namespace {

bool close_translated = false;  // a window close event came in the current batch of SDL events

HWND window_of_sdl_id(Uint32 id) {
  return STANDIN_WINDOW_OF(SDL_GetWindowFromID(id));
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
      if (!w) w = STANDIN_FIRST_WINDOW();
      if (w)
        STANDIN_POST(w, e.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, STANDIN_KEY_CODE(e.key.keysym.sym),
                     key_lparam(e.key));
      break;
    }
    case SDL_MOUSEMOTION: {
      HWND w = window_of_sdl_id(e.motion.windowID);
      // Without mouse capture Windows reports motion only over the client area.
      int width = 0, height = 0;
      if (!STANDIN_CLIENT_SIZE(w, &width, &height)) break;
      if (e.motion.x < 0 || e.motion.y < 0 || e.motion.x >= width || e.motion.y >= height) break;
      WPARAM buttons =
          (e.motion.state & SDL_BUTTON_LMASK ? MK_LBUTTON : 0) | (e.motion.state & SDL_BUTTON_RMASK ? MK_RBUTTON : 0);
      STANDIN_POST(w, WM_MOUSEMOVE, buttons, MAKELPARAM(e.motion.x, e.motion.y));
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      HWND w = window_of_sdl_id(e.button.windowID);
      if (!w) w = STANDIN_FIRST_WINDOW();
      const bool down = e.type == SDL_MOUSEBUTTONDOWN;
      UINT message = 0;
      if (e.button.button == SDL_BUTTON_LEFT) message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
      if (e.button.button == SDL_BUTTON_RIGHT) message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
      // Releases go through wherever they happen, so no button stays held.
      if (w && message) STANDIN_POST(w, message, 0, MAKELPARAM(e.button.x, e.button.y));
      break;
    }
    case SDL_WINDOWEVENT: {
      HWND w = window_of_sdl_id(e.window.windowID);
      if (!w) break;
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
        STANDIN_POST(w, WM_CLOSE, 0, 0);
        close_translated = true;
      } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
        STANDIN_POST(w, WM_PAINT, 0, 0);
      }
      break;
    }
    case SDL_QUIT: {
      // A real close request arrives both as a window event and as SDL_QUIT:
      // deliver it once. SDL_QUIT alone (a signal, say) closes the first window.
      if (close_translated) break;
      HWND w = STANDIN_FIRST_WINDOW();
      if (w) STANDIN_POST(w, WM_CLOSE, 0, 0);
      break;
    }
    default: break;
  }
}

}  // namespace

SDL_Window* STANDIN_SDL_WINDOW(HWND window) {
  return static_cast<SDL_Window*>(STANDIN_NATIVE(window));
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
    case SDLK_LSHIFT: return KEYSYM_SHIFT_L;
    case SDLK_RSHIFT: return KEYSYM_SHIFT_R;
    case SDLK_LCTRL: return KEYSYM_CONTROL_L;
    case SDLK_RCTRL: return KEYSYM_CONTROL_R;
    case SDLK_LALT: return KEYSYM_ALT_L;
    case SDLK_RALT: return KEYSYM_ALT_R;
    default: return 0;
  }
}

// SDL chooses among real video drivers only, unless SDL_VIDEODRIVER names
// one: its offscreen and dummy drivers would show nothing to the user.
bool BACKEND_START() {
  const char* chosen = SDL_getenv("SDL_VIDEODRIVER");
  if (chosen && *chosen) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
  } else {
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
      const char* name = SDL_GetVideoDriver(i);
      if (std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0) continue;
      // Without a Wayland session its client library only complains on stderr.
      if (std::strcmp(name, "wayland") == 0 && !SDL_getenv("WAYLAND_DISPLAY")) continue;
      if (SDL_VideoInit(name) == 0) return true;
    }
  }
  SetLastError(ERROR_NOT_SUPPORTED);  // no display to show a window on
  return false;
}

void* BACKEND_CREATE(const char* title, int x, int y, int width, int height) {
  return SDL_CreateWindow(title, x, y, width, height, SDL_WINDOW_HIDDEN);
}

bool BACKEND_SHOW(void* native) {
  SDL_Window* w = static_cast<SDL_Window*>(native);
  const bool was_visible = (SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN) != 0;
  SDL_ShowWindow(w);
  return was_visible;
}

void BACKEND_DESTROY(void* native) {
  SDL_DestroyWindow(static_cast<SDL_Window*>(native));
}

bool BACKEND_LOCK(void* native, standin_surface* surface) {
  SDL_Surface* s = SDL_GetWindowSurface(static_cast<SDL_Window*>(native));
  if (!s || (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0)) return false;
  *surface = standin_surface{
      static_cast<unsigned char*>(s->pixels), s->pitch, s->w, s->h, s->format->BytesPerPixel, s->format};
  return true;
}

void BACKEND_UNLOCK(void* native, bool present) {
  SDL_Window* w = static_cast<SDL_Window*>(native);
  SDL_Surface* s = SDL_GetWindowSurface(w);
  if (s && SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
  if (present) SDL_UpdateWindowSurface(w);
}

std::uint32_t BACKEND_MAP_RGB(const standin_surface& surface, BYTE red, BYTE green, BYTE blue) {
  return SDL_MapRGB(static_cast<const SDL_PixelFormat*>(surface.format), red, green, blue);
}

void BACKEND_GET_RGB(const standin_surface& surface, std::uint32_t pixel, BYTE* red, BYTE* green, BYTE* blue) {
  SDL_GetRGB(pixel, static_cast<const SDL_PixelFormat*>(surface.format), red, green, blue);
}

void BACKEND_PUMP() {
  SDL_Event e;
  while (!STANDIN_QUEUE_FULL() && SDL_PollEvent(&e)) translate(e);
  close_translated = false;
}

void BACKEND_WAIT(int ms) {
  if (SDL_WasInit(SDL_INIT_VIDEO))
    SDL_WaitEventTimeout(nullptr, ms);
  else
    SDL_Delay(ms);
}

DWORD BACKEND_TICKS() {
  return SDL_GetTicks();
}
