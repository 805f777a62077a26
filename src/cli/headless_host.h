#pragma once
// The window side of a launch for kirabel-render: a space buffer and a
// picture of the requested size, no questions (the particle count is checked
// before the launch), warnings and progress on stderr, frames written as BMP
// or PNG.
#include <cstdint>
#include <string>

#include "cli/command_line.h"
#include "image/dibs.h"
#include "simulation/launch_host.h"
#include "simulation/space.h"

namespace kirabel::cli {

class HeadlessHost : public LaunchHost {
 public:
  // showProgress: write "frame i/n" lines to stderr while rendering.
  HeadlessHost(const RenderRequest& request, bool showProgress);

  int64_t TooMany() const override { return INT64_MAX; }
  bool AntiAliasing() const override { return antiAlias_; }
  bool WrapSpace() const override { return wrap_; }
  TSpace& Space() override { return space_; }
  TDIBitmap& Bitmap() override { return bitmap_; }
  void SetBusy(bool busy) override { busy_ = busy; }
  bool IsBusy() const override { return busy_; }
  bool ConfirmParticleCount(const std::string&) override { return true; }
  void ShowWarning(const std::string& text) override;
  void SetViewerCaption(const std::string& caption) override;
  void SetWaitCursor(bool) override {}
  void SetProgress(int32_t) override {}
  void AdvanceProgress() override {}
  void ShowFrame() override;
  void SaveFrame(const TDIBitmap& bitmap, const std::string& fileName) override;

  // The reason of the last failed save, empty when none failed.
  const std::string& SaveError() const { return saveError_; }
  int64_t FramesWritten() const { return framesWritten_; }

 private:
  TSpace space_;
  TDIBitmap bitmap_;
  bool antiAlias_;
  bool wrap_;
  OutputFormat format_;
  bool showProgress_;
  bool busy_ = false;
  std::string caption_;
  std::string saveError_;
  int64_t framesWritten_ = 0;
};

}  // namespace kirabel::cli
