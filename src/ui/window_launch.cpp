#include "ui/window_launch.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressBar>
#include <exception>

#include "image/picture.h"
#include "model/launch_settings.h"
#include "picture_io/frame_writer.h"
#include "simulation/launch.h"
#include "simulation/space_buffer.h"
#include "texts/error_texts.h"
#include "ui/launch_texts.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/space_viewer.h"

namespace kirabel {

namespace {

const char kSaveFailedWarning[] = QT_TRANSLATE_NOOP(
    "kirabel::WindowLaunch", "ディスクの空き容量が足りないか、指定されたファイルに書き込めません");

}  // namespace

WindowLaunch::WindowLaunch(MainWindow& window) : window_(window) {}

WindowLaunch::~WindowLaunch() {
  setWaitCursor(false);
}

void WindowLaunch::run(const LaunchSettings& settings, RandomGenerator& random) {
  window_.setBusy(true);
  readOptions();
  const Document& document = window_.document();
  Launch::BuildResult built =
      Launch::Build(document.sets(), settings, random, document.options().warningThreshold,
                    [this](int64_t particles) { return confirmParticleCount(particles); });
  if (built.outcome == Launch::Outcome::kTooLarge) {
    MessageBox::warning(&window_, ParticleMemoryRefusal(built.estimate.particles));
  }
  if (built.launch) {
    Launch& launch = *built.launch;
    const int64_t count = launch.FrameCount();
    for (int64_t frame = 1; frame <= count; ++frame) {
      if (!drawFrame(launch, frame, count)) break;
      if (launch.Settings().autosave && !saveFrame(launch.Settings(), frame)) break;
    }
  }
  built.launch.reset();
  window_.setBusy(false);
}

bool WindowLaunch::confirmParticleCount(int64_t particles) {
  MessageBox::beep();
  return MessageBox::confirm(&window_, ParticleCountQuestion(particles));
}

bool WindowLaunch::drawFrame(Launch& launch, int64_t frame, int64_t count) {
  if (window_.viewer) window_.viewer->setWindowTitle(ViewerDrawingCaption(frame, count));
  setWaitCursor(true);
  const bool complete = launch.DrawFrame(frame, *window_.space, window_.viewer->picture(), options_,
                                         [this] { return step(); });
  showFrame();
  return complete;
}

bool WindowLaunch::saveFrame(const LaunchSettings& settings, int64_t frame) {
  try {
    WritePicture(window_.viewer->picture(),
                 NumberedFrameName(settings.autosaveName, frame, PictureFormat::kBmp),
                 PictureFormat::kBmp);
    return true;
  } catch (const std::exception& error) {
    // The reason follows on a line of its own, as every save words it.
    MessageBox::warning(&window_,
                        QCoreApplication::translate("kirabel::WindowLaunch", kSaveFailedWarning) +
                            QLatin1Char('\n') + ErrorText(error));
    return false;
  }
}

bool WindowLaunch::step() {
  QProgressBar* bar = window_.progressBar;
  bar->setValue(qMin(bar->value() + 1, bar->maximum()));
  QCoreApplication::processEvents();
  readOptions();
  return window_.busy;
}

// After a frame, complete or stopped: the bar back to 0, the viewer repainted
// (a stopped frame leaves the picture of the last complete one).
void WindowLaunch::showFrame() {
  window_.progressBar->setValue(0);
  if (window_.viewer) window_.viewer->repaintPicture();
  setWaitCursor(false);
}

void WindowLaunch::readOptions() {
  const Options& options = window_.document().options();
  options_ = {options.antiAliasing, options.wrapSpace};
}

void WindowLaunch::setWaitCursor(bool wait) {
  if (wait == waitCursor_) return;
  waitCursor_ = wait;
  if (wait)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

}  // namespace kirabel
