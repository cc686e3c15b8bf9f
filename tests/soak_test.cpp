// Thousands of passes with random keys and mouse events, including pointer x
// up to 65535 and sigma driven through 0 and below: nothing may crash, and
// the passes allocate nothing.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "display_fixture.h"
#include "explorer.h"
#include "keysyms.h"

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>
#define BELLSCOPE_COUNT_HEAP 1
#endif

namespace {

TEST(Soak, RandomInputForThousandsOfPasses) {
  static unsigned char image[SCREEN_WIDTH * SCREEN_HEIGHT];
  static explorer e;
  FRESH_DISPLAY();
  EXPLORER_START(&e, image);
  ASSERT_NE(window_handle[0], nullptr);
#ifdef _WIN32
  SetCursorPos(1279, 799);  // only injected mouse messages
#endif
  HWND w = window_handle[0];
  const WPARAM keys[] = {VK_RETURN, VK_F1,   VK_F1 + 1, VK_F1 + 2, VK_F1 + 3, VK_UP,          VK_DOWN,        VK_LEFT,
                         VK_RIGHT,  VK_HOME, VK_F12,    'A',       VK_SPACE,  KEYSYM_SHIFT_L, KEYSYM_SHIFT_R, VK_BACK};
  std::mt19937 rng(8);
  EXPLORER_PASS(&e);
#ifdef BELLSCOPE_COUNT_HEAP
  const size_t heap_before = mallinfo2().uordblks;
#endif
  bool saw_negative_sigma = false;
  for (int pass = 0; pass < 5000; ++pass) {
    const int events = static_cast<int>(rng() % 4);
    for (int i = 0; i < events; ++i) {
      const WPARAM key = keys[rng() % (sizeof keys / sizeof keys[0])];
      const LPARAM where = MAKELPARAM(rng() % 3 == 0 ? rng() % 65536 : rng() % 800, rng() % 450);
      switch (rng() % 7) {
        case 0: PostMessageA(w, WM_KEYDOWN, key, 1); break;
        case 1: PostMessageA(w, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u)); break;
        case 2: PostMessageA(w, WM_MOUSEMOVE, 0, where); break;
        case 3: PostMessageA(w, rng() % 2 ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, where); break;
        default: PostMessageA(w, rng() % 3 ? WM_RBUTTONDOWN : WM_RBUTTONUP, 0, where); break;
      }
    }
    EXPLORER_PASS(&e);
    for (const gaussian& g : e.set.g) saw_negative_sigma = saw_negative_sigma || g.sigma < 0;
    e.quit = false;
  }
#ifdef BELLSCOPE_COUNT_HEAP
  EXPECT_EQ(mallinfo2().uordblks, heap_before);
#endif
  EXPECT_TRUE(saw_negative_sigma);
  EXPLORER_END(&e);
}

}  // namespace
