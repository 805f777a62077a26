#include "ui/main_window/kirabel_application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <stdexcept>

#include "platform/errors.h"
#include "texts/error_texts.h"
#include "ui/library/shell_library_window.h"
#include "ui/main_window/main_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/services/device_pixels.h"
#include "ui/services/message_box.h"
#include "ui/services/window_placement.h"
#include "ui/timeline/timeline_window.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel {

const char kColourDepthQuestion[] =
    QT_TRANSLATE_NOOP("kirabel::KirabelApplication",
                      "３万色以上の環境でのご使用をお勧めしますが、起動しても良いですか？");

bool ConfirmColourDepth(int depth, QWidget* parent) {
  if (depth > 8) return true;
  MessageBox::beep();
  return MessageBox::confirm(
      parent, QCoreApplication::translate("kirabel::KirabelApplication", kColourDepthQuestion));
}

std::string CommandLineFile(const QStringList& arguments) {
  if (arguments.size() < 2 || arguments.at(1).isEmpty()) return std::string();
  return QDir::current().absoluteFilePath(arguments.at(1)).toStdString();
}

KirabelApplication::KirabelApplication(std::string settingsPath)
    : settingsPath_(std::move(settingsPath)) {}

KirabelApplication::~KirabelApplication() = default;

void KirabelApplication::createWindows() {
  viewer_ = std::make_unique<SpaceViewer>();
  mainWindow_ = std::make_unique<MainWindow>(viewer_.get());
  MainWindow& main = *mainWindow_;
  main.setSettingsWriter([this] { writeSettings(); });
  QObject::connect(&main, &MainWindow::recentFilesChanged, [this] { writeRecentFiles(); });
  main.startPreview();
}

namespace {

// The settings keys of each remembered place: the windows in the order of
// KirabelApplication::placedWindows(), then the main window's dialogs.
struct PlaceKeys {
  int32_t Settings::*left;
  int32_t Settings::*top;
};
constexpr PlaceKeys kPlaceKeys[] = {
    {&Settings::mainWindowLeft, &Settings::mainWindowTop},
    {&Settings::viewerLeft, &Settings::viewerTop},
    {&Settings::timelineLeft, &Settings::timelineTop},
    {&Settings::libraryLeft, &Settings::libraryTop},
    {&Settings::setDialogLeft, &Settings::setDialogTop},
    {&Settings::launchDialogLeft, &Settings::launchDialogTop},
};
constexpr const PlaceKeys& kSetDialogPlaceKeys = kPlaceKeys[4];
constexpr const PlaceKeys& kLaunchDialogPlaceKeys = kPlaceKeys[5];

// The settings keys of each remembered size: the windows in the order of
// KirabelApplication::sizedWindows().
struct SizeKeys {
  int32_t Settings::*width;
  int32_t Settings::*height;
};
constexpr SizeKeys kSizeKeys[] = {
    {&Settings::mainWindowWidth, &Settings::mainWindowHeight},
    {&Settings::timelineWidth, &Settings::timelineHeight},
    {&Settings::libraryWidth, &Settings::libraryHeight},
};

QPoint PlaceOf(const Settings& s, const PlaceKeys& keys) {
  return QPoint(s.*keys.left, s.*keys.top);
}

void SetPlace(Settings& s, const PlaceKeys& keys, QPoint place) {
  s.*keys.left = place.x();
  s.*keys.top = place.y();
}

QSize SizeOf(const Settings& s, const SizeKeys& keys) {
  return QSize(s.*keys.width, s.*keys.height);
}

void SetSize(Settings& s, const SizeKeys& keys, QSize size) {
  s.*keys.width = size.width();
  s.*keys.height = size.height();
}

// The default places and main window size are the windows' designed places
// in logical pixels of the primary screen; the settings file counts device
// pixels, so that a first start on a high-DPI screen opens no window at half
// its size.
Settings DefaultSettingsInDevicePixels() {
  Settings s;
  const ScreenScale scale = PrimaryScreenScale();
  for (const PlaceKeys& keys : kPlaceKeys)
    SetPlace(s, keys, ToDevicePixels(PlaceOf(s, keys), scale));
  for (const SizeKeys& keys : kSizeKeys)
    SetSize(s, keys, ToDevicePixels(SizeOf(s, keys), scale.ratio));
  return s;
}

}  // namespace

void KirabelApplication::readSettings(const QStringList& arguments, int colourDepth) {
  const bool firstStart = !SettingsFileExists(settingsPath_);
  Settings settings = LoadSettingsFile(settingsPath_, DefaultSettingsInDevicePixels());
  if (firstStart) settings.options.preview = true;
  applySettings(settings);
  if (firstStart) PlaceBeside(*viewer_, *mainWindow_);
  if (!ConfirmColourDepth(colourDepth, mainWindow_.get())) endRequested_ = true;
  const std::string file = CommandLineFile(arguments);
  if (file.empty()) return;
  mainWindow_->loadStartFile(file);
  // A first start with a list plays it at once: the burst unfolds in the viewer.
  if (firstStart && mainWindow_->preview()) mainWindow_->preview()->bar().setPlaying(true);
}

void KirabelApplication::applySettings(const Settings& settings) {
  applyWindowPositions(settings);
  mainWindow_->document().setOptions(settings.options);
  mainWindow_->setInterfaceOptions(settings.interfaceOptions);
  mainWindow_->setStartFolder(QString::fromStdString(settings.startFolder));
  mainWindow_->setRecentFiles(settings.recentFiles);
  applyResolution(settings);
}

// A remembered place that no screen shows any more (a monitor was removed)
// is moved onto the nearest screen; every other place is used as it is.
void KirabelApplication::applyWindowPositions(const Settings& s) {
  const auto sized = sizedWindows();
  for (size_t i = 0; i < sized.size(); ++i) {
    const qreal ratio = ScaleAtDevicePoint(PlaceOf(s, kPlaceKeys[sized[i].place])).ratio;
    sized[i].window->resize(ToLogicalPixels(SizeOf(s, kSizeKeys[i]), ratio));
  }
  const auto windows = placedWindows();
  for (size_t i = 0; i < windows.size(); ++i)
    PlaceWindowAtDevicePosition(*windows[i], PlaceOf(s, kPlaceKeys[i]));
  mainWindow_->setDialogPlaces(
      {PlaceOf(s, kSetDialogPlaceKeys), PlaceOf(s, kLaunchDialogPlaceKeys)});
}

std::array<QWidget*, 4> KirabelApplication::placedWindows() const {
  return {mainWindow_.get(), viewer_.get(), &mainWindow_->timeline(), &mainWindow_->shellLibrary()};
}

std::array<KirabelApplication::SizedWindow, 3> KirabelApplication::sizedWindows() const {
  return {
      {{mainWindow_.get(), 0}, {&mainWindow_->timeline(), 2}, {&mainWindow_->shellLibrary(), 3}}};
}

void KirabelApplication::applyResolution(const Settings& s) {
  try {
    mainWindow_->applyResolution(s.options.resolutionWidth, s.options.resolutionHeight);
  } catch (const std::exception& error) {
    MessageBox::showError(mainWindow_.get(), ErrorText(error));
  }
}

Settings KirabelApplication::currentSettings() const {
  const MainWindow& main = *mainWindow_;
  Settings s;
  const auto windows = placedWindows();
  for (size_t i = 0; i < windows.size(); ++i)
    SetPlace(s, kPlaceKeys[i], DevicePosition(*windows[i]));
  const MainWindow::DialogPlaces dialogs = main.dialogPlaces();
  SetPlace(s, kSetDialogPlaceKeys, dialogs.setDialog);
  SetPlace(s, kLaunchDialogPlaceKeys, dialogs.launchDialog);
  const auto sized = sizedWindows();
  for (size_t i = 0; i < sized.size(); ++i) SetSize(s, kSizeKeys[i], DeviceSize(*sized[i].window));
  s.startFolder = main.startFolder().toStdString();
  s.options = main.document().options();
  s.interfaceOptions = main.interfaceOptions();
  s.recentFiles = main.recentFiles();
  return s;
}

void KirabelApplication::writeSettings() const {
  SaveSettingsFile(settingsPath_, currentSettings());
}

// The recent files are kept at once, so that Exit, which writes no settings,
// does not forget them. A settings file that cannot be written is reported
// when the window closes; here it only costs the menu's memory.
void KirabelApplication::writeRecentFiles() const {
  try {
    SaveRecentFiles(settingsPath_, mainWindow_->recentFiles());
  } catch (const std::exception&) {
  }
}

}  // namespace kirabel
