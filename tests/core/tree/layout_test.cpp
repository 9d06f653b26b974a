// Where the trees' controls and lines go in either view, how they are coloured, and trees too
// deep for the described view.

#include <array>
#include <map>

#include "core/tree/tree_layout.h"
#include "support/fake_tree_form.h"

namespace {

using Layout = TreeFormTest;
using Ends = std::array<double, 4>;  // x1, y1, x2, y2

std::vector<Ends> LineEnds(const fake::PictureBox& canvas, int penWidth) {
  std::vector<Ends> ends;
  for (const toolkit::Segment& s : canvas.lines) {
    EXPECT_EQ(std::tuple(s.color, s.width), std::tuple(FactorTree::kRed, penWidth));
    ends.push_back({s.x1, s.y1, s.x2, s.y2});
  }
  return ends;
}

// 12 = 6 x 2, 6 = 3 x 2 in either view: combo boxes 975 x 315 on canvas 0 (7455 wide inside),
// labels 270 x 195 ("12" and a digit: 2 x 90 + 90) on canvas 1 (7515 wide inside). The root box
// stands in for node 1's combo box.
// Described: levelCount 3, four slots of a node's width on the lowest level. Canvas 0: the tree
// 4 x 975 + 2 = 3902 wide at offX = (7455 - 3902) / 2 = 1776.5, 315 x 3 x 3 levels high; level L
// at top 315 + 945 L. Slots are 3900, 1950 and 975 wide; a node sits at offX + position x slot +
// (slot - 975) / 2. Canvas 1: 4 x 270 + 2 = 1082 wide at (7515 - 1082) / 2 = 3216.5,
// 195 x 3 x 1.5 + 4 high; level L at 195 + 292.5 L.
// Compact: canvas 0 has columns of 975 + 315 / 2 = 1132.5, three leaves, 3397.5 wide at
// (7455 - 3397.5) / 2 = 2028.75, levels 630 apart from 315, 315 x 7 high; canvas 1 columns of
// 270 + 90 = 360, 1080 wide at 3217.5, levels 292.5 apart from 195, 195 x 6 high.
TEST_F(Layout, EveryNodeOfTwelveSitsInItsSlotInItsColour) {
  using Place = std::array<double, 4>;  // the combo box's left and top, the label's left and top
  const struct {
    bool compact;
    std::array<float, 4> content;  // the width and height on canvas 0, then on canvas 1
    std::map<int, Place> nodes;
  } views[] = {{false,
                {3902, 2835, 1082, 881.5},
                {{1, {3239, 315, 3621.5, 195}},
                 {2, {2264, 1260, 3351.5, 487.5}},
                 {3, {4214, 1260, 3891.5, 487.5}},
                 {4, {1776.5, 2205, 3216.5, 780}},
                 {5, {2751.5, 2205, 3486.5, 780}}}},
               {true,
                {3397.5, 2205, 1080, 1170},
                {{1, {3523.125, 315, 3712.5, 195}},
                 {2, {2673.75, 945, 3442.5, 487.5}},
                 {3, {4372.5, 945, 3982.5, 487.5}},
                 {4, {2107.5, 1575, 3262.5, 780}},
                 {5, {3240, 1575, 3622.5, 780}}}}};
  const QString captions[] = {"", "12", "6", "2", "3", "2"};
  Type("12");
  for (const auto& v : views) {
    form.SetCompact(v.compact);
    EXPECT_EQ((std::array{form.Model().contentWidth[0], form.Model().contentHeight[0],
                          form.Model().contentWidth[1], form.Model().contentHeight[1]}),
              v.content);
    EXPECT_EQ(form.box[0].rect, (fake::Rect{v.nodes.at(1)[0], 315, 975, 315}));
    for (const auto& [node, at] : v.nodes) {
      SCOPED_TRACE(testing::Message() << (v.compact ? "compact" : "described") << " node " << node);
      const fake::ComboBox& combo = NodeCombo(node);
      const fake::Label& label = NodeLabel(node);
      const bool prime = node > 2;
      EXPECT_EQ(combo.rect, (fake::Rect{at[0], at[1], 975, 315}));
      EXPECT_EQ(label.rect, (fake::Rect{at[2], at[3], 270, 195}));
      EXPECT_EQ(combo.backColor, prime ? FactorTree::kYellow : FactorTree::kWhite);
      EXPECT_EQ(label.foreColor, prime ? FactorTree::kBlue : FactorTree::kBlack);
      EXPECT_EQ(std::tuple(label.caption, combo.visible, label.visible),
                std::tuple(captions[node], node != 1, true));
    }
  }
}

// From the middle of the parent's bottom edge to the middle of the child's top edge, in the
// order the children were loaded: nodes 2, 4, 5, 3.
const std::vector<Ends> kTwelvesComboLines = {{3726.5, 630, 2751.5, 1260},
                                              {2751.5, 1575, 2264, 2205},
                                              {2751.5, 1575, 3239, 2205},
                                              {3726.5, 630, 4701.5, 1260}};

TEST_F(Layout, LinesJoinParentsToChildrenWithTheCanvasPen) {
  Type("12");
  EXPECT_EQ(LineEnds(form.canvas[0], 2), kTwelvesComboLines);
  EXPECT_EQ(form.canvas[0].drawWidth, 1) << "the pen width is restored";
  EXPECT_EQ(LineEnds(form.canvas[1], 1), (std::vector<Ends>{{3756.5, 390, 3486.5, 487.5},
                                                            {3486.5, 682.5, 3351.5, 780},
                                                            {3486.5, 682.5, 3621.5, 780},
                                                            {3756.5, 390, 4026.5, 487.5}}));
  form.SetCompact(true);  // node 2's bottom to node 4's top
  EXPECT_EQ(LineEnds(form.canvas[0], 2).at(1), (Ends{3161.25, 1260, 2595, 1575}));
}

// An edit of the root box that is no number is ignored until a layout writes the root back.
TEST_F(Layout, ALayoutWritesBackAnEditedRootBoxDrawingTheSamePicture) {
  Type("12");
  form.box[0].SetText("12x");
  form.LayoutTree();
  EXPECT_EQ(form.box[0].text, "12");
  EXPECT_EQ(LineEnds(form.canvas[0], 2), kTwelvesComboLines);
}

TEST_F(Layout, ScrollingDownMovesTheWholePictureUp) {
  Type("12");
  form.vs[0].SetValue(100);
  EXPECT_EQ(NodeCombo(2).rect.top, 1160);
  EXPECT_EQ(LineEnds(form.canvas[0], 2)[0], (Ends{3726.5, 530, 2751.5, 1160}));
}

// A 0, a digit the entry lacks, measures 15 twips more than other characters: captions are as
// wide as the entry written in 0s.
TEST_F(Layout, CaptionsTakeTheWidthOfTheWidestGroupedNumberOfTheirDigits) {
  form.labels.Item(1).wideDigit = u'0';
  Type("1234567");
  EXPECT_EQ(NodeLabel(1).caption, "1,234,567");
  EXPECT_EQ(NodeLabel(1).rect.width, 7 * 105 + 2 * 90 + 105) << "as wide as 0,000,000 and a 0";
  form.labels.Item(1).wideDigit = u'\0';
  Type("360");
  EXPECT_EQ(NodeLabel(1).rect.width, 3 * 90 + 90) << "its own caption when digits measure alike";
}

// A picture of 12's tree: the content and the node controls of each canvas at their sizes, each
// node where the layout places it, less the centring offset (see above).
TEST_F(Layout, APictureHasEachNodeWhereTheLayoutPlacesIt) {
  Type("12");
  const struct {
    double width, height, nodeWidth, nodeHeight, offX;
  } canvases[] = {{3902, 2835, 975, 315, 1776.5}, {1082, 881.5, 270, 195, 3216.5}};
  for (int canvas = 0; canvas < 2; ++canvas) {
    const auto& c = canvases[canvas];
    const TreeDrawing drawing = form.Drawing(canvas);
    EXPECT_EQ(std::tuple(drawing.width, drawing.height, drawing.nodeWidth, drawing.nodeHeight),
              std::tuple(c.width, c.height, c.nodeWidth, c.nodeHeight));
    ASSERT_EQ(drawing.nodes.size(), 5u);
    const DrawnNode& two = drawing.nodes[1];
    const fake::Rect placed = canvas == 0 ? NodeCombo(2).rect : NodeLabel(2).rect;
    EXPECT_EQ(std::tuple(two.id, two.value, two.prime, two.left + c.offX, two.top),
              std::tuple(2.0, 6.0, false, placed.left, placed.top));
  }
}

// 24 = 3 x 8: node 2 is a prime leaf now, node 3 = 8 grows instead; lines 1-2, 1-3, 3-6, 3-7,
// 6-12, 6-13 remain.
TEST_F(Layout, DroppedNodesAreHiddenWithoutLines) {
  Type("24");
  Pick(2, "3");
  for (const int node : {4, 5, 8, 9})
    EXPECT_FALSE(NodeCombo(node).visible || NodeLabel(node).visible) << node;
  EXPECT_EQ(form.canvas[0].lines.size(), 6u);
  EXPECT_EQ(form.canvas[1].lines.size(), 6u);
}

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

// 222622144044300 has 15 prime factors: 15 columns of 1132.5 on canvas 0, wider than its 7455,
// and its root near the right end, over a chain of composites that leans left. The view starts
// as close to the root as the bar goes, not in the middle of the tree.
TEST_F(Layout, AWideCompactTreeStartsWithItsRootInView) {
  form.SetCompact(true);
  Type("222622144044300");
  ASSERT_TRUE(form.hs[0].enabled);
  EXPECT_EQ(form.hs[0].value, form.hs[0].max);
  EXPECT_GE(form.box[0].rect.left, 0);
  EXPECT_LE(form.box[0].rect.left + 975, 7455 - 255);
}

TEST_F(Layout, TogglingCompactRelaysOutWithoutARefresh) {
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

// 2^49: the default split hangs a 2 off every level, 49 levels and 97 nodes, the deepest one
// node 2^48. Node 2^46 holds 8; 4 x 4 instead of 8 x 2 rebuilds the tree from there, and the
// old deepest node leaves the tree.
TEST_F(Layout, DeepTreesAreBuiltWholeAndAlwaysCompact) {
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
