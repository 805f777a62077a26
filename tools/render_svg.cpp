// Renders an SVG picture to square PNG files of the given sizes. Used by hand to
// refresh the program's PNG icons from resources/icons/kirabel.svg:
//   render_svg resources/icons/kirabel.svg resources/icons/kirabel- 16 32 48 64 128 256
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: render_svg FILE.svg PREFIX SIZE...\n");
    return 2;
  }
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid()) return 1;
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    const QString name = QString::fromLocal8Bit(argv[2]) + QString::number(size) + ".png";
    if (!image.save(name)) return 1;
  }
  return 0;
}
