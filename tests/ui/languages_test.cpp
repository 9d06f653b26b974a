// The window in German, French and Spanish: the catalog of the locale's language installed as the
// program does at start-up, numbers in the locale's grouping. In English the window's words are
// checked by every other window test.

#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionButton>

#include "app/frmAbout.h"
#include "support/main_window_fixture.h"

namespace {

struct Language {
  const char* name;  // names the test case
  const char* locale;
  const char* language;  // of the catalog chosen
  QStringList menuBar;   // the menu bar's titles, then File's and the report's Edit menu's items
  QStringList fileMenu;
  QStringList editMenu;
  const char* hide;
  const char* show;
  const char* hideReportName;  // what a screen reader hears of the report's button
  const char* caption;
  const char* aboutCaption;
  const char* report360;  // the report of 360 as Edit > Copy puts it on the clipboard
  const char* report1;
  const char* factorizationOf10001;  // its product line, digits grouped
  const char* rootDescription;       // of the root box, after 360
  const char* childName;             // of node 2, a factor of 360
};

const Language kLanguages[] = {
    {"German",
     "de_DE",
     "de",
     {"&Datei", "&Ansicht", "&Über"},
     {"&Beenden"},
     {"&Alles auswählen", "&Kopieren"},
     "Ausblenden",
     "Einblenden",
     "Rechenweg ausblenden",
     "Kestrelon (Primfaktorzerlegung)",
     "Über Kestrelon",
     "Die Primfaktorzerlegung von 360 lautet:\n\n360 = 2 · 2 · 2 · 3 · 3 · 5 oder 2³· 3²· 5\n"
     "Fortgesetztes Teilen:\n\n2 | 360\n2 | 180\n2 | 90\n3 | 45\n3 | 15\n    5\n\n"
     "Um eine Zahl in Primfaktoren zu zerlegen, teilt man sie zuerst durch die kleinstmögliche "
     "Primzahl und teilt so lange weiter, bis der Quotient eine Primzahl ist.",
     "Diese Zahl ist weder eine Primzahl noch eine zusammengesetzte Zahl\nUm eine Zahl in "
     "Primfaktoren zu zerlegen, teilt man sie zuerst durch die kleinstmögliche Primzahl und teilt "
     "so lange weiter, bis der Quotient eine Primzahl ist.",
     "10.001 = 73 · 137",
     "360, zusammengesetzte Zahl, die Wurzel des Faktorbaums",
     "180, zusammengesetzte Zahl, ein Teiler von 360"},
    {"French",
     "fr_FR",
     "fr",
     {"&Fichier", "&Affichage", "À &propos"},
     {"&Quitter"},
     {"&Tout sélectionner", "&Copier"},
     "Masquer",
     "Afficher",
     "Masquer la démarche",
     "Kestrelon (Facteurs premiers)",
     "À propos de Kestrelon",
     "La décomposition en facteurs premiers de 360 est :\n\n360 = 2 × 2 × 2 × 3 × 3 × 5 ou "
     "2³× 3²× 5\nDivisions successives :\n\n2 | 360\n2 | 180\n2 | 90\n3 | 45\n3 | 15\n    5\n\n"
     "Pour décomposer un nombre en produit de facteurs premiers, on commence par le diviser par le "
     "plus petit nombre premier possible et on continue jusqu'à ce que le quotient soit un nombre "
     "premier.",
     "Ce nombre n'est ni premier ni composé\nPour décomposer un nombre en produit de facteurs "
     "premiers, on commence par le diviser par le plus petit nombre premier possible et on "
     "continue jusqu'à ce que le quotient soit un nombre premier.",
     "10 001 = 73 × 137",
     "360, composé, la racine de l'arbre de facteurs",
     "180, composé, un diviseur de 360"},
    {"Spanish",
     "es_ES",
     "es",
     {"&Archivo", "&Ver", "Acerca &de"},
     {"&Salir"},
     {"Seleccionar &todo", "&Copiar"},
     "Ocultar",
     "Mostrar",
     "Ocultar el procedimiento",
     "Kestrelon (Factores primos)",
     "Acerca de Kestrelon",
     "La descomposición en factores primos de 360 es:\n\n360 = 2 · 2 · 2 · 3 · 3 · 5 o 2³· 3²· 5\n"
     "Divisiones sucesivas:\n\n2 | 360\n2 | 180\n2 | 90\n3 | 45\n3 | 15\n    5\n\n"
     "Para descomponer un número en factores primos, se empieza dividiendo entre el menor número "
     "primo posible y se continúa hasta que el cociente sea un número primo.",
     "Este número no es ni primo ni compuesto\nPara descomponer un número en factores primos, se "
     "empieza dividiendo entre el menor número primo posible y se continúa hasta que el cociente "
     "sea un número primo.",
     "10.001 = 73 · 137",
     "360, compuesto, la raíz del árbol de factores",
     "180, compuesto, un divisor de 360"},
};

void PrintTo(const Language& language, std::ostream* out) { *out << language.name; }

class Languages : public MainWindowTest, public ::testing::WithParamInterface<Language> {
 protected:
  void SetUp() override {
    locale = QLocale(QString::fromLatin1(GetParam().locale));
    ASSERT_EQ(modMain::UseLanguage(locale), GetParam().language);
    MainWindowTest::SetUp();
  }
  void TearDown() override { modMain::UseLanguage(QLocale::c()); }

  // The whole report of `entry` as Edit > Select All and Copy put it on the clipboard.
  QString CopiedReport(const QString& entry) {
    Type(entry);
    Find<QAction>("mnuEditSelectAll").trigger();
    Find<QAction>("mnuEditCopy").trigger();
    return QGuiApplication::clipboard()->text();
  }
};

// The actions' texts, joined by " | ".
std::string Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* action : actions) texts << action->text();
  return texts.join(" | ").toStdString();
}

TEST_P(Languages, CaptionAndMenusAreInTheLanguage) {
  EXPECT_EQ(window->windowTitle().toStdString(), GetParam().caption);
  EXPECT_EQ(Texts(window->menuBar()->actions()), GetParam().menuBar.join(" | ").toStdString());
  EXPECT_EQ(Texts(Find<QMenu>("mnuFile").actions()), GetParam().fileMenu.join(" | ").toStdString());
  EXPECT_EQ(Texts(Find<QMenu>("mnuEdit").actions()), GetParam().editMenu.join(" | ").toStdString());
}

TEST_P(Languages, PaneButtonsSayHideAndShowInTheLanguage) {
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Button(i).Caption().toStdString(), GetParam().hide) << i;
  EXPECT_EQ(Button(2).accessibleName().toStdString(), GetParam().hideReportName);
  QTest::mouseClick(&Button(2), Qt::LeftButton);
  EXPECT_EQ(Button(2).Caption().toStdString(), GetParam().show);
  EXPECT_FALSE(Report().Visible());
  QTest::mouseClick(&Button(2), Qt::LeftButton);
  EXPECT_EQ(Button(2).Caption().toStdString(), GetParam().hide);
  EXPECT_TRUE(Report().Visible());
}

TEST_P(Languages, ReportOf360IsInTheLanguage) {
  EXPECT_EQ(CopiedReport("360").toStdString(), GetParam().report360);
}

TEST_P(Languages, ReportOf1IsInTheLanguage) {
  EXPECT_EQ(CopiedReport("1").toStdString(), GetParam().report1);
}

TEST_P(Languages, ReportGroupsDigitsAsTheLocaleDoes) {
  const QString report = CopiedReport("10001");
  EXPECT_TRUE(report.contains(QString::fromUtf8(GetParam().factorizationOf10001)))
      << report.toStdString();
}

TEST_P(Languages, NodesAreDescribedInTheLanguage) {
  Type("360");
  EXPECT_EQ(RootBox().accessibleDescription().toStdString(), GetParam().rootDescription);
  EXPECT_EQ(NodeCombo(2).accessibleName().toStdString(), GetParam().childName);
}

// Longer words never run into the next control: the tray's sentence ends before the entry box,
// each pane button's caption fits inside it.
TEST_P(Languages, TrayAndPaneButtonWordsFitTheirPlaces) {
  const QtLabel& info = Find<QtLabel>("lblInfo");
  EXPECT_LE(info.geometry().right(), Entry().geometry().left());
  QStyleOptionButton button;
  button.initFrom(&Button(0));
  const QRect room =
      Button(0).style()->subElementRect(QStyle::SE_PushButtonContents, &button, &Button(0));
  for (const char* caption : {GetParam().hide, GetParam().show})
    EXPECT_LE(Button(0).fontMetrics().horizontalAdvance(caption), room.width()) << caption;
}

TEST_P(Languages, AboutBoxLinesFitAboveTheSeparator) {
  frmAbout box(window.get());
  EXPECT_EQ(box.windowTitle().toStdString(), GetParam().aboutCaption);
  const auto* line = box.findChild<QFrame*>("Line1");
  ASSERT_NE(line, nullptr);
  for (const QLabel* label : box.findChildren<QLabel*>()) {
    SCOPED_TRACE(label->text().toStdString());
    const QRect room = label->geometry();
    const QSize needed = label->wordWrap()
                             ? QSize(room.width(), label->heightForWidth(room.width()))
                             : label->sizeHint();
    EXPECT_LE(needed.width(), room.width());
    EXPECT_LE(needed.height(), room.height());
    EXPECT_LT(room.bottom(), line->y());
  }
}

INSTANTIATE_TEST_SUITE_P(, Languages, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

class ArabicLocale : public MainWindowTest {
 protected:
  void SetUp() override {
    locale = QLocale(QLocale::Arabic, QLocale::Egypt);
    MainWindowTest::SetUp();
  }
};

// The exponents are the locale's digits on the window; plain text has superscripts of 0 to 9
// alone, so the copy writes the powers with those, never as run-together digits.
TEST_F(ArabicLocale, PowersCopyAsSuperscriptsOfTheirValue) {
  Type("360");
  Find<QAction>("mnuEditSelectAll").trigger();
  Find<QAction>("mnuEditCopy").trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(u" ٢³x ٣²x ٥\n"))
      << QGuiApplication::clipboard()->text().toStdString();
}

}  // namespace
