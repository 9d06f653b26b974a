// The program's start and end through its main window, and the about box it shows.

#include "app/start.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLibraryInfo>
#include <QPointer>
#include <QTimer>

#include "app/frmAbout.h"
#include "app/program_icon.h"
#include "program_info.h"
#include "ui/frmMain.h"

namespace {

// The window Main shows, found among the top-level windows.
class Start : public ::testing::Test {
 protected:
  void SetUp() override {
    QApplication::setWindowIcon(ProgramIcon());  // as main() does
    modMain::Main();
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* main = qobject_cast<frmMain*>(top); main && main->isVisible()) window = main;
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override { delete window.data(); }

  QPointer<frmMain> window;
};

TEST_F(Start, MainShowsTheWindowMaximisedWithItsIcon) {
  EXPECT_EQ(window->windowTitle(), "Kestrelon (Prime Factorization)");
  EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
  for (int size : {16, 32, 48, 64, 128, 256}) {  // a picture at every size it ships
    const QPixmap picture = window->windowIcon().pixmap(QSize(size, size));
    EXPECT_EQ(std::pair(picture.size(), picture.hasAlphaChannel()),
              std::pair(QSize(size, size), true));
  }
}

TEST_F(Start, AboutShowsTheBoxOverTheWindow) {
  QPointer<QWidget> aboutOwner;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget())) {
      aboutOwner = box->parentWidget();
      box->cmdOk_Click();
    }
  });
  window->findChild<QAction*>("mnuAbout")->trigger();
  EXPECT_EQ(aboutOwner, window.data());
}

TEST_F(Start, ClosingTheWindowEndsTheProgram) {
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull()) << "the closed window is unloaded";
  EXPECT_TRUE(QApplication::quitOnLastWindowClosed());
  for (QWidget* top : QApplication::topLevelWidgets()) EXPECT_FALSE(top->isVisible());
}

// The program speaks the first of the locale's languages it has a catalog for (Portuguese has
// none); Qt's own words follow it, and English is what it speaks with none.
TEST(Language, UseLanguageTakesTheFirstLanguageWithACatalog) {
  const struct {
    const char *locale, *language, *exit;  // File > Exit as the window then shows it
  } cases[] = {{"de_CH", "de", "&Beenden"}, {"fr_CA", "fr", "&Quitter"}, {"es_MX", "es", "&Salir"},
               {"pt_BR", "", "E&xit"},      {"en_GB", "", "E&xit"},      {"C", "", "E&xit"}};
  for (const auto& c : cases) {
    EXPECT_EQ(modMain::UseLanguage(QLocale(QString::fromLatin1(c.locale))), c.language) << c.locale;
    frmMain window;
    EXPECT_EQ(window.findChild<QAction*>("mnuFileExit")->text(), c.exit) << c.locale;
  }
  modMain::UseLanguage(QLocale::c());
}

TEST(Language, QtsOwnWordsFollowTheProgramsLanguage) {
  if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
    GTEST_SKIP() << "Qt's translations are not installed";
  modMain::UseLanguage(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "&Rückgängig");
  modMain::UseLanguage(QLocale::c());
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "&Undo");
}

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
