#pragma once
// The frame every dialog of the desktop program shares: a fixed border, the
// program's font, modal, and its controls laid out in rows by a layout. The
// dialog keeps its designed client size, and grows only where the system's
// fonts or the interface's language need more room. OK is the default button,
// "ｷｬﾝｾﾙ" answers Esc.
#include <QDialog>
#include <initializer_list>

class QGridLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace kirabel {

class FixedDialog : public QDialog {
  Q_OBJECT
 public:
  // Where the dialog opens: centred on the screen, or where it was put (the
  // settings file keeps the place) unless no screen shows that place any more.
  enum class Placement { kCentred, kWhereItWasPut };

  FixedDialog(QWidget* parent, const QString& caption, Placement placement);

 protected:
  // The dialog's rows, top to bottom.
  QVBoxLayout* rows() const { return rows_; }
  // Adds a grid whose rows, and the button row after them, share the room
  // the designed size leaves, as evenly spaced rows.
  void addSpreadRows(QGridLayout* grid);
  // "OK" (okButton): the default button, closes with the result Accepted.
  QPushButton* addOkButton();
  // "ｷｬﾝｾﾙ" (cancelButton): closes with the result Rejected; Esc presses it.
  QPushButton* addCancelButton();
  // The closing buttons as the last row, kept at the bottom, `alignment`
  // either Qt::AlignRight or Qt::AlignHCenter.
  void addButtonRow(std::initializer_list<QPushButton*> buttons, Qt::Alignment alignment);
  // Fixes the dialog's size: `designed`, wider or taller where the laid-out
  // controls need it.
  void fixSize(QSize designed);

  void showEvent(QShowEvent* event) override;

 private:
  void centreOnScreen();

  Placement placement_;
  QVBoxLayout* rows_;
  QGridLayout* spreadRows_ = nullptr;
};

// A grid of rows with the dialogs' row spacing; with an owner (a group box)
// it is the owner's layout, with the dialogs' margins.
QGridLayout* NewRowGrid(QWidget* owner = nullptr);
// A grid of rows filling a page of a dialog's tabs: the dialogs' row spacing
// and side margins, no margin above or below (the page's frame is there).
QGridLayout* NewPageGrid(QWidget* page);
// Every row of the grid takes an equal share of the room its owner leaves,
// its controls centred in it: a page of a dialog's tabs spread as the
// dialog's own rows are.
void SpreadEvenly(QGridLayout& grid);
// A one-line field or selector as high as a line of its text and its frame,
// so that the dialogs' rows stay as close as they were designed.
void MakeCompactHeight(QWidget& control);
// The width a line edit needs to show `widest` whole (frame and margins included).
int WidthShowing(const QLineEdit& field, const QString& widest);

}  // namespace kirabel
