#include "ui/main_window/tool_icons.h"

#include <QColor>
#include <QHash>
#include <QImage>

// The resources live in the kirabel_ui static library; registering them here
// makes the linker keep them in every program that uses these pictures.
static void InitKirabelResources() {
  Q_INIT_RESOURCE(kirabel);
}

namespace kirabel {

namespace {

void EnsureResources() {
  static const bool done = (InitKirabelResources(), true);
  (void)done;
}

// Tool bar button -> base name of its picture files.
QString PictureName(const QString& buttonName) {
  static const QHash<QString, QString> names = {
      {QStringLiteral("openButton"), QStringLiteral("open")},
      {QStringLiteral("saveButton"), QStringLiteral("save")},
      {QStringLiteral("saveImageButton"), QStringLiteral("save-image")},
      {QStringLiteral("cutButton"), QStringLiteral("cut")},
      {QStringLiteral("copyButton"), QStringLiteral("copy")},
      {QStringLiteral("pasteButton"), QStringLiteral("paste")},
      {QStringLiteral("addSetButton"), QStringLiteral("add-set")},
      {QStringLiteral("changeSetButton"), QStringLiteral("change-set")},
      {QStringLiteral("deleteSetButton"), QStringLiteral("delete-set")},
      {QStringLiteral("launchButton"), QStringLiteral("launch")},
      {QStringLiteral("stopButton"), QStringLiteral("stop")},
  };
  return names.value(buttonName);
}

QPixmap LoadPicture(const QString& baseName, int size) {
  EnsureResources();
  return QPixmap(QStringLiteral(":/icons/%1-%2.png").arg(baseName).arg(size));
}

}  // namespace

QPixmap DisabledPicture(const QPixmap& picture) {
  QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = line[x];
      // Lighten the grey value towards the button face and halve the opacity.
      const int grey = 128 + qGray(pixel) / 2;
      line[x] = qRgba(grey, grey, grey, qAlpha(pixel) / 2);
    }
  }
  return QPixmap::fromImage(image);
}

QIcon ToolIcon(const QString& buttonName) {
  const QString baseName = PictureName(buttonName);
  if (baseName.isEmpty()) return QIcon();
  QIcon icon;
  for (int size : {16, 32}) {
    const QPixmap picture = LoadPicture(baseName, size);
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(DisabledPicture(picture), QIcon::Disabled);
  }
  return icon;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) icon.addPixmap(LoadPicture("kirabel", size));
  return icon;
}

QPixmap AboutPicture(qreal devicePixelRatio) {
  return AppIcon().pixmap(QSize(128, 128), devicePixelRatio);
}

}  // namespace kirabel
