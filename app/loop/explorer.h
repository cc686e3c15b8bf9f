// The explorer's main loop: start-up, one pass of the loop (keyboard, mouse,
// curves, frame, presentation) and the end. main() is a thin driver of these,
// and tests call a pass at a time.
#ifndef BELLSCOPE_APP_EXPLORER_H
#define BELLSCOPE_APP_EXPLORER_H

#include "frame.h"
#include "gaussians.h"

struct explorer {
  unsigned char* screen_image;  // 800x450, owned by the caller
  gaussian_set set;
  gaussian_curves curves;
  frame_scratch scratch;
  bool quit;                     // set by Esc or the window's close box
  unsigned char previous_right;  // right-button-held flag at the end of the previous pass
  int drag_start_x;              // mouse x when the current right-button drag began
  double saved_sigma;            // sigma of the selected Gaussian when the drag began
  int step;                      // 1, or 10 with Shift, for Left and Right
  // Null, or a challenge, owned by the caller: its curves are then fixed,
  // and Left, Right and the mouse move the guess instead of a Gaussian;
  // once the guess is checked (revealed), nothing moves it.
  frame_challenge* challenge;
  // Null, or Track's additions to the frame, owned by the caller, who sets
  // the walk's curves: nothing the student does moves them (the combining
  // mode still changes, and Esc still ends).
  const frame_track* track;
};

extern const char window_title[];

// Opens window slot 0 for the screen image, loads the colour scheme, sets the
// key mode and the start-up state. The window handle of slot 0 is null when
// no window could be opened.
void EXPLORER_START(explorer* e, unsigned char* screen_image);

// One pass: at most one key, the mouse, the curves, the frame, SHOW_IMAGE.
void EXPLORER_PASS(explorer* e);

// Closes the window.
void EXPLORER_END(explorer* e);

#endif
