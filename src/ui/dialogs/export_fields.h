#pragma once
// The fields the export dialogs share: the frames of the launch (two spin
// boxes bounded by its frame count) and the file to write, chosen in the
// main window's save dialog.
#include <QString>
#include <cstdint>

class QLineEdit;
class QSpinBox;
class QWidget;

namespace kirabel {

class FileChooser;

// A frame field named `name`, bounded later by ProposeFrames.
QSpinBox* NewFrameSpin(QWidget* parent, const char* name);

// Bounds both fields by the launch's frame count and fills them with first ..
// last, or with the whole launch when wholeLaunch is set or the range does not
// lie within it.
void ProposeFrames(QSpinBox& firstSpin, QSpinBox& lastSpin, int64_t frameCount, bool wholeLaunch,
                   int64_t first, int64_t last);

// The frames the fields hold, in order; wholeLaunch when they span the launch.
struct ChosenFrames {
  bool wholeLaunch = true;
  int64_t first = 1;
  int64_t last = 1;
};
ChosenFrames ReadFrames(const QSpinBox& firstSpin, const QSpinBox& lastSpin);

// Shows the save dialog for a file with that extension (without the dot),
// titled as `dialog`, from the chooser's folder; the name chosen goes into
// fileEdit and its folder becomes the chooser's.
void BrowseForFile(QWidget& dialog, FileChooser& chooser, const QString& extension,
                   QLineEdit& fileEdit);

}  // namespace kirabel
