// The option commands and small dialog commands of the main window, driven
// through its menu items with the real dialogs, viewer and space buffer.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "image/picture.h"
#include "platform/errors.h"
#include "platform/memory_info.h"
#include "simulation/space_buffer.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/resolution_dialog.h"
#include "ui/dialogs/threshold_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/services/help_viewer.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"
#include "ui/widgets/numeric_field.h"
#include "ui/widgets/particle_grid.h"
#include "ui/widgets/space_viewer.h"
#include "ui_support/child_widget.h"
#include "ui_support/main_window_test_access.h"

namespace kirabel {
namespace {

class OptionsTest : public ::testing::Test {
 protected:
  OptionsTest() {
    MessageBox::setTestMode(true);
    MessageBox::clearRecord();
    ModalRunner::clearHandlers();
    window_.show();
    window_.applyResolution(512, 512);
  }
  ~OptionsTest() override {
    ModalRunner::clearHandlers();
    HelpViewer::setOpener(nullptr);
    MessageBox::clearRecord();
    viewer_.setCloseAllowed(true);
  }

  void settleLayout() {
    window_.centralWidget()->layout()->activate();
    QApplication::processEvents();
  }
  // Answers the resolution dialog with the given size and the given button.
  void answerResolution(int width, int height, bool ok) {
    ModalRunner::setNextHandler([=](QDialog& dialog) {
      auto& form4 = static_cast<ResolutionDialog&>(dialog);
      testing::Child<NumericField>(form4, "widthEdit")->setValue(width);
      testing::Child<NumericField>(form4, "heightEdit")->setValue(height);
      (ok ? testing::Child<QPushButton>(form4, "okButton")
          : testing::Child<QPushButton>(form4, "cancelButton"))
          ->click();
    });
  }
  bool pictureIsBlack() {
    Picture& picture = viewer_.picture();
    const uint8_t* bits = picture.Bits();
    const size_t size = static_cast<size_t>(picture.RowBytes()) * picture.Height();
    return std::all_of(bits, bits + size, [](uint8_t b) { return b == 0; });
  }

  SpaceViewer viewer_;  // before the window that draws into it
  MainWindow window_{&viewer_};
  MainWindowTestAccess access_{window_};
};

TEST_F(OptionsTest, ToolBarItemShowsAndHidesTheToolBarWithTheGridFollowing) {
  settleLayout();
  ASSERT_TRUE(testing::Child<QAction>(window_, "actionShowToolBar")->isChecked());
  ASSERT_TRUE(testing::Child<QToolBar>(window_, "toolBar")->isVisible());
  const int shownTop = testing::Child<ParticleGrid>(window_, "grid")->y();

  testing::Child<QAction>(window_, "actionShowToolBar")->trigger();
  settleLayout();
  EXPECT_FALSE(testing::Child<QAction>(window_, "actionShowToolBar")->isChecked());
  EXPECT_FALSE(testing::Child<QToolBar>(window_, "toolBar")->isVisible());
  EXPECT_EQ(testing::Child<ParticleGrid>(window_, "grid")->y(),
            shownTop - testing::Child<QToolBar>(window_, "toolBar")->height());

  testing::Child<QAction>(window_, "actionShowToolBar")->trigger();
  settleLayout();
  EXPECT_TRUE(testing::Child<QAction>(window_, "actionShowToolBar")->isChecked());
  EXPECT_TRUE(testing::Child<QToolBar>(window_, "toolBar")->isVisible());
  EXPECT_EQ(testing::Child<ParticleGrid>(window_, "grid")->y(), shownTop);
}

TEST_F(OptionsTest, ColumnFittingActsAtTheNextResizeOnly) {
  if (testing::Child<QAction>(window_, "actionFitColumns")->isChecked())
    testing::Child<QAction>(window_, "actionFitColumns")->trigger();
  ASSERT_FALSE(window_.document().options().fitColumns);
  window_.resize(700, 300);
  QApplication::processEvents();
  const int before = testing::Child<ParticleGrid>(window_, "grid")->columnWidth(0);

  testing::Child<QAction>(window_, "actionFitColumns")->trigger();
  EXPECT_TRUE(window_.document().options().fitColumns);
  EXPECT_TRUE(testing::Child<QAction>(window_, "actionFitColumns")->isChecked());
  EXPECT_EQ(testing::Child<ParticleGrid>(window_, "grid")->columnWidth(0), before);

  window_.resize(900, 300);
  QApplication::processEvents();
  const auto fitted = ParticleGrid::fittedWidths(
      testing::Child<ParticleGrid>(window_, "grid")->fontMetrics(), window_.width());
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(testing::Child<ParticleGrid>(window_, "grid")->columnWidth(i), fitted[i]) << i;

  testing::Child<QAction>(window_, "actionFitColumns")->trigger();
  EXPECT_FALSE(window_.document().options().fitColumns);
  window_.resize(640, 300);
  QApplication::processEvents();
  EXPECT_EQ(testing::Child<ParticleGrid>(window_, "grid")->columnWidth(0), fitted[0]);
}

TEST_F(OptionsTest, RenderingFlagsFollowTheirCheckMarks) {
  ASSERT_FALSE(window_.document().options().antiAliasing);
  ASSERT_FALSE(window_.document().options().wrapSpace);
  testing::Child<QAction>(window_, "actionAntiAliasing")->trigger();
  EXPECT_TRUE(window_.document().options().antiAliasing);
  EXPECT_TRUE(testing::Child<QAction>(window_, "actionAntiAliasing")->isChecked());
  testing::Child<QAction>(window_, "actionWrapSpace")->trigger();
  EXPECT_TRUE(window_.document().options().wrapSpace);
  EXPECT_TRUE(testing::Child<QAction>(window_, "actionWrapSpace")->isChecked());
  testing::Child<QAction>(window_, "actionAntiAliasing")->trigger();
  testing::Child<QAction>(window_, "actionWrapSpace")->trigger();
  EXPECT_FALSE(window_.document().options().antiAliasing);
  EXPECT_FALSE(window_.document().options().wrapSpace);
}

TEST_F(OptionsTest, ResolutionDialogGivesABlackPictureOfTheNewSize) {
  int presetX = -1, presetY = -1;
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    auto& form4 = static_cast<ResolutionDialog&>(dialog);
    presetX = static_cast<int>(testing::Child<NumericField>(form4, "widthEdit")->value());
    presetY = static_cast<int>(testing::Child<NumericField>(form4, "heightEdit")->value());
    testing::Child<NumericField>(form4, "widthEdit")->setValue(640);
    testing::Child<NumericField>(form4, "heightEdit")->setValue(480);
    testing::Child<QPushButton>(form4, "okButton")->click();
  });
  testing::Child<QAction>(window_, "actionResolution")->trigger();
  EXPECT_EQ(presetX, 512);
  EXPECT_EQ(presetY, 512);
  EXPECT_EQ(window_.document().options().resolutionWidth, 640);
  EXPECT_EQ(window_.document().options().resolutionHeight, 480);
  ASSERT_NE(access_.launchSession().space(), nullptr);
  EXPECT_EQ(access_.launchSession().space()->Width(), 640);
  EXPECT_EQ(access_.launchSession().space()->Height(), 480);
  EXPECT_EQ(viewer_.picture().Width(), 640);
  EXPECT_EQ(viewer_.picture().Height(), 480);
  EXPECT_EQ(viewer_.pictureView->size(), QSize(640, 480));
  EXPECT_TRUE(pictureIsBlack());
  // Fitted: the window takes the picture size when the screen has room for it.
  EXPECT_EQ(viewer_.size(), QSize(640, 480));
}

TEST_F(OptionsTest, UnchangedResolutionStillRebuildsAndClears) {
  access_.launchSession().space()->SetValue(0, 3, 3, 40000);
  viewer_.picture().Bits()[0] = 0xff;
  answerResolution(512, 512, true);
  testing::Child<QAction>(window_, "actionResolution")->trigger();
  ASSERT_EQ(access_.launchSession().space()->Width(), 512);
  ASSERT_EQ(access_.launchSession().space()->Height(), 512);
  EXPECT_EQ(access_.launchSession().space()->GetValue(0, 3, 3), 0);
  EXPECT_TRUE(pictureIsBlack());
}

TEST_F(OptionsTest, CancelledResolutionChangesNothing) {
  viewer_.picture().Bits()[0] = 0xff;
  const SpaceBuffer* space = access_.launchSession().space().get();
  answerResolution(100, 100, false);
  testing::Child<QAction>(window_, "actionResolution")->trigger();
  EXPECT_EQ(access_.launchSession().space().get(), space);
  EXPECT_EQ(window_.document().options().resolutionWidth, 512);
  EXPECT_EQ(viewer_.picture().Bits()[0], 0xff);
}

TEST_F(OptionsTest, EmptyResolutionIsAccepted) {
  answerResolution(0, 0, true);
  testing::Child<QAction>(window_, "actionResolution")->trigger();
  ASSERT_NE(access_.launchSession().space(), nullptr);
  EXPECT_EQ(access_.launchSession().space()->Width(), 0);
  EXPECT_EQ(viewer_.picture().Width(), 0);
  EXPECT_TRUE(MessageBox::shown().empty());
  viewer_.repaintPicture();
  answerResolution(8, 0, true);
  testing::Child<QAction>(window_, "actionResolution")->trigger();
  EXPECT_EQ(access_.launchSession().space()->Width(), 8);
  EXPECT_EQ(access_.launchSession().space()->Height(), 0);
}

// Beyond what can be addressed, and beyond what the machine has available
// (checked before anything is touched, so the kernel never has to kill us).
TEST_F(OptionsTest, ResolutionThatCannotBeHadLeavesAValidEmptySpace) {
  const struct {
    int32_t size;
    std::optional<uint64_t> available;
  } cases[] = {{100000, std::nullopt}, {9999, uint64_t{200} << 20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    SetAvailableMemoryForTesting(c.available);
    EXPECT_THROW(window_.applyResolution(c.size, c.size), OutOfMemoryError);
    SetAvailableMemoryForTesting(std::nullopt);
    ASSERT_NE(access_.launchSession().space(), nullptr);
    EXPECT_EQ(access_.launchSession().space()->Width(), 0);
    EXPECT_EQ(access_.launchSession().space()->Height(), 0);
    EXPECT_EQ(viewer_.picture().Width() * viewer_.picture().Height(), 0);
    EXPECT_EQ(window_.document().options().resolutionWidth, 0);
    EXPECT_EQ(window_.document().options().resolutionHeight, 0);
    window_.applyResolution(64, 32);
    EXPECT_EQ(access_.launchSession().space()->Width(), 64);
    EXPECT_EQ(viewer_.picture().Height(), 32);
  }
}

TEST_F(OptionsTest, ResolutionCommandIsDisabledDuringALaunch) {
  EXPECT_TRUE(testing::Child<QAction>(window_, "actionResolution")->isEnabled());
  access_.setBusy(true);
  EXPECT_FALSE(testing::Child<QAction>(window_, "actionResolution")->isEnabled());
  access_.setBusy(false);
  EXPECT_TRUE(testing::Child<QAction>(window_, "actionResolution")->isEnabled());
}

TEST_F(OptionsTest, WarningThresholdRoundTrip) {
  long double preset = 0;
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    auto& form7 = static_cast<ThresholdDialog&>(dialog);
    preset = testing::Child<NumericField>(form7, "thresholdEdit")->value();
    testing::Child<NumericField>(form7, "thresholdEdit")->setValue(5000);
    testing::Child<QPushButton>(form7, "okButton")->click();
  });
  testing::Child<QAction>(window_, "actionWarningThreshold")->trigger();
  EXPECT_EQ(preset, 10000.0L);
  EXPECT_EQ(window_.document().options().warningThreshold, 5000);

  ModalRunner::setNextHandler([&](QDialog& dialog) {
    auto& form7 = static_cast<ThresholdDialog&>(dialog);
    preset = testing::Child<NumericField>(form7, "thresholdEdit")->value();
    testing::Child<NumericField>(form7, "thresholdEdit")->setValue(7000);
    testing::Child<QPushButton>(form7, "cancelButton")->click();
  });
  testing::Child<QAction>(window_, "actionWarningThreshold")->trigger();
  EXPECT_EQ(preset, 5000.0L);
  EXPECT_EQ(window_.document().options().warningThreshold, 5000);
}

TEST_F(OptionsTest, HelpOpensThePageOrSaysItIsMissing) {
  QList<QUrl> opened;
  HelpViewer::setOpener([&](const QUrl& url) {
    opened.append(url);
    return true;
  });
  testing::Child<QAction>(window_, "actionHelp")->trigger();
  if (HelpViewer::find(QApplication::applicationFilePath()).isEmpty()) {
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(MessageBox::shown().size(), 1u);
    EXPECT_EQ(MessageBox::shown()[0].kind, MsgKind::Warning);
  } else {
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].fragment(), QStringLiteral("HID00000001"));
  }
  EXPECT_EQ(testing::Child<QAction>(window_, "actionHelp")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(OptionsTest, AboutShowsTheAboutBox) {
  QDialog* shown = nullptr;
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    shown = &dialog;
    testing::Child<QPushButton>(dialog, "okButton")->click();
  });
  testing::Child<QAction>(window_, "actionAbout")->trigger();
  ASSERT_NE(qobject_cast<AboutDialog*>(shown), nullptr);
  EXPECT_FALSE(shown->isVisible());
}

}  // namespace
}  // namespace kirabel
