#pragma once
// A LaunchHost for tests: records what the launch asked of the window and
// can stop the launch at a chosen progress step or answer questions.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "image/dibs.h"
#include "simulation/launch_host.h"
#include "simulation/space.h"

namespace kirabel::testing {

class FakeHost : public LaunchHost {
 public:
  FakeHost(int32_t w = 64, int32_t h = 48) : space(w, h) {
    bitmap.SetHeight(h);
    bitmap.SetWidth(w);
  }

  int64_t TooMany() const override { return tooMany; }
  bool AntiAliasing() const override { return antiAlias; }
  bool WrapSpace() const override { return wrap; }
  TSpace& Space() override { return space; }
  TDIBitmap& Bitmap() override { return bitmap; }
  void SetBusy(bool b) override {
    busy = b;
    busyCalls.push_back(b);
  }
  bool IsBusy() const override { return busy; }
  bool ConfirmParticleCount(const std::string& question) override {
    questions.push_back(question);
    return answer;
  }
  void ShowWarning(const std::string& text) override { warnings.push_back(text); }
  void SetViewerCaption(const std::string& caption) override { captions.push_back(caption); }
  void SetWaitCursor(bool wait) override { waitCursor = wait; }
  void SetProgress(int32_t p) override { progress = p; }
  void AdvanceProgress() override {
    ++progress;
    ++advances;
    if (onAdvance) onAdvance(*this);
  }
  void ShowFrame() override { ++framesShown; }
  void SaveFrame(const TDIBitmap& b, const std::string& name) override {
    savedNames.push_back(name);
    savedBits.emplace_back(b.Bits(), b.Bits() + b.RowBytes() * b.Height());
    if (saveFails && savedNames.size() >= static_cast<std::size_t>(saveFails)) {
      throw std::runtime_error("disk full");
    }
    if (writeFiles) LaunchHost::SaveFrame(b, name);
  }

  TSpace space;
  TDIBitmap bitmap;
  int64_t tooMany = 10000;
  bool antiAlias = false;
  bool wrap = false;
  bool busy = false;
  bool answer = true;
  bool waitCursor = false;
  bool writeFiles = false;
  int saveFails = 0;  // the n-th save (1-based) and every later one fail; 0: none
  int32_t progress = 0;
  int advances = 0;
  int framesShown = 0;
  std::function<void(FakeHost&)> onAdvance;
  std::vector<bool> busyCalls;
  std::vector<std::string> questions, warnings, captions, savedNames;
  std::vector<std::vector<uint8_t>> savedBits;
};

}  // namespace kirabel::testing
