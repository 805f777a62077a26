#include "ui/dialogs/small_dialog.h"

#include <QLabel>

namespace kirabel {

SmallDialog::SmallDialog(QWidget* parent, const QString& caption)
    : FixedDialog(parent, caption, Placement::kCentred) {}

QLabel* SmallDialog::newLabel(const QString& objectName, const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName(objectName);
  label->setWordWrap(true);
  return label;
}

}  // namespace kirabel
