// The Look command: the dialog's changes show in the window's scenes while it
// is open, OK keeps them as one step of the history, Cancel goes back, and a
// sky photo that cannot be read is told once and left out.
#include <QAction>
#include <QRadioButton>

#include "simulation/frame_developer.h"
#include "ui/dialogs/look_dialog.h"
#include "ui/launch/launch_session.h"
#include "ui/widgets/numeric_field.h"
#include "ui_support/main_window_fixture.h"

namespace kirabel {
namespace {

class LookCommandTest : public testing::MainWindowFixture {
 protected:
  // Plays the Look dialog once: the film light with `exposure`, then `button`.
  void editLook(double exposure, const char* button, const std::string& photo = std::string()) {
    ModalRunner::setNextHandler([=](QDialog& dialog) {
      testing::Child<QRadioButton>(dialog, "filmButton")->click();
      testing::Child<NumericField>(dialog, "exposureEdit")->setValue(exposure);
      if (!photo.empty()) {
        FileDialogService::setNextFileName(QString::fromStdString(photo));
        testing::Child<QPushButton>(dialog, "browseButton")->click();
      }
      triedOut_ = access_.launchSession().look();
      testing::Child<QPushButton>(dialog, button)->click();
    });
    testing::Child<QAction>(window_, "actionLook")->trigger();
  }

  Look triedOut_;
};

TEST_F(LookCommandTest, OkKeepsTheLookAsOneStepAndCancelChangesNothing) {
  Document& document = window_.document();
  editLook(2, "cancelButton");
  EXPECT_TRUE(triedOut_.Film() && triedOut_.exposure == 2) << "tried out while open";
  EXPECT_TRUE(document.look() == Look());
  EXPECT_FALSE(document.modified());
  EXPECT_TRUE(access_.launchSession().look() == Look()) << "back to the document's";
  EXPECT_EQ(access_.launchSession().developer(), nullptr);

  editLook(1.5, "okButton");
  EXPECT_TRUE(document.look().Film());
  EXPECT_EQ(document.look().exposure, 1.5);
  EXPECT_EQ(document.history().count(), 1);
  ASSERT_NE(access_.launchSession().developer(), nullptr);
  EXPECT_TRUE(access_.launchSession().developer()->GetLook() == document.look());
  document.history().undo();
  EXPECT_EQ(access_.launchSession().developer(), nullptr) << "undone: classic again";
}

TEST_F(LookCommandTest, AnUnreadablePhotoIsToldOnceAndLeftOut) {
  const std::string photo = "/nonexistent/sky.png";
  editLook(0, "okButton", photo);
  EXPECT_EQ(window_.document().look().skyPhoto, photo) << "kept, so that saving loses nothing";
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_TRUE(MessageBox::shown()[0].text.contains(QString::fromStdString(photo)));
  ASSERT_NE(access_.launchSession().developer(), nullptr);
  EXPECT_TRUE(access_.launchSession().developer()->GetLook().Film());
}

}  // namespace
}  // namespace kirabel
