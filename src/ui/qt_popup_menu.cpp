#include "ui/qt_popup_menu.h"

#include <QCursor>
#include <QMenu>

void QtPopupMenu::Popup() {
  const QPoint at = next_.value_or(QCursor::pos());
  next_.reset();
  menu_->exec(at);
}
