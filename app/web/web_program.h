// The web program's state, in one place, shared by its loop (main_web.cpp),
// its interface to the page (page.cpp) and Save picture (picture.cpp).
#ifndef BELLSCOPE_APP_WEB_PROGRAM_H
#define BELLSCOPE_APP_WEB_PROGRAM_H

#include <cstdint>

#include "challenge.h"
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
};

struct web_program {
  unsigned char* screen_image;    // the frame, allocated once
  const colour_profile* colours;  // the colours shown; outlive a restart
  web_run run;
  web_challenge challenge;
  // The page's view, which Reset and Start again go back to: the view its
  // address names, read at the first start, or the one the page set since
  // (a lesson chosen). base_view is what it is written over: a lesson's
  // view, or the start-up state; links say what differs from it.
  bool address_read, address_ok;
  gaussian_set address_view;
  gaussian_set base_view;
};

extern web_program web;

// The page's view: its address's over its base, when that is right, or the
// base (a lesson's view, or the start-up state).
void WEB_PAGE_VIEW(gaussian_set* set);

// The frame's colours from now on, loaded into the palette when a window is open.
void WEB_USE_COLOURS(const colour_profile* colours);

// A sleeping loop runs again from the next animation frame.
void WEB_WAKE();

// The running program shows the challenge's round, or, with no challenge,
// lets its curves be moved again.
void WEB_SHOW_CHALLENGE();

// A refusal as the page reads it (VIEW_REFUSAL_JSON), in a buffer that the
// next call writes over.
const char* WEB_REFUSAL(const view_refusal* refusal);

#endif
