#include "ui/qt_text_box.h"

#include <QKeyEvent>

#include "ui/full_value_hint.h"

namespace {

// The character a key press types, as the key-press hook sees it: a printable character or
// backspace; 0 for every other key and for shortcuts, which the hook never sees.
int KeyAscii(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  if (event.key() == Qt::Key_Backspace) return toolkit::vbKeyBack;
  const QList<uint> characters = event.text().toUcs4();
  if (characters.size() == 1 && QChar::isPrint(characters.front())) {
    return static_cast<int>(characters.front());
  }
  return 0;
}

}  // namespace

QtTextBox::QtTextBox(QWidget* container, const QString& name, const TwipRect& rect)
    : QtControl(container, name, rect) {
  connect(this, &QLineEdit::textChanged, this, [this] { Raise(onChange); });
  new FullValueHint(this, this);
}

QString QtTextBox::Text() const { return text(); }

void QtTextBox::SetText(const QString& text) {
  // The same text again changes nothing, also not the cursor, which Qt would move to the end.
  if (text != this->text()) setText(text);
}

void QtTextBox::keyPressEvent(QKeyEvent* event) {
  const int typed = KeyAscii(*event);
  if (typed == 0 || !onKeyPress) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  int keyAscii = typed;
  Raise(onKeyPress, keyAscii);
  // A code of 0 discards the key.
  if (keyAscii != 0) QLineEdit::keyPressEvent(event);
  event->accept();
}
