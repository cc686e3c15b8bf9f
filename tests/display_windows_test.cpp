// Windows, palettes, presentation and mouse state.
#include <vector>

#include "display_fixture.h"

namespace {

class Windows : public DisplayTest {
 protected:
  std::vector<unsigned char> image = std::vector<unsigned char>(W * H, 0);
  void show(int slot = 0) { SHOW_IMAGE(slot, image.data()); }
};

TEST_F(Windows, FirstRowAtTheTopFirstByteAtTheLeft) {
  for (int x = 0; x < W; ++x) image[x] = 200;
  image[0] = 10;
  image[(H - 1) * W + W - 1] = 250;
  show();
  EXPECT_EQ(pixel(0, 0), RGB(10, 10, 10));
  EXPECT_EQ(pixel(1, 0), RGB(200, 200, 200));
  EXPECT_EQ(pixel(5, 1), RGB(0, 0, 0));
  EXPECT_EQ(pixel(W - 1, H - 1), RGB(250, 250, 250));
}

TEST_F(Windows, OnlyTheLowEightBitsOfAPaletteEntryShow) {
  SET_PALETTE_ENTRY(0, 7, 256, 300, -1);
  EXPECT_EQ(palette_red[0][7], 256);  // stored as given
  image[0] = 7;
  show();
  EXPECT_EQ(pixel(0, 0), RGB(0, 44, 255));
  SET_GRAY_PALETTE(0);
  show();
  EXPECT_EQ(pixel(0, 0), RGB(7, 7, 7));
}

TEST_F(Windows, PaletteOfEachSlot) {
  OPEN_WINDOW(5, W, H, 0, 0, "slot 5");
  SET_PALETTE_ENTRY(5, 1, 255, 0, 0);
  SET_COLOR(2, 0, 0, 255);
  image[0] = 1;
  image[1] = 2;
  show(0);
  show(5);
  EXPECT_EQ(pixel(0, 0, 0), RGB(1, 1, 1));
  EXPECT_EQ(pixel(0, 0, 5), RGB(255, 0, 0));
  EXPECT_EQ(pixel(1, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(pixel(1, 0, 5), RGB(0, 0, 255));
  for (int slot = 0; slot < DISPLAY_SLOTS; ++slot) EXPECT_EQ(palette_blue[slot][2], 255);
}

TEST_F(Windows, ClosedAndNeverOpenedSlotsShowNothing) {
  SHOW_IMAGE(9, image.data());
  SHOW_IMAGE(0, nullptr);
  CLOSE_WINDOW(9);
  CLOSE_WINDOW(0);
  EXPECT_EQ(window_handle[0], nullptr);
  CLOSE_WINDOW(0);
  SHOW_IMAGE(0, image.data());
  SHOW_IMAGE(99, image.data());
  CLOSE_WINDOW(-3);
  OPEN_WINDOW(32, W, H, 0, 0, "out of range");
}

TEST_F(Windows, ReopenedSlotKeepsPaletteAndInput) {
  SET_PALETTE_ENTRY(0, 3, 1, 2, 3);
  SET_KEY_MODE(0, 1, 1);
  post(WM_KEYDOWN, 'M', 1);
  KEY_WAITING(0);
  CLOSE_WINDOW(0);
  OPEN_WINDOW(0, W, H, 0, 0, "again");
  ASSERT_NE(window(), nullptr);
  EXPECT_EQ(palette_green[0][3], 2);
  EXPECT_EQ(latch_repeats[0], 1);
  EXPECT_EQ(GET_KEY(0), 'M');
  image[0] = 3;
  show();
  EXPECT_EQ(pixel(0, 0), RGB(1, 2, 3));
}

TEST_F(Windows, OutOfRangePaletteWritesAreIgnored) {
  SET_PALETTE_ENTRY(0, 256, 9, 9, 9);
  SET_PALETTE_ENTRY(0, -1, 9, 9, 9);
  SET_PALETTE_ENTRY(32, 0, 9, 9, 9);
  SET_PALETTE_ENTRY(-1, 255, 9, 9, 9);
  SET_COLOR(1000, 9, 9, 9);
  SET_GRAY_PALETTE(40);
  EXPECT_EQ(palette_red[1][0], 0);
  EXPECT_EQ(palette_red[0][255], 255);
  EXPECT_EQ(palette_red[31][255], 255);
  EXPECT_EQ(palette_red[0][0], 0);
}

TEST_F(Windows, MouseFieldsComeFromLParam) {
  post(WM_MOUSEMOVE, 0, MAKELPARAM(700, 65535));
  KEY_WAITING(0);
  EXPECT_EQ(mouse_x[0], 700);
  EXPECT_EQ(mouse_y[0], 65535);
  post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
  post(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 60));
  KEY_WAITING(0);
  EXPECT_EQ(left_button_held[0], 1);
  EXPECT_EQ(left_click[0], 1);
  EXPECT_EQ(left_click_x[0], 12);
  EXPECT_EQ(left_click_y[0], 34);
  EXPECT_EQ(right_button_held[0], 1);
  EXPECT_EQ(right_click[0], 1);
  EXPECT_EQ(mouse_x[0], 700);  // buttons do not move the pointer fields
  post(WM_LBUTTONUP, 0, MAKELPARAM(12, 34));
  post(WM_RBUTTONUP, 0, MAKELPARAM(12, 34));
  KEY_WAITING(0);
  EXPECT_EQ(left_button_held[0], 0);
  EXPECT_EQ(right_button_held[0], 0);
  EXPECT_EQ(left_click[0], 1);
  // The same window in two slots: both see its mouse.
  window_handle[7] = window_handle[0];
  WINDOW_PROC(window(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
  EXPECT_EQ(mouse_x[7], 3);
  EXPECT_EQ(mouse_y[0], 4);
  window_handle[7] = nullptr;
}

}  // namespace

// Before the library initialises, SET_KEY_MODE is overwritten by the
// defaults; SET_COLOR initialises it and holds for windows opened later.
TEST(DisplayStartUp, ColourBeforeAnyWindowAndModeReset) {
  FRESH_DISPLAY();
  SET_KEY_MODE(0, 0, 1);
  SET_COLOR(250, 0, 255, 0);
  EXPECT_EQ(display_initialised, 1);
  EXPECT_EQ(consume_on_read[0], 1);
  EXPECT_EQ(latch_repeats[0], 0);
  EXPECT_EQ(palette_green[31][250], 255);
  EXPECT_EQ(palette_red[31][250], 0);
  EXPECT_EQ(palette_red[31][249], 249);
  OPEN_WINDOW(1, 8, 4, 0, 0, "late");
  ASSERT_NE(window_handle[1], nullptr);
  unsigned char image[32];
  for (auto& b : image) b = 250;
  SHOW_IMAGE(1, image);
  HDC dc = GetDC(window_handle[1]);
  EXPECT_EQ(GetPixel(dc, 7, 3), RGB(0, 255, 0));
  ReleaseDC(window_handle[1], dc);
  CLOSE_WINDOW(1);
}
