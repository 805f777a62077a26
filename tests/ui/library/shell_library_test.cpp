// The shell library as a user drives it: the window lists the shells of both
// folders (bad files as warned entries that insert nothing), the filter finds
// either name, Enter inserts the shell with its links renumbered and its
// rising set selected, undo takes it out, a drop on the viewer places it, and
// a selection saved as a shell appears in the library.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QInputDialog>
#include <QListView>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "model/list_commands.h"
#include "model/shell_file.h"
#include "support/particle_sets.h"
#include "support/scratch_folder.h"
#include "ui/library/shell_library_model.h"
#include "ui/library/shell_library_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui_support/main_window_fixture.h"

namespace kirabel::testing {
namespace {

constexpr char kPeony[] =
    "[HEADER]\nID=PCL\nnSET=2\n[P0]\nname=star\nvisible=1\nchild=1\nP0x=10\nP0y=20\ngt=5\n"
    "[P1]\nname=burst\nvisible=0\nchild=-1\n[SHELL]\nNAME=牡丹\nNAMEEN=Peony\n";
constexpr char kWillow[] =
    "[HEADER]\nID=PCL\nnSET=1\n[P0]\nname=willow\nvisible=1\n[SHELL]\nNAME=柳\nNAMEEN=Willow\n";
constexpr char kBroken[] = "[HEADER]\nID=PCL\nnSET=1\n[P0]\nvisible=1\nchild=5\n";

class ShellLibraryTest : public MainWindowFixture {
 protected:
  ShellLibraryTest() : oldDataHome_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(scratch_.File("data")));
    std::filesystem::create_directories(scratch_.path() / "installed");
    std::filesystem::create_directories(scratch_.path() / "user");
    WriteBytes(scratch_.File("installed/peony.pcl"), kPeony);
    WriteBytes(scratch_.File("installed/broken.pcl"), kBroken);
    WriteBytes(scratch_.File("installed/junk.pcl"), "not a list\n");
    WriteBytes(scratch_.File("user/willow.pcl"), kWillow);
    window_.document().apply(AppendSetCommand(NamedSet("X")));
    window_.document().history().clear();
  }
  ~ShellLibraryTest() override { qputenv("XDG_DATA_HOME", oldDataHome_); }

  void open() {
    library().open({QString::fromStdString(scratch_.File("installed")),
                    QString::fromStdString(scratch_.File("user"))});
  }
  ShellLibraryWindow& library() { return window_.shellLibrary(); }
  QListView* grid() { return Child<QListView>(library(), "shellGrid"); }
  QLineEdit* filter() { return Child<QLineEdit>(library(), "shellFilter"); }
  const ParticleList& sets() { return window_.document().sets(); }
  QStringList shownNames() {
    QStringList names;
    for (int row = 0; row < grid()->model()->rowCount(); ++row)
      names << grid()->model()->index(row, 0).data().toString();
    return names;
  }

  ScratchFolder scratch_;
  QByteArray oldDataHome_;
};

TEST_F(ShellLibraryTest, ListsBothFoldersWithBadFilesWarnedAndAsksForPictures) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  QTest::keyClick(window_.windowHandle(), Qt::Key_B, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&library()));
  EXPECT_EQ(QApplication::focusWidget(), grid());
  QSignalSpy wanted(&library().model(), &ShellLibraryModel::thumbnailWanted);
  open();
  EXPECT_EQ(shownNames(), QStringList({"broken", "junk", "牡丹", "柳"}));
  EXPECT_EQ(wanted.count(), 2);
  QAbstractItemModel& model = *grid()->model();
  EXPECT_FALSE(model.index(0, 0).data(ShellLibraryModel::InsertableRole).toBool());
  EXPECT_TRUE(model.index(0, 0).data(Qt::ToolTipRole).toString().contains("[P0]"));
  EXPECT_TRUE(model.index(1, 0).data(Qt::ToolTipRole).toString().contains("PCL"));
  EXPECT_FALSE(model.flags(model.index(1, 0)).testFlag(Qt::ItemIsDragEnabled));
  // A bad entry inserts nothing.
  grid()->setCurrentIndex(model.index(1, 0));
  QTest::keyClick(grid(), Qt::Key_Return);
  EXPECT_EQ(sets().size(), 1u);
  // A picture replaces the placeholder.
  const QImage before =
      model.index(2, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(8).toImage();
  QImage picture(512, 512, QImage::Format_RGB32);
  picture.fill(Qt::white);
  library().model().showThumbnail(QString::fromStdString(scratch_.File("installed/peony.pcl")),
                                  picture);
  EXPECT_NE(model.index(2, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(8).toImage(), before);
}

TEST_F(ShellLibraryTest, EnterInsertsTheFilteredShellAsOneStep) {
  open();
  // The main window's thumbnail cache draws the pictures the library asks for.
  QAbstractItemModel& model = *grid()->model();
  const auto icon = [&] {
    return model.index(2, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(8).toImage();
  };
  const QImage placeholder = icon();
  QTRY_VERIFY_WITH_TIMEOUT(icon() != placeholder, 60000);
  QTest::keyClicks(filter(), "PEO");  // the English name, in any case
  EXPECT_EQ(shownNames(), QStringList({"牡丹"}));
  QTest::keyClick(filter(), Qt::Key_Return);
  ASSERT_EQ(sets().size(), 3u);
  EXPECT_EQ(sets()[1].name, "star");
  EXPECT_EQ(sets()[1].child, 2);
  EXPECT_EQ(sets()[1].originX, 256);  // the centre column
  EXPECT_EQ(sets()[1].originY, 512);  // the space's bottom edge
  EXPECT_EQ(sets()[1].birthTime, 5);  // its own without the preview
  EXPECT_EQ(access_.selectedRow(), 2);
  Child<QAction>(window_, "actionUndo")->trigger();
  EXPECT_EQ(sets().size(), 1u);
}

TEST_F(ShellLibraryTest, ADropOnTheViewerPlacesTheShellAtItsColumnAndThePreviewsTime) {
  LaunchSettings settings;
  settings.frameCount = 10;  // frames at 10, 11, ...
  window_.document().apply(ChangeLaunchSettingsCommand(settings));
  window_.startPreview();
  access_.turnPreviewOn();
  window_.preview()->bar().setFrame(4);
  auto* mime = new QMimeData;
  mime->setData(kShellMimeType, QByteArray::fromStdString(scratch_.File("user/willow.pcl")));
  QDragEnterEvent enter(QPoint(100, 50), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(viewer_.pictureView, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(100, 50), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(viewer_.pictureView, &drop);
  delete mime;
  ASSERT_EQ(sets().size(), 2u);
  EXPECT_EQ(sets()[1].originX, 100);
  EXPECT_EQ(sets()[1].originY, 512);
  EXPECT_EQ(sets()[1].birthTime, 13);
}

TEST_F(ShellLibraryTest, ASavedSelectionAppearsInTheLibrary) {
  QAction* save = Child<QAction>(window_, "actionSaveShell");
  access_.selectRow(2);  // the new-set row
  EXPECT_FALSE(save->isEnabled());
  access_.selectRow(1);
  ASSERT_TRUE(save->isEnabled());
  const auto answerName = [] {
    ModalRunner::setNextHandler([](QDialog& dialog) {
      static_cast<QInputDialog&>(dialog).setTextValue(QStringLiteral("Gold Peony"));
      dialog.accept();
    });
  };
  open();  // the library shown reads its folders again after the save
  answerName();
  save->trigger();
  const std::string saved = scratch_.File("data/Kirabel/shells/gold-peony.pcl");
  EXPECT_EQ(ReadShellFile(saved).name, "Gold Peony");
  EXPECT_TRUE(shownNames().contains("Gold Peony"));
  // Saving again under the same name asks first; No keeps the file.
  window_.document().apply(AppendSetCommand(NamedSet("Y")));
  access_.selectRow(2);
  MessageBox::setNextAnswer(MsgAnswer::No);
  answerName();
  save->trigger();
  ASSERT_FALSE(MessageBox::shown().empty());
  EXPECT_EQ(MessageBox::shown().back().kind, MsgKind::Confirmation);
  EXPECT_EQ(ReadShellFile(saved).sets.front().name, "X");
  // A folder that cannot be made is a clear error.
  WriteBytes(scratch_.File("blocked"), "a file, not a folder");
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(scratch_.File("blocked")));
  answerName();
  save->trigger();
  EXPECT_EQ(MessageBox::shown().back().kind, MsgKind::Error);
  EXPECT_TRUE(MessageBox::shown().back().text.contains("blocked"));
}

}  // namespace
}  // namespace kirabel::testing
