// The explorer's colour scheme: which palette index draws what.
#ifndef BELLSCOPE_APP_COLOURS_H
#define BELLSCOPE_APP_COLOURS_H

enum {
  COLOUR_BACKGROUND = 0,
  COLOUR_CREDIT = 100,
  COLOUR_INSTRUCTIONS = 140,  // also "Combining mode: "
  COLOUR_HIGHLIGHT = 249,     // ON/OFF, the marker, the Combined line
  COLOUR_GAUSSIAN_4 = 250,
  COLOUR_GAUSSIAN_3 = 251,  // also the combining mode's name
  COLOUR_GUESS = 252,       // a challenge's guess; unused in the explorer's own frame
  COLOUR_GAUSSIAN_2 = 253,
  COLOUR_GAUSSIAN_1 = 254,
  COLOUR_COMBINED = 255,
  SCHEME_ENTRIES = 5,
};

struct palette_colour {
  int index, red, green, blue;
};

// The five entries set at start-up, in the order they are set. Every other
// index keeps the grey ramp (index i shows as i, i, i).
extern const palette_colour colour_scheme[SCHEME_ENTRIES];

// The same entries in colours that stay apart for colour-blind eyes, which
// the web page offers as a choice.
extern const palette_colour colour_blind_scheme[SCHEME_ENTRIES];

// The colours a page may choose, by name: the entries each sets on top of
// the grey ramp. "design" (colour_scheme), "colour-blind-safe"
// (colour_blind_scheme) and "light", dark curves and text on a light
// background for a projector in a bright room, which also sets the
// background, the text and the highlight.
struct colour_profile {
  const char* name;
  const palette_colour* entries;
  int count;
};
enum { COLOUR_PROFILES = 3 };
extern const colour_profile colour_profiles[COLOUR_PROFILES];

// The profile of a name, or null.
const colour_profile* COLOUR_PROFILE_NAMED(const char* name);

// Colour of Gaussian k (1..4).
int GAUSSIAN_COLOUR(int k);

// The full 256-entry palette the program shows: the grey ramp with the
// scheme applied.
void SCHEME_PALETTE(unsigned char rgb[256][3]);

// The same with another profile's colours.
void PALETTE_OF(const colour_profile* profile, unsigned char rgb[256][3]);

#endif
