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
// named with what is wrong with it (a view_refusal, below).
#ifndef BELLSCOPE_APP_VIEW_H
#define BELLSCOPE_APP_VIEW_H

#include <cstddef>
#include <cstdint>

#include "gaussians.h"

// The names of gaussian_names, as a view writes them: "gaussians", "bayes",
// "sensors". Only the web page shows them.
extern const char* const view_names[NAMES_COUNT];

extern const char view_options_help[];  // the view options, as --help lists them

enum { VIEW_ERROR_SIZE = 256, VIEW_ADDRESS_SIZE = 512, VIEW_NUMBER_SIZE = 32 };

// The largest size of a u or a sigma a view takes, either way: the picture
// prints the whole numbers of two such values, sign and all, on one line
// within its width ("Gaussian 1     (F1 key) u=-100000  sigma=-100000").
enum { VIEW_VALUE_MOST = 100000 };

// Why the grammar refuses something: a reason with what it names. The
// command line says it in English (VIEW_REFUSAL_TEXT); the web page says it
// in its own language, from the reason's text in its tables, handed the
// reason as JSON (VIEW_REFUSAL_JSON).
enum view_reason {
  REASON_NOT_A_NUMBER,
  REASON_TOO_LARGE,
  REASON_TOO_SMALL,
  REASON_NOT_FINITE,
  REASON_NO_GAUSSIAN,
  REASON_GAUSSIAN_MISSING,
  REASON_MODE_GIVEN,
  REASON_ON_GIVEN,
  REASON_SELECT_GIVEN,
  REASON_NAMES_GIVEN,
  REASON_U_GIVEN,
  REASON_SIGMA_GIVEN,
  REASON_UNKNOWN_NAMES,
  REASON_UNKNOWN_OPTION,
  REASON_OPTION_VALUE_MISSING,
  REASON_EXPECTED_K_V,
  REASON_UNKNOWN_PARAMETER,
  REASON_PARAMETER_NAME_MISSING,
  REASON_PARAMETER_VALUE_MISSING,
  REASON_RECALC_VALUE,
  REASON_BAD_PERCENT,
  REASON_PARAMETER_TOO_LONG,
  REASON_ADDRESS_TOO_LONG,
  REASON_NOT_A_CHALLENGE,
  REASON_CHALLENGE_TOO_LARGE,
  REASON_COUNT
};

// Each reason's words, once: `english`, as the command line says it, in
// which {text} is the text refused, {known} and {choices} lists (all of
// them, or one of them), and any other {name} the refusal's number; and
// `key`, the name of its text in the page's tables (the same {names}), or
// null for a reason only a command line meets.
struct view_reason_words {
  view_reason reason;
  const char* key;
  const char* english;
};
extern const view_reason_words view_reasons[REASON_COUNT];

// The parameters a page's address takes, as the page lists them: the
// view's, and the page's own (lesson, challenge, lang), which the view's
// grammar passes over.
extern const char* const address_parameters[];
extern const int address_parameter_count;

enum { VIEW_WHAT_SIZE = 64 + 4, VIEW_TEXT_SIZE = 40 + 4, VIEW_JSON_SIZE = 1024 };
struct view_refusal {
  view_reason reason;
  char what[VIEW_WHAT_SIZE];  // the argument or parameter refused, or empty: at most 60 bytes, then "..."
  char text[VIEW_TEXT_SIZE];  // the text refused, as given: at most 40 bytes, then "..."
  long long number;           // the number the reason names, if it names one
};

// Fills `refusal`; `what` and `text` may be null. Returns false.
bool VIEW_REFUSE(view_refusal* refusal, view_reason reason, const char* what, const char* text, long long number);

// "WHAT: why", or "why" alone when nothing is named, in English, into
// `error` (VIEW_ERROR_SIZE bytes), as VIEW_ERROR writes it.
void VIEW_REFUSAL_TEXT(const view_refusal* refusal, char* error);

// The refusal as the page reads it, into `json` (VIEW_JSON_SIZE bytes):
//   {"key":"reasonTooLarge","what":"u1=1e99","text":"1e99","most":100000}
// the reason's text in the page's tables, what is refused, and the values
// its text names: a text, a number, or a list as an array.
void VIEW_REFUSAL_JSON(const view_refusal* refusal, char* json);

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
