// The main window's file commands with the real PCL reader and writer: new,
// open, merge, overwrite save, save as, save image and file drop, with their
// questions, captions and the dialogs' starting folders.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QToolButton>
#include <filesystem>

#include "image/picture.h"
#include "model/launch_settings.h"
#include "model/pcl_file.h"
#include "support/particle_sets.h"
#include "support/scratch_folder.h"
#include "ui/widgets/numeric_field.h"
#include "ui_support/child_widget.h"
#include "ui_support/document_edits.h"
#include "ui_support/main_window_fixture.h"

namespace kirabel {
namespace {

using Strings = std::vector<std::string>;

class FileCommandsTest : public testing::MainWindowFixture {
 protected:
  QString file(const std::string& name) const {
    return QString::fromStdString(scratch_.File(name));
  }
  QString folder() const { return QString::fromStdString(scratch_.path().string()); }
  const FileDialogRequest& lastRequest() const { return FileDialogService::requests().back(); }
  // Saves the list under `name` through Save as.
  void saveAs(const std::string& name) {
    FileDialogService::setNextFileName(file(name));
    testing::Child<QToolButton>(window_, "saveButton")->click();
  }
  // The save chooser's starting folder, as a cancelled Save as shows it.
  QString saveFolder() {
    FileDialogService::setNextFileName(std::nullopt);
    testing::Child<QAction>(window_, "actionSaveAs")->trigger();
    return lastRequest().startFolder;
  }
  void open(const std::string& name) {
    FileDialogService::setNextFileName(file(name));
    testing::Child<QToolButton>(window_, "openButton")->click();
  }
  // Two sets, the second naming the first as child, with distinct values.
  void buildPair() {
    answerDialog([](ParticleSetDialog& dialog) {
      testing::Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("一番"));
      testing::Child<NumericField>(dialog, "directionEdit")->setValue(30);
      testing::Child<NumericField>(dialog, "birthTimeEdit")->setValue(-2.5L);
      testing::Child<QComboBox>(dialog, "speedDistributionCombo")->setCurrentIndex(1);
    });
    testing::Child<QToolButton>(window_, "addSetButton")->click();
    answerDialog([](ParticleSetDialog& dialog) {
      testing::Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("second"));
      testing::Child<QComboBox>(dialog, "childSetCombo")->setCurrentIndex(1);
      testing::Child<NumericField>(dialog, "countEdit")->setValue(12);
      testing::Child<QComboBox>(dialog, "lifetimeDistributionCombo")->setCurrentIndex(2);
    });
    testing::Child<QToolButton>(window_, "addSetButton")->click();
  }

  testing::ScratchFolder scratch_;
};

TEST_F(FileCommandsTest, NewAsksOnlyWhenThereIsSomethingToDiscard) {
  const QString untitled = QStringLiteral("Kirabel -名称未設定-");
  EXPECT_EQ(window_.windowTitle(), untitled);
  testing::Child<QAction>(window_, "actionNew")->trigger();
  EXPECT_TRUE(MessageBox::shown().empty());

  buildPair();
  saveAs("pair");
  const QString titled = QStringLiteral("Kirabel -pair.PCL-");
  ASSERT_EQ(window_.windowTitle(), titled);

  MessageBox::setNextAnswer(MsgAnswer::No);
  testing::Child<QAction>(window_, "actionNew")->trigger();
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].text, QStringLiteral("現在のデータを破棄していいですか"));
  EXPECT_EQ(window_.document().sets().size(), 2u);
  EXPECT_EQ(window_.windowTitle(), titled);
  expectInStep();

  MessageBox::setNextAnswer(MsgAnswer::Yes);
  testing::Child<QAction>(window_, "actionNew")->trigger();
  EXPECT_TRUE(window_.document().sets().empty());
  EXPECT_EQ(window_.windowTitle(), untitled);
  EXPECT_TRUE(window_.document().fileName().empty());
  expectInStep();
}

TEST_F(FileCommandsTest, ListBuiltInTheDialogSurvivesSaveAndOpen) {
  buildPair();
  testing::ChangeLaunchSettings(window_.document(), [&](LaunchSettings& s) { s.gravity = 1.25L; });
  const std::vector<ParticleSet> built = window_.document().sets();
  saveAs("pair");

  const FileDialogRequest& request = lastRequest();
  EXPECT_TRUE(request.save);
  EXPECT_TRUE(request.confirmOverwrite);
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(request.defaultExt, QStringLiteral("PCL"));
  EXPECT_EQ(request.nameFilters.size(), 3);
  ASSERT_TRUE(std::filesystem::exists(scratch_.File("pair.PCL")));
  EXPECT_EQ(window_.startFolder(), folder());
  EXPECT_EQ(saveFolder(), folder());

  // Open of a changed list asks to save it first; "no" goes on without.
  addSet(QStringLiteral("extra"));
  testing::ChangeLaunchSettings(window_.document(), [&](LaunchSettings& s) { s.gravity = 0; });
  open("pair.PCL");
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].text, QStringLiteral("変更を保存しますか？"));
  EXPECT_EQ(MessageBox::shown()[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(lastRequest().startFolder, folder());
  EXPECT_FALSE(lastRequest().save);
  ASSERT_EQ(window_.document().sets().size(), built.size());
  for (std::size_t i = 0; i < built.size(); ++i) {
    const ParticleSet& a = built[i];
    const ParticleSet& b = window_.document().sets()[i];
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.count, b.count);
    EXPECT_EQ(a.child, b.child);
    EXPECT_EQ(a.speedDistribution, b.speedDistribution);
    EXPECT_EQ(a.lifetimeDistribution, b.lifetimeDistribution);
    EXPECT_EQ(a.birthTime, b.birthTime);
    EXPECT_EQ(a.visible, b.visible);
    EXPECT_NEAR(static_cast<double>(a.direction), static_cast<double>(b.direction), 1e-14);
    EXPECT_NEAR(static_cast<double>(a.directionSpread), static_cast<double>(b.directionSpread),
                1e-14);
  }
  EXPECT_EQ(window_.document().launchSettings().gravity, 1.25L);
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Kirabel -pair.PCL-"));
  expectInStep();
}

// The show's settings belong to the list: opened, saved elsewhere, merged
// and proposed as the export's rate.
TEST_F(FileCommandsTest, TheShowsSettingsTravelWithTheList) {
  ShowSettings show;
  show.fps = {25, 1};
  show.audio = scratch_.File("music/song.wav");
  show.bpm = 96;
  SaveListToFile(scratch_.File("show.pcl"), {testing::NamedSet("a")}, LaunchSettings(), show);
  open("show.pcl");
  EXPECT_TRUE(window_.document().showSettings() == show);
  saveAs("copy");
  EXPECT_TRUE(ReadPclFile(scratch_.File("copy.PCL")).show == show);
  window_.document().apply(ReplaceListCommand({}, std::nullopt, ""));
  EXPECT_TRUE(window_.document().showSettings() == show) << "a new list keeps them";
  window_.document().apply(MergeListCommand({}, {}, "/merged.pcl", ShowSettings()));
  EXPECT_TRUE(window_.document().showSettings() == ShowSettings())
      << "a merged file brings its own";
  window_.document().history().undo();
  window_.document().history().undo();  // the list of the file again
  EXPECT_TRUE(window_.document().showSettings() == show);

  QString proposed;
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    proposed = testing::Child<QComboBox>(dialog, "rateCombo")->currentText();
    dialog.reject();
  });
  testing::Child<QAction>(window_, "actionExportAnimation")->trigger();
  EXPECT_EQ(proposed, QStringLiteral("25"));
}

TEST_F(FileCommandsTest, OverwriteSaveAsksWithTheFullPathOrActsAsSaveAs) {
  buildPair();
  FileDialogService::setNextFileName(file("first"));
  testing::Child<QAction>(window_, "actionSave")->trigger();  // untitled: save as
  ASSERT_EQ(FileDialogService::requests().size(), 1u);
  EXPECT_TRUE(MessageBox::shown().empty());
  const std::string path = scratch_.File("first.PCL");
  EXPECT_EQ(window_.document().fileName(), path);

  addSet(QStringLiteral("third"));
  MessageBox::setNextAnswer(MsgAnswer::No);
  testing::Child<QAction>(window_, "actionSave")->trigger();
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].text,
            QString::fromStdString(path) + QStringLiteral("に上書き保存していいですね"));
  EXPECT_EQ(MessageBox::shown()[0].kind, MsgKind::Confirmation);

  MessageBox::setNextAnswer(MsgAnswer::Yes);
  testing::Child<QAction>(window_, "actionSave")->trigger();
  EXPECT_EQ(FileDialogService::requests().size(), 1u);       // no dialog
  testing::Child<QAction>(window_, "actionNew")->trigger();  // saved just now: the usual question
  open("first.PCL");
  EXPECT_EQ(names(), (Strings{"一番", "second", "third"}));
}

TEST_F(FileCommandsTest, CancelledOpenKeepsTheListAndAlignsTheStartingFolders) {
  buildPair();
  window_.setStartFolder(QStringLiteral("/somewhere"));
  FileDialogService::setNextFileName(std::nullopt);
  testing::Child<QAction>(window_, "actionOpen")->trigger();
  EXPECT_EQ(lastRequest().startFolder, QStringLiteral("/somewhere"));
  EXPECT_EQ(window_.document().sets().size(), 2u);
  // Never used: it keeps the remembered folder, and the save dialog follows it.
  EXPECT_EQ(window_.startFolder(), QStringLiteral("/somewhere"));
  EXPECT_EQ(saveFolder(), window_.startFolder());

  saveAs("pair");
  FileDialogService::setNextFileName(std::nullopt);
  testing::Child<QAction>(window_, "actionMerge")->trigger();
  EXPECT_EQ(saveFolder(), window_.startFolder());
}

TEST_F(FileCommandsTest, MergeAndDropAppendWithShiftedChildren) {
  buildPair();
  saveAs("pair");
  addSet(QStringLiteral("own"));
  std::string other = scratch_.File("other.pcl");
  testing::WriteBytes(other, "[HEADER]\nID=PCL\nnSET=1\n[P0]\nname=dropped\nchild=0\n");
  window_.document().setFileName(std::string());

  FileDialogService::setNextFileName(file("pair.PCL"));
  testing::Child<QAction>(window_, "actionMerge")->trigger();
  EXPECT_EQ(names(), (Strings{"一番", "second", "own", "一番", "second"}));
  EXPECT_EQ(window_.document().sets()[4].child, 3);
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Kirabel -pair.PCL*-"));  // changed since loaded
  expectInStep();

  // Only the first dropped file is merged; the folders stay.
  const QString openDir = window_.startFolder();
  access_.dropFiles({QString::fromStdString(other), file("pair.PCL")});
  EXPECT_EQ(window_.document().sets().size(), 6u);
  EXPECT_EQ(window_.document().sets()[5].name, "dropped");
  EXPECT_EQ(window_.document().sets()[5].child, 5);
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Kirabel -other.pcl*-"));
  EXPECT_EQ(window_.startFolder(), openDir);
  expectInStep();
}

TEST_F(FileCommandsTest, ForeignFilesAreRefusedAndFailedSavesReported) {
  buildPair();
  saveAs("pair");
  testing::WriteBytes(scratch_.File("foreign.pcl"), "[HEADER]\nID=pcl\nnSET=1\n");
  open("foreign.pcl");
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].text, QStringLiteral("変なファイルを指定しちゃだめ"));
  // The file is checked before the list is given up.
  EXPECT_EQ(names(), (Strings{"一番", "second"}));
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Kirabel -pair.PCL-"));
  expectInStep();

  MessageBox::clearRecord();
  addSet(QStringLiteral("x"));
  const QString openDir = window_.startFolder();
  const std::string missing = scratch_.File("no/such/folder/list.PCL");
  FileDialogService::setNextFileName(QString::fromStdString(missing));
  testing::Child<QAction>(window_, "actionSaveAs")->trigger();
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].kind, MsgKind::Error);
  EXPECT_TRUE(MessageBox::shown()[0].text.contains(QStringLiteral("に書き込めません")));
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Kirabel -pair.PCL*-"));
  EXPECT_EQ(window_.startFolder(), openDir);
}

TEST_F(FileCommandsTest, SaveImageWritesBmpOrPngWithTheSamePixels) {
  viewer_.fitToPicture(5, 3);
  uint8_t* bottomLeft = viewer_.picture().Row(2);  // pixel 0
  bottomLeft[0] = 10;                              // blue
  bottomLeft[1] = 20;                              // green
  bottomLeft[2] = 30;                              // red
  const QString before = saveFolder();

  FileDialogService::setNextFileName(file("picture"));
  testing::Child<QToolButton>(window_, "saveImageButton")->click();
  EXPECT_EQ(lastRequest().filterIndex, 2);
  EXPECT_TRUE(lastRequest().confirmOverwrite);
  EXPECT_EQ(lastRequest().defaultExt, QStringLiteral("BMP"));
  const std::string bmp = testing::ReadBytes(scratch_.File("picture.BMP"));
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);  // bits per pixel

  FileDialogService::setNextFileName(file("picture.png"));
  testing::Child<QAction>(window_, "actionSaveImage")->trigger();
  const QImage png(file("picture.png"));
  ASSERT_EQ(png.size(), QSize(5, 3));
  EXPECT_EQ(png.pixelColor(0, 2), QColor(30, 20, 10));
  EXPECT_EQ(saveFolder(), before);
}

}  // namespace
}  // namespace kirabel
