#include "web_state.h"

#include <cstring>

#include "display.h"
#include "frame.h"
#include "page.h"

web_program web = {nullptr, &colour_profiles[0], {}, {}, {}, {}, {}};

void WEB_SLEEP() {
  web.run.asleep = true;
  PAGE_RUN_FRAMES(0);
}

void WEB_WAKE() {
  if (!web.run.asleep) return;
  web.run.asleep = false;
  PAGE_RUN_FRAMES(1);
}

// ---- The page's view.

namespace {

// The view the page's address names, read once, over its base (a lesson's
// view, or the start-up state); it outlives a restart.
struct page_view {
  bool read, ok;
  gaussian_set view;
  gaussian_set base;
} address;

// A text the page gives (PAGE_BASE, PAGE_QUERY) into `text`; false, with
// `refusal` written, when it does not fit.
template <int size>
bool read_page_text(int (*read)(char*, int), char (&text)[size], view_refusal* refusal) {
  return read(text, size) < size || VIEW_REFUSE(refusal, REASON_ADDRESS_TOO_LONG, nullptr, nullptr, size - 1);
}

// The view of the page's address, parsed with the frame tool's grammar over
// its base: a wrong one is named on the page, and the program starts as
// usual, in the base, or, when the base is wrong (lessons.json's views are
// checked by the tests), in the start-up state.
void read_address() {
  static char base[1024], query[16384];
  view_refusal refusal;
  address.read = true;
  if (!read_page_text(PAGE_BASE, base, &refusal) || !PARSE_VIEW_ADDRESS(base, &address.base, &refusal)) {
    INIT_GAUSSIANS(&address.base);
    PAGE_VIEW_REFUSED(WEB_REFUSAL(&refusal));
  }
  address.ok = read_page_text(PAGE_QUERY, query, &refusal) &&
               PARSE_VIEW_ADDRESS_ONTO(query, &address.base, &address.view, &refusal);
  if (!address.ok) PAGE_VIEW_REFUSED(WEB_REFUSAL(&refusal));
}

}  // namespace

void WEB_PAGE_VIEW(gaussian_set* set) {
  if (!address.read) read_address();
  *set = address.ok ? address.view : address.base;
}

const gaussian_set* WEB_BASE_VIEW() {
  if (!address.read) read_address();
  return &address.base;
}

void WEB_SET_PAGE_VIEW(const gaussian_set* base, const gaussian_set* view) {
  address.read = address.ok = true;
  address.base = *base;
  address.view = *view;
}

const char* WEB_REFUSAL(const view_refusal* refusal) {
  static char json[VIEW_JSON_SIZE];
  VIEW_REFUSAL_JSON(refusal, json);
  return json;
}

// ---- What the program shows.

// Every entry, so that what one profile sets another puts back. After the
// end, the canvas keeps the last frame, which the new colours paint again
// from its palette indices, as its window did.
void WEB_USE_COLOURS(const colour_profile* colours) {
  web.colours = colours;
  unsigned char rgb[256][3];
  PALETTE_OF(colours, rgb);
  if (web.run.program.quit) {
    PAGE_REPAINT(web.screen_image, SCREEN_WIDTH, SCREEN_HEIGHT, &rgb[0][0]);
    WEB_TELL_STATE();
    return;
  }
  if (!window_handle[0]) return;
  for (int i = 0; i < 256; ++i) SET_COLOR(i, rgb[i][0], rgb[i][1], rgb[i][2]);
  web.run.must_draw = true;
  WEB_WAKE();
}

void WEB_SHOW_CHALLENGE() {
  explorer& program = web.run.program;
  if (program.quit) return;
  if (web.challenge.on) CHALLENGE_ROUND(web.challenge.seed, web.challenge.round, &program.set);
  program.challenge = web.challenge.on ? &web.challenge.frame : nullptr;
  web.run.must_draw = true;
  WEB_WAKE();
}

// The walk's curves are the program's set, over the start-up state (its
// mode and names kept), so that the frame is bellscope-frame's for the
// same walk and step.
void WEB_SHOW_TRACK() {
  explorer& program = web.run.program;
  if (program.quit) return;
  web_track& t = web.track;
  if (t.on) {
    gaussian_set set;
    INIT_GAUSSIANS(&set);
    set.recalc = program.set.recalc;
    set.names = program.set.names;
    TRACK_FRAME(&web.walk, t.halves, !t.settings.truth_at_end, &set, &web.track_frame);
    program.set = set;
  }
  program.track = t.on ? &web.track_frame : nullptr;
  web.run.must_draw = true;
  WEB_WAKE();
}

// ---- The state, told when it has changed.

namespace {

bool same_number(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

bool same_state(const gaussian_set& a, const gaussian_set& b) {
  for (int k = 0; k < GAUSSIAN_COUNT; ++k)
    if (a.g[k].on != b.g[k].on || !same_number(a.g[k].u, b.g[k].u) || !same_number(a.g[k].sigma, b.g[k].sigma))
      return false;
  return a.selected == b.selected && a.recalc == b.recalc && a.names == b.names &&
         (!a.recalc || (same_number(a.combined_u, b.combined_u) && same_number(a.combined_sigma, b.combined_sigma)));
}

bool same_challenge(const web_challenge& a, const web_challenge& b) {
  if (a.on != b.on || (a.on && (a.seed != b.seed || a.round != b.round || a.frame.revealed != b.frame.revealed ||
                                !same_number(a.frame.guess.u, b.frame.guess.u) ||
                                !same_number(a.frame.guess.sigma, b.frame.guess.sigma))))
    return false;
  return std::memcmp(a.scores, b.scores, sizeof a.scores) == 0;
}

bool same_track(const web_track& a, const web_track& b) {
  if (a.on != b.on) return false;
  if (!a.on) return true;
  for (int p = 0; p < TRACK_PARAMETERS; ++p)
    if (!same_number(a.settings.value[p], b.settings.value[p])) return false;
  return a.settings.seed == b.settings.seed && a.settings.truth_at_end == b.settings.truth_at_end &&
         a.halves == b.halves;
}

}  // namespace

void WEB_TELL_STATE() {
  web_run& run = web.run;
  const gaussian_set& s = run.program.set;
  if (run.told_once && run.told_colours == web.colours && same_state(s, run.told) &&
      same_challenge(web.challenge, run.told_challenge) && same_track(web.track, run.told_track))
    return;
  run.told_once = true;
  run.told = s;
  run.told_colours = web.colours;
  run.told_challenge = web.challenge;
  run.told_track = web.track;
  static char json[STATE_JSON_SIZE];
  const std::size_t length = STATE_JSON(&s, web.colours, &web.challenge, &web.track, json, sizeof json);
  if (length < sizeof json) {
    PAGE_STATE(json);
    return;
  }
  // Not a word said of a state cut short, nor the last one said again as
  // if it were this one: the program stops, saying why.
  PAGE_FAULT("its state is longer than STATE_JSON_SIZE");
}
