// A screen image for tests, with guard bands of known bytes on both sides of
// the pixels so that writes outside the image are caught.
#ifndef BELLSCOPE_TESTS_TEST_IMAGE_H
#define BELLSCOPE_TESTS_TEST_IMAGE_H

#include <cstddef>
#include <utility>
#include <vector>

struct test_image {
  static constexpr std::size_t GUARD = 4096;
  static constexpr unsigned char GUARD_BYTE = 0xA5;

  int width, height;
  std::vector<unsigned char> bytes;

  test_image(int w, int h, unsigned char fill = 0)
      : width(w), height(h), bytes(GUARD * 2 + static_cast<std::size_t>(w) * h, GUARD_BYTE) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(w) * h; ++i) bytes[GUARD + i] = fill;
  }
  unsigned char* pixels() { return bytes.data() + GUARD; }
  unsigned char at(int x, int y) const { return bytes[GUARD + static_cast<std::size_t>(y) * width + x]; }
  void set(int x, int y, unsigned char v) { bytes[GUARD + static_cast<std::size_t>(y) * width + x] = v; }

  bool guards_intact() const {
    for (std::size_t i = 0; i < GUARD; ++i)
      if (bytes[i] != GUARD_BYTE || bytes[bytes.size() - 1 - i] != GUARD_BYTE) return false;
    return true;
  }
  // Every pixel whose value is not `background`, in row-major order.
  std::vector<std::pair<int, int>> marked(unsigned char background = 0) const {
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (at(x, y) != background) out.emplace_back(x, y);
    return out;
  }
  int count(unsigned char value) const {
    int n = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) n += at(x, y) == value;
    return n;
  }
};

#endif
