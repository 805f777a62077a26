#pragma once
// Runs a dialog modally, behind a seam: a test queues a handler that plays the
// user's part on the real widgets (types into fields, presses OK or Cancel)
// while the dialog is shown, instead of racing a modal loop with a timer.
#include <functional>

class QDialog;

namespace kirabel {

class ModalRunner {
 public:
  using Handler = std::function<void(QDialog& dialog)>;

  // Shows the dialog modally and returns its result (QDialog::Accepted or
  // QDialog::Rejected). With a queued handler the dialog is shown without a
  // modal loop, the handler runs, and a dialog the handler left open is
  // cancelled.
  static int exec(QDialog& dialog);

  // Handlers queue up in call order, one per exec.
  static void setNextHandler(Handler handler);
  static void clearHandlers();
  // How many dialogs exec has shown since start.
  static int execCount();
};

}  // namespace kirabel
