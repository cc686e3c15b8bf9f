// Composition of one complete frame of the explorer into its screen image.
#ifndef BELLSCOPE_APP_FRAME_H
#define BELLSCOPE_APP_FRAME_H

#include "gaussians.h"
#include "track.h"

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

// What Track adds to a frame, around the belief (Gaussian 1) and the
// measurement (Gaussian 2): the belief before the predict, dotted, so that
// the widening is seen; the product only once there is a measurement; the
// estimates so far and the true positions as marks below the axis; and a
// line saying the step and its half. TRACK_FRAME writes it.
struct frame_track {
  bool before_shown, product_shown;
  double before[CURVE_COLUMNS];  // the belief before the predict
  int estimates, truths;         // how many marks of each
  double estimate[TRACK_MOST_STEPS], truth[TRACK_MOST_STEPS];
  char line[64];  // "Step 3 of 12: update, K = 0.74"
};

// The frame of a walk after `halves` halves (see track.h): `set` gets the
// belief as Gaussian 1 and, after an update, the measurement as Gaussian 2
// (3 and 4 off, 1 selected; the mode and names as they are); `track` the
// rest. The truth is shown after each update, or, with truth_each_step
// false, only at the end, where every true position is shown.
void TRACK_FRAME(const track_walk* walk, int halves, bool truth_each_step, gaussian_set* set, frame_track* track);

// Rewrites all 800x450 bytes of screen_image from the Gaussian set and its
// five curves: the curves as traces, the parameter lines, on/off states,
// selection marker and combining mode at double size, then the instructions.
// With a challenge or a track, its additions too; with neither (null), the
// explorer's own frame.
void COMPOSE_FRAME(unsigned char* screen_image, const gaussian_set* set, const gaussian_curves* curves,
                   const frame_challenge* challenge, frame_scratch* scratch, const frame_track* track = nullptr);

#endif
