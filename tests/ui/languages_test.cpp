// The window in German, French and Spanish; English words are checked by the other tests.

#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionButton>

#include "app/frmAbout.h"
#include "support/main_window_fixture.h"

namespace {

// What a locale's window shows: the menu bar's titles, File's items and the report's Edit menu's
// items; the pane buttons' words and what a screen reader hears of the report's; the window's
// and the about box's captions; phrases of the reports of 360, 1 and 10001 as copied; what the
// root box and node 2 say after 360.
struct Language {
  const char *name, *locale, *language, *menus, *hide, *show, *hideReport, *caption, *about;
  const char *report360, *report1, *report10001, *root, *child;
};

const Language kLanguages[] = {
    {"German", "de_DE", "de", "&Datei | &Ansicht | &Über / &Beenden / &Alles auswählen | &Kopieren",
     "Ausblenden", "Einblenden", "Rechenweg ausblenden", "Kestrelon (Primfaktorzerlegung)",
     "Über Kestrelon",
     "von 360 lautet:\n\n360 = 2 · 2 · 2 · 3 · 3 · 5 oder 2³· 3²· 5\nFortgesetztes",
     "weder eine Primzahl noch eine zusammengesetzte Zahl\nUm eine Zahl", "10.001 = 73 · 137",
     "360, zusammengesetzte Zahl, die Wurzel des Faktorbaums",
     "180, zusammengesetzte Zahl, ein Teiler von 360"},
    {"French", "fr_FR", "fr",
     "&Fichier | &Affichage | À &propos / &Quitter / &Tout sélectionner | &Copier", "Masquer",
     "Afficher", "Masquer la démarche", "Kestrelon (Facteurs premiers)", "À propos de Kestrelon",
     "de 360 est :\n\n360 = 2 × 2 × 2 × 3 × 3 × 5 ou 2³× 3²× 5\nDivisions",
     "Ce nombre n'est ni premier ni composé\nPour décomposer", "10 001 = 73 × 137",
     "360, composé, la racine de l'arbre de facteurs", "180, composé, un diviseur de 360"},
    {"Spanish", "es_ES", "es",
     "&Archivo | &Ver | Acerca &de / &Salir / Seleccionar &todo | &Copiar", "Ocultar", "Mostrar",
     "Ocultar el procedimiento", "Kestrelon (Factores primos)", "Acerca de Kestrelon",
     "de 360 es:\n\n360 = 2 · 2 · 2 · 3 · 3 · 5 o 2³· 3²· 5\nDivisiones",
     "Este número no es ni primo ni compuesto\nPara descomponer", "10.001 = 73 · 137",
     "360, compuesto, la raíz del árbol de factores", "180, compuesto, un divisor de 360"}};

void PrintTo(const Language& language, std::ostream* out) { *out << language.name; }

class Languages : public MainWindowTest, public ::testing::WithParamInterface<Language> {
 protected:
  void SetUp() override {
    locale = QLocale(QString::fromLatin1(GetParam().locale));
    ASSERT_EQ(modMain::UseLanguage(locale), GetParam().language);
    MainWindowTest::SetUp();
  }
  void TearDown() override { modMain::UseLanguage(QLocale::c()); }
};

TEST_P(Languages, CaptionsAndMenusAreInTheLanguage) {
  EXPECT_EQ(window->windowTitle().toStdString(), GetParam().caption);
  EXPECT_EQ(frmAbout(window.get()).windowTitle().toStdString(), GetParam().about);
  QStringList menus;
  for (QWidget* menu : std::initializer_list<QWidget*>{window->menuBar(), &Find<QMenu>("mnuFile"),
                                                       &Find<QMenu>("mnuEdit")}) {
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    menus << texts.join(" | ");
  }
  EXPECT_EQ(menus.join(" / ").toStdString(), GetParam().menus);
}

TEST_P(Languages, PaneButtonsSayHideAndShowInTheLanguage) {
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Button(i).Caption().toStdString(), GetParam().hide) << i;
  EXPECT_EQ(Button(2).accessibleName().toStdString(), GetParam().hideReport);
  QTest::mouseClick(&Button(2), Qt::LeftButton);
  EXPECT_EQ(Button(2).Caption().toStdString(), GetParam().show);
  EXPECT_FALSE(Report().Visible());
}

TEST_P(Languages, ReportsAreInTheLanguageGroupedAsTheLocaleDoes) {
  const std::pair<const char*, const char*> reports[] = {
      {"360", GetParam().report360}, {"1", GetParam().report1}, {"10001", GetParam().report10001}};
  for (const auto& [entry, phrase] : reports) {
    const QString copied = CopiedReport(entry);
    EXPECT_TRUE(copied.contains(QString::fromUtf8(phrase))) << copied.toStdString();
  }
}

TEST_P(Languages, NodesAreDescribedInTheLanguage) {
  Type("360");
  EXPECT_EQ(RootBox().accessibleDescription().toStdString(), GetParam().root);
  EXPECT_EQ(NodeCombo(2).accessibleName().toStdString(), GetParam().child);
}

// Longer words never run into the next control: the tray's sentence ends before the entry box,
// each pane button's caption fits inside it.
TEST_P(Languages, TrayAndPaneButtonWordsFitTheirPlaces) {
  EXPECT_LE(Find<QtLabel>("lblInfo").geometry().right(), Entry().geometry().left());
  QStyleOptionButton button;
  button.initFrom(&Button(0));
  const QRect room =
      Button(0).style()->subElementRect(QStyle::SE_PushButtonContents, &button, &Button(0));
  for (const char* caption : {GetParam().hide, GetParam().show})
    EXPECT_LE(Button(0).fontMetrics().horizontalAdvance(caption), room.width()) << caption;
}

INSTANTIATE_TEST_SUITE_P(, Languages, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
