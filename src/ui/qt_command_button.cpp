#include "ui/qt_command_button.h"

QtCommandButton::QtCommandButton(QWidget* container, const QString& name, const TwipRect& rect)
    : QtControl(container, name, rect) {
  connect(this, &QAbstractButton::clicked, this, [this] { Raise(onClick); });
}

QString QtCommandButton::Caption() const { return text(); }

void QtCommandButton::SetCaption(const QString& caption) { setText(caption); }
