#include "cli/dry_run.h"

#include <QCoreApplication>
#include <algorithm>

#include "cli/console.h"
#include "platform/c_numbers.h"
#include "simulation/launch.h"

namespace kirabel::cli {

namespace {

QString Number(long double value) {
  return QString::fromStdString(FormatNumbers("%.15Lg", value));
}

// One set of the list; the keys are those of the file (N=, child=, am=, ns=).
QString SetLine(std::size_t index, const ParticleSet& s) {
  const QString hidden =
      s.visible ? QString() : QCoreApplication::translate("kirabel::cli", " (hidden)");
  return QStringLiteral("  P%1 %2: N=%3 child=%4 am=%5 ns=%6%7\n")
      .arg(QString::number(index), QString::fromUtf8(s.name.c_str()), QString::number(s.count),
           QString::number(s.child), QString::number(s.maxGenerations),
           QString::number(s.trailSamples), hidden);
}

QString SizeLine(const RenderRequest& r) {
  QString line =
      QCoreApplication::translate("kirabel::cli", "size: %1x%2").arg(r.width).arg(r.height);
  if (r.drawing.antiAlias) line += QCoreApplication::translate("kirabel::cli", " antialias");
  if (r.drawing.wrap) line += QCoreApplication::translate("kirabel::cli", " wrap");
  return line + QLatin1Char('\n');
}

// The frames written: the animation file, or the first and last numbered frames.
QString OutputLine(const RenderRequest& r, const LaunchSettings& settings,
                   const FrameRange& selected) {
  if (r.animation)
    return QCoreApplication::translate("kirabel::cli", "output: %1\n").arg(FromLocal(r.prefix));
  if (selected.first > selected.last) return QString();
  return QCoreApplication::translate("kirabel::cli", "output: %1 .. %2\n")
      .arg(FromLocal(NumberedFrameName(settings.autosaveName, selected.first, r.format)),
           FromLocal(NumberedFrameName(settings.autosaveName, selected.last, r.format)));
}

}  // namespace

void PrintDryRun(std::FILE* out, const RenderRequest& r, const ParticleList& list,
                 const LaunchSettings& settings, const ParticleEstimate& estimate) {
  const auto visible =
      std::count_if(list.begin(), list.end(), [](const ParticleSet& set) { return set.visible; });
  const int64_t frames = FrameCount(settings.frameCount);
  QString text = QCoreApplication::translate("kirabel::cli", "file: %1\n").arg(FromLocal(r.input));
  text += QCoreApplication::translate("kirabel::cli", "sets: %1\n").arg(list.size());
  for (std::size_t i = 0; i < list.size(); ++i) text += SetLine(i, list[i]);
  text += QCoreApplication::translate("kirabel::cli", "visible sets: %1\n").arg(visible);
  text += QCoreApplication::translate("kirabel::cli", "particles: %1\n").arg(estimate.particles);
  text +=
      QCoreApplication::translate("kirabel::cli", "launched sets: %1\n").arg(estimate.launchedSets);
  text += QCoreApplication::translate("kirabel::cli", "frames: %1\n").arg(frames);
  text += QCoreApplication::translate("kirabel::cli", "start: %1  interval: %2  gravity: %3\n")
              .arg(Number(settings.startTime), Number(settings.frameInterval),
                   Number(settings.gravity));
  text += SizeLine(r);
  const FrameRange selected = SelectFrames(frames, r.range, r.shard);
  if (r.range || r.shard) {
    text += QCoreApplication::translate("kirabel::cli", "selected: %1-%2\n")
                .arg(selected.first)
                .arg(selected.last);
  }
  text += OutputLine(r, settings, selected);
  Print(out, text);
}

}  // namespace kirabel::cli
