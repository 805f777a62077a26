#include "document/shell_thumbnails.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <exception>
#include <optional>

#include "model/shell_file.h"
#include "picture_io/picture_png.h"
#include "picture_io/sky_photo.h"
#include "platform/errors.h"
#include "simulation/fullest_frame.h"
#include "simulation/launch.h"
#include "simulation/make_scene.h"
#include "texts/error_texts.h"

namespace kirabel {

namespace {

// Readings of a shell that keeps changing while it is read, before the last
// one is drawn without being kept.
constexpr int kShellReadings = 3;

inline constexpr char kNoFramesText[] =
    KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "この花火玉の打ち上げにはフレームがありません");

// A shell whose launch has no frame to draw.
class NoFramesError : public KirabelError {
 public:
  NoFramesError() : KirabelError(kNoFramesText) {}
};

// The SHA-256 of the file's bytes in hex; nothing when it cannot be read.
std::optional<QString> ContentKey(const QString& path) {
  QFile file(path);
  QCryptographicHash hash(QCryptographicHash::Sha256);
  // The way thumbnails are drawn is part of the key: pictures cached before
  // they were anti-aliased and drawn in the shell's look are drawn again.
  hash.addData(QByteArrayView("anti-aliased, in the shell's look\n"));
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
    : QObject(parent),
      cacheFolder_(cacheFolder),
      worker_([this](const Job& job,
                     const StillWanted& stillWanted) { return thumbnail(job, stillWanted); },
              [this](const QImage& image) { showThumbnail(image); },
              [this](const std::exception_ptr& error) { showFailure(error); }) {}

ShellThumbnails::~ShellThumbnails() = default;

bool ShellThumbnails::busy() const {
  return !unfinished_.isEmpty();
}

void ShellThumbnails::request(const QString& path) {
  if (unfinished_.contains(path)) return;
  unfinished_.insert(path);
  toLookUp_.push_back(path);
  startNext();
}

// The worker takes one job at a time, so that none outdates another.
void ShellThumbnails::startNext() {
  if (worker_.busy() || (toLookUp_.empty() && toDraw_.empty())) return;
  const bool draw = toLookUp_.empty();
  std::deque<QString>& queue = draw ? toDraw_ : toLookUp_;
  current_ = Job{queue.front(), draw};
  queue.pop_front();
  worker_.request(current_);
}

// A shell not found in the cache waits for drawing; any other is reported.
void ShellThumbnails::showThumbnail(const QImage& image) {
  const QString path = current_.path;
  if (image.isNull() && !current_.draw) {
    toDraw_.push_back(path);
  } else {
    unfinished_.remove(path);
    emit thumbnailReady(path, image);
  }
  startNext();
}

void ShellThumbnails::showFailure(const std::exception_ptr& error) {
  const QString path = current_.path;
  unfinished_.remove(path);
  emit thumbnailFailed(path, ErrorText(error));
  startNext();
}

QImage ShellThumbnails::thumbnail(const Job& job, const StillWanted& stillWanted) const {
  return job.draw ? draw(job.path, stillWanted) : lookUp(job.path);
}

QImage ShellThumbnails::lookUp(const QString& path) const {
  const std::optional<QString> key = ContentKey(path);
  return key ? LoadThumbnail(cacheFile(*key)) : QImage();
}

// Raises what keeps the shell from being drawn.
QImage ShellThumbnails::draw(const QString& path, const StillWanted& stillWanted) const {
  const SteadyShell read = ReadSteadyShell(path);
  // The shell's own first launch in its own look, as kirabel-render
  // --antialias draws it.
  const Scene scene = MakeScene(read.shell.sets, read.shell.settings, RandomGenerator(),
                                SceneTarget::Thumbnail(), MakeFrameDeveloper(read.shell.look));
  FrameLoopHooks hooks;
  hooks.beforeFrame = [&](int64_t, int64_t, int64_t) { return stillWanted(); };
  hooks.step = stillWanted;
  hooks.stop = [&] { return !stillWanted(); };
  const std::optional<FullestFrame> fullest =
      DrawFullestFrame(scene, 1, FrameCount(scene.settings.frameCount), hooks);
  if (!fullest) return QImage();  // no longer wanted
  if (fullest->frame == 0) throw NoFramesError();
  if (read.key) store(fullest->picture, *read.key);
  return PictureToQImage(fullest->picture);
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

}  // namespace kirabel
