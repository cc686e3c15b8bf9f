#include "colours.h"

#include <cstring>

const palette_colour colour_scheme[SCHEME_ENTRIES] = {
    {COLOUR_GAUSSIAN_1, 0, 0, 255},    // blue
    {COLOUR_GAUSSIAN_2, 255, 0, 0},    // red
    {COLOUR_GUESS, 255, 40, 255},      // pink
    {COLOUR_GAUSSIAN_3, 255, 255, 0},  // yellow
    {COLOUR_GAUSSIAN_4, 0, 255, 0},    // green
};

// Each at least 4.5:1 against black, and every two of them, a challenge's
// guess and the white of the product at least 25 apart (CIE76) in normal vision and as protanopes,
// deuteranopes and tritanopes see them; the browser tests check the figures.
const palette_colour colour_blind_scheme[SCHEME_ENTRIES] = {
    {COLOUR_GAUSSIAN_1, 94, 125, 243},   // blue
    {COLOUR_GAUSSIAN_2, 235, 27, 131},   // raspberry
    {COLOUR_GUESS, 225, 165, 240},       // lavender
    {COLOUR_GAUSSIAN_3, 177, 108, 0},    // amber
    {COLOUR_GAUSSIAN_4, 142, 255, 144},  // light green
};

// For a projector in a bright room: every curve and text at least 4.5:1
// against the white background, and every two of the four curves, a
// challenge's guess and the black of the product at least 25 apart (CIE76) in normal vision and as
// protanopes, deuteranopes and tritanopes see them (the browser tests check
// the figures: 33 at the least).
const palette_colour light_scheme[] = {
    {COLOUR_BACKGROUND, 255, 255, 255},  // white
    {COLOUR_CREDIT, 90, 90, 90},         // dark grey
    {COLOUR_INSTRUCTIONS, 70, 70, 70},   // darker grey
    {COLOUR_HIGHLIGHT, 0, 0, 0},         // black
    {COLOUR_GAUSSIAN_1, 15, 5, 250},     // blue
    {COLOUR_GAUSSIAN_2, 205, 45, 150},   // raspberry
    {COLOUR_GUESS, 105, 0, 165},         // purple
    {COLOUR_GAUSSIAN_3, 150, 100, 10},   // ochre
    {COLOUR_GAUSSIAN_4, 20, 85, 50},     // dark green
    {COLOUR_COMBINED, 0, 0, 0},          // black
};

const colour_profile colour_profiles[COLOUR_PROFILES] = {
    {"design", colour_scheme, SCHEME_ENTRIES},
    {"colour-blind-safe", colour_blind_scheme, SCHEME_ENTRIES},
    {"light", light_scheme, static_cast<int>(sizeof light_scheme / sizeof light_scheme[0])},
};

const colour_profile* COLOUR_PROFILE_NAMED(const char* name) {
  for (const colour_profile& p : colour_profiles)
    if (name && std::strcmp(name, p.name) == 0) return &p;
  return nullptr;
}

int GAUSSIAN_COLOUR(int k) {
  static const int colours[4] = {COLOUR_GAUSSIAN_1, COLOUR_GAUSSIAN_2, COLOUR_GAUSSIAN_3, COLOUR_GAUSSIAN_4};
  return k >= 1 && k <= 4 ? colours[k - 1] : COLOUR_COMBINED;
}

void PALETTE_OF(const colour_profile* profile, unsigned char rgb[256][3]) {
  for (int i = 0; i < 256; ++i) rgb[i][0] = rgb[i][1] = rgb[i][2] = static_cast<unsigned char>(i);
  for (const palette_colour* c = profile->entries; c < profile->entries + profile->count; ++c) {
    rgb[c->index][0] = static_cast<unsigned char>(c->red);
    rgb[c->index][1] = static_cast<unsigned char>(c->green);
    rgb[c->index][2] = static_cast<unsigned char>(c->blue);
  }
}

void SCHEME_PALETTE(unsigned char rgb[256][3]) {
  PALETTE_OF(&colour_profiles[0], rgb);
}
