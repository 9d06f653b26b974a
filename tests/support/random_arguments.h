#pragma once
// Arguments where trial division on doubles has its corners: non-whole, negative and half-way
// values, the 2^31 and 2^32 boundaries, prime squares with the root bound just above or below,
// prime powers and semiprimes; each small enough, or with a small enough factor, to be quick.

#include <vector>

namespace arithmetic_test {

// `limit` bounds the arguments whose textbook cost grows with their square root. With
// `largeWithSmallFactor`, also numbers up to 2^53 with a small factor, where the textbook trial
// division stops early; not for the divisor search, which always runs to the square root.
std::vector<double> RandomArguments(unsigned seed, int count, double limit,
                                    bool largeWithSmallFactor = false);

}  // namespace arithmetic_test
