#include "ui/resolution_dialog.h"

#include "controls/NValEdit.h"

namespace kirabel {

namespace {

TNValEdit* makeSizeField(QWidget* parent, const QString& objectName, QPoint topLeft) {
  auto* field = new TNValEdit(parent);
  field->setObjectName(objectName);
  field->setGeometry(QRect(topLeft, QSize(73, 20)));
  field->setMaxDigits(4);
  field->setPrmtNegative(false);
  field->setFixDecimal(0);
  field->setZeroDisplay(true);
  return field;
}

}  // namespace

TForm4::TForm4(QWidget* parent)
    : TSmallDialog(parent, QStringLiteral("空間解像度の設定"), QSize(204, 121)) {
  setObjectName(QStringLiteral("Form4"));
  addLabel(QStringLiteral("Label1"), QStringLiteral("空間ビューワの解像度を設定します"),
           QPoint(8, 8));
  addLabel(QStringLiteral("Label2"), QStringLiteral("X"), QPoint(16, 32));
  addLabel(QStringLiteral("Label3"), QStringLiteral("Y"), QPoint(116, 32));
  addLabel(QStringLiteral("Label4"), QStringLiteral("×"), QPoint(96, 52));
  NEditX = makeSizeField(this, QStringLiteral("NEditX"), QPoint(16, 48));
  NEditY = makeSizeField(this, QStringLiteral("NEditY"), QPoint(116, 48));
  BitBtn1 = addOkButton(QStringLiteral("BitBtn1"), QPoint(20, 84));
  BitBtn2 = addCancelButton(QStringLiteral("BitBtn2"), QPoint(110, 84));
}

}  // namespace kirabel
