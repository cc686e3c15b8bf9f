// Command line of bellscope-frame: a state of the explorer and a file name.
#ifndef BELLSCOPE_APP_FRAME_OPTIONS_H
#define BELLSCOPE_APP_FRAME_OPTIONS_H

#include "gaussians.h"

extern const char frame_usage[];

// Starts from the start-up state and applies
//   [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]... OUT.png
// LIST is a comma-separated list of Gaussians 1-4 to switch on (all others
// off; an empty LIST or "none" switches all off); V is a finite number.
// Returns false on any unknown option or bad value; *out is the file name.
bool PARSE_FRAME_OPTIONS(int argc, const char* const* argv, gaussian_set* set, const char** out);

#endif
