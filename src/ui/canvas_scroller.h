#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QWidget;
class QtCanvasView;
class QtPictureBox;
class QtScrollBar;

namespace toolkit {
class Control;
}

// Moving around a canvas's tree with the mouse and the keyboard, in steps a person sees: the
// wheel over the canvas or a bar, dragging the background, the arrow, page, Home and End keys on
// the focused canvas or bar, the bars' arrows and troughs, and a control in the view that takes
// the focus being scrolled into view. A step is a node height (the height of `nodeTemplate`, in
// twips, as the bars count) and a page is what the view shows.
//
// Everything goes through the bars' values, so the tree is laid out again by the bars' change
// events as for any other move of a bar; SmallChange and LargeChange keep their values.
class CanvasScroller : public QObject {
  Q_OBJECT

 public:
  CanvasScroller(QtPictureBox* canvas, QtScrollBar* horizontal, QtScrollBar* vertical,
                 const toolkit::Control& nodeTemplate);

  // Moves the bars so that the view's control that holds `widget` shows in full, as far as the
  // bars can; a widget outside the view is left alone.
  void ScrollIntoView(const QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Wheel(const QWheelEvent& event, QtScrollBar* over);
  bool Key(const QKeyEvent& event);
  bool Drag(const QMouseEvent& event);
  void BarAction(QtScrollBar* bar, int action);
  void FocusChanged(QWidget* old, QWidget* now);

  // How far one step, or one page, moves `bar`, in twips.
  double Step(const QtScrollBar& bar, bool page) const;
  // Moves an enabled bar by `twips`, held inside 0 .. Max.
  void ScrollBy(QtScrollBar& bar, double twips);
  void ScrollTo(QtScrollBar& bar, double value);

  QtPictureBox* canvas_;
  QtCanvasView* view_;
  QtScrollBar* horizontal_;
  QtScrollBar* vertical_;
  const toolkit::Control& nodeTemplate_;

  bool dragging_ = false;
  QPoint dragStart_;             // global pixels where the drag began
  int dragStartValues_[2] = {};  // the horizontal and vertical values then
  QPointF wheelRest_;            // twips the wheel has turned that have not moved a bar yet
};
