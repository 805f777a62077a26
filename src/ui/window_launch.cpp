#include "ui/window_launch.h"

#include <QApplication>
#include <QProgressBar>
#include <exception>

#include "image/picture.h"
#include "model/launch_settings.h"
#include "picture_io/frame_writer.h"
#include "simulation/launch.h"
#include "simulation/space_buffer.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/space_viewer.h"

namespace kirabel {

namespace {

QString ParticleCountQuestion(int64_t particles) {
  return QStringLiteral("%1個の粒子が作られます。計算を続けていいですか？")
      .arg(qlonglong(particles));
}

QString ParticleMemoryRefusal(int64_t particles) {
  return QStringLiteral("%1個の粒子はメモリに収まりません。粒子の数を減らしてください")
      .arg(qlonglong(particles));
}

const char kSaveFailedWarning[] =
    "ディスクの空き容量が足りないか、指定されたファイルに書き込めません";

}  // namespace

WindowLaunch::WindowLaunch(MainWindow& window) : window_(window) {}

WindowLaunch::~WindowLaunch() {
  SetWaitCursor(false);
}

void WindowLaunch::Run(const LaunchSettings& settings, RandomGenerator& random) {
  window_.setBusy(true);
  ReadOptions();
  const Document& document = window_.document();
  Launch::BuildResult built =
      Launch::Build(document.sets(), settings, random, document.options().warningThreshold,
                    [this](int64_t particles) { return ConfirmParticleCount(particles); });
  if (built.outcome == Launch::Outcome::kTooLarge) {
    MessageBox::Warning(&window_, ParticleMemoryRefusal(built.estimate.particles));
  }
  if (built.launch) {
    Launch& launch = *built.launch;
    const int64_t count = launch.FrameCount();
    for (int64_t frame = 1; frame <= count; ++frame) {
      if (!DrawFrame(launch, frame, count)) break;
      if (launch.Settings().autosave && !SaveFrame(launch.Settings(), frame)) break;
    }
  }
  built.launch.reset();
  window_.setBusy(false);
}

bool WindowLaunch::ConfirmParticleCount(int64_t particles) {
  MessageBox::Beep();
  return MessageBox::Confirm(&window_, ParticleCountQuestion(particles));
}

bool WindowLaunch::DrawFrame(Launch& launch, int64_t frame, int64_t count) {
  if (window_.viewer) window_.viewer->setWindowTitle(ViewerDrawingCaption(frame, count));
  SetWaitCursor(true);
  const bool complete = launch.DrawFrame(frame, *window_.space, window_.viewer->picture(), options_,
                                         [this] { return Step(); });
  ShowFrame();
  return complete;
}

bool WindowLaunch::SaveFrame(const LaunchSettings& settings, int64_t frame) {
  try {
    WritePicture(window_.viewer->picture(),
                 NumberedFrameName(settings.autosaveName, frame, PictureFormat::kBmp),
                 PictureFormat::kBmp);
    return true;
  } catch (const std::exception&) {
    MessageBox::Warning(&window_, QString::fromUtf8(kSaveFailedWarning));
    return false;
  }
}

bool WindowLaunch::Step() {
  QProgressBar* bar = window_.progressBar;
  bar->setValue(qMin(bar->value() + 1, bar->maximum()));
  QCoreApplication::processEvents();
  ReadOptions();
  return window_.busy;
}

// After a frame, complete or stopped: the bar back to 0, the viewer repainted
// (a stopped frame leaves the picture of the last complete one).
void WindowLaunch::ShowFrame() {
  window_.progressBar->setValue(0);
  if (window_.viewer) window_.viewer->repaintPicture();
  SetWaitCursor(false);
}

void WindowLaunch::ReadOptions() {
  const Options& options = window_.document().options();
  options_ = {options.antiAliasing, options.wrapSpace};
}

void WindowLaunch::SetWaitCursor(bool wait) {
  if (wait == waitCursor_) return;
  waitCursor_ = wait;
  if (wait)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

}  // namespace kirabel
