#pragma once
// TForm1, the main window: the particle list grid, the menus, the tool bar and
// the progress bar. It owns the particle list, the launch list, the one-set
// clipboard, the current file name and the option values; the other windows
// are created after it at start-up and reached through Form2 .. Form7.
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

class TDrawGrid;
class TEnvironment;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TSpace;

// The application title: the first part of the caption and of error boxes.
extern const char kApplicationTitle[];  // "Kirabel"

class TForm1 : public QMainWindow, public PclLoadObserver {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // ------------------------------------------------------------ owned data
  ParticleList List;              // the particle list, in grid order
  RandomGenerator Random;         // draws of every launch since start-up
  ParticleClipboard Clipboard;    // the one-set clipboard (set + empty flag)
  std::string FileName;           // current PCL file (UTF-8 full path) or empty
  std::unique_ptr<TSpace> Space;  // the space buffer, sized like the viewer's picture

  // ------------------------------------------------------------ options
  bool ColSizing = true;      // fit the grid's columns at every size change
  bool AntiA = false;         // anti-aliasing, read by the renderer per sample
  bool LoopSpace = false;     // join the space's opposite edges
  int32_t TooMany = 10000;    // particle count from which a launch asks first
  int32_t ResolutionX = 512;  // space resolution [pixels]
  int32_t ResolutionY = 512;

  // ------------------------------------------------------------ state
  bool Busy = false;       // a launch may go on; cleared to stop it
  bool Closing = false;    // the close query has run: the viewer may close
  bool Launching = false;  // BitBtn2Click is running

  // ------------------------------------------------------------ other windows
  // Created after this window at start-up (not owned here); null until then.
  TForm2* Form2 = nullptr;  // space viewer (owns the bitmap)
  TForm3* Form3 = nullptr;  // particle set properties
  TForm4* Form4 = nullptr;  // space resolution
  TForm5* Form5 = nullptr;  // launch settings (owns the TEnvironment)
  TForm6* Form6 = nullptr;  // about box
  TForm7* Form7 = nullptr;  // warning threshold

  // ------------------------------------------------------------ components
  QFrame* Bevel1;
  QWidget* Panel1;  // the tool bar
  TDrawGrid* DrawGrid1;
  QFrame* Panel2;
  QProgressBar* ProgressBar1;
  QMenu* PopupMenu1;
  // Menus and their items.
  QMenu *K1, *Edit1, *K4, *KO1, *KH1;
  QAction *KN2, *KR1, *KM1, *KA1, *KS1, *N1, *KI1, *N2, *Exit1;
  QAction *Cut1, *Copy1, *Paste1;
  QAction* KL1;
  QAction *K2, *K3, *N3, *K6, *KW1, *K5, *KL2;
  QAction *K10, *N5, *KA2;
  // Popup items.
  QAction *K7, *N4, *K8, *K9;
  // Tool bar buttons (the index is the component number).
  QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5,
      *SpeedButton6, *SpeedButton7, *SpeedButton8, *SpeedButton9, *SpeedButton10, *SpeedButton11;

  // ------------------------------------------------------------ file dialogs
  // Their starting folders (InitialDir) are kept in the settings file: read
  // into both, written from OpenDialog1.
  TFileDialog OpenDialog1 = MakeOpenDialog();
  TFileDialog SaveDialog1 = MakeSaveDialog();

  // ------------------------------------------------------------ grid
  int Row() const;  // selected grid row; set index = Row() - 1
  int RowCount() const;
  void SetRowCount(int rows);
  void RepaintGrid();

  // ------------------------------------------------------------ operations
  // Current file name and caption "Kirabel -<name>-" ("名称未設定" when empty).
  void SetFileName(const std::string& fullName);
  // Switches between busy and idle (launch button, stop button, viewer caption).
  void SetBusy(bool busy);
  // New space buffer and viewer picture of w × h pixels. Throws
  // OutOfMemoryError when they cannot be had (the space is then left empty).
  void ApplyResolution(int32_t width, int32_t height);
  // Rebuilds the properties dialog's child choice list from the list.
  void RebuildChildList();
  // Loads a PCL file into the list (appending), with the window's reactions.
  bool LoadFile(const std::string& path);
  // Replaces the list by a PCL file's sets (Open); a refused file keeps it.
  void OpenFile(const std::string& path);
  // Merges the first of the dropped files.
  void DropFiles(const QStringList& paths);
  // Launch settings held by the launch settings dialog.
  TEnvironment& Environment();
  // The close query writes the settings through this (set at start-up).
  void SetSettingsWriter(std::function<void()> writer) { settingsWriter_ = std::move(writer); }
  // Ends the program without the close query (after stopping a launch).
  void EndProgram();

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
  void KN2Click();
  void KR1Click();
  void KM1Click();
  void KA1Click();
  void KS1Click();
  void KI1Click();
  void Exit1Click();
  // Editing.
  void BitBtn1Click();        // add a set
  void BitBtn4Click();        // change the selected set (adds on the new-set row)
  void BitBtn3Click();        // delete the selected set
  void SpeedButton9Click();   // cut
  void SpeedButton10Click();  // copy
  void SpeedButton11Click();  // paste
  void Cut1Click() { SpeedButton9Click(); }
  void Copy1Click() { SpeedButton10Click(); }
  void Paste1Click() { SpeedButton11Click(); }
  void SpeedButton3Click() { BitBtn1Click(); }
  void SpeedButton1Click() { BitBtn4Click(); }
  void SpeedButton2Click() { BitBtn3Click(); }
  // Launch.
  void BitBtn2Click();
  void SpeedButton5Click();
  // Options and small dialogs.
  void K2Click();
  void K3Click();
  void K5Click();
  void KL2Click();
  void K6Click();
  void KW1Click();
  void K10Click();
  void KA2Click();
  // Grid.
  void DrawGrid1DblClick();
  void DrawGrid1Escape();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateMenus();
  void CreateFileMenu();
  void CreateEditMenu();
  void CreateLaunchMenu();
  void CreateOptionMenu();
  void CreateHelpMenu();
  void CreatePopupMenu();
  void CreateToolBar();
  void CreateStatusPanel();
  void CreateLayout();
  void ConnectGrid();
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption, void (TForm1::*handler)(),
                   const QKeySequence& shortcut = {});
  QAction* AddSeparator(QMenu* menu, const char* name);
  QToolButton* AddToolButton(const char* name, int left, const QString& hint,
                             void (TForm1::*handler)());
  void UpdateBusyControls();
  bool LaunchTargetsReady() const;
  void RunLaunchInWindow();
  void FallBackToEmptySpace();
  bool RunCloseQuery();
  void FinishPendingClose();

  std::function<void()> settingsWriter_;
  // Launch settings used while no launch settings dialog is attached.
  std::unique_ptr<TEnvironment> ownEnvironment_;
  bool closeAfterLaunch_ = false;
  bool exitAfterLaunch_ = false;
};

}  // namespace kirabel
