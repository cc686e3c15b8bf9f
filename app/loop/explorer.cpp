#include "explorer.h"

#include "colours.h"
#include "display.h"

const char window_title[] = "BELLSCOPE";

namespace {

const int SLOT = 0;

const int KEY_F4 = KEY_F1 + 3;

// What the arrows and the mouse edit: the selected Gaussian, or in a
// challenge the guess.
gaussian& selected(explorer* e) {
  return e->challenge ? e->challenge->guess : e->set.g[e->set.selected - 1];
}

// A checked guess stays where it was checked, beside the product it was
// scored against, until the next round.
bool guess_checked(const explorer* e) {
  return e->challenge && e->challenge->revealed;
}

void extended_key(explorer* e, int code) {
  gaussian_set& s = e->set;
  if (e->track) return;
  // A challenge's curves are fixed: only the guess moves.
  if (e->challenge && ((code != KEY_LEFT && code != KEY_RIGHT) || guess_checked(e))) return;
  if (code >= KEY_F1 && code <= KEY_F4) s.g[code - KEY_F1].on = !s.g[code - KEY_F1].on;
  if (code == KEY_UP) --s.selected;
  if (s.selected < 1) s.selected = GAUSSIAN_COUNT;
  if (code == KEY_DOWN) ++s.selected;
  if (s.selected > GAUSSIAN_COUNT) s.selected = 1;
  e->step = shift_flag[SLOT] ? 10 : 1;
  if (code == KEY_LEFT) selected(e).u -= e->step;
  if (code == KEY_RIGHT) selected(e).u += e->step;
}

void keyboard(explorer* e) {
  if (KEY_WAITING(SLOT) != -1) return;
  switch (GET_KEY(SLOT)) {
    case KEY_ESC: e->quit = true; break;
    case KEY_ENTER: e->set.recalc = !e->set.recalc; break;
    case KEY_EXTENDED: extended_key(e, GET_KEY(SLOT)); break;
    default: break;
  }
}

void mouse(explorer* e) {
  if (guess_checked(e) || e->track) {
    e->previous_right = 0;  // a drag held on into the next round starts afresh there
    return;
  }
  // Left button held: the mean follows the pointer's column on every pass.
  if (left_button_held[SLOT]) selected(e).u = mouse_x[SLOT];
  // Right-button drag: sigma as it was when the drag began, plus the offset.
  if (right_button_held[SLOT] == 1) {
    if (e->previous_right == 0) {
      e->drag_start_x = mouse_x[SLOT];
      e->saved_sigma = selected(e).sigma;
    }
    selected(e).sigma = e->saved_sigma + (mouse_x[SLOT] - e->drag_start_x);
  }
  e->previous_right = right_button_held[SLOT];
}

}  // namespace

void EXPLORER_START(explorer* e, unsigned char* screen_image) {
  e->screen_image = screen_image;
  OPEN_WINDOW(SLOT, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0, window_title);
  for (const palette_colour& c : colour_scheme) SET_COLOR(c.index, c.red, c.green, c.blue);
  // After OPEN_WINDOW: initialising the library resets every slot's key mode.
  SET_KEY_MODE(SLOT, 1, 1);
  INIT_GAUSSIANS(&e->set);
  e->quit = false;
  e->previous_right = 0;
  e->drag_start_x = 0;
  e->saved_sigma = 0.0;
  e->step = 1;
  e->challenge = nullptr;
  e->track = nullptr;
}

void EXPLORER_PASS(explorer* e) {
  keyboard(e);
  mouse(e);
  COMPUTE_CURVES(&e->set, &e->curves);
  if (e->challenge) GAUSSIAN_CURVE(e->challenge->guess.u, e->challenge->guess.sigma, e->challenge->curve);
  COMPOSE_FRAME(e->screen_image, &e->set, &e->curves, e->challenge, &e->scratch, e->track);
  SHOW_IMAGE(SLOT, e->screen_image);
}

void EXPLORER_END(explorer*) {
  CLOSE_WINDOW(SLOT);
}
