// bellscope-frame's command line: the view options and one output file,
//   [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]...
//   [--challenge SEED:ROUND] [--guess U,SIGMA] [--reveal]
//   [--track SEED:STEP[:predict|update]] [--track-settings LIST] OUT.png
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

// What a frame shows besides its view: a challenge's round and guess, or a
// walk of Track after some of its halves (track.h).
struct frame_extras {
  frame_challenge challenge;
  bool challenged;
  track_settings track;
  int halves;
  bool tracked;
};

// --help or --version anywhere asks for that instead (--help first).
// FRAME_WRITE sets *out to the file name, `set` to the view and `extras`:
// a challenge's with --challenge (the round's Gaussians, applied after the
// view options), --guess (the guess; else a round's starting guess) or
// --reveal (the product shown); a walk's with --track SEED:STEP (the frame
// after step STEP's update, or its predict with :predict; step 0 is the
// start) and --track-settings (q=..,r=..,v=..,walk=..,steps=..,truth=..,
// the settings an address gives). FRAME_BAD writes into `error`
// (VIEW_ERROR_SIZE bytes) which argument is wrong and why, in the view
// grammar's words:
//   --sigma 5=3: there is no Gaussian 5
frame_request PARSE_FRAME_OPTIONS(int argc, const char* const* argv, gaussian_set* set, frame_extras* extras,
                                  const char** out, char* error);

// The frame the options chose, into screen_image.
void COMPOSE_CHOSEN_FRAME(unsigned char* screen_image, gaussian_set* set, const frame_extras* extras,
                          gaussian_curves* curves, frame_scratch* scratch);

#endif
