#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <stdexcept>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/random_arguments.h"
#include "core/arithmetic/textbook.h"

namespace {

struct DivisorCase {
  double n;
  const char* divisors;
};

TEST(ArithDivisorList, WorkedValuesAndCorners) {
  const DivisorCase cases[] = {
      {12, "1 2 3 4 6 12"},
      {16, "1 2 4 8 16"},
      {36, "1 2 3 4 6 9 12 18 36"},
      {2, "1 2"},
      {97, "1 97"},
      {999999999999989, "1 999999999999989"},
      {999996483443777, "1 31622713 31622729 999996483443777"},
      {0x1p53 - 1, "1 6361 69431 20394401 441650591 129728784761 1416003655831 9007199254740991"},
      {1, "1"},
      {0, "0"},
      {-6, "-6"},
      {-0.0, "0"},
      {0.5, "0.5"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
      {std::numeric_limits<double>::quiet_NaN(), "nan"},
      // A non-whole n pairs each divisor of round(n) up to sqrt(n) with n divided by it.
      {1.5, "1 1.5"},
      {6.2, "1 2 3.1 6.2"},
      {12.5, "1 2 3 4.166666666666667 6.25 12.5"},
      {35.7, "1 2 3 4 8.925 11.9 17.85 35.7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::setprecision(17) << "n = " << c.n);
    EXPECT_EQ(modMain::DivisorList(c.n).toStdString(), c.divisors);
  }
}

TEST(ArithDivisorList, HighlyCompositeNumbersListEveryDivisorOnce) {
  struct Count {
    double n;
    qsizetype divisors;
  };
  for (const auto& [n, count] :
       {Count{735134400, 1344}, Count{222622144044300, 13824}, Count{866421317361600, 26880}}) {
    const QStringList items = modMain::DivisorList(n).split(' ');
    ASSERT_EQ(items.size(), count) << n;
    double previous = 0;
    for (const QString& item : items) {
      const double d = item.toDouble();
      EXPECT_GT(d, previous);
      EXPECT_EQ(std::fmod(n, d), 0) << item.toStdString();
      previous = d;
    }
  }
}

TEST(ArithDivisorList, FromTwoToThe53UpThrows) {
  for (const double n : {0x1p53, 1e300, std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(modMain::DivisorList(n), std::domain_error) << n;
  }
}

TEST(ArithDivisorList, RandomArgumentsMatchTextbook) {
  arithmetic_test::RandomArguments arguments(7, 2e6);
  for (int i = 0; i < 2000 && !HasFailure(); ++i) {
    const double n = arguments.Next();
    EXPECT_EQ(modMain::DivisorList(n).toStdString(), textbook::DivisorList(n).toStdString())
        << std::setprecision(17) << n;
  }
  for (const double n : {720720.0, 720720.5, 720720.4, 3603600.0, 999985999949.0}) {
    EXPECT_EQ(modMain::DivisorList(n).toStdString(), textbook::DivisorList(n).toStdString())
        << std::setprecision(17) << n;
  }
}

}  // namespace
