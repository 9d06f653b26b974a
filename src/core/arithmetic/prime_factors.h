#pragma once
// Exact primality and factorization of 64-bit whole numbers, fast for every value: trial
// division by the primes below 1000, a Miller–Rabin test with bases that decide every 64-bit
// number, and Pollard's rho in Brent's form for the factors that trial division leaves.

#include <cstdint>
#include <vector>

namespace modMain {

// Whether n is prime; 0 and 1 are not.
bool IsPrimeWhole(std::uint64_t n);

// The smallest prime factor of n, which must be at least 2; n itself when it is prime.
std::uint64_t SmallestPrimeFactor(std::uint64_t n);

// The prime factors of n, ascending, each as often as it divides n (360 gives 2 2 2 3 3 5); empty
// for 0 and 1.
std::vector<std::uint64_t> PrimeFactors(std::uint64_t n);

// PrimeFactors(d), taken from `multipleFactors`, the prime factors of a multiple of d as
// PrimeFactors gives them, without factoring again; factored afresh when d does not divide it.
std::vector<std::uint64_t> PrimeFactorsOfDivisor(std::uint64_t d,
                                                 const std::vector<std::uint64_t>& multipleFactors);

}  // namespace modMain
