// What the handles cost: the overlay (the visible sets' origins, the
// selected set's handles and the mean paths of its chain) made from the list
// and painted over a 512 x 512 picture, with 1,000 sets; and the time from
// one step of an origin drag on the picture to the preview's frame shown,
// for each example list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <string>

#include "example_preview.h"
#include "model/pcl_file.h"
#include "ui/handles/handle_painter.h"
#include "ui/main_window/main_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/widgets/particle_grid.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel::bench {
namespace {

// 1,000 visible shells over the picture, every tenth bursting into a chain
// of 16 generations.
ParticleList ThousandShells() {
  ParticleList list;
  for (int i = 0; i < 1000; ++i) {
    ParticleSet set;
    set.visible = true;
    set.count = 100;
    set.originX = (i * 37) % 512;
    set.originY = 300 + (i * 11) % 200;
    set.speed = 4 + i % 5;
    set.direction = (i % 7 - 3) * 0.1L;
    set.directionSpread = 0.5L;
    set.lifetime = 20;
    set.child = i % 10 == 0 ? i : -1;
    set.maxGenerations = 16;
    list.push_back(set);
  }
  return list;
}

void BM_Handles1000Sets(benchmark::State& state) {
  const ParticleList list = ThousandShells();
  QImage image(512, 512, QImage::Format_RGB32);
  std::size_t selected = 0;
  for (auto _ : state) {
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintHandles(painter, MakeHandleScene(list, selected, 0.012L), 1);
    selected = (selected + 10) % list.size();  // shells with a chain below them
  }
}
BENCHMARK(BM_Handles1000Sets)->Unit(benchmark::kMillisecond);

void SendMouse(QWidget* view, QEvent::Type type, QPointF at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(view, &event);
}

void BM_OriginDragToFrameShown(benchmark::State& state) {
  const std::string name = kExamples[state.range(0)];
  ExamplePreview preview(name);
  Document& document = preview.window.document();
  std::size_t shell = 0;
  while (shell + 1 < document.sets().size() && !document.sets()[shell].visible) ++shell;
  preview.window.findChild<ParticleGrid*>(QStringLiteral("grid"))
      ->setSelectedRow(static_cast<int>(shell) + 1);
  QWidget* view = preview.viewer.pictureView;
  const qreal ratio = view->devicePixelRatioF();
  const QPointF origin(static_cast<qreal>(document.sets()[shell].originX) / ratio,
                       static_cast<qreal>(document.sets()[shell].originY) / ratio);
  SendMouse(view, QEvent::MouseButtonPress, origin);
  qreal shift = 1;
  for (auto _ : state) {
    SendMouse(view, QEvent::MouseMove, origin + QPointF(shift, 0));
    shift = shift > 0 ? -1 : 1;
    preview.frames.waitForNewFrame();
  }
  SendMouse(view, QEvent::MouseButtonRelease, origin);
  state.SetLabel(name);
}
BENCHMARK(BM_OriginDragToFrameShown)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kirabel::bench
