// Numbers read from text as C's strtod reads them in the "C" locale, and
// rounded as it rounds them (to the nearest double, ties to even), without
// the long doubles with which a C library may compute them: after white
// space and a sign, a decimal number ("12", "-0.5", ".5e-3"), a hexadecimal
// one ("0x1.8p3"), an infinity ("inf", "infinity") or a NaN ("nan",
// "nan(...)"), letters in either case.
#ifndef BELLSCOPE_APP_VIEW_DECIMAL_H
#define BELLSCOPE_APP_VIEW_DECIMAL_H

// The number at the start of `text`, with *end (when `end` is not null) just
// past it; 0, with *end at `text`, when no number starts there. A number
// beyond the largest double reads as an infinity with *too_large true (when
// `too_large` is not null; false otherwise); one too small for the smallest
// reads as a zero of its sign.
double READ_DOUBLE(const char* text, const char** end, bool* too_large);

#endif
