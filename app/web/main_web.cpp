// BELLSCOPE in the browser: the same start-up and passes as the desktop
// program, but the browser runs the loop, calling it once per animation
// frame. The page's own controls stand in for keys and drags (controls.h);
// the page hears of every change of what the picture shows, to say it in
// words (page.h). Esc ends the program: the loop stops, the window is closed
// and the page is told, so that it can say so and offer to start again.
#include <emscripten.h>

#include <windows.h>
#include <cstdio>
#include <cstdlib>

#include "controls.h"
#include "display.h"
#include "page.h"
#include "view.h"
#include "web_program.h"

web_program web = {nullptr, &colour_profiles[0], {}, {}, false, false, {}, {}};

namespace {

// The loop: BELLSCOPE_FRAME once per animation frame while it runs, and no
// work at all while it sleeps or after the end. A frame's own call may stop
// it, or, waking it, ask for the next frame once.
EM_JS(void, frames_run, (int running), {
  var loop = Module['bellscopeLoop'] || (Module['bellscopeLoop'] = {running : false, asked : false});
  loop.running = !!running;
  if (!loop.running || loop.asked) return;
  loop.asked = true;
  requestAnimationFrame(function tick() {
    loop.asked = false;
    if (!loop.running) return;
    _BELLSCOPE_FRAME();
    if (loop.running && !loop.asked) {
      loop.asked = true;
      requestAnimationFrame(tick);
    }
  });
});

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

// One animation frame's work, which the loop above calls (the page does not).
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_FRAME() {
  web_run& run = web.run;
  CONTROL_STEP(emscripten_get_now());
  if (!pass_needed()) {
    // Nothing to do until input arrives: sleep rather than wake up sixty
    // times a second for nothing. A held control has work at coming passes.
    if (!CONTROL_BUSY()) {
      run.asleep = true;
      frames_run(0);
    }
    return;
  }
  for (int n = 0; n < PASSES_A_FRAME && !run.program.quit && (n == 0 || pass_needed()); ++n) {
    run.must_draw = false;
    EXPLORER_PASS(&run.program);
  }
  PAGE_TELL_STATE();
  if (!run.program.quit) return;
  frames_run(0);
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
  if (resume && PARSE_VIEW_ADDRESS_ONTO(resume, &web.base_view, &resumed, &refusal)) web.run.program.set = resumed;
  if (web.challenge.on) WEB_SHOW_CHALLENGE();
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

namespace {

// After the end the canvas keeps the last frame, which other colours paint
// again from its palette indices, as its window did: `rgb` holds 256 RGB
// triples.
EM_JS(void, canvas_recolour, (const unsigned char* image, int width, int height, const unsigned char* rgb), {
  var canvas = Module['canvas'];
  if (!canvas || canvas.width != width || canvas.height != height) return;
  var context = canvas.getContext('2d', {alpha : false});
  var picture = context.createImageData(width, height);
  var out = picture.data;
  for (var i = 0; i < width * height; ++i) {
    var c = rgb + 3 * HEAPU8[image + i];
    out[4 * i] = HEAPU8[c];
    out[4 * i + 1] = HEAPU8[c + 1];
    out[4 * i + 2] = HEAPU8[c + 2];
    out[4 * i + 3] = 255;
  }
  context.putImageData(picture, 0, 0);
});

}  // namespace

// Every entry, so that what one profile sets another puts back. After the
// end, the picture shown takes them, and the page hears of them at once.
void WEB_USE_COLOURS(const colour_profile* colours) {
  web.colours = colours;
  unsigned char rgb[256][3];
  PALETTE_OF(colours, rgb);
  if (web.run.program.quit) {
    canvas_recolour(web.screen_image, SCREEN_WIDTH, SCREEN_HEIGHT, &rgb[0][0]);
    PAGE_TELL_STATE();
    return;
  }
  if (!window_handle[0]) return;
  for (int i = 0; i < 256; ++i) SET_COLOR(i, rgb[i][0], rgb[i][1], rgb[i][2]);
  web.run.must_draw = true;
  WEB_WAKE();
}

void WEB_WAKE() {
  if (!web.run.asleep) return;
  web.run.asleep = false;
  frames_run(1);
}

// Starts the program again after it has ended: in the view `resume` names
// (an address's query, as BELLSCOPE_LINK wrote it), or, when it is null or
// wrong, in the page's view. The display library is initialised afresh, so
// no key or button state of the earlier run is carried over.
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_RESTART(const char* resume) {
  if (!web.run.program.quit) return;  // still running
  INIT_DISPLAY();
  if (!start(resume)) {
    fail("ERROR opening window", window_failure());
    return;
  }
  frames_run(1);
}

int main() {
  web.screen_image = static_cast<unsigned char*>(std::malloc(SCREEN_WIDTH * SCREEN_HEIGHT));
  if (!web.screen_image) return fail("ERROR mallocing screen_image", "cannotStartNoMemory");
  if (!start(nullptr)) return fail("ERROR opening window", window_failure());
  frames_run(1);
  emscripten_exit_with_live_runtime();  // the loop goes on after main
  return 0;
}
