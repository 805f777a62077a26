#pragma once
// Lets a widget showing the space (the viewer's picture) take shells dragged
// from the library: a drop reports the shell's path and the space point under
// the pointer (one picture pixel per device pixel).
#include <QObject>
#include <QPointF>
#include <QString>

class QWidget;

namespace kirabel {

class ShellDropTarget : public QObject {
  Q_OBJECT
 public:
  // Watches `picture` (which must outlive nothing of this object's).
  explicit ShellDropTarget(QWidget& picture);

 signals:
  void shellDropped(const QString& path, const QPointF& spacePoint);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& picture_;
};

}  // namespace kirabel
