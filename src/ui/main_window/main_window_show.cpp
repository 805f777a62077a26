// The show's commands of the main window: the launch fitted to the soundtrack.
#include <exception>

#include "model/show_settings.h"
#include "picture_io/soundtrack.h"
#include "texts/error_texts.h"
#include "ui/main_window/main_window.h"
#include "ui/services/message_box.h"

namespace kirabel {

// The frame count becomes what the video needs until the soundtrack's last
// sample, at the list's rate: one step of the history.
void MainWindow::fitLaunchToSoundtrack() {
  const ShowSettings& show = document_.show();
  if (show.audio.empty()) {
    MessageBox::warning(this, tr("サウンドトラックがありません"));
    return;
  }
  try {
    LaunchSettings settings = document_.launchSettings();
    settings.frameCount = static_cast<long double>(
        FramesCoveringSoundtrack(show.audioOffset, SoundtrackSeconds(show.audio), show.fps));
    document_.changeLaunchSettings(settings, tr("サウンドトラックに合わせる", "undo step"));
  } catch (const std::exception& error) {
    MessageBox::showError(this, ErrorText(error));
  }
}

}  // namespace kirabel
