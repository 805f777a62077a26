#pragma once
// The particle set properties dialog ("パーティクルセットの個別設定"). It edits
// one particle set but holds no logic beyond its colour swatch: the main
// window fills the controls from a set, shows the dialog modally and reads the
// controls back after OK. Created once at start-up and reused, so its controls
// keep their values between uses. It is not centred: the main window places it
// (the settings file keeps its position), and it opens there unless no screen
// shows that place any more.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kirabel {

class TNValEdit;
class TShape;

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);

  QLineEdit* Edit1;      // name, at most 40 bytes
  TShape* Shape1;        // colour swatch; a press, Space or Enter opens the colour chooser
  TNValEdit* NEditN;     // number of particles
  TNValEdit* NEditP0X;   // origin x [Pixel]
  TNValEdit* NEditP0Y;   // origin y [Pixel]
  TNValEdit* NEditB;     // explosion strength
  TNValEdit* NEditEB;    // spread of the strength
  TNValEdit* NEditVB;    // direction [deg]
  TNValEdit* NEditDB;    // spread of the direction [deg]
  TNValEdit* NEditGT;    // time of appearance
  TNValEdit* NEditET;    // spread of the time of appearance
  TNValEdit* NEditLT;    // lifetime
  TNValEdit* NEditELT;   // spread of the lifetime
  TNValEdit* NEditTV;    // afterimage length
  TNValEdit* NEditNS;    // afterimage divisions
  QComboBox* ComboBox1;  // child: item 0 "(なし)", item i + 1 the name of set i
  TNValEdit* NEditAM;    // maximum generations
  QComboBox* ComboBox2;  // distribution of the strength
  QComboBox* ComboBox3;  // distribution of the direction
  QComboBox* ComboBox4;  // distribution of the time of appearance
  QComboBox* ComboBox5;  // distribution of the lifetime
  QCheckBox* CheckBox1;  // show this particle set
  QPushButton* BitBtn4;  // OK (default button)
  QPushButton* BitBtn1;  // ｷｬﾝｾﾙ (Esc)

  // The item text of the child choice list that stands for "no child".
  static QString noChildText();

 public slots:
  // Offers the colour chooser preset with the swatch's colour; a confirmed
  // choice becomes the swatch's colour. Named after the mouse press, but
  // Space and Enter on the focused swatch run it as well.
  void Shape1MouseDown();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createNameAndColourRows();
  void createNumberRows();
  void createDistributionSelectors();
  void createChildRows();
  void createButtons();
  void arrangeTabOrder();
  void fitToFonts();
  QLabel* addLabel(const QString& text, int x, int y);
  TNValEdit* addNumber(const QString& objectName, QRect geometry, const QString& hint);
  QComboBox* addDistributionSelector(const QString& objectName, int y);
};

}  // namespace kirabel
