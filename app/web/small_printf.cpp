#include "small_printf.h"

#include <cstdint>

namespace {

struct output {
  char* text;
  std::size_t size, length;
  void put(char c) {
    if (length + 1 < size) text[length] = c;
    ++length;
  }
  void put(const char* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) put(s[i]);
  }
  void pad(char c, int n) {
    for (; n > 0; --n) put(c);
  }
};

}  // namespace

int SMALL_VSNPRINTF(char* text, std::size_t size, const char* format, va_list args) {
  output out{text, size, 0};
  for (const char* f = format; *f; ++f) {
    if (*f != '%') {
      out.put(*f);
      continue;
    }
    bool left = false, zeros = false;
    for (++f; *f == '-' || *f == '0'; ++f) (*f == '-' ? left : zeros) = true;
    int width = 0, precision = -1;
    if (*f == '*') {
      width = va_arg(args, int);
      if (width < 0) left = true, width = -width;
      ++f;
    }
    for (; *f >= '0' && *f <= '9'; ++f) width = width * 10 + (*f - '0');
    if (*f == '.') {
      precision = 0;
      if (*++f == '*') {
        precision = va_arg(args, int);
        ++f;
      }
      for (; *f >= '0' && *f <= '9'; ++f) precision = precision * 10 + (*f - '0');
    }
    int longs = 0;
    for (; *f == 'l' || *f == 'h' || *f == 'z'; ++f) longs += *f == 'l' ? 1 : *f == 'z' ? 2 : 0;
    char digits[24];
    const char* body = digits;
    std::size_t n = 0;
    const char* sign = "";
    switch (*f) {
      case '%': out.put('%'); continue;
      case 'c':
        digits[0] = static_cast<char>(va_arg(args, int));
        n = 1;
        break;
      case 's':
        body = va_arg(args, const char*);
        if (!body) body = "(null)";
        while (body[n] && (precision < 0 || n < static_cast<std::size_t>(precision))) ++n;
        break;
      case 'd':
      case 'i':
      case 'u':
      case 'x':
      case 'X': {
        const bool is_signed = *f == 'd' || *f == 'i';
        std::uint64_t v;
        if (is_signed) {
          const long long s = longs >= 2   ? va_arg(args, long long)
                              : longs == 1 ? va_arg(args, long)
                                           : va_arg(args, int);
          v = s < 0 ? 0 - static_cast<std::uint64_t>(s) : static_cast<std::uint64_t>(s);
          if (s < 0) sign = "-";
        } else {
          v = longs >= 2   ? va_arg(args, unsigned long long)
              : longs == 1 ? va_arg(args, unsigned long)
                           : va_arg(args, unsigned);
        }
        const unsigned base = *f == 'x' || *f == 'X' ? 16 : 10;
        const char* letters = *f == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
        char* end = digits + sizeof digits;
        char* p = end;
        for (; v; v /= base) *--p = letters[v % base];
        for (int shown = static_cast<int>(end - p); shown < precision || (precision < 0 && p == end); ++shown)
          *--p = '0';
        body = p;
        n = static_cast<std::size_t>(end - p);
        if (precision >= 0) zeros = false;
        break;
      }
      case 'e':
      case 'E':
      case 'f':
      case 'F':
      case 'g':
      case 'G': (void)va_arg(args, double); continue;
      default: return -1;
    }
    const int sign_length = *sign ? 1 : 0;
    const int fill = width - static_cast<int>(n) - sign_length;
    if (!left && !zeros) out.pad(' ', fill);
    out.put(sign, static_cast<std::size_t>(sign_length));
    if (!left && zeros) out.pad('0', fill);
    out.put(body, n);
    if (left) out.pad(' ', fill);
  }
  if (size) text[out.length < size ? out.length : size - 1] = 0;
  return static_cast<int>(out.length);
}

#ifdef __EMSCRIPTEN__
extern "C" {
int __wrap_vsnprintf(char* text, std::size_t size, const char* format, va_list args) {
  return SMALL_VSNPRINTF(text, size, format, args);
}
int __wrap_snprintf(char* text, std::size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int n = SMALL_VSNPRINTF(text, size, format, args);
  va_end(args);
  return n;
}
}
#endif
