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
#include <filesystem>

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
  struct Case {
    int mode;    // the selector's row: 0 add, 1 lighten
    int format;  // 0 PNG, 1 PNG 16-bit, 2 BMP
    int first, last;
    const char* file;
  };
  const Case cases[] = {{1, 1, 3, 9, "lighten.png"}, {0, 0, 2, 12, "add.png"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string file = scratch_.File(c.file);
    ModalRunner::setNextHandler([=](QDialog& dialog) {
      Child<QComboBox>(dialog, "modeCombo")->setCurrentIndex(c.mode);
      Child<QComboBox>(dialog, "formatCombo")->setCurrentIndex(c.format);
      Child<QSpinBox>(dialog, "firstFrameSpin")->setValue(c.first);
      Child<QSpinBox>(dialog, "lastFrameSpin")->setValue(c.last);
      Child<QLineEdit>(dialog, "fileEdit")->setText(QString::fromStdString(file));
      Child<QPushButton>(dialog, "okButton")->click();
    });
    action->trigger();
    ASSERT_TRUE(ExportEnded());
    EXPECT_TRUE(MessageBox::shown().empty());
    const LongExposure still =
        Expected(c.mode == 0 ? StackMode::kAdd : StackMode::kLighten, c.first, c.last);
    const QImage written(QString::fromStdString(file));
    ASSERT_EQ(written.size(), QSize(kWidth, kHeight));
    EXPECT_EQ(written.depth() == 64, c.format == 1);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const QRgba64 pixel = written.pixelColor(x, y).rgba64();
        const uint16_t* values = still.values.Pixel(x, y);
        const uint8_t* bytes = still.picture.Row(y) + 3 * x;
        if (c.format == 1) {
          ASSERT_EQ(pixel.red(), values[0]) << x << "," << y;
          ASSERT_EQ(pixel.blue(), values[2]) << x << "," << y;
        } else {
          ASSERT_EQ(written.pixel(x, y), qRgb(bytes[2], bytes[1], bytes[0])) << x << "," << y;
        }
      }
    }
  }
  // The dialog proposes the last choices again; the format names the file.
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    EXPECT_EQ(Child<QComboBox>(dialog, "modeCombo")->currentIndex(), 0);
    EXPECT_EQ(Child<QSpinBox>(dialog, "firstFrameSpin")->value(), 2);
    EXPECT_EQ(Child<QSpinBox>(dialog, "lastFrameSpin")->value(), 12);
    Child<QComboBox>(dialog, "formatCombo")->setCurrentIndex(2);
    EXPECT_EQ(Child<QLineEdit>(dialog, "fileEdit")->text(),
              QString::fromStdString(scratch_.File("add.bmp")));
    dialog.reject();
  });
  action->trigger();
  EXPECT_FALSE(mainWindow().findChild<QProgressDialog*>(QStringLiteral("exportProgress")));
}

}  // namespace
}  // namespace kirabel::testing
