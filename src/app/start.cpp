#include "app/start.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "app/frmAbout.h"
#include "toolkit/toolkit.h"
#include "ui/frmMain.h"

namespace {

// The catalogs in use, the program's and Qt's own; empty while the program speaks English.
std::unique_ptr<QTranslator> programCatalog;
std::unique_ptr<QTranslator> qtCatalog;

}  // namespace

namespace modMain {

void ChooseNumberLocale() {
  if (QLocale::system().language() == QLocale::C) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
}

QString UseLanguage(const QLocale& locale) {
  // Destroying a translator removes it from the application.
  qtCatalog.reset();
  programCatalog.reset();
  auto program = std::make_unique<QTranslator>();
  // The catalogs are built into the program, one per language: kestrelon_de.qm, ...
  if (!program->load(locale, QStringLiteral("kestrelon"), QStringLiteral("_"),
                     QStringLiteral(":/i18n")) ||
      !QCoreApplication::installTranslator(program.get())) {
    return {};
  }
  const QString language = program->language();
  programCatalog = std::move(program);
  // Qt's own catalog of the same language, when the system has Qt's translations installed; the
  // program's words do not need it.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(qt.get())) {
    qtCatalog = std::move(qt);
  }
  return language;
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
