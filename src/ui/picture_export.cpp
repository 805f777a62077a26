#include "ui/picture_export.h"

#include <QFileInfo>

#include "image/dibs.h"
#include "image/picture_png.h"

namespace kirabel {

void SavePicture(const TDIBitmap& bitmap, const QString& fileName) {
  const std::string name = fileName.toStdString();
  if (QFileInfo(fileName).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0) {
    SavePngFile(bitmap, name);
    return;
  }
  bitmap.SaveToFile(name, 24);
}

}  // namespace kirabel
