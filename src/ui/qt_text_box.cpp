#include "ui/qt_text_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <memory>

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

bool QtTextBox::Fits(const QString& inserted, qsizetype replaced) {
  // A line edit takes one line of what is pasted.
  const qsizetype length = text().size() - replaced + inserted.section('\n', 0, 0).size();
  if (length <= maxLength()) return true;
  Raise(onRefused);
  return false;
}

void QtTextBox::Paste() {
  if (Fits(QGuiApplication::clipboard()->text(), selectedText().size())) paste();
}

void QtTextBox::contextMenuEvent(QContextMenuEvent* event) {
  // The standard menu, with its Paste refusing what would be cut short.
  const std::unique_ptr<QMenu> menu(createStandardContextMenu());
  if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
    disconnect(paste, &QAction::triggered, nullptr, nullptr);
    connect(paste, &QAction::triggered, this, &QtTextBox::Paste);
  }
  menu->exec(event->globalPos());
}

void QtTextBox::dropEvent(QDropEvent* event) {
  // A drop goes in at the pointer, leaving the text that is there.
  if (event->mimeData()->hasText() && !Fits(event->mimeData()->text(), 0)) {
    event->ignore();
    return;
  }
  QLineEdit::dropEvent(event);
}

void QtTextBox::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the selection of another program, where the desktop has one, at the
  // pointer, leaving the text that is there.
  const QClipboard& clipboard = *QGuiApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard.supportsSelection() && !isReadOnly() &&
      !Fits(clipboard.text(QClipboard::Selection), 0)) {
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void QtTextBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    Paste();
    event->accept();
    return;
  }
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
