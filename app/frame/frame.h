// Composition of one complete frame of the explorer into its screen image.
#ifndef BELLSCOPE_APP_FRAME_H
#define BELLSCOPE_APP_FRAME_H

#include "gaussians.h"

enum { SCREEN_WIDTH = 800, SCREEN_HEIGHT = 450, LINE_BUFFER = 256 };

// Scratch areas owned by the caller and reused every frame.
struct frame_scratch {
  unsigned char trace[CURVE_COLUMNS];
  char line[LINE_BUFFER];
};

// The credit line shown at the bottom of every frame.
extern const char credit_line[];

// The combining modes' names, as the frame shows them: [recalc].
extern const char* const mode_names[2];

// What a challenge adds to a frame: the student's guess at the product,
// drawn in its own colour with its own line (where the selection marker
// points), and the product itself, curve and Combined line, hidden until
// the guess is checked.
struct frame_challenge {
  gaussian guess;               // drawn whether on or not
  bool revealed;                // the product is shown
  double curve[CURVE_COLUMNS];  // the guess's curve, written by the caller
};

// Rewrites all 800x450 bytes of screen_image from the Gaussian set and its
// five curves: the curves as traces, the parameter lines, on/off states,
// selection marker and combining mode at double size, then the instructions.
// With a challenge, its additions too; with none (null), the explorer's own
// frame.
void COMPOSE_FRAME(unsigned char* screen_image, const gaussian_set* set, const gaussian_curves* curves,
                   const frame_challenge* challenge, frame_scratch* scratch);

#endif
