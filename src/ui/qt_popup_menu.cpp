#include "ui/qt_popup_menu.h"

#include <QCursor>
#include <QMenu>

void QtPopupMenu::Popup() { menu_->exec(QCursor::pos()); }
