#include "ui/widgets/color_swatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kirabel {

namespace {

// The focus rectangle lies this far inside the border.
constexpr int kFocusInset = 3;

// Black on light fills, white on dark ones, so that focus shows on any colour.
QColor ContrastingColor(const QColor& fill) {
  return fill.lightness() >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
}

void ColorSwatch::setBrushColor(const QColor& color) {
  if (color == brushColor_) return;
  brushColor_ = color;
  update();
}

void ColorSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(brushColor_);
  const QRect border = rect().adjusted(0, 0, -1, -1);
  painter.drawRect(border);
  if (!hasFocus()) return;
  painter.setPen(QPen(ContrastingColor(brushColor_), 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(border.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset));
}

void ColorSwatch::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit activated();
}

// Space and Enter act as a click; Enter is taken here, so it does not reach
// the dialog's default button.
void ColorSwatch::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      emit activated();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace kirabel
