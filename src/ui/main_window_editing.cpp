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
int SelectedSet(const TForm1& form) {
  const int index = form.Row() - 1;
  return index >= 0 && index < static_cast<int>(form.List.size()) ? index : -1;
}

}  // namespace

void TForm1::BitBtn1Click() {
  AddSet();
}

void TForm1::BitBtn4Click() {
  const int index = SelectedSet(*this);
  if (index < 0) {
    AddSet();
  } else {
    EditSet(index);
  }
}

void TForm1::AddSet() {
  if (!Form3) return;
  Form3->Edit1->setText(QStringLiteral("火花 %1").arg(List.size() + 1));
  // Colour, numbers and the show check box keep what the dialog showed last.
  for (QComboBox* selector :
       {Form3->ComboBox1, Form3->ComboBox2, Form3->ComboBox3, Form3->ComboBox4, Form3->ComboBox5}) {
    selector->setCurrentIndex(0);
  }
  if (ModalRunner::exec(*Form3) != QDialog::Accepted) return;
  TParticle set;
  DialogToSet(*Form3, set);
  List.push_back(set);
  Form3->ComboBox1->addItem(QString::fromStdString(set.name));
  SetRowCount(RowCount() + 1);
  RepaintGrid();
}

void TForm1::EditSet(int index) {
  if (!Form3 || index < 0 || index >= static_cast<int>(List.size())) return;
  SetToDialog(*Form3, List[index]);
  if (ModalRunner::exec(*Form3) != QDialog::Accepted) return;
  // The list cannot change while the dialog is modal; stay safe if it did.
  if (index >= static_cast<int>(List.size())) return;
  TParticle& set = List[index];
  DialogToSet(*Form3, set);
  Form3->ComboBox1->setItemText(index + 1, QString::fromStdString(set.name));
  RepaintGrid();
}

bool TForm1::DeleteSet(int index) {
  if (index < 0) return false;
  if (!kirabel::DeleteSet(List, Clipboard, static_cast<std::size_t>(index), DeleteQuestion(this))) {
    return false;
  }
  if (Form3) Form3->ComboBox1->removeItem(index + 1);
  SetRowCount(RowCount() - 1);
  RepaintGrid();
  return true;
}

void TForm1::BitBtn3Click() {
  const int index = SelectedSet(*this);
  if (index >= 0) DeleteSet(index);
}

void TForm1::SpeedButton9Click() {
  const int index = SelectedSet(*this);
  // The clipboard ends up full even when the deletion is declined.
  if (index < 0 ||
      !CutSet(List, Clipboard, static_cast<std::size_t>(index), DeleteQuestion(this))) {
    MessageBox::Beep();
    return;
  }
  RebuildChildList();
  SetRowCount(static_cast<int>(List.size()) + 2);
  RepaintGrid();
}

void TForm1::SpeedButton10Click() {
  const int index = SelectedSet(*this);
  if (index < 0 || !CopySet(List, Clipboard, static_cast<std::size_t>(index))) {
    MessageBox::Beep();
  }
}

void TForm1::SpeedButton11Click() {
  // Before the selected set, or at the end from the new-set row.
  const int position = std::max(Row() - 1, 0);
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
  RebuildChildList();
  SetRowCount(RowCount() + 1);
  RepaintGrid();
}

void TForm1::RebuildChildList() {
  if (!Form3) return;
  QComboBox* choices = Form3->ComboBox1;
  choices->clear();
  choices->addItem(TForm3::noChildText());
  for (const TParticle& set : List) choices->addItem(QString::fromStdString(set.name));
}

}  // namespace kirabel
