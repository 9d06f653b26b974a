// Start-up to first paint: the program's window beside a bare QMainWindow shown the same way,
// each started as a new process of this program, in turn, so both see the same machine. A run
// is timed from the start of its process to the end of its window's first paint, which the child
// reports on its output. Prints the median of each and their ratio.
//
//   bench_startup [runs]        runs of each, 26 unless given
//   bench_startup window|bare   one child run

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/program_icon.h"
#include "app/start.h"

namespace {

// Ends the child once a window has been painted, after the rest of that paint.
class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      qApp->removeEventFilter(this);
      QTimer::singleShot(0, qApp, [] {
        std::puts("painted");
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return false;
  }
};

int Child(int argc, char** argv, const std::string& what) {
  QApplication app(argc, argv);
  FirstPaint firstPaint;
  app.installEventFilter(&firstPaint);
  QApplication::setWindowIcon(ProgramIcon());
  if (what == "window") {
    // As the program's main() does.
    modMain::ChooseNumberLocale();
    modMain::UseLanguage(QLocale::system());
    modMain::Main();
  } else {
    auto* bare = new QMainWindow;
    bare->setWindowTitle("Prime Factorization");
    bare->setAttribute(Qt::WA_DeleteOnClose);
    bare->showMaximized();
  }
  return QApplication::exec();
}

// Milliseconds from starting `self` as a child that starts `what` to its report of a paint.
double TimeChild(const std::string& self, const std::string& what) {
  const auto start = std::chrono::steady_clock::now();
  FILE* child = popen(("exec '" + self + "' " + what).c_str(), "r");
  char line[64] = {};
  if (child == nullptr || std::fgets(line, sizeof line, child) == nullptr) {
    std::fprintf(stderr, "the %s child reported no paint\n", what.c_str());
    std::exit(1);
  }
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  pclose(child);
  return took.count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (first == "window" || first == "bare") return Child(1, argv, first);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 26;
  std::vector<double> window, bare;
  for (int i = 0; i < runs; ++i) {
    window.push_back(TimeChild(argv[0], "window"));
    bare.push_back(TimeChild(argv[0], "bare"));
  }
  std::printf("start-up to first paint, median of %d: window %.1f ms, bare %.1f ms, ratio %.2f\n",
              runs, Median(window), Median(bare), Median(window) / Median(bare));
  return 0;
}
