#pragma once
// The pictures of the shells in the library. A shell's thumbnail is its
// fullest frame (simulation/fullest_frame) in a 512 x 512 space, drawn off the
// interface thread the first time it is asked for and kept as a PNG file in
// the cache folder, named after the SHA-256 of the shell file's bytes, so an
// edited shell gets a new picture. Requests are worked through one at a time
// on a BackgroundWorker, the ones whose picture is in the cache first; a
// request for a shell still waiting or being drawn is answered by that one
// report. Results come back on the thread that owns the object.
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <deque>
#include <exception>

#include "document/background_worker.h"

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
  void startNext();
  void showThumbnail(const QImage& image);
  void showFailure(const std::exception_ptr& error);
  // On the worker's thread: the picture; a null one when a look-up finds
  // none in the cache.
  QImage thumbnail(const Job& job, const StillWanted& stillWanted) const;
  QImage lookUp(const QString& path) const;
  QImage draw(const QString& path, const StillWanted& stillWanted) const;
  QString cacheFile(const QString& key) const;
  void store(const Picture& picture, const QString& key) const;

  const QString cacheFolder_;
  std::deque<QString> toLookUp_, toDraw_;
  QSet<QString> unfinished_;  // requested and not reported yet
  Job current_;               // the job the worker was given last
  BackgroundWorker<Job, QImage> worker_;
};

}  // namespace kirabel
