#pragma once
// The particle set properties dialog ("パーティクルセットの個別設定"). It edits
// one particle set but holds no data: the main window fills the controls from
// a set, shows the dialog modally and reads the set back after OK. Created once at start-up and
// reused, so its controls keep their values between uses. It is not centred: the main window places
// it (the settings file keeps its position), and it opens there unless no screen shows that place
// any more.
#include "model/star_effects.h"
#include "ui/dialogs/fixed_dialog.h"

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;

namespace kirabel {

class ColorSwatch;
class NumericField;
class ParticleSet;

class ParticleSetDialog : public FixedDialog {
  Q_OBJECT
 public:
  explicit ParticleSetDialog(QWidget* parent = nullptr);

  // The controls show this set. Each number goes through its field's own
  // rules (digit limit, sign, decimals), so a field may show a clamped value;
  // a child that names no set shows "(なし)".
  void setParticleSet(const ParticleSet& set);
  // The set the controls show, checking nothing: counts truncated toward
  // zero, directions in radians, the name cut to 40 bytes, a child choice
  // that names no set -1.
  ParticleSet particleSet() const;
  // Prepares the controls for a new set: this name, no child and the first
  // distribution of each selector; colour, numbers and the show check box
  // keep what the dialog showed last; it has no star effects.
  void proposeNewSet(const QString& name);
  // The child choices (the document's "(なし)" and set names).
  void setChildChoices(QAbstractItemModel* choices);

 public slots:
  // Offers the colour chooser preset with the swatch's colour; a confirmed
  // choice becomes the swatch's colour. Named after the mouse press, but
  // Space and Enter on the focused swatch run it as well.
  void chooseColor();

 private:
  struct NumberField;
  struct NumberRow;

  void addNameAndColourRows(QGridLayout* grid);
  int addNumberRows(QGridLayout* grid);
  void addNumberRow(QGridLayout* grid, int row, const NumberRow& numbers);
  NumericField* addNumber(const NumberField& number);
  QComboBox* addDistributionSelector(const char* objectName);
  void addChildAndGenerationRows(QGridLayout* grid, int row);
  void addVisibleCheck(QGridLayout* grid, int row);

  QLineEdit* nameEdit;            // name, at most 40 bytes
  ColorSwatch* colorSwatch;       // colour swatch; a press, Space or Enter opens the colour chooser
  NumericField* countEdit;        // number of particles
  NumericField* originXEdit;      // origin x [Pixel]
  NumericField* originYEdit;      // origin y [Pixel]
  NumericField* speedEdit;        // explosion strength
  NumericField* speedSpreadEdit;  // spread of the strength
  NumericField* directionEdit;    // direction [deg]
  NumericField* directionSpreadEdit;      // spread of the direction [deg]
  NumericField* birthTimeEdit;            // time of appearance
  NumericField* birthSpreadEdit;          // spread of the time of appearance
  NumericField* lifetimeEdit;             // lifetime
  NumericField* lifetimeSpreadEdit;       // spread of the lifetime
  NumericField* trailLengthEdit;          // afterimage length
  NumericField* trailSamplesEdit;         // afterimage divisions
  QComboBox* childSetCombo;               // child: item 0 "(なし)", item i + 1 the name of set i
  NumericField* maxGenerationsEdit;       // maximum generations
  QComboBox* speedDistributionCombo;      // distribution of the strength
  QComboBox* directionDistributionCombo;  // distribution of the direction
  QComboBox* birthDistributionCombo;      // distribution of the time of appearance
  QComboBox* lifetimeDistributionCombo;   // distribution of the lifetime
  QCheckBox* visibleCheck;                // show this particle set
  QPushButton* okButton;                  // OK (default button)
  QPushButton* cancelButton;              // ｷｬﾝｾﾙ (Esc)
  // The star effects of the set shown, which no control shows yet: a changed
  // set keeps them, a new set starts without any.
  StarEffects shownEffects;
};

}  // namespace kirabel
