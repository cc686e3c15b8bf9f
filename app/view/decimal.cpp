#include "decimal.h"

#include <cfloat>
#include <cstdint>
#include <cstring>

namespace {

// Significant digits of a decimal kept exactly; of those after them only
// whether one is not 0, which a 1 after the digits kept stands for. The
// halfway point between two neighbouring doubles, (2m+1)2^(k-1) with k at
// least -1074, has at most 768 significant digits, so none lies between two
// decimals of DIGITS_KEPT digits that differ by one in the last: the digits
// kept and that 1 round as the whole does.
const int DIGITS_KEPT = 800;

// Beyond these, a decimal of n significant digits times 10^e is sure to
// round to infinity (10^309 and more) or to zero (below 10^-324).
const int MOST_DIGITS_EXPONENT = 309, LEAST_DIGITS_EXPONENT = -323;

// Limbs of the whole numbers a decimal is divided with: the largest is the
// digits kept and the 1 (up to 10^801, 2661 bits) over 5^1124 (2610 bits),
// either shifted to leave a quotient of 55 bits, with a limb to spare.
const int LIMBS = 88;

struct big {
  int size;                   // limbs used, the top one not 0
  std::uint32_t limb[LIMBS];  // least significant first
};

void multiply_add(big* a, std::uint32_t factor, std::uint32_t add) {
  std::uint64_t carry = add;
  for (int i = 0; i < a->size; ++i) {
    carry += static_cast<std::uint64_t>(a->limb[i]) * factor;
    a->limb[i] = static_cast<std::uint32_t>(carry);
    carry >>= 32;
  }
  if (carry) a->limb[a->size++] = static_cast<std::uint32_t>(carry);
}

void multiply_by_power_of_5(big* a, long long power) {
  for (; power >= 13; power -= 13) multiply_add(a, 1220703125u, 0);  // 5^13
  std::uint32_t rest = 1;
  for (; power > 0; --power) rest *= 5;
  multiply_add(a, rest, 0);
}

int bit_length(const big& a) {
  int bits = a.size ? (a.size - 1) * 32 : 0;
  for (std::uint32_t top = a.size ? a.limb[a.size - 1] : 0; top; top >>= 1) ++bits;
  return bits;
}

void trim(big* a) {
  while (a->size && !a->limb[a->size - 1]) --a->size;
}

void shift_left(big* a, int bits) {
  if (!a->size) return;
  const int limbs = bits / 32, shift = bits % 32;
  a->limb[a->size + limbs] = 0;
  for (int i = a->size - 1; i >= 0; --i) {
    const std::uint64_t moved = static_cast<std::uint64_t>(a->limb[i]) << shift;
    a->limb[i + limbs + 1] |= static_cast<std::uint32_t>(moved >> 32);
    a->limb[i + limbs] = static_cast<std::uint32_t>(moved);
  }
  for (int i = 0; i < limbs; ++i) a->limb[i] = 0;
  a->size += limbs + 1;
  trim(a);
}

void halve(big* a) {
  for (int i = 0; i < a->size; ++i) a->limb[i] = (a->limb[i] >> 1) | (i + 1 < a->size ? a->limb[i + 1] << 31 : 0);
  trim(a);
}

int compare(const big& a, const big& b) {
  if (a.size != b.size) return a.size < b.size ? -1 : 1;
  for (int i = a.size - 1; i >= 0; --i)
    if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i] ? -1 : 1;
  return 0;
}

void subtract(big* a, const big& b) {  // a >= b
  std::uint64_t borrow = 0;
  for (int i = 0; i < a->size; ++i) {
    const std::uint64_t d = a->limb[i] - (i < b.size ? static_cast<std::uint64_t>(b.limb[i]) : 0) - borrow;
    a->limb[i] = static_cast<std::uint32_t>(d);
    borrow = d >> 63;
  }
  trim(a);
}

// a / b rounded down, when it is below 2^55; `a` is left the remainder.
std::uint64_t divide(big* a, big* b) {
  shift_left(b, 55);
  std::uint64_t quotient = 0;
  for (int bit = 54; bit >= 0; --bit) {
    halve(b);
    if (compare(*a, *b) >= 0) {
      subtract(a, *b);
      quotient |= std::uint64_t{1} << bit;
    }
  }
  return quotient;
}

const std::uint64_t INFINITE_BITS = 0x7ff0000000000000, SIGN_BIT = std::uint64_t{1} << 63;

double from_bits(std::uint64_t bits) {
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

// The double nearest q 2^(e-1), q from 2^53 to 2^54, with `more`: a little
// more than that. Infinity, with *too_large set, beyond the largest.
double nearest(std::uint64_t q, long long e, bool more, bool negative, bool* too_large) {
  if (e < -1074) {  // fewer bits below the normal range
    const long long drop = -1074 - e > 60 ? 60 : -1074 - e;
    more = more || (q & ((std::uint64_t{1} << drop) - 1)) != 0;
    q >>= drop;
    e = -1074;
  }
  std::uint64_t m = q >> 1;
  if ((q & 1) && (more || (m & 1))) ++m;  // to nearest, ties to even
  // m's bit 52, or a carry out of it, counts in the exponent, as it should.
  std::uint64_t bits = e > 971 ? INFINITE_BITS : (static_cast<std::uint64_t>(e + 1074) << 52) + m;
  if (bits >= INFINITE_BITS) {
    bits = INFINITE_BITS;
    *too_large = true;
  }
  return from_bits(bits | (negative ? SIGN_BIT : 0));
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

bool is_letter(char c) {
  return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

// Whether `text` starts with `word` (in lower case), in either case.
bool starts_with(const char* text, const char* word) {
  for (; *word; ++text, ++word)
    if ((*text | 0x20) != *word) return false;
  return true;
}

// After an exponent's letter at `p`, a sign and digits, added to *exponent;
// without digits, the letter is not the number's, and `p` is returned.
const char* read_exponent(const char* p, long long* exponent) {
  const char* at = p + 1;
  const bool minus = *at == '-';
  if (*at == '+' || *at == '-') ++at;
  if (!is_digit(*at)) return p;
  long long e = 0;
  for (; is_digit(*at); ++at)
    if (e < 100000) e = e * 10 + (*at - '0');  // far beyond any double's, either way
  *exponent += minus ? -e : e;
  return at;
}

// Each read_ function reads its kind of number at `p`, after the sign, and
// returns where it ends: `p` when it is not there.

const char* read_word(const char* p, bool negative, double* value) {
  std::uint64_t bits = INFINITE_BITS;
  if (starts_with(p, "inf")) {
    p += starts_with(p, "infinity") ? 8 : 3;
  } else if (starts_with(p, "nan")) {
    bits |= std::uint64_t{1} << 51;
    p += 3;
    const char* at = p;
    if (*at == '(') {
      do ++at;
      while (is_digit(*at) || is_letter(*at) || *at == '_');
      if (*at == ')') p = at + 1;
    }
  } else {
    return p;
  }
  *value = from_bits(bits | (negative ? SIGN_BIT : 0));
  return p;
}

const char* read_hexadecimal(const char* p, bool negative, double* value, bool* too_large) {
  if (p[0] != '0' || (p[1] | 0x20) != 'x') return p;
  const char* at = p + 2;
  std::uint64_t m = 0;
  long long e = 0;  // the number: m 2^e, and `more`
  bool more = false, point = false, digits = false;
  for (;; ++at) {
    if (*at == '.' && !point) {
      point = true;
      continue;
    }
    const int lower = *at | 0x20;
    const int d = is_digit(*at) ? *at - '0' : lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
    if (d < 0) break;
    digits = true;
    if (m >> 60 == 0) {
      m = m * 16 + static_cast<unsigned>(d);
      e -= point ? 4 : 0;
    } else {
      more = more || d;
      e += point ? 0 : 4;
    }
  }
  if (!digits) return p;  // "0x": the 0 alone, for read_decimal
  if ((*at | 0x20) == 'p') at = read_exponent(at, &e);
  if (!m) {
    *value = from_bits(negative ? SIGN_BIT : 0);
    return at;
  }
  int length = 0;
  for (std::uint64_t rest = m; rest; rest >>= 1) ++length;
  if (length > 54) {
    more = more || (m & ((std::uint64_t{1} << (length - 54)) - 1)) != 0;
    m >>= length - 54;
  } else {
    m <<= 54 - length;
  }
  *value = nearest(m, e + length - 54 + 1, more, negative, too_large);
  return at;
}

// The digits[n] (significant, the first not 0) times 10^e.
double decimal_value(const char* digits, int n, long long e, bool negative, bool* too_large) {
  if (!n || n + e < LEAST_DIGITS_EXPONENT) return from_bits(negative ? SIGN_BIT : 0);
  if (n + e > MOST_DIGITS_EXPONENT) {
    *too_large = true;
    return from_bits(INFINITE_BITS | (negative ? SIGN_BIT : 0));
  }
#if FLT_EVAL_METHOD == 0
  // Exactly a double times or over an exact power of ten: one rounding.
  if (n <= 19 && e >= -22 && e <= 22) {
    std::uint64_t whole = 0;
    for (int i = 0; i < n; ++i) whole = whole * 10 + static_cast<unsigned>(digits[i] - '0');
    if (whole <= std::uint64_t{1} << 53) {
      double power = 1;
      for (long long i = 0; i < (e < 0 ? -e : e); ++i) power *= 10;
      const double v = e < 0 ? static_cast<double>(whole) / power : static_cast<double>(whole) * power;
      return negative ? -v : v;
    }
  }
#endif
  // Otherwise digits 5^e 2^e as the fraction num / den 2^e, divided to a
  // quotient of 54 or 55 bits and whether a remainder is left.
  big num, den;
  num.size = 0;
  den.size = 1;
  den.limb[0] = 1;
  for (int i = 0; i < n;) {
    std::uint32_t part = 0, scale = 1;
    for (int k = 0; k < 9 && i < n; ++k, ++i) {
      part = part * 10 + static_cast<unsigned>(digits[i] - '0');
      scale *= 10;
    }
    multiply_add(&num, scale, part);
  }
  multiply_by_power_of_5(e < 0 ? &den : &num, e < 0 ? -e : e);
  const int shift = 54 - (bit_length(num) - bit_length(den));
  shift_left(shift > 0 ? &num : &den, shift > 0 ? shift : -shift);
  std::uint64_t q = divide(&num, &den);
  bool more = num.size != 0;
  long long power = e - shift;  // the number: q 2^power, and `more`
  if (q >> 54) {
    more = more || (q & 1);
    q >>= 1;
    ++power;
  }
  return nearest(q, power + 1, more, negative, too_large);
}

const char* read_decimal(const char* p, bool negative, double* value, bool* too_large) {
  char digits[DIGITS_KEPT + 1];
  int n = 0;
  long long e = 0;  // the number: digits[n] times 10^e, and `more`
  bool more = false, point = false, any = false;
  const char* at = p;
  for (;; ++at) {
    if (*at == '.' && !point) {
      point = true;
      continue;
    }
    if (!is_digit(*at)) break;
    any = true;
    if (!n && *at == '0') {
      e -= point ? 1 : 0;  // a leading zero
    } else if (n < DIGITS_KEPT) {
      digits[n++] = *at;
      e -= point ? 1 : 0;
    } else {
      more = more || *at != '0';
      e += point ? 0 : 1;
    }
  }
  if (!any) return p;
  if (*at == 'e' || *at == 'E') at = read_exponent(at, &e);
  if (more) {
    digits[n++] = '1';
    --e;
  } else {
    for (; n && digits[n - 1] == '0'; --n) ++e;
  }
  *value = decimal_value(digits, n, e, negative, too_large);
  return at;
}

// The exact decimal digits of a finite double, without the zeros at their
// ends: value = 0.d1 d2 d3... times 10^point. A double is m 2^e with m below
// 2^53: m 2^e itself for e >= 0 (at most 309 digits), or m 5^-e / 10^-e
// (at most 767), worked out in limbs of nine decimal digits.
struct exact_decimal {
  char digit[DIGITS_KEPT];
  int count, point;
};
void exact_digits(double value, exact_decimal* d) {
  enum { NINE_DIGITS = 1000000000, DECIMAL_LIMBS = 90 };
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int biased = static_cast<int>(bits >> 52 & 0x7FF);
  std::uint64_t m = bits & 0xFFFFFFFFFFFFF;
  int e = biased ? biased - 1075 : -1074;
  if (biased) m |= 1ull << 52;
  d->count = d->point = 0;
  if (!m) return;
  std::uint32_t limb[DECIMAL_LIMBS];
  int size = 0;
  for (; m; m /= NINE_DIGITS) limb[size++] = static_cast<std::uint32_t>(m % NINE_DIGITS);
  const bool halves = e < 0;
  // Times 2^e, or 5^-e: in factors of at most 2^29 or 5^13, below 2^31.
  for (int left = halves ? -e : e; left > 0;) {
    const int step = left < (halves ? 13 : 29) ? left : (halves ? 13 : 29);
    std::uint64_t factor = 1;
    for (int i = 0; i < step; ++i) factor *= halves ? 5 : 2;
    std::uint64_t carry = 0;
    for (int i = 0; i < size; ++i) {
      carry += limb[i] * factor;
      limb[i] = static_cast<std::uint32_t>(carry % NINE_DIGITS);
      carry /= NINE_DIGITS;
    }
    for (; carry; carry /= NINE_DIGITS) limb[size++] = static_cast<std::uint32_t>(carry % NINE_DIGITS);
    left -= step;
  }
  for (int i = size - 1; i >= 0; --i)
    for (std::uint32_t unit = NINE_DIGITS / 10; unit; unit /= 10) {
      const char c = static_cast<char>('0' + limb[i] / unit % 10);
      if (d->count || c != '0') d->digit[d->count++] = c;
    }
  d->point = d->count - (halves ? -e : 0);
  while (d->digit[d->count - 1] == '0') --d->count;
}

// The digits rounded to n significant ones, as printf rounds: to the nearest,
// a tie to an even last digit.
void round_digits(exact_decimal* d, int n) {
  if (d->count <= n) return;
  const char next = d->digit[n];
  bool up = next > '5';
  if (next == '5') up = d->count > n + 1 || (n > 0 && (d->digit[n - 1] - '0') % 2 == 1);
  d->count = n;
  while (up && d->count && d->digit[d->count - 1] == '9') --d->count;
  if (!up) {
    while (d->count && d->digit[d->count - 1] == '0') --d->count;
    return;
  }
  if (d->count) {
    ++d->digit[d->count - 1];
  } else {
    d->digit[0] = '1';
    d->count = 1;
    ++d->point;
  }
}

}  // namespace

void WRITE_DOUBLE(double value, int precision, char* text, std::size_t size) {
  char out[32];
  int n = 0;
  if (value < 0 || (value == 0 && 1 / value < 0)) out[n++] = '-';
  if (value != value) {
    std::memcpy(out, "nan", 4);
  } else if (value - value != 0) {
    std::memcpy(out + n, "inf", 4);
  } else {
    const int p = precision < 1 ? 1 : precision > 17 ? 17 : precision;
    static exact_decimal d;
    exact_digits(value, &d);
    round_digits(&d, p);
    const int x = d.count ? d.point - 1 : 0;  // the exponent of the first digit
    const auto digit = [&](int i) { return i >= 0 && i < d.count ? d.digit[i] : '0'; };
    if (x < -4 || x >= p) {
      // d.ddd e+XX, the trailing zeros dropped
      out[n++] = digit(0);
      if (d.count > 1) out[n++] = '.';
      for (int i = 1; i < d.count; ++i) out[n++] = d.digit[i];
      out[n++] = 'e';
      out[n++] = x < 0 ? '-' : '+';
      const int a = x < 0 ? -x : x;
      if (a >= 100) out[n++] = static_cast<char>('0' + a / 100);
      out[n++] = static_cast<char>('0' + a / 10 % 10);
      out[n++] = static_cast<char>('0' + a % 10);
    } else {
      // As many digits after the point as there are left of p, less the zeros at the end.
      for (int i = 0; i <= (x > 0 ? x : 0); ++i) out[n++] = x < 0 ? '0' : digit(i);
      const int after = d.count - 1 - x;
      if (after > 0) out[n++] = '.';
      for (int i = 1; i <= after; ++i) out[n++] = digit(x + i);
    }
    out[n] = 0;
  }
  if (!size) return;
  const std::size_t length = std::strlen(out) < size - 1 ? std::strlen(out) : size - 1;
  std::memcpy(text, out, length);
  text[length] = 0;
}

double READ_DOUBLE(const char* text, const char** end, bool* too_large) {
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  double value = 0;
  bool large = false;
  const char* after = read_hexadecimal(p, negative, &value, &large);
  if (after == p) after = read_word(p, negative, &value);
  if (after == p) after = read_decimal(p, negative, &value, &large);
  if (after == p) after = text;
  if (end) *end = after;
  if (too_large) *too_large = large;
  return value;
}
