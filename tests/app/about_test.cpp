// The about box's design; its modal showing is driven from the main window's tests.

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>

#include "app/frmAbout.h"
#include "app/start.h"
#include "program_info.h"

namespace {

TEST(AboutTest, IsAFixedSizeBoxWithOnlyACloseButton) {
  frmAbout box(nullptr);
  EXPECT_EQ(box.minimumSize(), box.maximumSize());
  const auto buttons =
      Qt::CustomizeWindowHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
  EXPECT_EQ(box.windowFlags() & buttons, Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
}

TEST(AboutTest, ShowsTheConfiguredVersion) {
  frmAbout box(nullptr);
  EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("lblinfo_1"))->text(),
            QString("Kestrelon (Prime Factorization) version ") + program_info::kVersion);
}

TEST(AboutTest, EveryLineFitsWhollyAboveTheSeparatorInEveryLanguage) {
  for (const char* locale : {"C", "de_DE", "fr_FR", "es_ES"}) {
    modMain::UseLanguage(QLocale(QString::fromLatin1(locale)));
    frmAbout box(nullptr);
    const auto* line = box.findChild<QFrame*>(QStringLiteral("Line1"));
    EXPECT_EQ(line->geometry().topLeft(), QPoint(4, 172));
    const auto labels = box.findChildren<QLabel*>();
    ASSERT_GE(labels.size(), 5);
    for (const QLabel* label : labels) {
      const QRect room = label->geometry();
      const QSize needed = label->wordWrap()
                               ? QSize(room.width(), label->heightForWidth(room.width()))
                               : label->sizeHint();
      SCOPED_TRACE(locale + (" " + label->objectName().toStdString()));
      EXPECT_LE(needed.width(), room.width());
      EXPECT_LE(needed.height(), room.height());
      EXPECT_LT(room.bottom(), line->y());
      EXPECT_LE(room.right(), box.width());
    }
  }
  modMain::UseLanguage(QLocale::c());
}

}  // namespace
