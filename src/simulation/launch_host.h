#pragma once
// LaunchHost: everything a launch needs of the window that runs it. The
// simulation never sees a window; the desktop program implements this with
// Qt, the headless renderer and the tests implement it without.
//
// All calls come from the thread that runs the launch (the user-interface
// thread in the desktop program). Events are processed only inside
// AdvanceProgress(), between two particles of a frame.
//
// Rule for implementers: while IsBusy() the host must not replace or resize
// the objects that Space() and Bitmap() return (the resolution command has to
// wait until the launch has ended); the renderer keeps them for a whole frame.
#include <cstdint>
#include <string>

namespace kirabel {

class TSpace;
class TDIBitmap;

class LaunchHost {
 public:
  virtual ~LaunchHost() = default;

  // --- state the launch reads -------------------------------------------
  // The particle-count warning threshold (TooMany of the settings).
  virtual int64_t TooMany() const = 0;
  // The drawing options as they stand now; read again for every particle, so
  // a toggle made while a frame is drawn acts at once.
  virtual bool AntiAliasing() const = 0;
  virtual bool WrapSpace() const = 0;
  // The space buffer and the viewer's picture; always the same size.
  virtual TSpace& Space() = 0;
  virtual TDIBitmap& Bitmap() = 0;

  // --- busy state ---------------------------------------------------------
  // Switches the window between busy and idle: launch button and menu item
  // enabled exactly when idle, stop button exactly when busy; going idle sets
  // the viewer caption back to "空間ビューワ".
  virtual void SetBusy(bool busy) = 0;
  // False once the user has stopped the launch (stop button, Escape).
  virtual bool IsBusy() const = 0;

  // --- feedback -----------------------------------------------------------
  // Sound the question beep, then ask with Yes/No buttons; the text is
  // "%d個の粒子が作られます。計算を続けていいですか？" already filled in.
  // True for Yes.
  virtual bool ConfirmParticleCount(const std::string& question) = 0;
  // A warning message box with an OK button (title "警告").
  virtual void ShowWarning(const std::string& text) = 0;
  // The space viewer's caption, e.g. "作画中です...3/10".
  virtual void SetViewerCaption(const std::string& caption) = 0;
  // Hourglass (true) or the default mouse cursor (false).
  virtual void SetWaitCursor(bool wait) = 0;
  // The progress bar runs from 0 to ProgressMax(); the renderer advances it
  // about ProgressMax() times per frame.
  virtual int32_t ProgressMax() const { return 100; }
  virtual void SetProgress(int32_t position) = 0;
  // Advance the progress bar by one, then process all pending window events
  // (this is where the stop button and Escape take effect).
  virtual void AdvanceProgress() = 0;
  // Repaint the viewer with the bitmap as it is now (the viewer's FormPaint).
  virtual void ShowFrame() = 0;

  // --- saving ---------------------------------------------------------------
  // Writes the finished frame for automatic saving. The default writes the
  // bitmap as a 24-bit BMP file; failures are raised as exceptions.
  virtual void SaveFrame(const TDIBitmap& bitmap, const std::string& fileName);
};

}  // namespace kirabel
