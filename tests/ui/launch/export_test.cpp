// The window's animation export: the dialog's choices, the frames the next
// launch would draw written in the background into one file, the generator
// left as it was, a cancelled export leaving nothing, and failures worded as
// every save words them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "model/launch_limits.h"
#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "ui_support/child_widget.h"
#include "ui_support/document_edits.h"
#include "ui_support/launch_scene.h"
#include "ui_support/started_app_fixture.h"

namespace kirabel::testing {
namespace {

class ExportTest : public StartedAppFixture {
 protected:
  ExportTest() {
    Start();
    mainWindow().applyResolution(kWidth, kHeight);
    mainWindow().document().apply(AppendSetCommand(Burst()));
    ChangeLaunchSettings(mainWindow().document(), [](LaunchSettings& settings) {
      settings.startTime = 4;
      settings.frameInterval = 2;
      settings.frameCount = 40;
    });
  }
  // Plays the export dialog: APNG, frames first..last, into `file`.
  void AnswerExport(const std::string& file, int first, int last) {
    ModalRunner::setNextHandler([=](QDialog& dialog) {
      Child<QComboBox>(dialog, "formatCombo")->setCurrentIndex(1);  // APNG
      Child<QSpinBox>(dialog, "firstFrameSpin")->setValue(first);
      Child<QSpinBox>(dialog, "lastFrameSpin")->setValue(last);
      Child<QLineEdit>(dialog, "fileEdit")->setText(QString::fromStdString(file));
      Child<QPushButton>(dialog, "okButton")->click();
    });
  }
  // A slow stand-in for ffmpeg, found first on the PATH: it marks that it
  // started, takes every frame, marks that it is finishing, then takes its
  // time before writing the file.
  void UseSlowEncoder() {
    const std::string bin = scratch_.File("bin");
    std::filesystem::create_directory(bin);
    WriteBytes(bin + "/ffmpeg",
               "#!/bin/sh\n"
               ": > \"$(dirname \"$0\")/started\"\n"
               "cat > /dev/null\n"
               ": > \"$(dirname \"$0\")/finishing\"\n"
               "i=0; while [ $i -lt 600 ]; do sleep 0.05; i=$((i+1)); done\n"
               "for last; do :; done\n"
               "printf fake > \"$last\"\n");
    std::filesystem::permissions(bin + "/ffmpeg", std::filesystem::perms::owner_all);
    path_ = qEnvironmentVariable("PATH");
    qputenv("PATH", QString::fromStdString(bin).toLocal8Bit() + ':' + path_.toLocal8Bit());
  }
  bool EncoderMarked(const char* mark) {
    return std::filesystem::exists(scratch_.File("bin/") + mark);
  }
  ~ExportTest() override {
    if (!path_.isNull()) qputenv("PATH", path_.toLocal8Bit());
  }
  QProgressDialog* Progress() {
    return mainWindow().findChild<QProgressDialog*>(QStringLiteral("exportProgress"));
  }
  void ExpectNoTemporaryFiles() {
    for (const auto& entry : std::filesystem::directory_iterator(scratch_.path()))
      EXPECT_NE(entry.path().filename().string().rfind(".kirabel", 0), 0u) << entry.path();
  }
  bool ExportEnded() {
    return QTest::qWaitFor(
        [&] { return !mainWindow().findChild<QProgressDialog*>(QStringLiteral("exportProgress")); },
        20000);
  }

  QString path_;  // the PATH before the slow encoder
};

TEST_F(ExportTest, WritesTheNextLaunchsFramesInTheBackground) {
  const uint32_t seed = access().launchSession().random().State();
  const std::string file = scratch_.File("show.apng");
  AnswerExport(file, 2, 3);
  testing::Child<QAction>(mainWindow(), "actionExportAnimation")->trigger();
  ASSERT_TRUE(ExportEnded());
  EXPECT_TRUE(MessageBox::shown().empty());
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(access().launchSession().random().State(), seed);

  // Its first picture is frame 2 of the next launch.
  RandomGenerator random(seed);
  const auto built = Launch::Build(mainWindow().document().sets(),
                                   WithinLaunchLimits(mainWindow().document().launchSettings()),
                                   random, INT64_MAX, {});
  Canvas canvas(kWidth, kHeight);
  built.launch->DrawFrame(2, canvas.space, canvas.picture, {});
  const QImage first(QString::fromStdString(file));
  ASSERT_EQ(first.size(), QSize(kWidth, kHeight));
  for (int y = 0; y < kHeight; ++y) {
    const uint8_t* row = canvas.picture.Row(y);
    for (int x = 0; x < kWidth; ++x) {
      ASSERT_EQ(first.pixel(x, y), qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]))
          << x << "," << y;
    }
  }
}

TEST_F(ExportTest, ACancelledExportLeavesNothing) {
  ParticleSet many = Burst();
  many.count = 200000;  // frames that take a while
  mainWindow().document().apply(ReplaceSetCommand(0, many));
  mainWindow().applyResolution(512, 512);
  const std::string file = scratch_.File("cancelled.apng");
  AnswerExport(file, 1, 40);
  testing::Child<QAction>(mainWindow(), "actionExportAnimation")->trigger();
  auto* progress = mainWindow().findChild<QProgressDialog*>(QStringLiteral("exportProgress"));
  ASSERT_NE(progress, nullptr);
  QPushButton* cancel = progress->findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
  cancel->click();
  ASSERT_TRUE(ExportEnded());
  EXPECT_FALSE(std::filesystem::exists(file));
  ExpectNoTemporaryFiles();
}

// A cancel in the middle of a frame that takes many seconds ends the export
// within about a second (a generous bound for sanitizer builds), leaving
// nothing.
TEST_F(ExportTest, ACancelMidFrameEndsPromptly) {
  ParticleSet heavy = Burst();
  heavy.count = 50000;
  heavy.trailSamples = 8000;
  mainWindow().document().apply(ReplaceSetCommand(0, heavy));
  mainWindow().applyResolution(512, 512);
  const std::string file = scratch_.File("heavy.apng");
  AnswerExport(file, 1, 40);
  testing::Child<QAction>(mainWindow(), "actionExportAnimation")->trigger();
  QTest::qWait(300);  // building the launch or drawing its first frame
  QProgressDialog* progress = Progress();
  ASSERT_NE(progress, nullptr);
  const auto cancelledAt = std::chrono::steady_clock::now();
  progress->findChild<QPushButton*>()->click();
  ASSERT_TRUE(ExportEnded());
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - cancelledAt).count(),
            2.0);
  EXPECT_FALSE(std::filesystem::exists(file));
  ExpectNoTemporaryFiles();
}

// A cancel while the encoder finishes the file ends it there: no file, no
// temporary file, and the progress window does not come back.
TEST_F(ExportTest, ACancelWhileTheEncoderFinishesLeavesNothing) {
  UseSlowEncoder();
  const std::string file = scratch_.File("late.apng");
  AnswerExport(file, 1, 2);
  testing::Child<QAction>(mainWindow(), "actionExportAnimation")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return EncoderMarked("finishing"); }, 20000));
  QProgressDialog* progress = Progress();
  ASSERT_NE(progress, nullptr);
  progress->findChild<QPushButton*>()->click();
  EXPECT_FALSE(progress->isVisible());
  QTest::qWait(300);  // several progress ticks
  if (Progress()) EXPECT_FALSE(Progress()->isVisible());
  ASSERT_TRUE(ExportEnded());
  EXPECT_TRUE(MessageBox::shown().empty());
  EXPECT_FALSE(std::filesystem::exists(file));
  ExpectNoTemporaryFiles();
}

// A file that cannot be written is named with the reason at once, before any
// encoder starts.
TEST_F(ExportTest, AnUnwritableFileIsNamedWithTheReasonBeforeEncoding) {
  UseSlowEncoder();
  const std::string readOnly = scratch_.File("kept.apng");
  WriteBytes(readOnly, "kept");
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
  const struct {
    std::string file;
    QString reason;
  } cases[] = {
      {scratch_.File("missing/show.apng"), QStringLiteral("\nﾌｧｲﾙが見つかりません")},
      {readOnly, QString()},
      {scratch_.File(std::string(300, 'n') + ".apng"), QStringLiteral("\n不正なﾌｧｲﾙ名です")},
  };
  for (const auto& c : cases) {
    AnswerExport(c.file, 1, 2);
    testing::Child<QAction>(mainWindow(), "actionExportAnimation")->trigger();
    ASSERT_TRUE(ExportEnded());
    ASSERT_EQ(MessageBox::shown().size(), 1u);
    EXPECT_EQ(MessageBox::shown()[0].text,
              MessageBox::errorText(QString::fromStdString(c.file) +
                                    QStringLiteral(" に書き込めません") + c.reason));
    MessageBox::clearRecord();
  }
  EXPECT_FALSE(EncoderMarked("started"));
  EXPECT_EQ(ReadBytes(readOnly), "kept");
  ExpectNoTemporaryFiles();
}

// The dialog proposes the whole launch and follows its frame count; a range
// the user typed stays only while it lies within the launch.
TEST_F(ExportTest, TheDialogProposesTheWholeLaunch) {
  const struct {
    int64_t frameCount;
    int proposedFirst, proposedLast;
    int typedFirst, typedLast;  // 0: as proposed
  } steps[] = {
      {40, 1, 40, 0, 0},  {300, 1, 300, 5, 50}, {100, 5, 50, 0, 0},
      {30, 1, 30, 0, 0},  {60, 1, 60, 0, 0},    {60, 1, 60, 1, 60},
      {90, 1, 90, 2, 90}, {90, 2, 90, 0, 0},    {80, 1, 80, 0, 0},
  };
  ExportChoice choice;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.frameCount);
    ExportDialog dialog(&mainWindow());
    dialog.setChoice(choice, step.frameCount);
    QSpinBox* first = Child<QSpinBox>(dialog, "firstFrameSpin");
    QSpinBox* last = Child<QSpinBox>(dialog, "lastFrameSpin");
    EXPECT_EQ(first->value(), step.proposedFirst);
    EXPECT_EQ(last->value(), step.proposedLast);
    if (step.typedFirst) {
      first->setValue(step.typedFirst);
      last->setValue(step.typedLast);
    }
    choice = dialog.choice();
  }
}

}  // namespace
}  // namespace kirabel::testing
