#pragma once
// TForm5, the launch settings dialog ("打ち上げ設定"). It owns the one
// TEnvironment of the program. Showing it copies the record into the fields;
// hiding it, whichever button closed it, copies the fields back, so Cancel
// keeps the edits and only stops the launch from starting. It opens where it
// was placed (the settings file keeps its position) unless no screen shows
// that place any more.
#include <QDialog>
#include <memory>

#include "model/environment.h"
#include "ui/file_dialog_service.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kirabel {

class TNValEdit;

class TForm5 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* parent = nullptr);
  ~TForm5() override;

  TEnvironment& Environment() { return *environment_; }

  TNValEdit* NEditG;     // gravity [Pixels/Time^2]
  TNValEdit* NEditST;    // time of the first frame [Time]
  TNValEdit* NeditIT;    // time between frames [Time], no negatives
  TNValEdit* NEditNF;    // number of frames, whole, no negatives
  QGroupBox* GroupBox1;  // "空間画像の保存"
  QCheckBox* CheckBox1;  // save every frame
  QLabel* Label1;        // "ファイル名"
  QLineEdit* Edit1;      // file name prefix for automatic saving
  QPushButton* Button1;  // "参照(&B)..."
  QPushButton* BitBtn1;  // OK
  QPushButton* BitBtn2;  // ｷｬﾝｾﾙ

  // The dialog's own save dialog for the browse button.
  TFileDialog SaveDialog1;
  // The main window's dialogs: the browse button starts in the save dialog's
  // folder and hands the chosen folder to both. Null: not attached.
  TFileDialog* MainOpenDialog = nullptr;
  TFileDialog* MainSaveDialog = nullptr;

  // Fields -> record (NAME trimmed and cut to 255 bytes).
  void DialogToSettings();
  // Record -> fields, each value through its field's rules.
  void SettingsToDialog();

 public slots:
  void CheckBox1Click();
  void Button1Click();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateNumberRows();
  void CreateSaveGroup();
  void CreateButtons();
  TNValEdit* AddNumber(const char* name, const QString& caption, const QString& unit, int top);

  std::unique_ptr<TEnvironment> environment_;
};

// NAME as the dialog stores it: blanks and control characters removed from
// both ends, cut to 255 bytes without splitting a character.
std::string CleanAutosaveName(const QString& text);

}  // namespace kirabel
