#include "frame_command_line.h"

#include <cstdio>
#include <cstring>

#include "view.h"

const char frame_usage[] =
    "usage: bellscope-frame [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]... OUT.png\n";

namespace {

const char help_start[] =
    "Writes a frame of BELLSCOPE, the explorer of products of Gaussian curves, as\n"
    "an 800x450 PNG picture. Without options it draws the start-up state.\n"
    "\n";

const char help_end[] =
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

frame_request PARSE_FRAME_OPTIONS(int argc, const char* const* argv, gaussian_set* set, const char** out, char* error) {
  view_options options;
  START_VIEW_OPTIONS(&options, set);
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
    const int read = VIEW_OPTION(&options, argc, argv, &i, error);
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
  return FRAME_WRITE;
}
