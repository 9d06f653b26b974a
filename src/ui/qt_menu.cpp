#include "ui/qt_menu.h"

#include <QCursor>

void QtPopupMenu::Popup() { menu_->exec(QCursor::pos()); }
