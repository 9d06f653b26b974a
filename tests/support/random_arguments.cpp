#include "support/random_arguments.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iterator>
#include <random>

#include "core/arithmetic/prime_factors.h"

namespace arithmetic_test {

std::vector<double> RandomArguments(unsigned seed, int count, double limit,
                                    bool largeWithSmallFactor) {
  std::mt19937_64 rng(seed);
  const auto pick = [&](int last) { return std::uniform_int_distribution<int>(0, last)(rng); };
  const auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(rng);
  };
  const auto prime = [&](double low, double high) {  // log-uniformly between the bounds
    auto p = static_cast<std::uint64_t>(std::exp(uniform(std::log(low), std::log(high))));
    while (!modMain::IsPrimeWhole(p)) ++p;
    return static_cast<double>(p);
  };
  // 0 or a fraction that may change the rounding.
  static constexpr double kOffsets[] = {0, 0, 0, 0.5, -0.5, 0.4, -0.4, 0.25, -0.3, 0.7};
  const auto offset = [&] { return kOffsets[pick(std::size(kOffsets) - 1)]; };
  // Offsets that cannot move the rounding to a neighbour without the small factor.
  static constexpr double kSmallOffsets[] = {0, 0.25, -0.25, 0.375, -0.375};
  const std::function<double()> kinds[] = {
      [&] { return std::floor(uniform(0, 1000)) + offset(); },
      [&] { return std::floor(uniform(0, limit)); },
      [&] { return uniform(-10, limit); },
      [&] { return -std::floor(uniform(0, limit)) + offset(); },
      [&] {
        return std::min(limit, std::ldexp(1.0, 31 + pick(1)) + std::floor(uniform(-64, 64))) +
               offset();
      },
      [&] { return std::pow(prime(3, std::sqrt(limit)), 2) + offset(); },
      [&] {
        const double p = prime(2, 50);
        double power = p;
        for (int i = pick(39); i > 0 && power * p <= limit; --i) power *= p;
        return power + offset();
      },
      [&] {
        const double p = prime(3, std::sqrt(limit));
        return p * prime(p, limit / p) + offset();
      },
      [&] {
        const double factor = std::floor(uniform(2, 1000));
        const double n = factor * std::floor(uniform(1, 0x1p53 / factor));
        return n >= 0x1p50 ? n : n + kSmallOffsets[pick(4)];
      }};
  const auto next = [&] { return kinds[pick(largeWithSmallFactor ? 8 : 7)](); };
  std::vector<double> arguments(count);
  std::generate(arguments.begin(), arguments.end(), next);
  return arguments;
}

}  // namespace arithmetic_test
