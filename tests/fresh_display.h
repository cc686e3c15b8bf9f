// The display library returned to its state at process start, for tests and
// test tools that need each case to begin as a fresh process would.
#ifndef BELLSCOPE_TESTS_FRESH_DISPLAY_H
#define BELLSCOPE_TESTS_FRESH_DISPLAY_H

#include "display.h"
#include "display_state.h"

// Every window closed, every message left in the thread's queue taken away (a
// quit message would otherwise latch Esc in the next case), every table zero.
inline void FRESH_DISPLAY() {
  for (int slot = 0; slot < DISPLAY_SLOTS; ++slot)
    if (window_handle[slot]) DestroyWindow(window_handle[slot]);
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
  }
  RESET_DISPLAY_STATE();
}

#endif
