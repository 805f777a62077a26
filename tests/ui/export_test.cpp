// The window's animation export: the dialog's choices, the frames the next
// launch would draw written in the background into one file, the generator
// left as it was, and a cancelled export leaving nothing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>

#include "model/launch_limits.h"
#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "ui/started_app_fixture.h"
#include "ui_support/child_widget.h"
#include "ui_support/document_edits.h"
#include "ui_support/launch_scene.h"

namespace kirabel::testing {
namespace {

class ExportTest : public StartedAppFixture {
 protected:
  ExportTest() {
    Start();
    mainWindow().applyResolution(kWidth, kHeight);
    mainWindow().document().apply(AppendSetCommand(Burst()));
    ChangeLaunchSettings(mainWindow().document(), [](LaunchSettings& env) {
      env.startTime = 4;
      env.frameInterval = 2;
      env.frameCount = 40;
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
  bool ExportEnded() {
    return QTest::qWaitFor(
        [&] { return !mainWindow().findChild<QProgressDialog*>(QStringLiteral("exportProgress")); },
        20000);
  }
};

TEST_F(ExportTest, WritesTheNextLaunchsFramesInTheBackground) {
  const uint32_t seed = mainWindow().random.State();
  const std::string file = scratch_.File("show.apng");
  AnswerExport(file, 2, 3);
  mainWindow().actionExportAnimation->trigger();
  ASSERT_TRUE(ExportEnded());
  EXPECT_TRUE(MessageBox::shown().empty());
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(mainWindow().random.State(), seed);

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
    const uint8_t* row = canvas.picture.Bits() + (kHeight - 1 - y) * canvas.picture.RowBytes();
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
  mainWindow().actionExportAnimation->trigger();
  auto* progress = mainWindow().findChild<QProgressDialog*>(QStringLiteral("exportProgress"));
  ASSERT_NE(progress, nullptr);
  QPushButton* cancel = progress->findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
  cancel->click();
  ASSERT_TRUE(ExportEnded());
  EXPECT_FALSE(std::filesystem::exists(file));
  for (const auto& entry : std::filesystem::directory_iterator(scratch_.path()))
    EXPECT_NE(entry.path().filename().string().rfind(".kirabel", 0), 0u) << entry.path();
}

}  // namespace
}  // namespace kirabel::testing
