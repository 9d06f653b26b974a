#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <stdexcept>

#include "core/arithmetic/arithmetic.h"
#include "support/random_arguments.h"
#include "support/textbook.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ArithDMod, RemainderOfMagnitudesRoundedHalvesToEven) {
  using Case = std::tuple<double, double, double>;  // a, b, remainder
  std::vector<Case> cases = {{7, 4, 3},   {-7, 4, 3},  {7, -4, 3},  {-7, -4, 3}, {0, 5, 0},
                             {7.6, 2, 0}, {2.5, 2, 0}, {3.5, 2, 0}, {0.5, 3, 0}, {-2.5, 3, 2},
                             {7, 2.5, 1}, {7, 0.6, 0}, {1e15, 7, 6}};
  cases.insert(cases.end(), {{0x1p53 - 1, 0x1p52 + 1, 0x1p52 - 2},
                             {8479344679163016, 3010031709154675, 2459281260853666}});
  for (const auto& [a, b, remainder] : cases)
    EXPECT_EQ(modMain::DMod(a, b), remainder) << a << " " << b;
  for (const double b : {0.0, -0.0, 0.5, -0.5, 0.4})
    EXPECT_THROW(modMain::DMod(7, b), std::domain_error) << b;
}

void ExpectPrime(double n, bool prime, double smallestFactor) {
  SCOPED_TRACE(testing::Message() << std::setprecision(17) << "n = " << n);
  EXPECT_EQ(modMain::IsPrime(n), prime);
  EXPECT_EQ(modMain::SmallestFactor(n), smallestFactor);
}

// A non-whole n is rounded inside DMod, but the square-root bound and the returned n are not.
TEST(ArithPrime, WorkedExamples) {
  for (const double n : {2.0, 3.0, 97.0, 2.6, 24.6, 999999999999989.0, 999995092044600.625})
    ExpectPrime(n, true, n);
  for (const double n : {1.0, 0.6}) ExpectPrime(n, true, 0);
  // Trial division would loop for ever on +inf and call NaN prime.
  for (const double n : {0.0, -0.0, -2.0, -7.0, -9.0, 1.5, kInf, -kInf, std::nan("")})
    ExpectPrime(n, false, 0);
  for (const double p : {2.0, 3.0, 5.0, 7.0, 31622699.0}) ExpectPrime(p * p, false, p);
  // Non-whole numbers near squares, and every double from 2^53 up, which is even.
  const std::pair<double, double> composites[] = {
      {91, 7},   {2.5, 2},           {9.4, 3},        {9.5, 2},   {25.4, 5},
      {35.2, 5}, {0x1p53 - 1, 6361}, {0x1p53 + 2, 2}, {1e300, 2}, {999996483443777, 31622713}};
  for (const auto& [n, factor] : composites) ExpectPrime(n, false, factor);
}

// Random arguments, then large primes and semiprimes; each is followed by a divisor for DMod.
TEST(ArithPrime, RandomArgumentsMatchTextbook) {
  std::vector<double> arguments =
      arithmetic_test::RandomArguments(20240611, 200000, 0x1p32 + 64, true);
  arguments.insert(arguments.end(),
                   {1000000000039.0, 2, 10000000000037.0, 5, 100000000000031.0, 6.5,
                    999999999999989.0, 1e6, 999985999949.0, 999983, 100000099999829.0, 2.5,
                    999996483443777.0, 31622712, 999995092044601 - 0.375, 31622698});
  for (size_t i = 0; i < arguments.size(); i += 2) {
    const double n = arguments[i];
    ExpectPrime(n, textbook::IsPrime(n), textbook::SmallestFactor(n));
    const double divisor = std::fabs(arguments[i + 1]) + 1;
    // fmod is exact, so the remainder of the rounded magnitudes is known without DMod's steps.
    const double remainder = std::fmod(std::fabs(std::nearbyint(n)), std::nearbyint(divisor));
    EXPECT_EQ(modMain::DMod(n, divisor), remainder) << std::setprecision(17) << n << " " << divisor;
    if (HasFailure()) return;
  }
}

}  // namespace
