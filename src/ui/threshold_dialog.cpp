#include "ui/threshold_dialog.h"

#include "controls/NValEdit.h"

namespace kirabel {

TForm7::TForm7(QWidget* parent)
    : TSmallDialog(parent, QStringLiteral("警告値の設定"), QSize(312, 100)) {
  setObjectName(QStringLiteral("Form7"));
  addLabel(QStringLiteral("Label1"),
           QStringLiteral("粒子数がこれ以上になると、打ち上げ時に警告を出します"), QPoint(6, 6));
  NEdit1 = new TNValEdit(this);
  NEdit1->setObjectName(QStringLiteral("NEdit1"));
  NEdit1->setGeometry(QRect(QPoint(60, 42), QSize(121, 20)));
  NEdit1->setPrmtNegative(false);
  NEdit1->setFixDecimal(0);
  NEdit1->setValue(10000);
  addLabel(QStringLiteral("Label2"), QStringLiteral("個"), QPoint(188, 45));
  BitBtn1 = addOkButton(QStringLiteral("BitBtn1"), QPoint(68, 71));
  BitBtn2 = addCancelButton(QStringLiteral("BitBtn2"), QPoint(168, 71));
}

}  // namespace kirabel
