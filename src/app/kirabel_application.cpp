#include "app/kirabel_application.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <stdexcept>

#include "image/space_viewer.h"
#include "platform/errors.h"
#include "ui/about_dialog.h"
#include "ui/launch_settings_dialog.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/properties_dialog.h"
#include "ui/resolution_dialog.h"
#include "ui/threshold_dialog.h"
#include "ui/window_placement.h"

namespace kirabel {

const char kColourDepthQuestion[] =
    "３万色以上の環境でのご使用をお勧めしますが、起動しても良いですか？";

bool ConfirmColourDepth(int depth, QWidget* parent) {
  if (depth > 8) return true;
  MessageBox::Beep();
  return MessageBox::Confirm(parent, QString::fromUtf8(kColourDepthQuestion));
}

std::string CommandLineFile(const QStringList& arguments) {
  if (arguments.size() < 2 || arguments.at(1).isEmpty()) return std::string();
  return QDir::current().absoluteFilePath(arguments.at(1)).toStdString();
}

KirabelApplication::KirabelApplication(std::string settingsPath)
    : settingsPath_(std::move(settingsPath)) {}

KirabelApplication::~KirabelApplication() {
  // The dialogs and the viewer go before the main window that points to them.
  form7_.reset();
  form6_.reset();
  form5_.reset();
  form4_.reset();
  form3_.reset();
  if (form1_) form1_->Form2 = nullptr;
  form2_.reset();
  form1_.reset();
}

void KirabelApplication::CreateWindows() {
  form1_ = std::make_unique<TForm1>();
  form2_ = std::make_unique<TForm2>();
  form3_ = std::make_unique<TForm3>();
  form4_ = std::make_unique<TForm4>();
  form5_ = std::make_unique<TForm5>();
  form6_ = std::make_unique<TForm6>();
  form7_ = std::make_unique<TForm7>();
  TForm1& main = *form1_;
  main.Form2 = form2_.get();
  main.Form3 = form3_.get();
  main.Form4 = form4_.get();
  main.Form5 = form5_.get();
  main.Form6 = form6_.get();
  main.Form7 = form7_.get();
  form5_->MainOpenDialog = &main.OpenDialog1;
  form5_->MainSaveDialog = &main.SaveDialog1;
  main.SetSettingsWriter([this] { WriteSettings(); });
  main.RebuildChildList();
}

void KirabelApplication::ReadSettings(const QStringList& arguments, int colourDepth) {
  ApplySettings(LoadSettingsFile(settingsPath_));
  if (!ConfirmColourDepth(colourDepth, form1_.get())) endRequested_ = true;
  const std::string file = CommandLineFile(arguments);
  if (!file.empty()) form1_->LoadFile(file);
}

void KirabelApplication::ApplySettings(const Settings& settings) {
  ApplyWindowPositions(settings);
  ApplyOptions(settings);
  form1_->OpenDialog1.InitialDir = QString::fromStdString(settings.InitialDir);
  form1_->SaveDialog1.InitialDir = form1_->OpenDialog1.InitialDir;
  ApplyResolution(settings);
}

// A remembered place that no screen shows any more (a monitor was removed)
// is moved onto the nearest screen; every other place is used as it is.
void KirabelApplication::ApplyWindowPositions(const Settings& s) {
  form1_->resize(s.Form1Width, s.Form1Height);
  PlaceWindow(*form1_, QPoint(s.Form1Left, s.Form1Top));
  PlaceWindow(*form2_, QPoint(s.Form2Left, s.Form2Top));
  PlaceWindow(*form3_, QPoint(s.Form3Left, s.Form3Top));
  PlaceWindow(*form5_, QPoint(s.Form5Left, s.Form5Top));
}

void KirabelApplication::ApplyOptions(const Settings& s) {
  TForm1& main = *form1_;
  main.ColSizing = s.ColSizing;
  main.K2->setChecked(s.ColSizing);
  main.K3->setChecked(s.DispToolBar);
  main.Panel1->setVisible(s.DispToolBar);
  main.AntiA = s.AntiA;
  main.K5->setChecked(s.AntiA);
  main.LoopSpace = s.LoopSpace;
  main.KL2->setChecked(s.LoopSpace);
  main.TooMany = s.TooMany;
}

void KirabelApplication::ApplyResolution(const Settings& s) {
  try {
    form1_->ApplyResolution(s.X, s.Y);
  } catch (const std::exception& error) {
    MessageBox::ShowError(form1_.get(), QString::fromUtf8(error.what()));
  }
}

Settings KirabelApplication::CurrentSettings() const {
  const TForm1& main = *form1_;
  Settings s;
  s.Form1Top = main.y();
  s.Form1Left = main.x();
  s.Form1Width = main.width();
  s.Form1Height = main.height();
  s.Form2Top = form2_->y();
  s.Form2Left = form2_->x();
  s.Form3Top = form3_->y();
  s.Form3Left = form3_->x();
  s.Form5Top = form5_->y();
  s.Form5Left = form5_->x();
  s.InitialDir = main.OpenDialog1.InitialDir.toStdString();
  s.ColSizing = main.ColSizing;
  s.DispToolBar = main.K3->isChecked();
  s.AntiA = main.K5->isChecked();
  s.LoopSpace = main.KL2->isChecked();
  s.TooMany = main.TooMany;
  s.X = main.ResolutionX;
  s.Y = main.ResolutionY;
  return s;
}

void KirabelApplication::WriteSettings() const {
  SaveSettingsFile(settingsPath_, CurrentSettings());
}

}  // namespace kirabel
