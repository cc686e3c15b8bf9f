#include "command_line.h"

#include <cstring>

#include "version.h"

namespace {

const char help[] =
    "usage: bellscope [--help | --version]\n"
    "\n"
    "Opens a window that plots four Gaussian curves (blue, red, yellow, green) and\n"
    "their combination in white: their point-by-point product, or a fresh Gaussian\n"
    "from the closed-form mean and sigma of the product.\n"
    "\n"
    "  F1, F2, F3, F4           switch Gaussian 1, 2, 3, 4 on or off\n"
    "  Up, Down                 select another Gaussian\n"
    "  Left, Right              move its mean by one column (by ten with Shift)\n"
    "  left mouse button        while held, the mean follows the pointer\n"
    "  right mouse button drag  widen (right) or narrow (left) the selected Gaussian\n"
    "  Enter                    switch the combining mode\n"
    "  Esc, or closing the window  quit\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

}  // namespace

int PROGRAM_COMMAND_LINE(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
  if (argc <= 1) return -1;
  const char* arg = argv[1];
  if (argc == 2 && std::strcmp(arg, "--help") == 0) {
    std::fputs(help, out);
    return 0;
  }
  if (argc == 2 && std::strcmp(arg, "--version") == 0) {
    std::fprintf(out, "bellscope %s\n", BELLSCOPE_VERSION);
    return 0;
  }
  // The first argument that is not understood: an extra one after --help or
  // --version, or anything else.
  const char* bad = std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "--version") == 0 ? argv[2] : arg;
  std::fprintf(err, "bellscope: unknown argument '%s' (bellscope takes no arguments but --help and --version)\n", bad);
  return 2;
}
