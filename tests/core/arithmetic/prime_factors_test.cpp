#include "core/arithmetic/prime_factors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

namespace {

using Factors = std::vector<std::uint64_t>;

// Plain trial division: the reference for numbers small enough.
Factors TrialDivisionFactors(std::uint64_t n) {
  Factors factors;
  for (std::uint64_t d = 2; d * d <= n; ++d)
    for (; n % d == 0; n /= d) factors.push_back(d);
  if (n > 1) factors.push_back(n);
  return factors;
}

// 3825123056546413051 is a strong pseudoprime to the bases 2 to 23, 561 a Carmichael number.
TEST(ArithPrimeFactors, KnownFactorizations) {
  std::vector<std::pair<std::uint64_t, Factors>> cases = {
      {0, {}}, {1, {}}, {2, {2}}, {561, {3, 11, 17}}, {360, {2, 2, 2, 3, 3, 5}}};
  cases.insert(
      cases.end(),
      {{1009ULL * 1009, {1009, 1009}},
       {999996483443777, {31622713, 31622729}},
       {999995092044601, {31622699, 31622699}},
       {866421317361600, {2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 5, 5, 7, 11, 13, 17, 19, 23, 29, 31}},
       {9007199254740991, {6361, 69431, 20394401}},
       {1ULL << 63, Factors(63, 2)},
       {3825123056546413051, {149491, 747451, 34233211}},
       {18446744073709551557ULL, {18446744073709551557ULL}},  // the largest 64-bit prime
       {4294967291ULL * 4294967279ULL, {4294967279ULL, 4294967291ULL}},
       {18446744073709551615ULL, {3, 5, 17, 257, 641, 65537, 6700417}}});
  for (const auto& [n, factors] : cases) {
    EXPECT_EQ(modMain::PrimeFactors(n), factors) << n;
    EXPECT_EQ(modMain::IsPrimeWhole(n), factors.size() == 1) << n;
    if (n > 1) {
      EXPECT_EQ(modMain::SmallestPrimeFactor(n), factors.front()) << n;
    }
  }
}

// Random numbers of up to 36 bits against trial division, then products of two random primes of
// 11 to 53 bits.
TEST(ArithPrimeFactors, RandomNumbersSplitExactly) {
  std::mt19937_64 rng(5);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t n = rng() >> (64 - std::uniform_int_distribution<int>(1, 36)(rng));
    ASSERT_EQ(modMain::PrimeFactors(n), TrialDivisionFactors(n)) << n;
  }
  rng.seed(6);
  auto randomPrime = [&rng](int bits) {
    std::uint64_t p = (rng() >> (64 - bits)) | (1ULL << (bits - 1)) | 1;
    while (!modMain::IsPrimeWhole(p)) p += 2;
    return p;
  };
  for (int i = 0; i < 300; ++i) {
    const int bits = std::uniform_int_distribution<int>(11, 32)(rng);
    Factors factors{randomPrime(bits), randomPrime(64 - bits - 1)};
    std::sort(factors.begin(), factors.end());
    EXPECT_EQ(modMain::PrimeFactors(factors[0] * factors[1]), factors);
  }
}

// Every divisor of a multiple, and numbers that divide it not, or not as often.
TEST(ArithPrimeFactors, ADivisorsFactorsComeFromItsMultiples) {
  for (const std::uint64_t multiple : {360ULL, 999996483443777ULL, 866421317361600ULL}) {
    const Factors factors = modMain::PrimeFactors(multiple);
    for (std::uint64_t d = 1; d * d <= multiple; ++d) {
      if (multiple % d != 0) continue;
      for (const std::uint64_t divisor : {d, multiple / d}) {
        ASSERT_EQ(modMain::PrimeFactorsOfDivisor(divisor, factors), modMain::PrimeFactors(divisor))
            << divisor << " of " << multiple;
      }
    }
    for (const std::uint64_t other : {0ULL, 7ULL * 31622713, 16ULL * 81 * 25, 1ULL << 63}) {
      EXPECT_EQ(modMain::PrimeFactorsOfDivisor(other, factors), modMain::PrimeFactors(other))
          << other << " of " << multiple;
    }
  }
}

}  // namespace
