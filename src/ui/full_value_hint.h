#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

// Shows a number box's whole value however narrow the box: a tooltip with the value in the
// locale's digit grouping that follows every change of the text, and the text scrolled to its
// first digit whenever the box does not have the focus (a line edit otherwise keeps showing the
// end, where the cursor was left).
class FullValueHint : public QObject {
  Q_OBJECT

 public:
  // `edit` is the box's edit field; `box` the widget that takes the focus and shows the tooltip
  // (the edit itself, or the combo box around it). The hint belongs to `box`.
  FullValueHint(QLineEdit* edit, QWidget* box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TextChanged();

  QLineEdit* edit_;
  QWidget* box_;
};
