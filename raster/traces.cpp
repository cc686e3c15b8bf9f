// Curve traces: a curve of doubles scaled into bytes, and a trace drawn as a
// gap-free staircase of short vertical segments, one per column.
#include "raster.h"

#include <climits>

namespace {

// Narrows a 64-bit coordinate to int, saturating: a saturated coordinate is
// still far outside any image, so clipping treats it the same.
int saturate(long long v) {
  return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

// A trace with one sample per column that lies wholly inside the image: every
// segment is a vertical run in its own column, drawn directly, with the same
// pixels that CLIP_LINE would draw. ROW maps a trace value to its row.
template <typename ROW>
void plot_inside(unsigned char* image, int width, const unsigned char* trace, int n, int x0, ROW row_of,
                 unsigned char colour) {
  unsigned char* column = image + x0;
  long long prev = row_of(trace[0]);
  column[prev * width] = colour;
  for (int k = 1; k < n; ++k) {
    const long long row = row_of(trace[k]);
    const long long top = prev < row ? prev : row, bottom = prev < row ? row : prev;
    unsigned char* p = column + k + top * width;
    for (long long r = top; r <= bottom; ++r, p += width) *p = colour;
    prev = row;
  }
}

}  // namespace

void SCALE_TO_BYTES(const double* curve, unsigned char* trace, int count, double gain) {
  for (int i = 0; i < count; ++i) {
    double v = gain * curve[i];
    if (!(v >= 0))  // negative or not a number
      trace[i] = 0;
    else if (v > 255)
      trace[i] = 255;
    else
      trace[i] = static_cast<unsigned char>(v);
  }
}

// Sample k (k = 0..n-1, n = count / x_divisor) is trace[k / x_divisor] at
// column x0 + k / x_divisor; each step after the first is joined to the
// previous one by CLIP_LINE from (previous column + 1, previous row). With an
// x divisor of 1 every segment is vertical and lies in its own column.
void PLOT_TRACE(unsigned char* image, int width, int height, const unsigned char* trace, int count, int x0, int y0,
                int x_divisor, int y_divisor, int colour) {
  if (x_divisor < 1 || y_divisor < 1 || width <= 0 || height <= 0) return;
  const int n = count / x_divisor;
  if (n <= 0) return;
  colour &= 0xff;

  if (x_divisor == 1 && x0 >= 0 && n <= width - x0 && y0 >= 0 && 255 / y_divisor < height - y0) {
    const unsigned char c = static_cast<unsigned char>(colour);
    if (y_divisor == 1)
      plot_inside(
          image, width, trace, n, x0, [y0](unsigned char t) { return static_cast<long long>(y0) + 255 - t; }, c);
    else
      plot_inside(
          image, width, trace, n, x0,
          [y0, y_divisor](unsigned char t) { return static_cast<long long>(y0) + (255 - t) / y_divisor; }, c);
    return;
  }

  auto row_of = [&](int k) { return static_cast<long long>(y0) + (255 - trace[k / x_divisor]) / y_divisor; };
  long long prev_col = static_cast<long long>(x0);
  long long prev_row = row_of(0);
  if (prev_col >= 0 && prev_col < width && prev_row >= 0 && prev_row < height)
    image[prev_row * width + prev_col] = static_cast<unsigned char>(colour);

  for (int k = 1; k < n; ++k) {
    long long col = static_cast<long long>(x0) + k / x_divisor;
    long long row = row_of(k);
    // Columns never decrease: once a segment lies wholly right of the image,
    // so do all later ones.
    if (prev_col + 1 >= width && col >= width) break;
    CLIP_LINE(image, width, height, saturate(prev_col + 1), saturate(prev_row), saturate(col), saturate(row), colour);
    prev_col = col;
    prev_row = row;
  }
}
