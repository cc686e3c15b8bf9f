// The state the web page shows and says, written as the JSON object it
// reads (onBellscopeState): plain C++, which knows nothing of the browser.
#ifndef BELLSCOPE_APP_WEB_STATE_JSON_H
#define BELLSCOPE_APP_WEB_STATE_JSON_H

#include <cstddef>
#include <cstdint>

#include "challenge.h"
#include "colours.h"
#include "frame.h"
#include "gaussians.h"
#include "track.h"

// A challenge in progress: which rounds, the one shown, the scores so far
// and the guess.
struct web_challenge {
  bool on;
  std::uint32_t seed;
  int round;                     // 1..CHALLENGE_ROUNDS
  int scores[CHALLENGE_ROUNDS];  // -1 until the round is checked
  frame_challenge frame;         // the guess, and whether the product is shown
};

// The product is not for the page to know before the round's guess is
// checked: neither its values, nor its working, nor its curve.
bool PRODUCT_HIDDEN(const web_challenge* challenge);

// Track's walk in progress: its number and settings, and how far it has
// gone, in halves (track.h): the walk itself follows from the settings.
struct web_track {
  bool on;
  track_settings settings;
  int halves;  // 0..2 * steps
};

// Room for the longest state: four Gaussians, the combined values, the
// challenge and the working's four steps, each number at most
// VIEW_NUMBER_SIZE characters, come to about 2 KB; a walk's 30 rows of
// seven numbers about 8 KB more.
enum { STATE_JSON_SIZE = 16384 };

// The state of `set`, drawn in `colours`, with `challenge`, into `json`
// (`size` bytes, terminated when size > 0):
//   {"gaussians": [{"on", "u", "sigma", "shown": {"u", "sigma"}, "colour"}, ...],
//    "selected", "names", "mode": {"recalc", "name"},
//    "combined": null or {"u", "sigma", "shown": {"u", "sigma"}},
//    "challenge": null or {"seed", "round", "rounds", "revealed", "moved",
//                          "guess": {"u", "sigma", "shown": {"u", "sigma"}}, "scores": [...]},
//    "working": null or {"flat", "steps": [{"gaussian", "precision", "total", "u", "sigma", "height"}, ...],
//                        "flatHeight"},
//    "track": null or {"seed", "settings": {"q", "r", "v", "walk", "steps", "truth"}, "step", "steps",
//                      "half", "start": {"u", "sigma"},
//                      "rows": [{"step", "predicted": {"u", "sigma"}, "z", "gain", "updated", "truth"}, ...]}}
// u, sigma and the working's numbers are exact (null where not finite);
// shown holds the whole numbers the picture prints; colour is a CSS
// colour; names is the view's word for how the page names the curves
// (view_names); mode's name is the one the picture prints. combined is null
// but in Parameter Recalculation with a Gaussian on and the product shown.
// In a challenge, moved says whether the guess has left where the round
// started it, and a score is null until its round is checked. working is
// the product rule worked out (WORK_OUT_PRODUCT), null while the product is
// hidden; flat is 0 where no Gaussian on has sigma 0, and flatHeight null
// then. In a walk, truth is "each" or "end"; step is the step shown (0 at
// the start) and half the half of it done last ("start", "predict" or
// "update"); start is the filter's first belief; rows has one row for
// each step begun, its z, gain and updated null until its update, its
// truth null until it is shown.
// Returns the length of the whole text: when it is `size` or more, the
// text did not fit, and what `json` holds is cut short.
std::size_t STATE_JSON(const gaussian_set* set, const colour_profile* colours, const web_challenge* challenge,
                       const web_track* track, char* json, std::size_t size);

#endif
