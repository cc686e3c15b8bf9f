// The bellscope program's command line: no arguments starts the explorer;
// --help and --version print to `out` and need no window.
#ifndef BELLSCOPE_APP_COMMAND_LINE_H
#define BELLSCOPE_APP_COMMAND_LINE_H

#include <cstdio>

// The exit code when the command line is answered without starting the
// explorer (0 after --help or --version; 2, with a one-line error on `err`
// that names the argument, for anything else); -1 to start it.
int PROGRAM_COMMAND_LINE(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

#endif
