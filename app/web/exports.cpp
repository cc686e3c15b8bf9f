// The page's calls into the program (page.h) for its controls, its colours
// and names, its view and its link, and the values typed into its fields.
#include <emscripten.h>

#include <cstdio>
#include <cstring>

#include "challenge.h"
#include "controls.h"
#include "page.h"
#include "view.h"
#include "web_state.h"

// False for a name the program does not know.
int BELLSCOPE_CONTROL(const char* name, int down) {
  const int control = CONTROL_NAMED(name);
  if (control == CONTROL_UNKNOWN) return 0;
  if (web.run.program.quit) return 1;
  CONTROL_INPUT(control, down, emscripten_get_now());
  WEB_WAKE();
  return 1;
}

void BELLSCOPE_WAKE() {
  if (!web.run.program.quit) WEB_WAKE();
}

// The choice outlives a restart.
int BELLSCOPE_COLOURS(const char* name) {
  const colour_profile* colours = COLOUR_PROFILE_NAMED(name);
  if (colours) WEB_USE_COLOURS(colours);
  return colours != nullptr;
}

// In a challenge, the guess back to where the round started it; in a
// walk, back to its start.
void BELLSCOPE_RESET() {
  if (web.run.program.quit) return;
  if (web.track.on) {
    web.track.halves = 0;
    WEB_SHOW_TRACK();
    return;
  }
  if (!web.challenge.on)
    WEB_PAGE_VIEW(&web.run.program.set);
  else if (!web.challenge.frame.revealed)
    web.challenge.frame.guess = challenge_start_guess;
  web.run.must_draw = true;
  WEB_WAKE();
}

// The four Gaussians' curves and the white curve's, CURVE_COLUMNS each, one
// after another; the white curve's left out while a challenge hides it, or
// a walk has no measurement yet.
void BELLSCOPE_CURVES() {
  static_assert(sizeof(gaussian_curves) == (GAUSSIAN_COUNT + 1) * CURVE_COLUMNS * sizeof(double), "one array");
  const bool hidden = PRODUCT_HIDDEN(&web.challenge) || (web.track.on && !web.track_frame.product_shown);
  const int curves = GAUSSIAN_COUNT + (hidden ? 0 : 1);
  PAGE_CURVES(&web.run.program.curves.component[0][0], curves * CURVE_COLUMNS);
}

// Links say what differs from the base. Shown from the next frame on while
// the program runs, leaving a challenge or a walk; nothing changes when
// either is wrong.
const char* BELLSCOPE_PAGE_VIEW(const char* base, const char* query) {
  view_refusal refusal;
  gaussian_set base_view, view;
  if (!PARSE_VIEW_ADDRESS(base ? base : "", &base_view, &refusal) ||
      !PARSE_VIEW_ADDRESS_ONTO(query ? query : "", &base_view, &view, &refusal))
    return WEB_REFUSAL(&refusal);
  WEB_SET_PAGE_VIEW(&base_view, &view);
  if (web.run.program.quit) return nullptr;
  web.challenge.on = web.track.on = false;
  WEB_SHOW_CHALLENGE();
  WEB_SHOW_TRACK();
  web.run.program.set = view;
  web.run.must_draw = true;
  WEB_WAKE();
  return nullptr;
}

// After the end, too: the page hears of it at once, and a Resume keeps it.
int BELLSCOPE_NAMES(const char* name) {
  for (int names = 0; names < NAMES_COUNT; ++names)
    if (name && std::strcmp(name, view_names[names]) == 0) {
      web.run.program.set.names = static_cast<gaussian_names>(names);
      if (web.run.program.quit) {
        WEB_TELL_STATE();
        return 1;
      }
      web.run.must_draw = true;  // the page hears of it with the state
      WEB_WAKE();
      return 1;
    }
  return 0;
}

// What differs from the page's base (a lesson's view: the link names the
// lesson beside it); in a challenge, the challenge's, which gives its rounds
// but not their answers; in a walk, the walk's number and settings.
const char* BELLSCOPE_LINK() {
  static char query[VIEW_ADDRESS_SIZE];
  const gaussian_set* base = WEB_BASE_VIEW();
  if (web.track.on)
    FORMAT_TRACK_ADDRESS(&web.track.settings, query, sizeof query);
  else if (web.challenge.on)
    std::snprintf(query, sizeof query, "challenge=%u", static_cast<unsigned>(web.challenge.seed));
  else
    FORMAT_VIEW_ADDRESS_FROM(base, &web.run.program.set, query, sizeof query);
  return query;
}

// Applied between two passes. A checked guess stays as it was checked, and
// a walk's curves as the walk has them. Any
// other name than "u" or "sigma" is a fault of the page's, answered with a
// text that is no refusal.
const char* BELLSCOPE_SET_VALUE(const char* which, const char* text) {
  const bool u = which && std::strcmp(which, "u") == 0, sigma = which && std::strcmp(which, "sigma") == 0;
  if (!u && !sigma) return "BELLSCOPE has no value of that name";
  view_refusal refusal;
  double v = 0;
  if (!PARSE_VIEW_NUMBER(text ? text : "", &v, &refusal)) return WEB_REFUSAL(&refusal);
  explorer& program = web.run.program;
  if (program.quit) return nullptr;
  if (program.challenge && program.challenge->revealed) {
    return "{\"key\":\"guessKept\"}";  // said as the page says it beside the fields
  }
  if (program.track) return "{\"key\":\"trackCurvesFixed\"}";
  gaussian& g = program.challenge ? program.challenge->guess : program.set.g[program.set.selected - 1];
  (sigma ? g.sigma : g.u) = v;
  web.run.must_draw = true;
  WEB_WAKE();
  return nullptr;
}
