// Why the view's grammar refuses something: a reason with what it names.
// The command line says it in English (VIEW_REFUSAL_TEXT); the web page says
// it in its own language, from the reason's text in its tables, handed the
// reason as JSON (VIEW_REFUSAL_JSON).
#ifndef BELLSCOPE_APP_VIEW_REFUSAL_H
#define BELLSCOPE_APP_VIEW_REFUSAL_H

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
  REASON_NOT_A_TRACK,
  REASON_TRACK_TOO_LARGE,
  REASON_NOT_WHOLE,
  REASON_TRUTH_CHOICE,
  REASON_SETTING_GIVEN,
  REASON_SETTING_WITHOUT_TRACK,
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

enum { VIEW_WHAT_SIZE = 64 + 4, VIEW_TEXT_SIZE = 40 + 4, VIEW_ERROR_SIZE = 256, VIEW_JSON_SIZE = 1024 };
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

#endif
