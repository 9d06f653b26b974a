#pragma once

#include <QScrollBar>
#include <functional>

#include "toolkit/toolkit.h"
#include "ui/qt_control.h"

// A horizontal or vertical scroll bar from 0 to Max (32767 until set), steps 1.
class QtScrollBar : public QtControl<QScrollBar, toolkit::ScrollBar> {
  Q_OBJECT

 public:
  QtScrollBar(QWidget* container, const QString& name, const TwipRect& rect,
              Qt::Orientation orientation);

  int Value() const override;
  void SetValue(int value) override;
  int Max() const override;
  void SetMax(int max) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  int SmallChange() const override;
  void SetSmallChange(int step) override;  // refused when negative
  int LargeChange() const override;
  void SetLargeChange(int step) override;  // refused when negative

  // The value changed: by the user, by SetValue, or pulled down by a smaller Max.
  std::function<void()> onChange;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
