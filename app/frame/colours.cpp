#include "colours.h"

const palette_colour colour_scheme[SCHEME_ENTRIES] = {
    {COLOUR_GAUSSIAN_1, 0, 0, 255},    // blue
    {COLOUR_GAUSSIAN_2, 255, 0, 0},    // red
    {COLOUR_SPARE, 255, 40, 255},      // pink, unused in the frame
    {COLOUR_GAUSSIAN_3, 255, 255, 0},  // yellow
    {COLOUR_GAUSSIAN_4, 0, 255, 0},    // green
};

// Each at least 4.5:1 against black, and every two of them and the white of
// the product at least 25 apart (CIE76) in normal vision and as protanopes,
// deuteranopes and tritanopes see them; the browser tests check the figures.
const palette_colour colour_blind_scheme[SCHEME_ENTRIES] = {
    {COLOUR_GAUSSIAN_1, 94, 125, 243},   // blue
    {COLOUR_GAUSSIAN_2, 235, 27, 131},   // raspberry
    {COLOUR_SPARE, 255, 40, 255},        // pink, unused in the frame
    {COLOUR_GAUSSIAN_3, 177, 108, 0},    // amber
    {COLOUR_GAUSSIAN_4, 142, 255, 144},  // light green
};

int GAUSSIAN_COLOUR(int k) {
  static const int colours[4] = {COLOUR_GAUSSIAN_1, COLOUR_GAUSSIAN_2, COLOUR_GAUSSIAN_3, COLOUR_GAUSSIAN_4};
  return k >= 1 && k <= 4 ? colours[k - 1] : COLOUR_COMBINED;
}

void PALETTE_OF(const palette_colour* scheme, unsigned char rgb[256][3]) {
  for (int i = 0; i < 256; ++i) rgb[i][0] = rgb[i][1] = rgb[i][2] = static_cast<unsigned char>(i);
  for (const palette_colour* c = scheme; c < scheme + SCHEME_ENTRIES; ++c) {
    rgb[c->index][0] = static_cast<unsigned char>(c->red);
    rgb[c->index][1] = static_cast<unsigned char>(c->green);
    rgb[c->index][2] = static_cast<unsigned char>(c->blue);
  }
}

void SCHEME_PALETTE(unsigned char rgb[256][3]) {
  PALETTE_OF(colour_scheme, rgb);
}
