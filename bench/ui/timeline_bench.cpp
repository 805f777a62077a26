// What the timeline costs: redrawn with 1,000 sets (the content taken from
// the list again, as after every change, and painted at a window's size and
// whole), with a 10-minute soundtrack's outline; and the time from one step
// of a bar drag (a set's birth time changed in the document) to the preview's
// frame shown in the viewer, for each example list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <string>

#include "example_preview.h"
#include "model/list_commands.h"
#include "model/pcl_file.h"
#include "ui/main_window/main_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/timeline/timeline_content.h"
#include "ui/timeline/timeline_geometry.h"
#include "ui/timeline/timeline_painter.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel::bench {
namespace {

// 1,000 visible sets spread over a 40-second show at 30 frames a second,
// every tenth with two generations below it.
DocumentData ThousandSets() {
  DocumentData data;
  data.settings.startTime = 0;
  data.settings.frameInterval = 1;
  data.settings.frameCount = 1200;
  data.show.bpm = 120;
  for (int i = 0; i < 1000; ++i) {
    ParticleSet set;
    set.visible = true;
    set.name = "set " + std::to_string(i);
    set.red = static_cast<uint8_t>(i * 37);
    set.birthTime = (i * 7) % 1150;
    set.birthSpread = 3;
    set.lifetime = 40;
    set.lifetimeSpread = 5;
    set.child = i % 10 == 0 ? (i + 1) % 1000 : -1;
    set.maxGenerations = 3;
    data.sets.push_back(set);
  }
  return data;
}

// Ten minutes at 100 buckets a second.
std::shared_ptr<const Waveform> TenMinutes() {
  auto wave = std::make_shared<Waveform>();
  wave->bucketSeconds = 0.01;
  for (int i = 0; i < 60000; ++i) {
    const float level = static_cast<float>((i * 7919) % 1000) / 1000.0f;
    wave->low.push_back(-level);
    wave->high.push_back(level);
  }
  return wave;
}

void PaintThousandSets(benchmark::State& state, int height) {
  const DocumentData data = ThousandSets();
  const std::shared_ptr<const Waveform> wave = TenMinutes();
  QImage image(1200, height, QImage::Format_RGB32);
  const QPalette palette = QApplication::palette();
  for (auto _ : state) {
    TimelineContent content(data);
    content.waveform = wave;
    content.selectedSet = 500;
    TimelineGeometry geometry;
    geometry.setTimes(content.firstTime, content.lastTime);
    geometry.setSize(image.width(), image.height());
    geometry.setRows(content.rows);
    QPainter painter(&image);
    PaintTimeline(painter, content, geometry, palette, image.rect());
  }
}

void BM_TimelineWindow1000Sets(benchmark::State& state) {
  PaintThousandSets(state, 800);
}
BENCHMARK(BM_TimelineWindow1000Sets)->Unit(benchmark::kMillisecond);

void BM_TimelineAllRows1000Sets(benchmark::State& state) {
  PaintThousandSets(state, 20000);
}
BENCHMARK(BM_TimelineAllRows1000Sets)->Unit(benchmark::kMillisecond);

void BM_BarDragToFrameShown(benchmark::State& state) {
  const std::string name = kExamples[state.range(0)];
  ExamplePreview preview(name);
  Document& document = preview.window.document();
  long double shift = 1;
  for (auto _ : state) {
    ParticleSet set = document.sets()[0];
    set.birthTime += shift;
    shift = -shift;
    document.apply(ReplaceSetCommand(0, set));
    preview.frames.waitForNewFrame();
  }
  state.SetLabel(name);
}
BENCHMARK(BM_BarDragToFrameShown)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kirabel::bench
