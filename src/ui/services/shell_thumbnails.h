#pragma once
// The pictures of the shells in the library. A shell's thumbnail is its
// fullest frame (simulation/fullest_frame) in a 512 x 512 space, drawn off the
// interface thread the first time it is asked for and kept as a PNG file in
// the cache folder, named after the SHA-256 of the shell file's bytes, so an
// edited shell gets a new picture. Requests are worked through one at a time,
// the ones whose picture is in the cache first; a request for a shell still
// waiting or being drawn is answered by that one report. Results come back on
// the thread that owns the object.
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace kirabel {

class Picture;

// $XDG_CACHE_HOME/Kirabel/thumbnails
QString ThumbnailCacheFolder();

class ShellThumbnails : public QObject {
  Q_OBJECT
 public:
  explicit ShellThumbnails(QObject* parent = nullptr)
      : ShellThumbnails(ThumbnailCacheFolder(), parent) {}
  explicit ShellThumbnails(const QString& cacheFolder, QObject* parent = nullptr);
  // Stops the drawing and waits for the worker.
  ~ShellThumbnails() override;

  const QString& cacheFolder() const { return cacheFolder_; }
  // Whether a request is waiting, being worked on or not reported yet.
  bool busy() const;

 public slots:
  // Asks for the thumbnail of the shell file at path: thumbnailReady or
  // thumbnailFailed follows.
  void request(const QString& path);

 signals:
  void thumbnailReady(const QString& path, const QImage& image);
  // The file cannot be drawn; reason says why in the interface's language.
  void thumbnailFailed(const QString& path, const QString& reason);

 private:
  struct Job {
    QString path;
    bool draw = false;  // false: look for it in the cache first
  };
  std::optional<Job> nextJob();
  void work();
  void lookUp(const QString& path);
  void draw(const QString& path);
  QString cacheFile(const QString& key) const;
  void store(const Picture& picture, const QString& key) const;
  void reportReady(const QString& path, const QImage& image);
  void reportFailure(const QString& path, const QString& reason);
  void finish(const QString& path, std::function<void()> report);

  const QString cacheFolder_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<QString> toLookUp_, toDraw_;
  QSet<QString> unfinished_;  // requested and not reported yet
  bool stopping_ = false;
  std::atomic<bool> keepDrawing_{true};  // false: the frame loop stops
  std::thread worker_;
};

}  // namespace kirabel
