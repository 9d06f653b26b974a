// Node numbering and the table of node values, up to the deepest tree an entry can have; a
// node's list, counted from the parent's factors before any text is written, then written as the
// divisor list gives it; and the table that ties tree nodes to the elements of a control array.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/prime_factors.h"
#include "core/tree/node_choices.h"
#include "core/tree/node_controls.h"
#include "core/tree/tree_model.h"
#include "support/fake_toolkit.h"

namespace {

TEST(TreeModel, NodeLevelIsExactUpTo2To53) {
  const std::tuple<const char*, double, int> cases[] = {
      {"the root", 1, 0},
      {"an odd child", 3, 1},
      {"the last of level 14", 32767, 14},
      {"the first past the table", 32768, 15},
      {"the last of level 48, where a logarithm rounds up", 0x1p49 - 1, 48},
      {"the deepest node of 2^49's tree", 0x1p49, 49},
      {"the largest id", 0x1p53 - 1, 52}};
  for (const auto& [name, id, level] : cases) EXPECT_EQ(tree::NodeLevel(id), level) << name;
}

// Ids past the table are held too; one never written reads 0.
TEST(TreeModel, NodeValuesHoldIdsPastTheTable) {
  tree::NodeValues values;
  const double deep = 0x1p48 + 1;
  values(5) = 7;
  values(deep) = 2;
  values(deep - 1) = 3;
  const tree::NodeValues& read = values;
  EXPECT_EQ((std::array{read(5), read(deep), read(deep - 1), read(deep + 2)}),
            (std::array{7.0, 2.0, 3.0, 0.0}));
}

TEST(TreeModel, NodeValuesRefuseIdsOutsideTheTree) {
  tree::NodeValues values;
  for (const double id : {0.0, -3.0, 0x1p53, std::nan("")})
    EXPECT_THROW(values(id), std::out_of_range) << id;
}

TEST(NodeChoices, CountedItemsAreTheWrittenOnes) {
  for (const double parent : {0.0, 1.0, 2.0, 4.0, 12.0, 97.0, 360.0, 65536.0, 999999999999989.0,
                              222622144044300.0, 866421317361600.0}) {
    SCOPED_TRACE(testing::Message() << "parent " << parent);
    const auto items = NodeChoiceItems(
        parent, parent >= 2 ? modMain::PrimeFactors(static_cast<std::uint64_t>(parent))
                            : std::vector<std::uint64_t>());
    const int counted = items->Count();
    const QString first = items->Text(0);
    const QStringList divisors = modMain::DivisorItems(parent);
    EXPECT_EQ(items->Texts(),
              divisors.size() < 2 ? QStringList() : divisors.mid(1, divisors.size() - 2));
    EXPECT_EQ(counted, items->Texts().size());
    EXPECT_EQ(first, items->Texts().value(0));
  }
}

// Labels loaded for the nodes 1, 2, 4, 2, 5, 3, 4 in turn, element 1 standing for node 1; each
// node owns an element in the order of first visit.
class NodeControls : public ::testing::Test {
 protected:
  NodeControls() { labels.Add(1, {120, 60, 182, 195}).tag = "1"; }

  static constexpr double kVisits[] = {1, 2, 4, 2, 5, 3, 4};
  static constexpr std::pair<double, int> kElements[] = {{1, 1}, {2, 2}, {4, 3}, {5, 4}, {3, 5}};
  fake::LabelArray labels;
};

TEST_F(NodeControls, ElementsByTagFollowTheOrderOfFirstVisit) {
  for (const double node : kVisits) modMain::EnsureNodeControl(labels, node);
  EXPECT_EQ(labels.Indices(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(labels.Item(5).Width(), 182) << "a copy of element 1";
  for (const auto& [node, index] : kElements) {
    EXPECT_EQ(modMain::IndexOfNode(labels, node), index) << node;
    EXPECT_EQ(modMain::NodeOfIndex(labels, index), node) << index;
  }
  EXPECT_EQ(modMain::IndexOfNode(labels, 6), 0) << "no element";
  for (const double missing : {0, 6}) EXPECT_EQ(modMain::NodeOfIndex(labels, missing), 0);
  modMain::UnloadNodeControls(labels);
  EXPECT_EQ(labels.Indices(), std::vector<int>{1});
  EXPECT_EQ(labels.Item(1).Tag(), "1");
}

TEST_F(NodeControls, TheIndexByNodeIdAnswersAsTheTagsDo) {
  modMain::NodeIndex index;
  for (const double node : kVisits) index.Ensure(labels, node);
  for (const auto& [node, element] : kElements)
    EXPECT_EQ(std::pair(index.ElementOf(node), index.NodeOf(element)), std::pair(element, node));
  index.UnloadAll(labels);
  EXPECT_EQ(labels.Indices(), std::vector<int>{1});
  EXPECT_EQ(std::tuple(index.NodeOf(1), index.ElementOf(1), index.ElementOf(2), index.NodeOf(2)),
            std::tuple(1.0, 1, 0, 0.0));
}

}  // namespace
