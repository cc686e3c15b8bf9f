// Numbers read from text as C's strtod reads them in the "C" locale, and
// rounded as it rounds them (to the nearest double, ties to even), without
// the long doubles with which a C library may compute them: after white
// space and a sign, a decimal number ("12", "-0.5", ".5e-3"), a hexadecimal
// one ("0x1.8p3"), an infinity ("inf", "infinity") or a NaN ("nan",
// "nan(...)"), letters in either case. And written as C's printf writes
// them with %.*g, from their exact value: so that the web program carries
// no floating-point printf (the largest part of the C library's printf).
#ifndef BELLSCOPE_APP_VIEW_DECIMAL_H
#define BELLSCOPE_APP_VIEW_DECIMAL_H

#include <cstddef>

// The number at the start of `text`, with *end (when `end` is not null) just
// past it; 0, with *end at `text`, when no number starts there. A number
// beyond the largest double reads as an infinity with *too_large true (when
// `too_large` is not null; false otherwise); one too small for the smallest
// reads as a zero of its sign.
double READ_DOUBLE(const char* text, const char** end, bool* too_large);

// `value` as printf("%.*g", precision, value) writes it (precision 0 as 1,
// at most 17), cut to `size` bytes as snprintf cuts it; "inf", "-inf" and
// "nan" for those that are not finite.
void WRITE_DOUBLE(double value, int precision, char* text, std::size_t size);

#endif
