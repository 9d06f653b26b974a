#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <stdexcept>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/random_arguments.h"
#include "core/arithmetic/textbook.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct DModCase {
  double a, b, remainder;
};

TEST(ArithDMod, RemainderOfRoundedMagnitudes) {
  const DModCase cases[] = {{7, 4, 3},
                            {6, 4, 2},
                            {10, 4, 2},
                            {14, 4, 2},
                            {12, 4, 0},
                            {-7, 4, 3},
                            {7, -4, 3},
                            {-7, -4, 3},
                            {0, 5, 0},
                            {7.6, 2, 0},
                            {2.5, 2, 0},
                            {3.5, 2, 0},
                            {3, 2, 1},
                            {0.5, 3, 0},
                            {-2.5, 3, 2},
                            {7, 2.5, 1},
                            {7, 0.6, 0},
                            {0x1p53 - 1, 2, 1},
                            {0x1p53 - 1, 0x1p52 + 1, 0x1p52 - 2},
                            {1e15, 7, 6.0},
                            {-1e15, -3, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "DMod(" << c.a << ", " << c.b << ")");
    EXPECT_EQ(modMain::DMod(c.a, c.b), c.remainder);
    EXPECT_EQ(textbook::DMod(c.a, c.b), c.remainder);
  }
}

TEST(ArithDMod, DivisorRoundingToZeroThrows) {
  for (const double b : {0.0, -0.0, 0.5, -0.5, 0.4}) {
    EXPECT_THROW(modMain::DMod(7, b), std::domain_error) << b;
  }
}

TEST(ArithDMod, NotANumberStaysNotANumber) {
  EXPECT_TRUE(std::isnan(modMain::DMod(kNaN, 3)));
  EXPECT_TRUE(std::isnan(modMain::DMod(kInf, 3)));
}

struct NumberCase {
  double n;
  bool prime;
  double smallestFactor;
};

TEST(ArithPrime, WorkedValuesAndCorners) {
  const NumberCase cases[] = {
      {0, false, 0},
      {1, true, 0},
      {2, true, 2},
      {3, true, 3},
      {4, false, 2},
      {9, false, 3},
      {12, false, 2},
      {15, false, 3},
      {25, false, 5},
      {49, false, 7},
      {91, false, 7},
      {97, true, 97},
      {-1, false, 0},
      {-2, false, 0},
      {-7, false, 0},
      {-9, false, 0},
      {-0.0, false, 0},
      // Rounded inside DMod, but the square-root bound and the returned n are not rounded.
      {0.4, false, 0},
      {0.6, true, 0},
      {1.5, false, 0},
      {2.4, false, 2},
      {2.5, false, 2},
      {2.6, true, 2.6},
      {3.5, false, 2},
      {8.6, true, 8.6},
      {9.4, false, 3},
      {9.5, false, 2},
      {10.5, false, 2},
      {24.6, true, 24.6},
      {25.4, false, 5},
      {25.5, false, 2},
      {35.2, false, 5},
      {96.6, true, 96.6},
      // Large whole numbers: a 15-digit prime, products of two primes near its square root.
      {999999999999989, true, 999999999999989},
      {999996483443777, false, 31622713},
      {999995092044601, false, 31622699},
      {999995092044600.625, true, 999995092044600.625},
      {0x1p49, false, 2},
      {999999999999999, false, 3},
      {9007199254740881, true, 9007199254740881},
      {9007199254740991, false, 6361},
      // Every double from 2^53 up is even.
      {0x1p53, false, 2},
      {0x1p53 + 2, false, 2},
      {1e300, false, 2},
      // Not numbers: trial division would loop for ever on +inf and call NaN prime.
      {kInf, false, 0},
      {-kInf, false, 0},
      {kNaN, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::setprecision(17) << "n = " << c.n);
    EXPECT_EQ(modMain::IsPrime(c.n), c.prime);
    EXPECT_EQ(modMain::SmallestFactor(c.n), c.smallestFactor);
  }
}

void ExpectSameAsTextbook(double n) {
  SCOPED_TRACE(testing::Message() << std::setprecision(17) << "n = " << n);
  EXPECT_EQ(modMain::IsPrime(n), textbook::IsPrime(n));
  EXPECT_EQ(modMain::SmallestFactor(n), textbook::SmallestFactor(n));
}

TEST(ArithPrime, RandomArgumentsMatchTextbook) {
  arithmetic_test::RandomArguments arguments(20240611, 0x1p32 + 64);
  arguments.AllowLargeWithSmallFactor();
  for (int i = 0; i < 100000 && !HasFailure(); ++i) {
    const double n = arguments.Next();
    ExpectSameAsTextbook(n);
    const double divisor = std::fabs(arguments.Next()) + 1;
    EXPECT_EQ(modMain::DMod(n, divisor), textbook::DMod(n, divisor)) << n << " " << divisor;
  }
}

TEST(ArithPrime, LargePrimesAndSemiprimesMatchTextbook) {
  const double cases[] = {1000000000039, 10000000000037,  100000000000031, 999999999999989,
                          999985999949,  100000099999829, 999996483443777, 999995092044601 - 0.375};
  for (const double n : cases) ExpectSameAsTextbook(n);
}

}  // namespace
