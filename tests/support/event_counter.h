#pragma once
// Counts the events of one type that reach the objects it filters.

#include <QEvent>
#include <QObject>

struct EventCounter : QObject {
  explicit EventCounter(QEvent::Type counted) : type(counted) {}
  bool eventFilter(QObject*, QEvent* event) override {
    count += event->type() == type;
    return false;
  }
  QEvent::Type type;
  int count = 0;
};
