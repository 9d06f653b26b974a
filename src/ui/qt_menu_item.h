#pragma once

#include <QAction>

#include "toolkit/toolkit.h"

// A menu item over a QAction.
class QtMenuItem : public toolkit::MenuItem {
 public:
  explicit QtMenuItem(QAction* action) : action_(action) {}
  QAction* Action() const { return action_; }
  bool Enabled() const override { return action_->isEnabled(); }
  void SetEnabled(bool enabled) override { action_->setEnabled(enabled); }

 private:
  QAction* action_;
};
