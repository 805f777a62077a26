#pragma once
// The whole set of windows as the program creates them at start-up, with a
// settings file in a scratch folder, message boxes and modal dialogs answered
// by the tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <memory>

#include "support/scratch_folder.h"
#include "ui/main_window/kirabel_application.h"
#include "ui/main_window/main_window.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"
#include "ui/widgets/space_viewer.h"
#include "ui_support/main_window_test_access.h"

namespace kirabel::testing {

class StartedAppFixture : public ::testing::Test {
 protected:
  StartedAppFixture() {
    MessageBox::setTestMode(true);
    MessageBox::clearRecord();
    ModalRunner::clearHandlers();
  }
  ~StartedAppFixture() override {
    if (app_) app_->viewer().setCloseAllowed(true);
    app_.reset();
    ModalRunner::clearHandlers();
    MessageBox::clearRecord();
  }

  // Creates the windows and reads the settings file (missing unless written
  // before), with the given command line and colour depth.
  void Start(const QStringList& arguments = {QStringLiteral("kirabel")}, int depth = 24) {
    app_ = std::make_unique<KirabelApplication>(settingsPath());
    app_->createWindows();
    app_->readSettings(arguments, depth);
  }
  // Starts a launch and waits for its end (frames are drawn in the background).
  void LaunchAndWait() {
    access().launch();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !access().launchSession().launching(); }, 30000));
  }
  std::string settingsPath() const { return scratch_.File("Kirabel.INI"); }
  MainWindow& mainWindow() { return app_->mainWindow(); }
  MainWindowTestAccess access() { return MainWindowTestAccess(mainWindow()); }
  SpaceViewer& viewer() { return app_->viewer(); }

  ScratchFolder scratch_;
  std::unique_ptr<KirabelApplication> app_;
};

}  // namespace kirabel::testing
