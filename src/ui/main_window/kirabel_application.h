#pragma once
// Start-up and shut-down of the desktop program: the main window and the
// viewer (the main window makes its dialogs when first needed), the settings file read and applied
// at start and written by the main window's close query, the colour-depth question and the PCL file
// named on the command line.
#include <QStringList>
#include <array>
#include <memory>
#include <string>

#include "model/settings_file.h"

class QWidget;

namespace kirabel {

class MainWindow;
class SpaceViewer;

// The question asked on a display of 8 bits per pixel or fewer.
extern const char kColourDepthQuestion[];

// Whether the program may go on with a display of `depth` bits per pixel: on
// 8 or fewer the question beep sounds and the user is asked.
bool ConfirmColourDepth(int depth, QWidget* parent);

// The file named by the first command-line argument (after the program),
// resolved against the current folder; empty when there is none.
std::string CommandLineFile(const QStringList& arguments);

class KirabelApplication {
 public:
  // settingsPath: the settings file to read at start and write at close.
  explicit KirabelApplication(std::string settingsPath);
  ~KirabelApplication();

  // Creates the viewer, then the main window that draws into it.
  void createWindows();
  // Reads the settings file and applies it (positions, options, resolution),
  // asks about the colour depth and loads the command-line file. Without any
  // settings file (a first start) the viewer opens beside the main window
  // with the preview on, so that a newcomer's first list shows at once.
  void readSettings(const QStringList& arguments, int colourDepth);
  // The record of the settings as they stand now.
  Settings currentSettings() const;
  // Writes the settings file; throws WriteError.
  void writeSettings() const;
  // Writes only the recent files into the settings file.
  void writeRecentFiles() const;
  // The user declined to start on a low colour depth.
  bool endRequested() const { return endRequested_; }

  MainWindow& mainWindow() { return *mainWindow_; }
  SpaceViewer& viewer() { return *viewer_; }
  const std::string& settingsPath() const { return settingsPath_; }

 private:
  void applySettings(const Settings& settings);
  void applyWindowPositions(const Settings& settings);
  void applyResolution(const Settings& settings);
  // The windows whose places the settings file keeps, main window first.
  std::array<QWidget*, 4> placedWindows() const;
  // The windows whose sizes it keeps, each with its place's position in
  // placedWindows().
  struct SizedWindow {
    QWidget* window;
    std::size_t place;
  };
  std::array<SizedWindow, 3> sizedWindows() const;

  std::string settingsPath_;
  bool endRequested_ = false;
  // Destroyed in reverse order: the main window before the viewer it draws into.
  std::unique_ptr<SpaceViewer> viewer_;
  std::unique_ptr<MainWindow> mainWindow_;
};

}  // namespace kirabel
