#include "view.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "decimal.h"

const char view_options_help[] =
    "  --recalc       Parameter Recalculation instead of Point by Point Multiplication\n"
    "  --on LIST      switch on the Gaussians in LIST (for example 1,3) and the\n"
    "                 others off; 'none' switches all off\n"
    "  --select N     select Gaussian N (1-4): the <-- marker stands beside it\n"
    "  --u K=V        set the mean u of Gaussian K (1-4) to V\n"
    "  --sigma K=V    set the sigma of Gaussian K (1-4) to V; a value V is a\n"
    "                 number from -100000 to 100000\n"
    "  --names NAMES  how the web page names the curves: gaussians, bayes\n"
    "                 (prior, measurements, posterior) or sensors\n";

namespace {

// The settings of a view, each of which may be given once.
enum setting {
  SET_RECALC = 1,
  SET_ON = 2,
  SET_SELECT = 4,
  SET_U = 8,  // u and sigma: << k - 1
  SET_SIGMA = 128,
  SET_NAMES = 2048,
};

// Parameters of an address longer than this are refused, not cut.
const std::size_t PARAMETER_SIZE = 256;

// The page's own parameters, which it reads itself, and a walk's, which
// PARSE_TRACK_ADDRESS reads.
const char* const page_parameters[] = {"lesson", "challenge", "lang", "track", "q", "r", "v", "walk", "steps", "truth"};

struct parser {
  gaussian_set* set;
  unsigned given;
  view_refusal* refusal;
};

bool fail(parser* p, view_reason reason, const char* what, const char* text = nullptr, long long number = 0) {
  return VIEW_REFUSE(p->refusal, reason, what, text, number);
}

bool parse_number(parser* p, const char* what, const char* text, double* value) {
  if (PARSE_VIEW_NUMBER(text, value, p->refusal)) return true;
  return fail(p, p->refusal->reason, what, text, p->refusal->number);
}

// K of "K=V" or an item of a list, given as the `length` bytes at `text`.
bool parse_gaussian_number(parser* p, const char* what, const char* text, std::size_t length, int* k) {
  if (length == 1 && text[0] >= '1' && text[0] <= '4') {
    *k = text[0] - '0';
    return true;
  }
  if (length == 0) return fail(p, REASON_GAUSSIAN_MISSING, what);
  char number[24];
  std::snprintf(number, sizeof number, "%.*s", static_cast<int>(length > 20 ? 20 : length), text);
  return fail(p, REASON_NO_GAUSSIAN, what, number);
}

// `k`: the Gaussian the setting belongs to, if it belongs to one.
bool first_time(parser* p, const char* what, unsigned bit, view_reason given, int k = 0) {
  if (p->given & bit) return fail(p, given, what, nullptr, k);
  p->given |= bit;
  return true;
}

bool set_recalc(parser* p, const char* what) {
  if (!first_time(p, what, SET_RECALC, REASON_MODE_GIVEN)) return false;
  p->set->recalc = true;
  return true;
}

bool set_on(parser* p, const char* what, const char* list) {
  bool on[GAUSSIAN_COUNT] = {false, false, false, false};
  if (std::strcmp(list, "none") != 0 && *list) {
    for (const char* item = list;;) {
      const std::size_t length = std::strcspn(item, ",");
      int k = 0;
      if (!parse_gaussian_number(p, what, item, length, &k)) return false;
      on[k - 1] = true;
      if (item[length] == 0) break;
      item += length + 1;
    }
  }
  if (!first_time(p, what, SET_ON, REASON_ON_GIVEN)) return false;
  for (int i = 0; i < GAUSSIAN_COUNT; ++i) p->set->g[i].on = on[i];
  return true;
}

bool set_select(parser* p, const char* what, const char* text) {
  int k = 0;
  if (!parse_gaussian_number(p, what, text, std::strlen(text), &k)) return false;
  if (!first_time(p, what, SET_SELECT, REASON_SELECT_GIVEN)) return false;
  p->set->selected = k;
  return true;
}

bool set_names(parser* p, const char* what, const char* text) {
  int names = 0;
  while (names < NAMES_COUNT && std::strcmp(text, view_names[names]) != 0) ++names;
  if (names == NAMES_COUNT) return fail(p, REASON_UNKNOWN_NAMES, what);
  if (!first_time(p, what, SET_NAMES, REASON_NAMES_GIVEN)) return false;
  p->set->names = static_cast<gaussian_names>(names);
  return true;
}

// u (sigma false) or sigma of Gaussian k.
bool set_value(parser* p, const char* what, bool sigma, int k, const char* text) {
  double v = 0;
  if (!parse_number(p, what, text, &v)) return false;
  if (!first_time(p, what, (sigma ? SET_SIGMA : SET_U) << (k - 1), sigma ? REASON_SIGMA_GIVEN : REASON_U_GIVEN, k))
    return false;
  (sigma ? p->set->g[k - 1].sigma : p->set->g[k - 1].u) = v;
  return true;
}

// One command-line argument at argv[*i], as VIEW_OPTION reads it.
int view_option(parser* p, int argc, const char* const* argv, int* i) {
  const char* arg = argv[*i];
  if (arg[0] != '-' || arg[1] == 0) return 0;
  if (std::strcmp(arg, "--recalc") == 0) return set_recalc(p, arg) ? 1 : -1;
  const bool takes_value = std::strcmp(arg, "--on") == 0 || std::strcmp(arg, "--select") == 0 ||
                           std::strcmp(arg, "--u") == 0 || std::strcmp(arg, "--sigma") == 0 ||
                           std::strcmp(arg, "--names") == 0;
  if (!takes_value) {
    fail(p, REASON_UNKNOWN_OPTION, arg);
    return -1;
  }
  if (*i + 1 == argc) {
    fail(p, REASON_OPTION_VALUE_MISSING, arg);
    return -1;
  }
  const char* value = argv[++*i];
  char what[VIEW_ERROR_SIZE];
  std::snprintf(what, sizeof what, "%s %s", arg, value);
  if (std::strcmp(arg, "--on") == 0) return set_on(p, what, value) ? 1 : -1;
  if (std::strcmp(arg, "--select") == 0) return set_select(p, what, value) ? 1 : -1;
  if (std::strcmp(arg, "--names") == 0) return set_names(p, what, value) ? 1 : -1;
  // --u K=V or --sigma K=V
  const char* equals = std::strchr(value, '=');
  if (!equals) {
    fail(p, REASON_EXPECTED_K_V, what);
    return -1;
  }
  int k = 0;
  if (!parse_gaussian_number(p, what, value, static_cast<std::size_t>(equals - value), &k)) return -1;
  return set_value(p, what, arg[2] == 's', k, equals + 1) ? 1 : -1;
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Copies the `length` bytes at `text` into `decoded` (PARAMETER_SIZE bytes),
// undoing percent-encoding. False for a bad %XX, an encoded zero byte, or a
// parameter too long; `decoded` then holds its start for the message.
bool percent_decode(const char* text, std::size_t length, char* decoded, view_reason* why) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < length; ++i) {
    if (n + 1 >= PARAMETER_SIZE) {
      decoded[n] = 0;
      *why = REASON_PARAMETER_TOO_LONG;
      return false;
    }
    char c = text[i];
    if (c == '%') {
      const int high = i + 2 < length ? hex_digit(text[i + 1]) : -1;
      const int low = high >= 0 ? hex_digit(text[i + 2]) : -1;
      if (low < 0 || (high == 0 && low == 0)) {
        std::snprintf(decoded + n, PARAMETER_SIZE - n, "%.*s", static_cast<int>(length - i > 3 ? 3 : length - i),
                      text + i);
        *why = REASON_BAD_PERCENT;
        return false;
      }
      c = static_cast<char>(high * 16 + low);
      i += 2;
    }
    decoded[n++] = c;
  }
  decoded[n] = 0;
  return true;
}

// One parameter of an address, "name" or "name=value", decoded.
bool address_parameter(parser* p, char* parameter) {
  char* equals = std::strchr(parameter, '=');
  const char* value = equals ? equals + 1 : nullptr;
  if (equals) *equals = 0;
  const char* name = parameter;
  char what[PARAMETER_SIZE + 1];
  std::snprintf(what, sizeof what, "%s%s%s", name, value ? "=" : "", value ? value : "");
  if (std::strcmp(name, "recalc") == 0) {
    if (value && *value) return fail(p, REASON_RECALC_VALUE, what);
    return set_recalc(p, what);
  }
  for (const char* own : page_parameters)
    if (std::strcmp(name, own) == 0) return true;  // the page's to read
  const bool u = name[0] == 'u' && std::strlen(name) == 2;
  const bool sigma = std::strncmp(name, "sigma", 5) == 0 && std::strlen(name) == 6;
  const bool known =
      std::strcmp(name, "on") == 0 || std::strcmp(name, "select") == 0 || std::strcmp(name, "names") == 0 || u || sigma;
  if (!known) return fail(p, *name ? REASON_UNKNOWN_PARAMETER : REASON_PARAMETER_NAME_MISSING, what);
  if (!value) return fail(p, REASON_PARAMETER_VALUE_MISSING, what, name);
  if (std::strcmp(name, "on") == 0) return set_on(p, what, value);
  if (std::strcmp(name, "select") == 0) return set_select(p, what, value);
  if (std::strcmp(name, "names") == 0) return set_names(p, what, value);
  int k = 0;
  const char* digit = name + (u ? 1 : 5);
  if (!parse_gaussian_number(p, what, digit, 1, &k)) return false;
  return set_value(p, what, sigma, k, value);
}

}  // namespace

bool VIEW_ERROR(char* error, const char* what, const char* format, ...) {
  char why[160];
  std::va_list args;
  va_start(args, format);
  std::vsnprintf(why, sizeof why, format, args);
  va_end(args);
  const bool long_what = std::strlen(what) > 60;
  std::snprintf(error, VIEW_ERROR_SIZE, "%.*s%s: %s", 60, what, long_what ? "..." : "", why);
  return false;
}

void START_VIEW_OPTIONS(view_options* options, gaussian_set* set) {
  INIT_GAUSSIANS(set);
  *options = view_options{set, 0};
}

int VIEW_OPTION(view_options* options, int argc, const char* const* argv, int* i, char* error) {
  view_refusal refusal;
  parser p{options->set, options->given, &refusal};
  const int r = view_option(&p, argc, argv, i);
  options->given = p.given;
  if (r < 0) VIEW_REFUSAL_TEXT(&refusal, error);
  return r;
}

bool PARSE_VIEW_ADDRESS(const char* query, gaussian_set* set, view_refusal* refusal) {
  gaussian_set start;
  INIT_GAUSSIANS(&start);
  return PARSE_VIEW_ADDRESS_ONTO(query, &start, set, refusal);
}

bool PARSE_VIEW_ADDRESS_ONTO(const char* query, const gaussian_set* base, gaussian_set* set, view_refusal* refusal) {
  const gaussian_set from = *base;  // base may be set itself
  *set = from;
  parser p{set, 0, refusal};
  if (*query == '?') ++query;
  for (const char* at = query; *at;) {
    const std::size_t length = std::strcspn(at, "&");
    char parameter[PARAMETER_SIZE];
    view_reason why = REASON_BAD_PERCENT;
    bool ok = true;
    if (length > 0)
      ok = percent_decode(at, length, parameter, &why) ? address_parameter(&p, parameter) : fail(&p, why, parameter);
    if (!ok) {
      *set = from;
      return false;
    }
    at += length;
    if (*at == '&') ++at;
  }
  return true;
}

bool PARSE_VIEW_NUMBER(const char* text, double* value, view_refusal* refusal) {
  const char* end = text;
  bool too_large = false;
  const double v = READ_DOUBLE(text, &end, &too_large);
  // Beyond the range also what is too large for a double (1e999), but not
  // "inf" or "nan", which are no numbers a teacher writes.
  const bool huge = too_large || (std::isfinite(v) && std::fabs(v) > VIEW_VALUE_MOST);
  if (!*text || *end) return VIEW_REFUSE(refusal, REASON_NOT_A_NUMBER, nullptr, text, 0);
  if (huge && v > 0) return VIEW_REFUSE(refusal, REASON_TOO_LARGE, nullptr, text, VIEW_VALUE_MOST);
  if (huge) return VIEW_REFUSE(refusal, REASON_TOO_SMALL, nullptr, text, -VIEW_VALUE_MOST);
  if (!std::isfinite(v)) return VIEW_REFUSE(refusal, REASON_NOT_FINITE, nullptr, text, 0);
  *value = v;
  return true;
}

namespace {

// A seed as an address writes it: decimal digits, 0 to 4294967295; the two
// reasons say whose number it is.
bool parse_seed(const char* text, std::uint32_t* seed, view_refusal* refusal, view_reason not_digits,
                view_reason too_large) {
  const long long most = 4294967295LL;
  const char* p = text ? text : "";
  bool digits = *p != 0;
  for (const char* c = p; *c; ++c) digits = digits && *c >= '0' && *c <= '9';
  if (!digits) return VIEW_REFUSE(refusal, not_digits, nullptr, p, most);
  unsigned long long value = 0;
  for (const char* c = p; *c; ++c) {
    value = value * 10 + static_cast<unsigned>(*c - '0');
    if (value > static_cast<unsigned long long>(most)) return VIEW_REFUSE(refusal, too_large, nullptr, p, most);
  }
  *seed = static_cast<std::uint32_t>(value);
  return true;
}

}  // namespace

bool PARSE_CHALLENGE_SEED(const char* text, std::uint32_t* seed, view_refusal* refusal) {
  return parse_seed(text, seed, refusal, REASON_NOT_A_CHALLENGE, REASON_CHALLENGE_TOO_LARGE);
}

bool PARSE_TRACK_SETTING(const char* name, const char* value, track_settings* settings, unsigned* given,
                         view_refusal* refusal) {
  char what[PARAMETER_SIZE + 1];
  std::snprintf(what, sizeof what, "%s=%s", name, value);
  int p = 0;
  while (p < TRACK_PARAMETERS && std::strcmp(name, track_ranges[p].name) != 0) ++p;
  const bool truth = std::strcmp(name, "truth") == 0;
  if (p == TRACK_PARAMETERS && !truth) return VIEW_REFUSE(refusal, REASON_UNKNOWN_PARAMETER, what, nullptr, 0);
  const unsigned bit = 1u << p;  // truth: the bit after the parameters'
  if (*given & bit) return VIEW_REFUSE(refusal, REASON_SETTING_GIVEN, what, name, 0);
  if (truth) {
    const bool each = std::strcmp(value, "each") == 0, end = std::strcmp(value, "end") == 0;
    if (!each && !end) return VIEW_REFUSE(refusal, REASON_TRUTH_CHOICE, what, value, 0);
    settings->truth_at_end = end;
  } else {
    double v = 0;
    const track_range& range = track_ranges[p];
    // Beyond what any number here may be (1e999) is beyond the setting's
    // range: named by the range's own end.
    if (!PARSE_VIEW_NUMBER(value, &v, refusal)) {
      const view_reason why = refusal->reason;
      const long long end = why == REASON_TOO_LARGE   ? static_cast<long long>(range.high)
                            : why == REASON_TOO_SMALL ? static_cast<long long>(range.low)
                                                      : refusal->number;
      return VIEW_REFUSE(refusal, why, what, value, end);
    }
    if (v > range.high) return VIEW_REFUSE(refusal, REASON_TOO_LARGE, what, value, static_cast<long long>(range.high));
    if (v < range.low) return VIEW_REFUSE(refusal, REASON_TOO_SMALL, what, value, static_cast<long long>(range.low));
    if (p == TRACK_STEPS && v != std::floor(v)) return VIEW_REFUSE(refusal, REASON_NOT_WHOLE, what, value, 0);
    settings->value[p] = v;
  }
  *given |= bit;
  return true;
}

bool PARSE_TRACK_ADDRESS(const char* query, track_settings* settings, bool* found, view_refusal* refusal) {
  track_settings read;
  INIT_TRACK(&read);
  unsigned given = 0;
  const char* setting = nullptr;  // the first setting given, for its message without a walk
  bool seeded = false;
  if (*query == '?') ++query;
  for (const char* at = query; *at;) {
    const std::size_t length = std::strcspn(at, "&");
    char parameter[PARAMETER_SIZE];
    view_reason why = REASON_BAD_PERCENT;
    if (length > 0) {
      if (!percent_decode(at, length, parameter, &why)) return VIEW_REFUSE(refusal, why, parameter, nullptr, 0);
      char* equals = std::strchr(parameter, '=');
      const char* value = equals ? equals + 1 : "";
      if (equals) *equals = 0;
      bool ours = std::strcmp(parameter, "truth") == 0;
      for (const track_range& range : track_ranges) ours = ours || std::strcmp(parameter, range.name) == 0;
      if (std::strcmp(parameter, "track") == 0) {
        char what[PARAMETER_SIZE + 8];
        std::snprintf(what, sizeof what, "track=%s", value);
        if (seeded) return VIEW_REFUSE(refusal, REASON_SETTING_GIVEN, what, "track", 0);
        if (!parse_seed(value, &read.seed, refusal, REASON_NOT_A_TRACK, REASON_TRACK_TOO_LARGE))
          return VIEW_REFUSE(refusal, refusal->reason, what, value, refusal->number);
        seeded = true;
      } else if (ours) {
        if (!PARSE_TRACK_SETTING(parameter, value, &read, &given, refusal)) return false;
        if (!setting) setting = at;
      }
    }
    at += length;
    if (*at == '&') ++at;
  }
  *found = seeded;
  if (!seeded && setting) {
    char what[PARAMETER_SIZE];
    std::snprintf(what, sizeof what, "%.*s", static_cast<int>(std::strcspn(setting, "&")), setting);
    return VIEW_REFUSE(refusal, REASON_SETTING_WITHOUT_TRACK, what, what, 0);
  }
  if (seeded) *settings = read;
  return true;
}

void FORMAT_TRACK_ADDRESS(const track_settings* settings, char* query, std::size_t size) {
  std::size_t n = 0;
  auto add = [&](const char* name, const char* value) {
    const int written = std::snprintf(query + n, size - n, "%s%s=%s", n ? "&" : "", name, value);
    if (written > 0) n = std::min(n + static_cast<std::size_t>(written), size - 1);
  };
  if (!size) return;
  query[0] = 0;
  char number[VIEW_NUMBER_SIZE];
  std::snprintf(number, sizeof number, "%u", static_cast<unsigned>(settings->seed));
  add("track", number);
  for (int p = 0; p < TRACK_PARAMETERS; ++p) {
    const double v = settings->value[p];
    if (v == track_ranges[p].start) continue;
    FORMAT_VIEW_NUMBER(v, number, sizeof number);
    add(track_ranges[p].name, number);
  }
  if (settings->truth_at_end) add("truth", "end");
}

void FORMAT_VIEW_NUMBER(double value, char* text, std::size_t size) {
  if (!std::isfinite(value)) value = 0;  // a view holds finite numbers only
  // The shortest text of those that read back exactly ("120", not "1.2e+02").
  char best[VIEW_NUMBER_SIZE] = "", candidate[VIEW_NUMBER_SIZE];
  for (int precision = 1; precision <= 17; ++precision) {
    WRITE_DOUBLE(value, precision, candidate, sizeof candidate);
    if (*best && std::strlen(candidate) >= std::strlen(best)) continue;  // read back only what would be kept
    const double back = READ_DOUBLE(candidate, nullptr, nullptr);
    if (back == value && std::signbit(back) == std::signbit(value)) std::memcpy(best, candidate, sizeof best);
  }
  std::snprintf(text, size, "%s", best);
}

void FORMAT_VIEW_ADDRESS(const gaussian_set* set, char* query, std::size_t size) {
  gaussian_set start;
  INIT_GAUSSIANS(&start);
  FORMAT_VIEW_ADDRESS_FROM(&start, set, query, size);
}

bool FORMAT_VIEW_ADDRESS_FROM(const gaussian_set* base, const gaussian_set* set, char* query, std::size_t size) {
  const gaussian_set& start = *base;
  std::size_t n = 0;
  auto add = [&](const char* text) {
    if (n + 1 >= size) return;
    const int written = std::snprintf(query + n, size - n, "%s%s", n ? "&" : "", text);
    if (written > 0)
      n = n + static_cast<std::size_t>(written) < size ? n + static_cast<std::size_t>(written) : size - 1;
  };
  char item[64], number[VIEW_NUMBER_SIZE];
  if (size) query[0] = 0;
  if (set->recalc && !start.recalc) add("recalc");
  bool same_on = true;
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) same_on = same_on && set->g[k].on == start.g[k].on;
  if (!same_on) {
    std::strcpy(item, "on=");
    for (int k = 0; k < GAUSSIAN_COUNT; ++k)
      if (set->g[k].on) std::snprintf(item + std::strlen(item), 4, "%s%d", item[3] ? "," : "", k + 1);
    if (!item[3]) std::strcat(item, "none");
    add(item);
  }
  if (set->selected != start.selected) {
    std::snprintf(item, sizeof item, "select=%d", set->selected);
    add(item);
  }
  for (int sigma = 0; sigma < 2; ++sigma)
    for (int k = 0; k < GAUSSIAN_COUNT; ++k) {
      const double v = sigma ? set->g[k].sigma : set->g[k].u;
      const double v0 = sigma ? start.g[k].sigma : start.g[k].u;
      if (v == v0 && std::signbit(v) == std::signbit(v0)) continue;
      FORMAT_VIEW_NUMBER(v, number, sizeof number);
      std::snprintf(item, sizeof item, "%s%d=%s", sigma ? "sigma" : "u", k + 1, number);
      add(item);
    }
  if (set->names != start.names && set->names >= NAMES_GAUSSIANS && set->names < NAMES_COUNT) {
    std::snprintf(item, sizeof item, "names=%s", view_names[set->names]);
    add(item);
  }
  return set->recalc || !start.recalc;  // the grammar can switch Parameter Recalculation on, not off
}
