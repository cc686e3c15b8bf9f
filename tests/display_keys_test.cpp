// The key protocol, driven by posted window messages.
#include <vector>

#include "display_fixture.h"
#include "keysyms.h"

namespace {

class Keys : public DisplayTest {
 protected:
  // Every code that GET_KEY hands out until it reports no key.
  std::vector<int> drain(int slot = 0) {
    std::vector<int> codes;
    for (int i = 0; i < 64; ++i) {
      int c = GET_KEY(slot);
      if (c == 1) break;
      codes.push_back(c);
    }
    return codes;
  }
};

TEST_F(Keys, NothingWaiting) {
  EXPECT_EQ(KEY_WAITING(0), 0);
  EXPECT_EQ(GET_KEY(0), 1);
}

TEST_F(Keys, ExtendedKeysComeAsZeroThenTheirCode) {
  SET_KEY_MODE(0, 1, 1);
  press(VK_RIGHT);
  EXPECT_EQ(KEY_WAITING(0), -1);
  EXPECT_EQ(GET_KEY(0), 0);
  EXPECT_EQ(GET_KEY(0), 77);
  EXPECT_EQ(KEY_WAITING(0), 0);

  press(VK_F12);
  release(VK_F12);
  EXPECT_EQ(KEY_WAITING(0), -1);
  EXPECT_EQ(drain(), (std::vector<int>{0, -122}));
}

TEST_F(Keys, EveryMappedKey) {
  struct key_case {
    WPARAM vk;
    std::vector<int> codes;
  };
  const key_case cases[] = {
      {VK_TAB, {9}},
      {VK_RETURN, {13}},
      {VK_ESCAPE, {27}},
      {VK_SPACE, {32}},
      {'0', {48}},
      {'9', {57}},
      {'A', {65}},
      {'Z', {90}},
      {VK_F1, {0, 59}},
      {VK_F1 + 9, {0, 68}},
      {VK_F1 + 10, {0, 69}},
      {VK_HOME, {0, 71}},
      {VK_UP, {0, 72}},
      {VK_PRIOR, {0, 73}},
      {VK_LEFT, {0, 75}},
      {VK_END, {0, 79}},
      {VK_DOWN, {0, 80}},
      {VK_NEXT, {0, 81}},
      {VK_ADD, {0, 10}},
      {VK_SUBTRACT, {0, 11}},
      // Keys that map to index 0 are never reported.
      {VK_BACK, {}},
      {VK_DELETE, {}},
      {VK_SHIFT, {}},
      {VK_CONTROL, {}},
      {VK_MENU, {}},
      {KEYSYM_SHIFT_L, {}},
      {0xBA, {}},
  };
  for (const key_case& c : cases) {
    press(c.vk);
    release(c.vk);
    KEY_WAITING(0);
    EXPECT_EQ(drain(), c.codes) << c.vk;
  }
}

TEST_F(Keys, SeveralLatchedKeysComeExtendedFirstHighestFirst) {
  for (WPARAM vk : {static_cast<WPARAM>('A'), static_cast<WPARAM>(VK_ESCAPE), static_cast<WPARAM>(VK_TAB),
                    static_cast<WPARAM>(VK_ADD), static_cast<WPARAM>(VK_F12), static_cast<WPARAM>(VK_F1),
                    static_cast<WPARAM>(VK_LEFT), static_cast<WPARAM>(VK_RIGHT), static_cast<WPARAM>(VK_NEXT)})
    press(vk);
  EXPECT_EQ(KEY_WAITING(0), -1);
  EXPECT_EQ(drain(), (std::vector<int>{0, 81, 0, 77, 0, 75, 0, 59, 0, -122, 0, 10, 9, 27, 65}));
}

TEST_F(Keys, HeldKeyInTheThreeModes) {
  // (1, 0), the default: one report however long the key is held.
  press(VK_RIGHT);
  KEY_WAITING(0);
  EXPECT_EQ(drain(), (std::vector<int>{0, 77}));
  repeat(VK_RIGHT);
  repeat(VK_RIGHT);
  EXPECT_EQ(KEY_WAITING(0), 0);
  release(VK_RIGHT);

  // (1, 1): one report per read while repeats keep coming; several between two reads count once.
  SET_KEY_MODE(0, 1, 1);
  press(VK_RIGHT);
  repeat(VK_RIGHT);
  repeat(VK_RIGHT);
  KEY_WAITING(0);
  EXPECT_EQ(drain(), (std::vector<int>{0, 77}));
  repeat(VK_RIGHT);
  EXPECT_EQ(KEY_WAITING(0), -1);
  EXPECT_EQ(drain(), (std::vector<int>{0, 77}));
  release(VK_RIGHT);
  EXPECT_EQ(KEY_WAITING(0), 0);

  // (0, x): reported on every read while down; the release clears it.
  SET_KEY_MODE(0, 0, 0);
  press('Q');
  KEY_WAITING(0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(GET_KEY(0), 'Q');
  release('Q');
  EXPECT_EQ(KEY_WAITING(0), 0);
}

TEST_F(Keys, PressReleasedBeforeItIsRead) {
  press('A');
  release('A');
  EXPECT_EQ(KEY_WAITING(0), -1);  // consume-on-read: it still waits
  EXPECT_EQ(GET_KEY(0), 'A');
  SET_KEY_MODE(0, 0, 1);
  press('A');
  release('A');
  EXPECT_EQ(KEY_WAITING(0), 0);  // without it, the press is lost
}

TEST_F(Keys, ExtendedLatchClearedBetweenTheTwoReads) {
  SET_KEY_MODE(0, 0, 0);
  press(VK_RIGHT);
  press('B');
  KEY_WAITING(0);
  EXPECT_EQ(GET_KEY(0), 0);
  release(VK_RIGHT);
  KEY_WAITING(0);
  EXPECT_EQ(GET_KEY(0), 'B');  // the plain key; the prefix stays set
  EXPECT_EQ(extended_prefix[0], 1);
  release('B');
  press(VK_LEFT);
  KEY_WAITING(0);
  EXPECT_EQ(GET_KEY(0), 75);  // no 0 before it
}

TEST_F(Keys, CloseRequestBecomesEscInThePolledSlot) {
  OPEN_WINDOW(3, W, H, 0, 0, "second");
  post(WM_CLOSE, 0, 0, 0);
  EXPECT_EQ(KEY_WAITING(3), -1);
  EXPECT_EQ(key_latched[0][27], 0);
  EXPECT_EQ(GET_KEY(3), 27);
  EXPECT_NE(window_handle[0], nullptr);  // the window stays open
  EXPECT_EQ(KEY_WAITING(3), 0);
}

TEST_F(Keys, ModifierKeysymsSetAndClearTheirFlags) {
  const WPARAM keysyms[3][2] = {
      {KEYSYM_SHIFT_L, KEYSYM_SHIFT_R}, {KEYSYM_CONTROL_L, KEYSYM_CONTROL_R}, {KEYSYM_ALT_L, KEYSYM_ALT_R}};
  unsigned char* flags[3] = {shift_flag, control_flag, alt_flag};
  for (int m = 0; m < 3; ++m)
    for (WPARAM sym : keysyms[m]) {
      press(sym);
      KEY_WAITING(0);
      EXPECT_EQ(flags[m][0], 1) << sym;
      release(sym);
      KEY_WAITING(0);
      EXPECT_EQ(flags[m][0], 0) << sym;
    }
  // Letters are upper case whether or not Shift is down.
  press(KEYSYM_SHIFT_L);
  press('K');
  KEY_WAITING(0);
  EXPECT_EQ(drain(), (std::vector<int>{'K'}));
}

TEST_F(Keys, KeysOfUnknownWindowsAreDropped) {
  HWND other = window_handle[0];
  window_handle[0] = nullptr;  // the window is no longer known to any slot
  EXPECT_EQ(WINDOW_PROC(other, WM_KEYDOWN, 'A', 0), 0);
  window_handle[0] = other;
  EXPECT_EQ(KEY_WAITING(0), 0);
}

TEST_F(Keys, SlotsAndIndicesOutOfRangeAreIgnored) {
  press('A');
  EXPECT_EQ(KEY_WAITING(32), 0);
  EXPECT_EQ(KEY_WAITING(-1), 0);
  EXPECT_EQ(GET_KEY(32), 1);
  EXPECT_EQ(GET_KEY(-100000), 1);
  SET_KEY_MODE(32, 0, 0);
  SET_KEY_MODE(-1, 0, 0);
  EXPECT_EQ(consume_on_read[0], 1);
  EXPECT_EQ(KEY_WAITING(0), -1);
  EXPECT_EQ(GET_KEY(0), 'A');
}

}  // namespace
