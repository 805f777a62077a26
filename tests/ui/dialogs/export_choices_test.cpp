// The export dialog's choices beside the frame rate: transparency, quality
// and chroma only where the format takes them, numbered OpenEXR frames, and a
// choice shown again as it was made.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "ui/dialogs/export_dialog.h"
#include "ui_support/child_widget.h"

namespace kirabel::testing {
namespace {

TEST(ExportDialogChoices, FormatsEnableWhatTheyTake) {
  ExportDialog dialog;
  ExportChoice shown;
  shown.path = "show.gif";
  dialog.setChoice(shown, 10);
  auto* format = Child<QComboBox>(dialog, "formatCombo");
  const struct {
    int index;
    bool alpha, quality;
    const char* path;
  } rows[] = {
      {0, false, false, "show.gif"}, {1, true, false, "show.apng"}, {2, true, true, "show.webm"},
      {3, false, true, "show.mp4"},  {4, true, false, "show.mov"},  {5, false, false, "show.exr"},
  };
  for (const auto& row : rows) {
    format->setCurrentIndex(row.index);
    EXPECT_EQ(Child<QCheckBox>(dialog, "alphaCheck")->isEnabled(), row.alpha) << row.path;
    EXPECT_EQ(Child<QSpinBox>(dialog, "qualitySpin")->isEnabled(), row.quality) << row.path;
    EXPECT_EQ(Child<QComboBox>(dialog, "chromaCombo")->isEnabled(), row.quality) << row.path;
    EXPECT_EQ(Child<QLineEdit>(dialog, "fileEdit")->text(), row.path);
    EXPECT_EQ(dialog.choice().exrFrames, row.index == 5) << row.path;
  }
}

TEST(ExportDialogChoices, AChoiceComesBackAsMade) {
  for (const std::optional<int> quality :
       {std::optional<int>(), std::optional<int>(0), std::optional<int>(85)}) {
    ExportDialog dialog;
    ExportChoice shown;
    shown.format = AnimationFormat::kWebm;
    shown.withAlpha = true;
    shown.video.quality = quality;
    shown.video.chroma = ChromaSampling::k444;
    shown.path = "show.webm";
    dialog.setChoice(shown, 10);
    const ExportChoice made = dialog.choice();
    EXPECT_EQ(made.format, AnimationFormat::kWebm);
    EXPECT_TRUE(made.withAlpha);
    EXPECT_EQ(made.video.quality, quality);
    EXPECT_EQ(made.video.chroma, ChromaSampling::k444);
  }
}

}  // namespace
}  // namespace kirabel::testing
