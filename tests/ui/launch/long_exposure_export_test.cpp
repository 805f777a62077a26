// The window's long exposure: the File menu's entry, the dialog handing over
// its choices (and proposing them again), and the frames the next launch would
// draw stacked in the background into the picture chosen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <array>

#include "simulation/long_exposure.h"
#include "simulation/make_scene.h"
#include "ui_support/child_widget.h"
#include "ui_support/document_edits.h"
#include "ui_support/launch_scene.h"
#include "ui_support/started_app_fixture.h"

namespace kirabel::testing {
namespace {

class LongExposureExportTest : public StartedAppFixture {
 protected:
  LongExposureExportTest() {
    Start();
    mainWindow().applyResolution(kWidth, kHeight);
    mainWindow().document().apply(AppendSetCommand(Burst()));
    ChangeLaunchSettings(mainWindow().document(), [](LaunchSettings& settings) {
      settings.startTime = 4;
      settings.frameInterval = 2;
      settings.frameCount = 20;
    });
  }
  bool ExportEnded() {
    return QTest::qWaitFor(
        [&] { return !mainWindow().findChild<QProgressDialog*>(QStringLiteral("exportProgress")); },
        20000);
  }
  // The still of frames first..last as the core stacks the window's scene.
  LongExposure Expected(StackMode mode, int first, int last) {
    const Scene scene = access().launchSession().scene(
        mainWindow().document(), SceneTarget::Export(mainWindow().document().options()));
    return *DrawLongExposure(scene, first, last, mode);
  }
};

TEST_F(LongExposureExportTest, TheDialogsChoicesStackTheNextLaunchIntoOnePicture) {
  QAction* action = Child<QAction>(mainWindow(), "actionExportLongExposure");
  EXPECT_EQ(action->text(), QStringLiteral("長時間露光で書き出す(&L)..."));
  const std::string file = scratch_.File("lighten.png");
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    Child<QComboBox>(dialog, "modeCombo")->setCurrentIndex(1);    // lighten
    Child<QComboBox>(dialog, "formatCombo")->setCurrentIndex(1);  // PNG, 16 bits
    Child<QSpinBox>(dialog, "firstFrameSpin")->setValue(3);
    Child<QSpinBox>(dialog, "lastFrameSpin")->setValue(9);
    Child<QLineEdit>(dialog, "fileEdit")->setText(QString::fromStdString(file));
    Child<QPushButton>(dialog, "okButton")->click();
  });
  action->trigger();
  ASSERT_TRUE(ExportEnded());
  EXPECT_TRUE(MessageBox::shown().empty());
  const LongExposure still = Expected(StackMode::kLighten, 3, 9);
  const QImage written(QString::fromStdString(file));
  ASSERT_EQ(written.size(), QSize(kWidth, kHeight));
  ASSERT_EQ(written.depth(), 64);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const QRgba64 pixel = written.pixelColor(x, y).rgba64();
      const uint16_t* values = &still.rgb16[3 * static_cast<std::size_t>(y * kWidth + x)];
      ASSERT_EQ((std::array<int, 3>{pixel.red(), pixel.green(), pixel.blue()}),
                (std::array<int, 3>{values[0], values[1], values[2]}))
          << x << "," << y;
    }
  }
  // The dialog proposes the last choices again; the format names the file.
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    EXPECT_EQ(Child<QComboBox>(dialog, "modeCombo")->currentIndex(), 1);
    EXPECT_EQ(Child<QSpinBox>(dialog, "firstFrameSpin")->value(), 3);
    EXPECT_EQ(Child<QSpinBox>(dialog, "lastFrameSpin")->value(), 9);
    Child<QComboBox>(dialog, "formatCombo")->setCurrentIndex(2);  // BMP
    EXPECT_EQ(Child<QLineEdit>(dialog, "fileEdit")->text(),
              QString::fromStdString(scratch_.File("lighten.bmp")));
    dialog.reject();
  });
  action->trigger();
  EXPECT_FALSE(mainWindow().findChild<QProgressDialog*>(QStringLiteral("exportProgress")));
}

}  // namespace
}  // namespace kirabel::testing
