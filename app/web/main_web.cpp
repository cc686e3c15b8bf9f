// BELLSCOPE in the browser: the same start-up and passes as the desktop
// program, but the browser runs the loop, calling it once per animation
// frame. The page's own controls stand in for keys and drags (controls.h);
// the page hears of every change of what the picture shows, to say it in
// words (WEB_TELL_STATE). Esc ends the program: the loop stops, the window
// is closed and the page is told, so that it can say so and offer to start
// again.
#include <emscripten.h>

#include <windows.h>
#include <cstdio>
#include <cstdlib>

#include "controls.h"
#include "display.h"
#include "page.h"
#include "view.h"
#include "web_state.h"

namespace {

// Whether a pass could change anything. A pass acts on the messages it
// dispatches and on at most one latched key; with neither, it recomputes
// the state it already holds (a held left button sets u to the same column,
// a right-button drag sets sigma to the same offset) and draws the frame
// already shown. Skipping it changes nothing but the work done, and keeps an
// idle page as light as a static one. KEY_WAITING is the pass's own first
// step: called early, with the queue empty, it only looks at the latches.
bool pass_needed() {
  MSG msg;
  if (web.run.must_draw || PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) return true;
  return KEY_WAITING(0) == -1;
}

// The passes of one animation frame: input since the last frame may hold
// several key presses, each met in a pass of its own (the stand-in's one
// press a drain) as on the desktop. At most PASSES_A_FRAME run, so that a
// flood of input cannot stall the page; the rest waits for the next frame.
enum { PASSES_A_FRAME = 32 };

}  // namespace

// One animation frame's work, which the loop (PAGE_RUN_FRAMES) calls.
void BELLSCOPE_FRAME() {
  web_run& run = web.run;
  CONTROL_STEP(emscripten_get_now());
  if (!pass_needed()) {
    // Nothing to do until input arrives: sleep rather than wake up sixty
    // times a second for nothing. A held control has work at coming passes.
    if (!CONTROL_BUSY()) WEB_SLEEP();
    return;
  }
  for (int n = 0; n < PASSES_A_FRAME && !run.program.quit && (n == 0 || pass_needed()); ++n) {
    run.must_draw = false;
    EXPLORER_PASS(&run.program);
  }
  WEB_TELL_STATE();
  if (!run.program.quit) return;
  PAGE_RUN_FRAMES(0);
  EXPLORER_END(&run.program);
  PAGE_ENDED();
}

namespace {

// A run from the start, in the view `resume` names (a query as BELLSCOPE_LINK
// writes it, over the page's base) or, without one, in the page's view;
// false when no window could be opened.
bool start(const char* resume) {
  web.run = web_run{};
  EXPLORER_START(&web.run.program, web.screen_image);
  if (!window_handle[0]) return false;
  view_refusal refusal;
  WEB_PAGE_VIEW(&web.run.program.set);
  gaussian_set resumed;
  if (resume && PARSE_VIEW_ADDRESS_ONTO(resume, WEB_BASE_VIEW(), &resumed, &refusal)) web.run.program.set = resumed;
  if (web.challenge.on) WEB_SHOW_CHALLENGE();
  if (web.track.on) WEB_SHOW_TRACK();
  WEB_USE_COLOURS(web.colours);
  CONTROL_RESET();
  PAGE_LISTEN_FOR_WAKES();
  web.run.must_draw = true;
  PAGE_STARTED();
  return true;
}

// Why no window could be opened, from the stand-in's last error: the key
// of the page's text that says it (PAGE_FAILED).
const char* window_failure() {
  switch (GetLastError()) {
    case ERROR_NOT_FOUND: return "cannotStartNoCanvas";
    case ERROR_NOT_SUPPORTED: return "cannotStartNoInput";
    default: return "cannotStartNoWindow";
  }
}

// The console hears of a failure in English, as the desktop program says
// it; the page says the reason in its own language.
int fail(const char* line, const char* reason_key) {
  std::printf("%s\n", line);
  PAGE_FAILED(reason_key);
  return 1;
}

}  // namespace

// The display library is initialised afresh, so that no key or button
// state of the earlier run is carried over.
void BELLSCOPE_RESTART(const char* resume) {
  if (!web.run.program.quit) return;  // still running
  INIT_DISPLAY();
  if (!start(resume)) {
    fail("ERROR opening window", window_failure());
    return;
  }
  PAGE_RUN_FRAMES(1);
}

int main() {
  web.screen_image = static_cast<unsigned char*>(std::malloc(SCREEN_WIDTH * SCREEN_HEIGHT));
  if (!web.screen_image) return fail("ERROR mallocing screen_image", "cannotStartNoMemory");
  if (!start(nullptr)) return fail("ERROR opening window", window_failure());
  PAGE_RUN_FRAMES(1);
  emscripten_exit_with_live_runtime();  // the loop goes on after main
  return 0;
}
