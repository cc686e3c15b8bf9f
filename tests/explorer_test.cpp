// The controls, one pass at a time, through the real display library with
// injected window messages.
#include <gtest/gtest.h>

#include <vector>

#include "colours.h"
#include "explorer_fixture.h"
#include "keysyms.h"

namespace {

TEST_F(Explorer, StartUpOrderAndFirstFrame) {
  EXPECT_EQ(consume_on_read[0], 1);
  EXPECT_EQ(latch_repeats[0], 1);
  EXPECT_EQ(palette_blue[0][254], 255);
  EXPECT_EQ(palette_red[17][252], 255);
  EXPECT_EQ(palette_green[17][252], 40);
  EXPECT_EQ(palette_green[0][249], 249);
  EXPECT_EQ(image_width[0], 800);
  EXPECT_EQ(image_height[0], 450);
  EXPECT_EQ(e.set.selected, 1);
  EXPECT_FALSE(e.quit);
  EXPECT_FALSE(e.set.recalc);
  EXPECT_EQ(e.previous_right, 0);
  EXPECT_EQ(e.step, 1);
  EXPECT_EQ(image[0], 0);
  EXPECT_EQ(g(2).sigma, 70);
  EXPECT_EQ(g(4).u, 350);
  EXPECT_TRUE(g(1).on && g(2).on && !g(3).on && !g(4).on);
  EXPECT_EQ(at(100, 205), 0);
  EXPECT_EQ(KEY_WAITING(0), 0);
  EXPECT_EQ(at(100, 205), 0);
  EXPLORER_PASS(&e);
  EXPECT_EQ(at(100, 205), 254);
  EXPECT_EQ(at(250, 205), 253);
  // The frame reached the window through slot 0's palette.
  HDC dc = GetDC(window_handle[0]);
  EXPECT_EQ(GetPixel(dc, 100, 205), RGB(0, 0, 255));
  ReleaseDC(window_handle[0], dc);
}

TEST_F(Explorer, EscEndsAfterThePassThatReadsIt) {
  post(WM_KEYDOWN, VK_ESCAPE, 1);
  std::fill(image.begin(), image.end(), 77);
  EXPLORER_PASS(&e);
  EXPECT_TRUE(e.quit);
  EXPECT_EQ(image[0], 0);  // the frame was still drawn
}

TEST_F(Explorer, WindowCloseEndsLikeEsc) {
  post(WM_CLOSE, 0);
  EXPLORER_PASS(&e);
  EXPECT_TRUE(e.quit);
  EXPECT_NE(window_handle[0], nullptr);
}

TEST_F(Explorer, EnterAndFunctionKeys) {
  tap(VK_RETURN);
  EXPECT_TRUE(e.set.recalc);
  EXPECT_EQ(DISPLAY_VALUE(e.set.combined_u), 233);
  tap(VK_RETURN);
  EXPECT_FALSE(e.set.recalc);
  for (int k = 1; k <= 4; ++k) tap(VK_F1 + k - 1);
  EXPECT_TRUE(!g(1).on && !g(2).on && g(3).on && g(4).on);
  EXPECT_EQ(at(300, 205), 251);
  tap(VK_F1 + 2);
  EXPECT_FALSE(g(3).on);
}

TEST_F(Explorer, UpAndDownWrapAroundAndOtherKeysChangeNothing) {
  tap(VK_UP);
  EXPECT_EQ(e.set.selected, 4);
  EXPECT_EQ(at(680 + 4, 70 + 6), 249);  // the marker's row follows (the '<' cell)
  tap(VK_DOWN);
  EXPECT_EQ(e.set.selected, 1);
  tap(VK_DOWN);
  EXPECT_EQ(e.set.selected, 2);
  const gaussian_set before = e.set;
  tap(VK_HOME);
  tap('A');
  tap(VK_F1 + 4);
  EXPECT_EQ(KEY_WAITING(0), 0);  // consumed
  EXPECT_EQ(e.set.selected, before.selected);
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(g(k).u, before.g[k - 1].u);
    EXPECT_EQ(g(k).on, before.g[k - 1].on);
  }
}

TEST_F(Explorer, HeldRightWithAutoRepeatAndShift) {
  post(WM_KEYDOWN, VK_RIGHT, 1);
  EXPLORER_PASS(&e);
  EXPECT_EQ(g(1).u, 101);
  for (int i = 0; i < 3; ++i) {
    post(WM_KEYDOWN, VK_RIGHT, 1 | (1 << 30));
    EXPLORER_PASS(&e);
  }
  EXPECT_EQ(g(1).u, 104);
  EXPLORER_PASS(&e);  // no repeat arrived: no step
  EXPECT_EQ(g(1).u, 104);
  post(WM_KEYUP, VK_RIGHT, static_cast<LPARAM>(0xC0000001u));
  post(WM_KEYDOWN, KEYSYM_SHIFT_L, 1);  // Shift as an X keysym
  tap(VK_RIGHT);
  EXPECT_EQ(g(1).u, 114);
  tap(VK_LEFT);
  EXPECT_EQ(g(1).u, 104);
  post(WM_KEYUP, KEYSYM_SHIFT_L, 1);
  tap(VK_LEFT);
  EXPECT_EQ(g(1).u, 103);
}

TEST_F(Explorer, LeftButtonHoldsTheMeanAtThePointer) {
  move(321);
  post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(321, 200));
  EXPLORER_PASS(&e);
  EXPECT_EQ(g(1).u, 321);
  tap(VK_RIGHT);  // overwritten in the same pass
  EXPECT_EQ(g(1).u, 321);
  tap(VK_DOWN);  // the newly selected Gaussian jumps to the pointer
  EXPECT_EQ(g(2).u, 321);
  move(400);
  EXPLORER_PASS(&e);
  EXPECT_EQ(g(2).u, 400);
  post(WM_LBUTTONUP, 0, MAKELPARAM(400, 200));
  move(500);
  EXPLORER_PASS(&e);
  EXPECT_EQ(g(2).u, 400);
}

TEST_F(Explorer, RightButtonDragSetsSigma) {
  move(100);
  post(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 200));
  EXPLORER_PASS(&e);
  EXPECT_EQ(g(1).sigma, 200);  // offset 0 on the first pass
  move(130);
  EXPLORER_PASS(&e);
  EXPECT_EQ(g(1).sigma, 230);
  tap(VK_DOWN);  // selection changed mid-drag: saved sigma plus the offset
  EXPECT_EQ(g(2).sigma, 230);
  move(0);
  EXPLORER_PASS(&e);
  EXPECT_EQ(g(2).sigma, 100);
  post(WM_RBUTTONUP, 0, MAKELPARAM(0, 200));
  EXPLORER_PASS(&e);
  EXPECT_EQ(e.previous_right, 0);

  // A new drag down to sigma 0 and below.
  move(70);
  post(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(70, 200));
  EXPLORER_PASS(&e);
  move(0);
  EXPLORER_PASS(&e);
  EXPECT_EQ(g(2).sigma, 30);
  post(WM_RBUTTONUP, 0, 0);
  EXPLORER_PASS(&e);
  move(30);
  post(WM_RBUTTONDOWN, MK_RBUTTON, 0);
  EXPLORER_PASS(&e);
  move(0);
  EXPLORER_PASS(&e);
  EXPECT_EQ(g(2).sigma, 0);
  EXPECT_EQ(at(250, 305), 255);  // flat along the bottom under the white curve
  move(65535);                   // a pointer x the platform may report while captured
  EXPLORER_PASS(&e);
  EXPECT_EQ(g(2).sigma, 30 + (65535 - 30));
}

}  // namespace

// In a challenge the Gaussians are fixed: the arrows, the mouse and the
// right-button drag move the guess; F1-F4 and Up and Down do nothing.
TEST_F(Explorer, ChallengeMovesOnlyTheGuess) {
  static frame_challenge challenge;
  challenge.guess = {400, 100, true};
  e.challenge = &challenge;
  const gaussian_set before = e.set;
  for (WPARAM key :
       {WPARAM{VK_F1}, WPARAM{VK_F1 + 2}, WPARAM{VK_UP}, WPARAM{VK_DOWN}, WPARAM{VK_RIGHT}, WPARAM{VK_RIGHT}})
    tap(key);
  EXPECT_EQ(challenge.guess.u, 402);
  move(150);
  post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 200));
  EXPLORER_PASS(&e);
  post(WM_LBUTTONUP, 0, MAKELPARAM(150, 200));
  post(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(150, 200));
  EXPLORER_PASS(&e);
  move(120);
  EXPLORER_PASS(&e);
  post(WM_RBUTTONUP, 0, MAKELPARAM(120, 200));
  EXPLORER_PASS(&e);
  EXPECT_EQ(challenge.guess.u, 150);
  EXPECT_EQ(challenge.guess.sigma, 70);
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) {
    EXPECT_EQ(e.set.g[k].on, before.g[k].on);
    EXPECT_EQ(e.set.g[k].u, before.g[k].u);
    EXPECT_EQ(e.set.g[k].sigma, before.g[k].sigma);
  }
  EXPECT_EQ(e.set.selected, before.selected);
  EXPECT_EQ(at(150, 205), COLOUR_GUESS) << "the guess is drawn";
}

// Checked, the guess stays beside the product it was scored against: no
// key or drag moves it, not even a drag held on from before Check; in the
// next round a held drag starts afresh from the new guess.
TEST_F(Explorer, ACheckedGuessStays) {
  static frame_challenge challenge;
  challenge = {{400, 100, true}, false, {}};
  e.challenge = &challenge;
  move(300);
  post(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(300, 200));
  EXPLORER_PASS(&e);
  challenge.revealed = true;  // checked mid-drag
  move(360);
  EXPLORER_PASS(&e);
  tap(VK_RIGHT);
  post(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(50, 200));
  EXPLORER_PASS(&e);
  EXPECT_EQ(challenge.guess.u, 400);
  EXPECT_EQ(challenge.guess.sigma, 100);
  post(WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(50, 200));
  challenge = {{400, 100, true}, false, {}};  // the next round, the right button still held
  EXPLORER_PASS(&e);
  move(370);
  EXPLORER_PASS(&e);
  EXPECT_EQ(challenge.guess.sigma, 110);
}

// In a walk the curves are the filter's: no key, click or drag moves them;
// Enter still switches the combining mode.
TEST_F(Explorer, AWalksCurvesStay) {
  static frame_track track;
  track = {};
  e.track = &track;
  const gaussian_set before = e.set;
  for (WPARAM key : {WPARAM{VK_F1}, WPARAM{VK_DOWN}, WPARAM{VK_RIGHT}, WPARAM{VK_RETURN}}) tap(key);
  move(150);
  post(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(150, 200));
  EXPLORER_PASS(&e);
  move(300);
  EXPLORER_PASS(&e);
  post(WM_LBUTTONUP, 0, MAKELPARAM(300, 200));
  EXPLORER_PASS(&e);
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) {
    EXPECT_EQ(e.set.g[k].on, before.g[k].on);
    EXPECT_EQ(e.set.g[k].u, before.g[k].u);
    EXPECT_EQ(e.set.g[k].sigma, before.g[k].sigma);
  }
  EXPECT_EQ(e.set.selected, before.selected);
  EXPECT_TRUE(e.set.recalc);
}
