#include "ui/dialogs/threshold_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/dialogs/numeric_value.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {

// The question over the field and its unit, then the buttons.
ThresholdDialog::ThresholdDialog(QWidget* parent) : SmallDialog(parent, tr("警告値の設定")) {
  setObjectName(QStringLiteral("thresholdDialog"));
  rows()->addWidget(newLabel(QStringLiteral("questionLabel"),
                             tr("粒子数がこれ以上になると、打ち上げ時に警告を出します")));
  thresholdEdit = new NumericField(this);
  thresholdEdit->setObjectName(QStringLiteral("thresholdEdit"));
  thresholdEdit->setAllowNegative(false);
  thresholdEdit->setFixedDecimals(0);
  thresholdEdit->setValue(10000);
  thresholdEdit->setFixedWidth(WidthShowing(*thresholdEdit, QStringLiteral("999,999,999")));
  MakeCompactHeight(*thresholdEdit);
  auto* fieldRow = new QHBoxLayout;
  fieldRow->addStretch();
  fieldRow->addWidget(thresholdEdit);
  fieldRow->addWidget(newLabel(QStringLiteral("unitLabel"), tr("個")));
  fieldRow->addStretch();
  rows()->addLayout(fieldRow);
  okButton = addOkButton();
  cancelButton = addCancelButton();
  addButtonRow({okButton, cancelButton}, Qt::AlignHCenter);
  fixSize(QSize(312, 100));
}

void ThresholdDialog::setThreshold(int32_t particles) {
  thresholdEdit->setValue(particles);
}

int32_t ThresholdDialog::threshold() const {
  return TruncateToInt32(thresholdEdit->value());
}

}  // namespace kirabel
