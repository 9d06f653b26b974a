#pragma once

#include <QLineEdit>
#include <functional>

#include "toolkit/toolkit.h"
#include "ui/qt_control.h"

// A single-line text box. It holds a whole number here, so it shows the whole value in a
// tooltip and its first digits while it is not being edited (FullValueHint).
class QtTextBox : public QtControl<QLineEdit, toolkit::TextBox> {
  Q_OBJECT

 public:
  QtTextBox(QWidget* container, const QString& name, const TwipRect& rect);

  QString Text() const override;
  void SetText(const QString& text) override;

  // The text changed: typed, pasted or written; writing the same text raises nothing.
  std::function<void()> onChange;
  // A printable character or backspace (8) is about to be typed; setting the code to 0
  // discards the key. Other keys and shortcuts never come here.
  std::function<void(int& keyAscii)> onKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
