#pragma once
// A plain colour swatch: a rectangle filled with one colour inside a thin
// black border. It takes keyboard focus (a dotted rectangle inside the border
// shows it), and pressing any mouse button on it, or Space or Enter while it
// has focus, is reported, so that its owner can offer the colour chooser.
#include <QColor>
#include <QWidget>

namespace kirabel {

class ColorSwatch : public QWidget {
  Q_OBJECT
 public:
  explicit ColorSwatch(QWidget* parent = nullptr);

  QColor brushColor() const { return brushColor_; }
  void setBrushColor(const QColor& color);

 signals:
  // A mouse button went down on the swatch, or Space or Enter was pressed.
  void activated();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QColor brushColor_ = Qt::white;
};

}  // namespace kirabel
