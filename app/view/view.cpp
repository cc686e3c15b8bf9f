#include "frame_options.h"

#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const char frame_usage[] =
    "usage: bellscope-frame [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]... OUT.png\n";

const char frame_help[] =
    "Writes a frame of BELLSCOPE, the explorer of products of Gaussian curves, as\n"
    "an 800x450 PNG picture. Without options it draws the start-up state.\n"
    "\n"
    "  --recalc       Parameter Recalculation instead of Point by Point Multiplication\n"
    "  --on LIST      switch on the Gaussians in LIST (for example 1,3) and the\n"
    "                 others off; 'none' switches all off\n"
    "  --select N     select Gaussian N (1-4): the <-- marker stands beside it\n"
    "  --u K=V        set the mean u of Gaussian K (1-4) to V\n"
    "  --sigma K=V    set the sigma of Gaussian K (1-4) to V\n"
    "  --help         print this help and exit\n"
    "  --version      print the version and exit\n"
    "\n"
    "Exit status: 0 when the picture is written, 1 when it cannot be written,\n"
    "2 for a bad command line.\n";

namespace {

// Writes "OPTION VALUE: what is wrong" (or "ARGUMENT: ...") into error.
bool fail(char* error, const char* option, const char* value, const char* format, ...) {
  char why[160];
  std::va_list args;
  va_start(args, format);
  std::vsnprintf(why, sizeof why, format, args);
  va_end(args);
  if (value)
    std::snprintf(error, FRAME_ERROR_SIZE, "%s %s: %s", option, value, why);
  else
    std::snprintf(error, FRAME_ERROR_SIZE, "%s: %s", option, why);
  return false;
}

// A finite number, written in full: "12", "-3.5", "1e2".
bool parse_number(const char* option, const char* whole, const char* text, double* value, char* error) {
  char* end = nullptr;
  errno = 0;
  const double v = *text ? std::strtod(text, &end) : 0.0;
  if (!*text || *end) return fail(error, option, whole, "'%s' is not a number", text);
  if (errno == ERANGE && std::fabs(v) > 1.0) return fail(error, option, whole, "'%s' is too large", text);
  if (!std::isfinite(v)) return fail(error, option, whole, "'%s' is not a finite number", text);
  *value = v;
  return true;
}

// K of "K=V" or an item of a list, given as the `length` bytes at `text`.
bool parse_gaussian_number(const char* option, const char* whole, const char* text, std::size_t length, int* k,
                           char* error) {
  if (length == 1 && text[0] >= '1' && text[0] <= '4') {
    *k = text[0] - '0';
    return true;
  }
  if (length == 0) return fail(error, option, whole, "a Gaussian number (1-4) is missing");
  return fail(error, option, whole, "there is no Gaussian %.*s", static_cast<int>(length > 20 ? 20 : length), text);
}

// "K=V" with K in 1..4 and V a finite number.
bool parse_assignment(const char* option, const char* text, int* k, double* value, char* error) {
  const char* equals = std::strchr(text, '=');
  if (!equals) return fail(error, option, text, "expected K=V, for example 1=120");
  return parse_gaussian_number(option, text, text, static_cast<std::size_t>(equals - text), k, error) &&
         parse_number(option, text, equals + 1, value, error);
}

bool parse_on_list(const char* option, const char* text, gaussian_set* set, char* error) {
  bool on[GAUSSIAN_COUNT] = {false, false, false, false};
  if (std::strcmp(text, "none") != 0 && *text) {
    for (const char* p = text;;) {
      const std::size_t length = std::strcspn(p, ",");
      int k = 0;
      if (!parse_gaussian_number(option, text, p, length, &k, error)) return false;
      on[k - 1] = true;
      if (p[length] == 0) break;
      p += length + 1;
    }
  }
  for (int i = 0; i < GAUSSIAN_COUNT; ++i) set->g[i].on = on[i];
  return true;
}

}  // namespace

frame_request PARSE_FRAME_OPTIONS(int argc, const char* const* argv, gaussian_set* set, const char** out, char* error) {
  INIT_GAUSSIANS(set);
  *out = nullptr;
  error[0] = 0;
  // --help anywhere wins over --version anywhere, and both over the rest.
  bool version = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) return FRAME_HELP;
    version = version || std::strcmp(argv[i], "--version") == 0;
  }
  if (version) return FRAME_VERSION;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const bool takes_value = std::strcmp(arg, "--on") == 0 || std::strcmp(arg, "--select") == 0 ||
                             std::strcmp(arg, "--u") == 0 || std::strcmp(arg, "--sigma") == 0;
    if (takes_value && i + 1 == argc) {
      fail(error, arg, nullptr, "a value must follow");
      return FRAME_BAD;
    }
    const char* value = takes_value ? argv[++i] : nullptr;
    int k = 0;
    double v = 0;
    bool ok = true;
    if (std::strcmp(arg, "--recalc") == 0) {
      set->recalc = true;
    } else if (std::strcmp(arg, "--on") == 0) {
      ok = parse_on_list(arg, value, set, error);
    } else if (std::strcmp(arg, "--select") == 0) {
      ok = parse_gaussian_number(arg, value, value, std::strlen(value), &k, error);
      if (ok) set->selected = k;
    } else if (takes_value) {  // --u or --sigma
      ok = parse_assignment(arg, value, &k, &v, error);
      if (ok) (arg[2] == 'u' ? set->g[k - 1].u : set->g[k - 1].sigma) = v;
    } else if (arg[0] == '-' && arg[1] != 0) {
      ok = fail(error, arg, nullptr, "unknown option");
    } else if (*out) {
      ok = fail(error, arg, nullptr, "a second output file (the first is %s)", *out);
    } else {
      *out = arg;
    }
    if (!ok) return FRAME_BAD;
  }
  if (!*out) {
    std::snprintf(error, FRAME_ERROR_SIZE, "no output file given: name the PNG file to write");
    return FRAME_BAD;
  }
  return FRAME_WRITE;
}
