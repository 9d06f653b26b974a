#pragma once

#include <QPoint>
#include <optional>

#include "toolkit/toolkit.h"

class QMenu;

// A context menu over a QMenu, popped up at the pointer.
class QtPopupMenu : public toolkit::PopupMenu {
 public:
  explicit QtPopupMenu(QMenu* menu) : menu_(menu) {}
  void Popup() override;
  // The next popup shows at `globalPos` instead: a menu asked for from the keyboard belongs where
  // the focus is, not where the pointer happens to rest.
  void PopupNextAt(const QPoint& globalPos) { next_ = globalPos; }

 private:
  QMenu* menu_;
  std::optional<QPoint> next_;
};
