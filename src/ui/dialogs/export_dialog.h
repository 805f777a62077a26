#pragma once
// The animation export dialog ("アニメーションを書き出す"): the format (an
// animation, or numbered OpenEXR frames), transparency, the video's quality
// and chroma, the frames per second (a whole number, a decimal or N/D), the
// frames of the launch and the file. It holds no data: the main window fills
// it before showing it and reads the choice afterwards.
#include <QDialog>
#include <cstdint>
#include <string>

#include "model/frame_rate.h"
#include "picture_io/animation_writer.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kirabel {

class FileChooser;

struct ExportChoice {
  AnimationFormat format = AnimationFormat::kGif;
  bool exrFrames = false;  // numbered OpenEXR frames named after path instead of an animation
  bool withAlpha = false;  // transparency instead of the sky (APNG, WebM, MOV)
  VideoOptions video;      // quality and chroma of a WebM or MP4 animation
  FrameRate rate;
  bool wholeLaunch = true;  // frames 1 to the launch's last, following its frame count
  int64_t firstFrame = 1;   // a range the user typed, when not the whole launch
  int64_t lastFrame = 1;
  std::string path;
};

class ExportDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ExportDialog(QWidget* parent = nullptr);

  // The launch's frame count bounds the frame fields; the choice fills them.
  // They propose the whole launch unless the choice's range lies within it.
  void setChoice(const ExportChoice& choice, int64_t frameCount);
  ExportChoice choice() const;
  // The save dialog the browse button shows (the main window's).
  void setFileChooser(FileChooser* chooser) { chooser_ = chooser; }

 private:
  void browse();
  void followFormat();
  // The choices the format takes are the ones that can be changed.
  void enableFormatChoices();
  // The extension of the chosen output, without its dot.
  QString chosenExtension() const;
  // OK needs a file name and a frame rate that can be read.
  void updateOkButton();

  QComboBox* formatCombo_;
  QCheckBox* alphaCheck_;
  QSpinBox* qualitySpin_;
  QComboBox* chromaCombo_;
  QComboBox* rateCombo_;
  QSpinBox* firstSpin_;
  QSpinBox* lastSpin_;
  QLineEdit* fileEdit_;
  QPushButton* browseButton_;
  QPushButton* okButton_;
  FileChooser* chooser_ = nullptr;
};

}  // namespace kirabel
