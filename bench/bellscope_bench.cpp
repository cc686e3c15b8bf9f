// Benchmarks of the work of one frame, each beside its floor: a memset of the
// 360,000-byte image, and an 8-bit to 32-bit palette conversion of it. The
// whole of computing and composing a frame is set beside its own floor, a
// memset of the image and the 4,000 exp calls its curves need, and the ratio
// of the two is printed at the end.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "display.h"
#include "explorer.h"
#include "raster.h"

namespace {

unsigned char image[SCREEN_WIDTH * SCREEN_HEIGHT];

void BM_FloorMemset(benchmark::State& state) {
  for (auto _ : state) {
    std::memset(image, 0, sizeof image);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FloorMemset);

void BM_FloorPaletteConversion(benchmark::State& state) {
  static std::uint32_t out[SCREEN_WIDTH * SCREEN_HEIGHT];
  std::uint32_t lut[256];
  for (int i = 0; i < 256; ++i) lut[i] = 0x010101u * i;
  for (auto _ : state) {
    for (int i = 0; i < SCREEN_WIDTH * SCREEN_HEIGHT; ++i) out[i] = lut[image[i]];
    benchmark::DoNotOptimize(out);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FloorPaletteConversion);

// The raster library's share of a frame: five 800-column traces and about 750
// characters of text (about 330 at double size, 420 at single size).
void BM_RasterFrameWork(benchmark::State& state) {
  gaussian_set set;
  static gaussian_curves curves;
  INIT_GAUSSIANS(&set);
  COMPUTE_CURVES(&set, &curves);
  unsigned char trace[CURVE_COLUMNS];
  const char* line2x = "Gaussian 1     (F1 key) u=100  sigma=200";
  const char* line1x = "Program demonstrates either point by point multiplication (multiplication option),";
  for (auto _ : state) {
    std::memset(image, 0, sizeof image);
    for (int k = 0; k < 5; ++k) {
      SCALE_TO_BYTES(k < 4 ? curves.component[k] : curves.combined, trace, CURVE_COLUMNS, 100.0);
      PLOT_TRACE(image, SCREEN_WIDTH, SCREEN_HEIGHT, trace, CURVE_COLUMNS, 0, 50, 1, 1, 250 + k);
    }
    for (int r = 0; r < 8; ++r) DRAW_TEXT_2X(image, SCREEN_WIDTH, SCREEN_HEIGHT, 10, 10 + 16 * r, line2x, 249, 0);
    for (int r = 0; r < 5; ++r) DRAW_TEXT(image, SCREEN_WIDTH, SCREEN_HEIGHT, 30, 350 + 10 * r, line1x, 140, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RasterFrameWork);

void BM_ComputeCurves(benchmark::State& state) {
  gaussian_set set;
  static gaussian_curves curves;
  INIT_GAUSSIANS(&set);
  set.recalc = state.range(0) != 0;
  for (auto _ : state) {
    COMPUTE_CURVES(&set, &curves);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComputeCurves)->ArgName("recalc")->Arg(0)->Arg(1);

void BM_ComposeFrame(benchmark::State& state) {
  static gaussian_set set;
  static gaussian_curves curves;
  static frame_scratch scratch;
  INIT_GAUSSIANS(&set);
  COMPUTE_CURVES(&set, &curves);
  for (auto _ : state) {
    COMPOSE_FRAME(image, &set, &curves, nullptr, &scratch);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeFrame);

// The frame in Parameter Recalculation mode, whose curves need 4,000 exp
// calls: four Gaussians and the regenerated product, 800 columns each.
gaussian_set recalc_state() {
  gaussian_set set;
  INIT_GAUSSIANS(&set);
  set.recalc = true;
  return set;
}

void BM_ComputeAndCompose(benchmark::State& state) {
  static gaussian_set set = recalc_state();
  static gaussian_curves curves;
  static frame_scratch scratch;
  for (auto _ : state) {
    COMPUTE_CURVES(&set, &curves);
    COMPOSE_FRAME(image, &set, &curves, nullptr, &scratch);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComputeAndCompose);

// The least that frame can cost: clearing the image and the exp calls, with
// the very arguments the curves need.
void BM_FloorComputeAndCompose(benchmark::State& state) {
  static gaussian_set set = recalc_state();
  static gaussian_curves curves;
  COMPUTE_CURVES(&set, &curves);  // the regenerated product's u and sigma
  static double arguments[5 * CURVE_COLUMNS], values[5 * CURVE_COLUMNS];
  for (int k = 0; k < 5; ++k) {
    const double u = k < 4 ? set.g[k].u : set.combined_u, sigma = k < 4 ? set.g[k].sigma : set.combined_sigma;
    for (int x = 0; x < CURVE_COLUMNS; ++x) {
      const double z = (x - u) / sigma;
      arguments[k * CURVE_COLUMNS + x] = -0.5 * z * z;
    }
  }
  for (auto _ : state) {
    std::memset(image, 0, sizeof image);
    for (int i = 0; i < 5 * CURVE_COLUMNS; ++i) values[i] = std::exp(arguments[i]);
    benchmark::DoNotOptimize(values);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FloorComputeAndCompose);

// The console report, and at its end how many times its floor computing and
// composing a frame costs.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(1) ? OO_ColorTabular : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const std::string name = run.benchmark_name();
      if (name == "BM_ComputeAndCompose") work_ns_ = run.GetAdjustedRealTime();
      if (name == "BM_FloorComputeAndCompose") floor_ns_ = run.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (work_ns_ > 0 && floor_ns_ > 0)
      std::printf("compute+compose: %.1f us, its floor (memset + 4,000 exp): %.1f us, ratio %.2fx (goal: at most 2x)\n",
                  work_ns_ / 1000, floor_ns_ / 1000, work_ns_ / floor_ns_);
  }

 private:
  double work_ns_ = 0, floor_ns_ = 0;
};

explorer program;

void open_program() {
  if (!program.screen_image) EXPLORER_START(&program, image);
}

void BM_Present(benchmark::State& state) {
  open_program();
  for (auto _ : state) SHOW_IMAGE(0, image);
}
BENCHMARK(BM_Present);

void BM_Poll(benchmark::State& state) {
  open_program();
  for (auto _ : state) benchmark::DoNotOptimize(KEY_WAITING(0));
}
BENCHMARK(BM_Poll);

// One whole pass of the main loop: poll, compute, compose, present.
void BM_WholePass(benchmark::State& state) {
  open_program();
  for (auto _ : state) EXPLORER_PASS(&program);
  state.counters["passes/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholePass);

}  // namespace

int main(int argc, char** argv) {
#ifndef _WIN32
  setenv("SDL_VIDEODRIVER", "dummy", 0);  // measure without a display
#endif
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
