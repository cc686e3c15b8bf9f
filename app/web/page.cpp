#include "page.h"

#include <emscripten.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "challenge.h"
#include "controls.h"
#include "display.h"
#include "frame.h"
#include "view.h"
#include "web_program.h"

// ---- Calls into the page: each calls Module.onBellscope<Event> if the page
// has it, and nothing else of the page's is named here.

EM_JS(void, PAGE_LISTEN_FOR_WAKES, (), {
  if (Module['bellscopeWakes']) return;
  Module['bellscopeWakes'] = true;
  var wake = function() {
    Module['_BELLSCOPE_WAKE']();
  };
  [
    'keydown', 'keyup', 'mousedown', 'mousemove', 'mouseup', 'touchstart', 'touchmove', 'touchend', 'touchcancel',
    'blur'
  ]
      .forEach(function(type) { window.addEventListener(type, wake, {capture : true, passive : true}); });
});

EM_JS(void, PAGE_STARTED, (), {
  if (Module['onBellscopeStarted']) Module['onBellscopeStarted']();
});

EM_JS(void, PAGE_ENDED, (), {
  if (Module['onBellscopeEnded']) Module['onBellscopeEnded']();
});

EM_JS(void, PAGE_FAILED, (const char* reason), {
  if (Module['onBellscopeFailed']) Module['onBellscopeFailed'](UTF8ToString(reason));
});

EM_JS(void, PAGE_VIEW_REFUSED, (const char* refusal), {
  if (Module['onBellscopeViewRefused']) Module['onBellscopeViewRefused'](UTF8ToString(refusal));
});

EM_JS(void, PAGE_SCANLINES, (const unsigned char* bytes, int size), {
  if (Module['onBellscopeScanlines']) Module['onBellscopeScanlines'](HEAPU8.slice(bytes, bytes + size));
});

EM_JS(void, PAGE_PICTURE, (const unsigned char* bytes, int size), {
  if (Module['onBellscopePicture']) Module['onBellscopePicture'](HEAPU8.slice(bytes, bytes + size));
});

EM_JS(void, page_curves, (const double* values, int count), {
  if (Module['onBellscopeCurves']) Module['onBellscopeCurves'](HEAPF64.slice(values >> 3, (values >> 3) + count));
});

EM_JS(void, page_state, (const char* json), {
  if (Module['onBellscopeState']) Module['onBellscopeState'](JSON.parse(UTF8ToString(json)));
});

EM_JS(int, PAGE_QUERY, (char* buffer, int size), {
  var query = Module['onBellscopeQuery'] ? Module['onBellscopeQuery']() : location.search || "";
  stringToUTF8(query, buffer, size);
  return lengthBytesUTF8(query);
});

EM_JS(int, PAGE_BASE, (char* buffer, int size), {
  var base = Module['onBellscopeBase'] ? Module['onBellscopeBase']() : "";
  stringToUTF8(base, buffer, size);
  return lengthBytesUTF8(base);
});

// ---- The page's address.

namespace {

// The base of the page's view: a lesson's view, or the start-up state. A
// wrong one (lessons.json's views are checked by the tests) is named on the
// page, and the start-up state is the base.
void read_base() {
  static char base[1024];
  view_refusal refusal;
  if (PAGE_BASE(base, sizeof base) >= static_cast<int>(sizeof base)) {
    INIT_GAUSSIANS(&web.base_view);
    VIEW_REFUSE(&refusal, REASON_ADDRESS_TOO_LONG, nullptr, nullptr, sizeof base - 1);
    PAGE_VIEW_REFUSED(WEB_REFUSAL(&refusal));
  } else if (!PARSE_VIEW_ADDRESS(base, &web.base_view, &refusal)) {
    PAGE_VIEW_REFUSED(WEB_REFUSAL(&refusal));
  }
}

// The view of the page's address, parsed with the frame tool's grammar over
// its base; a wrong one is named on the page, and the program starts as
// usual, in the base.
void read_address() {
  static char query[16384];
  view_refusal refusal;
  web.address_read = true;
  read_base();
  const int length = PAGE_QUERY(query, sizeof query);
  if (length >= static_cast<int>(sizeof query))
    web.address_ok = VIEW_REFUSE(&refusal, REASON_ADDRESS_TOO_LONG, nullptr, nullptr, sizeof query - 1);
  else
    web.address_ok = PARSE_VIEW_ADDRESS_ONTO(query, &web.base_view, &web.address_view, &refusal);
  if (!web.address_ok) PAGE_VIEW_REFUSED(WEB_REFUSAL(&refusal));
}

}  // namespace

const char* WEB_REFUSAL(const view_refusal* refusal) {
  static char json[VIEW_JSON_SIZE];
  VIEW_REFUSAL_JSON(refusal, json);
  return json;
}

void WEB_PAGE_VIEW(gaussian_set* set) {
  if (!web.address_read) read_address();
  if (web.address_ok)
    *set = web.address_view;
  else
    *set = web.base_view;
}

// ---- The state, as the page reads it.

namespace {

// Room for the state's text: four Gaussians, the combined values and the
// working's four steps, each number at most VIEW_NUMBER_SIZE characters.
char state_text[4096];
std::size_t state_length;

void add(const char* format, ...) __attribute__((format(printf, 1, 2)));
void add(const char* format, ...) {
  if (state_length >= sizeof state_text) return;
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(state_text + state_length, sizeof state_text - state_length, format, args);
  va_end(args);
  if (n > 0) state_length += static_cast<std::size_t>(n);
}

// A number exactly, in the shortest text that reads back as it; JSON has no
// infinity or NaN.
void add_number(double value) {
  if (!std::isfinite(value)) {
    add("null");
    return;
  }
  char text[VIEW_NUMBER_SIZE];
  FORMAT_VIEW_NUMBER(value, text, sizeof text);
  add("%s", text);
}

void add_values(double u, double sigma) {
  add("\"u\":");
  add_number(u);
  add(",\"sigma\":");
  add_number(sigma);
  add(",\"shown\":{\"u\":%d,\"sigma\":%d}", DISPLAY_VALUE(u), DISPLAY_VALUE(sigma));
}

const palette_colour* colour_of(int k) {
  for (const palette_colour* c = web.colours->entries; c < web.colours->entries + web.colours->count; ++c)
    if (c->index == GAUSSIAN_COLOUR(k)) return c;
  return web.colours->entries;
}

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

// The product is not for the page to know before the guess is checked.
bool product_hidden() {
  return web.challenge.on && !web.challenge.frame.revealed;
}

void add_challenge() {
  const web_challenge& c = web.challenge;
  if (!c.on) {
    add(",\"challenge\":null");
    return;
  }
  const gaussian& guess = c.frame.guess;
  const bool moved =
      !same_number(guess.u, challenge_start_guess.u) || !same_number(guess.sigma, challenge_start_guess.sigma);
  add(",\"challenge\":{\"seed\":%u,\"round\":%d,\"rounds\":%d,\"revealed\":%s,\"moved\":%s,\"guess\":{",
      static_cast<unsigned>(c.seed), c.round, CHALLENGE_ROUNDS, c.frame.revealed ? "true" : "false",
      moved ? "true" : "false");
  add_values(guess.u, guess.sigma);
  add("},\"scores\":[");
  for (int r = 0; r < CHALLENGE_ROUNDS; ++r) {
    if (c.scores[r] < 0)
      add("%snull", r ? "," : "");
    else
      add("%s%d", r ? "," : "", c.scores[r]);
  }
  add("]}");
}

}  // namespace

void PAGE_TELL_STATE() {
  web_run& run = web.run;
  const gaussian_set& s = run.program.set;
  if (run.told_once && run.told_colours == web.colours && same_state(s, run.told) &&
      same_challenge(web.challenge, run.told_challenge))
    return;
  run.told_once = true;
  run.told = s;
  run.told_colours = web.colours;
  run.told_challenge = web.challenge;
  const bool hidden = product_hidden();
  state_length = 0;
  add("{\"gaussians\":[");
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) {
    const palette_colour* c = colour_of(k + 1);
    add("%s{\"on\":%s,", k ? "," : "", s.g[k].on ? "true" : "false");
    add_values(s.g[k].u, s.g[k].sigma);
    add(",\"colour\":\"rgb(%d, %d, %d)\"}", c->red, c->green, c->blue);
  }
  add("],\"selected\":%d,\"names\":\"%s\",\"mode\":{\"recalc\":%s,\"name\":\"%s\"},\"combined\":", s.selected,
      view_names[s.names], s.recalc ? "true" : "false", mode_names[s.recalc ? 1 : 0]);
  // With no Gaussian on there is no product, whatever the picture prints
  // as the start of its fold.
  product_working working;
  WORK_OUT_PRODUCT(&s, &working);
  if (s.recalc && !hidden && working.count > 0) {
    add("{");
    add_values(s.combined_u, s.combined_sigma);
    add("}");
  } else {
    add("null");
  }
  add_challenge();
  if (hidden) {
    add(",\"working\":null}");
    if (state_length < sizeof state_text) page_state(state_text);
    return;
  }
  add(",\"working\":{\"flat\":%d,\"steps\":[", working.flat);
  for (int i = 0; i < working.count; ++i) {
    const product_step& step = working.steps[i];
    add("%s{\"gaussian\":%d,\"precision\":", i ? "," : "", step.gaussian);
    add_number(step.precision);
    add(",\"total\":");
    add_number(step.total);
    add(",\"u\":");
    add_number(step.u);
    add(",\"sigma\":");
    add_number(step.sigma);
    add(",\"height\":");
    add_number(step.height);
    add("}");
  }
  add("],\"flatHeight\":");
  if (working.flat)
    add_number(working.flat_height);
  else
    add("null");
  add("}}");
  if (state_length < sizeof state_text) page_state(state_text);
}

// ---- The page's calls into the program.

// A page control, by its name, pressed (1) or released (0): see controls.h.
// False for a name the program does not know.
extern "C" EMSCRIPTEN_KEEPALIVE int BELLSCOPE_CONTROL(const char* name, int down) {
  const int control = CONTROL_NAMED(name);
  if (control == CONTROL_UNKNOWN) return 0;
  if (web.run.program.quit) return 1;
  CONTROL_INPUT(control, down, emscripten_get_now());
  WEB_WAKE();
  return 1;
}

// Input has arrived: a sleeping loop runs again from the next animation frame.
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_WAKE() {
  if (!web.run.program.quit) WEB_WAKE();
}

// The colours by name ("design", "colour-blind-safe" or "light": see
// colours.h) from the next frame on; the choice outlives a restart. False
// for any other name.
extern "C" EMSCRIPTEN_KEEPALIVE int BELLSCOPE_COLOURS(const char* name) {
  const colour_profile* colours = COLOUR_PROFILE_NAMED(name);
  if (colours) WEB_USE_COLOURS(colours);
  return colours != nullptr;
}

// Back to the page's view (its address's, or the start-up state) while the
// program runs; in a challenge, the guess back to where the round started it.
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_RESET() {
  if (web.run.program.quit) return;
  if (!web.challenge.on)
    WEB_PAGE_VIEW(&web.run.program.set);
  else if (!web.challenge.frame.revealed)
    web.challenge.frame.guess = challenge_start_guess;
  web.run.must_draw = true;
  WEB_WAKE();
}

// The curves drawn now, for the page to play them (onBellscopeCurves): the
// four Gaussians' and the white curve's, CURVE_COLUMNS each (a value for
// each column of the picture), one after another; the white curve's left
// out while a challenge hides it.
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_CURVES() {
  static_assert(sizeof(gaussian_curves) == (GAUSSIAN_COUNT + 1) * CURVE_COLUMNS * sizeof(double), "one array");
  page_curves(&web.run.program.curves.component[0][0], (GAUSSIAN_COUNT + (product_hidden() ? 0 : 1)) * CURVE_COLUMNS);
}

// The page's view from now on, which Reset and Start again go back to:
// `query` over `base` (a lesson's view, or empty for the start-up state),
// each an address's query; links say what differs from the base. Shown from
// the next frame on while the program runs, leaving a challenge. Null, or
// what is wrong with either (nothing changes then).
extern "C" EMSCRIPTEN_KEEPALIVE const char* BELLSCOPE_PAGE_VIEW(const char* base, const char* query) {
  view_refusal refusal;
  gaussian_set base_view, view;
  if (!PARSE_VIEW_ADDRESS(base ? base : "", &base_view, &refusal) ||
      !PARSE_VIEW_ADDRESS_ONTO(query ? query : "", &base_view, &view, &refusal))
    return WEB_REFUSAL(&refusal);
  web.address_read = web.address_ok = true;
  web.base_view = base_view;
  web.address_view = view;
  if (web.run.program.quit) return nullptr;
  web.challenge.on = false;
  WEB_SHOW_CHALLENGE();
  web.run.program.set = view;
  web.run.must_draw = true;
  WEB_WAKE();
  return nullptr;
}

// How the page names the curves, by the view's word for it ("gaussians",
// "bayes" or "sensors"); false for any other. After the end, too: the page
// hears of it at once, and a Resume keeps it.
extern "C" EMSCRIPTEN_KEEPALIVE int BELLSCOPE_NAMES(const char* name) {
  for (int names = 0; names < NAMES_COUNT; ++names)
    if (name && std::strcmp(name, view_names[names]) == 0) {
      web.run.program.set.names = static_cast<gaussian_names>(names);
      if (web.run.program.quit) {
        PAGE_TELL_STATE();
        return 1;
      }
      web.run.must_draw = true;  // the page hears of it with the state
      WEB_WAKE();
      return 1;
    }
  return 0;
}

// The address of the view shown now: its query, without the '?', saying
// what differs from the page's base (a lesson's view: the link names the
// lesson beside it); in a challenge, the challenge's, which gives its rounds
// but not their answers.
extern "C" EMSCRIPTEN_KEEPALIVE const char* BELLSCOPE_LINK() {
  static char query[VIEW_ADDRESS_SIZE];
  if (!web.address_read) read_address();
  if (web.challenge.on)
    std::snprintf(query, sizeof query, "challenge=%u", static_cast<unsigned>(web.challenge.seed));
  else
    FORMAT_VIEW_ADDRESS_FROM(&web.base_view, &web.run.program.set, query, sizeof query);
  return query;
}

// A value typed for the selected Gaussian's "u" or "sigma", or the guess's
// in a challenge, applied between two passes: null, or why it is refused
// (WEB_REFUSAL; nothing changes then). A checked guess stays as it was
// checked. Any other name is a fault of the page's, answered with a text
// that is no refusal.
extern "C" EMSCRIPTEN_KEEPALIVE const char* BELLSCOPE_SET_VALUE(const char* which, const char* text) {
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
  gaussian& g = program.challenge ? program.challenge->guess : program.set.g[program.set.selected - 1];
  (sigma ? g.sigma : g.u) = v;
  web.run.must_draw = true;
  WEB_WAKE();
  return nullptr;
}
