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
  EXPECT_EQ(box.windowTitle(), QStringLiteral("About Kestrelon"));
  EXPECT_EQ(box.size(), QSize(312, 209));
  EXPECT_EQ(box.minimumSize(), box.maximumSize());
  const auto buttons =
      Qt::CustomizeWindowHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
  EXPECT_EQ(box.windowFlags() & buttons, Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
}

TEST(AboutTest, ShowsTheConfiguredVersionAtItsDesignPlaces) {
  frmAbout box(nullptr);
  const struct {
    const char* name;
    QString text;
    QRect pixels;  // the design's twips at 15 a pixel
  } elements[] = {{"lblinfo_0", "Kestrelon (Prime Factorization)", {4, 8, 195, 13}},
                  {"lblinfo_1",
                   QString("Kestrelon (Prime Factorization) version ") + program_info::kVersion,
                   {4, 24, 296, 13}},
                  {"cmdOk", "Ok", {228, 180, 77, 25}}};
  for (const auto& e : elements) {
    const auto* widget = box.findChild<QWidget*>(QLatin1String(e.name));
    ASSERT_NE(widget, nullptr) << e.name;
    EXPECT_EQ(widget->geometry(), e.pixels) << e.name;
    EXPECT_EQ(widget->property("text").toString(), e.text) << e.name;
  }
  EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("lblinfo_0"))->font().bold());
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
