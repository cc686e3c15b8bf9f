#include "controls.h"

#include <cstring>

#include "display.h"
#include "frame.h"

namespace {

const int SLOT = 0;
// A held control repeats as a held key does: after half a second, then
// twenty times a second (a one-column drag takes three passes of its own).
const double REPEAT_DELAY_MS = 500.0, REPEAT_INTERVAL_MS = 50.0;

const WPARAM control_keys[CONTROL_COUNT] = {
    VK_F1, VK_F1 + 1, VK_F1 + 2, VK_F1 + 3, VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, 0, 0, VK_RETURN,
};

int held = -1;             // the control held down, or -1
double next_repeat = 0.0;  // when it acts again
// A one-column right-button drag goes through three passes: press, move,
// release. stage is the next of them; 0 when no drag is under way.
int drag_stage = 0, drag_direction = 0, drag_origin = 0, drag_y = 0, pointer_before = 0;
int drag_wanted = 0;  // direction of a drag still to begin, or 0

bool repeats(int control) {
  return control == CONTROL_MEAN_LEFT || control == CONTROL_MEAN_RIGHT || control == CONTROL_NARROWER ||
         control == CONTROL_WIDER;
}

int drag_of(int control) {
  return control == CONTROL_NARROWER ? -1 : control == CONTROL_WIDER ? 1 : 0;
}

void post(UINT message, WPARAM wparam, LPARAM lparam) {
  if (window_handle[SLOT]) PostMessageA(window_handle[SLOT], message, wparam, lparam);
}

void key(WPARAM code, bool down, bool again) {
  DWORD lparam = 1u;
  if (again) lparam |= 1u << 30;  // previous key state: down
  if (!down) lparam |= 3u << 30;
  post(down ? WM_KEYDOWN : WM_KEYUP, code, static_cast<LPARAM>(lparam));
}

// Acts once: a key press, or a drag to begin at the next pass.
void act(int control, bool again) {
  if (drag_of(control) != 0)
    drag_wanted = drag_of(control);
  else
    key(control_keys[control], true, again);
}

void release_held() {
  if (held >= 0 && drag_of(held) == 0) key(control_keys[held], false, true);
  held = -1;  // a drag under way runs to its release
}

void drag_step() {
  switch (drag_stage) {
    case 0:
      if (drag_wanted == 0) return;
      // From the pointer's column, kept inside the image so that the move
      // stays inside it too; the pointer goes back there afterwards.
      pointer_before = mouse_x[SLOT];
      drag_origin = pointer_before < 1 ? 1 : pointer_before > SCREEN_WIDTH - 2 ? SCREEN_WIDTH - 2 : pointer_before;
      drag_y = mouse_y[SLOT] < 0 || mouse_y[SLOT] >= SCREEN_HEIGHT ? 0 : mouse_y[SLOT];
      drag_direction = drag_wanted;
      drag_wanted = 0;
      post(WM_MOUSEMOVE, 0, MAKELPARAM(drag_origin, drag_y));
      post(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(drag_origin, drag_y));
      drag_stage = 1;
      break;
    case 1:
      post(WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(drag_origin + drag_direction, drag_y));
      drag_stage = 2;
      break;
    default: {
      const bool pointer_still = mouse_x[SLOT] == drag_origin + drag_direction;
      post(WM_RBUTTONUP, 0, MAKELPARAM(drag_origin + drag_direction, drag_y));
      if (pointer_still) post(WM_MOUSEMOVE, 0, MAKELPARAM(pointer_before, drag_y));
      drag_stage = 0;
      break;
    }
  }
}

}  // namespace

const char* const control_names[CONTROL_COUNT] = {
    "gaussian-1", "gaussian-2", "gaussian-3", "gaussian-4", "select-previous", "select-next", "mean-left",
    "mean-right", "narrower",   "wider",      "mode",
};

int CONTROL_NAMED(const char* name) {
  if (!name) return CONTROL_UNKNOWN;
  if (std::strcmp(name, "all") == 0) return CONTROL_ALL;
  for (int c = 0; c < CONTROL_COUNT; ++c)
    if (std::strcmp(name, control_names[c]) == 0) return c;
  return CONTROL_UNKNOWN;
}

void CONTROL_INPUT(int control, int down, double now) {
  if (control == CONTROL_ALL || (!down && control == held)) {
    if (!down) release_held();
    return;
  }
  if (control < 0 || control >= CONTROL_COUNT || !down) return;
  release_held();
  act(control, false);
  if (drag_of(control) == 0 && !repeats(control)) {
    key(control_keys[control], false, false);
    return;
  }
  held = control;
  next_repeat = now + REPEAT_DELAY_MS;
}

void CONTROL_STEP(double now) {
  if (held >= 0 && now >= next_repeat && drag_wanted == 0 && drag_stage == 0) {
    act(held, true);
    next_repeat = now + REPEAT_INTERVAL_MS;
  }
  drag_step();
}

bool CONTROL_BUSY() {
  return held >= 0 || drag_stage != 0 || drag_wanted != 0;
}

void CONTROL_RESET() {
  held = -1;
  drag_stage = drag_wanted = 0;
}
