#pragma once
// LaunchSettingsDialog, the launch settings dialog ("打ち上げ設定"). It owns the one
// LaunchSettings of the program. Showing it copies the record into the fields;
// hiding it, whichever button closed it, copies the fields back, so Cancel
// keeps the edits and only stops the launch from starting. It opens where it
// was placed (the settings file keeps its position) unless no screen shows
// that place any more.
#include <QDialog>
#include <memory>

#include "model/launch_settings.h"
#include "ui/file_dialog_service.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kirabel {

class NumericField;

class LaunchSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit LaunchSettingsDialog(QWidget* parent = nullptr);
  ~LaunchSettingsDialog() override;

  LaunchSettings& Environment() { return *environment_; }

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

  // The dialog's own save dialog for the browse button.
  FileChooser browseDialog;
  // The main window's dialogs: the browse button starts in the save dialog's
  // folder and hands the chosen folder to both. Null: not attached.
  FileChooser* mainOpenDialog = nullptr;
  FileChooser* mainSaveDialog = nullptr;

  // Fields -> record (NAME trimmed and cut to 255 bytes).
  void readFields();
  // Record -> fields, each value through its field's rules.
  void fillFields();

 public slots:
  void updateAutosaveControls();
  void browseAutosaveName();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createNumberRows();
  void createAutosaveGroup();
  void createButtons();
  NumericField* addNumber(const char* name, const QString& caption, const QString& unit, int top);

  std::unique_ptr<LaunchSettings> environment_;
};

// NAME as the dialog stores it: blanks and control characters removed from
// both ends, cut to 255 bytes without splitting a character.
std::string CleanAutosaveName(const QString& text);

}  // namespace kirabel
