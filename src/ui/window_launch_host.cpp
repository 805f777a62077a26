#include "ui/window_launch_host.h"

#include <QApplication>
#include <QProgressBar>

#include "image/space_viewer.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

namespace kirabel {

WindowLaunchHost::WindowLaunchHost(TForm1& form) : form_(form) {}

WindowLaunchHost::~WindowLaunchHost() {
  SetWaitCursor(false);
}

int64_t WindowLaunchHost::TooMany() const {
  return form_.TooMany;
}

bool WindowLaunchHost::AntiAliasing() const {
  return form_.AntiA;
}

bool WindowLaunchHost::WrapSpace() const {
  return form_.LoopSpace;
}

TSpace& WindowLaunchHost::Space() {
  return *form_.Space;
}

TDIBitmap& WindowLaunchHost::Bitmap() {
  return form_.Form2->Bitmap();
}

void WindowLaunchHost::SetBusy(bool busy) {
  form_.SetBusy(busy);
}

bool WindowLaunchHost::IsBusy() const {
  return form_.Busy;
}

bool WindowLaunchHost::ConfirmParticleCount(const std::string& question) {
  MessageBox::Beep();
  return MessageBox::Confirm(&form_, QString::fromStdString(question));
}

void WindowLaunchHost::ShowWarning(const std::string& text) {
  MessageBox::Warning(&form_, QString::fromStdString(text));
}

void WindowLaunchHost::SetViewerCaption(const std::string& caption) {
  if (form_.Form2) form_.Form2->setWindowTitle(QString::fromStdString(caption));
}

void WindowLaunchHost::SetWaitCursor(bool wait) {
  if (wait == waitCursor_) return;
  waitCursor_ = wait;
  if (wait)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void WindowLaunchHost::SetProgress(int32_t position) {
  form_.ProgressBar1->setValue(position);
}

void WindowLaunchHost::AdvanceProgress() {
  QProgressBar* bar = form_.ProgressBar1;
  bar->setValue(qMin(bar->value() + 1, bar->maximum()));
  QCoreApplication::processEvents();
}

void WindowLaunchHost::ShowFrame() {
  if (form_.Form2) form_.Form2->FormPaint();
}

}  // namespace kirabel
