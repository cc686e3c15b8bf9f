// The web program's snprintf and vsnprintf are the C library's integer-only
// ones (vsniprintf): the program writes its floating-point numbers itself
// (WRITE_DOUBLE, and a gain's hundredths), and the floating-point printf,
// the largest part of the C library's, stays out of the page. The link
// sends every snprintf and vsnprintf here (--wrap, app/web/CMakeLists.txt);
// a %f, %e or %g would come out empty, which the browser tests would see.
#include <cstdarg>
#include <cstddef>

extern "C" {
int vsniprintf(char* text, std::size_t size, const char* format, va_list args);

int __wrap_vsnprintf(char* text, std::size_t size, const char* format, va_list args) {
  return vsniprintf(text, size, format, args);
}

int __wrap_snprintf(char* text, std::size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int n = vsniprintf(text, size, format, args);
  va_end(args);
  return n;
}
}
