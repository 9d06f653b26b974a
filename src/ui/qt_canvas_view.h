#pragma once

#include <QWidget>
#include <vector>

#include "toolkit/toolkit.h"

// The part of a picture box where its drawing and the controls placed on it show: the inner area
// less the scroll bars along its edges. Its origin is the inner area's, so twips placed in it
// read back as twips of the inner area; what lies outside it, a tree scrolled under the bars or
// past the border, is clipped by Qt like any child's overflow.
class QtCanvasView : public QWidget {
  Q_OBJECT

 public:
  // Paints `lines` (twips from the inner origin), which the picture box keeps.
  QtCanvasView(QWidget* box, const std::vector<toolkit::Segment>& lines);

  // Keeps the view left of `vertical` and above `horizontal` wherever they are moved.
  void FollowBars(QWidget* horizontal, QWidget* vertical);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Fit();

  const std::vector<toolkit::Segment>& lines_;
  QWidget* horizontal_ = nullptr;
  QWidget* vertical_ = nullptr;
};
