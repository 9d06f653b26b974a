#pragma once
// The odd primes below 1000, each with what tests divisibility by it in one multiplication: n is a
// multiple of an odd p exactly when n·p^-1 mod 2^64 is at most (2^64 − 1) / p.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "core/arithmetic/montgomery.h"

namespace modMain::small_primes {

constexpr std::uint64_t kBound = 1000;

struct Divisor {
  std::uint64_t prime;
  std::uint64_t inverse;  // prime^-1 mod 2^64
  std::uint64_t limit;    // (2^64 − 1) / prime

  constexpr bool Divides(std::uint64_t n) const { return n * inverse <= limit; }
};

namespace detail {

constexpr bool IsOddPrime(std::uint64_t p) {
  for (std::uint64_t d = 3; d * d <= p; d += 2) {
    if (p % d == 0) return false;
  }
  return p % 2 == 1 && p > 1;
}

constexpr std::size_t CountOddPrimes() {
  std::size_t count = 0;
  for (std::uint64_t p = 3; p < kBound; p += 2) count += IsOddPrime(p);
  return count;
}

constexpr auto MakeTable() {
  std::array<Divisor, CountOddPrimes()> table{};
  std::size_t k = 0;
  for (std::uint64_t p = 3; p < kBound; p += 2) {
    if (!IsOddPrime(p)) continue;
    table[k++] = {p, InverseMod2To64(p), std::numeric_limits<std::uint64_t>::max() / p};
  }
  return table;
}

}  // namespace detail

inline constexpr auto kOddPrimes = detail::MakeTable();

}  // namespace modMain::small_primes
