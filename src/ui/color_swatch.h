#pragma once
// A plain colour swatch: a rectangle filled with one colour inside a thin
// black border. Pressing any mouse button on it is reported, so that its
// owner can offer the colour chooser.
#include <QColor>
#include <QWidget>

namespace kirabel {

class TShape : public QWidget {
  Q_OBJECT
 public:
  explicit TShape(QWidget* parent = nullptr);

  QColor brushColor() const { return brushColor_; }
  void setBrushColor(const QColor& color);

 signals:
  void mouseDown();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QColor brushColor_ = Qt::white;
};

}  // namespace kirabel
