// Editing commands of the main window: adding and changing sets through the
// properties dialog, deleting, and the one-set clipboard. Each command keeps
// the grid's row count, the child choice list and the child links in step.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <algorithm>

#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/modal_runner.h"
#include "ui/properties_dialog.h"
#include "ui/properties_exchange.h"

namespace kirabel {

namespace {

// Asks whether a set that another set names as child may be deleted.
ConfirmDeleteFn DeleteQuestion(QWidget* parent) {
  return [parent](const std::string& name) {
    return MessageBox::Confirm(
        parent,
        QString::fromStdString(name) +
            QStringLiteral(
                "は、他のパーティクルセットの子に指定されていますが、削除してよろしいですか?"));
  };
}

// The set index of the selected grid row, or -1 when the row holds no set
// (the header or the new-set row).
int SelectedSet(const MainWindow& form) {
  const int index = form.selectedRow() - 1;
  return index >= 0 && index < static_cast<int>(form.List.size()) ? index : -1;
}

}  // namespace

void MainWindow::BitBtn1Click() {
  AddSet();
}

void MainWindow::changeSelectedSet() {
  const int index = SelectedSet(*this);
  if (index < 0) {
    AddSet();
  } else {
    EditSet(index);
  }
}

void MainWindow::AddSet() {
  if (!setDialog) return;
  setDialog->nameEdit->setText(QStringLiteral("火花 %1").arg(List.size() + 1));
  // Colour, numbers and the show check box keep what the dialog showed last.
  for (QComboBox* selector :
       {setDialog->childSetCombo, setDialog->speedDistributionCombo,
        setDialog->directionDistributionCombo, setDialog->birthDistributionCombo,
        setDialog->lifetimeDistributionCombo}) {
    selector->setCurrentIndex(0);
  }
  if (ModalRunner::exec(*setDialog) != QDialog::Accepted) return;
  ParticleSet set;
  DialogToSet(*setDialog, set);
  List.push_back(set);
  setDialog->childSetCombo->addItem(QString::fromStdString(set.name));
  setRowCount(rowCount() + 1);
  repaintGrid();
}

void MainWindow::EditSet(int index) {
  if (!setDialog || index < 0 || index >= static_cast<int>(List.size())) return;
  SetToDialog(*setDialog, List[index]);
  if (ModalRunner::exec(*setDialog) != QDialog::Accepted) return;
  // The list cannot change while the dialog is modal; stay safe if it did.
  if (index >= static_cast<int>(List.size())) return;
  ParticleSet& set = List[index];
  DialogToSet(*setDialog, set);
  setDialog->childSetCombo->setItemText(index + 1, QString::fromStdString(set.name));
  repaintGrid();
}

bool MainWindow::DeleteSet(int index) {
  if (index < 0) return false;
  if (!kirabel::DeleteSet(List, Clipboard, static_cast<std::size_t>(index), DeleteQuestion(this))) {
    return false;
  }
  if (setDialog) setDialog->childSetCombo->removeItem(index + 1);
  setRowCount(rowCount() - 1);
  repaintGrid();
  return true;
}

void MainWindow::deleteSelectedSet() {
  const int index = SelectedSet(*this);
  if (index >= 0) DeleteSet(index);
}

void MainWindow::cutSet() {
  const int index = SelectedSet(*this);
  // The clipboard ends up full even when the deletion is declined.
  if (index < 0 ||
      !CutSet(List, Clipboard, static_cast<std::size_t>(index), DeleteQuestion(this))) {
    MessageBox::Beep();
    return;
  }
  rebuildChildList();
  setRowCount(static_cast<int>(List.size()) + 2);
  repaintGrid();
}

void MainWindow::copySet() {
  const int index = SelectedSet(*this);
  if (index < 0 || !CopySet(List, Clipboard, static_cast<std::size_t>(index))) {
    MessageBox::Beep();
  }
}

void MainWindow::pasteSet() {
  // Before the selected set, or at the end from the new-set row.
  const int position = std::max(selectedRow() - 1, 0);
  switch (PasteSet(List, Clipboard, static_cast<std::size_t>(position))) {
    case PasteResult::kClipboardEmpty:
      MessageBox::Beep();
      return;
    case PasteResult::kNamesExhausted:
      MessageBox::Warning(this, QString::fromUtf8(kTidyNamesMessage));
      return;
    case PasteResult::kPasted:
      break;
  }
  rebuildChildList();
  setRowCount(rowCount() + 1);
  repaintGrid();
}

void MainWindow::rebuildChildList() {
  if (!setDialog) return;
  QComboBox* choices = setDialog->childSetCombo;
  choices->clear();
  choices->addItem(ParticleSetDialog::noChildText());
  for (const ParticleSet& set : List) choices->addItem(QString::fromStdString(set.name));
}

}  // namespace kirabel
