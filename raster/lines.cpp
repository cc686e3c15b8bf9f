// Straight lines: DRAW_LINE (integer Bresenham with fast horizontal and
// vertical paths) and CLIP_LINE, which clips any line to the image first.
#include "raster.h"
#include "raster_internal.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Byte offset of pixel (x, y); computed wide so large images cannot overflow.
inline std::ptrdiff_t pixel_offset(int width, int x, int y) {
  return static_cast<std::ptrdiff_t>(y) * width + x;
}

void fill_run(unsigned char* start, int n, unsigned char colour) {
  std::uint32_t word = colour * 0x01010101u;
  int words = n / 4;
  for (int i = 0; i < words; ++i) {
    std::memcpy(start, &word, 4);  // unaligned 32-bit store, kept well defined
    start += 4;
  }
  for (int i = 0; i < n % 4; ++i) *start++ = colour;
}

// Clipped coordinate rounded to the nearest pixel (0.5 added, then truncated
// toward zero). Returns false when the result would lie outside 0..limit-1,
// which drops the line. A coordinate in the last half pixel before the limit
// is pulled back onto the last pixel instead of dropping the line; NaN and
// values far outside never reach a conversion.
bool round_inside(double value, int limit, int* out) {
  if (value >= limit - 0.5 && value < limit) value = limit - 1;
  double r = value + 0.5;
  if (!(r > -1.0) || !(r < limit)) return false;
  *out = static_cast<int>(r);
  return true;
}

// Moves one endpoint onto the image border along A x + B y + C = 0. Neither A
// nor B is 0 here: horizontal (A = 0) and vertical (B = 0) lines are drawn
// before any clipping arithmetic.
void clip_endpoint(double* x, double* y, double w, double h, double A, double B, double C) {
  if (*y < 0) {
    *y = 0;
    *x = -C / A;
  }
  if (*y >= h) {
    *y = h - 1;
    *x = (-C - B * (h - 1)) / A;
  }
  if (*x < 0) {
    *x = 0;
    *y = -C / B;
  }
  if (*x >= w) {
    *x = w - 1;
    *y = (-C - A * (w - 1)) / B;
  }
}

}  // namespace

void DRAW_LINE(unsigned char* image, int width, int /*height*/, int x1, int y1, int x2, int y2, int colour) {
  const unsigned char c = static_cast<unsigned char>(colour);
  const int dx = x2 - x1;
  const int dy = y2 - y1;

  if (dy == 0) {
    int left = dx < 0 ? x2 : x1;
    fill_run(image + pixel_offset(width, left, y1), (dx < 0 ? -dx : dx) + 1, c);
    return;
  }
  if (dx == 0) {
    int top = dy < 0 ? y2 : y1;
    int n = (dy < 0 ? -dy : dy) + 1;
    unsigned char* p = image + pixel_offset(width, x1, top);
    for (int i = 0; i < n; ++i, p += width) *p = c;
    return;
  }

  const int adx = dx < 0 ? -dx : dx;
  const int ady = dy < 0 ? -dy : dy;
  const std::ptrdiff_t xstep = dx < 0 ? -1 : 1;
  const std::ptrdiff_t ystep = dy < 0 ? -static_cast<std::ptrdiff_t>(width) : width;
  // Major axis x for |dx| >= |dy| (diagonals are x-major).
  const bool x_major = adx >= ady;
  const int M = x_major ? adx : ady;
  const int m = x_major ? ady : adx;
  const std::ptrdiff_t major_step = x_major ? xstep : ystep;
  const std::ptrdiff_t minor_step = x_major ? ystep : xstep;

  unsigned char* p = image + pixel_offset(width, x1, y1);
  *p = c;
  int e = 2 * m - M;
  for (int k = 0; k < M; ++k) {
    p += major_step;
    if (e > 0) {  // a tie (e == 0) takes no minor step
      p += minor_step;
      e += 2 * m - 2 * M;
    } else {
      e += 2 * m;
    }
    *p = c;
  }
}

void LINE_COEFFS(double x1, double y1, double x2, double y2, double* A, double* B, double* C) {
  *A = y1 - y2;
  *B = x2 - x1;
  *C = x1 * y2 - y1 * x2;
}

void CLIP_LINE(unsigned char* image, int width, int height, int x1, int y1, int x2, int y2, int colour) {
  if (width <= 0 || height <= 0) return;

  const bool x1_in = x1 >= 0 && x1 < width, x2_in = x2 >= 0 && x2 < width;
  const bool y1_in = y1 >= 0 && y1 < height, y2_in = y2 >= 0 && y2 < height;
  if (x1_in && x2_in && y1_in && y2_in) {
    DRAW_LINE(image, width, height, x1, y1, x2, y2, colour);
    return;
  }
  if ((x1 < 0 && x2 < 0) || (x1 >= width && x2 >= width) || (y1 < 0 && y2 < 0) || (y1 >= height && y2 >= height))
    return;

  if (y1 == y2) {
    auto clamp_x = [width](int x) { return x < 0 ? 0 : (x >= width ? width - 1 : x); };
    DRAW_LINE(image, width, height, clamp_x(x1), y1, clamp_x(x2), y2, colour);
    return;
  }
  if (x1 == x2) {
    auto clamp_y = [height](int y) { return y < 0 ? 0 : (y >= height ? height - 1 : y); };
    DRAW_LINE(image, width, height, x1, clamp_y(y1), x2, clamp_y(y2), colour);
    return;
  }

  const double w = width, h = height;
  double fx1 = x1, fy1 = y1, fx2 = x2, fy2 = y2;
  double A, B, C;
  LINE_COEFFS(fx1, fy1, fx2, fy2, &A, &B, &C);
  clip_endpoint(&fx1, &fy1, w, h, A, B, C);
  clip_endpoint(&fx2, &fy2, w, h, A, B, C);

  int rx1, ry1, rx2, ry2;
  if (!round_inside(fx1, width, &rx1) || !round_inside(fy1, height, &ry1) || !round_inside(fx2, width, &rx2) ||
      !round_inside(fy2, height, &ry2))
    return;
  DRAW_LINE(image, width, height, rx1, ry1, rx2, ry2, colour);
}
