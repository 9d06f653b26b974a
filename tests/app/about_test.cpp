#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/frmAbout.h"

namespace {

TEST(AboutTest, ShowsItsDesign) {
  frmAbout box(nullptr);
  EXPECT_EQ(box.windowTitle(), QStringLiteral("About Kestrelon"));
  EXPECT_EQ(box.size(), QSize(312, 209));
  EXPECT_EQ(box.minimumSize(), box.maximumSize()) << "the box is not resizable";

  struct Element {
    const char* name;
    QString text;
    QRect pixels;  // the design's twips at 15 a pixel
  };
  const Element elements[] = {
      {"lblinfo_0", QStringLiteral("Kestrelon (Prime Factorization)"), QRect(4, 8, 195, 13)},
      {"cmdOk", QStringLiteral("Ok"), QRect(228, 180, 77, 25)},
  };
  for (const Element& e : elements) {
    SCOPED_TRACE(e.name);
    const auto* widget = box.findChild<QWidget*>(QLatin1String(e.name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), e.pixels);
    EXPECT_EQ(widget->property("text").toString(), e.text);
  }

  const QFont title = box.findChild<QLabel*>(QStringLiteral("lblinfo_0"))->font();
  EXPECT_TRUE(title.bold());
  EXPECT_DOUBLE_EQ(title.pointSizeF(), 8.25);

  const auto* line = box.findChild<QFrame*>(QStringLiteral("Line1"));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->frameShape(), QFrame::HLine);
  EXPECT_EQ(line->geometry().topLeft(), QPoint(4, 172));
  EXPECT_EQ(line->width(), 296);
}

TEST(AboutTest, ShowModalRunsUntilOkAndLoadsAFreshBoxEachTime) {
  QWidget owner;
  owner.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));

  for (int showing = 0; showing < 2; ++showing) {
    SCOPED_TRACE(showing);
    QPointer<frmAbout> shown;
    bool blocksOwner = false;
    QTimer::singleShot(0, [&] {
      shown = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
      if (shown == nullptr) return;
      blocksOwner = shown->parentWidget() == &owner && shown->isModal() &&
                    QGuiApplication::modalWindow() == shown->windowHandle();
      QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    });
    // Should Ok fail to close the box, this keeps the test from waiting forever.
    QTimer guard;
    guard.setSingleShot(true);
    guard.callOnTimeout([] {
      if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget())) stuck->reject();
    });
    guard.start(3000);

    frmAbout::ShowModal(&owner);

    EXPECT_TRUE(blocksOwner) << "a new box is shown modally over its owner";
    EXPECT_TRUE(shown.isNull()) << "the box is destroyed when it closes";
  }
  EXPECT_EQ(owner.findChildren<frmAbout*>().size(), 0);
}

}  // namespace
