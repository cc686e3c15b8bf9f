// Window slots: initialisation, opening and closing windows, and presenting a
// screen image through the slot's palette with SetDIBitsToDevice.
#include <cstring>

#include "display.h"
#include "slots.h"

namespace {

// The presentation header: BITMAPINFOHEADER and 256 RGBQUAD entries. One
// static block serves every call, so presenting a frame allocates nothing.
union presentation_header {
  BITMAPINFO info;
  unsigned char bytes[sizeof(BITMAPINFOHEADER) + PALETTE_ENTRIES * sizeof(RGBQUAD)];
};
presentation_header header;

void reset_input_state(int slot) {
  std::memset(key_latched[slot], 0, sizeof key_latched[slot]);
  std::memset(key_held[slot], 0, sizeof key_held[slot]);
  shift_flag[slot] = control_flag[slot] = alt_flag[slot] = 0;
  SET_KEY_MODE(slot, 1, 0);
  left_click_x[slot] = left_click_y[slot] = 0;
  left_click[slot] = left_button_held[slot] = right_click[slot] = right_button_held[slot] = 0;
}

}  // namespace

void INIT_DISPLAY() {
  for (HWND& h : window_handle) h = nullptr;
  window_class.cbSize = sizeof(WNDCLASSEXA);
  window_class.style = CS_CLASSDC;
  window_class.lpfnWndProc = WINDOW_PROC;
  window_class.cbClsExtra = 0;
  window_class.cbWndExtra = 0;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hIcon = nullptr;
  window_class.hCursor = nullptr;
  window_class.hbrBackground = nullptr;
  window_class.lpszMenuName = nullptr;
  window_class.lpszClassName = window_class_name;
  window_class.hIconSm = nullptr;
  RegisterClassExA(&window_class);
  display_initialised = 1;
  SET_ALL_GRAY();
  for (int slot = 0; slot < DISPLAY_SLOTS; ++slot) reset_input_state(slot);
}

void OPEN_WINDOW(int slot, int width, int height, int x, int y, const char* title) {
  if (!display_initialised) INIT_DISPLAY();
  if (!valid_slot(slot)) return;
  // The outer size that makes the client area exactly the image.
  RECT outer = {0, 0, width, height};
  AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
  HWND window = CreateWindowExA(0, window_class_name, title, WS_OVERLAPPEDWINDOW, x, y, outer.right - outer.left,
                                outer.bottom - outer.top, GetDesktopWindow(), nullptr, window_class.hInstance, nullptr);
  window_handle[slot] = window;
  ShowWindow(window, SW_SHOW);
  image_width[slot] = width;
  image_height[slot] = height;
  arrow_cursor = LoadCursorA(nullptr, IDC_ARROW);
}

void SHOW_IMAGE(int slot, const unsigned char* image) {
  if (!display_initialised) INIT_DISPLAY();
  if (!valid_slot(slot)) return;
  HWND window = window_handle[slot];
  const int width = image_width[slot], height = image_height[slot];
  if (!window || !image) return;

  HDC dc = GetDC(window);
  BITMAPINFOHEADER& h = header.info.bmiHeader;
  h.biSize = sizeof(BITMAPINFOHEADER);
  h.biWidth = width;
  h.biHeight = -height;  // top-down: the image's first row is the window's top row
  h.biPlanes = 1;
  h.biBitCount = 8;
  h.biCompression = BI_RGB;
  h.biSizeImage = 0;
  h.biXPelsPerMeter = h.biYPelsPerMeter = 0;
  h.biClrUsed = h.biClrImportant = 0;
  RGBQUAD* colours = reinterpret_cast<RGBQUAD*>(header.bytes + sizeof(BITMAPINFOHEADER));
  for (int i = 0; i < PALETTE_ENTRIES; ++i) {
    colours[i].rgbBlue = static_cast<BYTE>(palette_blue[slot][i]);
    colours[i].rgbGreen = static_cast<BYTE>(palette_green[slot][i]);
    colours[i].rgbRed = static_cast<BYTE>(palette_red[slot][i]);
    colours[i].rgbReserved = 0;
  }
  SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, image, &header.info, DIB_RGB_COLORS);
  ReleaseDC(window, dc);
}

void CLOSE_WINDOW(int slot) {
  if (!display_initialised) INIT_DISPLAY();
  if (!valid_slot(slot)) return;
  if (window_handle[slot]) DestroyWindow(window_handle[slot]);
  window_handle[slot] = nullptr;
}
