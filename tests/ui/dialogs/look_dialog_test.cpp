// The Look dialog: what it is given comes back, the film's fields are off
// for the classic light, and every change is announced at once.
#include "ui/dialogs/look_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "ui/services/color_dialog_service.h"
#include "ui/services/file_dialog_service.h"
#include "ui/widgets/color_swatch.h"
#include "ui/widgets/numeric_field.h"
#include "ui_support/child_widget.h"

namespace kirabel {
namespace {

Look FilmLook() {
  Look look;
  look.light = Look::Light::kFilm;
  look.exposure = -1.5;
  look.glow = 0.75;
  look.glowRadius = 3;
  look.starSize = 2.5;
  look.skyTop = {0, 8, 32};
  look.skyBottom = {40, 20, 60};
  look.skyPhoto = "/photos/sky.jpg";
  look.skyGlow = 0.5;
  return look;
}

class LookDialogTest : public ::testing::Test {
 protected:
  LookDialogTest() {
    ColorDialogService::clearAnswers();
    FileDialogService::clearAnswers();
  }
  ~LookDialogTest() override {
    ColorDialogService::clearAnswers();
    FileDialogService::clearAnswers();
  }
  template <typename Widget>
  Widget* child(const char* name) {
    return testing::Child<Widget>(dialog_, name);
  }

  LookDialog dialog_;
};

TEST_F(LookDialogTest, ALookComesBackAsItWasGiven) {
  for (const Look& look : {Look(), FilmLook()}) {
    dialog_.setLook(look);
    EXPECT_TRUE(dialog_.look() == look);
  }
}

TEST_F(LookDialogTest, TheFilmsFieldsAreOffForTheClassicLight) {
  const char* filmOnly[] = {"exposureEdit", "glowEdit",     "glowRadiusEdit",
                            "starSizeEdit", "skyTopSwatch", "skyBottomSwatch",
                            "browseButton", "skyGlowEdit",  "clearPhotoButton"};
  dialog_.setLook(FilmLook());
  for (const char* name : filmOnly) EXPECT_TRUE(child<QWidget>(name)->isEnabled()) << name;
  child<QRadioButton>("classicButton")->click();
  for (const char* name : filmOnly) EXPECT_FALSE(child<QWidget>(name)->isEnabled()) << name;
  EXPECT_FALSE(dialog_.look().Film());
  EXPECT_EQ(dialog_.look().exposure, -1.5) << "the film's values stay for later";
}

TEST_F(LookDialogTest, EachChangeIsAnnouncedAndHeldToItsLimits) {
  dialog_.setLook(FilmLook());
  std::vector<Look> edits;
  QObject::connect(&dialog_, &LookDialog::lookEdited,
                   [&](const Look& look) { edits.push_back(look); });
  child<NumericField>("exposureEdit")->setValue(-25);
  ColorDialogService::setNextColor(QColor(1, 2, 3));
  emit child<ColorSwatch>("skyBottomSwatch")->activated();
  child<QPushButton>("clearPhotoButton")->click();
  FileDialogService::setNextFileName(QStringLiteral("/photos/moon.png"));
  child<QPushButton>("browseButton")->click();

  ASSERT_GE(edits.size(), 4u);
  const Look last = edits.back();
  EXPECT_EQ(last.exposure, -10);
  EXPECT_EQ(last.skyBottom, (SkyColour{1, 2, 3}));
  EXPECT_EQ(last.skyPhoto, "/photos/moon.png");
  EXPECT_TRUE(dialog_.look() == last);
  EXPECT_EQ(child<QLineEdit>("photoEdit")->text(), QStringLiteral("/photos/moon.png"));
}

}  // namespace
}  // namespace kirabel
