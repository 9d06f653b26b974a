#include "refresh_floor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QTextBrowser>
#include <utility>
#include <vector>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"
#include "report/report_text.h"
#include "ui/qt_scroll_bar.h"

namespace {

// The node values of the entry's tree with the default split, the root first: each composite
// node has its larger cofactor and its smallest prime factor below it.
std::vector<double> TreeValues(double entry) {
  std::vector<double> values = {entry};
  for (double n = entry; n > 1 && !modMain::IsPrime(n);) {
    const double p = modMain::SmallestFactor(n);
    n /= p;
    values.push_back(n);
    values.push_back(p);
  }
  return values;
}

// Where the window's control `name` is, in the window's coordinates.
QRect RectIn(const QWidget& window, const QString& name) {
  const QWidget* control = window.findChild<QWidget*>(name);
  return {control->mapTo(&window, QPoint(0, 0)), control->size()};
}

}  // namespace

RefreshFloor::RefreshFloor(const QWidget& window) : window_(std::make_unique<QWidget>()) {
  for (int i = 0; i < 2; ++i) {
    areas_[i] = new QWidget(window_.get());
    areas_[i]->setGeometry(RectIn(window, QString("picCanvas_%1").arg(i)));
    const QPoint origin = areas_[i]->pos();
    const std::pair<Qt::Orientation, const char*> bars[] = {{Qt::Horizontal, "hsScroll_%1"},
                                                            {Qt::Vertical, "vsScroll_%1"}};
    for (int k = 0; k < 2; ++k) {
      QScrollBar* bar = bars_[2 * i + k] = new QScrollBar(bars[k].first, areas_[i]);
      bar->setGeometry(RectIn(window, QString(bars[k].second).arg(i)).translated(-origin));
      bar->setStyle(QtScrollBar::BarStyle());
    }
  }
  report_ = new QTextBrowser(window_.get());
  report_->setGeometry(RectIn(window, "wbPreview"));
  report_->verticalScrollBar()->setStyle(QtScrollBar::BarStyle());
  window_->resize(window.size());
  window_->show();
  QCoreApplication::processEvents();
}

RefreshFloor::~RefreshFloor() = default;

void RefreshFloor::Show(const QString& entry) {
  const std::vector<double> values = TreeValues(entry.toDouble());
  const QLocale locale;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i == labels_.size()) {
      combos_.push_back(new QComboBox(areas_[0]));
      combos_.back()->setEditable(true);
      labels_.push_back(new QLabel(areas_[1]));
    }
    const QPoint at(static_cast<int>(i % 16) * 70, static_cast<int>(i / 16) * 24);
    combos_[i]->setEditText(modMain::PlainText(values[i]));
    combos_[i]->setGeometry(QRect(at, QSize(65, 21)));
    combos_[i]->show();
    labels_[i]->setText(modMain::GroupedText(values[i], locale));
    labels_[i]->move(at);
    labels_[i]->show();
  }
  for (QScrollBar* bar : bars_) {
    bar->setRange(0, static_cast<int>(values.size()) * 100);
    bar->setValue(static_cast<int>(values.size()) * 50);
  }
  // Laid out once, at the width it ends with: with the bar showing unless the entry's report
  // was seen to fit.
  const auto seen = reportFits_.find(entry);
  if (seen == reportFits_.end() || !seen->second) {
    report_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  report_->setHtml(report::ReportText(entry.toDouble(), locale));
  report_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  reportFits_[entry] = !report_->verticalScrollBar()->isVisible();
  QCoreApplication::processEvents();
}

void RefreshFloor::Clear() {
  for (QComboBox* combo : combos_) combo->hide();
  for (QLabel* label : labels_) label->hide();
  for (QScrollBar* bar : bars_) bar->setValue(0);
  report_->clear();
  QCoreApplication::processEvents();
}
