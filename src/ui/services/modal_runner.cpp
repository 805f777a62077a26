#include "ui/services/modal_runner.h"

#include <QDialog>
#include <deque>

namespace kirabel {

namespace {

struct ModalSeam {
  std::deque<ModalRunner::Handler> handlers;
  int count = 0;
};

ModalSeam& Seam() {
  static ModalSeam seam;
  return seam;
}

}  // namespace

int ModalRunner::exec(QDialog& dialog) {
  ModalSeam& seam = Seam();
  ++seam.count;
  if (seam.handlers.empty()) return dialog.exec();
  Handler handler = std::move(seam.handlers.front());
  seam.handlers.pop_front();
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  handler(dialog);
  if (dialog.isVisible()) dialog.reject();
  return dialog.result();
}

void ModalRunner::setNextHandler(Handler handler) {
  Seam().handlers.push_back(std::move(handler));
}

void ModalRunner::clearHandlers() {
  Seam().handlers.clear();
}

int ModalRunner::execCount() {
  return Seam().count;
}

}  // namespace kirabel
