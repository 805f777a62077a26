#include "ui/dialogs/about_dialog.h"

#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include "ui/main_window/tool_icons.h"

#ifndef KIRABEL_VERSION
#define KIRABEL_VERSION "0.1.0"
#endif

namespace kirabel {

// The picture at the top, the text lines centred under it, OK at the bottom.
AboutDialog::AboutDialog(QWidget* parent) : SmallDialog(parent, tr("あばうと")) {
  setObjectName(QStringLiteral("aboutDialog"));
  picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picture"));
  const QPixmap pixmap = AboutPicture(devicePixelRatioF());
  picture->setPixmap(pixmap);
  picture->setFixedSize(pixmap.deviceIndependentSize().toSize());
  rows()->addWidget(picture, 0, Qt::AlignHCenter);
  addTextLines();
  okButton = addOkButton();
  addButtonRow({okButton}, Qt::AlignHCenter);
  fixSize(QSize(293, 287));
}

void AboutDialog::addTextLines() {
  const QStringList lines = {
      QStringLiteral("Kirabel"),
      tr("Version %1").arg(QStringLiteral(KIRABEL_VERSION)),
      tr("花火を描くプログラム"),
      tr("Thank you for your downloading..."),
  };
  for (int i = 0; i < lines.size(); ++i) {
    QLabel* label = newLabel(QStringLiteral("Label%1").arg(i + 1), lines[i]);
    label->setAlignment(Qt::AlignCenter);
    rows()->addWidget(label);
  }
}

}  // namespace kirabel
