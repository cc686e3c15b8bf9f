// The web program's snprintf writes what the C library's writes, for every
// conversion the program uses and the edges around them, cut to the buffer
// as snprintf cuts.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "small_printf.h"

namespace {

std::string ours(std::size_t size, const char* format, ...) {
  char text[128] = "untouched";
  va_list args;
  va_start(args, format);
  const int n = SMALL_VSNPRINTF(size ? text : nullptr, size, format, args);
  va_end(args);
  return std::to_string(n) + ":" + (size ? text : "");
}

std::string theirs(std::size_t size, const char* format, ...) {
  char text[128] = "untouched";
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(size ? text : nullptr, size, format, args);
  va_end(args);
  return std::to_string(n) + ":" + (size ? text : "");
}

}  // namespace

#define SAME(size, ...) EXPECT_EQ(ours(size, __VA_ARGS__), theirs(size, __VA_ARGS__)) << #__VA_ARGS__

TEST(SmallPrintf, WritesAsTheCLibraryDoes) {
  for (const std::size_t size : {std::size_t{128}, std::size_t{6}, std::size_t{1}, std::size_t{0}}) {
    SAME(size, "Gaussian %d     (F%d key) u=%d  sigma=%d", 1, 1, -300, 2147483647);
    SAME(size, "%d %i %d", INT_MIN, 0, -1);
    SAME(size, "%u %u", 0u, UINT_MAX);
    SAME(size, "%lld %lld %lld", LLONG_MIN, LLONG_MAX, 0LL);
    SAME(size, "%ld %lu %zu", -5L, 7UL, std::size_t{42});
    SAME(size, "\\u%04x %x %X %08X", 0x1fu, 0xbeefu, 0xbeefu, 0xabcu);
    SAME(size, "%.*s%s: %s", 3, "abcdef", "...", "why");
    SAME(size, "%.*s|%.0s|%.*s", -1, "whole", "gone", 20, "short");
    SAME(size, "%5d|%-5d|%05d|%-05d|%5s|%-5s|%c%c", 42, 42, -42, 7, "ab", "ab", 'x', 'y');
    SAME(size, "%*d|%*d|%.3d|%.0d|%8.3d", 6, 1, -6, 2, 5, 0, -12);
    SAME(size, "%s%d=%s&100%%", "u", 2, "451");
    SAME(size, "rgb(%d, %d, %d)", 0, 128, 255);
  }
}
