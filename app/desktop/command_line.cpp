#include "command_line.h"

#include <cstring>

#include "version.h"
#include "view.h"

namespace {

// Shift steps by ten where the display library hears it: on Windows it
// reaches the program as a key of its own, and the step stays one.
#ifdef _WIN32
#define ARROW_STEP "  Left, Right              move its mean by one column (Shift changes nothing)\n"
#else
#define ARROW_STEP "  Left, Right              move its mean by one column (by ten with Shift)\n"
#endif

const char help[] =
    "usage: bellscope [--help | --version]\n"
    "       bellscope [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]...\n"
    "\n"
    "Opens a window that plots four Gaussian curves (blue, red, yellow, green) and\n"
    "their combination in white: their point-by-point product, or a fresh Gaussian\n"
    "from the closed-form mean and sigma of the product.\n"
    "\n"
    "  F1, F2, F3, F4           switch Gaussian 1, 2, 3, 4 on or off\n"
    "  Up, Down                 select another Gaussian\n" ARROW_STEP
    "  left mouse button        while held, the mean follows the pointer\n"
    "  right mouse button drag  widen (right) or narrow (left) the selected Gaussian\n"
    "  Enter                    switch the combining mode\n"
    "  Esc, or closing the window  quit\n"
    "\n"
    "The options open it in a prepared view, as bellscope-frame draws it (and as\n"
    "the web page's address does: ?recalc&on=1,2,3&select=2&u1=120&sigma2=40):\n"
    "\n";

const char help_end[] =
    "  --help         print this help and exit\n"
    "  --version      print the version and exit\n";

}  // namespace

int PROGRAM_COMMAND_LINE(int argc, const char* const* argv, gaussian_set* view, std::FILE* out, std::FILE* err) {
  INIT_GAUSSIANS(view);
  if (argc <= 1) return -1;
  const char* arg = argv[1];
  if (argc == 2 && std::strcmp(arg, "--help") == 0) {
    std::fputs(help, out);
    std::fputs(view_options_help, out);
    std::fputs(help_end, out);
    return 0;
  }
  if (argc == 2 && std::strcmp(arg, "--version") == 0) {
    std::fprintf(out, "bellscope %s\n", BELLSCOPE_VERSION);
    return 0;
  }
  // --help and --version stand alone.
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "--version") == 0) {
      std::fprintf(err, "bellscope: %s: --help and --version take no other arguments\n", argv[i]);
      return 2;
    }
  view_options options;
  START_VIEW_OPTIONS(&options, view);
  char error[VIEW_ERROR_SIZE];
  for (int i = 1; i < argc; ++i) {
    const int read = VIEW_OPTION(&options, argc, argv, &i, error);
    if (read == 0)
      VIEW_ERROR(error, argv[i], "unknown argument (bellscope takes no file; bellscope-frame writes pictures)");
    if (read <= 0) {
      std::fprintf(err, "bellscope: %s\n", error);
      return 2;
    }
  }
  return -1;
}
