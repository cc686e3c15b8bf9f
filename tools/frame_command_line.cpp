#include "frame_command_line.h"

#include <cstdio>
#include <cstring>

#include "challenge.h"
#include "view.h"

const char frame_usage[] =
    "usage: bellscope-frame [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]...\n"
    "                       [--challenge SEED:ROUND] [--guess U,SIGMA] [--reveal] OUT.png\n";

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

struct challenge_choice {
  frame_challenge* frame;
  bool challenged, round_given;
  std::uint32_t seed;
  int round;
};

// A challenge's option at argv[*i], as VIEW_OPTION reads the view's: the
// arguments read (*i on the last), 0 for none of them, -1 when it is wrong.
int challenge_option(challenge_choice* choice, int argc, const char* const* argv, int* i, char* error) {
  const char* option = argv[*i];
  const bool reveal = std::strcmp(option, "--reveal") == 0, guess = std::strcmp(option, "--guess") == 0;
  if (!reveal && !guess && std::strcmp(option, "--challenge") != 0) return 0;
  choice->challenged = true;
  if (reveal) {
    choice->frame->revealed = true;
    return 1;
  }
  if (*i + 1 >= argc) {
    VIEW_ERROR(error, option, "a value must follow");
    return -1;
  }
  const char* value = argv[++*i];
  char what[64];
  std::snprintf(what, sizeof what, "%s %.40s", option, value);
  if (guess) return parse_guess(what, value, &choice->frame->guess, error) ? 2 : -1;
  choice->round_given = true;
  return parse_round(what, value, &choice->seed, &choice->round, error) ? 2 : -1;
}

}  // namespace

frame_request PARSE_FRAME_OPTIONS(int argc, const char* const* argv, gaussian_set* set, frame_challenge* challenge,
                                  bool* challenged, const char** out, char* error) {
  view_options options;
  START_VIEW_OPTIONS(&options, set);
  *out = nullptr;
  challenge_choice choice = {challenge, false, false, 0, 1};
  challenge->guess = challenge_start_guess;
  challenge->revealed = false;
  error[0] = 0;
  // --help anywhere wins over --version anywhere, and both over the rest.
  bool version = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) return FRAME_HELP;
    version = version || std::strcmp(argv[i], "--version") == 0;
  }
  if (version) return FRAME_VERSION;
  for (int i = 1; i < argc; ++i) {
    int read = challenge_option(&choice, argc, argv, &i, error);
    if (read == 0) read = VIEW_OPTION(&options, argc, argv, &i, error);
    if (read < 0) return FRAME_BAD;
    if (read > 0) continue;
    if (*out) {
      VIEW_ERROR(error, argv[i], "a second output file (the first is %.60s)", *out);
      return FRAME_BAD;
    }
    *out = argv[i];
  }
  if (!*out) {
    std::snprintf(error, VIEW_ERROR_SIZE, "no output file given: name the PNG file to write");
    return FRAME_BAD;
  }
  if (choice.round_given) CHALLENGE_ROUND(choice.seed, choice.round, set);
  *challenged = choice.challenged;
  return FRAME_WRITE;
}
