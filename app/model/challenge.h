// Predict the product: rounds of curves whose product the student guesses
// before it is shown, and the score of a guess.
#ifndef BELLSCOPE_APP_CHALLENGE_H
#define BELLSCOPE_APP_CHALLENGE_H

#include <cstdint>

#include "gaussians.h"

enum { CHALLENGE_ROUNDS = 5 };

// Where every round's guess starts: the middle of the plot, a middling width.
extern const gaussian challenge_start_guess;

// Round `round` (1..CHALLENGE_ROUNDS) of challenge `seed`: two to four
// Gaussians on, whole-numbered, well inside the plot, whose point-by-point
// product peaks inside it, high enough to be seen. The same on every machine:
// the numbers come from a fixed integer generator. Gaussian 1 is selected;
// the combining mode and the names are left as they are.
void CHALLENGE_ROUND(std::uint32_t seed, int round, gaussian_set* set);

// How well a guess matches the product of the Gaussians on, from 0 to 100:
// the area the two bell curves have in common when each is drawn with an
// area of 1 (their overlapping coefficient: 1 for the same curve, 0 for
// curves that do not meet), times 100 and rounded. -1 when there is nothing to score: a guess whose
// sigma is not above 0, or no bell-shaped product (no Gaussian on, or one
// with sigma 0).
int GUESS_SCORE(const gaussian* guess, const gaussian_set* set);

#endif
