// The web program's state, in one place, and what every part of it does to
// that state: its loop and its start (main_web.cpp) and the exports the page
// calls (exports.cpp, challenge.cpp, track.cpp, picture.cpp) use it; it uses none of
// them, only the calls into the page (page.h).
#ifndef BELLSCOPE_APP_WEB_STATE_H
#define BELLSCOPE_APP_WEB_STATE_H

#include "colours.h"
#include "explorer.h"
#include "gaussians.h"
#include "state_json.h"
#include "view.h"

// One run of the program, from a start to Esc: reset as a whole at each
// start, so that nothing of an earlier run is carried over.
struct web_run {
  explorer program;
  bool must_draw;  // the next pass must run: a new start, new colours or a typed value
  bool asleep;     // the loop is paused until input arrives
  // What the page was last told, so that it hears only of changes.
  bool told_once;
  gaussian_set told;
  const colour_profile* told_colours;
  web_challenge told_challenge;
  web_track told_track;
};

struct web_program {
  unsigned char* screen_image;    // the frame, allocated once
  const colour_profile* colours;  // the colours shown; outlive a restart
  web_run run;
  web_challenge challenge;  // outlives a run, so that Resume after Esc brings it back
  web_track track;          // so does Track's walk, at the step it had reached
  track_walk walk;          // the walk of track's settings
  frame_track track_frame;  // what it adds to the frame at that step
};

extern web_program web;

// The loop sleeps: no animation frame is asked for until WEB_WAKE.
void WEB_SLEEP();

// A sleeping loop runs again from the next animation frame.
void WEB_WAKE();

// The page's view, which Reset and Start again go back to: the view its
// address names over its base (a lesson's view, or the start-up state),
// read at the first call, or the one the page set since (WEB_SET_PAGE_VIEW);
// the base alone when the address is wrong, which the page is told
// (PAGE_VIEW_REFUSED).
void WEB_PAGE_VIEW(gaussian_set* set);

// The base the page's view is written over, which links say what differs
// from.
const gaussian_set* WEB_BASE_VIEW();

// The page's view from now on, `view` over `base`.
void WEB_SET_PAGE_VIEW(const gaussian_set* base, const gaussian_set* view);

// A refusal as the page reads it (VIEW_REFUSAL_JSON), in a buffer that the
// next call writes over.
const char* WEB_REFUSAL(const view_refusal* refusal);

// The frame's colours from now on, loaded into the palette when a window is
// open; after the end, the last frame is painted again in them and the page
// hears of them at once.
void WEB_USE_COLOURS(const colour_profile* colours);

// The running program shows the challenge's round, or, with no challenge,
// lets its curves be moved again.
void WEB_SHOW_CHALLENGE();

// The running program shows Track's walk at the step it has reached, or,
// with none, lets its curves be moved again.
void WEB_SHOW_TRACK();

// The state (STATE_JSON) told to the page (PAGE_STATE) when it differs from
// what the page was last told.
void WEB_TELL_STATE();

#endif
