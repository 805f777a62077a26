#pragma once
// The soundtrack and beats dialog ("サウンドトラックと拍"): the show's
// soundtrack (chosen, removed), the video time of its first sample, the video
// rate, and the beat grid, which "拍を検出" estimates from the soundtrack in
// the background and the user can still correct. It holds no data: the main
// window fills it before showing it and reads it back after OK.
#include <string>

#include "model/show_settings.h"
#include "ui/dialogs/fixed_dialog.h"
#include "ui/services/file_dialog_service.h"

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kirabel {

class NumericField;
class SoundtrackLoader;
struct DetectedBeats;

class SoundtrackDialog : public FixedDialog {
  Q_OBJECT
 public:
  // Beats are detected by `loader`, which outlives the dialog.
  explicit SoundtrackDialog(SoundtrackLoader& loader, QWidget* parent = nullptr);

  // The file dialog of the browse button.
  FileChooser browseDialog;

  void setShow(const ShowSettings& show);
  // What the dialog shows; a rate that cannot be read keeps the one set.
  ShowSettings show() const;

 protected:
  void done(int result) override;

 private:
  struct NumberRow;

  void addRows();
  void addSoundtrackRow(QGridLayout* grid);
  void addNumberRow(QGridLayout* grid, int row, const NumberRow& number);
  void addRateRow(QGridLayout* grid, int row);
  void browse();
  void removeSoundtrack();
  void detectBeats();
  void showDetectedBeats(const DetectedBeats& beats);
  void setDetecting(bool detecting);
  void updateControls();

  SoundtrackLoader& loader_;
  ShowSettings shown_;  // what setShow gave, for what the fields cannot hold
  bool detecting_ = false;

  QLineEdit* soundtrackEdit;     // the soundtrack's file, read only
  QPushButton* browseButton;     // "参照..."
  QPushButton* removeButton;     // "削除"
  NumericField* offsetEdit;      // video seconds of its first sample
  QLineEdit* rateEdit;           // frames per second, as FrameRateText writes them
  NumericField* bpmEdit;         // beats per minute, 0 for none
  NumericField* beatOffsetEdit;  // video seconds of the first beat
  QPushButton* detectButton;     // "拍を検出"
  QPushButton* okButton;         // OK
  QPushButton* cancelButton;     // ｷｬﾝｾﾙ
};

}  // namespace kirabel
