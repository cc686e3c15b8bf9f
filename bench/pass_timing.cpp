// Times the part of a pass that is the same on every system: computing the
// five curves and composing the frame. The same source runs natively and as
// WebAssembly in the browser, so the two figures can be set side by side.
// The state changes from pass to pass as a user would change it (the mean
// moves, the mode flips, curves switch on and off), so no pass repeats the
// one before.
//   pass_timing [PASSES]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "frame.h"

namespace {

unsigned char image[SCREEN_WIDTH * SCREEN_HEIGHT];
gaussian_set set;
gaussian_curves curves;
frame_scratch scratch;

void run(int passes) {
  for (int i = 0; i < passes; ++i) {
    set.g[0].u = 100 + i % 600;
    set.g[1].sigma = 40 + i % 200;
    set.recalc = (i / 50) % 2 == 1;
    set.g[2].on = (i / 100) % 2 == 1;
    COMPUTE_CURVES(&set, &curves);
    COMPOSE_FRAME(image, &set, &curves, nullptr, &scratch);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int passes = argc > 1 ? std::atoi(argv[1]) : 4000;
  if (passes <= 0) {
    std::fprintf(stderr, "pass_timing: PASSES must be a positive number\n");
    return 2;
  }
  INIT_GAUSSIANS(&set);
  run(passes / 4);  // warm up
  // The best of five runs, against interference from the rest of the machine.
  double best = 0;
  for (int round = 0; round < 5; ++round) {
    const auto start = std::chrono::steady_clock::now();
    run(passes);
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    if (round == 0 || took.count() < best) best = took.count();
  }
  unsigned checksum = 0;
  for (unsigned char pixel : image) checksum = checksum * 31 + pixel;
  std::printf("compute+compose: %.2f us per pass (best of 5 runs of %d passes, image checksum %08x)\n", best / passes,
              passes, checksum);
  return 0;
}
