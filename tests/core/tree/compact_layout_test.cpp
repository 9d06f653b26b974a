// The compact layout of both trees, and trees too deep for the described one.

#include <array>
#include <cmath>
#include <map>

#include "core/tree/tree_layout.h"
#include "support/fake_tree_form.h"

namespace {

using CompactLayout = TreeFormTest;

TEST(CompactColumns, LeavesInTreeOrderParentsOverTheirChildren) {
  const struct {
    const char* name;
    std::vector<tree::WalkedNode> walk;
    std::vector<double> middles;
    int count;
  } cases[] = {{"a lone root", {{1, true}}, {0.5}, 1},
               {"12 = 6 x 2, 6 = 3 x 2",
                {{1, false}, {2, false}, {4, true}, {5, true}, {3, true}},
                {1.75, 1, 0.5, 1.5, 2.5},
                3},
               {"36 = 6 x 6, both split",
                {{1, false}, {2, false}, {4, true}, {5, true}, {3, false}, {6, true}, {7, true}},
                {2, 1, 0.5, 1.5, 3, 2.5, 3.5},
                4},
               {"a walk cut short after a composite", {{1, false}, {2, false}}, {0.5, 0.5}, 1}};
  for (const auto& c : cases) {
    const CompactColumns columns = CompactColumnsOf(c.walk);
    EXPECT_EQ(std::pair(columns.middles, columns.count), std::pair(c.middles, c.count)) << c.name;
  }
}

// 12 compact. Canvas 0 (7455 inside): columns of 975 + 315 / 2 = 1132.5, three leaves, 3397.5
// wide, centred at (7455 - 3397.5) / 2 = 2028.75; levels 630 apart from 315; 315 x 7 high.
// Canvas 1 (7515 inside): columns of 270 + 90 = 360, 1080 wide at 3217.5; levels 292.5 apart
// from 195; 195 x 6 high. Lines run from a parent's bottom to a child's top.
TEST_F(CompactLayout, TreeOfTwelve) {
  Type("12");
  form.SetCompact(true);
  EXPECT_EQ((std::array{form.Model().contentWidth[0], form.Model().contentHeight[0],
                        form.Model().contentWidth[1], form.Model().contentHeight[1]}),
            (std::array<float, 4>{3397.5, 2205, 1080, 1170}));
  EXPECT_EQ(form.box[0].rect, (fake::Rect{3523.125, 315, 975, 315}));
  const std::tuple<int, double, double, double, double> nodes[] = {
      // node, its combo box's left and top, its label's left and top
      {1, 3523.125, 315, 3712.5, 195},
      {2, 2673.75, 945, 3442.5, 487.5},
      {4, 2107.5, 1575, 3262.5, 780},
      {5, 3240, 1575, 3622.5, 780},
      {3, 4372.5, 945, 3982.5, 487.5}};
  for (const auto& [node, comboLeft, comboTop, labelLeft, labelTop] : nodes) {
    EXPECT_EQ(NodeCombo(node).rect, (fake::Rect{comboLeft, comboTop, 975, 315})) << node;
    EXPECT_EQ(NodeLabel(node).rect, (fake::Rect{labelLeft, labelTop, 270, 195})) << node;
  }
  ASSERT_EQ(form.canvas[0].lines.size(), 4u);
  const toolkit::Segment& toNode4 = form.canvas[0].lines[1];
  EXPECT_EQ((std::array{toNode4.x1, toNode4.y1, toNode4.x2, toNode4.y2}),
            (std::array{3161.25, 1260.0, 2595.0, 1575.0}));
  EXPECT_EQ(toNode4.width, 2);
}

// 222622144044300 has 15 prime factors: 15 columns of 1132.5 on canvas 0, wider than its 7455,
// and its root near the right end, over a chain of composites that leans left. The view starts
// as close to the root as the bar goes, not in the middle of the tree.
TEST_F(CompactLayout, AWideTreeStartsWithItsRootInView) {
  form.SetCompact(true);
  Type("222622144044300");
  ASSERT_TRUE(form.hs[0].enabled);
  EXPECT_EQ(form.hs[0].value, form.hs[0].max);
  EXPECT_GE(form.box[0].rect.left, 0);
  EXPECT_LE(form.box[0].rect.left + 975, 7455 - 255);
}

TEST_F(CompactLayout, TogglingRelaysOutWithoutARefresh) {
  Type("360");
  Pick(2, "12");
  std::map<int, fake::Rect> described;
  for (const int index : form.combos.Indices()) described[index] = form.combos.Item(index).rect;
  const qsizetype reports = form.document.bodies.size();
  const std::vector<double> values = Values({1, 2, 3, 4, 5, 6, 7});
  const QStringList list = NodeCombo(3).items;
  form.SetCompact(true);
  EXPECT_NE(NodeCombo(3).rect, described[IndexOf(form.combos, 3)]);
  form.SetCompact(false);
  for (const int index : form.combos.Indices())
    EXPECT_EQ(form.combos.Item(index).rect, described[index]) << index;
  EXPECT_EQ(form.document.bodies.size(), reports) << "no refresh";
  EXPECT_EQ(Values({1, 2, 3, 4, 5, 6, 7}), values);
  EXPECT_EQ(NodeCombo(3).items, list);
}

TEST_F(CompactLayout, PicksGiveTheSameTreeInEitherView) {
  std::vector<double> trees[2];
  for (const bool compact : {false, true}) {
    form.SetCompact(compact);
    Type("360");
    Pick(3, "6");
    Pick(6, "3");
    for (const tree::WalkedNode& node : form.Model().walk)
      trees[compact].push_back(form.Model().nodeValue(node.id));
  }
  EXPECT_EQ(trees[0], trees[1]);
}

// 2^49: the default split hangs a 2 off every level, 49 levels and 97 nodes, the deepest one
// node 2^48. Node 2^46 holds 8; 4 x 4 instead of 8 x 2 rebuilds the tree from there, and the
// old deepest node leaves the tree.
TEST_F(CompactLayout, DeepTreesAreBuiltWholeAndAlwaysCompact) {
  Type("562949953421312");
  EXPECT_EQ(std::tuple(form.Model().walk.size(), form.Model().levelCount), std::tuple(97u, 49));
  EXPECT_EQ(NodeCombo(0x1p48).text, "2");
  EXPECT_EQ(NodeLabel(0x1p48 + 1).rect.top, 195 + 48 * 292.5);
  EXPECT_EQ(form.Model().contentWidth[0], 49 * 1132.5) << "compact in the described view";
  EXPECT_FALSE(form.document.BodyInnerHtml().contains("deep"));
  Pick(0x1p46 + 1, "4");
  for (const double node : {0x1p46, 0x1p46 + 1}) EXPECT_EQ(form.Model().nodeValue(node), 4) << node;
  for (const double node : {0x1p47 + 2, 0x1p47 + 3})
    EXPECT_EQ(form.Model().nodeValue(node), 2) << node;
  EXPECT_EQ(form.Model().levelCount, 48);
  EXPECT_TRUE(NodeCombo(0x1p47 + 3).visible);
  EXPECT_FALSE(NodeCombo(0x1p48).visible);
}

}  // namespace
