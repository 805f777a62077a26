#include "controls/NValEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include "controls/numeric_entry.h"

namespace kirabel {

// Carries out the entry's effects on the line edit.
class NValEditHost : public NumericEntryHost {
 public:
  explicit NValEditHost(TNValEdit& edit) : edit_(edit) {}

  SelectionKind Selection() const override {
    if (!edit_.hasSelectedText()) return SelectionKind::kNone;
    return edit_.selectedText() == edit_.text() ? SelectionKind::kAll : SelectionKind::kPart;
  }
  bool IsReadOnly() const override { return edit_.isReadOnly(); }
  void SetText(const std::string& text) override {
    edit_.QLineEdit::setText(QString::fromStdString(text));
    edit_.end(false);
  }
  void SetTextColor(uint32_t argb) override {
    QPalette palette = edit_.palette();
    palette.setColor(QPalette::Active, QPalette::Text, QColor::fromRgba(argb));
    palette.setColor(QPalette::Inactive, QPalette::Text, QColor::fromRgba(argb));
    edit_.setPalette(palette);
  }
  void SelectAll() override { edit_.selectAll(); }
  void CaretToEnd() override { edit_.end(false); }
  void CopySelection() override {
    if (edit_.hasSelectedText()) QGuiApplication::clipboard()->setText(edit_.selectedText());
  }
  void Beep() override { QApplication::beep(); }
  void MoveFocus(bool forward) override { edit_.moveFocus(forward); }

 private:
  TNValEdit& edit_;
};

TNValEdit::TNValEdit(QWidget* parent) : QLineEdit(parent) {}
TNValEdit::~TNValEdit() = default;

long double TNValEdit::Value() const {
  return 0;
}
void TNValEdit::setValue(long double) {}
int TNValEdit::MaxDigits() const {
  return 9;
}
void TNValEdit::setMaxDigits(int) {}
bool TNValEdit::PrmtNegative() const {
  return true;
}
void TNValEdit::setPrmtNegative(bool) {}
int TNValEdit::FixDecimal() const {
  return -1;
}
void TNValEdit::setFixDecimal(int) {}
bool TNValEdit::DelAllClear() const {
  return false;
}
void TNValEdit::setDelAllClear(bool) {}
QChar TNValEdit::LeadingChar() const {
  return QChar(' ');
}
void TNValEdit::setLeadingChar(QChar) {}
bool TNValEdit::ZeroDisplay() const {
  return false;
}
void TNValEdit::setZeroDisplay(bool) {}
bool TNValEdit::PutAComma() const {
  return true;
}
void TNValEdit::setPutAComma(bool) {}
bool TNValEdit::EnterNext() const {
  return false;
}
void TNValEdit::setEnterNext(bool) {}
bool TNValEdit::ArrowNext() const {
  return false;
}
void TNValEdit::setArrowNext(bool) {}
QColor TNValEdit::MinusColor() const {
  return QColor();
}
void TNValEdit::setMinusColor(const QColor&) {}
bool TNValEdit::AutoSelect() const {
  return true;
}
void TNValEdit::setAutoSelect(bool) {}
const NumericEntry& TNValEdit::entry() const {
  return *entry_;
}
void TNValEdit::paste() {}
void TNValEdit::cut() {}
void TNValEdit::undo() {}
void TNValEdit::deleteSelection() {}
void TNValEdit::keyPressEvent(QKeyEvent* event) {
  QLineEdit::keyPressEvent(event);
}
void TNValEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
}
void TNValEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
}
void TNValEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
}
void TNValEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
}
void TNValEdit::contextMenuEvent(QContextMenuEvent* event) {
  QLineEdit::contextMenuEvent(event);
}
void TNValEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
}
bool TNValEdit::handleShortcut(QKeyEvent*) {
  return false;
}
bool TNValEdit::dialogTakesKey(const QKeyEvent*) const {
  return false;
}
void TNValEdit::onTextChanged(const QString&) {}
void TNValEdit::moveFocus(bool forward) {
  forward ? focusNextChild() : focusPreviousChild();
}

}  // namespace kirabel
