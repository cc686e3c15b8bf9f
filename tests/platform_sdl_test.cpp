// The stand-in's translation of SDL events into window messages, checked
// through the display library's tables.
#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

#include "display_fixture.h"
#include "key_mapping.h"
#include "keysyms.h"
#include "sdl_bridge.h"
#include "standin.h"

namespace {

class SdlEvents : public DisplayTest {
 protected:
  Uint32 id() { return SDL_GetWindowID(STANDIN_SDL_WINDOW(window())); }
  void key(Uint32 type, SDL_Keycode sym, bool is_repeat = false) {
    SDL_Event e{};
    e.type = type;
    e.key.windowID = id();
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = is_repeat;
    e.key.keysym.sym = sym;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
  }
  void motion(int x, int y, Uint32 state = 0) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = id();
    e.motion.x = x;
    e.motion.y = y;
    e.motion.state = state;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
  }
  void button(Uint32 type, Uint8 which, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.windowID = id();
    e.button.button = which;
    e.button.x = x;
    e.button.y = y;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
  }
  void window_event(Uint8 event) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = id();
    e.window.event = event;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
  }
  // Takes every queued message without dispatching it; counts `message`.
  int count_queued(UINT message) {
    MSG m;
    int n = 0;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) n += m.message == message;
    return n;
  }
};

TEST_F(SdlEvents, KeysArriveWithVirtualKeyCodes) {
  key(SDL_KEYDOWN, SDLK_RIGHT);
  key(SDL_KEYUP, SDLK_RIGHT);
  key(SDL_KEYDOWN, SDLK_a);
  key(SDL_KEYDOWN, SDLK_F4);
  key(SDL_KEYDOWN, SDLK_SEMICOLON);  // maps to index 0
  EXPECT_EQ(KEY_WAITING(0), -1);
  EXPECT_EQ(key_latched[0][277], 1);
  EXPECT_EQ(key_held[0][277], 0);
  EXPECT_EQ(key_held[0][static_cast<int>('A')], 1);
  EXPECT_EQ(key_latched[0][262], 1);
  EXPECT_EQ(key_latched[0][0], 1);
  EXPECT_EQ(key_latched[0][static_cast<int>(';')], 0);
}

TEST_F(SdlEvents, AutoRepeatIsFurtherKeyDowns) {
  SET_KEY_MODE(0, 1, 1);
  key(SDL_KEYDOWN, SDLK_LEFT);
  KEY_WAITING(0);
  EXPECT_EQ(GET_KEY(0), 0);
  EXPECT_EQ(GET_KEY(0), 75);
  key(SDL_KEYDOWN, SDLK_LEFT, true);
  EXPECT_EQ(KEY_WAITING(0), -1);
}

TEST_F(SdlEvents, ShiftComesAsKeysymAndReleases) {
  key(SDL_KEYDOWN, SDLK_RSHIFT);
  KEY_WAITING(0);
  EXPECT_EQ(shift_flag[0], 1);
  key(SDL_KEYUP, SDLK_RSHIFT);
  key(SDL_KEYDOWN, SDLK_LCTRL);
  key(SDL_KEYDOWN, SDLK_RALT);
  KEY_WAITING(0);
  EXPECT_EQ(shift_flag[0], 0);
  EXPECT_EQ(control_flag[0], 1);
  EXPECT_EQ(alt_flag[0], 1);
}

TEST_F(SdlEvents, MotionOnlyInsideTheClientAreaButtonsEverywhere) {
  motion(10, 20);
  motion(-5, 3, SDL_BUTTON_RMASK);
  motion(W, 3, SDL_BUTTON_RMASK);
  button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 30, 5);
  button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 31, 6);
  KEY_WAITING(0);
  EXPECT_EQ(mouse_x[0], 10);
  EXPECT_EQ(mouse_y[0], 20);
  EXPECT_EQ(right_button_held[0], 1);
  EXPECT_EQ(left_click_x[0], 31);
  button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, -40, 900);  // released outside the window
  button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 5000, -2);
  KEY_WAITING(0);
  EXPECT_EQ(right_button_held[0], 0);
  EXPECT_EQ(left_button_held[0], 0);
  EXPECT_EQ(mouse_x[0], 10);
}

TEST_F(SdlEvents, CloseRequestIsDeliveredOnce) {
  window_event(SDL_WINDOWEVENT_CLOSE);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  EXPECT_EQ(count_queued(WM_CLOSE), 1);
  SDL_PushEvent(&quit);  // SDL_QUIT alone, as from a signal
  EXPECT_EQ(count_queued(WM_CLOSE), 1);
  window_event(SDL_WINDOWEVENT_CLOSE);
  EXPECT_EQ(KEY_WAITING(0), -1);
  EXPECT_EQ(GET_KEY(0), 27);
  window_event(SDL_WINDOWEVENT_EXPOSED);
  EXPECT_EQ(count_queued(WM_PAINT), 1);
}

TEST(SdlKeyCodes, MappingTable) {
  const struct {
    SDL_Keycode sym;
    WPARAM code;
  } table[] = {{SDLK_TAB, 9},
               {SDLK_RETURN, 13},
               {SDLK_KP_ENTER, 13},
               {SDLK_ESCAPE, 27},
               {SDLK_SPACE, 32},
               {SDLK_0, 48},
               {SDLK_9, 57},
               {SDLK_a, 65},
               {SDLK_z, 90},
               {SDLK_PAGEUP, 33},
               {SDLK_PAGEDOWN, 34},
               {SDLK_END, 35},
               {SDLK_HOME, 36},
               {SDLK_LEFT, 37},
               {SDLK_UP, 38},
               {SDLK_RIGHT, 39},
               {SDLK_DOWN, 40},
               {SDLK_KP_PLUS, 107},
               {SDLK_KP_MINUS, 109},
               {SDLK_F1, 112},
               {SDLK_F12, 123},
               {SDLK_LSHIFT, KEYSYM_SHIFT_L},
               {SDLK_RSHIFT, KEYSYM_SHIFT_R},
               {SDLK_LCTRL, KEYSYM_CONTROL_L},
               {SDLK_RCTRL, KEYSYM_CONTROL_R},
               {SDLK_LALT, KEYSYM_ALT_L},
               {SDLK_RALT, KEYSYM_ALT_R},
               {SDLK_SEMICOLON, 0},
               {SDLK_KP_1, 0},
               {SDLK_EQUALS, 0}};
  for (auto& t : table) {
    EXPECT_EQ(STANDIN_KEY_CODE(t.sym), t.code) << t.sym;
    if (t.code == 0) {
      EXPECT_EQ(KEY_INDEX(STANDIN_KEY_CODE(t.sym)), 0);
    }
  }
}

}  // namespace

// One press a drain, as the browser's backend has it: presses posted
// between two passes each reach a pass of their own, with the modifiers as
// they were when pressed. Each pass is KEY_WAITING and the keys it reads.
class OnePressADrain : public DisplayTest {
 protected:
  void TearDown() override {
    STANDIN_ONE_PRESS_A_DRAIN(false);
    DisplayTest::TearDown();
  }
  // The keys of one pass, as "Right" or "Shift+Right"; "" for none.
  std::string pass() {
    std::string keys;
    if (KEY_WAITING(0) != -1) return keys;
    for (int k; (k = GET_KEY(0)) != KEY_NONE;) {
      if (k == KEY_EXTENDED) continue;
      keys += std::string(keys.empty() ? "" : " ") + (shift_flag[0] ? "Shift+" : "") +
              (k == KEY_RIGHT    ? "Right"
               : k == KEY_F1 + 2 ? "F3"
                                 : "?");
    }
    return keys;
  }
};

TEST_F(OnePressADrain, EachPressHasAPassOfItsOwn) {
  const WPARAM shift = KEYSYM_SHIFT_L, f3 = VK_F1 + 2;
  struct sequence {
    bool on;
    std::vector<std::pair<UINT, WPARAM>> messages;
    std::vector<std::string> passes;
  };
  const std::vector<std::pair<UINT, WPARAM>> five_rights = {
      {WM_KEYDOWN, VK_RIGHT}, {WM_KEYUP, VK_RIGHT}, {WM_KEYDOWN, VK_RIGHT}, {WM_KEYUP, VK_RIGHT},
      {WM_KEYDOWN, VK_RIGHT}, {WM_KEYUP, VK_RIGHT}, {WM_KEYDOWN, VK_RIGHT}, {WM_KEYUP, VK_RIGHT},
      {WM_KEYDOWN, VK_RIGHT}, {WM_KEYUP, VK_RIGHT}};
  const sequence sequences[] = {
      {true, five_rights, {"Right", "Right", "Right", "Right", "Right", ""}},
      {true, {{WM_KEYDOWN, f3}, {WM_KEYUP, f3}, {WM_KEYDOWN, f3}, {WM_KEYUP, f3}}, {"F3", "F3", ""}},
      {true,
       {{WM_KEYDOWN, shift}, {WM_KEYDOWN, VK_RIGHT}, {WM_KEYUP, VK_RIGHT}, {WM_KEYUP, shift}},
       {"Shift+Right", ""}},
      {true,
       {{WM_KEYDOWN, VK_RIGHT}, {WM_MOUSEMOVE, 0}, {WM_KEYUP, VK_RIGHT}, {WM_KEYDOWN, VK_RIGHT}, {WM_KEYUP, VK_RIGHT}},
       {"Right", "Right", ""}},
      {false, five_rights, {"Right", ""}},  // without it a pass takes all there is
  };
  for (const sequence& s : sequences) {
    STANDIN_ONE_PRESS_A_DRAIN(s.on);
    for (auto [message, key] : s.messages)
      post(message, key, message == WM_KEYUP ? static_cast<LPARAM>(0xC0000001u) : 1);
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < s.passes.size(); ++i) seen.push_back(pass());
    EXPECT_EQ(seen, s.passes) << "one press a drain " << s.on << ", " << s.messages.size() << " messages";
  }
}
