#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"
#include "core/arithmetic/textbook.h"

namespace {

std::vector<std::string> Texts(const QStringList& items) {
  std::vector<std::string> texts;
  for (const QString& item : items) texts.push_back(item.toStdString());
  return texts;
}

TEST(ArithDistinctItems, KeepsFirstOccurrenceOfEachText) {
  const std::pair<const char*, const char*> cases[] = {
      {"2 3 2 5 3", "2 3 5"},     {"   ", ""},      {"", ""}, {" 7 ", "7"},
      {"2 02 2.0 2", "2 02 2.0"}, {"a  b", "a  b"},  // two blanks make an empty item, kept once
      {"a  b  c", "a  b c"},                         // the second empty item is a repeat
      {"a b  a", "a b"},       // a kept empty item at the end leaves only blanks to trim
      {"\t1 1 \t1", "\t1 1"},  // only blanks separate and are trimmed
  };
  for (const auto& [list, distinct] : cases) {
    EXPECT_EQ(modMain::DistinctItems(QString::fromLatin1(list)).toStdString(), distinct);
    EXPECT_EQ(textbook::DistinctItems(QString::fromLatin1(list)).toStdString(), distinct);
  }
}

TEST(ArithSortList, NumericStableInBothDirections) {
  struct Case {
    QStringList items;
    bool ascending;
    QStringList sorted;
  };
  const Case cases[] = {
      {{"10", "9", "100"}, true, {"9", "10", "100"}},
      {{"10", "9", "100"}, false, {"100", "10", "9"}},
      {{"2", "02"}, true, {"2", "02"}},
      {{"2", "02"}, false, {"2", "02"}},
      {{"02", "2"}, true, {"02", "2"}},
      {{"3", "2.0", "1", "2", "+2", "02"}, true, {"1", "2.0", "2", "+2", "02", "3"}},
      {{"3", "2.0", "1", "2", "+2", "02"}, false, {"3", "2.0", "2", "+2", "02", "1"}},
      {{"-0", "0", "-1", ".5", "0.50"}, true, {"-1", "-0", "0", ".5", "0.50"}},
      {{}, true, {}},
      {{"5"}, false, {"5"}},
  };
  for (const auto& c : cases) {
    QStringList items = c.items;
    modMain::SortList(items, c.ascending);
    EXPECT_EQ(Texts(items), Texts(c.sorted))
        << c.items.join(',').toStdString() << " " << c.ascending;
  }
}

TEST(ArithSortList, NonNumericItemThrows) {
  const QString tooLarge = "1" + QString(400, '0');
  for (const QString& bad :
       {QString(), QString(" 1"), QString("1 "), QString("x"), QString("1e5"), QString("1,000"),
        QString("--1"), QString("+"), QString("."), QString("1.2.3"), QString("inf"),
        QString("nan"), QString("0x10"), tooLarge}) {
    QStringList items{"1", bad};
    EXPECT_THROW(modMain::SortList(items, true), std::invalid_argument) << bad.toStdString();
  }
}

TEST(ArithPlainValue, ReadsPlainDecimalText) {
  const std::pair<const char*, double> cases[] = {
      {"12", 12},    {"-6", -6},
      {"+02", 2},    {"2.", 2},
      {".5", 0.5},   {"-.5", -0.5},
      {"2.50", 2.5}, {"999999999999989", 999999999999989},
      {"0.1", 0.1},  {"9007199254740993", 9007199254740992},
  };
  for (const auto& [text, value] : cases)
    EXPECT_EQ(modMain::PlainValue(QString::fromLatin1(text)), value) << text;
  EXPECT_EQ(modMain::PlainValue(QString("0." + QString(400, '0') + "1")), 0);
}

TEST(ArithPlainText, WritesFullDecimalsWithoutExponent) {
  const std::pair<double, const char*> cases[] = {{0, "0"},
                                                  {-0.0, "0"},
                                                  {-6, "-6"},
                                                  {0.5, "0.5"},
                                                  {1e-7, "0.0000001"},
                                                  {999999999999989, "999999999999989"},
                                                  {0x1p53, "9007199254740992"},
                                                  {1e20, "100000000000000000000"},
                                                  {-2.5, "-2.5"},
                                                  {12.5 / 3, "4.166666666666667"}};
  for (const auto& [value, text] : cases)
    EXPECT_EQ(modMain::PlainText(value).toStdString(), text) << text;
}

// Lists mixing equal values in several text forms, so that stability and text comparison matter.
QStringList RandomItems(std::mt19937& rng) {
  static const char* const kForms[] = {"2",   "02", "2.0", "+2", "3",   "-3",    "-0",  "0",
                                       "0.5", ".5", "10",  "9",  "100", "12.25", "007", "7"};
  const int size = std::uniform_int_distribution<int>(0, 60)(rng);
  QStringList items;
  for (int i = 0; i < size; ++i) {
    items.append(QString::fromLatin1(
        kForms[std::uniform_int_distribution<int>(0, std::size(kForms) - 1)(rng)]));
  }
  return items;
}

TEST(ArithSortList, RandomListsMatchTextbook) {
  std::mt19937 rng(11);
  for (int i = 0; i < 1000 && !HasFailure(); ++i) {
    const QStringList items = RandomItems(rng);
    for (const bool ascending : {true, false}) {
      QStringList fast = items;
      QStringList slow = items;
      modMain::SortList(fast, ascending);
      textbook::SortList(slow, ascending);
      EXPECT_EQ(Texts(fast), Texts(slow)) << items.join(' ').toStdString();
    }
  }
}

TEST(ArithDistinctItems, RandomListsMatchTextbook) {
  std::mt19937 rng(12);
  for (int i = 0; i < 2000 && !HasFailure(); ++i) {
    // Extra blanks give empty items and blanks at the ends.
    const QString list = RandomItems(rng).join(i % 3 == 0 ? "  " : " ") + (i % 5 == 0 ? " " : "");
    EXPECT_EQ(modMain::DistinctItems(list).toStdString(),
              textbook::DistinctItems(list).toStdString())
        << list.toStdString();
  }
}

}  // namespace
