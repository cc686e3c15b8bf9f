// bellscope-frame's command line: the view options and one output file,
//   [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]...
//   [--challenge SEED:ROUND] [--guess U,SIGMA] [--reveal] OUT.png
// with its usage and help texts.
#ifndef BELLSCOPE_TOOLS_FRAME_COMMAND_LINE_H
#define BELLSCOPE_TOOLS_FRAME_COMMAND_LINE_H

#include <cstdio>

#include "frame.h"
#include "gaussians.h"

extern const char frame_usage[];

// The usage line and the help that --help prints.
void PRINT_FRAME_HELP(std::FILE* out);

enum frame_request { FRAME_WRITE, FRAME_HELP, FRAME_VERSION, FRAME_BAD };

// --help or --version anywhere asks for that instead (--help first).
// FRAME_WRITE sets *out to the file name and `set` to the view, and
// *challenged to whether the frame is a challenge's: with --challenge (the
// round's Gaussians, applied after the view options), --guess (the guess;
// else a round's starting guess) or --reveal (the product shown), which set
// `challenge`'s guess and revealed. FRAME_BAD
// writes into `error` (VIEW_ERROR_SIZE bytes) which argument is wrong and
// why, in the view grammar's words:
//   --sigma 5=3: there is no Gaussian 5
frame_request PARSE_FRAME_OPTIONS(int argc, const char* const* argv, gaussian_set* set, frame_challenge* challenge,
                                  bool* challenged, const char** out, char* error);

#endif
