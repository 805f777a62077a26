#pragma once
// A main window with its viewer, as start-up wires it,
// with every seam in test mode: message boxes answer from a queue, file
// dialogs and the colour chooser from setNext..., and the properties dialog is
// played through ModalRunner on its real widgets.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QToolButton>
#include <functional>
#include <string>
#include <vector>

#include "ui/dialogs/particle_set_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/services/color_dialog_service.h"
#include "ui/services/file_dialog_service.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"
#include "ui/widgets/particle_grid.h"
#include "ui/widgets/space_viewer.h"
#include "ui_support/child_widget.h"
#include "ui_support/main_window_test_access.h"

namespace kirabel::testing {

class MainWindowFixture : public ::testing::Test {
 protected:
  MainWindowFixture() {
    MessageBox::setTestMode(true);
    MessageBox::clearRecord();
    ModalRunner::clearHandlers();
    FileDialogService::clearAnswers();
    FileDialogService::clearRequests();
    ColorDialogService::clearAnswers();
    window_.show();
  }
  ~MainWindowFixture() override {
    ModalRunner::clearHandlers();
    FileDialogService::clearAnswers();
    ColorDialogService::clearAnswers();
    MessageBox::clearRecord();
    viewer_.setCloseAllowed(true);
  }

  // Plays the properties dialog once: `fill` acts on its widgets, then OK
  // (or Cancel) is pressed.
  void answerDialog(std::function<void(ParticleSetDialog&)> fill, bool ok = true) {
    ModalRunner::setNextHandler([fill, ok](QDialog& shown) {
      auto& dialog = static_cast<ParticleSetDialog&>(shown);
      if (fill) fill(dialog);
      (ok ? testing::Child<QPushButton>(dialog, "okButton")
          : testing::Child<QPushButton>(dialog, "cancelButton"))
          ->click();
    });
  }

  // Adds a set through the tool button with the given name and child choice.
  void addSet(const QString& name, int child = -1) {
    answerDialog([=](ParticleSetDialog& dialog) {
      testing::Child<QLineEdit>(dialog, "nameEdit")->setText(name);
      testing::Child<QComboBox>(dialog, "childSetCombo")->setCurrentIndex(child + 1);
    });
    testing::Child<QToolButton>(window_, "addSetButton")->click();
  }

  void selectRow(int row) { testing::Child<ParticleGrid>(window_, "grid")->setSelectedRow(row); }

  std::vector<std::string> names() const {
    std::vector<std::string> result;
    for (const ParticleSet& set : window_.document().sets()) result.push_back(set.name);
    return result;
  }
  std::vector<int32_t> children() const {
    std::vector<int32_t> result;
    for (const ParticleSet& set : window_.document().sets()) result.push_back(set.child);
    return result;
  }
  // The child choices the properties dialog offers.
  QStringList childChoices() const {
    QStringList items;
    const QAbstractItemModel* choices = access_.childChoices();
    for (int row = 0; row < choices->rowCount(); ++row)
      items << choices->index(row, 0).data().toString();
    return items;
  }
  // The grid, the child choice list and the list agree.
  void expectInStep() const {
    EXPECT_EQ(testing::Child<ParticleGrid>(window_, "grid")->rowCount(),
              static_cast<int>(window_.document().sets().size()) + 2);
    QStringList expected{QStringLiteral("(なし)")};
    for (const std::string& name : names()) expected << QString::fromStdString(name);
    EXPECT_EQ(childChoices(), expected);
  }

  SpaceViewer viewer_;  // before the window that draws into it
  MainWindow window_{&viewer_};
  MainWindowTestAccess access_{window_};
};

}  // namespace kirabel::testing
