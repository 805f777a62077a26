#pragma once
// A main window with its viewer and properties dialog, as start-up wires them,
// with every seam in test mode: message boxes answer from a queue, file
// dialogs and the colour chooser from setNext..., and the properties dialog is
// played through ModalRunner on its real widgets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "image/space_viewer.h"
#include "ui/color_dialog_service.h"
#include "ui/file_dialog_service.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/modal_runner.h"
#include "ui/particle_grid.h"
#include "ui/properties_dialog.h"

namespace kirabel::testing {

class MainWindowFixture : public ::testing::Test {
 protected:
  MainWindowFixture() {
    MessageBox::SetTestMode(true);
    MessageBox::ClearRecord();
    ModalRunner::clearHandlers();
    FileDialogService::clearAnswers();
    FileDialogService::clearRequests();
    ColorDialogService::clearAnswers();
    form_.Form2 = &viewer_;
    form_.Form3 = &dialog_;
    form_.RebuildChildList();
    form_.show();
  }
  ~MainWindowFixture() override {
    ModalRunner::clearHandlers();
    FileDialogService::clearAnswers();
    ColorDialogService::clearAnswers();
    MessageBox::ClearRecord();
    viewer_.SetCloseAllowed(true);
  }

  // Plays the properties dialog once: `fill` acts on its widgets, then OK
  // (or Cancel) is pressed.
  void answerDialog(std::function<void(TForm3&)> fill, bool ok = true) {
    ModalRunner::setNextHandler([fill, ok](QDialog& shown) {
      auto& dialog = static_cast<TForm3&>(shown);
      if (fill) fill(dialog);
      (ok ? dialog.BitBtn4 : dialog.BitBtn1)->click();
    });
  }

  // Adds a set through the tool button with the given name and child choice.
  void addSet(const QString& name, int child = -1) {
    answerDialog([=](TForm3& dialog) {
      dialog.Edit1->setText(name);
      dialog.ComboBox1->setCurrentIndex(child + 1);
    });
    form_.SpeedButton3->click();
  }

  void selectRow(int row) { form_.DrawGrid1->SetRow(row); }

  std::vector<std::string> names() const {
    std::vector<std::string> result;
    for (const TParticle& set : form_.List) result.push_back(set.name);
    return result;
  }
  std::vector<int32_t> children() const {
    std::vector<int32_t> result;
    for (const TParticle& set : form_.List) result.push_back(set.child);
    return result;
  }
  QStringList childChoices() const {
    QStringList items;
    for (int i = 0; i < dialog_.ComboBox1->count(); ++i) items << dialog_.ComboBox1->itemText(i);
    return items;
  }
  // The grid, the child choice list and the list agree.
  void expectInStep() const {
    EXPECT_EQ(form_.RowCount(), static_cast<int>(form_.List.size()) + 2);
    QStringList expected{QStringLiteral("(なし)")};
    for (const std::string& name : names()) expected << QString::fromStdString(name);
    EXPECT_EQ(childChoices(), expected);
  }

  TForm1 form_;
  TForm2 viewer_;
  TForm3 dialog_;
};

}  // namespace kirabel::testing
