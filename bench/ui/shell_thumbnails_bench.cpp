// What a shell's thumbnail costs: drawn from nothing (the fullest of its
// frames found, the picture stored in the cache) and served from the cache,
// for each installed shell (the example lists when there are none).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "document/shell_thumbnails.h"

namespace kirabel::bench {
namespace {

QFileInfoList ShellFiles() {
  const QStringList pattern{QStringLiteral("*.pcl")};
  const QFileInfoList shells = QDir(QStringLiteral(KIRABEL_SHELLS)).entryInfoList(pattern);
  return shells.isEmpty() ? QDir(QStringLiteral(KIRABEL_EXAMPLES)).entryInfoList(pattern) : shells;
}

void WaitUntilReported(const ShellThumbnails& thumbnails) {
  while (thumbnails.busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// cold: the cache emptied before every request.
void BM_ShellThumbnail(benchmark::State& state, const QString& shell, bool cold) {
  QTemporaryDir cache;
  ShellThumbnails thumbnails(cache.path() + QStringLiteral("/thumbnails"));
  thumbnails.request(shell);
  WaitUntilReported(thumbnails);
  for (auto _ : state) {
    if (cold) {
      state.PauseTiming();
      QDir(thumbnails.cacheFolder()).removeRecursively();
      state.ResumeTiming();
    }
    thumbnails.request(shell);
    WaitUntilReported(thumbnails);
  }
}

const bool kRegistered = [] {
  for (const QFileInfo& shell : ShellFiles()) {
    for (const bool cold : {true, false}) {
      const std::string name = (cold ? "BM_ShellThumbnailCold/" : "BM_ShellThumbnailCached/") +
                               shell.baseName().toStdString();
      benchmark::RegisterBenchmark(name.c_str(), BM_ShellThumbnail, shell.filePath(), cold)
          ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
}  // namespace kirabel::bench
