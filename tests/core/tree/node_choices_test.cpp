// A node's list: counted from the parent's factors before any text is written, then written as
// the divisor list gives it.

#include "core/tree/node_choices.h"

#include <gtest/gtest.h>

#include "core/arithmetic/arithmetic.h"

namespace {

TEST(NodeChoices, CountedItemsAreTheWrittenOnes) {
  for (const double parent : {0.0, 1.0, 2.0, 4.0, 12.0, 97.0, 360.0, 65536.0, 999999999999989.0,
                              222622144044300.0, 866421317361600.0}) {
    SCOPED_TRACE(testing::Message() << "parent " << parent);
    const auto items = NodeChoiceItems(parent);
    const int counted = items->Count();
    const QString first = items->Text(0);
    const QStringList divisors = modMain::DivisorItems(parent);
    EXPECT_EQ(items->Texts(),
              divisors.size() < 2 ? QStringList() : divisors.mid(1, divisors.size() - 2));
    EXPECT_EQ(counted, items->Texts().size());
    EXPECT_EQ(first, items->Texts().value(0));
  }
}

}  // namespace
