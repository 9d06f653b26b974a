#include "ui/full_value_hint.h"

#include <QEvent>
#include <QLineEdit>
#include <QLocale>

#include "core/arithmetic/number_text.h"

namespace {

// The text as a whole number in the locale's grouping; empty unless it is plain digits.
QString GroupedValue(const QString& text) {
  const QString digits = text.trimmed();
  if (!modMain::IsPlainDigits(digits)) return {};
  bool ok = false;
  const qulonglong value = digits.toULongLong(&ok);
  return ok ? QLocale().toString(value) : QString();
}

}  // namespace

FullValueHint::FullValueHint(QLineEdit* edit, QWidget* box) : QObject(box), edit_(edit), box_(box) {
  connect(edit_, &QLineEdit::textChanged, this, &FullValueHint::TextChanged);
  box_->installEventFilter(this);
  TextChanged();
}

bool FullValueHint::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_ && event->type() == QEvent::FocusOut) edit_->setCursorPosition(0);
  return QObject::eventFilter(watched, event);
}

void FullValueHint::TextChanged() {
  // A text that is no number leaves the tooltip to the window, which says why it was not taken.
  const QString value = GroupedValue(edit_->text());
  if (!value.isEmpty()) box_->setToolTip(value);
  // The box being typed in keeps its cursor, also when the program writes the typed text back
  // in a plainer form. (Its window's focus widget, whether the window is active or not.)
  if (box_->window()->focusWidget() != box_) edit_->setCursorPosition(0);
}
