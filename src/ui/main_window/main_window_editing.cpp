// Editing commands of the main window: adding and changing sets through the
// properties dialog, deleting, and the one-set clipboard. Each change goes to
// the document as a command, which renumbers the child links; the grid and
// the child choices follow the document. A set added or pasted into a list
// with own random streams gets a seed when it has none.
#include <QDialog>
#include <optional>

#include "model/set_seed.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"

namespace kirabel {

void MainWindow::addSet() {
  setDialog().proposeNewSet(QStringLiteral("火花 %1").arg(document_.sets().size() + 1));
  if (ModalRunner::exec(setDialog()) != QDialog::Accepted) return;
  document_.apply(
      AppendSetCommand(SeededForList(setDialog().particleSet(), document_.launchSettings())),
      tr("追加", "undo step"));
}

void MainWindow::changeSelectedSet() {
  if (const std::optional<std::size_t> set = selection_.set()) {
    editSet(*set);
  } else {
    addSet();
  }
}

void MainWindow::editSet(std::size_t index) {
  if (index >= document_.sets().size()) return;
  setDialog().setParticleSet(document_.sets()[index]);
  if (ModalRunner::exec(setDialog()) != QDialog::Accepted) return;
  // The list cannot change while the dialog is modal; stay safe if it did.
  if (index >= document_.sets().size()) return;
  document_.apply(ReplaceSetCommand(index, setDialog().particleSet()), tr("変更", "undo step"));
}

// Whether set `index` may go: asked only when another set names it as child.
bool MainWindow::mayRemoveSet(std::size_t index) {
  const ParticleList& sets = document_.sets();
  return !IsChildOfAnother(sets, index) ||
         MessageBox::confirm(this, tr("%1は、他のパーティクルセットの子に指定されていますが、"
                                      "削除してよろしいですか?")
                                       .arg(QString::fromStdString(sets[index].name)));
}

bool MainWindow::deleteSet(std::size_t index) {
  if (index >= document_.sets().size()) return false;
  if (!mayRemoveSet(index)) return false;
  document_.apply(RemoveSetCommand(index), tr("削除", "undo step"));
  return true;
}

void MainWindow::deleteSelectedSet() {
  if (const std::optional<std::size_t> set = selection_.set()) deleteSet(*set);
}

// A cut whose removal is declined still copies the set.
void MainWindow::cutSet() {
  const std::optional<std::size_t> set = selection_.set();
  if (!set) {
    MessageBox::beep();
    return;
  }
  if (mayRemoveSet(*set)) {
    document_.apply(CutSetCommand(*set), tr("切り取り", "undo step"));
  } else {
    document_.copySet(static_cast<int>(*set));
  }
}

void MainWindow::copySet() {
  const std::optional<std::size_t> set = selection_.set();
  if (!set || !document_.copySet(static_cast<int>(*set))) MessageBox::beep();
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
  document_.apply(PasteSetCommand(selection_.index(),
                                  SeededForList(std::move(pasted), document_.launchSettings())),
                  tr("貼り付け", "undo step"));
}

}  // namespace kirabel
