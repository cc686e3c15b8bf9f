// The Gaussian set: four Gaussians, the selected one and the combining mode,
// and the five curves computed from it on every pass.
#ifndef BELLSCOPE_APP_GAUSSIANS_H
#define BELLSCOPE_APP_GAUSSIANS_H

enum { GAUSSIAN_COUNT = 4, CURVE_COLUMNS = 800 };

struct gaussian {
  double u;      // mean, in image columns
  double sigma;  // standard deviation, in columns; used as it is, never clamped
  bool on;       // takes part in the combination and is plotted
};

// How the web page names the Gaussians and their product, which belongs to
// a view but not to the picture: Gaussians 1-4 and the product; a prior,
// measurements 1-3 and the posterior; sensors A-D and the fused estimate.
enum gaussian_names { NAMES_GAUSSIANS, NAMES_BAYES, NAMES_SENSORS, NAMES_COUNT };

struct gaussian_set {
  gaussian g[GAUSSIAN_COUNT];  // Gaussians 1..4 at indices 0..3
  int selected;                // 1..4: the Gaussian the arrows and the mouse edit
  bool recalc;                 // false: Point by Point Multiplication; true: Parameter Recalculation
  double combined_u;           // written only in Parameter Recalculation mode
  double combined_sigma;
  gaussian_names names;  // the page's alone: the frame does not show them
};

struct gaussian_curves {
  double component[GAUSSIAN_COUNT][CURVE_COLUMNS];
  double combined[CURVE_COLUMNS];
};

// Start-up state: (100, 200, on), (250, 70, on), (300, 40, off),
// (350, 100, off); Gaussian 1 selected; Point by Point Multiplication;
// named Gaussians 1-4.
void INIT_GAUSSIANS(gaussian_set* set);

// exp(-0.5 ((x - u) / sigma)^2) for x = 0..799.
void GAUSSIAN_CURVE(double u, double sigma, double* curve);

// Writes all four component curves and the combined curve; in Parameter
// Recalculation mode also the combined u and sigma.
void COMPUTE_CURVES(gaussian_set* set, gaussian_curves* curves);

// The product rule worked out for the Gaussians that are on, in the order
// the program folds them (1 x 2, then x 3, ...), as a teacher would write
// it: the precisions 1/sigma^2 add, the mean is the precision-weighted mean,
// and the point-by-point product peaks at `height`, the product of each
// step's exp(-(u1 - u2)^2 / (2 (sigma1^2 + sigma2^2))). Exact, unlike the
// picture's fold, which starts from a very wide curve. A negative sigma
// counts as its absolute value.
struct product_step {
  int gaussian;      // the Gaussian folded in (1..4)
  double precision;  // its 1/sigma^2
  double total;      // the product so far: the sum of the precisions,
  double u, sigma;   // its mean and sigma,
  double height;     // and its peak, point by point
};
struct product_working {
  int count;  // the Gaussians on: steps[count - 1] is the product
  product_step steps[GAUSSIAN_COUNT];
  // A Gaussian on with sigma 0 (the first such): it is 0 everywhere but at
  // its mean, where its peak is 1, so the product has no bell curve to work
  // out; 0 when none is.
  int flat;
  // With a flat Gaussian, the product at its mean: the other Gaussians'
  // product there (another flat one counts 1 at the same mean, 0 at
  // another), which is the product's only value other than 0.
  double flat_height;
};
void WORK_OUT_PRODUCT(const gaussian_set* set, product_working* working);

// A parameter as shown on screen: truncated toward zero; NaN shows 0 and
// values beyond the int range saturate.
int DISPLAY_VALUE(double value);

#endif
