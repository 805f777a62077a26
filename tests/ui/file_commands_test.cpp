// The main window's file commands with the real PCL reader and writer: new,
// open, merge, overwrite save, save as, save image and file drop, with their
// questions, captions and the dialogs' starting folders.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QToolButton>
#include <filesystem>

#include "controls/NValEdit.h"
#include "image/dibs.h"
#include "model/environment.h"
#include "support/scratch_folder.h"
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
    form_.SpeedButton7->click();
  }
  void open(const std::string& name) {
    FileDialogService::setNextFileName(file(name));
    form_.SpeedButton6->click();
  }
  // Two sets, the second naming the first as child, with distinct values.
  void buildPair() {
    answerDialog([](TForm3& dialog) {
      dialog.Edit1->setText(QStringLiteral("一番"));
      dialog.NEditVB->setValue(30);
      dialog.NEditGT->setValue(-2.5L);
      dialog.ComboBox2->setCurrentIndex(1);
    });
    form_.SpeedButton3->click();
    answerDialog([](TForm3& dialog) {
      dialog.Edit1->setText(QStringLiteral("second"));
      dialog.ComboBox1->setCurrentIndex(1);
      dialog.NEditN->setValue(12);
      dialog.ComboBox5->setCurrentIndex(2);
    });
    form_.SpeedButton3->click();
  }

  testing::ScratchFolder scratch_;
};

TEST_F(FileCommandsTest, NewAsksOnlyWhenThereIsSomethingToDiscard) {
  const QString untitled = QStringLiteral("Kirabel -名称未設定-");
  EXPECT_EQ(form_.windowTitle(), untitled);
  form_.KN2->trigger();
  EXPECT_TRUE(MessageBox::Shown().empty());

  buildPair();
  saveAs("pair");
  const QString titled = QStringLiteral("Kirabel -pair.PCL-");
  ASSERT_EQ(form_.windowTitle(), titled);

  MessageBox::setNextAnswer(MsgAnswer::No);
  form_.KN2->trigger();
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].text, QStringLiteral("現在のデータを破棄していいですか"));
  EXPECT_EQ(form_.List.size(), 2u);
  EXPECT_EQ(form_.windowTitle(), titled);
  expectInStep();

  MessageBox::setNextAnswer(MsgAnswer::Yes);
  form_.KN2->trigger();
  EXPECT_TRUE(form_.List.empty());
  EXPECT_EQ(form_.windowTitle(), untitled);
  EXPECT_TRUE(form_.FileName.empty());
  expectInStep();
}

TEST_F(FileCommandsTest, ListBuiltInTheDialogSurvivesSaveAndOpen) {
  buildPair();
  form_.Environment().G = 1.25L;
  const std::vector<TParticle> built = form_.List;
  saveAs("pair");

  const FileDialogRequest& request = lastRequest();
  EXPECT_TRUE(request.save);
  EXPECT_TRUE(request.confirmOverwrite);
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(request.defaultExt, QStringLiteral("PCL"));
  EXPECT_EQ(request.nameFilters.size(), 3);
  ASSERT_TRUE(std::filesystem::exists(scratch_.File("pair.PCL")));
  EXPECT_EQ(form_.SaveDialog1.InitialDir, folder());
  EXPECT_EQ(form_.OpenDialog1.InitialDir, folder());

  // Open empties the list without a question, then loads.
  addSet(QStringLiteral("extra"));
  form_.Environment().G = 0;
  open("pair.PCL");
  EXPECT_TRUE(MessageBox::Shown().empty());
  EXPECT_EQ(lastRequest().initialDir, folder());
  EXPECT_FALSE(lastRequest().save);
  ASSERT_EQ(form_.List.size(), built.size());
  for (std::size_t i = 0; i < built.size(); ++i) {
    const TParticle& a = built[i];
    const TParticle& b = form_.List[i];
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.N, b.N);
    EXPECT_EQ(a.child, b.child);
    EXPECT_EQ(a.rmB, b.rmB);
    EXPECT_EQ(a.rmLT, b.rmLT);
    EXPECT_EQ(a.gt, b.gt);
    EXPECT_EQ(a.visible, b.visible);
    EXPECT_NEAR(static_cast<double>(a.vb), static_cast<double>(b.vb), 1e-14);
    EXPECT_NEAR(static_cast<double>(a.db), static_cast<double>(b.db), 1e-14);
  }
  EXPECT_EQ(form_.Environment().G, 1.25L);
  EXPECT_EQ(form_.windowTitle(), QStringLiteral("Kirabel -pair.PCL-"));
  expectInStep();
}

TEST_F(FileCommandsTest, OverwriteSaveAsksWithTheFullPathOrActsAsSaveAs) {
  buildPair();
  FileDialogService::setNextFileName(file("first"));
  form_.KA1->trigger();  // untitled: save as
  ASSERT_EQ(FileDialogService::requests().size(), 1u);
  EXPECT_TRUE(MessageBox::Shown().empty());
  const std::string path = scratch_.File("first.PCL");
  EXPECT_EQ(form_.FileName, path);

  addSet(QStringLiteral("third"));
  MessageBox::setNextAnswer(MsgAnswer::No);
  form_.KA1->trigger();
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].text,
            QString::fromStdString(path) + QStringLiteral("に上書き保存していいですね"));
  EXPECT_EQ(MessageBox::Shown()[0].kind, MsgKind::Confirmation);

  MessageBox::setNextAnswer(MsgAnswer::Yes);
  form_.KA1->trigger();
  EXPECT_EQ(FileDialogService::requests().size(), 1u);  // no dialog
  MessageBox::setNextAnswer(MsgAnswer::Yes);
  form_.KN2->trigger();
  open("first.PCL");
  EXPECT_EQ(names(), (Strings{"一番", "second", "third"}));
}

TEST_F(FileCommandsTest, CancelledOpenKeepsTheListAndAlignsTheStartingFolders) {
  buildPair();
  form_.OpenDialog1.InitialDir = QStringLiteral("/somewhere");
  form_.SaveDialog1.InitialDir = QStringLiteral("/elsewhere");
  FileDialogService::setNextFileName(std::nullopt);
  form_.KR1->trigger();
  EXPECT_EQ(lastRequest().initialDir, QStringLiteral("/somewhere"));
  EXPECT_EQ(form_.List.size(), 2u);
  // Never used: it keeps the remembered folder, and the save dialog follows it.
  EXPECT_EQ(form_.OpenDialog1.InitialDir, QStringLiteral("/somewhere"));
  EXPECT_EQ(form_.SaveDialog1.InitialDir, form_.OpenDialog1.InitialDir);

  saveAs("pair");
  form_.SaveDialog1.InitialDir = QStringLiteral("/elsewhere");
  FileDialogService::setNextFileName(std::nullopt);
  form_.KM1->trigger();
  EXPECT_EQ(form_.SaveDialog1.InitialDir, form_.OpenDialog1.InitialDir);
}

TEST_F(FileCommandsTest, MergeAndDropAppendWithShiftedChildren) {
  buildPair();
  saveAs("pair");
  addSet(QStringLiteral("own"));
  std::string other = scratch_.File("other.pcl");
  testing::WriteBytes(other, "[HEADER]\nID=PCL\nnSET=1\n[P0]\nname=dropped\nchild=0\n");
  form_.SetFileName(std::string());

  FileDialogService::setNextFileName(file("pair.PCL"));
  form_.KM1->trigger();
  EXPECT_EQ(names(), (Strings{"一番", "second", "own", "一番", "second"}));
  EXPECT_EQ(form_.List[4].child, 3);
  EXPECT_EQ(form_.windowTitle(), QStringLiteral("Kirabel -pair.PCL-"));
  expectInStep();

  // Only the first dropped file is merged; the folders stay.
  const QString openDir = form_.OpenDialog1.InitialDir;
  form_.DropFiles({QString::fromStdString(other), file("pair.PCL")});
  EXPECT_EQ(form_.List.size(), 6u);
  EXPECT_EQ(form_.List[5].name, "dropped");
  EXPECT_EQ(form_.List[5].child, 5);
  EXPECT_EQ(form_.windowTitle(), QStringLiteral("Kirabel -other.pcl-"));
  EXPECT_EQ(form_.OpenDialog1.InitialDir, openDir);
  expectInStep();
}

TEST_F(FileCommandsTest, ForeignFilesAreRefusedAndFailedSavesReported) {
  buildPair();
  saveAs("pair");
  testing::WriteBytes(scratch_.File("foreign.pcl"), "[HEADER]\nID=pcl\nnSET=1\n");
  open("foreign.pcl");
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].text, QStringLiteral("変なファイルを指定しちゃだめ"));
  // The file is checked before the list is given up.
  EXPECT_EQ(names(), (Strings{"一番", "second"}));
  EXPECT_EQ(form_.windowTitle(), QStringLiteral("Kirabel -pair.PCL-"));
  expectInStep();

  MessageBox::ClearRecord();
  addSet(QStringLiteral("x"));
  const QString openDir = form_.OpenDialog1.InitialDir;
  const std::string missing = scratch_.File("no/such/folder/list.PCL");
  FileDialogService::setNextFileName(QString::fromStdString(missing));
  form_.KS1->trigger();
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].kind, MsgKind::Error);
  EXPECT_TRUE(MessageBox::Shown()[0].text.contains(QStringLiteral("に書き込めません")));
  EXPECT_EQ(form_.windowTitle(), QStringLiteral("Kirabel -pair.PCL-"));
  EXPECT_EQ(form_.OpenDialog1.InitialDir, openDir);
}

TEST_F(FileCommandsTest, SaveImageWritesBmpOrPngWithTheSamePixels) {
  viewer_.FitToPicture(5, 3);
  TDIBitmap& bitmap = viewer_.Bitmap();
  uint8_t* bottomLeft = bitmap.Bits();  // picture row 2, pixel 0
  bottomLeft[0] = 10;                   // blue
  bottomLeft[1] = 20;                   // green
  bottomLeft[2] = 30;                   // red
  const QString before = form_.SaveDialog1.InitialDir;

  FileDialogService::setNextFileName(file("picture"));
  form_.SpeedButton8->click();
  EXPECT_EQ(lastRequest().filterIndex, 2);
  EXPECT_TRUE(lastRequest().confirmOverwrite);
  EXPECT_EQ(lastRequest().defaultExt, QStringLiteral("BMP"));
  const std::string bmp = testing::ReadBytes(scratch_.File("picture.BMP"));
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);  // bits per pixel

  FileDialogService::setNextFileName(file("picture.png"));
  form_.KI1->trigger();
  const QImage png(file("picture.png"));
  ASSERT_EQ(png.size(), QSize(5, 3));
  EXPECT_EQ(png.pixelColor(0, 2), QColor(30, 20, 10));
  EXPECT_EQ(form_.SaveDialog1.InitialDir, before);
}

}  // namespace
}  // namespace kirabel
