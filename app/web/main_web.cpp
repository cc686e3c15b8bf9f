// BELLSCOPE in the browser: the same start-up and passes as the desktop
// program, but the browser runs the loop, calling it once per animation
// frame. The page's own controls stand in for keys and drags (controls.h);
// the page hears of every change of what the picture shows, to say it in
// words. Esc ends the program: the loop stops, the window is closed and the
// page is told, so that it can say so and offer to start again.
#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "colours.h"
#include "controls.h"
#include "display.h"
#include "explorer.h"
#include "png.h"
#include "view.h"

namespace {

unsigned char* screen_image;
explorer program;
bool colour_blind_safe = false;
bool must_draw = true;  // the next pass must run: a new start or new colours
bool asleep = false;    // the loop is paused until input arrives

// What the page is told: for each Gaussian on (0/1), u and sigma as the
// picture shows them, then the selected Gaussian, the mode, the combined u
// and sigma (0 in Point by Point Multiplication), and the red, green and blue
// of each Gaussian's colour.
enum { STATE_VALUES = 4 * 3 + 4 + 4 * 3 };
int told[STATE_VALUES];
double told_numbers[2 * GAUSSIAN_COUNT];  // u and sigma of each, as they are
bool told_once = false;

// The view the page's address asks for, read once at the first start.
gaussian_set address_view;
bool address_read = false, address_ok = false;
char address_error[VIEW_ERROR_SIZE];

// Text handed back to the page.
char link_query[VIEW_ADDRESS_SIZE];
char value_error[VIEW_ERROR_SIZE];

// The picture for "Save picture": the frame's scanlines, the page's
// compression of them, and the PNG around it.
enum { RAW_SIZE = (SCREEN_WIDTH + 1) * SCREEN_HEIGHT };
unsigned char picture_raw[RAW_SIZE];
unsigned char picture_input[RAW_SIZE + RAW_SIZE / 64 + 64];  // stored blocks are this size at most
unsigned char picture_png[PNG_OVERHEAD + sizeof picture_input];
int picture_size = 0;

// Input the page receives wakes a sleeping loop, before the backend's own
// listeners turn it into messages, so the pass for it runs at the next
// animation frame.
EM_JS(void, listen_for_wakes, (), {
  if (Module['bellscopeWakes']) return;
  Module['bellscopeWakes'] = true;
  var wake = function() {
    Module['_BELLSCOPE_WAKE']();
  };
  [
    'keydown', 'keyup', 'mousedown', 'mousemove', 'mouseup', 'touchstart', 'touchmove', 'touchend', 'touchcancel',
    'blur'
  ]
      .forEach(function(type) { window.addEventListener(type, wake, {capture : true, passive : true}); });
});

EM_JS(void, page_ended, (), {
  if (Module['onBellscopeEnded']) Module['onBellscopeEnded']();
});

EM_JS(void, page_state, (const int* values, int count, const double* numbers, int number_count), {
  if (Module['onBellscopeState'])
    Module['onBellscopeState'](Array.from(HEAP32.subarray(values >> 2, (values >> 2) + count)),
                               Array.from(HEAPF64.subarray(numbers >> 3, (numbers >> 3) + number_count)));
});

// The page's query (location.search) into buffer; its length in bytes.
EM_JS(int, page_query, (char* buffer, int size), {
  var query = location.search || "";
  stringToUTF8(query, buffer, size);
  return lengthBytesUTF8(query);
});

// The address asked for a view that cannot be shown: the page says why.
EM_JS(void, page_view_refused, (const char* reason), {
  if (Module['onBellscopeViewRefused']) Module['onBellscopeViewRefused'](UTF8ToString(reason));
});

// Tells the page, in words, why the program cannot start (the page's
// Module.onBellscopeFailed); the same line goes to standard output.
EM_JS(void, page_failed, (const char* reason), {
  if (Module['onBellscopeFailed']) Module['onBellscopeFailed'](UTF8ToString(reason));
});

int fail(const char* line, const char* reason) {
  std::printf("%s\n", line);
  page_failed(reason);
  return 1;
}

const palette_colour* scheme() {
  return colour_blind_safe ? colour_blind_scheme : colour_scheme;
}

void tell_page() {
  int now[STATE_VALUES];
  const gaussian_set& s = program.set;
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) {
    now[3 * k] = s.g[k].on ? 1 : 0;
    now[3 * k + 1] = DISPLAY_VALUE(s.g[k].u);
    now[3 * k + 2] = DISPLAY_VALUE(s.g[k].sigma);
  }
  now[12] = s.selected;
  now[13] = s.recalc ? 1 : 0;
  now[14] = s.recalc ? DISPLAY_VALUE(s.combined_u) : 0;
  now[15] = s.recalc ? DISPLAY_VALUE(s.combined_sigma) : 0;
  for (int k = 0; k < GAUSSIAN_COUNT; ++k)
    for (const palette_colour* c = scheme(); c < scheme() + SCHEME_ENTRIES; ++c)
      if (c->index == GAUSSIAN_COLOUR(k + 1)) {
        now[16 + 3 * k] = c->red;
        now[17 + 3 * k] = c->green;
        now[18 + 3 * k] = c->blue;
      }
  double numbers[2 * GAUSSIAN_COUNT];
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) {
    numbers[k] = s.g[k].u;
    numbers[GAUSSIAN_COUNT + k] = s.g[k].sigma;
  }
  if (told_once && std::memcmp(now, told, sizeof now) == 0 && std::memcmp(numbers, told_numbers, sizeof numbers) == 0)
    return;
  std::memcpy(told, now, sizeof now);
  std::memcpy(told_numbers, numbers, sizeof numbers);
  told_once = true;
  page_state(told, STATE_VALUES, told_numbers, 2 * GAUSSIAN_COUNT);
}

void use_scheme() {
  for (const palette_colour* c = scheme(); c < scheme() + SCHEME_ENTRIES; ++c)
    SET_COLOR(c->index, c->red, c->green, c->blue);
  must_draw = true;
}

// Whether a pass could change anything. A pass acts on the messages it
// dispatches and on at most one latched key; with neither, it recomputes
// the state it already holds (a held left button sets u to the same column,
// a right-button drag sets sigma to the same offset) and draws the frame
// already shown. Skipping it then changes nothing but the work done, and
// keeps an idle page as light as a static one. KEY_WAITING is the pass's own
// first step: calling it early, with the queue empty, only looks at the
// latches.
bool pass_needed() {
  MSG msg;
  if (must_draw || PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) return true;
  return KEY_WAITING(0) == -1;
}

void wake() {
  if (!asleep) return;
  asleep = false;
  emscripten_resume_main_loop();
}

void pass() {
  CONTROL_STEP(emscripten_get_now());
  if (!pass_needed()) {
    // Nothing to do until input arrives: sleep rather than wake up sixty
    // times a second for nothing. A held control has work at coming passes.
    if (!CONTROL_BUSY()) {
      asleep = true;
      emscripten_pause_main_loop();
    }
    return;
  }
  must_draw = false;
  EXPLORER_PASS(&program);
  tell_page();
  if (!program.quit) return;
  emscripten_cancel_main_loop();
  EXPLORER_END(&program);
  page_ended();
}

// The view of the page's address, parsed with the frame tool's grammar; a
// wrong one is named on the page, and the program starts as usual.
void read_address() {
  static char query[16384];
  address_read = true;
  const int length = page_query(query, sizeof query);
  if (length >= static_cast<int>(sizeof query)) {
    std::snprintf(address_error, sizeof address_error, "the address is %d characters long (at most %d are read)",
                  length, static_cast<int>(sizeof query) - 1);
    address_ok = false;
  } else {
    address_ok = PARSE_VIEW_ADDRESS(query, &address_view, address_error);
  }
  if (!address_ok) page_view_refused(address_error);
}

void start() {
  EXPLORER_START(&program, screen_image);
  if (!address_read) read_address();
  if (address_ok) program.set = address_view;
  if (colour_blind_safe) use_scheme();
  CONTROL_RESET();
  listen_for_wakes();
  must_draw = true;
  asleep = false;
  told_once = false;
}

}  // namespace

// Starts the program again from its start-up state, after it has ended. The
// display library is initialised afresh, so no key or button state of the
// earlier run is carried over.
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_RESTART() {
  if (!program.quit) return;  // still running
  INIT_DISPLAY();
  start();
  emscripten_set_main_loop(pass, 0, 0);
}

// A page control pressed (1) or released (0): see controls.h.
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_CONTROL(int control, int down) {
  if (program.quit) return;
  CONTROL_INPUT(control, down, emscripten_get_now());
  wake();
}

// Input has arrived: a sleeping loop runs again from the next animation frame.
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_WAKE() {
  if (!program.quit) wake();
}

// The design's colours (0) or the colour-blind-safe ones (1), from the next
// frame on; the choice outlives a restart.
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_COLOURS(int safe) {
  colour_blind_safe = safe != 0;
  if (window_handle[0] && !program.quit) {
    use_scheme();
    wake();
  }
}

// The address of the view shown now: its query, without the '?'.
extern "C" EMSCRIPTEN_KEEPALIVE const char* BELLSCOPE_LINK() {
  FORMAT_VIEW_ADDRESS(&program.set, link_query, sizeof link_query);
  return link_query;
}

// A value typed for the selected Gaussian's u (0) or sigma (1), applied
// between two passes; null, or what is wrong with it (nothing changes then).
extern "C" EMSCRIPTEN_KEEPALIVE const char* BELLSCOPE_SET_VALUE(int sigma, const char* text) {
  double v = 0;
  if (!PARSE_VIEW_NUMBER(text ? text : "", &v, value_error)) return value_error;
  if (program.quit) return nullptr;
  gaussian& g = program.set.g[program.set.selected - 1];
  (sigma ? g.sigma : g.u) = v;
  must_draw = true;
  wake();
  return nullptr;
}

// "Save picture", in steps around the page's compression: the frame shown
// now as PNG scanlines; room for their compressed form; the PNG of that (or,
// for a size below 0, of the scanlines stored uncompressed), in the colours
// shown, and its size.
extern "C" EMSCRIPTEN_KEEPALIVE const unsigned char* BELLSCOPE_PICTURE_DATA() {
  PNG_SCANLINES(screen_image, SCREEN_WIDTH, SCREEN_HEIGHT, picture_raw);
  return picture_raw;
}

extern "C" EMSCRIPTEN_KEEPALIVE int BELLSCOPE_PICTURE_DATA_SIZE() {
  return RAW_SIZE;
}

extern "C" EMSCRIPTEN_KEEPALIVE unsigned char* BELLSCOPE_PICTURE_INPUT(int size) {
  return size >= 0 && static_cast<std::size_t>(size) <= sizeof picture_input ? picture_input : nullptr;
}

extern "C" EMSCRIPTEN_KEEPALIVE const unsigned char* BELLSCOPE_PICTURE(int zlib_size) {
  if (zlib_size < 0) {
    PNG_STORED(picture_raw, RAW_SIZE, picture_input);
    zlib_size = static_cast<int>(PNG_STORED_SIZE(RAW_SIZE));
  }
  if (static_cast<std::size_t>(zlib_size) > sizeof picture_input) return nullptr;
  unsigned char palette[256][3];
  PALETTE_OF(scheme(), palette);
  PNG_ASSEMBLE(SCREEN_WIDTH, SCREEN_HEIGHT, palette, picture_input, static_cast<std::size_t>(zlib_size), picture_png);
  picture_size = PNG_OVERHEAD + zlib_size;
  return picture_png;
}

extern "C" EMSCRIPTEN_KEEPALIVE int BELLSCOPE_PICTURE_SIZE() {
  return picture_size;
}

int main() {
  screen_image = static_cast<unsigned char*>(std::malloc(SCREEN_WIDTH * SCREEN_HEIGHT));
  if (!screen_image) return fail("ERROR mallocing screen_image", "there is not enough memory for its picture.");
  start();
  if (!window_handle[0]) return fail("ERROR opening window", "it could not open its picture on this page.");
  emscripten_set_main_loop(pass, 0, 1);  // 0: at the browser's animation frame rate
  return 0;
}
