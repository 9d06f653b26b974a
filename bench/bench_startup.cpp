// Start-up to first paint: the program's window beside a bare QMainWindow shown the same way and
// beside a floor, the least a Qt Widgets program does to show what the window shows at start
// (the same menus, texts in the same fonts, boxes, buttons, bars and an empty report, placed by
// Qt's layouts). Each is started as a new process of this program, in turn, so all see the same
// machine. A run is timed from the start of its process to the end of its window's first paint,
// which the child reports on its output. Prints the median of each and their ratios.
//
//   bench_startup [runs]              runs of each, 26 unless given
//   bench_startup window|bare|floor   one child run

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/program_icon.h"
#include "app/start.h"
#include "ui/design_font.h"
#include "ui/qt_scroll_bar.h"

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

QLineEdit* YellowBox(QWidget* parent) {
  auto* box = new QLineEdit("0", parent);
  box->setMaxLength(15);
  box->setAlignment(Qt::AlignCenter);
  box->setFixedSize(65, 21);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xC0));
  box->setPalette(palette);
  return box;
}

// A white tree area with its two bars, which copy their grooves as the window's do.
QWidget* Canvas(bool withRootBox) {
  auto* canvas = new QFrame;
  canvas->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  canvas->setAutoFillBackground(true);
  QPalette palette = canvas->palette();
  palette.setColor(QPalette::Window, Qt::white);
  canvas->setPalette(palette);
  auto* grid = new QGridLayout(canvas);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  auto* area = new QWidget;
  if (withRootBox) YellowBox(area)->move(600, 16);
  grid->addWidget(area, 0, 0);
  for (Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
    auto* bar = new QScrollBar(orientation);
    bar->setStyle(QtScrollBar::BarStyle());
    grid->addWidget(bar, orientation == Qt::Vertical ? 0 : 1, orientation == Qt::Vertical ? 1 : 0);
  }
  return canvas;
}

void ShowFloor() {
  auto* window = new QMainWindow;
  window->setWindowTitle("Prime Factorization");
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setFont(DesignFont(8.25, false));
  QMenu* file = window->menuBar()->addMenu("&File");
  file->addAction("E&xit");
  QMenu* view = window->menuBar()->addMenu("&View");
  view->addAction("&Compact Trees")->setCheckable(true);
  window->menuBar()->addAction("&About");

  auto* inner = new QWidget;
  auto* column = new QVBoxLayout(inner);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* tray = new QHBoxLayout;
  auto* info = new QLabel("Enter an integer to find its prime factors  : ");
  info->setFont(DesignFont(8.25, true));
  tray->addWidget(info);
  tray->addWidget(YellowBox(nullptr));
  tray->addStretch();
  column->addLayout(tray);
  auto* report = new QTextBrowser;
  report->verticalScrollBar()->setStyle(QtScrollBar::BarStyle());
  for (QWidget* pane : {Canvas(true), Canvas(false), static_cast<QWidget*>(report)}) {
    column->addWidget(new QPushButton("Hide"), 0, Qt::AlignLeft);
    column->addWidget(pane, 1);
  }
  window->setCentralWidget(inner);
  window->showMaximized();
}

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
  } else if (what == "floor") {
    ShowFloor();
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
  if (first == "window" || first == "bare" || first == "floor") return Child(1, argv, first);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 26;
  std::vector<double> window, bare, floor;
  for (int i = 0; i < runs; ++i) {
    window.push_back(TimeChild(argv[0], "window"));
    bare.push_back(TimeChild(argv[0], "bare"));
    floor.push_back(TimeChild(argv[0], "floor"));
  }
  const double w = Median(window), b = Median(bare), f = Median(floor);
  std::printf("start-up to first paint, median of %d: window %.1f ms, bare %.1f ms, floor %.1f ms\n",
              runs, w, b, f);
  std::printf("window / bare %.2f, floor / bare %.2f, window / floor %.2f\n", w / b, f / b, w / f);
  return 0;
}
