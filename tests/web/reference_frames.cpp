// Writes the frames that the Linux program shows for the input scenarios in
// scenarios.txt: each scenario is replayed as window messages through the
// display library and the stand-in, one pass of the loop per "pass", and each
// frame is read back from the window pixel by pixel and written as NAME.rgba
// (800x450, four bytes a pixel, opaque). The browser tests compare the canvas
// with these files.
//   reference_frames SCENARIOS OUTPUT_FOLDER
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "display.h"
#include "explorer.h"
#include "fresh_display.h"
#include "keysyms.h"

namespace {

struct key_name {
  const char* name;
  WPARAM code;
};

// Browser key names of the keys the scenarios use, as the platform delivers them.
const key_name keys[] = {
    {"Enter", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {"ArrowLeft", VK_LEFT},
    {"ArrowRight", VK_RIGHT},
    {"ArrowUp", VK_UP},
    {"ArrowDown", VK_DOWN},
    {"F1", VK_F1},
    {"F2", VK_F1 + 1},
    {"F3", VK_F1 + 2},
    {"F4", VK_F1 + 3},
    {"Shift", KEYSYM_SHIFT_L},
};

WPARAM key_code(const char* name) {
  for (const key_name& k : keys)
    if (std::strcmp(k.name, name) == 0) return k.code;
  return 0;
}

bool write_frame(const std::string& path) {
  HWND window = window_handle[0];
  HDC dc = GetDC(window);
  std::vector<unsigned char> rgba(SCREEN_WIDTH * SCREEN_HEIGHT * 4);
  for (int y = 0; y < SCREEN_HEIGHT; ++y)
    for (int x = 0; x < SCREEN_WIDTH; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      unsigned char* p = &rgba[(y * SCREEN_WIDTH + x) * 4];
      p[0] = GetRValue(c), p[1] = GetGValue(c), p[2] = GetBValue(c), p[3] = 255;
    }
  ReleaseDC(window, dc);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(rgba.data(), 1, rgba.size(), f) == rgba.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: reference_frames SCENARIOS OUTPUT_FOLDER\n");
    return 2;
  }
  FILE* in = std::fopen(argv[1], "r");
  if (!in) {
    std::fprintf(stderr, "reference_frames: cannot read %s\n", argv[1]);
    return 1;
  }
  static unsigned char image[SCREEN_WIDTH * SCREEN_HEIGHT];
  static explorer e;
  bool running = false;
  int x = 0, y = 0, frames = 0, line_number = 0;
  char line[256], word[64], arg[64];
  while (std::fgets(line, sizeof line, in)) {
    ++line_number;
    word[0] = arg[0] = 0;
    if (std::sscanf(line, "%63s %63s", word, arg) < 1 || word[0] == '#') continue;
    const std::string command = word;
    if (command == "scenario") {
      // As a freshly loaded page: nothing of the previous scenario remains.
      FRESH_DISPLAY();
      EXPLORER_START(&e, image);
      if (!window_handle[0]) {
        std::fprintf(stderr, "reference_frames: no window could be opened\n");
        return 1;
      }
      KEY_WAITING(0);  // creation messages
      running = true;
      continue;
    }
    if (!running) {
      std::fprintf(stderr, "reference_frames: line %d: no scenario started\n", line_number);
      return 1;
    }
    HWND w = window_handle[0];
    const WPARAM key = key_code(arg);
    if ((command == "key" || command == "keydown" || command == "keyup") && key == 0) {
      std::fprintf(stderr, "reference_frames: line %d: unknown key '%s'\n", line_number, arg);
      return 1;
    }
    if (command == "key" || command == "keydown") PostMessageA(w, WM_KEYDOWN, key, 1);
    if (command == "key" || command == "keyup") PostMessageA(w, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    if (command == "move") {
      if (std::sscanf(line, "%*s %d %d", &x, &y) != 2) {
        std::fprintf(stderr, "reference_frames: line %d: move needs X and Y\n", line_number);
        return 1;
      }
      PostMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    // Off the image no motion is reported; releases still are.
    const bool right = std::strcmp(arg, "right") == 0;
    if (command == "down") PostMessageA(w, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, 0, MAKELPARAM(x, y));
    if (command == "up") PostMessageA(w, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    if (command == "pass") EXPLORER_PASS(&e);
    if (command == "frame") {
      if (!write_frame(std::string(argv[2]) + "/" + arg + ".rgba")) {
        std::fprintf(stderr, "reference_frames: cannot write %s/%s.rgba\n", argv[2], arg);
        return 1;
      }
      ++frames;
    }
  }
  std::fclose(in);
  if (running) EXPLORER_END(&e);
  std::printf("reference_frames: %d frames written to %s\n", frames, argv[2]);
  return 0;
}
