// The program's start and end through its main window.

#include "app/start.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QTimer>

#include "app/frmAbout.h"
#include "app/program_icon.h"
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

}  // namespace
