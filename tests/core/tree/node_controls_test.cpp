// The table that ties tree nodes to the elements of a control array.

#include "core/tree/node_controls.h"

#include <gtest/gtest.h>

#include <array>

#include "support/fake_toolkit.h"

namespace {

TEST(NodeControls, ElementsFollowTheOrderOfFirstVisit) {
  fake::LabelArray labels;
  labels.Add(1, {120, 60, 182, 195}).tag = "1";
  for (const double node : {1, 2, 4, 2, 5, 3, 4}) modMain::EnsureNodeControl(labels, node);
  EXPECT_EQ(labels.Indices(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(labels.Item(5).Width(), 182) << "a copy of element 1";
  const std::pair<double, double> table[] = {
      {1, 1}, {2, 2}, {4, 3}, {5, 4}, {3, 5}};  // node, index
  for (const auto& [node, index] : table) {
    EXPECT_EQ(modMain::IndexOfNode(labels, node), index) << node;
    EXPECT_EQ(modMain::NodeOfIndex(labels, index), node) << index;
  }
  EXPECT_EQ(modMain::IndexOfNode(labels, 6), 0) << "no element";
  for (const double missing : {0, 6}) EXPECT_EQ(modMain::NodeOfIndex(labels, missing), 0);

  modMain::UnloadNodeControls(labels);
  EXPECT_EQ(labels.Indices(), std::vector<int>{1});
  EXPECT_EQ(labels.Item(1).Tag(), "1");

  // The index by node id answers as the tags do, before and after unloading.
  modMain::NodeIndex index;
  for (const double node : {1, 2, 4, 2, 5, 3, 4}) index.Ensure(labels, node);
  for (const auto& [node, element] : table) {
    EXPECT_EQ(index.ElementOf(node), element) << node;
    EXPECT_EQ(index.NodeOf(static_cast<int>(element)), node) << element;
  }
  index.UnloadAll(labels);
  EXPECT_EQ(labels.Indices(), std::vector<int>{1});
  EXPECT_EQ(std::tuple(index.NodeOf(1), index.ElementOf(1), index.ElementOf(2), index.NodeOf(2)),
            std::tuple(1.0, 1, 0, 0.0));
}

TEST(NodeControls, DrawSegmentRestoresThePenWidth) {
  fake::PictureBox canvas({0, 0, 600, 600});
  canvas.drawWidth = 3;
  modMain::DrawSegment(canvas, 10, 20, 30.25, 40, 0x000000FF, 2);
  const toolkit::Segment& line = canvas.lines.at(0);
  EXPECT_EQ((std::array{line.x1, line.y1, line.x2, line.y2}),
            (std::array{10.0, 20.0, 30.25, 40.0}));
  EXPECT_EQ(line.width, 2);
  EXPECT_EQ(canvas.drawWidth, 3);
}

}  // namespace
