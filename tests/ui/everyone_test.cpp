// The window for people who do not see colour, use no mouse, run a dark theme or a right-to-left
// locale, and paste the report as plain text.

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "support/main_window_fixture.h"

namespace {

std::string AccessibleText(QObject& object, QAccessible::Text text) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&object);
  return accessible != nullptr ? accessible->text(text).toStdString() : "";
}

class Everyone : public MainWindowTest {
 protected:
  // The accessible name of the shown node label that carries the node's tag.
  std::string LabelSays(int node) {
    for (QtLabel* label : window->findChildren<QtLabel*>(QRegularExpression("^lblPrimFact_")))
      if (label->isVisibleTo(window.get()) && label->Tag() == QString::number(node))
        return AccessibleText(*label, QAccessible::Name);
    return "no label";
  }
};

TEST_F(Everyone, ControlsSayWhatTheyAre) {
  EXPECT_EQ(AccessibleText(Entry(), QAccessible::Name),
            "Enter an integer to find its prime factors");
  EXPECT_EQ(Find<QLabel>("lblInfo").buddy(), &Entry());
  EXPECT_EQ(AccessibleText(HScroll(1), QAccessible::Name),
            "Scroll the read-only factor tree left and right");
  const char* panes[] = {"interactive factor tree", "read-only factor tree", "report"};
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(AccessibleText(Button(i), QAccessible::Name), std::string("Hide ") + panes[i]);
  QTest::mouseClick(&Button(0), Qt::LeftButton);
  EXPECT_EQ(AccessibleText(Button(0), QAccessible::Name), "Show interactive factor tree");
}

TEST_F(Everyone, NodesSayWhereTheyStandAfterEveryChoice) {
  Type("360");
  EXPECT_EQ(AccessibleText(RootBox(), QAccessible::Name), "Number being factored");
  EXPECT_EQ(AccessibleText(RootBox(), QAccessible::Description),
            "360, composite, the root of the factor tree");
  Pick(2, "12");
  Pick(4, "2");
  EXPECT_EQ(AccessibleText(NodeCombo(3), QAccessible::Name), "30, composite, a factor of 360");
  EXPECT_EQ(AccessibleText(NodeCombo(3), QAccessible::Value), "30");
  EXPECT_EQ(AccessibleText(NodeCombo(10), QAccessible::Description),
            "3, prime, a factor of 6; level 4 of the interactive factor tree; its list holds the "
            "ways to split 6");
  EXPECT_EQ(LabelSays(1), "360, composite, the number being factored");
  EXPECT_EQ(LabelSays(4), "2, prime, a factor of 12");
}

TEST_F(Everyone, WhatTheWindowSaysFollowsANewEntry) {
  Type("360");
  Type("1234567");  // 127 × 9721
  EXPECT_EQ(LabelSays(2), "9,721, prime, a factor of 1,234,567");
  QAccessibleInterface* report = QAccessible::queryAccessibleInterface(&Report());
  ASSERT_NE(report->textInterface(), nullptr);
  const QString reportText =
      report->textInterface()->text(0, report->textInterface()->characterCount());
  EXPECT_TRUE(reportText.contains("1,234,567 = 127 x 9,721")) << reportText.toStdString();
}

TEST_F(Everyone, TheReportScrollsFromTheKeyboard) {
  Type("222622144044300");  // a long division table
  Report().setFocus();
  const QScrollBar& bar = *Report().verticalScrollBar();
  for (const Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End}) {
    const int before = bar.value();
    QTest::keyClick(&Report(), key);
    EXPECT_GT(bar.value(), before) << key;
  }
}

TEST_F(Everyone, TheKeyboardPopsUpTheEditMenuOverTheReport) {
  Type("12");
  Report().setFocus();
  const auto popUp = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    return CopyEnabledInEditMenu([&] { QTest::keyClick(&Report(), key, modifiers); });
  };
  EXPECT_EQ(popUp(Qt::Key_Menu, {}), std::optional(false)) << "nothing selected";
  QTest::keyClick(&Report(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(popUp(Qt::Key_F10, Qt::ShiftModifier), std::optional(true));
}

TEST_F(Everyone, FixedBackgroundsKeepReadableTextUnderADarkPalette) {
  const QPalette desktop = QApplication::palette();
  QPalette dark = desktop;
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Window, QColor(45, 45, 45));
  for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    dark.setColor(role, QColor(230, 230, 230));
  QApplication::setPalette(dark);
  window = std::make_unique<TestWindow>();
  window->show();
  Type("360");
  Pick(2, "12");
  QApplication::setPalette(desktop);

  const auto textOn = [](QWidget& box) {
    return box.palette().color(QPalette::Text).lightnessF() -
           box.palette().color(QPalette::Base).lightnessF();
  };
  for (QWidget* box : std::initializer_list<QWidget*>{
           &Entry(), &RootBox(), &NodeCombo(2), NodeCombo(5).lineEdit(), NodeCombo(5).view()}) {
    EXPECT_LT(textOn(*box), -0.5) << box->objectName().toStdString();
  }
  EXPECT_EQ(Canvas(1).palette().color(QPalette::WindowText), Qt::black);
}

TEST_F(Everyone, EquationsReadLeftToRightInAnArabicLocale) {
  QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
  QApplication::setLayoutDirection(Qt::RightToLeft);
  window = std::make_unique<TestWindow>();
  window->show();
  Type("360");
  QApplication::setLayoutDirection(Qt::LeftToRight);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{&Entry(), &Report(), &Canvas(0), &RootBox()})
    EXPECT_EQ(widget->layoutDirection(), Qt::LeftToRight) << widget->objectName().toStdString();

  // "٣٦٠ = ٢ x …": the number left of the equals sign, the first factor right of it.
  const QString number = QLocale().toString(360);
  QTextCursor at = Report().document()->find(number + " =");
  ASSERT_FALSE(at.isNull());
  const QTextBlock block = at.block();
  const QTextLayout& layout = *block.layout();
  const auto x = [&](int position) {
    const int inBlock = position - block.position();
    return layout.lineForTextPosition(inBlock).cursorToX(inBlock);
  };
  const int equals = at.selectionEnd() - 1;
  EXPECT_LT(x(at.selectionStart()), x(equals));
  EXPECT_LT(x(equals), x(equals + 3));
}

TEST_F(Everyone, CopyGivesPlainTextAsAPersonWritesIt) {
  QClipboard& clipboard = *QGuiApplication::clipboard();
  const auto copyAll = [&](const QString& entry) {
    Type(entry);
    Find<QAction>("mnuEditSelectAll").trigger();
    Find<QAction>("mnuEditCopy").trigger();
    return clipboard.text().toStdString();
  };
  const std::string tail =
      "To prime factor a number, begin dividing by the smallest possible prime and continue "
      "until the quotient is a prime number.";
  EXPECT_EQ(copyAll("12"),
            "The prime factorization of 12 is\n\n12 = 2 x 2 x 3 or 2²x 3\n"
            "Upside-down division :\n\n2 | 12\n2 | 6\n    3\n\n" +
                tail);
  EXPECT_EQ(copyAll("1001"),
            "The prime factorization of 1,001 is\n\n1,001 = 7 x 11 x 13\n"
            "Upside-down division :\n\n 7 | 1,001\n11 | 143\n     13\n\n" +
                tail);
  EXPECT_TRUE(clipboard.mimeData()->hasHtml());
  EXPECT_NE(copyAll("1024").find(" or 2¹⁰\n"), std::string::npos);
  copyAll("360");

  const auto copyPart = [&](const QString& from, int blocks) {
    QTextCursor part = Report().document()->find(from);
    part.setPosition(part.selectionStart());
    part.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, blocks);
    Report().setTextCursor(part);
    Find<QAction>("mnuEditCopy").trigger();
    return clipboard.text().toStdString();
  };
  EXPECT_EQ(copyPart("3 x 5 or", 1), "3 x 5 or 2³x 3²x 5");
  EXPECT_EQ(copyPart("division", 6),
            "division :\n\n2 | 360\n2 | 180\n2 | 90\n3 | 45\n3 | 15\n    5");
}

}  // namespace
