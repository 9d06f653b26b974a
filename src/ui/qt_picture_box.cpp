#include "ui/qt_picture_box.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace {
constexpr int kBorderPixels = 2;
}

QtPictureBox::QtPictureBox(QWidget* container, const QString& name, const TwipRect& rect,
                           bool bordered)
    : QtControl(container, name, rect), bordered_(bordered) {
  if (bordered_) setContentsMargins(kBorderPixels, kBorderPixels, kBorderPixels, kBorderPixels);
  setAutoFillBackground(true);
}

double QtPictureBox::ScaleWidth() const { return std::max(0.0, Width() - 2 * BorderTwips()); }

double QtPictureBox::ScaleHeight() const { return std::max(0.0, Height() - 2 * BorderTwips()); }

void QtPictureBox::Cls() {
  lines_.clear();
  update();
}

void QtPictureBox::Line(double x1, double y1, double x2, double y2, toolkit::Color color) {
  lines_.push_back({x1, y1, x2, y2, color, drawWidth_});
  update();
}

int QtPictureBox::DrawWidth() const { return drawWidth_; }

void QtPictureBox::SetDrawWidth(int width) {
  if (width < 1) throw toolkit::Refused("DrawWidth: must be at least 1");
  drawWidth_ = width;
}

const std::vector<toolkit::Segment>& QtPictureBox::Lines() const { return lines_; }

void QtPictureBox::SizeChanged() { Raise(onResize); }

void QtPictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (bordered_) qDrawWinPanel(&painter, rect(), palette(), /*sunken=*/true);
  const QRect inner = contentsRect();
  painter.setClipRect(inner);
  painter.translate(inner.topLeft());
  for (const toolkit::Segment& line : lines_) {
    painter.setPen(QPen(ToQColor(line.color), line.width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(TwipsToPixels(line.x1), TwipsToPixels(line.y1), TwipsToPixels(line.x2),
                     TwipsToPixels(line.y2));
  }
}

double QtPictureBox::BorderTwips() const {
  return bordered_ ? kBorderPixels * toolkit::kTwipsPerPixel : 0;
}
