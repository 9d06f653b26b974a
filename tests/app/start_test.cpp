// The program's start and end through its main window.

#include "app/start.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

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
  const QIcon icon = window->windowIcon();  // a picture at every size it ships
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QPixmap picture = icon.pixmap(QSize(size, size));
    EXPECT_EQ(picture.size(), QSize(size, size)) << size;
    EXPECT_TRUE(picture.hasAlphaChannel()) << size;
  }
}

TEST_F(Start, ClosingTheWindowEndsTheProgram) {
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull()) << "the closed window is unloaded";
  // With no window left, the application's loop ends.
  EXPECT_TRUE(QApplication::quitOnLastWindowClosed());
  for (QWidget* top : QApplication::topLevelWidgets()) EXPECT_FALSE(top->isVisible());
}

}  // namespace
