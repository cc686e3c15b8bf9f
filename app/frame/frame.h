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

// Rewrites all 800x450 bytes of screen_image from the Gaussian set and its
// five curves: the curves as traces, the parameter lines, on/off states,
// selection marker and combining mode at double size, then the instructions.
void COMPOSE_FRAME(unsigned char* screen_image, const gaussian_set* set, const gaussian_curves* curves,
                   frame_scratch* scratch);

#endif
