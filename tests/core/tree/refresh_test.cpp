// Entering numbers and picking node choices: the tree model, the node controls and the report.

#include <cmath>
#include <random>

#include "core/tree/node_choices.h"
#include "report/report_text.h"
#include "support/fake_tree_form.h"

namespace {

using Refresh = TreeFormTest;
using Doubles = std::vector<double>;

// Node ids in order of first visit own the element indices 2, 3, ... of both arrays.
TEST_F(Refresh, WalksTheTreeInPreOrderWithTheDefaultSplit) {
  const struct {
    QString entry;
    std::vector<int> visitOrder;
    Doubles values;
    int levelCount;
  } walks[] = {{"12", {2, 4, 5, 3}, {6, 3, 2, 2}, 3},
               {"360", {2, 4, 8, 16, 32, 33, 17, 9, 5, 3}, {180, 90, 45, 15, 5, 3, 3, 2, 2, 2}, 6}};
  for (const auto& w : walks) {
    SCOPED_TRACE(w.entry.toStdString());
    Type(w.entry);
    ASSERT_EQ(form.combos.Count(), w.visitOrder.size() + 1);
    for (int index = 2; index <= form.combos.Count(); ++index) {
      EXPECT_EQ(form.combos.Item(index).tag.toInt(), w.visitOrder[index - 2]) << index;
      EXPECT_EQ(form.labels.Item(index).tag.toInt(), w.visitOrder[index - 2]) << index;
    }
    EXPECT_EQ(Values(w.visitOrder), w.values);
    EXPECT_EQ(form.Model().levelCount, w.levelCount);
  }
}

// At an even node the odd sibling takes the rest of the parent, at an odd node the even one; and
// every node numbered above the chosen one returns to the default split, also outside its subtree.
// Each gets its list, the proper divisors of its parent, written again.
TEST_F(Refresh, AChoiceRecomputesTheSiblingAndEveryNodeAbove) {
  const struct {
    const char* name;
    QString entry;
    std::vector<std::pair<int, QString>> picks;
    std::vector<int> nodes;
    Doubles values;
  } cases[] = {
      {"12 split 4 x 3 at node 2", "12", {{2, "4"}}, {2, 3, 4, 5}, {4, 3, 2, 2}},
      {"then 6 x 2 at node 3", "12", {{2, "4"}, {3, "2"}}, {2, 3, 4, 5}, {6, 2, 3, 2}},
      {"36 = 6 x 6, node 3 split 2 x 3 at node 6", "36", {{2, "6"}, {6, "2"}}, {6, 7}, {2, 3}},
      {"then node 2 split 2 x 3 at node 5", "36", {{2, "6"}, {6, "2"}, {5, "3"}}, {6, 7}, {3, 2}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Type(c.entry);
    for (const auto& pick : c.picks) {
      if (&pick == &c.picks.back()) {  // the last choice writes the lists it recomputes again
        for (const int other : c.nodes)
          if (other != pick.first) NodeCombo(other).items.clear();
      }
      Pick(pick.first, pick.second);
    }
    EXPECT_EQ(Values(c.nodes), c.values);
    for (const int node : c.nodes) {
      EXPECT_EQ(NodeCombo(node).text.toDouble(), form.Model().nodeValue(node)) << node;
      EXPECT_EQ(NodeCombo(node).items, NodeChoices(form.Model().nodeValue(node / 2))) << node;
    }
  }
}

// Enter on a text that is no item beeps and leaves it.
TEST_F(Refresh, EnterTakesOnlyATextEqualToAListItem) {
  const int enter = toolkit::vbKeyReturn;
  const struct {
    const char* name;
    QString typed;
    int key;
    double node2;  // afterwards
  } cases[] = {{"an item", "4", enter, 4},           {"another item", "2", enter, 2},
               {"a leading zero", "04", enter, 6},   {"a leading blank", " 4", enter, 6},
               {"a trailing blank", "4 ", enter, 6}, {"nothing", "", enter, 6},
               {"no item", "5", enter, 6},           {"an item, another key", "4", 'A', 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Type("12");
    const int beeps = form.beeps;
    NodeCombo(2).text = c.typed;
    form.cmbPrimFact_KeyDown(IndexOf(form.combos, 2), c.key, 0);
    EXPECT_EQ(form.Model().nodeValue(2), c.node2);
    const bool refused = c.key == enter && c.node2 == 6;
    EXPECT_EQ(form.beeps - beeps, refused);
    if (refused) {
      EXPECT_EQ(NodeCombo(2).text, c.typed);
    }
  }
}

// 0 and 1 keep the last tree's level count; the empty root box is centred on canvas 0,
// (7455 - 975) / 2.
TEST_F(Refresh, EntriesWithoutATreeHideTheLastTree) {
  const struct {
    QString entry;
    int levelCount;
    QString reportSays;
  } cases[] = {{"0", 3, "neither prime nor composite"},
               {"1", 3, "neither prime nor composite"},
               {"7", 1, "The prime factorization of 7 is 7."}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry.toStdString());
    Type("12");
    Type(c.entry);
    EXPECT_EQ(form.Model().levelCount, c.levelCount);
    EXPECT_EQ(form.Model().contentWidth[0], 0);
    EXPECT_EQ(form.box[0].text, c.entry);
    for (const int index : form.combos.Indices()) EXPECT_FALSE(form.combos.Item(index).visible);
    EXPECT_FALSE(form.labels.Item(1).visible);
    EXPECT_TRUE(form.canvas[0].lines.empty() && form.canvas[1].lines.empty()) << "12's are gone";
    EXPECT_TRUE(form.document.BodyInnerHtml().contains(c.reportSays));
  }
  EXPECT_EQ(form.box[0].rect.left, 3240);
}

// Edits of the entry box (1) and the root box (0) in a row, from the design text "0".
TEST_F(Refresh, AcceptedTextsRefreshOnceOthersAreIgnored) {
  const struct {
    const char* name;
    int box;
    QString text;
    int refreshes;
    QString entryText, rootText;  // afterwards
  } edits[] = {
      {"a number", 1, "12", 1, "12", "12"},
      {"the same number", 1, "12", 0, "12", "12"},
      {"blanks", 1, "   ", 0, "   ", "12"},
      {"a negative number", 1, "-12", 0, "-12", "12"},
      {"a fraction", 1, "12.5", 0, "12.5", "12"},
      {"an exponent", 1, "1e5", 0, "1e5", "12"},
      {"a group separator", 1, "1,234", 0, "1,234", "12"},
      {"a plus sign", 1, "+7", 0, "+7", "12"},
      {"nothing", 1, "", 0, "", "12"},
      {"the root box edits the entry box", 0, "45", 1, "45", "45"},
      {"the layout writes back 12, the number shown: no new entry", 1, "0012", 1, "12", "12"},
      {"a prime is not laid out", 1, "007", 1, "007", "007"}};
  for (const auto& e : edits) {
    SCOPED_TRACE(e.name);
    const qsizetype before = form.document.bodies.size();
    form.box[e.box].SetText(e.text);
    EXPECT_EQ(form.document.bodies.size() - before, e.refreshes);
    EXPECT_EQ(QStringList({form.box[1].text, form.box[0].text}),
              QStringList({e.entryText, e.rootText}));
    EXPECT_EQ(form.Model().nodeValue(1), e.rootText.toDouble());
  }
}

TEST_F(Refresh, KeyFilterPassesOnlyDigitsOrBackspace) {
  const int back = toolkit::vbKeyBack;
  const std::pair<int, int> keys[] = {{'0', '0'}, {'9', '9'}, {back, back}, {'/', 0},
                                      {':', 0},   {'a', 0},   {'-', 0},     {' ', 0}};
  for (auto [key, passed] : keys) {
    form.txtPrimFact_KeyPress(1, key);
    EXPECT_EQ(key, passed);
  }
}

// Random entries and picks, as a restless user makes them: after each, every shown node and its
// sibling multiply to their parent, its box shows its value and lists the parent's proper
// divisors, and the report is the entry's.
TEST_F(Refresh, RandomUseKeepsTheTreeConsistent) {
  std::mt19937_64 random(12345);
  for (int step = 0; step < 150; ++step) {
    std::vector<int> shown;
    for (const int index : form.combos.Indices()) {
      const fake::ComboBox& combo = form.combos.Item(index);
      const int node = combo.tag.toInt(), parent = node / 2;
      if (!combo.visible) continue;
      shown.push_back(node);
      const Doubles family = Values({parent, 2 * parent, 2 * parent + 1});
      ASSERT_EQ(family[1] * family[2], family[0]) << "parent " << family[0] << " node " << node;
      EXPECT_EQ(combo.text.toDouble(), form.Model().nodeValue(node));
      EXPECT_EQ(combo.items, NodeChoices(family[0])) << "node " << node;
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
