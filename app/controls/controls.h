// The page's own controls (buttons for every key and drag of the program),
// turned into the window messages of the keys and drags they stand for, so
// that the program cannot tell them from the real thing.
#ifndef BELLSCOPE_APP_CONTROLS_H
#define BELLSCOPE_APP_CONTROLS_H

// Controls are named, on the page (its buttons' data-control) and here, by
// control_names: "gaussian-1" to "gaussian-4", "select-previous",
// "select-next", "mean-left", "mean-right", "narrower", "wider" and "mode".

enum page_control {
  CONTROL_GAUSSIAN_1 = 0,       // F1; Gaussians 2-4 follow (F2-F4)
  CONTROL_SELECT_PREVIOUS = 4,  // Up
  CONTROL_SELECT_NEXT,          // Down
  CONTROL_MEAN_LEFT,            // Left, repeating while held
  CONTROL_MEAN_RIGHT,           // Right, repeating while held
  CONTROL_NARROWER,             // a right-button drag one column left, repeating while held
  CONTROL_WIDER,                // a right-button drag one column right, repeating while held
  CONTROL_MODE,                 // Enter
  CONTROL_COUNT,
  CONTROL_ALL = -1,  // "all", with down 0: releases whatever is held
  CONTROL_UNKNOWN = -2,
};

extern const char* const control_names[CONTROL_COUNT];

// The control of a name (CONTROL_ALL for "all"); CONTROL_UNKNOWN for any
// other name, or none.
int CONTROL_NAMED(const char* name);

// A control pressed (down 1) or released (down 0) at time now (ms). A press
// of a control that does not repeat acts at once; a repeating one acts at
// once and then, while held, after a delay at the rate of a held key. A new
// press releases the control held before it. Out-of-range controls are ignored.
void CONTROL_INPUT(int control, int down, double now);

// Posts the messages due at time now to the program's window: called once
// before every pass, so that a drag's press, motion and release each fall in
// a pass of their own, as a real drag's do.
void CONTROL_STEP(double now);

// Whether a control is held or a drag is under way: CONTROL_STEP has work
// to do at coming passes even without new input.
bool CONTROL_BUSY();

// Forgets every control, held or in the middle of a drag (for a restart).
void CONTROL_RESET();

#endif
