#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/prime_factors.h"

// IsPrime and SmallestFactor keep the steps of trial division on doubles up to the branch on an
// odd round(n); only the loop is replaced. For an odd m = round(n) the loop over d = 3, 5, 7, ...
// while d <= sqrt(n) stops at the first d dividing m, which is the smallest prime factor of m,
// exactly when that factor is at most sqrt(n). For a whole n this means "m is composite"; for a
// non-whole n the bound uses the unrounded n, as the loop does. Every double from 2^53 up is a
// whole even number, so the odd branch only ever sees 0 < n < 2^53, where the rounded value fits
// in 64 bits and the remainders DMod computes are exact.

namespace modMain {

double DMod(double a, double b) {
  const double a1 = std::fabs(std::nearbyint(a));
  const double b1 = std::fabs(std::nearbyint(b));
  if (b1 == 0) throw std::domain_error("DMod: the divisor rounds to 0");
  // Below 2^53 the answer is the exact remainder, which fmod gives; the rounded quotient below
  // would lose it where q·b1 passes 2^53 (8479344679163016 by 3010031709154675).
  if (a1 < 0x1p53 && b1 < 0x1p53) return std::fmod(a1, b1);
  const double q = std::nearbyint(a1 / b1);
  double r = a1 - q * b1;
  if (r < 0) r += b1;
  return r;
}

bool IsPrime(double n) {
  if (DMod(n, 2) == 0) return n == 2;
  // Odd negative numbers, NaN (whose remainder is NaN) and +inf, where the loop would never end.
  if (!(n > 0) || std::isinf(n)) return false;
  const auto m = static_cast<std::uint64_t>(std::nearbyint(n));
  // A prime m exceeds sqrt(n), so the loop cannot stop at it.
  if (m == 1 || IsPrimeWhole(m)) return true;
  if (static_cast<double>(m) == n) return false;
  return !(static_cast<double>(SmallestPrimeFactor(m)) <= std::sqrt(n));
}

double SmallestFactor(double n) {
  if (n == 2) return 2;
  if (!(n > 2)) return 0;
  if (DMod(n, 2) == 0) return 2;
  // +inf has no smallest factor; the loop would never end.
  if (std::isinf(n)) return 0;
  const auto factor =
      static_cast<double>(SmallestPrimeFactor(static_cast<std::uint64_t>(std::nearbyint(n))));
  return factor <= std::sqrt(n) ? factor : n;
}

}  // namespace modMain
