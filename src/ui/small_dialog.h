#pragma once
// Common frame of the program's small modal dialogs: a fixed client size, a
// fixed border, the program's font, centred on the screen when shown, and the
// OK (default) / "ｷｬﾝｾﾙ" (Esc) buttons at given places.
#include <QDialog>

class QLabel;
class QPushButton;

namespace kirabel {

class SmallDialog : public QDialog {
  Q_OBJECT
 public:
  SmallDialog(QWidget* parent, const QString& caption, QSize clientSize);

 protected:
  QLabel* addLabel(const QString& objectName, const QString& text, QPoint topLeft);
  // "OK": the default button, closes with the result Accepted.
  QPushButton* addOkButton(const QString& objectName, QPoint topLeft);
  // "ｷｬﾝｾﾙ": closes with the result Rejected; Esc presses it.
  QPushButton* addCancelButton(const QString& objectName, QPoint topLeft);

  void showEvent(QShowEvent* event) override;

 private:
  void centreOnScreen();
};

}  // namespace kirabel
