// Numbers read as strtod reads them, rounded correctly, with our own code.
#include <gtest/gtest.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "decimal.h"

namespace {

std::uint64_t bits(double v) {
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

const double inf = HUGE_VAL;

TEST(Decimal, ReadsWhatStrtodReads) {
  const struct {
    const char* text;
    long length;  // of the number read
    double value;
    bool too_large;
  } cases[] = {
      {" \t\n+.5e-3x", 9, 0.0005, false},
      {"5.", 2, 5, false},
      {"1.2.3", 3, 1.2, false},
      {"1e+", 1, 1, false},
      {"-", 0, 0, false},
      {" .e1", 0, 0, false},
      {"0x1.8P1", 7, 3, false},
      {"-0X10", 5, -16, false},
      {"0x.p1", 1, 0, false},
      {"0x1p", 3, 1, false},
      {"INFinity", 8, inf, false},
      {"-infinit", 4, -inf, false},
      {"1e999", 5, inf, true},
      {"-0x1p1024", 9, -inf, true},
      {"1e-99999999999", 14, 0, false},
      {"0x1.8p-1074", 11, 2 * 5e-324, false},  // halfway between two: to the even one
      {"0x1.00000000000008p0", 20, 1, false},
      {"0x1.000000000000080000000001p0", 30, 1 + DBL_EPSILON, false},
  };
  for (const auto& c : cases) {
    const char* end = nullptr;
    bool too_large = true;
    EXPECT_EQ(bits(READ_DOUBLE(c.text, &end, &too_large)), bits(c.value)) << c.text;
    EXPECT_EQ(end - c.text, c.length) << c.text;
    EXPECT_EQ(too_large, c.too_large) << c.text;
  }
  for (const char* text : {"nan", "-NaN(x_1)", "nan("}) EXPECT_TRUE(std::isnan(READ_DOUBLE(text, nullptr, nullptr)));
}

TEST(Decimal, RoundsTheHardCasesCorrectly) {
  const struct {
    const char* text;
    std::uint64_t bits;
  } cases[] = {
      {"0.1", 0x3FB999999999999A},
      {"1e23", 0x44B52D02C7E14AF6},
      {"9007199254740993", 0x4340000000000000},  // 2^53 + 1: a tie, to the even 2^53
      {"9007199254740995", 0x4340000000000002},
      {"9007199254740993.00000000000000000000000000000000000000001", 0x4340000000000001},
      {"3.0000000000000004440892098500626161694526672363281249999", 0x4008000000000001},
      {"123456789012345678901234567890123456789012345678901234567890", 0x4C33AAF504E4BC1E},
      {"2.2250738585072011e-308", 0x000FFFFFFFFFFFFF},
      {"2.2250738585072012e-308", 0x0010000000000000},
      {"1.7976931348623157e308", 0x7FEFFFFFFFFFFFFF},
      {"1.7976931348623158e308", 0x7FEFFFFFFFFFFFFF},
      {"1.7976931348623159e308", 0x7FF0000000000000},
      {"5e-324", 1},
      {"4.9e-324", 1},
      {"2.4703282292062327e-324", 0},
      {"2.4703282292062328e-324", 1},
      {"7.038531e-26", 0x3AB5C87FB0000000},
      {"-0", 0x8000000000000000},
      {"-1e-400", 0x8000000000000000},
  };
  for (const auto& c : cases) EXPECT_EQ(bits(READ_DOUBLE(c.text, nullptr, nullptr)), c.bits) << c.text;
}

#if defined(__GLIBC__)
// glibc's strtod rounds correctly: the same doubles, ends and overflows on
// decimals of every length and size, the exact halfway points between
// doubles and the decimals just either side of them, and random texts.
TEST(Decimal, ReadsAsGlibcDoes) {
  const auto check = [](const std::string& text) {
    char* end = nullptr;
    errno = 0;
    const double expected = std::strtod(text.c_str(), &end);
    const char* our_end = nullptr;
    bool too_large = false;
    const double v = READ_DOUBLE(text.c_str(), &our_end, &too_large);
    EXPECT_TRUE(bits(v) == bits(expected) || (std::isnan(v) && std::isnan(expected))) << text;
    EXPECT_EQ(our_end, end) << text;
    EXPECT_EQ(too_large, errno == ERANGE && std::isinf(expected)) << text;
  };
  std::mt19937_64 random(2026);
  char text[1024];
  for (int i = 0; i < 20000; ++i) {
    std::string s = random() % 2 ? "-" : "";
    const int n = 1 + static_cast<int>(random() % (i % 8 ? 30 : 900)), point = static_cast<int>(random() % (n + 1));
    for (int k = 0; k < n; ++k) s += std::string(k == point ? "." : "") + static_cast<char>('0' + random() % 10);
    check(s + "e" + std::to_string(static_cast<int>(random() % 660) - 345 - point));
  }
  for (int i = 0; i < 3000; ++i) {
    const std::uint64_t b = random() % 0x7FF0000000000000 >> (i % 4 ? 0 : 12);  // a quarter below normal
    double d;
    std::memcpy(&d, &b, sizeof d);
    if (i < 3) d = i == 0 ? 0 : i == 1 ? DBL_MAX : DBL_MIN;
    std::snprintf(text, sizeof text, "%.*g", static_cast<int>(1 + random() % 20), d);
    check(text);
    // The halfway point above d, exactly, in a long double.
    const long double up =
        d == DBL_MAX ? DBL_MAX + std::ldexp(1.0L, 970) : (static_cast<long double>(d) + std::nextafter(d, inf)) / 2;
    std::snprintf(text, sizeof text, "%.800Le", up);
    std::string halfway = text, mantissa = halfway.substr(0, halfway.find('e')),
                exponent = halfway.substr(mantissa.size());
    check(halfway);
    check(mantissa + "1" + exponent);
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.') mantissa.pop_back();  // 1e23 is one
    mantissa.back() = static_cast<char>(mantissa.back() - 1);
    check(mantissa + "999" + exponent);
  }
  const char alphabet[] = " +-.0123456789eExXpPaAfFinINtyY()_";
  for (int i = 0; i < 20000; ++i) {
    std::string s;
    for (int k = 1 + static_cast<int>(random() % 12); k > 0; --k) s += alphabet[random() % (sizeof alphabet - 1)];
    check(s);
  }
}
#endif

}  // namespace

// Written as glibc's printf writes %.*g: the hard cases (ties, carries into
// a new digit, the edges of the two notations, subnormals, signed zeros),
// then random doubles at every precision.
TEST(Decimal, WritesAsGlibcDoes) {
  const auto check = [](double value, int precision) {
    char ours[40], theirs[40];
    WRITE_DOUBLE(value, precision, ours, sizeof ours);
    std::snprintf(theirs, sizeof theirs, "%.*g", precision, value);
    ASSERT_STREQ(ours, theirs) << precision;
  };
  const double hard[] = {0.0,
                         -0.0,
                         0.5,
                         1.5,
                         2.5,
                         0.125,
                         0.375,
                         9.5,
                         99.5,
                         999.95,
                         9.9995,
                         1e-4,
                         9.99995e-5,
                         1e-5,
                         123456,
                         1234567,
                         1e16,
                         1e17,
                         0.1,
                         1.0 / 3,
                         5e-324,
                         2.2250738585072014e-308,
                         1.7976931348623157e308,
                         -300.5,
                         356.3549899531145,
                         1e300,
                         -1e-300,
                         100000,
                         0.30000000000000004};
  for (const double value : hard)
    for (int precision = 0; precision <= 17; ++precision) check(value, precision);
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t bits = random() % 0x7FF0000000000000 >> (i % 4 ? 0 : 12);
    if (i % 3 == 0) bits = (bits & 0xFFFFFFFFFFFFF) | (static_cast<std::uint64_t>(1010 + random() % 60) << 52);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    check(i % 2 ? -value : value, 1 + static_cast<int>(random() % 17));
  }
  char cut[4];
  WRITE_DOUBLE(123.456, 6, cut, sizeof cut);
  EXPECT_STREQ(cut, "123");
}
