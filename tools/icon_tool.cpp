// bellscope-icon: draws the program's icon with the raster library, a blue and
// a red bell curve and, in white, their point-by-point product (narrower,
// between them and lower). It writes the 64-pixel icon as a PNG for the
// desktop entry, or, with --ico, a Windows icon file with 16, 32 and 64 pixel
// images for the Windows executables, or, with --size, the 64-pixel icon
// enlarged a whole number of times (each pixel a square), as the web app's
// 192 and 512 pixel icons, or the 16 or 32 pixel one (the single web file's
// icon, small inside it).
//   bellscope-icon OUT.png
//   bellscope-icon --ico OUT.ico
//   bellscope-icon --size 192 OUT.png
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gaussians.h"
#include "ico_writer.h"
#include "png_writer.h"
#include "raster.h"

namespace {

enum { LARGEST = 64, MOST_TIMES = 16 };

const unsigned char colours[5][3] = {{0, 0, 0}, {16, 20, 36}, {40, 90, 255}, {255, 40, 40}, {255, 255, 255}};

// Draws the icon at size x size pixels (16, 32 or 64): the curves span 768
// of the explorer's 800 columns and the icon's height less a small margin.
void draw(unsigned char* icon, int size) {
  static double curve[CURVE_COLUMNS];
  unsigned char trace[LARGEST];
  const int scale = LARGEST / size;
  for (int i = 0; i < size * size; ++i) icon[i] = 1;  // background
  const struct {
    double u, sigma, height;
    int colour;
  } curves[] = {{300, 110, 1.0, 2}, {470, 90, 1.0, 3}, {401.6, 69.6, 0.49, 4}};
  for (const auto& c : curves) {
    GAUSSIAN_CURVE(c.u, c.sigma, curve);
    double samples[LARGEST];
    for (int x = 0; x < size; ++x) samples[x] = c.height * curve[x * 12 * scale] * 250.0 / 255.0;
    SCALE_TO_BYTES(samples, trace, size, 255.0);
    PLOT_TRACE(icon, size, size, trace, size, 0, 4 / scale, 1, 5 * scale, c.colour);
  }
}

// The largest icon enlarged `times` times into `out`, size x size pixels.
void enlarge(const unsigned char* icon, int times, unsigned char* out) {
  const int size = LARGEST * times;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) out[y * size + x] = icon[(y / times) * LARGEST + x / times];
}

}  // namespace

int main(int argc, char** argv) {
  const bool ico = argc == 3 && std::strcmp(argv[1], "--ico") == 0;
  const bool sized = argc == 4 && std::strcmp(argv[1], "--size") == 0;
  const int size = sized ? std::atoi(argv[2]) : LARGEST;
  const bool small = size == 16 || size == 32;
  if ((argc != 2 && !ico && !sized) || (!small && (size < LARGEST || size > LARGEST * MOST_TIMES || size % LARGEST))) {
    std::fputs(
        "usage: bellscope-icon OUT.png | bellscope-icon --ico OUT.ico | bellscope-icon --size N OUT.png\n"
        "(N 16, 32, or a multiple of 64, at most 1024)\n",
        stderr);
    return 2;
  }
  const char* out = argv[argc - 1];
  static unsigned char images[3][LARGEST * LARGEST];
  const int sizes[3] = {16, 32, 64};
  for (int i = 0; i < 3; ++i) draw(images[i], sizes[i]);
  unsigned char palette[256][3] = {};
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 3; ++j) palette[i][j] = colours[i][j];

  const unsigned char* pixels[3] = {images[0], images[1], images[2]};
  static unsigned char large[LARGEST * MOST_TIMES * LARGEST * MOST_TIMES];
  if (!small) enlarge(images[2], size / LARGEST, large);
  const unsigned char* png = small ? images[size == 16 ? 0 : 1] : large;
  const bool written =
      ico ? WRITE_PALETTE_ICO(out, pixels, sizes, 3, palette) : WRITE_PALETTE_PNG(out, png, size, size, palette);
  if (!written) {
    std::fprintf(stderr, "bellscope-icon: cannot write %s\n", out);
    return 1;
  }
  return 0;
}
