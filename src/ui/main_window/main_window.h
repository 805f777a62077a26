#pragma once
// The main window: the particle list grid, the menus, the tool bar and the
// progress bar, over the document that holds the list, the launch settings,
// the current file name, the clipboard and the options. The viewer is given
// at construction; the dialogs are made when first needed.
//
// The implementation is split by concern: main_window.cpp (construction,
// menus, tool bar, popup, layout, caption), main_window_files.cpp (file
// commands and file drop), main_window_editing.cpp (adding, changing,
// deleting, clipboard), main_window_options.cpp (options and small dialogs),
// main_window_launch.cpp (busy state and the launch), main_window_space.cpp
// (the space resolution), main_window_lifecycle.cpp (closing and ending),
// main_window_dialogs.cpp (the dialogs and their places),
// main_window_timeline.cpp (the timeline window), main_window_library.cpp
// (the shell library, inserting and saving shells), main_window_look.cpp (the
// look of the pictures and its dialog).
#include <QMainWindow>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/set_selection.h"
#include "document/soundtrack_loader.h"
#include "model/pcl_file.h"
#include "simulation/random.h"
#include "ui/dialogs/export_dialog.h"
#include "ui/dialogs/long_exposure_dialog.h"
#include "ui/launch/launch_session.h"
#include "ui/services/pcl_dialogs.h"

class QAction;
class QFrame;
class QMenu;
class QProgressBar;
class QToolBar;
class QWidget;

namespace kirabel {

class AboutDialog;
class AnimationExport;
class ChildSetModel;
class HandleEditor;
class LaunchSettingsDialog;
class ParticleGrid;
class ParticleSetDialog;
class PreviewController;
class LanguageMenu;
class RecentFilesMenu;
class ResolutionDialog;
class ShellLibraryWindow;
class ShellThumbnails;
class SpaceBuffer;
class SoundtrackDialog;
class LookDialog;
struct Look;
class SpaceViewer;
class StatusMessage;
class ThresholdDialog;
class TimelineWindow;
class WindowLaunch;

// The application title: the first part of the caption and of error boxes.
extern const char kApplicationTitle[];  // "Kirabel"

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(SpaceViewer* viewer = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  // What the application object hands over at start-up and reads for the
  // settings file.
  Document& document() { return document_; }
  const Document& document() const { return document_; }
  // The tool bar and the language: options of the interface, not of a list.
  const InterfaceOptions& interfaceOptions() const { return interfaceOptions_; }
  void setInterfaceOptions(const InterfaceOptions& options);
  // The remembered places of the properties and launch settings dialogs, in
  // device pixels: a dialog opens at its place when first made; one never
  // made keeps the place it was given.
  struct DialogPlaces {
    QPoint setDialog;
    QPoint launchDialog;
  };
  void setDialogPlaces(const DialogPlaces& places) { dialogPlaces_ = places; }
  DialogPlaces dialogPlaces() const;
  // The file choosers' starting folder (InitialDir), kept in the settings
  // file: set into both, read from the open chooser.
  QString startFolder() const { return openDialog_.startFolder; }
  void setStartFolder(const QString& folder);
  // The files last opened or saved, newest first; recentFilesChanged() says
  // when they changed (not when set here).
  const std::vector<std::string>& recentFiles() const;
  void setRecentFiles(std::vector<std::string> files);
  // The close query writes the settings through this (set at start-up).
  void setSettingsWriter(std::function<void()> writer) { settingsWriter_ = std::move(writer); }
  // New space buffer and viewer picture of width × height pixels. Throws
  // OutOfMemoryError when they cannot be had (the space is then left empty).
  void applyResolution(int32_t width, int32_t height);
  // The file named on the command line: loaded into the empty list at
  // start-up, with nothing to undo and nothing changed.
  void loadStartFile(const std::string& path);
  // Puts the preview's time bar and the handles into the viewer.
  void startPreview();
  // The live preview, once started (null before or without a viewer).
  PreviewController* preview() const { return preview_; }
  // The timeline and shell library windows (hidden until opened), whose
  // places and sizes the settings file keeps.
  TimelineWindow& timeline() { return *timeline_; }
  ShellLibraryWindow& shellLibrary() { return *shellLibrary_; }

 signals:
  // A launch started by the launch command has ended (drawn, stopped or failed).
  void launchFinished();
  // A file was opened or saved, or a missing one taken out of the menu.
  void recentFilesChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Tests drive the commands and read the state below directly.
  friend class MainWindowTestAccess;

  // File commands (main_window_files.cpp).
  void newList();
  void openList();
  void mergeList();
  // Opens a file of the recent-files menu; a file no longer there is taken
  // out of the menu with a message.
  void openRecentFile(const QString& path);
  void saveList();
  void saveListAs();
  void saveImage();
  void exportAnimation();
  // Stacks the frames the next launch would draw into one picture (a long
  // exposure), in the background as the animation export runs.
  void exportLongExposure();
  void exitProgram();
  // Merges a PCL file into the list (drop, command line); a file that is no
  // PCL file gives a warning and changes nothing.
  bool loadFile(const std::string& path);
  // Replaces the list by a PCL file's sets (Open); a refused file keeps it.
  void openFile(const std::string& path);
  // Merges the first of the dropped files.
  void dropFiles(const QStringList& paths);
  // Editing (main_window_editing.cpp).
  void undo();
  void redo();
  void addSet();
  void changeSelectedSet();  // adds a set on the new-set row
  void deleteSelectedSet();
  void cutSet();
  void copySet();
  void pasteSet();
  // Changes set `index` through the properties dialog.
  void editSet(std::size_t index);
  // Removes set `index`, asking first when another set names it as child.
  // Returns whether it was removed.
  bool deleteSet(std::size_t index);
  // The launch (main_window_launch.cpp) and the show (main_window_show.cpp).
  void launch();
  void stopLaunch();
  // Switches between busy and idle (launch button, stop button, viewer caption).
  void setBusy(bool busy);
  void applyPreview();
  // Turns the preview on as its menu item does, when it is off.
  void turnPreviewOn();
  void showPreviewFrame(int64_t frame);
  void applyHandles();
  void fitLaunchToSoundtrack();
  void editSoundtrack();
  // The look (main_window_look.cpp): the Look dialog, tried out in the
  // preview while it is open, as one step of the history.
  void editLook();
  // The window's scenes develop in `look`; a sky photo that cannot be read
  // is reported once and left out.
  void developInLook(const Look& look);
  void showTimeline();
  // The shell library (main_window_library.cpp).
  void showShellLibrary();
  void saveSelectionAsShell();
  // Appends the shell of a file as one undoable step: its rising set starts
  // on the space's bottom edge at the column of `spacePoint` (the centre
  // column without one) and becomes the selected set. Into a list without
  // sets it brings its launch settings and keeps its own times; into another
  // it starts at the preview's time (its own without the preview), keeps its
  // picture under the list's gravity (the status panel says so) and the list
  // gets frames enough to show it. A bad file gives a warning.
  void insertShell(const QString& path, std::optional<QPointF> spacePoint = std::nullopt);
  // Options and small dialogs (main_window_options.cpp).
  void applyLanguage(LanguageChoice choice);
  void applyFitColumns();
  void applyToolBarVisibility();
  void applyAntiAliasing();
  void applyWrapSpace();
  void editResolution();
  void editWarningThreshold();
  void showHelp();
  void showGuide();
  void showAbout();
  // Ends the program without the close query (after stopping a launch).
  void endProgram();

  // The dialogs, made when first needed (main_window_dialogs.cpp).
  ParticleSetDialog& setDialog();
  LaunchSettingsDialog& launchDialog();
  ResolutionDialog& resolutionDialog();
  ThresholdDialog& thresholdDialog();
  AboutDialog& aboutDialog();
  SoundtrackDialog& soundtrackDialog();
  LookDialog& lookDialog();
  void createMenus();
  void createFileMenu();
  void createEditMenu();
  void createLaunchMenu();
  void createOptionsMenu();
  void createHelpMenu();
  void createGridMenu();
  void createToolBar();
  void createStatusPanel();
  void createLayout();
  void connectDocument();
  void createTimeline();
  void createShellLibrary();
  void showSelectionActions();
  std::optional<QString> askShellName(const QString& proposal);
  QString shellNameProblem(const QString& name) const;
  bool writeShell(std::size_t set, const QString& path, const QString& name);
  QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption,
                       void (MainWindow::*handler)(), const QKeySequence& shortcut = {});
  void addMenuSeparator(QMenu* menu, const char* name);
  void addToolButton(QAction* action, const char* buttonName, const QString& tip);
  void showFileName();
  void showHistory();
  bool maySaveChanges();
  void noteRecentFile(const std::string& path);
  void warnOfMissingSoundtrack();
  void awaitSoundtrackLength();
  void showOptions();
  void changeOptions(const std::function<void(Options&)>& change);
  std::optional<PclContents> readList(const std::string& path);
  bool writeList(const std::string& path);
  bool saveInteractively();
  bool saveAsInteractively();
  void updateBusyControls();
  bool launchTargetsReady() const;
  bool confirmLaunchSettings();
  bool mayRemoveSet(std::size_t index);
  // Asks whether a launch of this many particles may be built.
  bool confirmParticleCount(int64_t particles);
  // Whether an export can start: none running, sets to draw and a picture
  // to draw them in (else a beep or a warning).
  bool readyToExport();
  bool confirmExportCount();
  void exportEnded(const QString& error);
  void runLaunch();
  void launchEnded(const std::exception_ptr& error);
  void fallBackToEmptySpace();
  void setResolutionOption(int32_t width, int32_t height);
  bool writeSettingsBeforeClose();
  void finishPendingClose();

  // ------------------------------------------------------------ widgets
  SpaceViewer* viewer_ = nullptr;
  bool closing_ = false;
  QFrame* menuRule_;
  QToolBar* toolBar_;
  ParticleGrid* grid_;
  QFrame* statusPanel_;
  QProgressBar* progressBar_;
  StatusMessage* statusMessage_;  // what a command did by itself, for a few seconds
  QMenu* gridMenu_;
  QMenu *fileMenu_, *editMenu_, *launchMenu_, *optionsMenu_, *helpMenu_;
  RecentFilesMenu* recentFilesMenu_;  // files last opened or saved
  LanguageMenu* languageMenu_;        // the interface language, from the next start
  QAction *actionNew_, *actionOpen_, *actionMerge_, *actionSave_, *actionSaveAs_, *actionSaveImage_,
      *actionExportAnimation_, *actionExportLongExposure_, *actionExit_;
  QAction *actionUndo_, *actionRedo_, *actionCut_, *actionCopy_, *actionPaste_;
  QAction *actionShellLibrary_, *actionSaveShell_;
  QAction *actionLaunch_, *actionPreview_, *actionHandles_, *actionFitToSoundtrack_,
      *actionSoundtrack_, *actionLook_, *actionTimeline_;
  QAction *actionFitColumns_, *actionShowToolBar_, *actionResolution_, *actionWarningThreshold_,
      *actionAntiAliasing_, *actionWrapSpace_;
  QAction *actionHelp_, *actionAbout_;
  // The grid popup's set commands. Their object names are older than their
  // meaning: "actionProperties" ("プロパティ") adds a new set and
  // "actionAddSet" ("パーティクルセット追加") changes the selected one.
  QAction *actionNewSet_, *actionChangeSet_, *actionDeleteSet_;
  QAction* actionStop_;  // the tool bar's stop button; in no menu
  FileChooser openDialog_ = MakeOpenDialog();
  FileChooser saveDialog_ = MakeSaveDialog();

  Document document_;
  SetSelection selection_{document_};  // the grid's, the timeline's and the handles' set
  InterfaceOptions interfaceOptions_;
  LaunchSession launchSession_;
  SoundtrackLoader soundtrackLoader_{document_};
  std::unique_ptr<WindowLaunch> windowLaunch_;  // what the window shows of the launch running
  QMetaObject::Connection optionsFollower_;     // the options reaching the launch running
  ChildSetModel* childChoices_;
  PreviewController* preview_ = nullptr;
  HandleEditor* handles_ = nullptr;          // the selected set's handles over the preview
  std::unique_ptr<AnimationExport> export_;  // the export running, if any
  ExportChoice exportChoice_;                // the last choices of the export dialog
  LongExposureChoice longExposureChoice_;    // and of the long exposure dialog
  std::function<void()> settingsWriter_;
  bool closeAfterLaunch_ = false;
  bool exitAfterLaunch_ = false;
  bool fitAwaitsLength_ = false;  // "fit to the soundtrack" acts once its length is known
  std::optional<DialogPlaces> dialogPlaces_;  // none given: the dialogs open centred
  // Last, so that they go before the file choosers the launch dialog points to.
  std::unique_ptr<ParticleSetDialog> setDialog_;
  std::unique_ptr<LaunchSettingsDialog> launchDialog_;
  std::unique_ptr<ResolutionDialog> resolutionDialog_;
  std::unique_ptr<ThresholdDialog> thresholdDialog_;
  std::unique_ptr<AboutDialog> aboutDialog_;
  std::unique_ptr<SoundtrackDialog> soundtrackDialog_;
  std::unique_ptr<LookDialog> lookDialog_;
  std::unique_ptr<TimelineWindow> timeline_;
  std::unique_ptr<ShellLibraryWindow> shellLibrary_;
  std::unique_ptr<ShellThumbnails> shellThumbnails_;  // goes before the library
};

}  // namespace kirabel
