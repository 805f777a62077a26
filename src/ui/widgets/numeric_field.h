#pragma once
// NumericField: the numeric field of every dialog. A right-aligned line edit that
// owns one long double number and behaves like a pocket calculator: every
// key, focus change, mouse release, clipboard command and outside text change
// is handed to NumericEntry, which decides the number, and the text is always
// re-rendered from it. Dialogs read and write value() only.
#include <QColor>
#include <QLineEdit>
#include <memory>

class QMenu;

namespace kirabel {

class NumericEntry;
class NumericFieldHost;
struct FieldLimits;

class NumericField : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumericField(QWidget* parent = nullptr);
  ~NumericField() override;

  // The number. Writing goes through the field's clamping rules: the text
  // shows at most maxDigits digits, rounded at the shown places, while
  // value() keeps the number that was written (after clamping).
  long double value() const;
  void setValue(long double value);

  // The model's limits of a number: its digits, sign and decimals (the
  // caller sets the value, usually limits.initial).
  void setLimits(const FieldLimits& limits);
  int maxDigits() const;  // 1..15 digits, integer and fraction together (9)
  void setMaxDigits(int digits);
  bool allowNegative() const;  // negative numbers may be entered (true)
  void setAllowNegative(bool permit);
  int fixedDecimals() const;  // -1 free, 0 integers, n > 0 places (-1)
  void setFixedDecimals(int places);
  bool deleteClearsAll() const;  // Delete clears without a selection (false)
  void setDeleteClearsAll(bool clear);
  QChar prefixChar() const;  // prefix such as a currency sign; space = none
  void setPrefixChar(QChar c);
  bool showZero() const;  // zero shows "0" instead of an empty field (false)
  void setShowZero(bool show);
  bool thousandsSeparators() const;  // thousands separators (true)
  void setThousandsSeparators(bool put);
  bool enterMovesFocus() const;  // Enter moves the focus to the next control (false)
  void setEnterMovesFocus(bool next);
  bool arrowsMoveFocus() const;  // Up/Down move the focus (false)
  void setArrowsMoveFocus(bool next);
  QColor negativeColor() const;  // text colour of negative values
  void setNegativeColor(const QColor& color);
  bool selectAllOnFocus() const;  // focus by keyboard selects the whole text (true)
  void setSelectAllOnFocus(bool select);

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
