#include "ui/dialogs/resolution_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/dialogs/numeric_value.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {

namespace {

NumericField* makeSizeField(QWidget* parent, const QString& objectName) {
  auto* field = new NumericField(parent);
  field->setObjectName(objectName);
  field->setMaxDigits(4);
  field->setAllowNegative(false);
  field->setFixedDecimals(0);
  field->setShowZero(true);
  field->setMinimumWidth(WidthShowing(*field, QStringLiteral("9,999")));
  MakeCompactHeight(*field);
  return field;
}

}  // namespace

// The label over the two fields, "X" and "Y" over each, "×" between them.
ResolutionDialog::ResolutionDialog(QWidget* parent) : SmallDialog(parent, tr("空間解像度の設定")) {
  setObjectName(QStringLiteral("resolutionDialog"));
  rows()->addWidget(
      newLabel(QStringLiteral("captionLabel"), tr("空間ビューワの解像度を設定します")));
  QGridLayout* grid = NewRowGrid();
  grid->addWidget(newLabel(QStringLiteral("widthLabel"), QStringLiteral("X")), 0, 0);
  grid->addWidget(newLabel(QStringLiteral("heightLabel"), QStringLiteral("Y")), 0, 2);
  grid->addWidget(newLabel(QStringLiteral("timesLabel"), QStringLiteral("×")), 1, 1);
  widthEdit = makeSizeField(this, QStringLiteral("widthEdit"));
  heightEdit = makeSizeField(this, QStringLiteral("heightEdit"));
  grid->addWidget(widthEdit, 1, 0);
  grid->addWidget(heightEdit, 1, 2);
  rows()->addLayout(grid);
  okButton = addOkButton();
  cancelButton = addCancelButton();
  addButtonRow({okButton, cancelButton}, Qt::AlignHCenter);
  fixSize(QSize(204, 121));
}

void ResolutionDialog::setResolution(int32_t width, int32_t height) {
  widthEdit->setValue(width);
  heightEdit->setValue(height);
}

std::pair<int32_t, int32_t> ResolutionDialog::resolution() const {
  return {TruncateToInt32(widthEdit->value()), TruncateToInt32(heightEdit->value())};
}

}  // namespace kirabel
