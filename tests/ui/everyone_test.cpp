// The window for no colour, no mouse, a dark theme, right-to-left locales and plain-text pastes.

#include <QAccessible>
#include <QTextBlock>
#include <QTextLayout>

#include "support/main_window_fixture.h"

namespace {

std::string Says(QObject& object, QAccessible::Text text = QAccessible::Name) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&object);
  return accessible != nullptr ? accessible->text(text).toStdString() : "";
}

class Everyone : public MainWindowTest {
 protected:
  QString ReadAloud() {
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(&Report())->textInterface();
    return text != nullptr ? text->text(0, text->characterCount()) : "no text interface";
  }
};

TEST_F(Everyone, ControlsSayWhatTheyAre) {
  EXPECT_EQ(Says(Entry()), "Enter an integer to find its prime factors");
  EXPECT_EQ(Find<QLabel>("lblInfo").buddy(), &Entry());
  EXPECT_EQ(Says(HScroll(1)), "Scroll the read-only factor tree left and right");
  const char* panes[] = {"interactive factor tree", "read-only factor tree", "report"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Says(Button(i)), std::string("Hide ") + panes[i]);
  QTest::mouseClick(&Button(0), Qt::LeftButton);
  EXPECT_EQ(Says(Button(0)), "Show interactive factor tree");
}

TEST_F(Everyone, NodesSayWhereTheyStandAfterEveryChoice) {
  Type("360");
  EXPECT_EQ(Says(RootBox()), "Number being factored");
  EXPECT_EQ(Says(RootBox(), QAccessible::Description),
            "360, composite, the root of the factor tree");
  Pick(2, "12");
  Pick(4, "2");
  EXPECT_EQ(Says(NodeCombo(3)), "30, composite, a factor of 360");
  EXPECT_EQ(Says(NodeCombo(3), QAccessible::Value), "30");
  EXPECT_EQ(Says(NodeCombo(10), QAccessible::Description),
            "3, prime, a factor of 6; level 4 of the interactive factor tree; its list holds the "
            "ways to split 6");
  EXPECT_EQ(Says(NodeLabel(1)), "360, composite, the number being factored");
  EXPECT_EQ(Says(NodeLabel(4)), "2, prime, a factor of 12");
}

TEST_F(Everyone, WhatIsReadAloudFollowsEachEntryWithPowersAsPowers) {
  Type("360");
  EXPECT_TRUE(ReadAloud().contains(QStringLiteral("360 = 2 x 2 x 2 x 3 x 3 x 5 or 2³x 3²x 5")))
      << ReadAloud().toStdString();
  EXPECT_TRUE(ReadAloud().contains("2 | 360")) << ReadAloud().toStdString();
  Type("1234567");  // 127 × 9721
  EXPECT_EQ(Says(NodeLabel(2)), "9,721, prime, a factor of 1,234,567");
  EXPECT_TRUE(ReadAloud().contains("1,234,567 = 127 x 9,721")) << ReadAloud().toStdString();
}

TEST_F(Everyone, FixedBackgroundsKeepReadableTextUnderADarkPalette) {
  const QPalette desktop = QApplication::palette();
  QPalette dark = desktop;
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Window, QColor(45, 45, 45));
  for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    dark.setColor(role, QColor(230, 230, 230));
  QApplication::setPalette(dark);
  Renew();
  Type("360");
  Pick(2, "12");
  QApplication::setPalette(desktop);
  for (QWidget* box : std::initializer_list<QWidget*>{
           &Entry(), &RootBox(), &NodeCombo(2), NodeCombo(5).lineEdit(), NodeCombo(5).view()}) {
    const QPalette& p = box->palette();
    EXPECT_LT(p.color(QPalette::Text).lightnessF() - p.color(QPalette::Base).lightnessF(), -0.5)
        << box->objectName().toStdString();
  }
  EXPECT_EQ(Canvas(1).palette().color(QPalette::WindowText), Qt::black);
}

TEST_F(Everyone, EquationsReadLeftToRightInAnArabicLocale) {
  QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
  QApplication::setLayoutDirection(Qt::RightToLeft);
  Renew();
  Type("360");
  QApplication::setLayoutDirection(Qt::LeftToRight);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{&Entry(), &Report(), &Canvas(0), &RootBox()})
    EXPECT_EQ(widget->layoutDirection(), Qt::LeftToRight) << widget->objectName().toStdString();

  // "٣٦٠ = ٢ x …": the number left of the equals sign, the first factor right of it.
  QTextCursor at = Report().document()->find(QLocale().toString(360) + " =");
  ASSERT_FALSE(at.isNull());
  const QTextBlock block = at.block();
  const auto x = [&](int position) {
    const int inBlock = position - block.position();
    return block.layout()->lineForTextPosition(inBlock).cursorToX(inBlock);
  };
  const int equals = at.selectionEnd() - 1;
  EXPECT_LT(x(at.selectionStart()), x(equals));
  EXPECT_LT(x(equals), x(equals + 3));
}

// Plain text has superscripts of 0 to 9 alone, so an Arabic copy writes the powers with those,
// never as run-together digits.
TEST_F(Everyone, CopyGivesPlainTextAsAPersonWritesIt) {
  QClipboard& clipboard = *QGuiApplication::clipboard();
  const auto copyAll = [&](const QString& entry) { return CopiedReport(entry).toStdString(); };
  const std::string tail =
      "To prime factor a number, begin dividing by the smallest possible prime and continue "
      "until the quotient is a prime number.";
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
  QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
  Renew();
  EXPECT_NE(copyAll("360").find(" ٢³x ٣²x ٥\n"), std::string::npos);
}

}  // namespace
