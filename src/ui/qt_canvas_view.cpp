#include "ui/qt_canvas_view.h"

#include <QEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "ui/qt_control.h"

QtCanvasView::QtCanvasView(QWidget* box, const std::vector<toolkit::Segment>& lines)
    : QWidget(box), lines_(lines) {
  setObjectName(box->objectName() + "_view");
  box->installEventFilter(this);
  Fit();
  show();
}

void QtCanvasView::FollowBars(QWidget* horizontal, QWidget* vertical) {
  horizontal_ = horizontal;
  vertical_ = vertical;
  horizontal_->installEventFilter(this);
  vertical_->installEventFilter(this);
  Fit();
}

bool QtCanvasView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::Hide:
      if (watched == parent() || watched == horizontal_ || watched == vertical_) Fit();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void QtCanvasView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const toolkit::Segment& line : lines_) {
    painter.setPen(QPen(ToQColor(line.color), line.width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(TwipsToPixels(line.x1), TwipsToPixels(line.y1), TwipsToPixels(line.x2),
                     TwipsToPixels(line.y2));
  }
}

void QtCanvasView::Fit() {
  // The bars' own pixel edges bound the view, not their twips: whatever the twips round to, the
  // view ends exactly where a bar begins.
  const QRect inner = parentWidget()->contentsRect();
  int right = inner.x() + inner.width();
  int bottom = inner.y() + inner.height();
  if (vertical_ != nullptr && !vertical_->isHidden()) {
    right = std::min(right, vertical_->x());
  }
  if (horizontal_ != nullptr && !horizontal_->isHidden()) {
    bottom = std::min(bottom, horizontal_->y());
  }
  setGeometry(inner.x(), inner.y(), std::max(0, right - inner.x()),
              std::max(0, bottom - inner.y()));
}
