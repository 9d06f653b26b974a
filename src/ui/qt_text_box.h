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
  // A paste or a drop was refused whole, since the box's maximum length could not hold it; the
  // text stays as it was.
  std::function<void()> onRefused;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Whether `inserted` fits whole in place of `replaced` characters of the text; raises
  // onRefused when it does not.
  bool Fits(const QString& inserted, qsizetype replaced);
  // Pastes the clipboard's text when it fits whole.
  void Paste();
};
