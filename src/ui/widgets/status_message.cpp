#include "ui/widgets/status_message.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace kirabel {

StatusMessage::StatusMessage(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("statusMessage"));
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  clearTimer_.setSingleShot(true);
  clearTimer_.setInterval(kShownMilliseconds);
  connect(&clearTimer_, &QTimer::timeout, this, &StatusMessage::clearMessage);
}

void StatusMessage::showMessage(const QString& message) {
  message_ = message;
  setToolTip(message);
  showElided();
  clearTimer_.start();
}

void StatusMessage::clearMessage() {
  clearTimer_.stop();
  message_.clear();
  setToolTip(QString());
  clear();
}

QSize StatusMessage::minimumSizeHint() const {
  return {0, QLabel::minimumSizeHint().height()};
}

void StatusMessage::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  showElided();
}

void StatusMessage::showElided() {
  setText(fontMetrics().elidedText(message_, Qt::ElideRight, contentsRect().width()));
}

}  // namespace kirabel
