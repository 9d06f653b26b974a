// What the window shows is the tree's and is said right: node edits that are not taken, refused
// and cut entries, choices kept through a write-back, the report read aloud and small windows.

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QClipboard>
#include <QWheelEvent>

#include "support/main_window_fixture.h"
#include "ui/qt_canvas_view.h"

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
  QString ReportHtml() { return Report().toHtml(); }
};

TEST_F(EditsAndRefusals, ATypedNonDivisorReturnsToTheNodesValueWhenTheFocusLeaves) {
  Type("12");
  QtComboBox& node = NodeCombo(3);  // 2, a prime
  node.setFocus();
  QTest::keyClicks(&node, "5");
  EXPECT_NE(node.lineEdit()->palette().color(QPalette::Base), QColor(Qt::yellow))
      << "shown as being edited, not as a prime";
  Entry().setFocus();
  EXPECT_EQ(node.Text(), "2");
  EXPECT_EQ(node.lineEdit()->palette().color(QPalette::Base), QColor(Qt::yellow));
}

TEST_F(EditsAndRefusals, EscapeReturnsATypedTextToTheNodesValue) {
  Type("12");
  QtComboBox& node = NodeCombo(2);
  node.setFocus();
  QTest::keyClicks(&node, "5");
  QTest::keyClick(&node, Qt::Key_Escape);
  EXPECT_EQ(node.Text(), "6");
}

TEST_F(EditsAndRefusals, EnterOnATextNotInTheListMakesNoChoice) {
  Type("12");
  const QString report = ReportHtml();
  QtComboBox& node = NodeCombo(2);
  node.setFocus();
  node.lineEdit()->selectAll();
  QTest::keyClicks(&node, "5\r");
  EXPECT_EQ(node.Text(), "5") << "left for the user to correct";
  EXPECT_EQ(Model().nodeValue(2), 6);
  EXPECT_EQ(NodeCombo(3).Text(), "2");
  EXPECT_EQ(ReportHtml(), report);
}

TEST_F(EditsAndRefusals, TheReportIsReadWithPowersAsPowers) {
  Type("360");
  QAccessibleTextInterface* text =
      QAccessible::queryAccessibleInterface(&Report())->textInterface();
  ASSERT_NE(text, nullptr);
  const QString read = text->text(0, text->characterCount());
  EXPECT_TRUE(read.contains(QStringLiteral("360 = 2 x 2 x 2 x 3 x 3 x 5 or 2³x 3²x 5")))
      << read.toStdString();
  EXPECT_FALSE(read.contains("23x")) << read.toStdString();
  EXPECT_TRUE(read.contains("2 | 360")) << read.toStdString();
}

TEST_F(EditsAndRefusals, ARefusedEntryIsMarkedUntilATextIsTaken) {
  Type("12");
  const QColor accepted = Entry().palette().color(QPalette::Base);
  for (const QString text : {"1,000", "-12", ""}) {
    Paste(Entry(), text);
    if (text.isEmpty()) QTest::keyClick(&Entry(), Qt::Key_Delete);
    EXPECT_EQ(Entry().Text(), text);
    EXPECT_NE(Entry().palette().color(QPalette::Base), accepted) << text.toStdString();
    EXPECT_TRUE(Entry().toolTip().contains("A whole number of up to 15 digits"))
        << text.toStdString();
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
  EXPECT_EQ(Entry().Text(), "12");
  EXPECT_EQ(Model().nodeValue(1), 12);
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
  QWheelEvent wheel({5, 5}, Canvas(0).mapToGlobal(QPointF(5, 5)), {}, {0, -120}, {}, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(Canvas(0).View(), &wheel);
  EXPECT_EQ(Model().nodeValue(2), 12);
  EXPECT_EQ(RootBox().Text(), "360");
  EXPECT_EQ(Entry().Text(), "360");
}

TEST_F(EditsAndRefusals, UpAndDownStepFromTheNodesValue) {
  Type("360");
  NodeCombo(2).setFocus();
  QTest::keyClick(&NodeCombo(2), Qt::Key_Down);
  EXPECT_EQ(Model().nodeValue(2), 180) << "180 is the last item: nothing after it";
  Pick(2, "12");
  QTest::keyClick(&NodeCombo(2), Qt::Key_Down);
  EXPECT_EQ(Model().nodeValue(2), 15);
  EXPECT_EQ(Model().nodeValue(3), 24);
  QTest::keyClick(&NodeCombo(2), Qt::Key_Up);
  EXPECT_EQ(Model().nodeValue(2), 12);
}

TEST_F(EditsAndRefusals, TheWindowKeepsTheTrayButtonsAndANodeOfEveryPaneInside) {
  SetInnerSize(200 * 15, 150 * 15);
  const QRect inner = window->centralWidget()->rect();
  EXPECT_TRUE(inner.contains(Entry().geometry().translated(Entry().parentWidget()->pos())));
  const double nodeRoom = 315 + 255;
  for (int i = 0; i < 3; ++i) EXPECT_LE((Button(i).Top() + 315) / 15, inner.height()) << i;
  EXPECT_GE(Canvas(0).ScaleHeight(), nodeRoom);
  EXPECT_GE(Canvas(1).ScaleHeight(), nodeRoom);
  const QSize smallest = window->size();
  QTest::mouseClick(&Button(2), Qt::LeftButton);
  SetInnerSize(200 * 15, 150 * 15);
  EXPECT_LT(window->height(), smallest.height()) << "fewer panes need less room";
}

}  // namespace
