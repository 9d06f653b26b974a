#pragma once

#include <QLabel>

#include "toolkit/toolkit.h"
#include "ui/qt_control.h"

// A caption, plain text, top-left aligned unless set otherwise.
class QtLabel : public QtControl<QLabel, toolkit::Label> {
  Q_OBJECT

 public:
  QtLabel(QWidget* container, const QString& name, const TwipRect& rect);

  QString Caption() const override;
  void SetCaption(const QString& caption) override;
  void SetAutoSize(bool on) override;
  double TextWidth(const QString& text) const override;

  QtLabel* LoadCopy(const QString& name) const;
  // Makes this label, unloaded before, as LoadCopy makes a new one.
  void ReloadAs(const QtLabel& from, const QString& name);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // A hidden copy of `from`, for LoadCopy.
  QtLabel(const QtLabel& from, const QString& name);
  void FitCaption();
  void TakeLabelSettings(const QtLabel& from);

  bool autoSize_ = false;  // sized to the caption whenever the caption or the font changes
};
