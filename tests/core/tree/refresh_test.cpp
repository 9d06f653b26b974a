// Entering numbers and picking node choices: the tree model, the node controls and the report.

#include <cmath>
#include <random>
#include <utility>

#include "report/report_text.h"
#include "support/fake_tree_form.h"

namespace {

using Refresh = TreeFormTest;

TEST_F(Refresh, WalksTheTreeInPreOrderWithTheDefaultSplit) {
  // Entry, node ids in order of first visit (element index 2, 3, ...), their values, levelCount.
  const std::tuple<QString, std::vector<int>, std::vector<double>, double> walks[] = {
      {"12", {2, 4, 5, 3}, {6, 3, 2, 2}, 3},
      {"360", {2, 4, 8, 16, 32, 33, 17, 9, 5, 3}, {180, 90, 45, 15, 5, 3, 3, 2, 2, 2}, 6}};
  for (const auto& [entry, visitOrder, values, levelCount] : walks) {
    Type(entry);
    ASSERT_EQ(form.combos.Count(), visitOrder.size() + 1) << entry.toStdString();
    for (int index = 2; index <= form.combos.Count(); ++index) {
      EXPECT_EQ(form.combos.Item(index).tag.toInt(), visitOrder[index - 2]) << index;
      EXPECT_EQ(form.labels.Item(index).tag.toInt(), visitOrder[index - 2]) << index;
    }
    EXPECT_EQ(Values(visitOrder), values);
    EXPECT_EQ(form.Model().levelCount, levelCount);
  }
}

// Node lists offer the proper divisors of the parent; choices rebuild the tree from the node.
TEST_F(Refresh, NodeListsAndChoices) {
  Type("12");
  for (const int node : {2, 3}) EXPECT_EQ(NodeCombo(node).items, QStringList({"2", "3", "4", "6"}));
  EXPECT_EQ(NodeCombo(4).items, QStringList({"2", "3"}));  // parent 6
  EXPECT_EQ(QStringList({NodeCombo(2).text, NodeCombo(3).text}), QStringList({"6", "2"}));
  Pick(2, "4");  // an even child: nodes 4, 5 split it, its odd sibling 3 takes 12 / 4
  EXPECT_EQ(Values({2, 3, 4, 5}), (std::vector<double>{4, 3, 2, 2}));
  EXPECT_EQ(NodeCombo(3).text, "3");
  EXPECT_EQ(form.document.bodies.at(1), form.document.bodies.at(0)) << "the same report";
  NodeCombo(2).items.clear();
  Pick(3, "2");  // an odd child: its even sibling becomes 12 / 2 and gets its list again
  EXPECT_EQ(Values({2, 3, 4, 5}), (std::vector<double>{6, 2, 3, 2}));
  EXPECT_EQ(NodeCombo(2).text, "6");
  EXPECT_EQ(NodeCombo(2).items, QStringList({"2", "3", "4", "6"}));

  // A choice resets every node numbered above it, also outside its subtree.
  Type("36");
  Pick(2, "6");  // 36 = 6 x 6: node 3 is composite now
  Pick(6, "2");  // node 3 = 6 split as 2 x 3 instead of 3 x 2
  EXPECT_EQ(form.Model().nodeValue(7), 3);
  Pick(5, "3");  // node 2 = 6 split as 2 x 3: nodes 6 and 7 return to the default split
  EXPECT_EQ(Values({6, 7}), (std::vector<double>{3, 2}));
  EXPECT_EQ(NodeCombo(6).text, "3");
  Type("32");
  EXPECT_EQ(NodeCombo(4).items, QStringList({"2", "4", "8"}));  // parent 16: 4 once
}

TEST_F(Refresh, EnterTakesOnlyATextEqualToAListItem) {
  const int enter = toolkit::vbKeyReturn;
  const std::tuple<QString, int, double> cases[] = {
      // typed, key, node 2 afterwards
      {"4", enter, 4},  {"2", enter, 2}, {"04", enter, 6}, {" 4", enter, 6},
      {"4 ", enter, 6}, {"", enter, 6},  {"5", enter, 6},  {"4", 'A', 6}};
  for (const auto& [typed, key, node2] : cases) {
    Type("12");
    NodeCombo(2).text = typed;
    form.cmbPrimFact_KeyDown(IndexOf(form.combos, 2), key, 0);
    EXPECT_EQ(form.Model().nodeValue(2), node2) << '"' << typed.toStdString() << '"';
  }
}

TEST_F(Refresh, EnterOnATextNotInTheListBeepsAndLeavesIt) {
  Type("12");
  NodeCombo(2).text = "5";
  form.cmbPrimFact_KeyDown(IndexOf(form.combos, 2), toolkit::vbKeyReturn, 0);
  EXPECT_EQ(form.beeps, 1);
  EXPECT_EQ(NodeCombo(2).text, "5");
  Pick(2, "4");
  EXPECT_EQ(form.beeps, 1);
}

TEST_F(Refresh, UpAndDownPickTheNeighboursOfTheNodesValue) {
  Type("360");
  const int node2 = IndexOf(form.combos, 2);
  const std::tuple<int, double> steps[] = {
      {toolkit::vbKeyDown, 180}, {toolkit::vbKeyUp, 120}, {toolkit::vbKeyUp, 90}};
  for (const auto& [key, value] : steps) {
    form.cmbPrimFact_KeyDown(node2, key, 0);
    EXPECT_EQ(form.Model().nodeValue(2), value);
    EXPECT_EQ(form.Model().nodeValue(3), 360 / value);
  }
  Pick(2, "2");
  form.cmbPrimFact_KeyDown(node2, toolkit::vbKeyUp, 0);
  EXPECT_EQ(form.Model().nodeValue(2), 2) << "nothing before the first item";
}

TEST_F(Refresh, EntriesWithoutATree) {
  // Entry, levelCount (0 and 1 keep the last tree's), said in the report.
  const std::tuple<QString, double, QString> cases[] = {
      {"0", 3, "neither prime nor composite"},
      {"1", 3, "neither prime nor composite"},
      {"7", 1, "The prime factorization of 7 is 7."}};
  for (const auto& [entry, levelCount, reportSays] : cases) {
    Type("12");
    Type(entry);
    EXPECT_EQ(form.Model().levelCount, levelCount) << entry.toStdString();
    EXPECT_EQ(form.Model().contentWidth[0], 0);
    EXPECT_EQ(form.box[0].text, entry);
    for (const int index : form.combos.Indices()) EXPECT_FALSE(form.combos.Item(index).visible);
    EXPECT_FALSE(form.labels.Item(1).visible);
    EXPECT_TRUE(form.canvas[0].lines.empty() && form.canvas[1].lines.empty()) << "12's are gone";
    EXPECT_TRUE(form.document.BodyInnerHtml().contains(reportSays));
  }
  EXPECT_EQ(form.box[0].rect.left, 3240);  // (7455 - 975) / 2 on the canvas 7515 - 2 x 30 wide
}

// Edits of the entry box (1) and the root box (0) in a row, from the design text "0".
TEST_F(Refresh, AcceptedTextsRefreshOnceOthersAreIgnored) {
  const std::tuple<int, QString, int, QString, QString> edits[] = {
      // box, text, refreshes, then the entry box's and the root box's text
      {1, "12", 1, "12", "12"},       {1, "12", 0, "12", "12"},     {1, "   ", 0, "   ", "12"},
      {1, "-12", 0, "-12", "12"},     {1, "12.5", 0, "12.5", "12"}, {1, "1e5", 0, "1e5", "12"},
      {1, "1,234", 0, "1,234", "12"}, {1, "+7", 0, "+7", "12"},     {1, "", 0, "", "12"},
      {0, "45", 1, "45", "45"},      // the root box edits the entry box
      {1, "0012", 1, "12", "12"},    // the layout writes back 12, the number shown: no new entry
      {1, "007", 1, "007", "007"}};  // a prime is not laid out
  for (const auto& [box, text, refreshes, entryText, rootText] : edits) {
    const qsizetype before = form.document.bodies.size();
    form.box[box].SetText(text);
    EXPECT_EQ(form.document.bodies.size() - before, refreshes) << text.toStdString();
    EXPECT_EQ(form.box[1].text, entryText);
    EXPECT_EQ(form.box[0].text, rootText);
    EXPECT_EQ(form.Model().nodeValue(1), rootText.toDouble());
  }
}

TEST_F(Refresh, KeyFilterLetsOnlyDigitsAndBackspaceThrough) {
  const int back = toolkit::vbKeyBack;
  const std::pair<int, int> keys[] = {{'0', '0'}, {'9', '9'}, {back, back}, {'/', 0},
                                      {':', 0},   {'a', 0},   {'-', 0},     {' ', 0}};
  for (auto [key, passed] : keys) {
    form.txtPrimFact_KeyPress(1, key);
    EXPECT_EQ(key, passed);
  }
}

// Random entries and picks, as a restless user makes them: after each, every shown node and its
// sibling multiply to their parent, its box shows its value, and the report is the entry's.
TEST_F(Refresh, RandomEntriesAndPicksKeepTheTreeConsistent) {
  std::mt19937_64 random(12345);
  for (int step = 0; step < 150; ++step) {
    std::vector<int> shown;
    for (const int index : form.combos.Indices()) {
      const fake::ComboBox& combo = form.combos.Item(index);
      if (!combo.visible) continue;
      const int node = combo.tag.toInt(), parent = node / 2;
      shown.push_back(node);
      const std::vector<double> family = Values({parent, 2 * parent, 2 * parent + 1});
      ASSERT_EQ(family[1] * family[2], family[0]) << "parent " << family[0] << " node " << node;
      EXPECT_EQ(combo.text.toDouble(), form.Model().nodeValue(node));
    }
    if (shown.empty() || random() % 3 == 0) {
      const int digits = 1 + static_cast<int>(random() % 12);
      Type(QString::number(random() % static_cast<std::uint64_t>(std::pow(10.0, digits))));
    } else {
      const int node = shown[random() % shown.size()];
      const QStringList items = NodeCombo(node).items;
      Pick(node, items[static_cast<int>(random() % items.size())]);
    }
    ASSERT_EQ(form.document.BodyInnerHtml(),
              report::ReportText(form.Model().nodeValue(1), QLocale()));
  }
}

}  // namespace
