// The web program's snprintf and vsnprintf: the link sends every call of
// theirs to SMALL_VSNPRINTF (--wrap, app/web/CMakeLists.txt), which writes
// what the program writes, integers and texts, as the C library would, and
// leaves the C library's printf, much the larger, out of the page. The
// program writes its floating-point numbers itself (WRITE_DOUBLE, a gain's
// hundredths).
#ifndef BELLSCOPE_APP_WEB_SMALL_PRINTF_H
#define BELLSCOPE_APP_WEB_SMALL_PRINTF_H

#include <cstdarg>
#include <cstddef>

// As vsnprintf for the conversions c, s, d, i, u, x, X and %%, with the
// flags - and 0, a width and a precision (numbers or *), and the lengths
// h, l, ll and z; a floating-point conversion writes nothing. Returns the
// length written out whole, or -1 for a format it does not know.
int SMALL_VSNPRINTF(char* text, std::size_t size, const char* format, va_list args);

#endif
