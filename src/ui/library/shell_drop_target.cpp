#include "ui/library/shell_drop_target.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "ui/library/shell_library_model.h"

namespace kirabel {

ShellDropTarget::ShellDropTarget(QWidget& picture) : QObject(&picture), picture_(picture) {
  picture_.setAcceptDrops(true);
  picture_.installEventFilter(this);
}

bool ShellDropTarget::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched != &picture_ ||
      (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
    return QObject::eventFilter(watched, event);
  auto* drop = static_cast<QDropEvent*>(event);
  const QString format = QString::fromLatin1(kShellMimeType);
  if (!drop->mimeData()->hasFormat(format)) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop) {
    emit shellDropped(QString::fromUtf8(drop->mimeData()->data(format)),
                      drop->position() * picture_.devicePixelRatioF());
  }
  return true;
}

}  // namespace kirabel
