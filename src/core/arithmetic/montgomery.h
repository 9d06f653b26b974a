#pragma once
// Multiplication modulo an odd 64-bit number without a division: numbers are kept in Montgomery
// form x·2^64 mod n, and each product is reduced with two multiplications. The primality test and
// the factor search do almost all of their work here.

#include <cstdint>

namespace modMain {

// n^-1 mod 2^64 for an odd n. Newton's iteration doubles the correct low bits each time;
// n·n ≡ 1 mod 8 gives the first three.
constexpr std::uint64_t InverseMod2To64(std::uint64_t n) {
  std::uint64_t inverse = n;
  for (int i = 0; i < 5; ++i) inverse *= 2 - n * inverse;
  return inverse;
}

}  // namespace modMain

namespace modMain::montgomery {

__extension__ typedef unsigned __int128 Wide;

class Modulus {
 public:
  // n must be odd and above 1.
  explicit Modulus(std::uint64_t n) : n_(n), inverse_(InverseMod2To64(n)) {
    one_ = (0 - n) % n;
    rSquared_ = static_cast<std::uint64_t>(static_cast<Wide>(one_) * one_ % n);
  }

  std::uint64_t N() const { return n_; }
  std::uint64_t One() const { return one_; }
  std::uint64_t MinusOne() const { return n_ - one_; }

  std::uint64_t ToForm(std::uint64_t x) const { return Multiply(x % n_, rSquared_); }

  // Both factors below n; so is the product.
  std::uint64_t Multiply(std::uint64_t a, std::uint64_t b) const {
    const Wide t = static_cast<Wide>(a) * b;
    const std::uint64_t m = static_cast<std::uint64_t>(t) * inverse_;
    const std::uint64_t high = static_cast<std::uint64_t>(t >> 64);
    const std::uint64_t mn = static_cast<std::uint64_t>((static_cast<Wide>(m) * n_) >> 64);
    // t − m·n is a multiple of 2^64 in (−n·2^64, n·2^64): its high word, corrected into [0, n).
    return high >= mn ? high - mn : high - mn + n_;
  }

  // The same product, left in (0, 2n) without the final correction, which takes it off the chain
  // of dependent multiplications in the factor search. Valid when a·b < n·2^64: then the high word
  // of a·b is below n, and so is that of m·n.
  std::uint64_t MultiplyLoose(std::uint64_t a, std::uint64_t b) const {
    const Wide t = static_cast<Wide>(a) * b;
    const std::uint64_t m = static_cast<std::uint64_t>(t) * inverse_;
    const std::uint64_t high = static_cast<std::uint64_t>(t >> 64);
    const std::uint64_t mn = static_cast<std::uint64_t>((static_cast<Wide>(m) * n_) >> 64);
    return high + n_ - mn;
  }

  std::uint64_t Add(std::uint64_t a, std::uint64_t b) const {
    return a >= n_ - b ? a - (n_ - b) : a + b;
  }

  std::uint64_t Power(std::uint64_t base, std::uint64_t exponent) const {
    std::uint64_t result = one_;
    while (exponent != 0) {
      if (exponent & 1) result = Multiply(result, base);
      base = Multiply(base, base);
      exponent >>= 1;
    }
    return result;
  }

 private:
  std::uint64_t n_;
  std::uint64_t inverse_;  // n^-1 mod 2^64
  std::uint64_t one_;      // 2^64 mod n, the form of 1
  std::uint64_t rSquared_;
};

}  // namespace modMain::montgomery
