#include "ui/services/shell_thumbnails.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <exception>

#include "model/shell_file.h"
#include "picture_io/picture_png.h"
#include "simulation/fullest_frame.h"
#include "simulation/launch.h"
#include "simulation/make_scene.h"
#include "texts/error_texts.h"

namespace kirabel {

namespace {

// Readings of a shell that keeps changing while it is read, before the last
// one is drawn without being kept.
constexpr int kShellReadings = 3;

// The SHA-256 of the file's bytes in hex; nothing when it cannot be read.
std::optional<QString> ContentKey(const QString& path) {
  QFile file(path);
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) return std::nullopt;
  return QString::fromLatin1(hash.result().toHex());
}

struct SteadyShell {
  Shell shell;
  std::optional<QString> key;  // of the bytes the shell was read from
};

// Reads the shell (ReadShellFile's errors) until the file's bytes stay the
// same while it is read; no key when they never did.
SteadyShell ReadSteadyShell(const QString& path) {
  SteadyShell read;
  for (int reading = 0; reading < kShellReadings; ++reading) {
    const std::optional<QString> before = ContentKey(path);
    read.shell = ReadShellFile(QFile::encodeName(path).toStdString());
    read.key = ContentKey(path);
    if (read.key && read.key == before) return read;
  }
  read.key.reset();
  return read;
}

// The cached picture; a null image when there is none or it cannot be read.
QImage LoadThumbnail(const QString& file) {
  QImage image;
  if (!QFile::exists(file) || !image.load(file, "PNG")) return QImage();
  return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

QString ThumbnailCacheFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
         QStringLiteral("/Kirabel/thumbnails");
}

ShellThumbnails::ShellThumbnails(const QString& cacheFolder, QObject* parent)
    : QObject(parent), cacheFolder_(cacheFolder) {
  worker_ = std::thread([this] { work(); });
}

ShellThumbnails::~ShellThumbnails() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  keepDrawing_ = false;
  wake_.notify_all();
  worker_.join();
}

bool ShellThumbnails::busy() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return !unfinished_.isEmpty();
}

void ShellThumbnails::request(const QString& path) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (unfinished_.contains(path)) return;
    unfinished_.insert(path);
    toLookUp_.push_back(path);
  }
  wake_.notify_all();
}

std::optional<ShellThumbnails::Job> ShellThumbnails::nextJob() {
  std::unique_lock<std::mutex> lock(mutex_);
  wake_.wait(lock, [this] { return stopping_ || !toLookUp_.empty() || !toDraw_.empty(); });
  if (stopping_) return std::nullopt;
  const bool draw = toLookUp_.empty();
  std::deque<QString>& queue = draw ? toDraw_ : toLookUp_;
  Job job{queue.front(), draw};
  queue.pop_front();
  return job;
}

void ShellThumbnails::work() {
  while (const std::optional<Job> job = nextJob()) {
    if (job->draw)
      draw(job->path);
    else
      lookUp(job->path);
  }
}

// A picture in the cache is reported at once; the others wait for drawing.
void ShellThumbnails::lookUp(const QString& path) {
  const std::optional<QString> key = ContentKey(path);
  const QImage cached = key ? LoadThumbnail(cacheFile(*key)) : QImage();
  if (!cached.isNull()) return reportReady(path, cached);
  std::lock_guard<std::mutex> lock(mutex_);
  toDraw_.push_back(path);
}

void ShellThumbnails::draw(const QString& path) {
  try {
    const SteadyShell read = ReadSteadyShell(path);
    // The shell's own first launch, as kirabel-render draws it by default.
    const Scene scene = MakeScene(read.shell.sets, read.shell.settings, RandomGenerator(),
                                  SceneTarget::Thumbnail());
    FrameLoopHooks hooks;
    hooks.beforeFrame = [this](int64_t, int64_t, int64_t) { return keepDrawing_.load(); };
    hooks.step = [this] { return keepDrawing_.load(); };
    const std::optional<FullestFrame> fullest =
        DrawFullestFrame(scene, 1, FrameCount(scene.settings.frameCount), hooks);
    if (!fullest) return;  // the object is going
    if (fullest->frame == 0)
      return reportFailure(path, tr("この花火玉の打ち上げにはフレームがありません"));
    if (read.key) store(fullest->picture, *read.key);
    reportReady(path, PictureToQImage(fullest->picture));
  } catch (const std::exception& error) {
    reportFailure(path, ErrorText(error));
  }
}

QString ShellThumbnails::cacheFile(const QString& key) const {
  return cacheFolder_ + QLatin1Char('/') + key + QStringLiteral(".png");
}

// Keeps the picture, written beside its place and renamed into it when
// complete; a cache that cannot be written only costs drawing it again.
void ShellThumbnails::store(const Picture& picture, const QString& key) const {
  if (!QDir().mkpath(cacheFolder_)) return;
  try {
    SavePngFile(picture, QFile::encodeName(cacheFile(key)).toStdString());
  } catch (const std::exception&) {
  }
}

void ShellThumbnails::reportReady(const QString& path, const QImage& image) {
  finish(path, [this, path, image] { emit thumbnailReady(path, image); });
}

void ShellThumbnails::reportFailure(const QString& path, const QString& reason) {
  finish(path, [this, path, reason] { emit thumbnailFailed(path, reason); });
}

// Reports on the object's thread; a request for the same shell before the
// report is answered by it.
void ShellThumbnails::finish(const QString& path, std::function<void()> report) {
  QMetaObject::invokeMethod(
      this,
      [this, path, report = std::move(report)] {
        {
          std::lock_guard<std::mutex> lock(mutex_);
          unfinished_.remove(path);
        }
        report();
      },
      Qt::QueuedConnection);
}

}  // namespace kirabel
