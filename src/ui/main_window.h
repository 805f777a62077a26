#pragma once
// MainWindow, the main window: the particle list grid, the menus, the tool bar and
// the progress bar. It owns the particle list, the launch list, the one-set
// clipboard, the current file name and the option values; the other windows
// are created after it at start-up and reached through viewer .. thresholdDialog.
//
// The implementation is split by concern: main_window.cpp (construction,
// menus, tool bar, popup, layout), main_window_files.cpp (file commands and
// file drop), main_window_editing.cpp (adding, changing, deleting, clipboard),
// main_window_options.cpp (options and small dialogs), main_window_launch.cpp
// (busy state and the launch), main_window_space.cpp (the space resolution).
#include <QMainWindow>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "model/list_editing.h"
#include "model/particle.h"
#include "model/pcl_file.h"
#include "simulation/random.h"
#include "ui/pcl_dialogs.h"

class QAction;
class QFrame;
class QMenu;
class QProgressBar;
class QToolButton;
class QWidget;

namespace kirabel {

class ParticleGrid;
class LaunchSettings;
class SpaceViewer;
class ParticleSetDialog;
class ResolutionDialog;
class LaunchSettingsDialog;
class AboutDialog;
class ThresholdDialog;
class SpaceBuffer;

// The application title: the first part of the caption and of error boxes.
extern const char kApplicationTitle[];  // "Kirabel"

class MainWindow : public QMainWindow, public PclLoadObserver {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // ------------------------------------------------------------ owned data
  ParticleList List;                   // the particle list, in grid order
  RandomGenerator Random;              // draws of every launch since start-up
  ParticleClipboard Clipboard;         // the one-set clipboard (set + empty flag)
  std::string fileName;                // current PCL file (UTF-8 full path) or empty
  std::unique_ptr<SpaceBuffer> Space;  // the space buffer, sized like the viewer's picture

  // ------------------------------------------------------------ options
  bool fitColumns = true;            // fit the grid's columns at every size change
  bool antiAliasing = false;         // anti-aliasing, read by the renderer per sample
  bool wrapSpace = false;            // join the space's opposite edges
  int32_t warningThreshold = 10000;  // particle count from which a launch asks first
  int32_t resolutionWidth = 512;     // space resolution [pixels]
  int32_t resolutionHeight = 512;

  // ------------------------------------------------------------ state
  bool busy = false;       // a launch may go on; cleared to stop it
  bool closing = false;    // the close query has run: the viewer may close
  bool launching = false;  // launch is running

  // ------------------------------------------------------------ other windows
  // Created after this window at start-up (not owned here); null until then.
  SpaceViewer* viewer = nullptr;                 // space viewer (owns the bitmap)
  ParticleSetDialog* setDialog = nullptr;        // particle set properties
  ResolutionDialog* resolutionDialog = nullptr;  // space resolution
  LaunchSettingsDialog* launchDialog = nullptr;  // launch settings (owns the LaunchSettings)
  AboutDialog* aboutDialog = nullptr;            // about box
  ThresholdDialog* thresholdDialog = nullptr;    // warning threshold

  // ------------------------------------------------------------ components
  QFrame* menuRule;
  QWidget* toolBar;  // the tool bar
  ParticleGrid* grid;
  QFrame* statusPanel;
  QProgressBar* progressBar;
  QMenu* gridMenu;
  // Menus and their items.
  QMenu *fileMenu, *editMenu, *launchMenu, *optionsMenu, *helpMenu;
  QAction *actionNew, *actionOpen, *actionMerge, *actionSave, *actionSaveAs, *fileSeparator1,
      *actionSaveImage, *fileSeparator2, *actionExit;
  QAction *actionCut, *actionCopy, *actionPaste;
  QAction* actionLaunch;
  QAction *actionFitColumns, *actionShowToolBar, *optionsSeparator, *actionResolution,
      *actionWarningThreshold, *actionAntiAliasing, *actionWrapSpace;
  QAction *actionHelp, *helpSeparator, *actionAbout;
  // Popup items.
  QAction *actionProperties, *gridMenuSeparator, *actionAddSet, *actionDeleteSet;
  // Tool bar buttons (the index is the component number).
  QToolButton *changeSetButton, *deleteSetButton, *addSetButton, *launchButton, *stopButton,
      *openButton, *saveButton, *saveImageButton, *cutButton, *copyButton, *pasteButton;

  // ------------------------------------------------------------ file dialogs
  // Their starting folders (InitialDir) are kept in the settings file: read
  // into both, written from openDialog.
  FileChooser openDialog = MakeOpenDialog();
  FileChooser saveDialog = MakeSaveDialog();

  // ------------------------------------------------------------ grid
  int selectedRow() const;  // selected grid row; set index = selectedRow() - 1
  int rowCount() const;
  void setRowCount(int rows);
  void repaintGrid();

  // ------------------------------------------------------------ operations
  // Current file name and caption "Kirabel -<name>-" ("名称未設定" when empty).
  void setFileName(const std::string& fullName);
  // Switches between busy and idle (launch button, stop button, viewer caption).
  void setBusy(bool busy);
  // New space buffer and viewer picture of w × h pixels. Throws
  // OutOfMemoryError when they cannot be had (the space is then left empty).
  void applyResolution(int32_t width, int32_t height);
  // Rebuilds the properties dialog's child choice list from the list.
  void rebuildChildList();
  // Loads a PCL file into the list (appending), with the window's reactions.
  bool loadFile(const std::string& path);
  // Replaces the list by a PCL file's sets (Open); a refused file keeps it.
  void openFile(const std::string& path);
  // Merges the first of the dropped files.
  void dropFiles(const QStringList& paths);
  // Launch settings held by the launch settings dialog.
  LaunchSettings& Environment();
  // The close query writes the settings through this (set at start-up).
  void setSettingsWriter(std::function<void()> writer) { settingsWriter_ = std::move(writer); }
  // Ends the program without the close query (after stopping a launch).
  void endProgram();

  // Set editing through the properties dialog.
  void AddSet();
  void EditSet(int index);
  // Removes set index with the child renumbering; asks first when another set
  // names it as child. Returns whether it was removed.
  bool DeleteSet(int index);

  // ------------------------------------------------------------ PclLoadObserver
  void NotPclFile(const std::string& path) override;
  void FileNameChanged(const std::string& fullPath) override;
  void SetsAppended(int firstIndex, int count) override;

 public slots:
  // File commands.
  void newList();
  void openList();
  void mergeList();
  void saveList();
  void saveListAs();
  void saveImage();
  void exitProgram();
  // Editing.
  void BitBtn1Click();       // add a set
  void changeSelectedSet();  // change the selected set (adds on the new-set row)
  void deleteSelectedSet();  // delete the selected set
  void cutSet();             // cut
  void copySet();            // copy
  void pasteSet();           // paste
  void Cut1Click() { cutSet(); }
  void Copy1Click() { copySet(); }
  void Paste1Click() { pasteSet(); }
  void SpeedButton3Click() { BitBtn1Click(); }
  void SpeedButton1Click() { changeSelectedSet(); }
  void SpeedButton2Click() { deleteSelectedSet(); }
  // Launch.
  void launch();
  void stopLaunch();
  // Options and small dialogs.
  void applyFitColumns();
  void applyToolBarVisibility();
  void applyAntiAliasing();
  void applyWrapSpace();
  void editResolution();
  void editWarningThreshold();
  void showHelp();
  void showAbout();
  // Grid.
  void DrawGrid1DblClick();
  void DrawGrid1Escape();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
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
  void connectGrid();
  QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption,
                       void (MainWindow::*handler)(), const QKeySequence& shortcut = {});
  QAction* addMenuSeparator(QMenu* menu, const char* name);
  QToolButton* addToolButton(const char* name, int left, const QString& hint,
                             void (MainWindow::*handler)());
  void updateBusyControls();
  bool launchTargetsReady() const;
  void runLaunch();
  void fallBackToEmptySpace();
  bool runCloseQuery();
  void finishPendingClose();

  std::function<void()> settingsWriter_;
  // Launch settings used while no launch settings dialog is attached.
  std::unique_ptr<LaunchSettings> ownEnvironment_;
  bool closeAfterLaunch_ = false;
  bool exitAfterLaunch_ = false;
};

}  // namespace kirabel
