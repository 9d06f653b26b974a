#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <stdexcept>

#include "core/arithmetic/arithmetic.h"
#include "support/textbook.h"

namespace {

std::vector<std::string> Texts(const QStringList& items) {
  std::vector<std::string> texts;
  for (const QString& item : items) texts.push_back(item.toStdString());
  return texts;
}

// Only blanks separate items and are trimmed; two blanks in a row make an empty item.
TEST(ArithDistinctItems, KeepsFirstOccurrenceOfEachText) {
  const std::pair<const char*, const char*> cases[] = {
      {"2 3 2 5 3", "2 3 5"}, {"   ", ""},           {" 7 ", "7"},      {"2 02 2.0 2", "2 02 2.0"},
      {"a  b", "a  b"},       {"a  b  c", "a  b c"}, {"a b  a", "a b"}, {"\t1 1 \t1", "\t1 1"}};
  for (const auto& [list, distinct] : cases) {
    EXPECT_EQ(modMain::DistinctItems(QString::fromLatin1(list)).toStdString(), distinct) << list;
  }
}

TEST(ArithSortList, IsAStableNumericSortEitherWay) {
  const QStringList mixed = {"3", "2.0", "1", "2", "+2", "02"};
  const std::tuple<QStringList, bool, QStringList> cases[] = {
      // items, ascending, sorted
      {{"10", "9", "100"}, true, {"9", "10", "100"}},
      {{"10", "9", "100"}, false, {"100", "10", "9"}},
      {{"2", "02"}, false, {"2", "02"}},
      {{"02", "2"}, true, {"02", "2"}},
      {mixed, true, {"1", "2.0", "2", "+2", "02", "3"}},
      {mixed, false, {"3", "2.0", "2", "+2", "02", "1"}},
      {{"-0", "0", "-1", ".5", "0.50"}, true, {"-1", "-0", "0", ".5", "0.50"}}};
  for (auto [items, ascending, sorted] : cases) {
    modMain::SortList(items, ascending);
    EXPECT_EQ(Texts(items), Texts(sorted)) << sorted.join(',').toStdString() << ascending;
  }
}

TEST(ArithSortList, RefusesANonNumericItemLeavingTheListUnchanged) {
  for (const char* bad : {"", " 1", "x", "1e5", "1,000", "--1", "+", ".", "1.2.3", "inf", "0x10"}) {
    QStringList items{"2", "1", QString::fromLatin1(bad)};
    EXPECT_THROW(modMain::SortList(items, true), std::invalid_argument) << bad;
    EXPECT_EQ(items.first(), "2") << bad;
  }
}

// Lists mixing equal values in several text forms, so that stability and text comparison matter;
// extra blanks give empty items and blanks at the ends of the lists.
TEST(ArithItemLists, RandomListsMatchTextbook) {
  static const char* const kForms[] = {"2",   "02", "2.0", "+2", "3",   "-3",    "-0",  "0",
                                       "0.5", ".5", "10",  "9",  "100", "12.25", "007", "7"};
  std::mt19937 rng(11);
  for (int i = 0; i < 2000; ++i) {
    QStringList items;
    for (int k = std::uniform_int_distribution<int>(0, 60)(rng); k > 0; --k)
      items << kForms[std::uniform_int_distribution<int>(0, std::size(kForms) - 1)(rng)];
    const QString list = items.join(i % 3 == 0 ? "  " : " ") + (i % 5 == 0 ? " " : "");
    ASSERT_EQ(modMain::DistinctItems(list).toStdString(),
              textbook::DistinctItems(list).toStdString())
        << list.toStdString();
    for (const bool ascending : {true, false}) {
      QStringList fast = items, slow = items;
      modMain::SortList(fast, ascending);
      textbook::SortList(slow, ascending);
      ASSERT_EQ(Texts(fast), Texts(slow)) << list.toStdString() << ascending;
    }
  }
}

}  // namespace
