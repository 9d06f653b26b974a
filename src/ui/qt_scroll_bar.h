#pragma once

#include <QScrollBar>
#include <functional>
#include <optional>

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

  // The application's style with each groove drawn once for its size and state, then copied, and
  // each thumb drawn in short bands: what every bar paints with. One for all bars, gone with the application.
  static QStyle* BarStyle();

  // The value changed: by the user, by SetValue, or pulled down by a smaller Max.
  std::function<void()> onChange;

  // While held, nothing the bar is set to repaints it: a refresh sets every bar to 0 and back, and
  // a bar whose range, value, steps and state end as they began is not painted again. Released,
  // a bar that ends otherwise is repainted once.
  void HoldRepaints();
  void ReleaseRepaints();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Shown {
    int maximum, value, singleStep, pageStep;
    bool enabled;
    bool operator==(const Shown&) const = default;
  };
  Shown Now() const { return {maximum(), value(), singleStep(), pageStep(), isEnabled()}; }

  std::optional<Shown> held_;  // what the bar showed when the hold began
};
