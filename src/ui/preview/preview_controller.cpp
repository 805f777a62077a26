#include "ui/preview/preview_controller.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "document/document.h"
#include "image/picture.h"
#include "simulation/launch.h"
#include "simulation/population.h"
#include "simulation/video_clock.h"
#include "ui/launch/launch_session.h"
#include "ui/launch/launch_texts.h"
#include "ui/preview/preview_bar.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel {

namespace {

// Playing with a soundtrack, the due frame is looked for this often, so that
// a frame is shown at most this late.
constexpr int kSoundTickMilliseconds = 5;

}  // namespace

PreviewController::PreviewController(const Document& document, const LaunchSession& session,
                                     SpaceViewer& viewer, QAction& previewToggle, QObject* parent)
    : QObject(parent),
      document_(document),
      session_(session),
      viewer_(viewer),
      previewToggle_(previewToggle),
      bar_(new PreviewBar) {
  viewer_.setTimeBar(bar_);
  connect(&document, &Document::setsChanged, this, &PreviewController::sceneChanged);
  connect(&document, &Document::launchSettingsChanged, this, &PreviewController::sceneChanged);
  // Drawing options, resolution, threshold and the option itself.
  connect(&document, &Document::optionsChanged, this, [this] {
    scene_.reset();
    showOrHide();
  });
  connect(&document, &Document::showSettingsChanged, this, &PreviewController::showSettingsChanged);
  connect(&session, &LaunchSession::lookChanged, this, &PreviewController::lookChanged);
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
    confirmedParticles_ = EstimateParticles(document_.sets()).Total();
    sceneChanged();
  });
  // Back from the time field, the picture has the focus and the keys again.
  connect(bar_, &PreviewBar::timeEntryFinished, this, [this] { viewer_.setFocus(); });
  connect(&playback_, &QTimer::timeout, this, &PreviewController::nextFrame);
  connect(&renderer_, &PreviewRenderer::finished, this, &PreviewController::showResult);
  connect(&renderer_, &PreviewRenderer::failed, this, &PreviewController::showFailure);
  addKeys();
  showSettingsChanged();
  showOrHide();
}

PreviewController::~PreviewController() = default;

bool PreviewController::active() const {
  return document_.options().preview && !session_.launching();
}

void PreviewController::showOrHide() {
  const bool on = document_.options().preview;
  viewer_.showTimeBar(on);
  if (!on) bar_->setPlaying(false);
  requestPicture();
}

void PreviewController::sceneChanged() {
  scene_.reset();
  requestPicture();
}

// Another look develops the same launch: the scene made again keeps the
// number of the launch already built, so that the renderer does not build it
// once more.
void PreviewController::lookChanged() {
  if (scene_) scene_ = makeScene(scene_->launchNumber);
  requestPicture();
}

// The scene as the next launch would be built: the settings as the launch
// settings dialog would hand them over, a copy of the generator, the
// session's look.
std::shared_ptr<const PreviewScene> PreviewController::makeScene(int64_t launchNumber) const {
  const Picture& picture = viewer_.picture();
  const Options& options = document_.options();
  Scene scene =
      session_.scene(document_, SceneTarget::Preview(picture.Width(), picture.Height(), options));
  const bool confirmed = EstimateParticles(scene.sets).Total() <= confirmedParticles_;
  return std::make_shared<const PreviewScene>(
      PreviewScene{std::move(scene), options.warningThreshold, confirmed, launchNumber});
}

void PreviewController::requestPicture() {
  if (!active()) return;
  if (!scene_) {
    scene_ = makeScene(++launchNumber_);
    const LaunchSettings& settings = scene_->scene.settings;
    bar_->setFrames(settings.startTime, settings.frameInterval, FrameCount(settings.frameCount));
  }
  renderer_.request({scene_, bar_->time()});
}

// Only the answer to the latest request comes (a launch cancels it).
void PreviewController::showResult(const PreviewResult& result) {
  if (!active()) return;
  switch (result.state) {
    case PreviewResult::State::kNeedsConfirmation:
      bar_->showCountQuestion(tr("%1個の粒子が作られます").arg(qlonglong(result.particles)));
      return;
    case PreviewResult::State::kTooLarge:
      bar_->showRefusal(ParticleMemoryRefusal(result.particles));
      return;
    case PreviewResult::State::kPicture:
      bar_->showRefusal(QString());
      break;
  }
  Picture& shown = viewer_.picture();
  const Picture& drawn = *result.picture;
  // A picture drawn before the resolution changed is dropped.
  if (drawn.Width() != shown.Width() || drawn.Height() != shown.Height() || !shown.Bits()) return;
  std::memcpy(
      shown.Bits(), drawn.Bits(),
      static_cast<std::size_t>(drawn.RowBytes()) * static_cast<std::size_t>(drawn.Height()));
  viewer_.repaintPicture();
}

void PreviewController::showFailure(const std::exception_ptr& error) {
  if (active()) bar_->showRefusal(FailureText(error));
}

bool PreviewController::hasSoundtrack() const {
  return !document_.showSettings().audio.empty();
}

// The list's rate rules a list with a soundtrack: the rate box shows it. A
// new rate or soundtrack while playing plays on from the playhead with them.
void PreviewController::showSettingsChanged() {
  const ShowSettings& show = document_.showSettings();
  bar_->setRateLocked(hasSoundtrack()
                          ? std::optional<int>(std::lround(VideoClock(show.fps).FramesPerSecond()))
                          : std::nullopt);
  const bool playsAsBefore = hasSoundtrack() ? sound_.runsWith(show) : !sound_.running();
  if (bar_->playing() && !playsAsBefore) playingChanged(true);
}

void PreviewController::playingChanged(bool playing) {
  playback_.stop();
  sound_.stop();
  if (!playing) return;
  if (hasSoundtrack()) {
    sound_.start(document_.showSettings(), std::max<int64_t>(bar_->frame(), 1));
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
  renderer_.cancel();
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
    auto* shortcut = new QShortcut(QKeySequence(k), &viewer_);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, action] {
      if (!document_.options().preview && !session_.launching() && !previewToggle_.isChecked())
        previewToggle_.trigger();
      if (active()) action();
    });
  };
  key(Qt::Key_Space, [this] { bar_->setPlaying(!bar_->playing()); });
  key(Qt::Key_Left, [this] { bar_->stepFrame(-1); });
  key(Qt::Key_Right, [this] { bar_->stepFrame(+1); });
  key(Qt::Key_Home, [this] { bar_->setFrame(1); });
}

}  // namespace kirabel
