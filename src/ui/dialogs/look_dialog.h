#pragma once
// The Look dialog ("見た目"): how the light of the list's trails becomes
// pictures. The classic light or the film light, and for the film its
// exposure, glow, star size and sky (two colours, a photo, the light the
// fireworks throw on it). It holds no data: the main window fills it before
// showing it and reads it back after OK; each change is announced at once, so
// that the preview can show it while the dialog is open.
#include "model/look.h"
#include "ui/dialogs/fixed_dialog.h"
#include "ui/services/file_dialog_service.h"

class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kirabel {

class ColorSwatch;
class NumericField;

class LookDialog : public FixedDialog {
  Q_OBJECT
 public:
  explicit LookDialog(QWidget* parent = nullptr);

  // The file dialog of the photo's browse button.
  FileChooser photoDialog;

  void setLook(const Look& look);
  // What the dialog shows, every number held to its limits.
  Look look() const;

 signals:
  // A field, a colour, the photo or the light changed.
  void lookEdited(const kirabel::Look& look);

 private:
  struct NumberRow;

  void addLightRow(QGridLayout* grid);
  void addNumberRow(QGridLayout* grid, int row, const NumberRow& number);
  ColorSwatch* addColourRow(QGridLayout* grid, int row, const char* objectName,
                            const char* caption);
  void addPhotoRow(QGridLayout* grid, int row);
  void chooseColourOf(ColorSwatch* swatch);
  void browsePhoto();
  void clearPhoto();
  void showPhoto();
  void edited();
  void updateControls();

  Look shown_;            // what setLook gave, for what the fields cannot hold
  bool filling_ = false;  // setLook is writing the fields: no change to announce

  QRadioButton* classicButton;   // "クラシック"
  QRadioButton* filmButton;      // "フィルム"
  NumericField* exposureEdit;    // stops
  NumericField* glowEdit;        // strength
  NumericField* glowRadiusEdit;  // percent of the picture's height
  NumericField* starSizeEdit;    // pixels
  ColorSwatch* skyTopSwatch;
  ColorSwatch* skyBottomSwatch;
  QLineEdit* photoEdit;           // the sky photo's file, read only
  QPushButton* browseButton;      // "参照..."
  QPushButton* clearPhotoButton;  // "削除"
  NumericField* skyGlowEdit;
  QPushButton* okButton;
  QPushButton* cancelButton;
};

}  // namespace kirabel
