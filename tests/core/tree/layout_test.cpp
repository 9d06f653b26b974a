// Where the trees' controls and lines go, and how they are coloured.

#include <array>

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

// 12 = 6 x 2, 6 = 3 x 2: levelCount 3, four slots of a node's width on the lowest level.
// Canvas 0 (inner 7515 - 60 = 7455 wide): combo boxes 975 x 315, the tree 4 x 975 + 2 = 3902
// wide, centred at offX = (7455 - 3902) / 2 = 1776.5; level L at top 315 + 945 L. Slots are
// 3900, 1950 and 975 wide; a node sits at offX + position x slot + (slot - 975) / 2.
// Canvas 1 (inner 7515 wide): labels 2 x 90 + 90 = 270 wide ("12" and a digit), 195 high,
// the tree 4 x 270 + 2 = 1082 wide at offX = (7515 - 1082) / 2 = 3216.5; level L at 195 + 292.5 L.
// The root box stands in for node 1's combo box.
TEST_F(Layout, EveryNodeOfTwelveSitsInItsSlotInItsColour) {
  Type("12");
  EXPECT_EQ(form.Model().contentWidth[0], 3902);
  EXPECT_EQ(form.Model().contentWidth[1], 1082);
  EXPECT_EQ(form.Model().contentHeight[1], 881.5);  // 195 x 3 levels x 1.5 + 4
  EXPECT_EQ(form.box[0].rect, (fake::Rect{3239, 315, 975, 315}));
  const struct {
    int node;
    double comboLeft, comboTop, labelLeft, labelTop;
    QString caption;
  } nodes[] = {{1, 3239, 315, 3621.5, 195, "12"},
               {2, 2264, 1260, 3351.5, 487.5, "6"},
               {3, 4214, 1260, 3891.5, 487.5, "2"},
               {4, 1776.5, 2205, 3216.5, 780, "3"},
               {5, 2751.5, 2205, 3486.5, 780, "2"}};
  for (const auto& n : nodes) {
    SCOPED_TRACE(testing::Message() << "node " << n.node);
    const fake::ComboBox& combo = NodeCombo(n.node);
    const fake::Label& label = NodeLabel(n.node);
    const bool prime = n.node > 2;
    EXPECT_EQ(combo.rect, (fake::Rect{n.comboLeft, n.comboTop, 975, 315}));
    EXPECT_EQ(label.rect, (fake::Rect{n.labelLeft, n.labelTop, 270, 195}));
    EXPECT_EQ(combo.backColor, prime ? FactorTree::kYellow : FactorTree::kWhite);
    EXPECT_EQ(label.foreColor, prime ? FactorTree::kBlue : FactorTree::kBlack);
    EXPECT_EQ(std::tuple(label.caption, combo.visible, label.visible),
              std::tuple(n.caption, n.node != 1, true));
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

// A 9 measures 15 twips more than other characters; in 127 x 9721 a divisor with a 9 measures
// wider than the entry itself.
TEST_F(Layout, CaptionsTakeTheWidthOfTheWidestGroupedNumberOfTheirDigits) {
  form.labels.Item(1).wideDigit = u'9';
  Type("1234567");
  EXPECT_EQ(NodeLabel(1).caption, "1,234,567");
  EXPECT_EQ(NodeLabel(1).rect.width, 7 * 105 + 2 * 90 + 105) << "as wide as 9,999,999 and a 9";
  form.labels.Item(1).wideDigit = u'\0';
  Type("360");
  EXPECT_EQ(NodeLabel(1).rect.width, 3 * 90 + 90) << "its own caption when digits measure alike";
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

}  // namespace
