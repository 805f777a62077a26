// Editing commands of the main window: adding and changing sets through the
// properties dialog, deleting, and the one-set clipboard. Each change goes to
// the document as a command, which renumbers the child links; the grid and
// the child choices follow the document.
#include <QDialog>
#include <algorithm>

#include "ui/dialogs/particle_set_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"

namespace kirabel {

namespace {

// The set index of the selected grid row, or -1 when the row holds no set
// (the header or the new-set row).
int SelectedSet(const MainWindow& window) {
  const int index = window.selectedRow() - 1;
  return index >= 0 && index < static_cast<int>(window.document().sets().size()) ? index : -1;
}

}  // namespace

void MainWindow::addSet() {
  setDialog().proposeNewSet(QStringLiteral("火花 %1").arg(document_.sets().size() + 1));
  if (ModalRunner::exec(setDialog()) != QDialog::Accepted) return;
  document_.apply(AppendSetCommand(setDialog().particleSet()), tr("追加", "undo step"));
}

void MainWindow::changeSelectedSet() {
  const int index = SelectedSet(*this);
  if (index < 0) {
    addSet();
  } else {
    editSet(index);
  }
}

void MainWindow::editSet(int index) {
  if (index < 0 || index >= static_cast<int>(document_.sets().size())) return;
  setDialog().setParticleSet(document_.sets()[static_cast<std::size_t>(index)]);
  if (ModalRunner::exec(setDialog()) != QDialog::Accepted) return;
  // The list cannot change while the dialog is modal; stay safe if it did.
  if (index >= static_cast<int>(document_.sets().size())) return;
  document_.apply(ReplaceSetCommand(static_cast<std::size_t>(index), setDialog().particleSet()),
                  tr("変更", "undo step"));
}

// Whether set `index` may go: asked only when another set names it as child.
bool MainWindow::mayRemoveSet(int index) {
  const ParticleList& sets = document_.sets();
  return !IsChildOfAnother(sets, static_cast<std::size_t>(index)) ||
         MessageBox::confirm(
             this, tr("%1は、他のパーティクルセットの子に指定されていますが、"
                      "削除してよろしいですか?")
                       .arg(QString::fromStdString(sets[static_cast<std::size_t>(index)].name)));
}

bool MainWindow::deleteSet(int index) {
  if (index < 0 || index >= static_cast<int>(document_.sets().size())) return false;
  if (!mayRemoveSet(index)) return false;
  document_.apply(RemoveSetCommand(static_cast<std::size_t>(index)), tr("削除", "undo step"));
  return true;
}

void MainWindow::deleteSelectedSet() {
  const int index = SelectedSet(*this);
  if (index >= 0) deleteSet(index);
}

// A cut whose removal is declined still copies the set.
void MainWindow::cutSet() {
  const int index = SelectedSet(*this);
  if (index < 0) {
    MessageBox::beep();
    return;
  }
  if (mayRemoveSet(index)) {
    document_.apply(CutSetCommand(static_cast<std::size_t>(index)), tr("切り取り", "undo step"));
  } else {
    document_.copySet(index);
  }
}

void MainWindow::copySet() {
  if (!document_.copySet(SelectedSet(*this))) MessageBox::beep();
}

// Before the selected set, or at the end from the new-set row.
void MainWindow::pasteSet() {
  ParticleSet pasted;
  switch (PreparePaste(document_.sets(), document_.clipboard(), pasted)) {
    case PasteResult::kClipboardEmpty:
      MessageBox::beep();
      return;
    case PasteResult::kNamesExhausted:
      MessageBox::warning(this, tr("名前を整理してください。"));
      return;
    case PasteResult::kPasted:
      break;
  }
  const int position = std::max(selectedRow() - 1, 0);
  document_.apply(PasteSetCommand(static_cast<std::size_t>(position), std::move(pasted)),
                  tr("貼り付け", "undo step"));
}

}  // namespace kirabel
