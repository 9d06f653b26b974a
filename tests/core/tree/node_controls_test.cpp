// The table that ties tree nodes to the elements of a control array.

#include "core/tree/node_controls.h"

#include <gtest/gtest.h>

#include "support/fake_toolkit.h"

namespace {

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
