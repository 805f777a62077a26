#include "ui/dialogs/export_fields.h"

#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>
#include <limits>

#include "ui/services/file_dialog_service.h"

namespace kirabel {

QSpinBox* NewFrameSpin(QWidget* parent, const char* name) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QLatin1String(name));
  spin->setRange(1, 1);
  return spin;
}

void ProposeFrames(QSpinBox& firstSpin, QSpinBox& lastSpin, int64_t frameCount, bool wholeLaunch,
                   int64_t first, int64_t last) {
  const int lastFrame =
      static_cast<int>(std::clamp<int64_t>(frameCount, 1, std::numeric_limits<int>::max()));
  firstSpin.setRange(1, lastFrame);
  lastSpin.setRange(1, lastFrame);
  const bool keepRange = !wholeLaunch && first >= 1 && last <= lastFrame;
  firstSpin.setValue(keepRange ? static_cast<int>(first) : 1);
  lastSpin.setValue(keepRange ? static_cast<int>(last) : lastFrame);
}

ChosenFrames ReadFrames(const QSpinBox& firstSpin, const QSpinBox& lastSpin) {
  ChosenFrames frames;
  frames.first = std::min(firstSpin.value(), lastSpin.value());
  frames.last = std::max(firstSpin.value(), lastSpin.value());
  frames.wholeLaunch = frames.first == 1 && frames.last == lastSpin.maximum();
  return frames;
}

void BrowseForFile(QWidget& dialog, FileChooser& chooser, const QString& extension,
                   QLineEdit& fileEdit) {
  FileChooser save(FileChooser::Kind::Save, extension.toUpper() + QStringLiteral("(*.") +
                                                extension + QStringLiteral(")|*.") + extension);
  save.title = dialog.windowTitle();
  save.startFolder = chooser.startFolder;
  save.defaultExtension = extension;
  if (!save.execute(&dialog)) return;
  fileEdit.setText(save.fileName);
  chooser.startFolder = save.fileFolder();
}

}  // namespace kirabel
