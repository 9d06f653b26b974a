// Typing numbers into the real window: the tree model, the node controls and the report.

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <cmath>
#include <random>

#include "report/report_text.h"
#include "support/main_window_fixture.h"

namespace {

struct Walk {
  QString entry;
  std::vector<int> visitOrder;  // node ids in order of first visit = element index 2, 3, ...
  std::vector<double> values;
  double levelCount;
};

class RefreshTest : public MainWindowTest {
 protected:
  // Node ids by element index, read from the tags of the loaded combo boxes and labels.
  std::vector<int> ElementNodes(const QString& array) {
    std::vector<int> nodes;
    for (int index = 2;; ++index) {
      auto* element = dynamic_cast<toolkit::Control*>(
          window->findChild<QWidget*>(QString("%1_%2").arg(array).arg(index)));
      if (element == nullptr) return nodes;
      nodes.push_back(element->Tag().toInt());
    }
  }

  int ReportWrites(const std::function<void()>& action) {
    QSignalSpy writes(&Report(), &QTextEdit::textChanged);
    action();
    return static_cast<int>(writes.count());
  }
};

TEST_F(RefreshTest, WalksTheTreeInPreOrderWithTheDefaultSplit) {
  const Walk walks[] = {
      {"12", {2, 4, 5, 3}, {6, 3, 2, 2}, 3},
      {"360", {2, 4, 8, 16, 32, 33, 17, 9, 5, 3}, {180, 90, 45, 15, 5, 3, 3, 2, 2, 2}, 6},
  };
  for (const Walk& walk : walks) {
    Type(walk.entry);
    EXPECT_EQ(ElementNodes("cmbPrimFact"), walk.visitOrder) << walk.entry.toStdString();
    EXPECT_EQ(ElementNodes("lblPrimFact"), walk.visitOrder);
    for (size_t k = 0; k < walk.visitOrder.size(); ++k) {
      EXPECT_EQ(Model().nodeValue(walk.visitOrder[k]), walk.values[k]) << walk.visitOrder[k];
    }
    EXPECT_EQ(Model().levelCount, walk.levelCount);
  }
}

TEST_F(RefreshTest, ChoicesRebuildTheTreeFromTheChosenNode) {
  Type("12");
  Pick(2, "4");  // node 2 becomes 4: nodes 4, 5 split it, node 3 takes 12 / 4
  EXPECT_EQ(Model().nodeValue(2), 4);
  EXPECT_EQ(Model().nodeValue(3), 3);
  EXPECT_EQ(Model().nodeValue(4), 2);
  EXPECT_EQ(Model().nodeValue(5), 2);
  EXPECT_EQ(NodeCombo(3).Text(), "3");

  Pick(3, "3");  // an odd child: its even sibling is recomputed first and gets its list again
  EXPECT_EQ(Model().nodeValue(2), 4);
  EXPECT_EQ(NodeCombo(2).Text(), "4");
  EXPECT_EQ(ListItems(NodeCombo(2)), QStringList({"2", "3", "4", "6"}));

  // A choice resets every node numbered above it, also outside its subtree.
  Type("36");
  Pick(2, "6");  // 36 = 6 x 6: node 3 is composite now
  Pick(6, "2");  // node 3 = 6 split as 2 x 3 instead of 3 x 2
  EXPECT_EQ(Model().nodeValue(7), 3);
  Pick(5, "3");  // node 2 = 6 split as 2 x 3: nodes 6 and 7 return to the default split
  EXPECT_EQ(Model().nodeValue(6), 3);
  EXPECT_EQ(Model().nodeValue(7), 2);
  EXPECT_EQ(NodeCombo(6).Text(), "3");
}

TEST_F(RefreshTest, AChoiceLeavesTheReportAsItWas) {
  Type("360");
  const QString report = ReportHtml();
  Pick(2, "12");
  EXPECT_EQ(Model().nodeValue(3), 30);
  EXPECT_EQ(ReportHtml(), report);
}

TEST_F(RefreshTest, NodeListsOfferTheProperDivisorsOfTheParent) {
  Type("12");
  EXPECT_EQ(ListItems(NodeCombo(2)), QStringList({"2", "3", "4", "6"}));
  EXPECT_EQ(ListItems(NodeCombo(3)), QStringList({"2", "3", "4", "6"}));
  EXPECT_EQ(ListItems(NodeCombo(4)), QStringList({"2", "3"}));  // parent 6
  EXPECT_EQ(NodeCombo(2).Text(), "6");
  EXPECT_EQ(NodeCombo(3).Text(), "2");
  Type("32");
  EXPECT_EQ(ListItems(NodeCombo(4)), QStringList({"2", "4", "8"}));  // parent 16: 4 once
}

TEST_F(RefreshTest, EnterTakesOnlyATextEqualToAListItem) {
  const struct {
    QString typed;
    double node2;
  } cases[] = {{"4", 4}, {"04", 6}, {" 4", 6}, {"4 ", 6}, {"", 6}, {"5", 6}};
  for (const auto& c : cases) {
    Type("12");
    QtComboBox& combo = NodeCombo(2);
    combo.setFocus();
    combo.setEditText(c.typed);
    QTest::keyClick(&combo, Qt::Key_Return);
    EXPECT_EQ(Model().nodeValue(2), c.node2) << '"' << c.typed.toStdString() << '"';
    EXPECT_EQ(NodeCombo(2).ListCount(), 4) << "nothing inserted";
  }
}

TEST_F(RefreshTest, EntriesWithoutATree) {
  Type("12");
  Type("7");  // a prime: the root box alone, centred; no node is visited
  EXPECT_EQ(Model().levelCount, 1);
  EXPECT_EQ(Model().contentWidth[0], 0);
  EXPECT_FALSE(NodeCombo(1).Visible());
  EXPECT_DOUBLE_EQ(RootBox().Left(), (Canvas(0).ScaleWidth() - Combo(1).Width()) / 2);
  for (QtComboBox* combo : window->findChildren<QtComboBox*>()) EXPECT_FALSE(combo->Visible());

  for (const QString entry : {"0", "1"}) {
    Type(entry);
    EXPECT_EQ(Model().levelCount, 1) << "kept from the last tree";
    for (QtLabel* label : window->findChildren<QtLabel*>("lblPrimFact_1")) {
      EXPECT_FALSE(label->Visible());
    }
    EXPECT_EQ(RootBox().Text(), entry);
    EXPECT_TRUE(ReportHtml().contains("This number is neither prime nor composite"));
  }
}

TEST_F(RefreshTest, IgnoredTextsChangeNothing) {
  Type("12");
  const QString report = ReportHtml();
  Entry().setText("   ");  // blanks only
  EXPECT_EQ(Model().nodeValue(1), 12);
  for (const QString junk : {"-12", "12.5", "1e5", "1,234", "abc", "+7"}) {
    Entry().setText(junk);  // as pasted: the key filter never sees it
    EXPECT_EQ(Model().nodeValue(1), 12) << junk.toStdString();
  }
  Entry().clear();
  EXPECT_EQ(Model().nodeValue(1), 12);
  EXPECT_EQ(ReportHtml(), report);
  EXPECT_EQ(RootBox().Text(), "12");
}

TEST_F(RefreshTest, KeyFilterLetsOnlyDigitsThroughButKeepsEditingKeys) {
  Type("1a2-3 .4");
  EXPECT_EQ(Entry().Text(), "1234");
  QTest::keyClick(&Entry(), Qt::Key_Home);
  QTest::keyClick(&Entry(), Qt::Key_Delete);
  QTest::keyClick(&Entry(), Qt::Key_End);
  QTest::keyClick(&Entry(), Qt::Key_Backspace);
  EXPECT_EQ(Entry().Text(), "23");
  EXPECT_EQ(Model().nodeValue(1), 23);

  // Fifteen characters at most: a sixteenth is refused, pasted text is cut.
  Type("1234567890123456");
  EXPECT_EQ(Entry().Text(), "123456789012345");
  QGuiApplication::clipboard()->setText("98765432109876543");
  QTest::keyClick(&Entry(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&Entry(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Entry().Text(), "987654321098765");
  EXPECT_EQ(Model().nodeValue(1), 987654321098765);
  Type("23");
  QTest::keyClick(&Entry(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&Entry(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "23");
}

TEST_F(RefreshTest, LeadingZerosAreWrittenBackThroughANestedRefresh) {
  Type("0012");
  EXPECT_EQ(Entry().Text(), "12");
  EXPECT_EQ(RootBox().Text(), "12");
  EXPECT_EQ(Model().nodeValue(2), 6);
  EXPECT_TRUE(NodeCombo(2).Visible());
  EXPECT_TRUE(ReportHtml().contains("12 = 2 x 2 x 3"));

  Type("007");  // a prime is not laid out, so its text stays
  EXPECT_EQ(Entry().Text(), "007");
  EXPECT_TRUE(ReportHtml().contains("The prime factorization of 7 is 7."));
}

TEST_F(RefreshTest, EachAcceptedTextRefreshesOnce) {
  Type("1");
  EXPECT_EQ(ReportWrites([&] { QTest::keyClicks(&Entry(), "23"); }), 2);  // "12", "123"
  EXPECT_EQ(ReportWrites([&] { Entry().SetText("123"); }), 0);
  EXPECT_EQ(ReportWrites([&] { RootBox().SetText("45"); }), 1);  // the root box edits the entry
  EXPECT_EQ(Entry().Text(), "45");
  EXPECT_EQ(ReportWrites([&] { Entry().SetText("x"); }), 0);
}

TEST_F(RefreshTest, FifteenPrimeFactorsFitSixteenDoNot) {
  Type("32768");
  EXPECT_EQ(Model().levelCount, 15);
  EXPECT_EQ(Model().nodeValue(16384), 2);
  EXPECT_EQ(Model().nodeValue(16385), 2);
  EXPECT_TRUE(NodeCombo(16385).Visible());

  Type("65536");
  EXPECT_TRUE(Model().entryTooDeep);
  for (QtComboBox* combo : window->findChildren<QtComboBox*>()) EXPECT_FALSE(combo->Visible());
  EXPECT_DOUBLE_EQ(RootBox().Left(), (Canvas(0).ScaleWidth() - Combo(1).Width()) / 2);
  const QString report = ReportHtml();
  EXPECT_TRUE(
      report.contains("65,536 = 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2"));
  EXPECT_TRUE(report.contains("too deep to draw"));
  EXPECT_EQ(report.count("<tr>"), 16);
}

TEST_F(RefreshTest, LargestEntriesRefreshCompletely) {
  Type("999999999999989");
  EXPECT_TRUE(Model().entryIsPrime);
  Type("222622144044300");
  EXPECT_EQ(Model().levelCount, 15);
  EXPECT_EQ(NodeCombo(2).ListCount(), 13822);
  EXPECT_TRUE(ReportHtml().contains("222,622,144,044,300 = "));
}

// Random entries and picks, as a restless user makes them: after each, every composite node of
// the shown tree is the product of its two children, and the report is that of the entry.
TEST_F(RefreshTest, RandomEntriesAndPicksKeepTheTreeConsistent) {
  std::mt19937_64 random(12345);
  for (int step = 0; step < 150; ++step) {
    std::vector<QtComboBox*> shown;
    for (QtComboBox* combo : window->findChildren<QtComboBox*>()) {
      if (combo->Visible() && combo->ListCount() > 0 && !combo->objectName().isEmpty())
        shown.push_back(combo);
    }
    if (shown.empty() || random() % 3 == 0) {
      const int digits = 1 + static_cast<int>(random() % 12);
      Type(QString::number(random() % static_cast<std::uint64_t>(std::pow(10.0, digits))));
    } else {
      QtComboBox* combo = shown[random() % shown.size()];
      Pick(combo->Tag().toInt(), combo->List(static_cast<int>(random() % combo->ListCount())));
    }
    const double entry = Model().nodeValue(1);
    ASSERT_EQ(ReportHtml(), report::ReportText(entry, QLocale(), 15)) << entry;
    if (entry <= 1 || Model().entryIsPrime) continue;
    for (QtComboBox* combo : window->findChildren<QtComboBox*>()) {
      if (!combo->Visible() || combo->objectName().isEmpty()) continue;
      const int node = combo->Tag().toInt();
      const int parent = node / 2;
      ASSERT_EQ(Model().nodeValue(2 * parent) * Model().nodeValue(2 * parent + 1),
                Model().nodeValue(parent))
          << "entry " << entry << " node " << node;
      EXPECT_EQ(combo->Text().toDouble(), Model().nodeValue(node));
    }
  }
}

}  // namespace
