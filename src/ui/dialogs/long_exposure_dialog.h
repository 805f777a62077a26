#pragma once
// The long exposure dialog ("長時間露光で書き出す"): how the frames are stacked
// (their light added up, or the brightest kept), which frames of the launch,
// the picture's format (PNG, 16-bit PNG or BMP) and the file. It holds no data:
// the main window fills it before showing it and reads the choice afterwards.
#include <QDialog>
#include <cstdint>
#include <string>

#include "picture_io/frame_writer.h"
#include "simulation/long_exposure.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kirabel {

class FileChooser;

struct LongExposureChoice {
  StackMode mode = StackMode::kAdd;
  PictureFormat format = PictureFormat::kPng;
  bool wholeLaunch = true;  // frames 1 to the launch's last, following its frame count
  int64_t firstFrame = 1;   // a range the user typed, when not the whole launch
  int64_t lastFrame = 1;
  std::string path;
};

class LongExposureDialog : public QDialog {
  Q_OBJECT
 public:
  explicit LongExposureDialog(QWidget* parent = nullptr);

  // The launch's frame count bounds the frame fields; the choice fills them.
  // They propose the whole launch unless the choice's range lies within it.
  void setChoice(const LongExposureChoice& choice, int64_t frameCount);
  LongExposureChoice choice() const;
  // The save dialog the browse button shows (the main window's).
  void setFileChooser(FileChooser* chooser) { chooser_ = chooser; }

 private:
  void browse();
  // The file name takes the chosen format's extension.
  void followFormat();

  QComboBox* modeCombo_;
  QComboBox* formatCombo_;
  QSpinBox* firstSpin_;
  QSpinBox* lastSpin_;
  QLineEdit* fileEdit_;
  QPushButton* okButton_;
  FileChooser* chooser_ = nullptr;
};

}  // namespace kirabel
