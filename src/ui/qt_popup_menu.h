#pragma once

#include "toolkit/toolkit.h"

class QMenu;

// A context menu over a QMenu, popped up at the pointer.
class QtPopupMenu : public toolkit::PopupMenu {
 public:
  explicit QtPopupMenu(QMenu* menu) : menu_(menu) {}
  void Popup() override;

 private:
  QMenu* menu_;
};
