#include "ui/small_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/form_font.h"

namespace kirabel {

namespace {

const QSize kButtonSize(75, 25);

}  // namespace

SmallDialog::SmallDialog(QWidget* parent, const QString& caption, QSize clientSize)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(caption);
  setFont(FormFont());
  setFixedSize(clientSize);
  setModal(true);
}

QLabel* SmallDialog::addLabel(const QString& objectName, const QString& text, QPoint topLeft) {
  auto* label = new QLabel(text, this);
  label->setObjectName(objectName);
  label->move(topLeft);
  label->adjustSize();
  // A text that would run past the dialog's right border (fonts differ
  // between systems) wraps onto further lines instead of being cut off.
  const int room = width() - topLeft.x();
  if (room > 0 && label->width() > room) {
    label->setWordWrap(true);
    label->resize(room, label->heightForWidth(room));
  }
  return label;
}

QPushButton* SmallDialog::addOkButton(const QString& objectName, QPoint topLeft) {
  auto* button = new QPushButton(QStringLiteral("OK"), this);
  button->setObjectName(objectName);
  button->setGeometry(QRect(topLeft, kButtonSize));
  button->setDefault(true);
  connect(button, &QPushButton::clicked, this, &QDialog::accept);
  return button;
}

QPushButton* SmallDialog::addCancelButton(const QString& objectName, QPoint topLeft) {
  auto* button = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
  button->setObjectName(objectName);
  button->setGeometry(QRect(topLeft, kButtonSize));
  button->setAutoDefault(false);
  // QDialog already rejects on Esc; the button is the visible form of that.
  connect(button, &QPushButton::clicked, this, &QDialog::reject);
  return button;
}

void SmallDialog::showEvent(QShowEvent* event) {
  centreOnScreen();
  QDialog::showEvent(event);
}

void SmallDialog::centreOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->geometry().center());
  move(frame.topLeft());
}

}  // namespace kirabel
