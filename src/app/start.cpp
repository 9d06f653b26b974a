#include "app/start.h"

#include <QLocale>

#include "ui/frmMain.h"

namespace modMain {

void ChooseNumberLocale() {
  if (QLocale::system().language() == QLocale::C) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
}

void Main() {
  // The window deletes itself when closed; with no window left the application's loop ends.
  auto* window = new frmMain;  // loads the window, report view included
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->showMaximized();
}

}  // namespace modMain
