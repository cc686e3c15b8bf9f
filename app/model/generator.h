// The model's random numbers: a fixed integer generator, so that a seed
// gives the same challenge rounds and the same walks on every machine and
// in every browser. Private to the model.
#ifndef BELLSCOPE_APP_MODEL_GENERATOR_H
#define BELLSCOPE_APP_MODEL_GENERATOR_H

#include <cstdint>

// SplitMix64: every step is plain 64-bit integer arithmetic.
struct generator {
  std::uint64_t state;
  std::uint64_t next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // A whole number from low to high, both included.
  int between(int low, int high) { return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1)); }
  // A standard normal deviate, near enough for a classroom: the sum of
  // twelve uniform numbers less 6 (mean 0, variance 1, within +-6). Each
  // uniform is a whole 32-bit number, so the sum is exact in a double and
  // the result is the same everywhere; no logarithm or cosine, whose last
  // bit differs between libraries.
  double normal() {
    std::uint64_t sum = 0;
    for (int i = 0; i < 12; ++i) sum += next() >> 32;
    return static_cast<double>(sum) / 4294967296.0 - 6.0;
  }
};

#endif
