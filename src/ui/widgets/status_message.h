#pragma once
// A line of the status panel that says for a while what a command did by
// itself (a shell scaled to the list's gravity): shown in full as a tool tip,
// cut with an ellipsis to the room it has, and cleared after a few seconds.
#include <QLabel>
#include <QTimer>

namespace kirabel {

class StatusMessage : public QLabel {
  Q_OBJECT
 public:
  static constexpr int kShownMilliseconds = 8000;

  explicit StatusMessage(QWidget* parent = nullptr);

  // Shows the message in place of any other for kShownMilliseconds.
  void showMessage(const QString& message);
  // The message shown now, whole; empty when none is.
  const QString& message() const { return message_; }
  void clearMessage();

  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showElided();

  QString message_;
  QTimer clearTimer_;
};

}  // namespace kirabel
