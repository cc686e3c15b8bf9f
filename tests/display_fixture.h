// A display library with one small window open in a slot, for tests that run
// against the real Windows API and the SDL-backed stand-in alike.
#ifndef BELLSCOPE_TESTS_DISPLAY_FIXTURE_H
#define BELLSCOPE_TESTS_DISPLAY_FIXTURE_H

#include <gtest/gtest.h>

#include "display.h"
#include "display_state.h"
#include "fresh_display.h"

class DisplayTest : public testing::Test {
 protected:
  static constexpr int W = 64, H = 32;
  void SetUp() override {
    FRESH_DISPLAY();
    OPEN_WINDOW(0, W, H, 0, 0, "display test");
    ASSERT_NE(window_handle[0], nullptr) << "no window could be opened";
    KEY_WAITING(0);  // settle creation messages
  }
  void TearDown() override {
    for (int slot = 0; slot < DISPLAY_SLOTS; ++slot) CLOSE_WINDOW(slot);
  }
  HWND window(int slot = 0) const { return window_handle[slot]; }
  void post(UINT message, WPARAM wparam, LPARAM lparam = 0, int slot = 0) {
    ASSERT_TRUE(PostMessageA(window(slot), message, wparam, lparam));
  }
  void press(WPARAM key) { post(WM_KEYDOWN, key, 1); }
  void repeat(WPARAM key) { post(WM_KEYDOWN, key, 1 | (1 << 30)); }
  void release(WPARAM key) { post(WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u)); }
  COLORREF pixel(int x, int y, int slot = 0) {
    HDC dc = GetDC(window(slot));
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window(slot), dc);
    return c;
  }
};

#endif
