#pragma once
// The launch settings dialog ("打ち上げ設定"). It holds no data: the main
// window fills it before showing it and reads it back afterwards. It opens
// where it was placed (the settings file keeps its position) unless no screen
// shows that place any more.
#include "model/launch_settings.h"
#include "ui/dialogs/fixed_dialog.h"
#include "ui/services/file_dialog_service.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kirabel {

class NumericField;

class LaunchSettingsDialog : public FixedDialog {
  Q_OBJECT
 public:
  explicit LaunchSettingsDialog(QWidget* parent = nullptr);

  // The dialog's own save dialog for the browse button.
  FileChooser browseDialog;
  // The main window's dialogs: the browse button starts in the save dialog's
  // folder and hands the chosen folder to both. Null: not attached.
  FileChooser* mainOpenDialog = nullptr;
  FileChooser* mainSaveDialog = nullptr;

  // The fields show these settings, each number through its field's rules.
  void setLaunchSettings(const LaunchSettings& settings);
  // The settings the fields show (the name trimmed and cut to 255 bytes), the
  // rest as last set.
  LaunchSettings launchSettings() const;

 public slots:
  void updateAutosaveControls();
  void browseAutosaveName();

 private:
  struct NumberRow;

  void addRows();
  void addNumberRow(QGridLayout* grid, int row, const NumberRow& number);
  void addAutosaveGroup(QGridLayout* rowsGrid, int row);

  NumericField* gravityEdit;        // gravity [Pixels/Time^2]
  NumericField* startTimeEdit;      // time of the first frame [Time]
  NumericField* frameIntervalEdit;  // time between frames [Time], no negatives
  NumericField* frameCountEdit;     // number of frames, whole, no negatives
  QGroupBox* autosaveGroup;         // "空間画像の保存"
  QCheckBox* autosaveCheck;         // save every frame
  QLabel* autosaveNameLabel;        // "ファイル名"
  QLineEdit* autosaveNameEdit;      // file name prefix for automatic saving
  QPushButton* browseButton;        // "参照(&B)..."
  QPushButton* okButton;            // OK
  QPushButton* cancelButton;        // ｷｬﾝｾﾙ
  // The settings last shown: what no field shows yet (the wind, own random
  // streams) comes back from here.
  LaunchSettings shownSettings;
};

// NAME as the dialog stores it: blanks and control characters removed from
// both ends, cut to 255 bytes without splitting a character.
std::string CleanAutosaveName(const QString& text);

}  // namespace kirabel
