#include "ui/qt_label.h"

#include <QEvent>
#include <QFontMetrics>

QtLabel::QtLabel(QWidget* container, const QString& name, const TwipRect& rect)
    : QtControl(container, name, rect) {
  // A caption is text as written, never markup.
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QtLabel::QtLabel(const QtLabel& from, const QString& name) : QtControl(from, name) {
  setTextFormat(Qt::PlainText);
  TakeLabelSettings(from);
}

void QtLabel::ReloadAs(const QtLabel& from, const QString& name) {
  TakeSettings(from, name);
  TakeLabelSettings(from);
}

void QtLabel::TakeLabelSettings(const QtLabel& from) {
  setAlignment(from.alignment());
  setText(from.text());
  autoSize_ = from.autoSize_;
}

QString QtLabel::Caption() const { return text(); }

void QtLabel::SetCaption(const QString& caption) {
  setText(caption);
  if (autoSize_) FitCaption();
}

void QtLabel::SetAutoSize(bool on) {
  autoSize_ = on;
  if (autoSize_) FitCaption();
}

double QtLabel::TextWidth(const QString& text) const {
  return QFontMetrics(font()).horizontalAdvance(text) * toolkit::kTwipsPerPixel;
}

QtLabel* QtLabel::LoadCopy(const QString& name) const { return new QtLabel(*this, name); }

void QtLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange && autoSize_) FitCaption();
}

void QtLabel::FitCaption() {
  Place(
      {Left(), Top(), TextWidth(text()), QFontMetrics(font()).height() * toolkit::kTwipsPerPixel});
}
