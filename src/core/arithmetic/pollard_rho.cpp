#include "core/arithmetic/pollard_rho.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "core/arithmetic/montgomery.h"

namespace modMain::detail {
namespace {

// Differences are multiplied together and tested with one gcd per batch; a batch that overshoots
// is walked again step by step.
constexpr std::uint64_t kBatch = 128;

std::uint64_t Gcd(std::uint64_t a, std::uint64_t b) {
  if (a == 0) return b;
  if (b == 0) return a;
  const int shift = std::countr_zero(a | b);
  a >>= std::countr_zero(a);
  do {
    b >>= std::countr_zero(b);
    if (a > b) std::swap(a, b);
    b -= a;
  } while (b != 0);
  return a << shift;
}

std::uint64_t Distance(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; }

// Brent's cycle search on x → x² + c mod n; 0 when the walk closes on n itself.
std::uint64_t BrentWalk(const montgomery::Modulus& mod, std::uint64_t c) {
  const std::uint64_t n = mod.N();
  auto step = [&mod, c](std::uint64_t v) { return mod.Add(mod.Multiply(v, v), c); };
  std::uint64_t y = mod.One();
  std::uint64_t x = y;
  std::uint64_t saved = y;
  std::uint64_t product = mod.One();
  std::uint64_t g = 1;
  for (std::uint64_t length = 1; g == 1; length *= 2) {
    x = y;
    for (std::uint64_t i = 0; i < length; ++i) y = step(y);
    for (std::uint64_t done = 0; done < length && g == 1; done += kBatch) {
      saved = y;
      const std::uint64_t count = std::min(kBatch, length - done);
      for (std::uint64_t i = 0; i < count; ++i) {
        y = step(y);
        product = mod.Multiply(product, Distance(x, y));
      }
      g = Gcd(product, n);
    }
  }
  if (g == n) {
    do {
      saved = step(saved);
      g = Gcd(Distance(x, saved), n);
    } while (g == 1);
  }
  return g == n ? 0 : g;
}

}  // namespace

std::uint64_t FindFactor(std::uint64_t n) {
  const montgomery::Modulus mod(n);
  for (std::uint64_t c = 1;; ++c) {
    if (const std::uint64_t factor = BrentWalk(mod, c); factor != 0) return factor;
  }
}

}  // namespace modMain::detail
