#include "ui/qt_picture_box.h"

#include <qdrawutil.h>

#include <QPainter>
#include <algorithm>

#include "ui/qt_canvas_view.h"

namespace {
constexpr int kBorderPixels = 2;
}

QtPictureBox::QtPictureBox(QWidget* container, const QString& name, const TwipRect& rect,
                           bool bordered)
    : QtControl(container, name, rect), bordered_(bordered) {
  if (bordered_) setContentsMargins(kBorderPixels, kBorderPixels, kBorderPixels, kBorderPixels);
  setAutoFillBackground(true);
  view_ = new QtCanvasView(this, lines_);
}

double QtPictureBox::ScaleWidth() const { return std::max(0.0, Width() - 2 * BorderTwips()); }

double QtPictureBox::ScaleHeight() const { return std::max(0.0, Height() - 2 * BorderTwips()); }

void QtPictureBox::Cls() {
  lines_.clear();
  view_->update();
}

void QtPictureBox::Line(double x1, double y1, double x2, double y2, toolkit::Color color) {
  lines_.push_back({x1, y1, x2, y2, color, drawWidth_});
  view_->update();
}

int QtPictureBox::DrawWidth() const { return drawWidth_; }

void QtPictureBox::SetDrawWidth(int width) {
  if (width < 1) throw toolkit::Refused("DrawWidth: must be at least 1");
  drawWidth_ = width;
}

const std::vector<toolkit::Segment>& QtPictureBox::Lines() const { return lines_; }

void QtPictureBox::SizeChanged() { Raise(onResize); }

void QtPictureBox::paintEvent(QPaintEvent*) {
  if (!bordered_) return;
  {
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), /*sunken=*/true);
  }
  // A canvas that takes the focus shows it on its border, the one part of it no child covers.
  PaintFocusFrame(*this);
}

double QtPictureBox::BorderTwips() const {
  return bordered_ ? kBorderPixels * toolkit::kTwipsPerPixel : 0;
}
