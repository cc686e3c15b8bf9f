#include "frame.h"

#include <cstdio>
#include <cstring>

#include "colours.h"
#include "raster.h"
#include "version.h"

const char* const mode_names[2] = {"Point by Point Multiplication", "Parameter Recalculation"};

const char credit_line[] = "BELLSCOPE " BELLSCOPE_VERSION " - a classroom explorer of products of Gaussian curves";

namespace {

const int PLOT_X0 = 0, PLOT_Y0 = 50;
const double TRACE_GAIN = 100.0;
// Below the Combined line, above the highest a curve reaches (1.0, row 205).
const int GUESS_ROW = 140;

const char* const instructions[8] = {
    "BELLSCOPE: Interactive visualization of multiplying gaussians",
    "Program demonstrates either point by point multiplication (multiplication option),",
    "or a regenerated (combined option) gaussian from computed parameters",
    "Instructions: 1-4 gaussians can be multiplied together, result=white curve",
    "Turn on/off gaussians with F1-F4 keys",
    "Mean (u) changed either with left/right arrow keys or left mouse click",
    "Up/Down keys change selected gaussian.  Right mouse click/drag changes sigma",
    "<return> key toggles point by point multiplication or parameter recalcuation",
};

void plot_curve(unsigned char* image, const double* curve, unsigned char* trace, int colour) {
  SCALE_TO_BYTES(curve, trace, CURVE_COLUMNS, TRACE_GAIN);
  PLOT_TRACE(image, SCREEN_WIDTH, SCREEN_HEIGHT, trace, CURVE_COLUMNS, PLOT_X0, PLOT_Y0, 1, 1, colour);
}

void text_2x(unsigned char* image, int x, int y, const char* text, int colour) {
  DRAW_TEXT_2X(image, SCREEN_WIDTH, SCREEN_HEIGHT, x, y, text, colour, COLOUR_BACKGROUND);
}

// A curve dotted: runs of DOT columns drawn, the next DOT left out.
void plot_dotted(unsigned char* image, const double* curve, unsigned char* trace, int colour) {
  const int DOT = 4;
  SCALE_TO_BYTES(curve, trace, CURVE_COLUMNS, TRACE_GAIN);
  for (int x = 0; x < CURVE_COLUMNS; x += 2 * DOT)
    PLOT_TRACE(image, SCREEN_WIDTH, SCREEN_HEIGHT, trace + x, DOT, PLOT_X0 + x, PLOT_Y0, 1, 1, colour);
}

// Below the axis (row 305): the estimates as short ticks, the true
// positions as small triangles under them.
const int AXIS_ROW = PLOT_Y0 + 255;

void mark_estimate(unsigned char* image, double u, int colour) {
  if (!(u > -10 && u < CURVE_COLUMNS + 10)) return;
  const int x = static_cast<int>(u);
  CLIP_LINE(image, SCREEN_WIDTH, SCREEN_HEIGHT, x, AXIS_ROW + 3, x, AXIS_ROW + 9, colour);
}

void mark_truth(unsigned char* image, double position, int colour) {
  if (!(position > -10 && position < CURVE_COLUMNS + 10)) return;
  const int x = static_cast<int>(position), top = AXIS_ROW + 12, bottom = AXIS_ROW + 20;
  CLIP_LINE(image, SCREEN_WIDTH, SCREEN_HEIGHT, x, top, x - 4, bottom, colour);
  CLIP_LINE(image, SCREEN_WIDTH, SCREEN_HEIGHT, x, top, x + 4, bottom, colour);
  CLIP_LINE(image, SCREEN_WIDTH, SCREEN_HEIGHT, x - 4, bottom, x + 4, bottom, colour);
}

}  // namespace

void COMPOSE_FRAME(unsigned char* screen_image, const gaussian_set* set, const gaussian_curves* curves,
                   const frame_challenge* challenge, frame_scratch* scratch, const frame_track* track) {
  std::memset(screen_image, COLOUR_BACKGROUND, SCREEN_WIDTH * SCREEN_HEIGHT);
  if (track && track->before_shown) plot_dotted(screen_image, track->before, scratch->trace, GAUSSIAN_COLOUR(1));

  // Gaussians 1 to 4, a guess, then the combined curve on top, even with none on.
  for (int k = 1; k <= GAUSSIAN_COUNT; ++k)
    if (set->g[k - 1].on) plot_curve(screen_image, curves->component[k - 1], scratch->trace, GAUSSIAN_COLOUR(k));
  if (challenge) plot_curve(screen_image, challenge->curve, scratch->trace, COLOUR_GUESS);
  const bool product_shown = (!challenge || challenge->revealed) && (!track || track->product_shown);
  if (product_shown) plot_curve(screen_image, curves->combined, scratch->trace, COLOUR_COMBINED);

  char* line = scratch->line;
  for (int k = 1; k <= GAUSSIAN_COUNT; ++k) {
    const gaussian& g = set->g[k - 1];
    std::snprintf(line, LINE_BUFFER, "Gaussian %d     (F%d key) u=%d  sigma=%d", k, k, DISPLAY_VALUE(g.u),
                  DISPLAY_VALUE(g.sigma));
    text_2x(screen_image, 10, 10 + 20 * (k - 1), line, GAUSSIAN_COLOUR(k));
  }
  // ON/OFF lands on the run of blanks after "Gaussian k".
  for (int k = 1; k <= GAUSSIAN_COUNT; ++k)
    text_2x(screen_image, 186, 10 + 20 * (k - 1), set->g[k - 1].on ? "ON" : "OFF", COLOUR_HIGHLIGHT);

  if (track) {
    for (int i = 0; i < track->estimates; ++i) mark_estimate(screen_image, track->estimate[i], COLOUR_COMBINED);
    for (int i = 0; i < track->truths; ++i) mark_truth(screen_image, track->truth[i], COLOUR_HIGHLIGHT);
    text_2x(screen_image, 10, GUESS_ROW, track->line, COLOUR_HIGHLIGHT);
  }
  if (challenge) {
    std::snprintf(line, LINE_BUFFER, "Your guess:             u=%d  sigma=%d", DISPLAY_VALUE(challenge->guess.u),
                  DISPLAY_VALUE(challenge->guess.sigma));
    text_2x(screen_image, 10, GUESS_ROW, line, COLOUR_GUESS);
  }
  text_2x(screen_image, 680, challenge ? GUESS_ROW : 20 * set->selected - 10, "<--", COLOUR_HIGHLIGHT);

  text_2x(screen_image, 10, 100, "Combining mode: ", COLOUR_INSTRUCTIONS);
  text_2x(screen_image, 320, 100, mode_names[set->recalc ? 1 : 0], COLOUR_GAUSSIAN_3);
  if (set->recalc && product_shown) {
    std::snprintf(line, LINE_BUFFER, "Combined:               u=%d  sigma=%d", DISPLAY_VALUE(set->combined_u),
                  DISPLAY_VALUE(set->combined_sigma));
    text_2x(screen_image, 10, 120, line, COLOUR_HIGHLIGHT);
  }

  for (int i = 0; i < 8; ++i)
    DRAW_TEXT(screen_image, SCREEN_WIDTH, SCREEN_HEIGHT, 30, 350 + 10 * i, instructions[i], COLOUR_INSTRUCTIONS,
              COLOUR_BACKGROUND);
  DRAW_TEXT(screen_image, SCREEN_WIDTH, SCREEN_HEIGHT, 30, 430, credit_line, COLOUR_CREDIT, COLOUR_BACKGROUND);
}
