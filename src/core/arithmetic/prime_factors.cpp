#include "core/arithmetic/prime_factors.h"

#include <algorithm>
#include <bit>

#include "core/arithmetic/miller_rabin.h"
#include "core/arithmetic/pollard_rho.h"
#include "core/arithmetic/small_primes.h"

namespace modMain {
namespace {

using small_primes::kBound;
using small_primes::kOddPrimes;

// Below this, a number without a prime factor under kBound is itself prime.
constexpr std::uint64_t kNoSmallFactorMeansPrime = kBound * kBound;

// The smallest odd prime below kBound that divides the odd n, or 0 when there is none.
std::uint64_t SmallOddFactor(std::uint64_t n) {
  for (const auto& p : kOddPrimes) {
    if (p.Divides(n)) return p.prime;
  }
  return 0;
}

// For an odd n above 1 without a prime factor below kBound.
bool HasNoSmallFactorAndIsPrime(std::uint64_t n) {
  return n < kNoSmallFactorMeansPrime || detail::PassesMillerRabin(n);
}

// Appends the prime factors of an odd n above 1 that has no prime factor below kBound.
void AppendLargePrimeFactors(std::uint64_t n, std::vector<std::uint64_t>& factors) {
  if (HasNoSmallFactorAndIsPrime(n)) {
    factors.push_back(n);
    return;
  }
  const std::uint64_t factor = detail::FindFactor(n);
  AppendLargePrimeFactors(factor, factors);
  AppendLargePrimeFactors(n / factor, factors);
}

}  // namespace

bool IsPrimeWhole(std::uint64_t n) {
  if (n < 2) return false;
  if (n % 2 == 0) return n == 2;
  if (const std::uint64_t p = SmallOddFactor(n); p != 0) return n == p;
  return HasNoSmallFactorAndIsPrime(n);
}

std::uint64_t SmallestPrimeFactor(std::uint64_t n) {
  if (n % 2 == 0) return 2;
  if (const std::uint64_t p = SmallOddFactor(n); p != 0) return p;
  if (HasNoSmallFactorAndIsPrime(n)) return n;
  std::vector<std::uint64_t> factors;
  AppendLargePrimeFactors(n, factors);
  return *std::min_element(factors.begin(), factors.end());
}

std::vector<std::uint64_t> PrimeFactors(std::uint64_t n) {
  std::vector<std::uint64_t> factors;
  if (n < 2) return factors;
  const int twos = std::countr_zero(n);
  factors.assign(static_cast<std::size_t>(twos), 2);
  n >>= twos;
  for (const auto& p : kOddPrimes) {
    while (p.Divides(n)) {
      factors.push_back(p.prime);
      n *= p.inverse;  // exact division, since p divides n
    }
  }
  if (n == 1) return factors;
  const std::size_t firstLarge = factors.size();
  AppendLargePrimeFactors(n, factors);
  std::sort(factors.begin() + static_cast<std::ptrdiff_t>(firstLarge), factors.end());
  return factors;
}

std::vector<std::uint64_t> PrimeFactorsOfDivisor(std::uint64_t d,
                                                 const std::vector<std::uint64_t>& multipleFactors) {
  std::vector<std::uint64_t> factors;
  std::uint64_t rest = d;
  for (const std::uint64_t p : multipleFactors) {
    if (rest % p == 0) {
      factors.push_back(p);
      rest /= p;
    }
  }
  return rest == 1 ? factors : PrimeFactors(d);
}

}  // namespace modMain
