#include <QApplication>
#include <QIcon>

#include "app/start.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kestrelon (Prime Factorization)");
  QApplication::setApplicationVersion("1.00");
  QApplication::setWindowIcon(QIcon(":/kestrelon.png"));
  modMain::ChooseNumberLocale();
  modMain::Main();
  return QApplication::exec();
}
