// Node edits that are not taken, refused and cut entries, write-backs and small windows.

#include "support/main_window_fixture.h"

namespace {

class EditsAndRefusals : public MainWindowTest {
 protected:
  // Pastes `text` into a box from the clipboard, as Ctrl+V does.
  void Paste(QtTextBox& box, const QString& text) {
    QApplication::clipboard()->setText(text);
    box.setFocus();
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
  }
};

// Node 3 holds 2, a prime; 5 divides nothing of 12. Enter leaves the text for the user to
// correct, shown as being edited, not as a prime.
TEST_F(EditsAndRefusals, ATypedNonDivisorStaysUntilTheFocusLeaves) {
  Type("12");
  const QString report = Report().toHtml();
  QtComboBox& node = NodeCombo(3);
  node.setFocus();
  node.lineEdit()->selectAll();
  QTest::keyClicks(&node, "5\r");
  EXPECT_EQ(node.Text(), "5");
  EXPECT_NE(node.lineEdit()->palette().color(QPalette::Base), QColor(Qt::yellow));
  EXPECT_EQ(std::pair(Model().nodeValue(3), NodeCombo(2).Text()), std::pair(2.0, QString("6")));
  EXPECT_EQ(Report().toHtml(), report);
  Entry().setFocus();
  EXPECT_EQ(node.Text(), "2");
  EXPECT_EQ(node.lineEdit()->palette().color(QPalette::Base), QColor(Qt::yellow));
}

TEST_F(EditsAndRefusals, EscapeReturnsATypedTextToTheNodesValue) {
  Type("12");
  NodeCombo(2).setFocus();
  QTest::keyClicks(&NodeCombo(2), "5");
  QTest::keyClick(&NodeCombo(2), Qt::Key_Escape);
  EXPECT_EQ(NodeCombo(2).Text(), "6");
}

TEST_F(EditsAndRefusals, ARefusedEntryIsMarkedUntilATextIsTaken) {
  Type("12");
  const QColor accepted = Entry().palette().color(QPalette::Base);
  for (const QString text : {"1,000", "-12", ""}) {
    SCOPED_TRACE(text.toStdString());
    Paste(Entry(), text);
    if (text.isEmpty()) QTest::keyClick(&Entry(), Qt::Key_Delete);
    EXPECT_EQ(Entry().Text(), text);
    EXPECT_NE(Entry().palette().color(QPalette::Base), accepted);
    EXPECT_TRUE(Entry().toolTip().contains("A whole number of up to 15 digits"));
    EXPECT_TRUE(Entry().toolTip().contains("still show 12")) << Entry().toolTip().toStdString();
    EXPECT_TRUE(Entry().accessibleDescription().contains("still show 12"));
    EXPECT_EQ(Model().nodeValue(1), 12);
  }
  Type("18");
  EXPECT_EQ(Entry().palette().color(QPalette::Base), accepted);
  EXPECT_EQ(Entry().toolTip(), "18");
  EXPECT_EQ(Entry().accessibleDescription(), "A whole number of up to 15 digits");
}

TEST_F(EditsAndRefusals, APasteTooLongForTheBoxIsRefusedWhole) {
  Type("12");
  Paste(Entry(), "1234567890123456");
  EXPECT_EQ(std::pair(Entry().Text(), Model().nodeValue(1)), std::pair(QString("12"), 12.0));
  EXPECT_TRUE(Entry().toolTip().contains("longer")) << Entry().toolTip().toStdString();
  Paste(RootBox(), "1234567890123456");
  EXPECT_EQ(RootBox().Text(), "12");
  Paste(Entry(), "123456789012345");
  EXPECT_EQ(Model().nodeValue(1), 123456789012345);
}

TEST_F(EditsAndRefusals, AWriteBackOfTheShownNumberKeepsTheChoices) {
  Type("360");
  Pick(2, "12");
  for (QtTextBox* box : {&Entry(), &RootBox()}) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
  }
  Wheel(Canvas(0).View(), {0, -120});
  EXPECT_EQ(Model().nodeValue(2), 12);
  EXPECT_EQ(std::pair(RootBox().Text(), Entry().Text()), std::pair(QString("360"), QString("360")));
}

// 180 is the last item of 360's node 2: nothing after it; node 3's list is filled anew.
TEST_F(EditsAndRefusals, UpAndDownStepFromTheNodesValue) {
  Type("360");
  NodeCombo(2).setFocus();
  QTest::keyClick(&NodeCombo(2), Qt::Key_Down);
  EXPECT_EQ(Model().nodeValue(2), 180);
  Pick(2, "12");
  QTest::keyClick(&NodeCombo(2), Qt::Key_Down);
  EXPECT_EQ(std::pair(Model().nodeValue(2), Model().nodeValue(3)), std::pair(15.0, 24.0));
  QTest::keyClick(&NodeCombo(2), Qt::Key_Up);
  EXPECT_EQ(Model().nodeValue(2), 12);
  Pick(2, "3");
  QTest::keyClick(&NodeCombo(2), Qt::Key_Up);
  EXPECT_EQ(Model().nodeValue(2), 2) << "the first item";
  QTest::keyClick(&NodeCombo(2), Qt::Key_Up);
  EXPECT_EQ(Model().nodeValue(2), 2) << "nothing before the first item";
  Pick(2, "12");
  QTest::keyClick(&NodeCombo(3), Qt::Key_Down);
  EXPECT_EQ(Model().nodeValue(3), 36) << "the divisor after 30";
}

TEST_F(EditsAndRefusals, TheWindowKeepsTheTrayButtonsAndANodeOfEveryPaneInside) {
  SetInnerSize(200 * 15, 150 * 15);
  const QRect inner = window->centralWidget()->rect();
  EXPECT_TRUE(inner.contains(Entry().geometry().translated(Entry().parentWidget()->pos())));
  for (int i = 0; i < 3; ++i) EXPECT_LE((Button(i).Top() + 315) / 15, inner.height()) << i;
  for (int i = 0; i < 2; ++i) EXPECT_GE(Canvas(i).ScaleHeight(), 315 + 255) << "room for a node";
  const QSize smallest = window->size();
  QTest::mouseClick(&Button(2), Qt::LeftButton);
  SetInnerSize(200 * 15, 150 * 15);
  EXPECT_LT(window->height(), smallest.height()) << "fewer panes need less room";
}

}  // namespace
