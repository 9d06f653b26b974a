#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "toolkit/toolkit.h"
#include "ui/qt_control.h"

class QtCanvasView;

// A drawing canvas or a plain container, with the sunken 2-pixel border or none. Children sit
// inside the border; the drawing shows in the box's view, which controls may be placed in too.
class QtPictureBox : public QtControl<QWidget, toolkit::PictureBox> {
  Q_OBJECT

 public:
  QtPictureBox(QWidget* container, const QString& name, const TwipRect& rect, bool bordered = true);

  double ScaleWidth() const override;
  double ScaleHeight() const override;
  void Cls() override;
  void Line(double x1, double y1, double x2, double y2, toolkit::Color color) override;
  int DrawWidth() const override;
  // Refused below 1.
  void SetDrawWidth(int width) override;
  const std::vector<toolkit::Segment>& Lines() const override;

  // Where the lines show: the inner area, less the scroll bars once the view follows them.
  QtCanvasView* View() const { return view_; }

  // The size changed through Move or SetWidth; raised before they return, shown or not.
  std::function<void()> onResize;

 protected:
  void SizeChanged() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  double BorderTwips() const;

  bool bordered_;
  int drawWidth_ = 1;
  std::vector<toolkit::Segment> lines_;
  QtCanvasView* view_;
};
