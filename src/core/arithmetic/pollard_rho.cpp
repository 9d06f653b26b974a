#include "core/arithmetic/pollard_rho.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "core/arithmetic/montgomery.h"

namespace modMain::detail {
namespace {

// Differences are multiplied together and tested with one gcd per batch; a batch that overshoots
// is walked again step by step.
constexpr std::uint64_t kBatch = 128;

// Walks with different constants run in lockstep. Each walk is a chain of dependent
// multiplications that leaves the multiplier idle most of the time; interleaved walks fill it, and
// the search ends with the first walk to succeed, which cuts the long tail of unlucky walks. Three
// measured fastest: a fourth saturates the multiplier.
constexpr int kWalks = 3;

// Arithmetic in (0, 3n) rather than [0, n), for n below 2^62: squares of such numbers stay below
// n·2^64, and adding c needs no correction either.
class LooseArithmetic {
 public:
  static constexpr std::uint64_t kLimit = std::uint64_t{1} << 62;

  explicit LooseArithmetic(const montgomery::Modulus& mod) : mod_(mod) {}
  std::uint64_t Step(std::uint64_t v, std::uint64_t c) const {
    return mod_.MultiplyLoose(v, v) + c;
  }
  std::uint64_t Multiply(std::uint64_t a, std::uint64_t b) const {
    return mod_.MultiplyLoose(a, b);
  }

 private:
  const montgomery::Modulus& mod_;
};

class ExactArithmetic {
 public:
  explicit ExactArithmetic(const montgomery::Modulus& mod) : mod_(mod) {}
  std::uint64_t Step(std::uint64_t v, std::uint64_t c) const {
    return mod_.Add(mod_.Multiply(v, v), c);
  }
  std::uint64_t Multiply(std::uint64_t a, std::uint64_t b) const { return mod_.Multiply(a, b); }

 private:
  const montgomery::Modulus& mod_;
};

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

// One walk x → x² + c. Numbers are congruent mod n to their canonical forms, which is all a gcd
// with n sees; two equal forms may differ by a multiple of n, which reads as a gcd of n.
struct Walk {
  std::uint64_t c;
  std::uint64_t x;  // held fixed while y moves on
  std::uint64_t y;
  std::uint64_t saved;    // y at the start of the current batch
  std::uint64_t product;  // of the differences x − y so far
};

// Steps the walk from its saved point until the difference has a common factor with n; 0 when that
// factor is n itself.
template <class Arithmetic>
std::uint64_t WalkAgain(const Arithmetic& arithmetic, std::uint64_t n, Walk& w) {
  std::uint64_t g = 1;
  do {
    w.saved = arithmetic.Step(w.saved, w.c);
    g = Gcd(Distance(w.x, w.saved), n);
  } while (g == 1);
  return g == n ? 0 : g;
}

// Brent's cycle search on kWalks walks at once: x is fixed at the end of each round's first half,
// and y is compared with it through the second half, round lengths doubling. 0 when every walk
// closes on n itself.
template <class Arithmetic>
std::uint64_t BrentWalks(const montgomery::Modulus& mod, std::uint64_t firstC) {
  const Arithmetic arithmetic(mod);
  const std::uint64_t n = mod.N();
  std::array<Walk, kWalks> walks;
  for (int k = 0; k < kWalks; ++k) {
    walks[k] = {firstC + k, mod.One(), mod.One(), mod.One(), mod.One()};
  }
  std::uint64_t g = 1;
  for (std::uint64_t length = 1; g == 1; length *= 2) {
    for (Walk& w : walks) w.x = w.y;
    for (std::uint64_t i = 0; i < length; ++i) {
      for (Walk& w : walks) w.y = arithmetic.Step(w.y, w.c);
    }
    for (std::uint64_t done = 0; done < length && g == 1; done += kBatch) {
      for (Walk& w : walks) w.saved = w.y;
      const std::uint64_t count = std::min(kBatch, length - done);
      for (std::uint64_t i = 0; i < count; ++i) {
        for (Walk& w : walks) {
          w.y = arithmetic.Step(w.y, w.c);
          w.product = arithmetic.Multiply(w.product, Distance(w.x, w.y));
        }
      }
      std::uint64_t all = walks[0].product;
      for (int k = 1; k < kWalks; ++k) all = arithmetic.Multiply(all, walks[k].product);
      g = Gcd(all, n);
    }
  }
  if (g != n) return g;
  // Several walks met in the same batch, or one met on both factors of n at once.
  for (Walk& w : walks) {
    g = Gcd(w.product, n);
    if (g != 1 && g != n) return g;
    if (g == n) {
      if (const std::uint64_t factor = WalkAgain(arithmetic, n, w); factor != 0) return factor;
    }
  }
  return 0;
}

}  // namespace

std::uint64_t FindFactor(std::uint64_t n) {
  const montgomery::Modulus mod(n);
  for (std::uint64_t c = 1;; c += kWalks) {
    const std::uint64_t factor = n < LooseArithmetic::kLimit ? BrentWalks<LooseArithmetic>(mod, c)
                                                             : BrentWalks<ExactArithmetic>(mod, c);
    if (factor != 0) return factor;
  }
}

}  // namespace modMain::detail
