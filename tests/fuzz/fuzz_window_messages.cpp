// libFuzzer target: random sequences of window messages through the message
// queue and the window procedure, with KEY_WAITING, GET_KEY, SET_KEY_MODE and
// whole passes of the program, each input from a fresh start-up state (on
// the stand-in with SDL's dummy video driver).
#include <cstdlib>

#include "display.h"
#include "explorer.h"
#include "fresh_display.h"
#include "fuzz_input.h"
#include "keysyms.h"

namespace {

unsigned char screen_image[SCREEN_WIDTH * SCREEN_HEIGHT];
explorer program;

const UINT messages[] = {WM_KEYDOWN,   WM_KEYUP, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                         WM_RBUTTONUP, WM_CLOSE, WM_PAINT,     WM_CREATE,      WM_QUIT,      0x0400};
const WPARAM keys[] = {VK_RETURN,      VK_ESCAPE,      VK_LEFT,          VK_RIGHT,    VK_UP, VK_DOWN, VK_F1,  VK_F1 + 1,
                       VK_F1 + 2,      VK_F1 + 3,      VK_F12,           VK_HOME,     'A',   '9',     VK_TAB, VK_SPACE,
                       KEYSYM_SHIFT_L, KEYSYM_SHIFT_R, KEYSYM_CONTROL_L, KEYSYM_ALT_L};

void fresh_start() {
  FRESH_DISPLAY();
  EXPLORER_START(&program, screen_image);
  if (!window_handle[0]) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_input in{data, size};
  fresh_start();
  HWND window = window_handle[0];
  int passes = 0;  // whole passes are dear: a few per input keep the fuzzer quick
  for (int step = 0; step < 200 && !in.empty(); ++step) {
    const std::uint8_t op = in.byte();
    const HWND target = op & 0x40 ? (op & 0x20 ? nullptr : GetDesktopWindow()) : window;
    const UINT message = messages[in.byte() % (sizeof messages / sizeof messages[0])];
    const WPARAM wparam = in.byte() % 4 ? keys[in.byte() % (sizeof keys / sizeof keys[0])] : in.u32();
    const LPARAM lparam = static_cast<LPARAM>(in.u32());
    switch (op % 8) {
      case 0:
      case 1: PostMessageA(window, message, wparam, lparam); break;
      case 2: WINDOW_PROC(target, message, wparam, lparam); break;
      case 3: KEY_WAITING(static_cast<int>(static_cast<std::int8_t>(in.byte()))); break;
      case 4: GET_KEY(in.byte() % 4 ? 0 : static_cast<int>(in.u32())); break;
      case 5: SET_KEY_MODE(in.byte() % 3 ? 0 : static_cast<int>(in.u32()), in.byte() % 3, in.byte() % 3); break;
      default:
        if (++passes > 6) break;
        EXPLORER_PASS(&program);
        if (program.quit) return 0;
        break;
    }
    // The program's view of the input state stays within its own ranges.
    if (left_button_held[0] > 1 || right_button_held[0] > 1 || shift_flag[0] > 1) std::abort();
    if (program.set.selected < 1 || program.set.selected > GAUSSIAN_COUNT) std::abort();
  }
  return 0;
}
