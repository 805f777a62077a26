#include "ui/threshold_dialog.h"

#include "ui/numeric_value.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {

ThresholdDialog::ThresholdDialog(QWidget* parent)
    : SmallDialog(parent, tr("警告値の設定"), QSize(312, 100)) {
  setObjectName(QStringLiteral("thresholdDialog"));
  addLabel(QStringLiteral("Label1"), tr("粒子数がこれ以上になると、打ち上げ時に警告を出します"),
           QPoint(6, 6));
  thresholdEdit = new NumericField(this);
  thresholdEdit->setObjectName(QStringLiteral("thresholdEdit"));
  thresholdEdit->setGeometry(QRect(QPoint(60, 42), QSize(121, 20)));
  thresholdEdit->setAllowNegative(false);
  thresholdEdit->setFixedDecimals(0);
  thresholdEdit->setValue(10000);
  addLabel(QStringLiteral("Label2"), tr("個"), QPoint(188, 45));
  okButton = addOkButton(QStringLiteral("okButton"), QPoint(68, 71));
  cancelButton = addCancelButton(QStringLiteral("cancelButton"), QPoint(168, 71));
}

void ThresholdDialog::setThreshold(int32_t particles) {
  thresholdEdit->setValue(particles);
}

int32_t ThresholdDialog::threshold() const {
  return TruncateToInt32(thresholdEdit->value());
}

}  // namespace kirabel
