#include "ui/canvas_scroller.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/qt_canvas_view.h"
#include "ui/qt_picture_box.h"
#include "ui/qt_scroll_bar.h"

namespace {

constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;  // the angle of one wheel notch

// A value the bar takes: whole, inside 0 .. Max.
int ValueInRange(const QtScrollBar& bar, double value) {
  return static_cast<int>(std::clamp(std::round(value), 0.0, static_cast<double>(bar.Max())));
}

}  // namespace

CanvasScroller::CanvasScroller(QtPictureBox* canvas, QtScrollBar* horizontal, QtScrollBar* vertical,
                               const toolkit::Control& nodeTemplate)
    : QObject(canvas),
      canvas_(canvas),
      view_(canvas->View()),
      horizontal_(horizontal),
      vertical_(vertical),
      nodeTemplate_(nodeTemplate) {
  view_->FollowBars(horizontal_, vertical_);
  // A canvas and its bars can be reached with Tab and clicked into, then scrolled with keys.
  for (QWidget* widget : {static_cast<QWidget*>(canvas_), static_cast<QWidget*>(horizontal_),
                          static_cast<QWidget*>(vertical_)}) {
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(this);
  }
  view_->installEventFilter(this);
  for (QtScrollBar* bar : {horizontal_, vertical_}) {
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, bar](int action) { BarAction(bar, action); });
  }
  connect(qApp, &QApplication::focusChanged, this, &CanvasScroller::FocusChanged);
}

bool CanvasScroller::eventFilter(QObject* watched, QEvent* event) {
  QtScrollBar* bar = watched == horizontal_ ? horizontal_
                     : watched == vertical_ ? vertical_
                                            : nullptr;
  switch (event->type()) {
    case QEvent::Wheel:
      return Wheel(static_cast<const QWheelEvent&>(*event), bar);
    case QEvent::KeyPress:
      // A bar's own keys become its actions, which BarAction sizes.
      return watched == canvas_ && Key(static_cast<const QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
      return watched == view_ && Drag(static_cast<const QMouseEvent&>(*event));
    default:
      return false;
  }
}

bool CanvasScroller::Wheel(const QWheelEvent& event, QtScrollBar* over) {
  QPoint angle = event.angleDelta();
  // Shift turns the wheel sideways.
  if (event.modifiers() & Qt::ShiftModifier && angle.x() == 0) angle = {angle.y(), 0};
  if (over != nullptr) {
    // Over a bar, either wheel moves that bar.
    const int along = angle.x() != 0 ? angle.x() : angle.y();
    angle = over == horizontal_ ? QPoint(along, 0) : QPoint(0, along);
  }
  // A notch moves a node height; turning the wheel away from the user (a positive angle) moves
  // towards the top or left. Fine-grained wheels send parts of a notch: whole twips are taken and
  // the rest waits for the next turn.
  wheelRest_ += QPointF(angle) * (-Step(*vertical_, false) / kNotch);
  const QPoint whole(static_cast<int>(wheelRest_.x()), static_cast<int>(wheelRest_.y()));
  wheelRest_ -= whole;
  if (whole.x() != 0) ScrollBy(*horizontal_, whole.x());
  if (whole.y() != 0) ScrollBy(*vertical_, whole.y());
  return true;
}

bool CanvasScroller::Key(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Up:
      ScrollBy(*vertical_, -Step(*vertical_, false));
      return true;
    case Qt::Key_Down:
      ScrollBy(*vertical_, Step(*vertical_, false));
      return true;
    case Qt::Key_Left:
      ScrollBy(*horizontal_, -Step(*horizontal_, false));
      return true;
    case Qt::Key_Right:
      ScrollBy(*horizontal_, Step(*horizontal_, false));
      return true;
    case Qt::Key_PageUp:
      ScrollBy(*vertical_, -Step(*vertical_, true));
      return true;
    case Qt::Key_PageDown:
      ScrollBy(*vertical_, Step(*vertical_, true));
      return true;
    case Qt::Key_Home:
      ScrollTo(*vertical_, 0);
      return true;
    case Qt::Key_End:
      ScrollTo(*vertical_, vertical_->Max());
      return true;
    default:
      return false;
  }
}

bool CanvasScroller::Drag(const QMouseEvent& event) {
  const QPoint at = event.globalPosition().toPoint();
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      if (event.button() != Qt::LeftButton) return false;
      dragging_ = true;
      dragStart_ = at;
      dragStartValues_[0] = horizontal_->Value();
      dragStartValues_[1] = vertical_->Value();
      view_->setCursor(Qt::ClosedHandCursor);
      return true;
    case QEvent::MouseMove: {
      if (!dragging_) return false;
      // The tree follows the pointer: the bars move the other way.
      const QPoint moved = (at - dragStart_) * toolkit::kTwipsPerPixel;
      ScrollTo(*horizontal_, dragStartValues_[0] - moved.x());
      ScrollTo(*vertical_, dragStartValues_[1] - moved.y());
      return true;
    }
    default:
      if (!dragging_ || event.button() != Qt::LeftButton) return false;
      dragging_ = false;
      view_->unsetCursor();
      return true;
  }
}

void CanvasScroller::BarAction(QtScrollBar* bar, int action) {
  // The action has moved the slider by the bar's own step; what the bar then takes as its value
  // is the slider position set here.
  double step = 0;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      step = Step(*bar, false);
      break;
    case QAbstractSlider::SliderSingleStepSub:
      step = -Step(*bar, false);
      break;
    case QAbstractSlider::SliderPageStepAdd:
      step = Step(*bar, true);
      break;
    case QAbstractSlider::SliderPageStepSub:
      step = -Step(*bar, true);
      break;
    default:
      return;
  }
  bar->setSliderPosition(ValueInRange(*bar, bar->Value() + step));
}

void CanvasScroller::FocusChanged(QWidget* old, QWidget* now) {
  // Focus that moves on because its control was just hidden (a refresh hides the nodes) is no
  // one's choice: only focus a person moves, or the program gives back, brings a node into view.
  if (now == nullptr || (old != nullptr && old->isHidden())) return;
  ScrollIntoView(now);
}

void CanvasScroller::ScrollIntoView(const QWidget* widget) {
  while (widget != nullptr && widget->parentWidget() != view_) widget = widget->parentWidget();
  const auto* control = dynamic_cast<const toolkit::Control*>(widget);
  if (control == nullptr) return;
  // How far to move along one axis: a control partly shown moves just far enough to show in
  // full (its near edge first when it is larger than the view); one wholly out of sight comes to
  // the middle, among its neighbours and lines.
  auto shift = [](double near, double size, double shown) {
    double by = 0;
    if (near + size <= 0 || near >= shown) {
      by = near + size / 2 - shown / 2;
    } else {
      by = std::min(std::max(0.0, near + size - shown), near);
    }
    return by < 0 ? std::floor(by) : std::ceil(by);
  };
  ScrollBy(*horizontal_,
           shift(control->Left(), control->Width(), view_->width() * toolkit::kTwipsPerPixel));
  ScrollBy(*vertical_,
           shift(control->Top(), control->Height(), view_->height() * toolkit::kTwipsPerPixel));
}

double CanvasScroller::Step(const QtScrollBar& bar, bool page) const {
  if (!page) return nodeTemplate_.Height();
  const int pixels = bar.orientation() == Qt::Horizontal ? view_->width() : view_->height();
  return pixels * toolkit::kTwipsPerPixel;
}

void CanvasScroller::ScrollBy(QtScrollBar& bar, double twips) {
  ScrollTo(bar, bar.Value() + twips);
}

void CanvasScroller::ScrollTo(QtScrollBar& bar, double value) {
  // A disabled bar keeps its old Max; nothing may move it.
  if (!bar.Enabled()) return;
  bar.SetValue(ValueInRange(bar, value));
}
