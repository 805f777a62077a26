// Start-up and shut-down: defaults without a settings file, settings applied
// from the file, the colour-depth question, the command-line file, and the
// close query that writes the settings while Exit does not.
#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>
#include <filesystem>

#include "image/dibs.h"
#include "model/pcl_file.h"
#include "simulation/space.h"
#include "ui/launch_settings_dialog.h"
#include "ui/properties_dialog.h"
#include "ui/started_app_fixture.h"

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
    SaveListToFile(path, list, TEnvironment());
    return path;
  }
};

TEST_F(KirabelApplicationTest, FirstStartWithoutSettingsFileUsesTheDefaults) {
  Start();
  TForm1& main = Form1();
  EXPECT_EQ(main.pos(), QPoint(10, 10));
  EXPECT_EQ(main.size(), QSize(526, 292));
  EXPECT_EQ(Form2().pos(), QPoint(20, 20));
  EXPECT_EQ(main.Form3->pos(), QPoint(30, 30));
  EXPECT_EQ(main.Form5->pos(), QPoint(50, 50));
  ASSERT_TRUE(main.Space);
  EXPECT_EQ(main.Space->Width(), 512);
  EXPECT_EQ(main.Space->Height(), 512);
  EXPECT_EQ(Form2().Bitmap().Width(), 512);
  EXPECT_EQ(Form2().Bitmap().Height(), 512);
  EXPECT_TRUE(main.K3->isChecked());
  EXPECT_FALSE(main.Panel1->isHidden());
  EXPECT_TRUE(main.ColSizing);
  EXPECT_TRUE(main.K2->isChecked());
  EXPECT_FALSE(main.AntiA);
  EXPECT_FALSE(main.LoopSpace);
  EXPECT_EQ(main.TooMany, 10000);
  EXPECT_FALSE(main.Busy);
  EXPECT_FALSE(main.SpeedButton5->isEnabled());
  EXPECT_EQ(main.windowTitle(), QStringLiteral("Kirabel -名称未設定-"));
  EXPECT_TRUE(Form2().isVisible());
  EXPECT_EQ(main.RowCount(), 2);
  EXPECT_TRUE(MessageBox::Shown().empty());
  EXPECT_FALSE(app_->EndRequested());
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

TEST_F(KirabelApplicationTest, StoredSettingsAreApplied) {
  Settings stored;
  stored.Form1Left = 40;
  stored.Form1Top = 60;
  stored.Form1Width = 600;
  stored.Form1Height = 320;
  stored.Form2Left = 700;
  stored.DispToolBar = false;
  stored.ColSizing = false;
  stored.AntiA = true;
  stored.LoopSpace = true;
  stored.TooMany = 5000;
  stored.InitialDir = "/tmp/花火";
  stored.X = 64;
  stored.Y = 32;
  SaveSettingsFile(SettingsPath(), stored);
  Start();
  TForm1& main = Form1();
  EXPECT_EQ(main.geometry().size(), QSize(600, 320));
  EXPECT_EQ(main.pos(), QPoint(40, 60));
  EXPECT_EQ(Form2().pos(), QPoint(700, 20));
  EXPECT_TRUE(main.Panel1->isHidden());
  EXPECT_FALSE(main.K3->isChecked());
  EXPECT_FALSE(main.ColSizing);
  EXPECT_TRUE(main.AntiA);
  EXPECT_TRUE(main.K5->isChecked());
  EXPECT_TRUE(main.LoopSpace);
  EXPECT_TRUE(main.KL2->isChecked());
  EXPECT_EQ(main.TooMany, 5000);
  EXPECT_EQ(main.OpenDialog1.InitialDir, QStringLiteral("/tmp/花火"));
  EXPECT_EQ(main.SaveDialog1.InitialDir, QStringLiteral("/tmp/花火"));
  EXPECT_EQ(main.Space->Width(), 64);
  EXPECT_EQ(Form2().Bitmap().Height(), 32);
  // Written back unchanged by the close query.
  const Settings current = app_->CurrentSettings();
  EXPECT_EQ(current.TooMany, 5000);
  EXPECT_EQ(current.InitialDir, stored.InitialDir);
  EXPECT_FALSE(current.DispToolBar);
  EXPECT_EQ(current.X, 64);
}

// Places left on a monitor that is gone: every window comes back onto the
// screen, top-left corner first.
TEST_F(KirabelApplicationTest, WindowsStoredOffEveryScreenOpenOnTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  Settings stored;
  stored.Form1Left = area.right() + 800;
  stored.Form2Top = -3000;
  stored.Form3Left = -5000;
  stored.Form5Left = 2000000000;
  stored.Form5Top = 2000000000;
  SaveSettingsFile(SettingsPath(), stored);
  Start();
  for (QWidget* window :
       {static_cast<QWidget*>(&Form1()), static_cast<QWidget*>(&Form2()),
        static_cast<QWidget*>(Form1().Form3), static_cast<QWidget*>(Form1().Form5)})
    EXPECT_TRUE(area.contains(window->pos())) << window->objectName().toStdString();
  EXPECT_EQ(Form1().y(), stored.Form1Top);  // moved across only
}

TEST_F(KirabelApplicationTest, AbsurdStoredResolutionStartsWithAnErrorInsteadOfFailing) {
  Settings stored;
  stored.X = 2000000000;
  stored.Y = 2000000000;
  SaveSettingsFile(SettingsPath(), stored);
  Start();
  ASSERT_TRUE(Form1().Space);
  EXPECT_EQ(Form1().Space->Width(), Form2().Bitmap().Width());
  EXPECT_EQ(Form1().Space->Height(), Form2().Bitmap().Height());
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].kind, MsgKind::Error);
}

TEST_F(KirabelApplicationTest, LowColourDepthAsksBeforeStarting) {
  MessageBox::setNextAnswer(MsgAnswer::No);
  Start({QStringLiteral("kirabel")}, 8);
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].title, QStringLiteral("確認"));
  EXPECT_EQ(MessageBox::Shown()[0].text, QString::fromUtf8(kColourDepthQuestion));
  EXPECT_EQ(MessageBox::BeepCount(), 1);
  EXPECT_TRUE(app_->EndRequested());

  MessageBox::ClearRecord();
  EXPECT_TRUE(ConfirmColourDepth(9, nullptr));
  EXPECT_TRUE(ConfirmColourDepth(32, nullptr));
  EXPECT_TRUE(MessageBox::Shown().empty());
}

TEST_F(KirabelApplicationTest, FirstArgumentLoadsAPclFileFromTheCurrentFolder) {
  WritePcl("list.pcl", 3);
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(scratch_.path().string()));
  Start({QStringLiteral("kirabel"), QStringLiteral("list.pcl"), QStringLiteral("ignored.pcl")});
  QDir::setCurrent(before);
  EXPECT_EQ(Form1().windowTitle(), QStringLiteral("Kirabel -list.pcl-"));
  EXPECT_EQ(Form1().List.size(), 3u);
  EXPECT_EQ(Form1().RowCount(), 5);
  EXPECT_EQ(Form1().FileName, scratch_.File("list.pcl"));
  EXPECT_EQ(CommandLineFile({QStringLiteral("kirabel")}), "");
  EXPECT_EQ(CommandLineFile({QStringLiteral("kirabel"), QStringLiteral("/a/b.pcl")}), "/a/b.pcl");
}

TEST_F(KirabelApplicationTest, ForeignFileOnTheCommandLineWarnsAndStartsEmpty) {
  const std::string path = scratch_.File("notes.txt");
  WriteBytes(path, "hello\n");
  Start({QStringLiteral("kirabel"), QString::fromStdString(path)});
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].title, QStringLiteral("警告"));
  EXPECT_TRUE(Form1().List.empty());
  EXPECT_EQ(Form1().windowTitle(), QStringLiteral("Kirabel -名称未設定-"));
}

TEST_F(KirabelApplicationTest, ClosingWritesTheSettingsAndLetsTheViewerGo) {
  Start();
  Form1().show();
  EXPECT_FALSE(Form2().close());  // the viewer does not close on its own
  EXPECT_TRUE(Form2().isVisible());
  Form1().TooMany = 1234;
  Form1().K5->trigger();
  EXPECT_TRUE(Form1().close());
  EXPECT_TRUE(Form1().Closing);
  EXPECT_FALSE(Form2().isVisible());
  const Settings written = LoadSettingsFile(SettingsPath());
  EXPECT_EQ(written.TooMany, 1234);
  EXPECT_TRUE(written.AntiA);
  EXPECT_EQ(written.Form2Left, 20);
  EXPECT_EQ(written.X, 512);
}

TEST_F(KirabelApplicationTest, ExitEndsWithoutWritingTheSettings) {
  Start();
  Form1().show();
  Form1().Exit1->trigger();
  EXPECT_FALSE(Form1().Closing);
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

TEST_F(KirabelApplicationTest, UnwritableSettingsKeepTheWindowOpen) {
  WriteBytes(scratch_.File("file"), "x");
  app_ = std::make_unique<KirabelApplication>(scratch_.File("file/Kirabel.INI"));
  app_->CreateWindows();
  app_->ReadSettings({QStringLiteral("kirabel")}, 24);
  Form1().show();
  EXPECT_FALSE(Form1().close());
  EXPECT_TRUE(Form1().isVisible());
  EXPECT_FALSE(Form1().Closing);
  EXPECT_TRUE(Form2().isVisible());
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].title, QStringLiteral("Kirabel"));
  EXPECT_TRUE(MessageBox::Shown()[0].text.endsWith(QStringLiteral("に書き込めません.")));
}

}  // namespace
}  // namespace kirabel::testing
