#include "state_json.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "view.h"

namespace {

// A text written into a caller's buffer, which counts on past its end, so
// that it says how long the whole text is.
struct writer {
  char* out;
  std::size_t size, length;

#if defined(__GNUC__)
  __attribute__((format(printf, 2, 3)))
#endif
  void
  add(const char* format, ...) {
    const bool room = length < size;
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(room ? out + length : nullptr, room ? size - length : 0, format, args);
    va_end(args);
    if (n > 0) length += static_cast<std::size_t>(n);
  }

  // A number exactly, in the shortest text that reads back as it; JSON has
  // no infinity or NaN.
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
};

const palette_colour* colour_of(const colour_profile* colours, int k) {
  for (const palette_colour* c = colours->entries; c < colours->entries + colours->count; ++c)
    if (c->index == GAUSSIAN_COLOUR(k)) return c;
  return colours->entries;
}

bool same_number(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void add_challenge(writer* w, const web_challenge& c) {
  if (!c.on) {
    w->add(",\"challenge\":null");
    return;
  }
  const gaussian& guess = c.frame.guess;
  const bool moved =
      !same_number(guess.u, challenge_start_guess.u) || !same_number(guess.sigma, challenge_start_guess.sigma);
  w->add(",\"challenge\":{\"seed\":%u,\"round\":%d,\"rounds\":%d,\"revealed\":%s,\"moved\":%s,\"guess\":{",
         static_cast<unsigned>(c.seed), c.round, CHALLENGE_ROUNDS, c.frame.revealed ? "true" : "false",
         moved ? "true" : "false");
  w->add_values(guess.u, guess.sigma);
  w->add("},\"scores\":[");
  for (int r = 0; r < CHALLENGE_ROUNDS; ++r) {
    if (c.scores[r] < 0)
      w->add("%snull", r ? "," : "");
    else
      w->add("%s%d", r ? "," : "", c.scores[r]);
  }
  w->add("]}");
}

void add_working(writer* w, const product_working& working) {
  w->add(",\"working\":{\"flat\":%d,\"steps\":[", working.flat);
  for (int i = 0; i < working.count; ++i) {
    const product_step& step = working.steps[i];
    w->add("%s{\"gaussian\":%d,\"precision\":", i ? "," : "", step.gaussian);
    w->add_number(step.precision);
    w->add(",\"total\":");
    w->add_number(step.total);
    w->add(",\"u\":");
    w->add_number(step.u);
    w->add(",\"sigma\":");
    w->add_number(step.sigma);
    w->add(",\"height\":");
    w->add_number(step.height);
    w->add("}");
  }
  w->add("],\"flatHeight\":");
  if (working.flat)
    w->add_number(working.flat_height);
  else
    w->add("null");
  w->add("}");
}

void add_belief(writer* w, const char* name, track_belief belief) {
  w->add(",\"%s\":{\"u\":", name);
  w->add_number(belief.u);
  w->add(",\"sigma\":");
  w->add_number(belief.sigma);
  w->add("}");
}

void add_track(writer* w, const web_track& t) {
  if (!t.on) {
    w->add(",\"track\":null");
    return;
  }
  track_walk walk;
  TRACK_WALK(&t.settings, &walk);
  const int halves = t.halves < 0 ? 0 : t.halves > 2 * walk.steps ? 2 * walk.steps : t.halves;
  const int shown = TRACK_STEP_OF(halves);
  const bool end = halves == 2 * walk.steps;
  w->add(",\"track\":{\"seed\":%u,\"settings\":{", static_cast<unsigned>(t.settings.seed));
  for (int p = 0; p < TRACK_PARAMETERS; ++p) {
    w->add("%s\"%s\":", p ? "," : "", track_ranges[p].name);
    w->add_number(t.settings.value[p]);
  }
  w->add(",\"truth\":\"%s\"},\"step\":%d,\"steps\":%d,\"half\":\"%s\"", t.settings.truth_at_end ? "end" : "each", shown,
         walk.steps,
         !halves                   ? "start"
         : TRACK_PREDICTED(halves) ? "predict"
                                   : "update");
  add_belief(w, "start", walk.start);
  w->add(",\"rows\":[");
  for (int k = 1; k <= shown; ++k) {
    const track_step& step = walk.step[k];
    const bool updated = halves >= 2 * k;
    w->add("%s{\"step\":%d", k > 1 ? "," : "", k);
    add_belief(w, "predicted", step.predicted);
    if (updated) {
      w->add(",\"z\":");
      w->add_number(step.measurement);
      w->add(",\"gain\":");
      w->add_number(step.gain);
      add_belief(w, "updated", step.updated);
    } else {
      w->add(",\"z\":null,\"gain\":null,\"updated\":null");
    }
    w->add(",\"truth\":");
    if (end || (updated && !t.settings.truth_at_end))
      w->add_number(step.truth);
    else
      w->add("null");
    w->add("}");
  }
  w->add("]}");
}

}  // namespace

bool PRODUCT_HIDDEN(const web_challenge* challenge) {
  return challenge->on && !challenge->frame.revealed;
}

std::size_t STATE_JSON(const gaussian_set* set, const colour_profile* colours, const web_challenge* challenge,
                       const web_track* track, char* json, std::size_t size) {
  const gaussian_set& s = *set;
  const bool hidden = PRODUCT_HIDDEN(challenge);
  writer w{json, size, 0};
  if (size) json[0] = 0;
  w.add("{\"gaussians\":[");
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) {
    const palette_colour* c = colour_of(colours, k + 1);
    w.add("%s{\"on\":%s,", k ? "," : "", s.g[k].on ? "true" : "false");
    w.add_values(s.g[k].u, s.g[k].sigma);
    w.add(",\"colour\":\"rgb(%d, %d, %d)\"}", c->red, c->green, c->blue);
  }
  w.add("],\"selected\":%d,\"names\":\"%s\",\"mode\":{\"recalc\":%s,\"name\":\"%s\"},\"combined\":", s.selected,
        view_names[s.names], s.recalc ? "true" : "false", mode_names[s.recalc ? 1 : 0]);
  // With no Gaussian on there is no product, whatever the picture prints
  // as the start of its fold.
  product_working working;
  WORK_OUT_PRODUCT(&s, &working);
  if (s.recalc && !hidden && working.count > 0) {
    w.add("{");
    w.add_values(s.combined_u, s.combined_sigma);
    w.add("}");
  } else {
    w.add("null");
  }
  add_challenge(&w, *challenge);
  if (hidden)
    w.add(",\"working\":null");
  else
    add_working(&w, working);
  add_track(&w, *track);
  w.add("}");
  return w.length;
}
