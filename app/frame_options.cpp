#include "frame_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

const char frame_usage[] =
    "usage: bellscope-frame [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]... OUT.png\n";

namespace {

bool parse_number(const char* text, double* value) {
  if (!*text) return false;
  char* end = nullptr;
  errno = 0;
  double v = std::strtod(text, &end);
  if (*end || errno == ERANGE || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

bool parse_gaussian_number(const char* text, int* k) {
  if (text[0] < '1' || text[0] > '4') return false;
  *k = text[0] - '0';
  return true;
}

// "K=V" with K in 1..4.
bool parse_assignment(const char* text, int* k, double* value) {
  return parse_gaussian_number(text, k) && text[1] == '=' && parse_number(text + 2, value);
}

bool parse_on_list(const char* text, gaussian_set* set) {
  bool on[GAUSSIAN_COUNT] = {false, false, false, false};
  if (std::strcmp(text, "none") != 0 && *text) {
    for (const char* p = text;; p += 2) {
      int k;
      if (!parse_gaussian_number(p, &k)) return false;
      on[k - 1] = true;
      if (p[1] == 0) break;
      if (p[1] != ',') return false;
    }
  }
  for (int i = 0; i < GAUSSIAN_COUNT; ++i) set->g[i].on = on[i];
  return true;
}

}  // namespace

bool PARSE_FRAME_OPTIONS(int argc, const char* const* argv, gaussian_set* set, const char** out) {
  INIT_GAUSSIANS(set);
  *out = nullptr;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    int k;
    double v;
    if (std::strcmp(arg, "--recalc") == 0) {
      set->recalc = true;
    } else if (std::strcmp(arg, "--on") == 0) {
      if (!value || !parse_on_list(value, set)) return false;
      ++i;
    } else if (std::strcmp(arg, "--select") == 0) {
      if (!value || !parse_gaussian_number(value, &k) || value[1]) return false;
      set->selected = k;
      ++i;
    } else if (std::strcmp(arg, "--u") == 0 || std::strcmp(arg, "--sigma") == 0) {
      if (!value || !parse_assignment(value, &k, &v)) return false;
      (arg[2] == 'u' ? set->g[k - 1].u : set->g[k - 1].sigma) = v;
      ++i;
    } else if (arg[0] == '-' && arg[1] != 0) {
      return false;
    } else {
      if (*out) return false;  // one output file only
      *out = arg;
    }
  }
  return *out != nullptr;
}
