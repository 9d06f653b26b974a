#pragma once

#include <QString>

#include "toolkit/toolkit.h"

class QtTextBox;

// Shows on a number box that its text was not taken, without a dialog: a tint that keeps its
// text readable in light and dark palettes, and a tooltip and screen-reader description that say
// what the box takes and which number the panes still show. Cleared, the box is as before.
class RefusalMark {
 public:
  explicit RefusalMark(QtTextBox& box) : box_(box) {}

  // `why` is one sentence, such as "The pasted text is longer and was not taken."; `shown` the
  // grouped number the panes show, empty when they show none yet.
  void Show(const QString& why, const QString& shown);
  void Clear();

 private:
  QtTextBox& box_;
  bool shown_ = false;
  // What the mark replaced, given back when it goes: the box's colour and its description,
  // unless the window has described the box anew meanwhile.
  toolkit::Color backColor_ = 0;
  QString description_;
  QString hint_;
};
