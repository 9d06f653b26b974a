#include <QApplication>

#include "app/program_icon.h"
#include "app/start.h"
#include "program_info.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The application name is also the X11 window class, which ties the window to the desktop
  // entry of the same id (its StartupWMClass); Wayland's app id comes from the desktop file name.
  QApplication::setApplicationName(QString::fromLatin1(program_info::kAppId));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(program_info::kAppId));
  QApplication::setOrganizationName(QString::fromLatin1(program_info::kDevelopers));
  QApplication::setApplicationVersion(QString::fromLatin1(program_info::kFileVersion));
  QApplication::setWindowIcon(ProgramIcon());
  modMain::ChooseNumberLocale();
  modMain::UseLanguage(QLocale::system());
  modMain::Main();
  return QApplication::exec();
}
