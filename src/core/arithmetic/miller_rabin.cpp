#include "core/arithmetic/miller_rabin.h"

#include <array>
#include <bit>

#include "core/arithmetic/montgomery.h"

namespace modMain::detail {

bool PassesMillerRabin(std::uint64_t n) {
  static constexpr std::array<std::uint64_t, 12> kBases = {2,  3,  5,  7,  11, 13,
                                                           17, 19, 23, 29, 31, 37};
  const montgomery::Modulus mod(n);
  const int twos = std::countr_zero(n - 1);
  const std::uint64_t odd = (n - 1) >> twos;
  for (const std::uint64_t base : kBases) {
    std::uint64_t x = mod.Power(mod.ToForm(base), odd);
    if (x == mod.One() || x == mod.MinusOne()) continue;
    int squarings = 1;
    for (; squarings < twos && x != mod.MinusOne(); ++squarings) x = mod.Multiply(x, x);
    if (x != mod.MinusOne()) return false;
  }
  return true;
}

}  // namespace modMain::detail
