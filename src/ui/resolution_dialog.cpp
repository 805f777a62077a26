#include "ui/resolution_dialog.h"

#include "ui/numeric_value.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {

namespace {

NumericField* makeSizeField(QWidget* parent, const QString& objectName, QPoint topLeft) {
  auto* field = new NumericField(parent);
  field->setObjectName(objectName);
  field->setGeometry(QRect(topLeft, QSize(73, 20)));
  field->setMaxDigits(4);
  field->setAllowNegative(false);
  field->setFixedDecimals(0);
  field->setShowZero(true);
  return field;
}

}  // namespace

ResolutionDialog::ResolutionDialog(QWidget* parent)
    : SmallDialog(parent, tr("空間解像度の設定"), QSize(204, 121)) {
  setObjectName(QStringLiteral("resolutionDialog"));
  addLabel(QStringLiteral("Label1"), tr("空間ビューワの解像度を設定します"), QPoint(8, 8));
  addLabel(QStringLiteral("Label2"), QStringLiteral("X"), QPoint(16, 32));
  addLabel(QStringLiteral("Label3"), QStringLiteral("Y"), QPoint(116, 32));
  addLabel(QStringLiteral("Label4"), QStringLiteral("×"), QPoint(96, 52));
  widthEdit = makeSizeField(this, QStringLiteral("widthEdit"), QPoint(16, 48));
  heightEdit = makeSizeField(this, QStringLiteral("heightEdit"), QPoint(116, 48));
  okButton = addOkButton(QStringLiteral("okButton"), QPoint(20, 84));
  cancelButton = addCancelButton(QStringLiteral("cancelButton"), QPoint(110, 84));
}

void ResolutionDialog::setResolution(int32_t width, int32_t height) {
  widthEdit->setValue(width);
  heightEdit->setValue(height);
}

std::pair<int32_t, int32_t> ResolutionDialog::resolution() const {
  return {TruncateToInt32(widthEdit->value()), TruncateToInt32(heightEdit->value())};
}

}  // namespace kirabel
