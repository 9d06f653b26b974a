// Time of a complete refresh of the real window (both trees and the report), on the offscreen
// platform: typing a whole entry, and picking another split in a node of a deep tree.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <memory>

#include "ui/frmMain.h"
#include "ui/qt_combo_box_array.h"
#include "ui/qt_label_array.h"
#include "ui/qt_picture_box.h"
#include "ui/qt_scroll_bar.h"
#include "ui/qt_text_box.h"

namespace {

frmMain* window = nullptr;

QtTextBox& Entry() { return *window->findChild<QtTextBox*>("txtPrimFact_1"); }

// Writing the entry box's text is what typing the last digit does: one change, one refresh.
void BM_EntryRefresh(benchmark::State& state, const char* entry) {
  for (auto _ : state) {
    Entry().SetText("1");
    Entry().SetText(entry);
    // Back in the event loop, as between two keystrokes: unloaded controls are deleted.
    QCoreApplication::processEvents();
  }
}

// A pick in the list of node 2 of 2^14 x 3: the whole tree below is rebuilt.
void BM_ChoiceRefresh(benchmark::State& state) {
  Entry().SetText("49152");
  QtComboBox* combo = nullptr;
  for (QtComboBox* c : window->findChildren<QtComboBox*>()) {
    if (c->Tag() == "2" && !c->objectName().isEmpty()) combo = c;
  }
  int pick = 0;
  for (auto _ : state) {
    pick = 1 - pick;  // alternate between two splits, so every pick changes the tree
    combo->setCurrentIndex(pick);
    emit combo->activated(pick);
    QCoreApplication::processEvents();
  }
}

}  // namespace

BENCHMARK_CAPTURE(BM_EntryRefresh, prime_999999999999989, "999999999999989")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EntryRefresh, semiprime_999996483443777, "999996483443777")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EntryRefresh, divisors13824_222622144044300, "222622144044300")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EntryRefresh, n999999999999999, "999999999999999")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EntryRefresh, two_to_15_32768, "32768")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChoiceRefresh)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  auto owned = std::make_unique<frmMain>();
  window = owned.get();
  window->resize(1280, 800);
  window->show();
  QCoreApplication::processEvents();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
