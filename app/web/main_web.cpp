// BELLSCOPE in the browser: the same start-up and passes as the desktop
// program, but the browser runs the loop, calling one pass per animation
// frame. Esc ends the program: the loop stops, the window is closed and the
// page is told, so that it can say so and offer to start again.
#include <emscripten.h>

#include <cstdio>
#include <cstdlib>

#include "display.h"
#include "explorer.h"

namespace {

unsigned char* screen_image;
explorer program;

// Tells the page that the program has ended (the page's Module.onBellscopeEnded).
EM_JS(void, page_ended, (), {
  if (Module['onBellscopeEnded']) Module['onBellscopeEnded']();
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

void pass() {
  EXPLORER_PASS(&program);
  if (!program.quit) return;
  emscripten_cancel_main_loop();
  EXPLORER_END(&program);
  page_ended();
}

}  // namespace

// Starts the program again from its start-up state, after it has ended. The
// display library is initialised afresh, so no key or button state of the
// earlier run is carried over.
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_RESTART() {
  if (!program.quit) return;  // still running
  INIT_DISPLAY();
  EXPLORER_START(&program, screen_image);
  emscripten_set_main_loop(pass, 0, 0);
}

int main() {
  screen_image = static_cast<unsigned char*>(std::malloc(SCREEN_WIDTH * SCREEN_HEIGHT));
  if (!screen_image) return fail("ERROR mallocing screen_image", "there is not enough memory for its picture.");
  EXPLORER_START(&program, screen_image);
  if (!window_handle[0]) return fail("ERROR opening window", "it could not open its picture on this page.");
  emscripten_set_main_loop(pass, 0, 1);  // 0: at the browser's animation frame rate
  return 0;
}
