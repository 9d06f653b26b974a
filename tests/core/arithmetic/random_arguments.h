#pragma once
// Arguments where trial division on doubles has its corners: whole and non-whole, negative,
// half-way values, the 2^31 and 2^32 boundaries, squares of primes with the square-root bound
// just above or below them, prime powers and products of two primes. Every argument is small
// enough, or has a small enough factor, that the textbook functions finish quickly.

#include <random>

namespace arithmetic_test {

class RandomArguments {
 public:
  // `limit` bounds the arguments whose textbook cost grows with their square root. With
  // `largeWithSmallFactor`, also numbers up to 2^53 with a small factor, where the textbook trial
  // division stops early; not for the divisor search, which always runs to the square root.
  RandomArguments(unsigned seed, double limit, bool largeWithSmallFactor = false)
      : rng_(seed), limit_(limit), largeWithSmallFactor_(largeWithSmallFactor) {}

  double Next();

 private:
  int Pick(int last) { return std::uniform_int_distribution<int>(0, last)(rng_); }
  double Uniform(double low, double high);
  double Prime(double low, double high);  // a prime, log-uniformly between the bounds
  double Offset();                        // 0 or a fraction that may change the rounding

  std::mt19937_64 rng_;
  double limit_;
  bool largeWithSmallFactor_;
};

}  // namespace arithmetic_test
