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
bool told_once = false;

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

EM_JS(void, page_state, (const int* values, int count), {
  if (Module['onBellscopeState'])
    Module['onBellscopeState'](Array.from(HEAP32.subarray(values >> 2, (values >> 2) + count)));
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
  if (told_once && std::memcmp(now, told, sizeof now) == 0) return;
  std::memcpy(told, now, sizeof now);
  told_once = true;
  page_state(told, STATE_VALUES);
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

void start() {
  EXPLORER_START(&program, screen_image);
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

int main() {
  screen_image = static_cast<unsigned char*>(std::malloc(SCREEN_WIDTH * SCREEN_HEIGHT));
  if (!screen_image) return fail("ERROR mallocing screen_image", "there is not enough memory for its picture.");
  start();
  if (!window_handle[0]) return fail("ERROR opening window", "it could not open its picture on this page.");
  emscripten_set_main_loop(pass, 0, 1);  // 0: at the browser's animation frame rate
  return 0;
}
