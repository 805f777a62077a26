// Start-up and shut-down: defaults without a settings file, settings applied
// from the file, the colour-depth question, the command-line file, and the
// close query that writes the settings while Exit does not.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "image/picture.h"
#include "model/pcl_file.h"
#include "simulation/space_buffer.h"
#include "ui/dialogs/launch_settings_dialog.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/main_window/recent_files_menu.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/timeline/timeline_window.h"
#include "ui/widgets/particle_grid.h"
#include "ui_support/child_widget.h"
#include "ui_support/document_edits.h"
#include "ui_support/started_app_fixture.h"

namespace kirabel::testing {
namespace {

class KirabelApplicationTest : public StartedAppFixture {
 protected:
  // A PCL file with `count` sets in the scratch folder.
  std::string WritePcl(const std::string& name, int count) {
    ParticleList list(count);
    for (int i = 0; i < count; ++i) {
      list[i].name = "set " + std::to_string(i);
      list[i].child = -1;
    }
    const std::string path = scratch_.File(name);
    SaveListToFile(path, list, LaunchSettings());
    return path;
  }
};

TEST_F(KirabelApplicationTest, FirstStartWithoutSettingsFileUsesTheDefaults) {
  Start();
  MainWindow& main = mainWindow();
  EXPECT_EQ(main.pos(), QPoint(10, 10));
  EXPECT_EQ(main.size(), QSize(526, 292));
  // The viewer beside the main window (as far right as the screen allows),
  // showing the preview.
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const int besideMain = main.frameGeometry().right() + 1 + 10;
  EXPECT_EQ(viewer().pos(),
            QPoint(std::min(besideMain, area.right() + 1 - viewer().frameGeometry().width()), 10));
  EXPECT_TRUE(main.document().options().preview);
  EXPECT_TRUE(testing::Child<QAction>(main, "actionPreview")->isChecked());
  EXPECT_TRUE(main.preview()->bar().isVisibleTo(&viewer()));
  EXPECT_FALSE(main.preview()->bar().playing());  // nothing to play
  EXPECT_EQ(main.dialogPlaces().setDialog, QPoint(30, 30));
  EXPECT_EQ(main.dialogPlaces().launchDialog, QPoint(50, 50));
  ASSERT_TRUE(access().launchSession().space());
  EXPECT_EQ(access().launchSession().space()->Width(), 512);
  EXPECT_EQ(access().launchSession().space()->Height(), 512);
  EXPECT_EQ(viewer().picture().Width(), 512);
  EXPECT_EQ(viewer().picture().Height(), 512);
  EXPECT_TRUE(testing::Child<QAction>(main, "actionShowToolBar")->isChecked());
  EXPECT_FALSE(testing::Child<QToolBar>(main, "toolBar")->isHidden());
  EXPECT_TRUE(main.document().options().fitColumns);
  EXPECT_TRUE(testing::Child<QAction>(main, "actionFitColumns")->isChecked());
  EXPECT_FALSE(main.document().options().antiAliasing);
  EXPECT_FALSE(main.document().options().wrapSpace);
  EXPECT_EQ(main.document().options().warningThreshold, 10000);
  EXPECT_FALSE(access().launchSession().busy());
  EXPECT_FALSE(testing::Child<QToolButton>(main, "stopButton")->isEnabled());
  EXPECT_EQ(main.windowTitle(), QStringLiteral("Kirabel -名称未設定-"));
  EXPECT_TRUE(viewer().isVisible());
  EXPECT_EQ(testing::Child<ParticleGrid>(main, "grid")->rowCount(), 2);
  EXPECT_TRUE(MessageBox::shown().empty());
  EXPECT_FALSE(app_->endRequested());
  EXPECT_FALSE(std::filesystem::exists(settingsPath()));
}

// Only a missing file makes a first start: an empty one keeps the places
// and options as they always were.
TEST_F(KirabelApplicationTest, AnEmptySettingsFileStartsWithTheHistoricPlacesAndNoPreview) {
  WriteBytes(settingsPath(), "");
  Start();
  EXPECT_EQ(viewer().pos(), QPoint(20, 20));
  EXPECT_FALSE(mainWindow().document().options().preview);
  EXPECT_FALSE(mainWindow().preview()->bar().isVisibleTo(&viewer()));
}

TEST_F(KirabelApplicationTest, StoredSettingsAreApplied) {
  Settings stored;
  stored.mainWindowLeft = 40;
  stored.mainWindowTop = 60;
  stored.mainWindowWidth = 600;
  stored.mainWindowHeight = 320;
  stored.viewerLeft = 700;
  stored.timelineLeft = 300;
  stored.timelineTop = 400;
  stored.timelineWidth = 700;
  stored.timelineHeight = 250;
  stored.libraryLeft = 330;
  stored.libraryTop = 90;
  stored.libraryWidth = 450;
  stored.libraryHeight = 360;
  stored.interfaceOptions.showToolBar = false;
  stored.options.fitColumns = false;
  stored.options.antiAliasing = true;
  stored.options.wrapSpace = true;
  stored.options.warningThreshold = 5000;
  stored.startFolder = "/tmp/花火";
  stored.options.resolutionWidth = 64;
  stored.options.resolutionHeight = 32;
  stored.interfaceOptions.language = LanguageChoice::kJapanese;
  SaveSettingsFile(settingsPath(), stored);
  Start();
  MainWindow& main = mainWindow();
  EXPECT_EQ(main.geometry().size(), QSize(600, 320));
  EXPECT_EQ(main.pos(), QPoint(40, 60));
  EXPECT_EQ(viewer().pos(), QPoint(700, 20));
  EXPECT_EQ(main.timeline().geometry().size(), QSize(700, 250));
  EXPECT_EQ(main.timeline().pos(), QPoint(300, 400));
  EXPECT_TRUE(testing::Child<QToolBar>(main, "toolBar")->isHidden());
  EXPECT_FALSE(testing::Child<QAction>(main, "actionShowToolBar")->isChecked());
  EXPECT_FALSE(main.document().options().fitColumns);
  EXPECT_TRUE(main.document().options().antiAliasing);
  EXPECT_TRUE(testing::Child<QAction>(main, "actionAntiAliasing")->isChecked());
  EXPECT_TRUE(main.document().options().wrapSpace);
  EXPECT_TRUE(testing::Child<QAction>(main, "actionWrapSpace")->isChecked());
  EXPECT_EQ(main.document().options().warningThreshold, 5000);
  EXPECT_EQ(main.startFolder(), QStringLiteral("/tmp/花火"));
  EXPECT_EQ(access().launchSession().space()->Width(), 64);
  EXPECT_EQ(viewer().picture().Height(), 32);
  // Written back unchanged by the close query.
  const Settings current = app_->currentSettings();
  EXPECT_EQ(current.options.warningThreshold, 5000);
  EXPECT_EQ(current.startFolder, stored.startFolder);
  EXPECT_EQ(QRect(current.timelineLeft, current.timelineTop, current.timelineWidth,
                  current.timelineHeight),
            QRect(300, 400, 700, 250));
  EXPECT_EQ(
      QRect(current.libraryLeft, current.libraryTop, current.libraryWidth, current.libraryHeight),
      QRect(330, 90, 450, 360));
  EXPECT_FALSE(current.interfaceOptions.showToolBar);
  EXPECT_EQ(current.options.resolutionWidth, 64);
  EXPECT_EQ(current.interfaceOptions.language, LanguageChoice::kJapanese);
  EXPECT_TRUE(main.findChild<QAction*>(QStringLiteral("actionLanguageJapanese"))->isChecked());
}

// Places left on a monitor that is gone: every window comes back onto the
// screen, top-left corner first; a dialog when it is first opened (one never
// opened keeps its stored place).
TEST_F(KirabelApplicationTest, WindowsStoredOffEveryScreenOpenOnTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  Settings stored;
  stored.mainWindowLeft = area.right() + 800;
  stored.viewerTop = -3000;
  stored.setDialogLeft = -5000;
  stored.launchDialogLeft = 2000000000;
  stored.launchDialogTop = 2000000000;
  SaveSettingsFile(settingsPath(), stored);
  Start({QStringLiteral("kirabel"), QString::fromStdString(WritePcl("list.pcl", 1))});
  for (QWidget* window : {static_cast<QWidget*>(&mainWindow()), static_cast<QWidget*>(&viewer())})
    EXPECT_TRUE(area.contains(window->pos())) << window->objectName().toStdString();
  EXPECT_EQ(mainWindow().y(), stored.mainWindowTop);  // moved across only
  Settings unopened = app_->currentSettings();
  EXPECT_EQ(QPoint(unopened.setDialogLeft, unopened.setDialogTop), QPoint(-5000, 30));
  EXPECT_EQ(QPoint(unopened.launchDialogLeft, unopened.launchDialogTop),
            QPoint(2000000000, 2000000000));

  std::vector<QPoint> opened;
  for (int i = 0; i < 2; ++i)
    ModalRunner::setNextHandler([&](QDialog& dialog) { opened.push_back(dialog.pos()); });
  access().editSet(0);
  access().launch();
  ASSERT_EQ(opened.size(), 2u);
  for (QPoint place : opened) EXPECT_TRUE(area.contains(place)) << place.x() << "," << place.y();
  const Settings current = app_->currentSettings();
  EXPECT_EQ(QPoint(current.setDialogLeft, current.setDialogTop), opened[0]);
  EXPECT_EQ(QPoint(current.launchDialogLeft, current.launchDialogTop), opened[1]);
}

TEST_F(KirabelApplicationTest, DialogsAreMadeWhenFirstOpenedAndKept) {
  Start();
  const auto dialogCount = [] {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
      count += qobject_cast<QDialog*>(window) != nullptr;
    return count;
  };
  EXPECT_EQ(dialogCount(), 0);
  std::vector<QDialog*> shown;
  for (int i = 0; i < 2; ++i)
    ModalRunner::setNextHandler([&](QDialog& dialog) { shown.push_back(&dialog); });
  access().showAbout();
  access().showAbout();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], shown[1]);
  EXPECT_EQ(dialogCount(), 1);
}

TEST_F(KirabelApplicationTest, AbsurdStoredResolutionStartsWithAnErrorInsteadOfFailing) {
  Settings stored;
  stored.options.resolutionWidth = 2000000000;
  stored.options.resolutionHeight = 2000000000;
  SaveSettingsFile(settingsPath(), stored);
  Start();
  ASSERT_TRUE(access().launchSession().space());
  EXPECT_EQ(access().launchSession().space()->Width(), viewer().picture().Width());
  EXPECT_EQ(access().launchSession().space()->Height(), viewer().picture().Height());
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].kind, MsgKind::Error);
}

TEST_F(KirabelApplicationTest, LowColourDepthAsksBeforeStarting) {
  MessageBox::setNextAnswer(MsgAnswer::No);
  Start({QStringLiteral("kirabel")}, 8);
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].title, QStringLiteral("確認"));
  EXPECT_EQ(MessageBox::shown()[0].text, QString::fromUtf8(kColourDepthQuestion));
  EXPECT_EQ(MessageBox::beepCount(), 1);
  EXPECT_TRUE(app_->endRequested());

  MessageBox::clearRecord();
  EXPECT_TRUE(ConfirmColourDepth(9, nullptr));
  EXPECT_TRUE(ConfirmColourDepth(32, nullptr));
  EXPECT_TRUE(MessageBox::shown().empty());
}

TEST_F(KirabelApplicationTest, FirstArgumentLoadsAPclFileFromTheCurrentFolder) {
  WritePcl("list.pcl", 3);
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(scratch_.path().string()));
  Start({QStringLiteral("kirabel"), QStringLiteral("list.pcl"), QStringLiteral("ignored.pcl")});
  QDir::setCurrent(before);
  EXPECT_EQ(mainWindow().windowTitle(), QStringLiteral("Kirabel -list.pcl-"));
  EXPECT_EQ(mainWindow().document().sets().size(), 3u);
  EXPECT_EQ(testing::Child<ParticleGrid>(mainWindow(), "grid")->rowCount(), 5);
  EXPECT_EQ(mainWindow().document().fileName(), scratch_.File("list.pcl"));
  EXPECT_TRUE(mainWindow().preview()->bar().playing());  // a first start plays the list
  EXPECT_EQ(CommandLineFile({QStringLiteral("kirabel")}), "");
  EXPECT_EQ(CommandLineFile({QStringLiteral("kirabel"), QStringLiteral("/a/b.pcl")}), "/a/b.pcl");
}

TEST_F(KirabelApplicationTest, ForeignFileOnTheCommandLineWarnsAndStartsEmpty) {
  const std::string path = scratch_.File("notes.txt");
  WriteBytes(path, "hello\n");
  Start({QStringLiteral("kirabel"), QString::fromStdString(path)});
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].title, QStringLiteral("警告"));
  EXPECT_TRUE(mainWindow().document().sets().empty());
  EXPECT_EQ(mainWindow().windowTitle(), QStringLiteral("Kirabel -名称未設定-"));
}

TEST_F(KirabelApplicationTest, ClosingWritesTheSettingsAndLetsTheViewerGo) {
  Start();
  mainWindow().show();
  EXPECT_FALSE(viewer().close());  // the viewer does not close on its own
  EXPECT_TRUE(viewer().isVisible());
  testing::ChangeOptions(mainWindow().document(), [&](Options& o) { o.warningThreshold = 1234; });
  testing::Child<QAction>(mainWindow(), "actionAntiAliasing")->trigger();
  // A new language is kept for the next start, which the user is told.
  mainWindow().findChild<QAction*>(QStringLiteral("actionLanguageEnglish"))->trigger();
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].text,
            QStringLiteral("言語の変更は次回の起動から有効になります。"));
  testing::Child<QAction>(mainWindow(), "actionShellLibrary")->trigger();
  QWidget* library = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == QLatin1String("shellLibraryWindow")) library = window;
  ASSERT_TRUE(library && library->isVisible());
  EXPECT_TRUE(mainWindow().close());
  EXPECT_TRUE(access().isClosing());
  EXPECT_FALSE(viewer().isVisible());
  EXPECT_FALSE(library->isVisible());  // no window outlives the program
  const Settings written = LoadSettingsFile(settingsPath());
  EXPECT_EQ(written.options.warningThreshold, 1234);
  EXPECT_TRUE(written.options.antiAliasing);
  EXPECT_EQ(written.interfaceOptions.language, LanguageChoice::kEnglish);
  EXPECT_EQ(written.viewerLeft, viewer().x());
  EXPECT_TRUE(written.options.preview);
  EXPECT_EQ(written.options.resolutionWidth, 512);
}

TEST_F(KirabelApplicationTest, ExitEndsWithoutWritingTheSettings) {
  Start();
  mainWindow().show();
  testing::Child<QAction>(mainWindow(), "actionExit")->trigger();
  EXPECT_FALSE(access().isClosing());
  EXPECT_FALSE(std::filesystem::exists(settingsPath()));
}

TEST_F(KirabelApplicationTest, RecentFilesSurviveExitAndAMovedFileIsTakenOut) {
  const std::string a = WritePcl("a.pcl", 1), b = WritePcl("b.pcl", 2);
  Start();
  access().openFile(a);
  access().openFile(b);
  testing::Child<QAction>(mainWindow(), "actionExit")->trigger();  // Exit writes no other settings
  app_.reset();

  Start();
  RecentFilesMenu& menu = *testing::Child<RecentFilesMenu>(mainWindow(), "recentFilesMenu");
  EXPECT_EQ(menu.files(), (std::vector<std::string>{b, a}));
  std::filesystem::rename(a, scratch_.File("moved.pcl"));
  menu.actions().at(1)->trigger();
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_TRUE(MessageBox::shown()[0].text.contains(QString::fromStdString(a)));
  EXPECT_TRUE(mainWindow().document().sets().empty());
  menu.actions().at(0)->trigger();
  EXPECT_EQ(mainWindow().document().sets().size(), 2u);
  EXPECT_EQ(LoadSettingsFile(settingsPath()).recentFiles, std::vector<std::string>{b});
}

TEST_F(KirabelApplicationTest, UnwritableSettingsKeepTheWindowOpen) {
  WriteBytes(scratch_.File("file"), "x");
  app_ = std::make_unique<KirabelApplication>(scratch_.File("file/Kirabel.INI"));
  app_->createWindows();
  app_->readSettings({QStringLiteral("kirabel")}, 24);
  mainWindow().show();
  EXPECT_FALSE(mainWindow().close());
  EXPECT_TRUE(mainWindow().isVisible());
  EXPECT_FALSE(access().isClosing());
  EXPECT_TRUE(viewer().isVisible());
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].title, QStringLiteral("Kirabel"));
  EXPECT_TRUE(MessageBox::shown()[0].text.endsWith(QStringLiteral("に書き込めません.")));
}

}  // namespace
}  // namespace kirabel::testing
