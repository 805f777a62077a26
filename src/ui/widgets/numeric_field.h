#pragma once
// NumericField: the numeric field of every dialog. A right-aligned line edit that
// owns one long double number and behaves like a pocket calculator: every
// key, focus change, mouse release, clipboard command and outside text change
// is handed to NumericEntry, which decides the number, and the text is always
// re-rendered from it. Dialogs read and write Value() only.
#include <QColor>
#include <QLineEdit>
#include <memory>

class QMenu;

namespace kirabel {

class NumericEntry;
class NumericFieldHost;

class NumericField : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumericField(QWidget* parent = nullptr);
  ~NumericField() override;

  // The number. Writing goes through the field's clamping rules: the text
  // shows at most MaxDigits digits, rounded at the shown places, while
  // Value() keeps the number that was written (after clamping).
  long double Value() const;
  void setValue(long double value);

  int MaxDigits() const;  // 1..15 digits, integer and fraction together (9)
  void setMaxDigits(int digits);
  bool PrmtNegative() const;  // negative numbers may be entered (true)
  void setPrmtNegative(bool permit);
  int FixDecimal() const;  // -1 free, 0 integers, n > 0 places (-1)
  void setFixDecimal(int places);
  bool DelAllClear() const;  // Delete clears without a selection (false)
  void setDelAllClear(bool clear);
  QChar LeadingChar() const;  // prefix such as a currency sign; space = none
  void setLeadingChar(QChar c);
  bool ZeroDisplay() const;  // zero shows "0" instead of an empty field (false)
  void setZeroDisplay(bool show);
  bool PutAComma() const;  // thousands separators (true)
  void setPutAComma(bool put);
  bool EnterNext() const;  // Enter moves the focus to the next control (false)
  void setEnterNext(bool next);
  bool ArrowNext() const;  // Up/Down move the focus (false)
  void setArrowNext(bool next);
  QColor MinusColor() const;  // text colour of negative values
  void setMinusColor(const QColor& color);
  bool AutoSelect() const;  // focus by keyboard selects the whole text (true)
  void setAutoSelect(bool select);

  // The entry state behind the text (digit counts, point and sign flags).
  const NumericEntry& entry() const;

  // The context menu (undo, cut, copy, paste, delete, select all), whose
  // commands follow the field's rules. The caller owns it.
  QMenu* createNumericContextMenu();

 Q_SIGNALS:
  // A key or command was refused; the system beep has sounded.
  void refused();

 public Q_SLOTS:
  // Clipboard commands with the field's rules; they hide QLineEdit's own,
  // which would edit the text character by character.
  void paste();
  void cut();
  void undo();
  // Clears the selected number (the context menu's Delete).
  void deleteSelection();
  // Text from outside: read as a number (0 when it is none) and re-rendered.
  void setText(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool handleShortcut(QKeyEvent* event);
  bool dialogTakesKey(const QKeyEvent* event) const;
  void onTextChanged(const QString& text);
  void moveFocus(bool forward);
  void beep();
  friend class NumericFieldHost;

  std::unique_ptr<NumericFieldHost> host_;
  std::unique_ptr<NumericEntry> entry_;
};

}  // namespace kirabel
