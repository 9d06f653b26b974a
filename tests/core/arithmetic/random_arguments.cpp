#include "core/arithmetic/random_arguments.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "core/arithmetic/prime_factors.h"

namespace arithmetic_test {

double RandomArguments::Uniform(double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(rng_);
}

double RandomArguments::Prime(double low, double high) {
  auto p = static_cast<std::uint64_t>(std::exp(Uniform(std::log(low), std::log(high))));
  while (!modMain::IsPrimeWhole(p)) ++p;
  return static_cast<double>(p);
}

double RandomArguments::Offset() {
  static constexpr double kOffsets[] = {0, 0, 0, 0.5, -0.5, 0.4, -0.4, 0.25, -0.3, 0.7};
  return kOffsets[Pick(std::size(kOffsets) - 1)];
}

double RandomArguments::Next() {
  const double root = std::sqrt(limit_);
  switch (Pick(largeWithSmallFactor_ ? 8 : 7)) {
    case 0:
      return std::floor(Uniform(0, 1000)) + Offset();
    case 1:
      return std::floor(Uniform(0, limit_));
    case 2:
      return Uniform(-10, limit_);
    case 3:
      return -std::floor(Uniform(0, limit_)) + Offset();
    case 4: {
      const double boundary = std::ldexp(1.0, 31 + Pick(1));
      return std::min(limit_, boundary + std::floor(Uniform(-64, 64))) + Offset();
    }
    case 5: {
      const double p = Prime(3, root);
      return p * p + Offset();
    }
    case 6: {
      const double p = Prime(2, 50);
      double power = p;
      const int exponent = 1 + Pick(39);
      for (int i = 1; i < exponent && power * p <= limit_; ++i) power *= p;
      return power + Offset();
    }
    case 7: {
      const double p = Prime(3, root);
      return p * Prime(p, limit_ / p) + Offset();
    }
    default: {
      // Offsets that cannot move the rounding to a neighbour without the small factor.
      static constexpr double kSmallOffsets[] = {0, 0.25, -0.25, 0.375, -0.375};
      const double factor = std::floor(Uniform(2, 1000));
      const double n = factor * std::floor(Uniform(1, 0x1p53 / factor));
      if (n >= 0x1p50) return n;
      return n + kSmallOffsets[Pick(4)];
    }
  }
}

}  // namespace arithmetic_test
