#include "refresh_floor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <vector>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"
#include "report/report_text.h"

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

}  // namespace

RefreshFloor::RefreshFloor() : window_(std::make_unique<QWidget>()) {
  auto* layout = new QVBoxLayout(window_.get());
  for (QWidget*& area : areas_) layout->addWidget(area = new QWidget);
  layout->addWidget(report_ = new QTextBrowser);
  for (int i = 0; i < 4; ++i) {
    bars_[i] = new QScrollBar(i % 2 == 0 ? Qt::Horizontal : Qt::Vertical, areas_[i / 2]);
    bars_[i]->setGeometry(i % 2 == 0 ? QRect(0, 120, 600, 17) : QRect(600, 0, 17, 120));
  }
  window_->resize(1280, 800);
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
  report_->setHtml(report::ReportText(entry.toDouble(), locale));
  QCoreApplication::processEvents();
}

void RefreshFloor::Clear() {
  for (QComboBox* combo : combos_) combo->hide();
  for (QLabel* label : labels_) label->hide();
  for (QScrollBar* bar : bars_) bar->setValue(0);
  report_->clear();
  QCoreApplication::processEvents();
}
