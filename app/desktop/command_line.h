// The bellscope program's command line: no arguments starts the explorer in
// its start-up state, view options start it in that view; --help and
// --version print to `out` and need no window.
#ifndef BELLSCOPE_APP_COMMAND_LINE_H
#define BELLSCOPE_APP_COMMAND_LINE_H

#include <cstdio>

#include "gaussians.h"

// The exit code when the command line is answered without starting the
// explorer (0 after --help or --version; 2, with a one-line error on `err`
// that names the argument and what is wrong with it, for anything else); -1
// to start it, with `view` holding the view to start in.
int PROGRAM_COMMAND_LINE(int argc, const char* const* argv, gaussian_set* view, std::FILE* out, std::FILE* err);

#endif
