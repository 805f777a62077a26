#include "ui/widgets/numeric_field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include "numeric/numeric_entry.h"

namespace kirabel {

// Carries out the entry's effects on the line edit.
class NumericFieldHost : public NumericEntryHost {
 public:
  explicit NumericFieldHost(NumericField& edit) : edit_(edit) {}

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
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, QPalette::Text, QColor::fromRgba(argb));
    }
    edit_.setPalette(palette);
  }
  void SelectAll() override { edit_.selectAll(); }
  void CaretToEnd() override { edit_.end(false); }
  void CopySelection() override {
    if (edit_.hasSelectedText()) QGuiApplication::clipboard()->setText(edit_.selectedText());
  }
  void Beep() override { edit_.beep(); }
  void MoveFocus(bool forward) override { edit_.moveFocus(forward); }

 private:
  NumericField& edit_;
};

namespace {

uint32_t TextColorOf(const QWidget& widget) {
  return widget.palette().color(QPalette::Active, QPalette::Text).rgba();
}

NumericKey ToNumericKey(int key) {
  switch (key) {
    case Qt::Key_Backspace:
      return NumericKey::kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return NumericKey::kEnter;
    case Qt::Key_Escape:
      return NumericKey::kEscape;
    case Qt::Key_Home:
      return NumericKey::kHome;
    case Qt::Key_Left:
      return NumericKey::kLeft;
    case Qt::Key_Up:
      return NumericKey::kUp;
    case Qt::Key_Down:
      return NumericKey::kDown;
    case Qt::Key_Delete:
      return NumericKey::kDelete;
    default:
      return NumericKey::kOther;
  }
}

bool IsCaretKeyAtEnd(int key) {
  return key == Qt::Key_Right || key == Qt::Key_End;
}

bool IsDialogKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

}  // namespace

NumericField::NumericField(QWidget* parent)
    : QLineEdit(parent), host_(std::make_unique<NumericFieldHost>(*this)) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Keys arrive as plain characters, and dropped text never edits the number.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setAcceptDrops(false);
  NumericProperties properties;
  properties.negativeColor = TextColorOf(*this);
  entry_ = std::make_unique<NumericEntry>(*host_, properties, properties.negativeColor);
  connect(this, &QLineEdit::textChanged, this, &NumericField::onTextChanged);
  entry_->Loaded();
}

NumericField::~NumericField() = default;

long double NumericField::value() const {
  return entry_->Value();
}
void NumericField::setValue(long double value) {
  entry_->SetValue(value);
}

void NumericField::setLimits(const FieldLimits& limits) {
  entry_->SetLimits(limits);
}

int NumericField::maxDigits() const {
  return entry_->Properties().maxDigits;
}
void NumericField::setMaxDigits(int digits) {
  entry_->SetMaxDigits(digits);
}
bool NumericField::allowNegative() const {
  return entry_->Properties().allowNegative;
}
void NumericField::setAllowNegative(bool permit) {
  entry_->SetAllowNegative(permit);
}
int NumericField::fixedDecimals() const {
  return entry_->Properties().fixedDecimals;
}
void NumericField::setFixedDecimals(int places) {
  entry_->SetFixedDecimals(places);
}
bool NumericField::deleteClearsAll() const {
  return entry_->Properties().deleteClearsAll;
}
void NumericField::setDeleteClearsAll(bool clear) {
  entry_->SetDeleteClearsAll(clear);
}

QChar NumericField::prefixChar() const {
  const char32_t c = entry_->Properties().prefixChar;
  return c <= 0xFFFF ? QChar(static_cast<char16_t>(c)) : QChar(u' ');
}

void NumericField::setPrefixChar(QChar c) {
  entry_->SetPrefixChar(c.isSurrogate() ? U' ' : static_cast<char32_t>(c.unicode()));
}

bool NumericField::showZero() const {
  return entry_->Properties().showZero;
}
void NumericField::setShowZero(bool show) {
  entry_->SetShowZero(show);
}
bool NumericField::thousandsSeparators() const {
  return entry_->Properties().thousandsSeparators;
}
void NumericField::setThousandsSeparators(bool put) {
  entry_->SetThousandsSeparators(put);
}
bool NumericField::enterMovesFocus() const {
  return entry_->Properties().enterMovesFocus;
}
void NumericField::setEnterMovesFocus(bool next) {
  entry_->SetEnterMovesFocus(next);
}
bool NumericField::arrowsMoveFocus() const {
  return entry_->Properties().arrowsMoveFocus;
}
void NumericField::setArrowsMoveFocus(bool next) {
  entry_->SetArrowsMoveFocus(next);
}
QColor NumericField::negativeColor() const {
  return QColor::fromRgba(entry_->Properties().negativeColor);
}
void NumericField::setNegativeColor(const QColor& color) {
  entry_->SetNegativeColor(color.rgba());
}
bool NumericField::selectAllOnFocus() const {
  return entry_->Properties().selectAllOnFocus;
}
void NumericField::setSelectAllOnFocus(bool select) {
  entry_->SetSelectAllOnFocus(select);
}

const NumericEntry& NumericField::entry() const {
  return *entry_;
}

// ------------------------------------------------------------------ clipboard

void NumericField::paste() {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  std::optional<std::string> text;
  if (mime && mime->hasText()) text = mime->text().toStdString();
  entry_->Paste(text);
}
void NumericField::cut() {
  entry_->Cut();
}
void NumericField::undo() {
  entry_->Undo();
}
void NumericField::deleteSelection() {
  entry_->Clear();
}

QMenu* NumericField::createNumericContextMenu() {
  auto* menu = new QMenu(this);
  const bool writable = !isReadOnly();
  const auto add = [&](const char* name, const QString& text, QKeySequence::StandardKey key,
                       bool enabled, auto slot) {
    QAction* action = menu->addAction(text, this, slot);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setEnabled(enabled);
  };
  add("edit-undo", QLineEdit::tr("&Undo"), QKeySequence::Undo, writable && entry_->CanUndo(),
      &NumericField::undo);
  menu->addSeparator();
  add("edit-cut", QLineEdit::tr("Cu&t"), QKeySequence::Cut, entry_->CanCutOrClear(),
      &NumericField::cut);
  add("edit-copy", QLineEdit::tr("&Copy"), QKeySequence::Copy, hasSelectedText(), &QLineEdit::copy);
  add("edit-paste", QLineEdit::tr("&Paste"), QKeySequence::Paste, writable, &NumericField::paste);
  add("edit-delete", QLineEdit::tr("Delete"), QKeySequence::Delete, entry_->CanCutOrClear(),
      &NumericField::deleteSelection);
  menu->addSeparator();
  add("select-all", QLineEdit::tr("Select All"), QKeySequence::SelectAll, !text().isEmpty(),
      &QLineEdit::selectAll);
  return menu;
}

void NumericField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createNumericContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

// ------------------------------------------------------------------ keys

bool NumericField::handleShortcut(QKeyEvent* event) {
  // Delete with any modifier (Shift+Delete is also Cut) keeps its own rule.
  if (event->key() == Qt::Key_Delete) return false;
  if (event == QKeySequence::Copy) {
    copy();
  } else if (event == QKeySequence::Paste) {
    paste();
  } else if (event == QKeySequence::Cut) {
    if (!isReadOnly()) cut();
  } else if (event == QKeySequence::Undo) {
    undo();
  } else {
    return false;
  }
  return true;
}

// Inside a dialog, Enter presses the default button and Escape the cancel
// button; a field with enterMovesFocus keeps both for itself.
bool NumericField::dialogTakesKey(const QKeyEvent* event) const {
  if (!IsDialogKey(event->key()) || enterMovesFocus()) return false;
  for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
    if (qobject_cast<QDialog*>(w)) return true;
  }
  return false;
}

void NumericField::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (handleShortcut(event)) return;
  if (dialogTakesKey(event)) {
    event->ignore();
    return;
  }
  const NumericKey key = ToNumericKey(event->key());
  if (key != NumericKey::kOther) {
    if (entry_->KeyDown(key)) return;
    // Enter, Up and Down the field does not use go on to the parent, Enter
    // after the edit's own handling (returnPressed).
    if (key == NumericKey::kEnter) QLineEdit::keyPressEvent(event);
    event->ignore();
    return;
  }
  if (IsCaretKeyAtEnd(event->key())) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QString text = event->text();
  if (text.isEmpty()) {
    event->ignore();
    return;
  }
  // Every character is consumed; only plain ones (no Ctrl, Alt or Meta) type.
  const auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (event->modifiers() & commandModifiers) return;
  for (const char32_t c : text.toUcs4()) entry_->TypeChar(c);
}

// ------------------------------------------------------------------ focus and mouse

void NumericField::focusInEvent(QFocusEvent* event) {
  setAttribute(Qt::WA_InputMethodEnabled, false);
  QLineEdit::focusInEvent(event);
  if (event->reason() == Qt::PopupFocusReason) return;  // back from the context menu
  if (event->reason() == Qt::MouseFocusReason) {
    entry_->MouseActivate();
  } else {
    end(false);  // the entry decides about the selection (selectAllOnFocus)
  }
  entry_->FocusGained();
}

void NumericField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason) return;  // the context menu opened
  entry_->FocusLost();
}

void NumericField::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button's selection paste would insert text into the number.
  if (event->button() != Qt::MiddleButton) QLineEdit::mouseReleaseEvent(event);
  entry_->MouseReleased();
}

void NumericField::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) entry_->DoubleClick();
}

// ------------------------------------------------------------------ notifications

void NumericField::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (!entry_) return;
  if (event->type() == QEvent::PaletteChange) entry_->TextColorChanged(TextColorOf(*this));
  if (event->type() == QEvent::ReadOnlyChange) setAttribute(Qt::WA_InputMethodEnabled, false);
}

void NumericField::setText(const QString& text) {
  // Every text set from outside is read back, also one equal to the shown
  // text (QLineEdit reports no change for it).
  if (text == this->text()) {
    onTextChanged(text);
  } else {
    QLineEdit::setText(text);
  }
}

void NumericField::onTextChanged(const QString& text) {
  entry_->TextSet(text.toStdString());
}

void NumericField::moveFocus(bool forward) {
  forward ? focusNextChild() : focusPreviousChild();
}

void NumericField::beep() {
  QApplication::beep();
  emit refused();
}

}  // namespace kirabel
