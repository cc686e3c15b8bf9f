// Reading a fuzzer's input as a stream of values: numbers of any size, small
// choices and strings, with zeros once the input runs out.
#ifndef BELLSCOPE_TESTS_FUZZ_INPUT_H
#define BELLSCOPE_TESTS_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

struct fuzz_input {
  const std::uint8_t* data;
  std::size_t size;

  bool empty() const { return size == 0; }
  std::uint8_t byte() {
    if (size == 0) return 0;
    --size;
    return *data++;
  }
  std::uint32_t u32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | byte();
    return v;
  }
  // Mostly values near a small image, sometimes anything at all.
  int coordinate() {
    const std::uint8_t kind = byte();
    if (kind < 200) return static_cast<int>(byte()) - 64;
    if (kind < 230) return static_cast<int>(static_cast<std::int16_t>(u32()));
    return static_cast<int>(u32());
  }
  // A string of up to max bytes (any byte but 0).
  std::string text(std::size_t max) {
    std::string s;
    const std::size_t n = byte() % (max + 1);
    for (std::size_t i = 0; i < n && !empty(); ++i) {
      const char c = static_cast<char>(byte());
      if (c) s += c;
    }
    return s;
  }
};

#endif
