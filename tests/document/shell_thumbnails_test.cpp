// Shell thumbnails: the renderer's fullest frame, kept in the cache under the
// file's content, served from there the next time, drawn again for an edited
// shell or a damaged picture; a broken shell says why, and a cache that cannot
// be written still gives the picture.
#include "document/shell_thumbnails.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "platform/errors.h"
#include "support/scratch_folder.h"
#include "texts/error_texts.h"

namespace kirabel {
namespace {

// A rising star that bursts into a ring of sparks, with the launch settings
// that show it.
std::string Shell(int red, int frames = 8) {
  return "[HEADER]\nID=PCL\nVER=0020\nnSET=2\n"
         "[ENV]\nG=0.05\nST=0\nIT=4\nNF=" +
         std::to_string(frames) +
         "\n"
         "[P0]\nname=rising star\nN=1\nP0x=256\nP0y=400\nb=8\neb=0\nvb=-1.5707963267949\n"
         "db=0\net=0\nlt=20\nelt=0\ntv=4\nns=8\nchild=1\nam=2\n"
         "[P1]\nname=ring stars\ncolR=" +
         std::to_string(red) +
         "\ncolG=200\ncolB=80\nN=40\nb=3\neb=0.3\ndb=3.14159265358979\net=0\nlt=12\n"
         "elt=2\ntv=3\nns=8\nvisible=0\nchild=-1\n"
         "[SHELL]\nNAME=テスト\nNAMEEN=test\n";
}

// The shell with its rising star hidden as well.
std::string HiddenShell() {
  std::string shell = Shell(255);
  const std::string rising = "name=rising star\n";
  return shell.insert(shell.find(rising) + rising.size(), "visible=0\n");
}

// The cache's name for a shell file's bytes: the hash of the drawing's
// version line and the bytes.
QString Sha256Name(const std::string& bytes) {
  const QByteArray keyed =
      QByteArray("anti-aliased, in the shell's look\n") + QByteArray::fromStdString(bytes);
  return QString::fromLatin1(QCryptographicHash::hash(keyed, QCryptographicHash::Sha256).toHex()) +
         QStringLiteral(".png");
}

class ShellThumbnailsTest : public ::testing::Test {
 protected:
  QString write(const std::string& name, const std::string& bytes) {
    testing::WriteBytes(scratch_.File(name), bytes);
    return QString::fromStdString(scratch_.File(name));
  }
  // The one report of the request for path.
  QImage thumbnailOf(const QString& path) {
    ready_.clear();
    thumbnails_.request(path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !thumbnails_.busy(); }, 120000));
    EXPECT_EQ(ready_.count(), 1);
    if (ready_.count() != 1) return QImage();
    EXPECT_EQ(ready_[0][0].toString(), path);
    return ready_[0][1].value<QImage>();
  }
  QStringList cached() const { return QDir(cache_).entryList(QDir::Files | QDir::Hidden); }

  testing::ScratchFolder scratch_;
  const QString cache_ = QString::fromStdString(scratch_.File("cache"));
  ShellThumbnails thumbnails_{cache_};
  QSignalSpy ready_{&thumbnails_, &ShellThumbnails::thumbnailReady};
  QSignalSpy failed_{&thumbnails_, &ShellThumbnails::thumbnailFailed};
};

TEST_F(ShellThumbnailsTest, IsTheRenderersFullestFrameKeptUnderTheFilesContent) {
  const QString shell = write("ring.pcl", Shell(255));
  const QImage image = thumbnailOf(shell);
  ASSERT_EQ(cached(), QStringList{Sha256Name(Shell(255))});  // and no temporary file left

  const QString render = QStringLiteral(KIRABEL_RENDER);
  const QString rendered = QString::fromStdString(scratch_.File("rendered.png"));
  EXPECT_EQ(QProcess::execute(render, {"-q", "--fullest", "--antialias", shell, "-o", rendered}), 0);
  EXPECT_EQ(testing::ReadBytes(rendered.toStdString()),
            testing::ReadBytes((cache_ + '/' + cached().front()).toStdString()));
  EXPECT_EQ(image, QImage(rendered).convertToFormat(QImage::Format_RGB888));
  QImage black(image.size(), image.format());
  black.fill(Qt::black);
  EXPECT_NE(image, black);
}

TEST_F(ShellThumbnailsTest, ComesFromTheCacheUntilTheShellOrItsPictureChanges) {
  const QString shell = write("ring.pcl", Shell(255));
  thumbnails_.request(shell);  // a second request while the first waits adds nothing
  const QImage first = thumbnailOf(shell);
  const QString file = cache_ + '/' + Sha256Name(Shell(255));
  const std::string drawn = testing::ReadBytes(file.toStdString());

  QImage marker(2, 2, QImage::Format_RGB888);
  marker.fill(Qt::red);
  ASSERT_TRUE(marker.save(file, "PNG"));
  EXPECT_EQ(thumbnailOf(shell), marker);  // not drawn again

  testing::WriteBytes(file.toStdString(), drawn.substr(0, drawn.size() / 2));
  EXPECT_EQ(thumbnailOf(shell), first);  // a damaged picture is drawn again
  EXPECT_EQ(testing::ReadBytes(file.toStdString()), drawn);

  write("ring.pcl", Shell(40));
  const QImage edited = thumbnailOf(shell);
  EXPECT_NE(edited, first);
  EXPECT_EQ(cached().size(), 2);
  EXPECT_EQ(failed_.count(), 0);
}

TEST_F(ShellThumbnailsTest, ABrokenShellSaysWhy) {
  const QString notPcl = write("notes.pcl", "hello\n");
  const QString pclReason =
      ErrorText(PclReadError(notPcl.toStdString(), PclReadError::Reason::kNotPcl));
  struct Case {
    QString path;
    bool named;  // the reason is the file error's
  };
  const Case cases[] = {
      {QString::fromStdString(scratch_.File("missing.pcl")), true},
      {notPcl, true},
      {QString::fromStdString(scratch_.path().string()), true},
      {write("empty.pcl", Shell(255, 0)), false},   // a launch without frames
      {write("hidden.pcl", HiddenShell()), false},  // no rising set: no shell
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    failed_.clear();
    thumbnails_.request(c.path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !thumbnails_.busy(); }, 60000));
    ASSERT_EQ(failed_.count(), 1);
    EXPECT_EQ(failed_[0][0].toString(), c.path);
    const QString reason = failed_[0][1].toString();
    if (c.named) {
      EXPECT_EQ(reason, pclReason);
    } else {
      EXPECT_FALSE(reason.isEmpty());
    }
  }
  EXPECT_EQ(ready_.count(), 0);
  EXPECT_TRUE(cached().isEmpty());
}

TEST_F(ShellThumbnailsTest, ACacheThatCannotBeWrittenStillGivesThePicture) {
  const QString notAFolder = write("cache-file", "taken");
  ShellThumbnails thumbnails(notAFolder);
  QSignalSpy ready(&thumbnails, &ShellThumbnails::thumbnailReady);
  thumbnails.request(write("ring.pcl", Shell(255)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !thumbnails.busy(); }, 120000));
  ASSERT_EQ(ready.count(), 1);
  EXPECT_FALSE(ready[0][1].value<QImage>().isNull());
  EXPECT_EQ(testing::ReadBytes(notAFolder.toStdString()), "taken");
}

TEST_F(ShellThumbnailsTest, GoingAwayStopsTheDrawing) {
  const QString endless = write("endless.pcl", Shell(255, 100000000));
  QElapsedTimer timer;
  {
    ShellThumbnails thumbnails(cache_);
    thumbnails.request(endless);
    QTest::qWait(300);
    timer.start();
  }
  EXPECT_LT(timer.elapsed(), 5000);
  EXPECT_TRUE(cached().isEmpty());
}

}  // namespace
}  // namespace kirabel
