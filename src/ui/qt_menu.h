#pragma once
// Menu items and pop-up menus over QAction and QMenu.

#include <QAction>
#include <QMenu>

#include "ui/toolkit.h"

class QtMenuItem : public toolkit::MenuItem {
 public:
  explicit QtMenuItem(QAction* action) : action_(action) {}
  QAction* Action() const { return action_; }
  bool Enabled() const override { return action_->isEnabled(); }
  void SetEnabled(bool enabled) override { action_->setEnabled(enabled); }

 private:
  QAction* action_;
};

class QtPopupMenu : public toolkit::PopupMenu {
 public:
  explicit QtPopupMenu(QMenu* menu) : menu_(menu) {}
  QMenu* Menu() const { return menu_; }
  void Popup() override;

 private:
  QMenu* menu_;
};
