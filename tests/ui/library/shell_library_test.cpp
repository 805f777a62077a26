// The shell library as a user drives it: the window lists the shells of both
// folders (bad files as warned entries that insert nothing), the filter finds
// either name, Enter inserts the shell with its links renumbered and its
// rising set selected, undo takes it out, a drop on the viewer places it, and
// a selection saved as a shell appears in the library. The library finds a
// shell by any of its names, the best match first, fills its tiles with the
// effect and shows whole names.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QInputDialog>
#include <QListView>
#include <QMimeData>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <optional>
#include <utility>

#include "model/list_commands.h"
#include "model/shell_file.h"
#include "support/particle_sets.h"
#include "support/scratch_folder.h"
#include "ui/library/effect_square.h"
#include "ui/library/shell_folders.h"
#include "ui/library/shell_library_model.h"
#include "ui/library/shell_library_window.h"
#include "ui/library/shell_match.h"
#include "ui/library/shell_tile_delegate.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/services/program_font.h"
#include "ui_support/main_window_fixture.h"

namespace kirabel::testing {
namespace {

constexpr char kPeony[] =
    "[HEADER]\nID=PCL\nnSET=2\n[P0]\nname=star\nvisible=1\nchild=1\nP0x=10\nP0y=20\ngt=5\n"
    "[P1]\nname=burst\nvisible=0\nchild=-1\n[SHELL]\nNAME=牡丹\nNAMEEN=Peony\n";
constexpr char kWillow[] =
    "[HEADER]\nID=PCL\nnSET=1\n[P0]\nname=willow\nvisible=1\n[SHELL]\nNAME=柳\nNAMEEN=Willow\n";
constexpr char kShellBody[] = "[HEADER]\nID=PCL\nnSET=1\n[P0]\nname=star\nvisible=1\n[SHELL]\n";
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

TEST_F(ShellLibraryTest, ANameTooLongOrEmptyIsExplainedAndAskedForAgain) {
  const QString tooLong(300, QLatin1Char('a'));
  int width = 0;
  QString shownAgain;
  const auto answer = [](QDialog& dialog, const QString& name) {
    static_cast<QInputDialog&>(dialog).setTextValue(name);
    dialog.accept();
  };
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    width = dialog.width();
    answer(dialog, tooLong);
  });
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    shownAgain = static_cast<QInputDialog&>(dialog).textValue();
    answer(dialog, "   ");
  });
  ModalRunner::setNextHandler([&](QDialog& dialog) { answer(dialog, "Short"); });
  access_.selectRow(1);
  Child<QAction>(window_, "actionSaveShell")->trigger();
  EXPECT_GE(width, 360);
  EXPECT_EQ(shownAgain, tooLong);  // what was typed, to be shortened
  const auto& shown = MessageBox::shown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].kind, MsgKind::Warning);
  EXPECT_EQ(shown[0].text, "花火玉の名前は 100 文字までです");
  EXPECT_EQ(shown[1].text, "花火玉の名前を入力してください");
  EXPECT_EQ(ReadShellFile(scratch_.File("data/Kirabel/shells/short.pcl")).name, "Short");
}

TEST_F(ShellLibraryTest, TheUsersOwnShellsAreMarkedAsTheirs) {
  // A copy of an installed shell saved under the same name.
  std::filesystem::create_directories(scratch_.path() / "data/Kirabel/shells");
  WriteBytes(scratch_.File("data/Kirabel/shells/peony.pcl"), kPeony);
  library().open({QString::fromStdString(scratch_.File("installed")), UserShellFolder()});
  const QAbstractItemModel& model = *grid()->model();
  ASSERT_EQ(shownNames(), QStringList({"broken", "junk", "牡丹", "牡丹"}));
  EXPECT_FALSE(model.index(2, 0).data(ShellLibraryModel::OwnRole).toBool());
  EXPECT_FALSE(model.index(2, 0).data(Qt::ToolTipRole).toString().contains("自分の花火玉"));
  EXPECT_TRUE(model.index(3, 0).data(ShellLibraryModel::OwnRole).toBool());
  EXPECT_TRUE(model.index(3, 0).data(Qt::ToolTipRole).toString().endsWith("\n自分の花火玉"));
}

// The installed shells in a library of their own, shown at the program's font.
class InstalledShellsTest : public ShellLibraryTest {
 protected:
  InstalledShellsTest() {
    installed_.setFont(ProgramFont());
    installed_.open({QStringLiteral(KIRABEL_SOURCE_DIR "/shells")});
  }
  QListView* installedGrid() { return Child<QListView>(installed_, "shellGrid"); }
  // The file stem of the shells shown, in order.
  QStringList shownStems() {
    QStringList stems;
    const QAbstractItemModel& model = *installedGrid()->model();
    for (int row = 0; row < model.rowCount(); ++row)
      stems << QFileInfo(model.index(row, 0).data(ShellLibraryModel::PathRole).toString())
                   .completeBaseName();
    return stems;
  }

  ShellLibraryWindow installed_;
};

TEST_F(InstalledShellsTest, EnterInsertsTheBestMatchOfAnyNameIncludingTheRomanisedOne) {
  QSignalSpy inserted(&installed_, &ShellLibraryWindow::insertRequested);
  auto* field = Child<QLineEdit>(installed_, "shellFilter");
  const struct {
    const char* typed;
    const char* first;
  } cases[] = {{"ring", "ring"},     {"kiku", "chrysanthemum"}, {"botan", "peony"},
               {"yanagi", "willow"}, {"kamuro", "kamuro"},      {"senrin", "thousand_flowers"},
               {"リング", "ring"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    field->setText(QString::fromUtf8(c.typed));
    ASSERT_FALSE(shownStems().isEmpty());
    EXPECT_EQ(shownStems().first(), c.first);
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_FALSE(inserted.isEmpty());
    EXPECT_TRUE(
        inserted.takeLast().first().toString().endsWith(QStringLiteral("/") + c.first + ".pcl"));
  }
  field->setText("ring");
  EXPECT_EQ(shownStems(), QStringList({"ring", "double_ring"}));
}

TEST(ShellMatchTest, AWholeNameBeatsABeginningBeatsAPart) {
  const QStringList ring = {"Ring", "リング", "ringu"};
  const QStringList doubleRing = {"Double Ring", "二重リング", "niju ringu"};
  const struct {
    QStringList names;
    const char* typed;
    std::optional<ShellMatch> match;
  } cases[] = {
      {ring, "ring", ShellMatch::kExact},
      {ring, "Rin", ShellMatch::kPrefix},
      {ring, "ngu", ShellMatch::kSubstring},
      {ring, "", ShellMatch::kExact},
      {doubleRing, "ring", ShellMatch::kSubstring},
      {doubleRing, "double-ring", ShellMatch::kExact},
      {doubleRing, "nijuringu", ShellMatch::kExact},
      {{"芯入菊", "Pistil", "shin'iri giku"}, "shiniri", ShellMatch::kPrefix},
      {{"柳", "Willow", ""}, "kiku", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatchShellNames(c.names, QString::fromUtf8(c.typed)), c.match) << c.typed;
}

TEST_F(ShellLibraryTest, MatchesAreShownExactThenBeginningThenPart) {
  for (const auto& [stem, name] :
       {std::pair{"a", "Bring it"}, {"b", "Ringo"}, {"c", "Ring"}, {"d", "Other"}})
    WriteBytes(scratch_.File(std::string("user/") + stem + ".pcl"),
               std::string(kShellBody) + "NAME=" + name + "\n");
  open();
  filter()->setText("ring");
  EXPECT_EQ(shownNames(), QStringList({"Ring", "Ringo", "Bring it"}));
  filter()->clear();
  // All, in the library's own order.
  EXPECT_EQ(shownNames(),
            QStringList({"broken", "junk", "牡丹", "Bring it", "Other", "Ring", "Ringo", "柳"}));
}

TEST_F(ShellLibraryTest, ReopeningSelectsTheFilterTextAndUpFromTheFirstRowReachesIt) {
  open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&library()));
  QTest::keyClicks(grid(), "peo");  // typing in the grid goes into the filter
  EXPECT_EQ(filter()->text(), "peo");
  EXPECT_EQ(QApplication::focusWidget(), filter());
  library().close();
  open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&library()));
  EXPECT_EQ(QApplication::focusWidget(), grid());
  EXPECT_EQ(filter()->selectedText(), "peo");
  QTest::keyClicks(grid(), "wil");  // replaces what was typed before
  EXPECT_EQ(filter()->text(), "wil");
  EXPECT_EQ(shownNames(), QStringList({"柳"}));
  QTest::keyClick(filter(), Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), grid());
  QTest::keyClick(grid(), Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), filter());
}

TEST_F(InstalledShellsTest, OpensOnThreeWholeRowsAndUpMovesWithinTheGridBelowTheFirst) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&installed_));
  QListView& view = *installedGrid();
  const QAbstractItemModel& model = *view.model();
  std::vector<int> rowTops;
  for (int row = 0; row < model.rowCount(); ++row) {
    const int top = view.visualRect(model.index(row, 0)).top();
    if (rowTops.empty() || top > rowTops.back()) rowTops.push_back(top);
    if (rowTops.size() == 3) {
      EXPECT_TRUE(view.viewport()->rect().contains(view.visualRect(model.index(row, 0))));
      view.setCurrentIndex(model.index(row, 0));
      break;
    }
  }
  ASSERT_EQ(rowTops.size(), 3u);
  QTest::keyClick(&view, Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), &view);
  EXPECT_EQ(view.visualRect(view.currentIndex()).top(), rowTops[1]);
}

TEST_F(InstalledShellsTest, NamesAreShownWholeOnTwoLines) {
  QListView& view = *installedGrid();
  const QFontMetrics metrics(view.font());
  const QRect tile(QPoint(0, 0), ShellTileDelegate::tileSize(metrics));
  const QRect nameRect = ShellTileDelegate::nameRect(tile, metrics);
  EXPECT_GE(nameRect.height(), 2 * metrics.lineSpacing());
  EXPECT_TRUE(tile.contains(nameRect));
  EXPECT_FALSE(nameRect.intersects(ShellTileDelegate::pictureRect(tile)));
  const QAbstractItemModel& model = *view.model();
  for (int row = 0; row < model.rowCount(); ++row) {
    for (const QString& name :
         model.index(row, 0).data(ShellLibraryModel::SearchRole).toStringList().mid(0, 2)) {
      const QStringList lines = ShellTileDelegate::nameLines(name, view.font(), nameRect.width());
      EXPECT_LE(lines.size(), 2) << name.toStdString();
      EXPECT_EQ(lines.join("").remove(' ').toStdString(), QString(name).remove(' ').toStdString());
    }
  }
  // Only a name too long for two lines is cut, with an ellipsis.
  const QStringList tooLong = ShellTileDelegate::nameLines(
      "Chrysanthemum Chrysanthemum Chrysanthemum Chrysanthemum", view.font(), nameRect.width());
  ASSERT_EQ(tooLong.size(), 2);
  EXPECT_TRUE(tooLong.last().endsWith(QChar(0x2026)));
}

// A lit disc of `radius` pixels around the middle of a dark 512-pixel picture.
QImage SmallEffect(int radius) {
  QImage picture(512, 512, QImage::Format_RGB32);
  picture.fill(Qt::black);
  QPainter painter(&picture);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPoint(256, 240), radius, radius);
  return picture;
}

// The share of the icon's width that the lit part spans along its middle row.
double LitShareOfWidth(const QImage& icon) {
  int lit = 0;
  for (int x = 0; x < icon.width(); ++x) lit += qGray(icon.pixel(x, icon.height() / 2)) > 128;
  return static_cast<double>(lit) / icon.width();
}

TEST_F(ShellLibraryTest, ThumbnailsAreCroppedToTheirEffect) {
  open();
  const QString peony = QString::fromStdString(scratch_.File("installed/peony.pcl"));
  library().model().showThumbnail(peony, SmallEffect(50));
  const QImage icon = grid()
                          ->model()
                          ->index(2, 0)
                          .data(Qt::DecorationRole)
                          .value<QIcon>()
                          .pixmap(ShellLibraryModel::kIconSize)
                          .toImage();
  EXPECT_EQ(icon.size(), QSize(ShellLibraryModel::kIconSize, ShellLibraryModel::kIconSize));
  EXPECT_GT(LitShareOfWidth(icon), 0.75);
  EXPECT_LT(LitShareOfWidth(icon), 0.95);  // with a margin
  // The same rule everywhere: a square a little larger than the lit part,
  // inside the picture, never below a least side, the whole picture when
  // nothing is lit.
  const QRect disc = EffectSquare(SmallEffect(50));
  EXPECT_EQ(disc.width(), disc.height());
  EXPECT_TRUE(disc.contains(QRect(206, 190, 100, 100)));
  EXPECT_LE(disc.width(), 120);
  QImage dark(512, 512, QImage::Format_RGB32);
  dark.fill(qRgb(10, 10, 10));  // below the lit level
  EXPECT_EQ(EffectSquare(dark), dark.rect());
  dark.setPixel(2, 509, qRgb(255, 200, 0));
  EXPECT_EQ(EffectSquare(dark), QRect(0, 448, 64, 64));
}

}  // namespace
}  // namespace kirabel::testing
