// The show's commands of the main window: the launch fitted to the soundtrack,
// the soundtrack and beats dialog, and the word about a soundtrack missing.
#include <exception>
#include <filesystem>

#include "model/show_settings.h"
#include "picture_io/soundtrack.h"
#include "texts/error_texts.h"
#include "ui/dialogs/soundtrack_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"

namespace kirabel {

// The frame count becomes what the video needs until the soundtrack's last
// sample, at the list's rate: one step of the history. The soundtrack's
// loader measures its length; until it knows it the command waits.
void MainWindow::fitLaunchToSoundtrack() {
  const ShowSettings& show = document_.showSettings();
  if (show.audio.empty()) {
    MessageBox::warning(this, tr("サウンドトラックがありません"));
    return;
  }
  if (soundtrackLoader_.measuring()) return awaitSoundtrackLength();
  if (const std::exception_ptr& error = soundtrackLoader_.lengthError()) {
    MessageBox::showError(this, ErrorText(error));
    return;
  }
  LaunchSettings settings = document_.launchSettings();
  settings.frameCount = static_cast<long double>(
      FramesCoveringSoundtrack(show.audioOffset, *soundtrackLoader_.soundtrackSeconds(), show.fps));
  document_.changeLaunchSettings(settings, tr("サウンドトラックに合わせる", "undo step"));
}

// The window shows the wait cursor until the loader's news of the length;
// asked again meanwhile, the command still acts once.
void MainWindow::awaitSoundtrackLength() {
  if (fitAwaitsLength_) return;
  fitAwaitsLength_ = true;
  setCursor(Qt::WaitCursor);
  connect(
      &soundtrackLoader_, &SoundtrackLoader::lengthChanged, this,
      [this] {
        fitAwaitsLength_ = false;
        unsetCursor();
        fitLaunchToSoundtrack();
      },
      Qt::SingleShotConnection);
}

// The soundtrack, its offset, the rate and the beat grid change together, as
// one step of the history.
void MainWindow::editSoundtrack() {
  SoundtrackDialog& dialog = soundtrackDialog();
  dialog.setShow(document_.showSettings());
  if (ModalRunner::exec(dialog) != QDialog::Accepted) return;
  document_.changeShowSettings(dialog.show(), tr("サウンドトラックと拍", "undo step"));
}

// A list whose soundtrack is not there opens all the same and keeps its
// path, so that saving it loses nothing; the user is told.
void MainWindow::warnOfMissingSoundtrack() {
  const std::string& soundtrack = document_.showSettings().audio;
  std::error_code error;
  if (soundtrack.empty() || std::filesystem::is_regular_file(soundtrack, error)) return;
  MessageBox::warning(this, tr("サウンドトラック %1 が見つかりません。リストは開きました。"
                               "サウンドトラックの指定はそのまま残ります。")
                                .arg(QString::fromStdString(soundtrack)));
}

}  // namespace kirabel
