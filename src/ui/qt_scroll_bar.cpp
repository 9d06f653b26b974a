#include "ui/qt_scroll_bar.h"

#include <QPainter>
#include <QStyleOptionSlider>
#include <string>
#include <utility>

namespace {

void RefuseNegative(int value, const char* what) {
  if (value < 0) throw toolkit::Refused(std::string(what) + " must not be negative");
}

}  // namespace

QtScrollBar::QtScrollBar(QWidget* container, const QString& name, const TwipRect& rect,
                         Qt::Orientation orientation)
    : QtControl(container, name, rect) {
  setOrientation(orientation);
  setRange(0, 32767);
  setSingleStep(1);
  setPageStep(1);
  connect(this, &QAbstractSlider::valueChanged, this, [this] { Raise(onChange); });
}

int QtScrollBar::Value() const { return value(); }

void QtScrollBar::SetValue(int value) {
  if (value < 0 || value > maximum()) throw toolkit::Refused("Value: outside 0 .. Max");
  setValue(value);
}

int QtScrollBar::Max() const { return maximum(); }

void QtScrollBar::SetMax(int max) {
  RefuseNegative(max, "Max");
  setMaximum(max);
}

bool QtScrollBar::Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

void QtScrollBar::SetEnabled(bool enabled) { setEnabled(enabled); }

int QtScrollBar::SmallChange() const { return singleStep(); }

void QtScrollBar::SetSmallChange(int step) {
  RefuseNegative(step, "SmallChange");
  setSingleStep(step);
}

int QtScrollBar::LargeChange() const { return pageStep(); }

void QtScrollBar::SetLargeChange(int step) {
  RefuseNegative(step, "LargeChange");
  setPageStep(step);
}

void QtScrollBar::HoldRepaints() {
  if (held_ || !updatesEnabled()) return;
  held_ = Now();
  // The attribute itself, as setUpdatesEnabled would repaint the bar when it is cleared.
  setAttribute(Qt::WA_UpdatesDisabled, true);
}

void QtScrollBar::ReleaseRepaints() {
  if (!held_) return;
  setAttribute(Qt::WA_UpdatesDisabled, false);
  if (Now() != *std::exchange(held_, std::nullopt)) update();
}

void QtScrollBar::paintEvent(QPaintEvent* event) {
  if (isEnabled()) {
    QScrollBar::paintEvent(event);
  } else {
    // A disabled bar shows its groove and arrows but no thumb: with nothing to scroll, a thumb
    // filling the groove would still look as if it could be dragged.
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls =
        QStyle::SubControls(QStyle::SC_All).setFlag(QStyle::SC_ScrollBarSlider, false);
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
  }
  // The style draws no focus mark on a scroll bar; a bar that takes the focus needs one.
  PaintFocusFrame(*this);
}
