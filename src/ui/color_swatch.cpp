#include "ui/color_swatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace kirabel {

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::setBrushColor(const QColor& color) {
  if (color == brushColor_) return;
  brushColor_ = color;
  update();
}

void TShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(brushColor_);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TShape::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit mouseDown();
}

}  // namespace kirabel
