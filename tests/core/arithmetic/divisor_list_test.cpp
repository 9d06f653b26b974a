#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <stdexcept>

#include "core/arithmetic/arithmetic.h"
#include "support/random_arguments.h"
#include "support/textbook.h"

namespace {

// A non-whole n pairs each divisor of round(n) up to sqrt(n) with n divided by it.
TEST(ArithDivisorList, WorkedExamples) {
  std::vector<std::pair<double, const char*>> cases = {
      {12, "1 2 3 4 6 12"}, {97, "1 97"}, {1, "1"},       {0, "0"},
      {-6, "-6"},           {0.5, "0.5"}, {1.5, "1 1.5"}, {6.2, "1 2 3.1 6.2"},
      {std::nan(""), "nan"}};
  cases.insert(cases.end(),
               {{36, "1 2 3 4 6 9 12 18 36"},
                {12.5, "1 2 3 4.166666666666667 6.25 12.5"},
                {999996483443777, "1 31622713 31622729 999996483443777"},
                {0x1p53 - 1,
                 "1 6361 69431 20394401 441650591 129728784761 1416003655831 9007199254740991"}});
  for (const auto& [n, divisors] : cases)
    EXPECT_EQ(modMain::DivisorList(n).toStdString(), divisors) << std::setprecision(17) << n;
  for (const double n : {0x1p53, std::numeric_limits<double>::infinity()})
    EXPECT_THROW(modMain::DivisorList(n), std::domain_error) << n;
}

TEST(ArithDivisorList, HighlyCompositeNumberListsEveryDivisorOnceInOrder) {
  const double n = 866421317361600;
  const QStringList items = modMain::DivisorList(n).split(' ');
  ASSERT_EQ(items.size(), 26880);
  for (qsizetype i = 0; i < items.size(); ++i) {
    EXPECT_EQ(std::fmod(n, items[i].toDouble()), 0) << items[i].toStdString();
    EXPECT_GT(items[i].toDouble(), i > 0 ? items[i - 1].toDouble() : 0);
  }
}

TEST(ArithDivisorList, RandomArgumentsMatchTextbook) {
  std::vector<double> arguments = arithmetic_test::RandomArguments(7, 2000, 2e6);
  arguments.insert(arguments.end(), {720720, 720720.5, 720720.4, 3603600, 999985999949});
  for (const double n : arguments)
    ASSERT_EQ(modMain::DivisorList(n).toStdString(), textbook::DivisorList(n).toStdString())
        << std::setprecision(17) << n;
}

}  // namespace
