#pragma once
// The launch's view of the main window: the busy state, the progress bar with
// its event pumping, the viewer and its caption, the cursor and the message
// boxes, all on the user-interface thread.
#include "simulation/launch_host.h"

namespace kirabel {

class TForm1;

class WindowLaunchHost : public LaunchHost {
 public:
  explicit WindowLaunchHost(TForm1& form);
  ~WindowLaunchHost() override;

  int64_t TooMany() const override;
  bool AntiAliasing() const override;
  bool WrapSpace() const override;
  TSpace& Space() override;
  TDIBitmap& Bitmap() override;
  void SetBusy(bool busy) override;
  bool IsBusy() const override;
  bool ConfirmParticleCount(const std::string& question) override;
  void ShowWarning(const std::string& text) override;
  void SetViewerCaption(const std::string& caption) override;
  void SetWaitCursor(bool wait) override;
  void SetProgress(int32_t position) override;
  void AdvanceProgress() override;
  void ShowFrame() override;

 private:
  TForm1& form_;
  bool waitCursor_ = false;
};

}  // namespace kirabel
