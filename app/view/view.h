// Command line of bellscope-frame: a state of the explorer and a file name.
#ifndef BELLSCOPE_APP_FRAME_OPTIONS_H
#define BELLSCOPE_APP_FRAME_OPTIONS_H

#include "gaussians.h"

extern const char frame_usage[];
extern const char frame_help[];

enum frame_request { FRAME_WRITE, FRAME_HELP, FRAME_VERSION, FRAME_BAD };
enum { FRAME_ERROR_SIZE = 256 };

// Starts from the start-up state and applies
//   [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]... OUT.png
// LIST is a comma-separated list of Gaussians 1-4 to switch on (all others
// off; an empty LIST or "none" switches all off); V is a finite number.
// --help or --version anywhere asks for that instead. FRAME_WRITE sets *out
// to the file name; FRAME_BAD writes into `error` (FRAME_ERROR_SIZE bytes)
// which argument is wrong and why, for example
//   --sigma 5=3: there is no Gaussian 5
frame_request PARSE_FRAME_OPTIONS(int argc, const char* const* argv, gaussian_set* set, const char** out, char* error);

#endif
