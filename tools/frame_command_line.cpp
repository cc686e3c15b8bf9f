#include "frame_command_line.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "challenge.h"
#include "view.h"

const char frame_usage[] =
    "usage: bellscope-frame [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]...\n"
    "                       [--challenge SEED:ROUND] [--guess U,SIGMA] [--reveal]\n"
    "                       [--track SEED:STEP[:predict|update]] [--track-settings LIST] OUT.png\n";

namespace {

const char help_start[] =
    "Writes a frame of BELLSCOPE, the explorer of products of Gaussian curves, as\n"
    "an 800x450 PNG picture. Without options it draws the start-up state.\n"
    "\n";

const char help_end[] =
    "  --challenge SEED:ROUND  a challenge's frame: round ROUND (1-5) of challenge\n"
    "                 SEED, its product hidden\n"
    "  --guess U,SIGMA  a challenge's frame with this guess at the product\n"
    "  --reveal       a challenge's frame with its product shown\n"
    "  --track SEED:STEP[:predict|update]  Track's frame: walk SEED after step\n"
    "                 STEP (0 is the start), its update or only its predict\n"
    "  --track-settings LIST  the walk's settings, as an address gives them:\n"
    "                 q (process noise, 0-100), r (measurement noise, 0-200),\n"
    "                 v (the filter's velocity), walk (the true velocity, both\n"
    "                 -100 to 100), steps (1-30), truth (each or end), for\n"
    "                 example q=0,r=20,truth=end\n"
    "  --help         print this help and exit\n"
    "  --version      print the version and exit\n"
    "\n"
    "Exit status: 0 when the picture is written, 1 when it cannot be written,\n"
    "2 for a bad command line.\n";

}  // namespace

void PRINT_FRAME_HELP(std::FILE* out) {
  std::fputs(frame_usage, out);
  std::fputs("\n", out);
  std::fputs(help_start, out);
  std::fputs(view_options_help, out);
  std::fputs(help_end, out);
}

namespace {

// A refusal of a part of `what`, said in English: "WHAT: why".
bool refused(const view_refusal* why, const char* what, char* error) {
  view_refusal named;
  VIEW_REFUSE(&named, why->reason, what, why->text, why->number);
  VIEW_REFUSAL_TEXT(&named, error);
  return false;
}

// SEED:ROUND after --challenge.
bool parse_round(const char* what, const char* text, std::uint32_t* seed, int* round, char* error) {
  char seed_text[16] = "";
  const char* colon = std::strchr(text, ':');
  const std::size_t length = colon ? static_cast<std::size_t>(colon - text) : 0;
  if (!colon || length >= sizeof seed_text || colon[1] < '1' || colon[1] > '0' + CHALLENGE_ROUNDS || colon[2])
    return VIEW_ERROR(error, what, "expected SEED:ROUND, a round from 1 to %d, for example 42:1", CHALLENGE_ROUNDS);
  std::memcpy(seed_text, text, length);
  view_refusal why;
  if (!PARSE_CHALLENGE_SEED(seed_text, seed, &why)) return refused(&why, what, error);
  *round = colon[1] - '0';
  return true;
}

// U,SIGMA after --guess.
bool parse_guess(const char* what, const char* text, gaussian* guess, char* error) {
  char u[VIEW_NUMBER_SIZE] = "";
  const char* comma = std::strchr(text, ',');
  const std::size_t length = comma ? static_cast<std::size_t>(comma - text) : 0;
  if (!comma || length >= sizeof u) return VIEW_ERROR(error, what, "expected U,SIGMA, for example 380,60");
  std::memcpy(u, text, length);
  view_refusal why;
  if (!PARSE_VIEW_NUMBER(u, &guess->u, &why) || !PARSE_VIEW_NUMBER(comma + 1, &guess->sigma, &why))
    return refused(&why, what, error);
  return true;
}

struct extras_choice {
  frame_extras* extras;
  bool round_given, step_given;
  std::uint32_t seed;
  int round, step;
  bool predict;
  unsigned settings_given;
};

// SEED:STEP[:predict|update] after --track.
bool parse_step(const char* what, const char* text, extras_choice* choice, char* error) {
  char seed_text[16] = "", rest[16] = "";
  const char* colon = std::strchr(text, ':');
  const std::size_t length = colon ? static_cast<std::size_t>(colon - text) : 0;
  const char* half = colon ? std::strchr(colon + 1, ':') : nullptr;
  const std::size_t step_length = half    ? static_cast<std::size_t>(half - colon - 1)
                                  : colon ? std::strlen(colon + 1)
                                          : 0;
  bool ok = colon && length < sizeof seed_text && step_length > 0 && step_length < sizeof rest;
  if (ok) {
    std::memcpy(seed_text, text, length);
    std::memcpy(rest, colon + 1, step_length);
    for (const char* c = rest; *c; ++c) ok = ok && *c >= '0' && *c <= '9';
    choice->predict = half && std::strcmp(half + 1, "predict") == 0;
    ok = ok && (!half || choice->predict || std::strcmp(half + 1, "update") == 0);
    choice->step = ok ? std::atoi(rest) : 0;
    ok = ok && choice->step <= TRACK_MOST_STEPS && !(choice->predict && choice->step == 0);
  }
  if (!ok)
    return VIEW_ERROR(error, what, "expected SEED:STEP[:predict|update], a step from 0 to %d, for example 7:3:predict",
                      TRACK_MOST_STEPS);
  char query[32];
  std::snprintf(query, sizeof query, "track=%s", seed_text);
  track_settings walk;
  bool found = false;
  view_refusal why;
  if (!PARSE_TRACK_ADDRESS(query, &walk, &found, &why)) return refused(&why, what, error);
  choice->seed = walk.seed;
  return true;
}

// LIST after --track-settings: NAME=VALUE,NAME=VALUE...
bool parse_settings(const char* what, const char* text, extras_choice* choice, char* error) {
  for (const char* item = text;;) {
    const std::size_t length = std::strcspn(item, ",");
    char setting[64];
    const char* equals = static_cast<const char*>(std::memchr(item, '=', length));
    if (!equals || length >= sizeof setting)
      return VIEW_ERROR(error, what, "expected NAME=VALUE,..., for example q=0,r=20,truth=end");
    std::memcpy(setting, item, length);
    setting[length] = 0;
    setting[equals - item] = 0;
    view_refusal why;
    if (!PARSE_TRACK_SETTING(setting, setting + (equals - item) + 1, &choice->extras->track, &choice->settings_given,
                             &why))
      return refused(&why, what, error);
    if (!item[length]) return true;
    item += length + 1;
  }
}

// A challenge's or a walk's option at argv[*i], as VIEW_OPTION reads the
// view's: the arguments read (*i on the last), 0 for none of them, -1 when
// it is wrong.
int extras_option(extras_choice* choice, int argc, const char* const* argv, int* i, char* error) {
  const char* option = argv[*i];
  const bool reveal = std::strcmp(option, "--reveal") == 0, guess = std::strcmp(option, "--guess") == 0;
  const bool track = std::strcmp(option, "--track") == 0, settings = std::strcmp(option, "--track-settings") == 0;
  if (!reveal && !guess && !track && !settings && std::strcmp(option, "--challenge") != 0) return 0;
  frame_extras* extras = choice->extras;
  (track || settings ? extras->tracked : extras->challenged) = true;
  if (extras->tracked && extras->challenged) {
    VIEW_ERROR(error, option, "a frame shows a challenge or a walk, not both");
    return -1;
  }
  if (reveal) {
    extras->challenge.revealed = true;
    return 1;
  }
  if (*i + 1 >= argc) {
    VIEW_ERROR(error, option, "a value must follow");
    return -1;
  }
  const char* value = argv[++*i];
  char what[80];
  std::snprintf(what, sizeof what, "%s %.40s", option, value);
  if (guess) return parse_guess(what, value, &extras->challenge.guess, error) ? 2 : -1;
  if (settings) return parse_settings(what, value, choice, error) ? 2 : -1;
  if (track) {
    if (choice->step_given) {
      VIEW_ERROR(error, what, "--track is already given");
      return -1;
    }
    choice->step_given = true;
    return parse_step(what, value, choice, error) ? 2 : -1;
  }
  choice->round_given = true;
  return parse_round(what, value, &choice->seed, &choice->round, error) ? 2 : -1;
}

}  // namespace

frame_request PARSE_FRAME_OPTIONS(int argc, const char* const* argv, gaussian_set* set, frame_extras* extras,
                                  const char** out, char* error) {
  view_options options;
  START_VIEW_OPTIONS(&options, set);
  *out = nullptr;
  extras->challenge.guess = challenge_start_guess;
  extras->challenge.revealed = false;
  extras->challenged = extras->tracked = false;
  INIT_TRACK(&extras->track);
  extras->halves = 0;
  extras_choice choice = {extras, false, false, 0, 1, 0, false, 0};
  error[0] = 0;
  // --help anywhere wins over --version anywhere, and both over the rest.
  bool version = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) return FRAME_HELP;
    version = version || std::strcmp(argv[i], "--version") == 0;
  }
  if (version) return FRAME_VERSION;
  for (int i = 1; i < argc; ++i) {
    int read = extras_option(&choice, argc, argv, &i, error);
    if (read == 0) read = VIEW_OPTION(&options, argc, argv, &i, error);
    if (read < 0) return FRAME_BAD;
    if (read > 0) continue;
    if (*out) {
      VIEW_ERROR(error, argv[i], "a second output file (the first is %.60s)", *out);
      return FRAME_BAD;
    }
    *out = argv[i];
  }
  if (extras->tracked && !choice.step_given) {
    std::snprintf(error, VIEW_ERROR_SIZE, "--track-settings: give the walk with --track SEED:STEP too");
    return FRAME_BAD;
  }
  const int steps = static_cast<int>(extras->track.value[TRACK_STEPS]);
  if (extras->tracked && choice.step > steps) {
    std::snprintf(error, VIEW_ERROR_SIZE, "--track: step %d is beyond the walk's %d steps", choice.step, steps);
    return FRAME_BAD;
  }
  if (!*out) {
    std::snprintf(error, VIEW_ERROR_SIZE, "no output file given: name the PNG file to write");
    return FRAME_BAD;
  }
  if (choice.round_given) CHALLENGE_ROUND(choice.seed, choice.round, set);
  extras->track.seed = choice.seed;
  extras->halves = 2 * choice.step - (choice.predict ? 1 : 0);
  return FRAME_WRITE;
}

void COMPOSE_CHOSEN_FRAME(unsigned char* screen_image, gaussian_set* set, const frame_extras* extras,
                          gaussian_curves* curves, frame_scratch* scratch) {
  static track_walk walk;
  static frame_track track;
  if (extras->tracked) {
    TRACK_WALK(&extras->track, &walk);
    TRACK_FRAME(&walk, extras->halves, !extras->track.truth_at_end, set, &track);
  }
  COMPUTE_CURVES(set, curves);
  static frame_challenge challenge;
  if (extras->challenged) {
    challenge = extras->challenge;
    GAUSSIAN_CURVE(challenge.guess.u, challenge.guess.sigma, challenge.curve);
  }
  COMPOSE_FRAME(screen_image, set, curves, extras->challenged ? &challenge : nullptr, scratch,
                extras->tracked ? &track : nullptr);
}
