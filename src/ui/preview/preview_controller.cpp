#include "ui/preview/preview_controller.h"

#include <QScopedValueRollback>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "image/picture.h"
#include "model/launch_limits.h"
#include "simulation/launch.h"
#include "simulation/population.h"
#include "ui/launch/launch_texts.h"
#include "ui/main_window/main_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel {

namespace {

// Playing with a soundtrack, the due frame is looked for this often, so that
// a frame is shown at most this late.
constexpr int kSoundTickMilliseconds = 5;

}  // namespace

PreviewController::PreviewController(MainWindow& window)
    : QObject(&window), window_(window), bar_(new PreviewBar) {
  window_.viewer()->setTimeBar(bar_);
  const Document& document = window_.document();
  connect(&document, &Document::setsChanged, this, &PreviewController::sceneChanged);
  connect(&document, &Document::launchSettingsChanged, this, &PreviewController::sceneChanged);
  // Drawing options, resolution, threshold and the option itself.
  connect(&document, &Document::optionsChanged, this, [this] {
    scene_.reset();
    showOrHide();
  });
  connect(&document, &Document::showChanged, this, &PreviewController::showChanged);
  connect(bar_, &PreviewBar::timeChanged, this, [this] {
    // Moved by hand while playing: the sound jumps with the playhead.
    if (sound_.running() && !followingClock_) sound_.jumpTo(std::max<int64_t>(bar_->frame(), 1));
    requestPicture();
  });
  connect(bar_, &PreviewBar::playingChanged, this, &PreviewController::playingChanged);
  connect(bar_, &PreviewBar::rateChanged, this, [this](int rate) {
    if (!sound_.running()) playback_.setInterval(1000 / rate);
  });
  connect(bar_, &PreviewBar::buildRequested, this, [this] {
    confirmedParticles_ = EstimateParticles(window_.document().sets()).Total();
    sceneChanged();
  });
  // Back from the time field, the picture has the focus and the keys again.
  connect(bar_, &PreviewBar::timeEntryFinished, this, [this] {
    if (window_.viewer()) window_.viewer()->setFocus();
  });
  connect(&playback_, &QTimer::timeout, this, &PreviewController::nextFrame);
  connect(&renderer_, &PreviewRenderer::finished, this, &PreviewController::showResult);
  addKeys();
  showChanged();
  showOrHide();
}

PreviewController::~PreviewController() = default;

bool PreviewController::active() const {
  return window_.viewer() && window_.document().options().preview &&
         !window_.launchSession().launching();
}

void PreviewController::showOrHide() {
  if (!window_.viewer()) return;
  const bool on = window_.document().options().preview;
  window_.viewer()->showTimeBar(on);
  if (!on) bar_->setPlaying(false);
  requestPicture();
}

void PreviewController::sceneChanged() {
  scene_.reset();
  requestPicture();
}

// The scene as the next launch would be built: the settings as the launch
// settings dialog would hand them over, a copy of the generator.
void PreviewController::requestPicture() {
  if (!active()) return;
  const Document& document = window_.document();
  if (!scene_) {
    const Picture& picture = window_.viewer()->picture();
    auto scene = std::make_shared<PreviewScene>();
    scene->scene =
        window_.launchSession().scene(document, WithinLaunchLimits(document.launchSettings()),
                                      picture.Width(), picture.Height(), AvailableCores());
    scene->askFrom = document.options().warningThreshold;
    scene->countConfirmed = EstimateParticles(scene->scene.sets).Total() <= confirmedParticles_;
    const LaunchSettings& settings = scene->scene.settings;
    bar_->setFrames(settings.startTime, settings.frameInterval, FrameCount(settings.frameCount));
    scene_ = std::move(scene);
  }
  const Picture& picture = window_.viewer()->picture();
  const Options& options = document.options();
  renderer_.request({++serial_, scene_, picture.Width(), picture.Height(), DrawingOptions(options),
                     bar_->time()});
}

void PreviewController::showResult(const PreviewResult& result) {
  // Only the answer to the latest request counts (a launch outdates them all).
  if (!active() || result.serial != serial_) return;
  switch (result.state) {
    case PreviewResult::State::kNeedsConfirmation:
      bar_->showCountQuestion(tr("%1個の粒子が作られます").arg(qlonglong(result.particles)));
      return;
    case PreviewResult::State::kTooLarge:
      bar_->showRefusal(ParticleMemoryRefusal(result.particles));
      return;
    case PreviewResult::State::kFailed:
      bar_->showRefusal(FailureText(result.error));
      return;
    case PreviewResult::State::kPicture:
      bar_->showRefusal(QString());
      break;
  }
  Picture& shown = window_.viewer()->picture();
  const Picture& drawn = *result.picture;
  // A picture drawn before the resolution changed is dropped.
  if (drawn.Width() != shown.Width() || drawn.Height() != shown.Height() || !shown.Bits()) return;
  std::memcpy(
      shown.Bits(), drawn.Bits(),
      static_cast<std::size_t>(drawn.RowBytes()) * static_cast<std::size_t>(drawn.Height()));
  window_.viewer()->repaintPicture();
}

bool PreviewController::hasSoundtrack() const {
  return !window_.document().show().audio.empty();
}

// The list's rate rules a list with a soundtrack: the rate box shows it. A
// new rate or soundtrack while playing plays on from the playhead with them.
void PreviewController::showChanged() {
  const ShowSettings& show = window_.document().show();
  const FrameRate fps = show.fps;
  bar_->setRateLocked(hasSoundtrack() ? std::optional<int>(std::lround(double(fps.numerator) /
                                                                       double(fps.denominator)))
                                      : std::nullopt);
  const bool playsAsBefore = hasSoundtrack() ? sound_.runsWith(show) : !sound_.running();
  if (bar_->playing() && !playsAsBefore) playingChanged(true);
}

void PreviewController::playingChanged(bool playing) {
  playback_.stop();
  sound_.stop();
  if (!playing) return;
  if (hasSoundtrack()) {
    sound_.start(window_.document().show(), std::max<int64_t>(bar_->frame(), 1));
    playback_.setTimerType(Qt::PreciseTimer);
    playback_.start(kSoundTickMilliseconds);
  } else {
    playback_.setTimerType(Qt::CoarseTimer);
    playback_.start(1000 / bar_->framesPerSecond());
  }
}

// A frame that is not ready when the next one is due is skipped.
void PreviewController::nextFrame() {
  if (!active()) return;
  if (sound_.running()) {
    showDueFrame();
  } else if (!renderer_.busy()) {
    bar_->stepFrame(+1);
  }
}

// The frame the clock has come to; while a picture is still being drawn the
// due frames are passed over, never queued.
void PreviewController::showDueFrame() {
  const int64_t due = sound_.frameDue(bar_->frameCount());
  if (due == bar_->frame() || renderer_.busy()) return;
  const QScopedValueRollback<bool> following(followingClock_, true);
  bar_->setFrame(due);
}

void PreviewController::launchStarted() {
  bar_->setPlaying(false);
  ++serial_;
}

// The viewer keeps the launch's last frame until the next change.
void PreviewController::launchEnded() {
  scene_.reset();
}

// With the viewer focused: Space plays and pauses, Left and Right step a
// frame, Home goes to the start. While the preview is off, such a key turns
// it on first, so that the keys always move through the frames.
void PreviewController::addKeys() {
  const auto key = [this](Qt::Key k, auto action) {
    auto* shortcut = new QShortcut(QKeySequence(k), window_.viewer());
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, action] {
      if (!window_.document().options().preview && !window_.launchSession().launching())
        window_.turnPreviewOn();
      if (active()) action();
    });
  };
  key(Qt::Key_Space, [this] { bar_->setPlaying(!bar_->playing()); });
  key(Qt::Key_Left, [this] { bar_->stepFrame(-1); });
  key(Qt::Key_Right, [this] { bar_->stepFrame(+1); });
  key(Qt::Key_Home, [this] { bar_->setFrame(1); });
}

}  // namespace kirabel
