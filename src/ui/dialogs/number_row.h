#pragma once
// A row of a dialog's grid that holds one number: its caption (the field's
// buddy) in the first column, the numeric field in the second, its unit in
// the third.
#include <QString>

class QGridLayout;
class QWidget;

namespace kirabel {

class NumericField;

// The field is named objectName, shows zero as "0", is as wide as `widest`
// needs and as high as a line; the caller sets its limits and value.
NumericField* AddNumberRow(QWidget* dialog, QGridLayout* grid, int row, const char* objectName,
                           const QString& caption, const QString& unit, const QString& widest);

}  // namespace kirabel
