// A view of BELLSCOPE written down: which Gaussians are on, their u and
// sigma, the selected one and the combining mode. One grammar, in two
// spellings: command-line options, as bellscope and bellscope-frame take them
//   --recalc --on 1,2,3 --select 2 --u 1=120 --sigma 2=40 --names bayes
// and the parameters of a web page's address
//   recalc&on=1,2,3&select=2&u1=120&sigma2=40&names=bayes
// Every view starts from the start-up state. LIST is a comma-separated list
// of Gaussians 1-4 to switch on (all others off; an empty LIST or "none"
// switches all off); a value is a number from -VIEW_VALUE_MOST to
// VIEW_VALUE_MOST, which the picture's whole numbers show truly, with room
// to move. Each setting may be given once. A wrong argument or parameter is
// named with what is wrong with it (a view_refusal: refusal.h).
#ifndef BELLSCOPE_APP_VIEW_H
#define BELLSCOPE_APP_VIEW_H

#include <cstddef>
#include <cstdint>

#include "gaussians.h"
#include "refusal.h"
#include "track.h"
#include "words.h"

extern const char view_options_help[];  // the view options, as --help lists them

enum { VIEW_ADDRESS_SIZE = 512, VIEW_NUMBER_SIZE = 32 };

// The largest size of a u or a sigma a view takes, either way: the picture
// prints the whole numbers of two such values, sign and all, on one line
// within its width ("Gaussian 1     (F1 key) u=-100000  sigma=-100000").
enum { VIEW_VALUE_MOST = 100000 };

// The view options of a command line, read one argument at a time by a
// program that has arguments of its own beside them. START_VIEW_OPTIONS puts
// the set in the start-up state.
struct view_options {
  gaussian_set* set;
  unsigned given;  // the settings given so far, each of which may be given once
};
void START_VIEW_OPTIONS(view_options* options, gaussian_set* set);

// Reads the argument at argv[*i]: 1 when it was a view option, applied, with
// *i moved past its value; 0 when it is not an option at all ("out.png", or
// "-" alone), for the program to take; -1 when it is wrong, with `error`
// (VIEW_ERROR_SIZE bytes) naming the argument and what is wrong with it, in
// English:
//   --sigma 5=3: there is no Gaussian 5
//   --frobnicate: unknown option
int VIEW_OPTION(view_options* options, int argc, const char* const* argv, int* i, char* error);

// Writes "WHAT: why" into `error` (VIEW_ERROR_SIZE bytes), `why` as printf
// formats it, WHAT shortened to 60 characters and "..." when it is longer:
// every message of the grammar has this form. Returns false.
bool VIEW_ERROR(char* error, const char* what, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

// The parameters of an address's query (with or without its leading '?'),
// percent-encoded or not; empty parameters ("a&&b") and the page's own are
// skipped. False, with `refusal` written, for example
//   u1=1e999: '1e999' is too large: at most 100000
// and the set then holds the start-up state.
bool PARSE_VIEW_ADDRESS(const char* query, gaussian_set* set, view_refusal* refusal);

// The same, from `base` instead of the start-up state: what the query does
// not name stays as `base` has it, so that "u2=480" over a lesson's view is
// that view with Gaussian 2 moved. On a wrong query the set holds `base`.
// `set` may be `base` itself.
bool PARSE_VIEW_ADDRESS_ONTO(const char* query, const gaussian_set* base, gaussian_set* set, view_refusal* refusal);

// A value as the view options take it: a number written in full, from
// -VIEW_VALUE_MOST to VIEW_VALUE_MOST. False, with `refusal` written
// ("'12x' is not a number", nothing named), for anything else.
bool PARSE_VIEW_NUMBER(const char* text, double* value, view_refusal* refusal);

// A challenge's number as written in an address: decimal digits, 0 to
// 4294967295. False, with `refusal` written (nothing named), for anything
// else.
bool PARSE_CHALLENGE_SEED(const char* text, std::uint32_t* seed, view_refusal* refusal);

// Track's walk, as an address gives it:
//   track=2026&q=10&r=40&v=30&walk=30&steps=12&truth=end
// the walk's number (as a challenge's) and its settings, each from its
// range in track_ranges, steps a whole number, truth "each" (the truth
// shown after every update) or "end"; each given once, and what is not
// given at its start value. Other parameters are passed over. False, with
// `refusal` written, for anything wrong; true with *found false when the
// query names no walk.
bool PARSE_TRACK_ADDRESS(const char* query, track_settings* settings, bool* found, view_refusal* refusal);

// One setting of a walk by its name (q, r, v, walk, steps or truth), as the
// address and bellscope-frame's --track-settings give it. `given` holds the
// settings given so far, each once.
bool PARSE_TRACK_SETTING(const char* name, const char* value, track_settings* settings, unsigned* given,
                         view_refusal* refusal);

// The address's parameters of a walk (without '?'): track=SEED and the
// settings that differ from their start values.
void FORMAT_TRACK_ADDRESS(const track_settings* settings, char* query, std::size_t size);

// The query of an address that opens the view (without the '?'): only what
// differs from the start-up state, numbers in the shortest form that reads
// back as the same double. Empty for the start-up state.
void FORMAT_VIEW_ADDRESS(const gaussian_set* set, char* query, std::size_t size);

// The same, with only what differs from `base`, so that PARSE_VIEW_ADDRESS_ONTO
// over that base reads it back as `set`. The grammar can switch Parameter
// Recalculation on but not off: over a base in it, a set in Point by Point
// Multiplication cannot be written, and the result is false (the query then
// holds the rest). True otherwise.
bool FORMAT_VIEW_ADDRESS_FROM(const gaussian_set* base, const gaussian_set* set, char* query, std::size_t size);

// A number in the shortest form that reads back as the same double.
void FORMAT_VIEW_NUMBER(double value, char* text, std::size_t size);

#endif
