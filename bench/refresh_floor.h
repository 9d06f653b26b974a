#pragma once
// The least a Qt Widgets program does to show what a refresh of the window shows for an entry:
// the same number of plain editable combo boxes and labels given their texts, placed and shown
// on two areas with their scroll bars set, and the same report laid out in a QTextBrowser, all of
// it painted. The areas, bars and report have the sizes they have in the window. What the window
// does to spend less than plain Qt, the floor does too: its bars copy their grooves, its report
// is laid out once at the width it ends with, and its boxes and labels are made once and shown
// again for later entries.
// The refresh benchmark times it beside the window's own refresh of the same entry.

#include <QString>
#include <map>
#include <memory>
#include <vector>

class QWidget;

class RefreshFloor {
 public:
  // Sizes its areas, bars and report as they are in `window`, as laid out now.
  explicit RefreshFloor(const QWidget& window);
  ~RefreshFloor();

  // Shows `entry`'s tree and report, leaving the previous ones to be cleared.
  void Show(const QString& entry);
  // Hides what the last Show showed; not part of the floor's time.
  void Clear();

 private:
  std::unique_ptr<QWidget> window_;
  std::vector<class QComboBox*> combos_;
  std::vector<class QLabel*> labels_;
  QWidget* areas_[2] = {};
  class QScrollBar* bars_[4] = {};
  class QTextBrowser* report_ = nullptr;
  std::map<QString, bool> reportFits_;  // by entry, once shown
};
