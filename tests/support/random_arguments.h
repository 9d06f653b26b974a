#pragma once
// Arguments where trial division on doubles has its corners: whole and non-whole, negative,
// half-way values, the 2^31 and 2^32 boundaries, squares of primes with the square-root bound
// just above or below them, prime powers and products of two primes. Every argument is small
// enough, or has a small enough factor, that the textbook functions finish quickly.

#include <vector>

namespace arithmetic_test {

// `limit` bounds the arguments whose textbook cost grows with their square root. With
// `largeWithSmallFactor`, also numbers up to 2^53 with a small factor, where the textbook trial
// division stops early; not for the divisor search, which always runs to the square root.
std::vector<double> RandomArguments(unsigned seed, int count, double limit,
                                    bool largeWithSmallFactor = false);

}  // namespace arithmetic_test
