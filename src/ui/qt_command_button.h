#pragma once

#include <QPushButton>
#include <functional>

#include "toolkit/toolkit.h"
#include "ui/qt_control.h"

// A push button with a caption.
class QtCommandButton : public QtControl<QPushButton, toolkit::CommandButton> {
  Q_OBJECT

 public:
  QtCommandButton(QWidget* container, const QString& name, const TwipRect& rect);

  QString Caption() const override;
  void SetCaption(const QString& caption) override;

  std::function<void()> onClick;
};
