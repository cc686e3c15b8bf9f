// The browser backend of the Windows API stand-in, over Emscripten's html5.h.
// Every window has a 32-bit RGBA pixel buffer; the window shown last owns the
// canvas the page hands over as Module.canvas, whose backing store is the
// window's client size and which the page lays out at the size it chooses.
// Keys are taken at page level; mouse and touch input on the canvas becomes
// mouse messages in image columns and rows at any scale.
//
// The browser calls the program once per animation frame, so nothing here
// waits: input callbacks post their messages as the browser delivers them,
// between two passes of the program's loop.
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "keysyms.h"
#include "standin.h"

namespace {

// html5.h's name for the page's canvas: the element in Module.canvas, made a
// special event target when the backend starts.
const char CANVAS[] = "!canvas";

struct web_window {
  std::uint32_t* pixels;  // RGBA bytes in memory order, width*height
  int width, height;
  bool shown;
};

web_window* on_canvas = nullptr;  // the window the canvas shows
bool shift_down[2];               // left and right Shift, released on blur
int last_x = 0, last_y = 0;       // last pointer position over the canvas, in image pixels

struct named_key {
  const char* code;
  WPARAM key;
};

const named_key named_keys[] = {
    {"Tab", VK_TAB},
    {"Enter", VK_RETURN},
    {"NumpadEnter", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {"Space", VK_SPACE},
    {"Backspace", VK_BACK},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
    {"End", VK_END},
    {"Home", VK_HOME},
    {"ArrowLeft", VK_LEFT},
    {"ArrowUp", VK_UP},
    {"ArrowRight", VK_RIGHT},
    {"ArrowDown", VK_DOWN},
    {"Insert", VK_INSERT},
    {"Delete", VK_DELETE},
    {"NumpadAdd", VK_ADD},
    {"NumpadSubtract", VK_SUBTRACT},
    {"ShiftLeft", KEYSYM_SHIFT_L},
    {"ShiftRight", KEYSYM_SHIFT_R},
    {"ControlLeft", KEYSYM_CONTROL_L},
    {"ControlRight", KEYSYM_CONTROL_R},
    {"AltLeft", KEYSYM_ALT_L},
    {"AltRight", KEYSYM_ALT_R},
};

// Takes the canvas the page hands over as Module.canvas: it becomes html5.h's
// "!canvas", and touches on it are cancelled where the browser lets them be
// (so no scrolling, zooming or emulated mouse events follow a finger), but
// never where it does not, which the browser reports as an error. Returns 0
// when the page gives no canvas.
EM_JS(int, canvas_attach, (), {
  var canvas = Module['canvas'];
  if (!canvas || typeof canvas.getContext != 'function') return 0;
  specialHTMLTargets['!canvas'] = canvas;
  if (!canvas.bellscopeTouch) {
    canvas.bellscopeTouch = true;
    var cancel = function(e) {
      if (e.cancelable) e.preventDefault();
    };
    [ 'touchstart', 'touchmove', 'touchend' ].forEach(
        function(type) { canvas.addEventListener(type, cancel, {passive : false}); });
  }
  return 1;
});

// Copies a window's pixels onto the canvas, straight from the module's
// memory (an image over it is made again when the memory grows, or for
// other pixels).
EM_JS(void, canvas_put, (const void* pixels, int width, int height), {
  var canvas = Module['canvas'];
  if (!canvas) return;
  var context = canvas.getContext('2d', {alpha : false});
  var image = Module['bellscopeImage'];
  if (!image || image.data.buffer != HEAPU8.buffer || image.data.byteOffset != pixels || image.width != width ||
      image.height != height) {
    image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4), width, height);
    Module['bellscopeImage'] = image;
  }
  context.putImageData(image, 0, 0);
});

// Gives the canvas a backing store of exactly width x height: the page
// decides the size it is shown at, and input maps to image pixels at any size.
EM_JS(void, canvas_fit, (int width, int height), {
  var canvas = Module['canvas'];
  if (!canvas || width <= 0 || height <= 0) return;
  if (canvas.width != width) canvas.width = width;
  if (canvas.height != height) canvas.height = height;
});

EM_JS(void, page_title, (const char* title), {
  if (UTF8ToString(title)) document.title = UTF8ToString(title);
});

HWND canvas_window() {
  return STANDIN_WINDOW_OF(on_canvas);
}

// A position relative to the canvas's top-left corner, in CSS pixels, as an
// image column and row: the canvas's displayed size may be any multiple of
// its backing store. Positions off the canvas give columns and rows outside
// the image; they are computed in double and clamped so that any value,
// including NaN, gives a defined result.
void to_image(double css_x, double css_y, int* x, int* y) {
  double shown_w = 0, shown_h = 0;
  emscripten_get_element_css_size(CANVAS, &shown_w, &shown_h);
  const double sx = shown_w > 0 ? on_canvas->width / shown_w : 1.0;
  const double sy = shown_h > 0 ? on_canvas->height / shown_h : 1.0;
  double fx = std::floor(css_x * sx), fy = std::floor(css_y * sy);
  if (!(fx >= -1.0)) fx = -1.0;  // also NaN
  if (!(fy >= -1.0)) fy = -1.0;
  if (fx > on_canvas->width) fx = on_canvas->width;
  if (fy > on_canvas->height) fy = on_canvas->height;
  *x = static_cast<int>(fx);
  *y = static_cast<int>(fy);
}

bool inside(int x, int y) {
  return x >= 0 && y >= 0 && x < on_canvas->width && y < on_canvas->height;
}

int clamp(int v, int high) {
  return v < 0 ? 0 : v > high ? high : v;
}

WPARAM key_code(const char* code) {
  if (std::strncmp(code, "Key", 3) == 0 && code[3] >= 'A' && code[3] <= 'Z' && code[4] == 0) return code[3];
  if (std::strncmp(code, "Digit", 5) == 0 && code[5] >= '0' && code[5] <= '9' && code[6] == 0) return code[5];
  if (code[0] == 'F' && code[1] >= '1' && code[1] <= '9') {  // "F1" to "F12"
    char* end = nullptr;
    const long n = std::strtol(code + 1, &end, 10);
    if (*end == 0 && n <= 12) return VK_F1 + static_cast<WPARAM>(n) - 1;
  }
  for (const named_key& k : named_keys)
    if (std::strcmp(code, k.code) == 0) return k.key;
  return 0;
}

bool modifier(WPARAM key) {
  return key == KEYSYM_SHIFT_L || key == KEYSYM_SHIFT_R || key == KEYSYM_CONTROL_L || key == KEYSYM_CONTROL_R ||
         key == KEYSYM_ALT_L || key == KEYSYM_ALT_R;
}

EM_BOOL on_key(int type, const EmscriptenKeyboardEvent* e, void*) {
  const WPARAM key = key_code(e->code);
  HWND w = canvas_window();
  if (key == 0 || !w) return EM_FALSE;  // unknown keys keep their browser meaning
  const bool down = type == EMSCRIPTEN_EVENT_KEYDOWN;
  // A key pressed with Ctrl, Alt or Meta is the browser's alone (Alt+Left
  // goes back, Ctrl+F4 closes the tab): the program hears of the modifiers,
  // and of every release, which finds the key up already at worst.
  if (down && (e->ctrlKey || e->altKey || e->metaKey) && !modifier(key)) return EM_FALSE;
  if (key == KEYSYM_SHIFT_L || key == KEYSYM_SHIFT_R) shift_down[key - KEYSYM_SHIFT_L] = down;
  DWORD lparam = 1u;
  if (e->repeat) lparam |= 1u << 30;  // previous key state: down
  if (!down) lparam |= 3u << 30;
  STANDIN_POST(w, down ? WM_KEYDOWN : WM_KEYUP, key, static_cast<LPARAM>(lparam));
  return EM_FALSE;  // the page decides which keys lose their browser action
}

// A page that loses the focus never hears of the keys released meanwhile:
// release Shift, so that the step does not stay at ten.
EM_BOOL on_blur(int, const EmscriptenFocusEvent*, void*) {
  HWND w = canvas_window();
  for (int i = 0; i < 2; ++i)
    if (shift_down[i] && w) STANDIN_POST(w, WM_KEYUP, KEYSYM_SHIFT_L + i, static_cast<LPARAM>(1u | 3u << 30));
  shift_down[0] = shift_down[1] = false;
  return EM_FALSE;
}

UINT button_message(unsigned short button, bool down) {
  if (button == 0) return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
  if (button == 2) return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
  return 0;
}

WPARAM buttons_held(unsigned short buttons) {
  return (buttons & 1 ? MK_LBUTTON : 0) | (buttons & 2 ? MK_RBUTTON : 0);
}

// Presses and motion over the canvas.
EM_BOOL on_canvas_mouse(int type, const EmscriptenMouseEvent* e, void*) {
  HWND w = canvas_window();
  if (!w) return EM_FALSE;
  int x, y;
  to_image(e->targetX, e->targetY, &x, &y);
  // As on Windows without mouse capture, motion counts over the image only.
  if (!inside(x, y)) return EM_FALSE;
  last_x = x;
  last_y = y;
  if (type == EMSCRIPTEN_EVENT_MOUSEMOVE) {
    STANDIN_POST(w, WM_MOUSEMOVE, buttons_held(e->buttons), MAKELPARAM(x, y));
    return EM_FALSE;
  }
  const UINT message = button_message(e->button, true);
  if (message) STANDIN_POST(w, message, 0, MAKELPARAM(x, y));
  return message ? EM_TRUE : EM_FALSE;
}

// Releases are heard on the whole page, so that a button pressed on the
// canvas and released elsewhere does not stay held.
EM_BOOL on_mouse_up(int, const EmscriptenMouseEvent* e, void*) {
  HWND w = canvas_window();
  const UINT message = button_message(e->button, false);
  if (w && message) STANDIN_POST(w, message, 0, MAKELPARAM(last_x, last_y));
  return EM_FALSE;
}

// Touch: one finger held on the canvas is the held left button, two fingers
// are a right-button drag whose pointer is the fingers' midpoint, moved on
// by half of how much further apart they are than when they landed: two
// fingers dragged sideways, or spread apart, widen the selected Gaussian,
// and pinched together narrow it. A gesture ends when the last finger lifts.
enum touch_gesture { TOUCH_NONE, TOUCH_LEFT, TOUCH_RIGHT, TOUCH_DONE };
touch_gesture gesture = TOUCH_NONE;
double spread_at_start = 0;  // the two fingers' distance apart, sideways, when the drag began

EM_BOOL on_touch(int type, const EmscriptenTouchEvent* e, void*) {
  HWND w = canvas_window();
  if (!w) return EM_FALSE;
  const bool ending = type == EMSCRIPTEN_EVENT_TOUCHEND || type == EMSCRIPTEN_EVENT_TOUCHCANCEL;
  double xs[2] = {0, 0}, ys[2] = {0, 0};
  int fingers = 0;
  for (int i = 0; i < e->numTouches; ++i) {
    const EmscriptenTouchPoint& t = e->touches[i];
    if (ending && t.isChanged) continue;  // lifted in this event
    if (fingers < 2) {
      xs[fingers] = static_cast<double>(t.targetX);
      ys[fingers] = static_cast<double>(t.targetY);
    }
    ++fingers;
  }
  const int last_column = on_canvas->width - 1, last_row = on_canvas->height - 1;
  int x, y;
  const double spread = xs[0] > xs[1] ? xs[0] - xs[1] : xs[1] - xs[0];
  if (fingers >= 2 && gesture != TOUCH_RIGHT) spread_at_start = spread;
  if (fingers >= 2)
    to_image((xs[0] + xs[1]) / 2 + (spread - spread_at_start) / 2, (ys[0] + ys[1]) / 2, &x, &y);
  else
    to_image(xs[0], ys[0], &x, &y);
  x = clamp(x, last_column);
  y = clamp(y, last_row);
  const LPARAM at = MAKELPARAM(x, y);

  if (fingers == 0) {
    if (gesture == TOUCH_LEFT) STANDIN_POST(w, WM_LBUTTONUP, 0, at);
    if (gesture == TOUCH_RIGHT) STANDIN_POST(w, WM_RBUTTONUP, 0, at);
    gesture = TOUCH_NONE;
  } else if (fingers == 1) {
    if (gesture == TOUCH_NONE) {
      STANDIN_POST(w, WM_MOUSEMOVE, 0, at);
      STANDIN_POST(w, WM_LBUTTONDOWN, 0, at);
      gesture = TOUCH_LEFT;
    } else if (gesture == TOUCH_LEFT) {
      STANDIN_POST(w, WM_MOUSEMOVE, MK_LBUTTON, at);
    } else if (gesture == TOUCH_RIGHT) {
      // One of two fingers lifted: the drag ends, and the finger left on
      // the glass does nothing until it lifts too.
      STANDIN_POST(w, WM_RBUTTONUP, 0, at);
      gesture = TOUCH_DONE;
    }
  } else {
    if (gesture == TOUCH_RIGHT) {
      STANDIN_POST(w, WM_MOUSEMOVE, MK_RBUTTON, at);
    } else {
      if (gesture == TOUCH_LEFT) STANDIN_POST(w, WM_LBUTTONUP, 0, at);
      STANDIN_POST(w, WM_MOUSEMOVE, 0, at);
      STANDIN_POST(w, WM_RBUTTONDOWN, 0, at);
      gesture = TOUCH_RIGHT;
    }
  }
  last_x = x;
  last_y = y;
  return EM_FALSE;  // cancelled, where it can be, by canvas_attach's listener
}

}  // namespace

bool BACKEND_START() {
  // The program runs at most a few passes an animation frame: keys pressed
  // in between must still reach it one by one.
  STANDIN_ONE_PRESS_A_DRAIN(true);
  if (!canvas_attach()) {
    SetLastError(ERROR_NOT_FOUND);  // no canvas to draw on
    return false;
  }
  const char* page = EMSCRIPTEN_EVENT_TARGET_WINDOW;
  const EMSCRIPTEN_RESULT results[] = {
      emscripten_set_keydown_callback(page, nullptr, EM_TRUE, on_key),
      emscripten_set_keyup_callback(page, nullptr, EM_TRUE, on_key),
      emscripten_set_blur_callback(page, nullptr, EM_TRUE, on_blur),
      emscripten_set_mousedown_callback(CANVAS, nullptr, EM_TRUE, on_canvas_mouse),
      emscripten_set_mousemove_callback(CANVAS, nullptr, EM_TRUE, on_canvas_mouse),
      emscripten_set_mouseup_callback(page, nullptr, EM_TRUE, on_mouse_up),
      emscripten_set_touchstart_callback(CANVAS, nullptr, EM_TRUE, on_touch),
      emscripten_set_touchmove_callback(CANVAS, nullptr, EM_TRUE, on_touch),
      emscripten_set_touchend_callback(CANVAS, nullptr, EM_TRUE, on_touch),
      emscripten_set_touchcancel_callback(CANVAS, nullptr, EM_TRUE, on_touch),
  };
  for (EMSCRIPTEN_RESULT r : results)
    if (r != EMSCRIPTEN_RESULT_SUCCESS) {
      SetLastError(ERROR_NOT_SUPPORTED);  // the browser would not pass its input on
      return false;
    }
  return true;
}

void* BACKEND_CREATE(const char* title, int, int, int width, int height) {
  web_window* w = static_cast<web_window*>(std::malloc(sizeof(web_window)));
  std::uint32_t* pixels = static_cast<std::uint32_t*>(std::calloc(static_cast<std::size_t>(width) * height, 4));
  if (!w || !pixels) {
    std::free(w);
    std::free(pixels);
    return nullptr;
  }
  *w = web_window{pixels, width, height, false};
  page_title(title);
  return w;
}

bool BACKEND_SHOW(void* native) {
  web_window* w = static_cast<web_window*>(native);
  const bool was_shown = w->shown;
  w->shown = true;
  on_canvas = w;
  gesture = TOUCH_NONE;
  canvas_fit(w->width, w->height);
  canvas_put(w->pixels, w->width, w->height);
  return was_shown;
}

void BACKEND_DESTROY(void* native) {
  web_window* w = static_cast<web_window*>(native);
  if (on_canvas == w) on_canvas = nullptr;  // the canvas keeps its last picture
  std::free(w->pixels);
  std::free(w);
}

bool BACKEND_LOCK(void* native, standin_surface* surface) {
  web_window* w = static_cast<web_window*>(native);
  *surface =
      standin_surface{reinterpret_cast<unsigned char*>(w->pixels), w->width * 4L, w->width, w->height, 4, nullptr};
  return true;
}

void BACKEND_UNLOCK(void* native, bool present) {
  web_window* w = static_cast<web_window*>(native);
  if (present && w == on_canvas) canvas_put(w->pixels, w->width, w->height);
}

// WebAssembly is little-endian: R, G, B, A in memory is the canvas's order.
std::uint32_t BACKEND_MAP_RGB(const standin_surface&, BYTE red, BYTE green, BYTE blue) {
  return red | static_cast<std::uint32_t>(green) << 8 | static_cast<std::uint32_t>(blue) << 16 | 0xff000000u;
}

void BACKEND_GET_RGB(const standin_surface&, std::uint32_t pixel, BYTE* red, BYTE* green, BYTE* blue) {
  *red = static_cast<BYTE>(pixel);
  *green = static_cast<BYTE>(pixel >> 8);
  *blue = static_cast<BYTE>(pixel >> 16);
}

// Input callbacks have posted their messages already.
void BACKEND_PUMP() {}

// The browser cannot be made to wait: a wait here would freeze the tab. The
// program asks for messages only after PeekMessageA has found one, so this
// is never reached; if it ever is, stop loudly rather than spin.
void BACKEND_WAIT(int) {
  std::fputs("INTERNAL ERROR: GetMessageA would wait in the browser\n", stderr);
  std::abort();
}

DWORD BACKEND_TICKS() {
  const double now = emscripten_get_now();
  return now >= 0 && now < 4294967295.0 ? static_cast<DWORD>(now) : 0;
}
