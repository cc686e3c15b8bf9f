#include "colours.h"

const palette_colour colour_scheme[SCHEME_ENTRIES] = {
    {COLOUR_GAUSSIAN_1, 0, 0, 255},    // blue
    {COLOUR_GAUSSIAN_2, 255, 0, 0},    // red
    {COLOUR_SPARE, 255, 40, 255},      // pink, unused in the frame
    {COLOUR_GAUSSIAN_3, 255, 255, 0},  // yellow
    {COLOUR_GAUSSIAN_4, 0, 255, 0},    // green
};

int GAUSSIAN_COLOUR(int k) {
  static const int colours[4] = {COLOUR_GAUSSIAN_1, COLOUR_GAUSSIAN_2, COLOUR_GAUSSIAN_3, COLOUR_GAUSSIAN_4};
  return k >= 1 && k <= 4 ? colours[k - 1] : COLOUR_COMBINED;
}

void SCHEME_PALETTE(unsigned char rgb[256][3]) {
  for (int i = 0; i < 256; ++i) rgb[i][0] = rgb[i][1] = rgb[i][2] = static_cast<unsigned char>(i);
  for (const palette_colour& c : colour_scheme) {
    rgb[c.index][0] = static_cast<unsigned char>(c.red);
    rgb[c.index][1] = static_cast<unsigned char>(c.green);
    rgb[c.index][2] = static_cast<unsigned char>(c.blue);
  }
}
