// The export dialog's frame rate (a whole number, a decimal or N/D, as video
// work writes it) and the refusal of an animation of a space without pixels.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include "ui/dialogs/export_dialog.h"
#include "ui_support/child_widget.h"
#include "ui_support/document_edits.h"
#include "ui_support/launch_scene.h"
#include "ui_support/started_app_fixture.h"

namespace kirabel::testing {
namespace {

TEST(ExportDialogRate, TakesTypedRatesAndKeepsOkForReadableOnes) {
  ExportDialog dialog;
  ExportChoice shown;
  shown.rate = {24000, 1001};
  shown.path = "show.mp4";
  dialog.setChoice(shown, 10);
  auto* rate = Child<QComboBox>(dialog, "rateCombo");
  auto* ok = Child<QPushButton>(dialog, "okButton");
  EXPECT_EQ(rate->currentText(), QStringLiteral("23.976"));
  const std::pair<const char*, std::optional<FrameRate>> typed[] = {
      {"29.97", FrameRate{30000, 1001}},
      {"30000/1001", FrameRate{30000, 1001}},
      {"12.5", FrameRate{25, 2}},
      {"60", FrameRate{60, 1}},
      {"0", std::nullopt},
      {"fast", std::nullopt}};
  for (const auto& [text, expected] : typed) {
    rate->setEditText(QString::fromLatin1(text));
    EXPECT_EQ(ok->isEnabled(), expected.has_value()) << text;
    if (expected) {
      EXPECT_EQ(dialog.choice().rate, *expected) << text;
    }
  }
}

class ExportRefusalTest : public StartedAppFixture {
 protected:
  ExportRefusalTest() {
    Start();
    mainWindow().document().apply(AppendSetCommand(Burst()));
  }
};

TEST_F(ExportRefusalTest, ASpaceWithoutPixelsIsRefusedBeforeTheDialog) {
  for (const auto& [width, height] : {std::pair{0, 64}, std::pair{64, 0}}) {
    MessageBox::clearRecord();
    mainWindow().applyResolution(width, height);
    bool dialogShown = false;
    ModalRunner::setNextHandler([&](QDialog& dialog) {
      dialogShown = true;
      dialog.reject();
    });
    testing::Child<QAction>(mainWindow(), "actionExportAnimation")->trigger();
    ModalRunner::clearHandlers();
    EXPECT_FALSE(dialogShown);
    ASSERT_EQ(MessageBox::shown().size(), 1u);
    EXPECT_EQ(MessageBox::shown().front().text,
              QStringLiteral("空間の解像度が %1x%2 ではアニメーションを書き出せません。"
                             "幅と高さを 1 以上にしてください")
                  .arg(width)
                  .arg(height));
  }
}

}  // namespace
}  // namespace kirabel::testing
