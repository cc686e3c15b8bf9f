// The explorer started on a fresh display library, for tests that drive it
// one pass at a time with injected window messages.
#ifndef BELLSCOPE_TESTS_EXPLORER_FIXTURE_H
#define BELLSCOPE_TESTS_EXPLORER_FIXTURE_H

#include <gtest/gtest.h>

#include <vector>

#include "display_fixture.h"
#include "explorer.h"

class Explorer : public testing::Test {
 protected:
  std::vector<unsigned char> image = std::vector<unsigned char>(SCREEN_WIDTH * SCREEN_HEIGHT, 0);
  explorer e{};
  void SetUp() override {
    FRESH_DISPLAY();
    EXPLORER_START(&e, image.data());
    ASSERT_NE(window_handle[0], nullptr);
#ifdef _WIN32
    // Keep the real pointer off the window, so that only injected mouse
    // messages move it.
    SetCursorPos(1279, 799);
    KEY_WAITING(0);
#endif
  }
  void TearDown() override {
    EXPLORER_END(&e);
  }
  void post(UINT message, WPARAM wparam, LPARAM lparam = 0) {
    PostMessageA(window_handle[0], message, wparam, lparam);
  }
  void tap(WPARAM key) {
    post(WM_KEYDOWN, key, 1);
    post(WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    EXPLORER_PASS(&e);
  }
  void move(int x) {
    post(WM_MOUSEMOVE, 0, MAKELPARAM(x, 200));
  }
  gaussian& g(int k) {
    return e.set.g[k - 1];
  }
  unsigned char at(int x, int y) const {
    return image[y * SCREEN_WIDTH + x];
  }
};

#endif
