#include "ui/dialogs/number_row.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/dialogs/fixed_dialog.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {

NumericField* AddNumberRow(QWidget* dialog, QGridLayout* grid, int row, const char* objectName,
                           const QString& caption, const QString& unit, const QString& widest) {
  auto* label = new QLabel(caption, dialog);
  auto* field = new NumericField(dialog);
  field->setObjectName(QLatin1String(objectName));
  field->setShowZero(true);
  field->setFixedWidth(WidthShowing(*field, widest));
  MakeCompactHeight(*field);
  label->setBuddy(field);
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
  grid->addWidget(new QLabel(unit, dialog), row, 2);
  return field;
}

}  // namespace kirabel
