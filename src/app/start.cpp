#include "app/start.h"

#include <QLocale>

#include "app/frmAbout.h"
#include "toolkit/toolkit.h"
#include "ui/frmMain.h"

namespace modMain {

void ChooseNumberLocale() {
  if (QLocale::system().language() == QLocale::C) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
}

void ConnectCommands(frmMain& window) {
  window.onExit = [] { toolkit::End(); };
  window.onAbout = [&window] { frmAbout::ShowModal(&window); };
}

void Main() {
  // The window deletes itself when closed; with no window left the application's loop ends.
  auto* window = new frmMain;  // loads the window, report view included
  ConnectCommands(*window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->showMaximized();
}

}  // namespace modMain
