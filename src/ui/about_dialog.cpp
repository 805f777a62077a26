#include "ui/about_dialog.h"

#include <QLabel>
#include <QStringList>

#include "ui/tool_icons.h"

#ifndef KIRABEL_VERSION
#define KIRABEL_VERSION "0.1.0"
#endif

namespace kirabel {

namespace {

const int kClientWidth = 293;
const int kPictureSize = 128;

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : SmallDialog(parent, tr("あばうと"), QSize(kClientWidth, 287)) {
  setObjectName(QStringLiteral("aboutDialog"));
  picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setGeometry((kClientWidth - kPictureSize) / 2, 12, kPictureSize, kPictureSize);
  picture->setPixmap(AboutPicture(devicePixelRatioF()));
  addTextLines();
  okButton = addOkButton(QStringLiteral("okButton"), QPoint((kClientWidth - 75) / 2, 250));
}

void AboutDialog::addTextLines() {
  const QStringList lines = {
      QStringLiteral("Kirabel"),
      tr("Version %1").arg(QStringLiteral(KIRABEL_VERSION)),
      tr("花火を描くプログラム"),
      tr("Thank you for your downloading..."),
  };
  int top = 150;
  for (int i = 0; i < lines.size(); ++i) {
    QLabel* label = addLabel(QStringLiteral("Label%1").arg(i + 1), lines[i], QPoint(0, top));
    label->setGeometry(0, top, kClientWidth, 20);
    label->setAlignment(Qt::AlignCenter);
    top += 22;
  }
}

}  // namespace kirabel
